// The toolbar help (where it goes, when it shows, what takes it away) and the start-up
// // animation driven by a fake wait, and the about window.
#include "gui/auxiliares/AnimacaoEntrada.h"
#include "gui/auxiliares/ControleDicas.h"
#include "gui/auxiliares/DicasBotoes.h"
#include "gui/auxiliares/QuadroCapa.h"
#include "gui/auxiliares/frmDicas.h"
#include "gui/auxiliares/frmEntrada.h"
#include "gui/comum/Unidades.h"
#include "tests/app/AmbienteTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

// Toolbar button `ordem` at its designed place: left 45 + 720 per button, top 45 twips.
QPoint botao(int ordem) {
    return {Unidades::pixels(45 + 720 * ordem), Unidades::pixels(45)};
}
const QPoint kJanela(100, 40);
constexpr int kDireita = 1600;

// A main window and the help controller over it, with the pointer moved by name.
struct Cena {
    PastaPrograma pasta;
    QWidget principal;
    ControleDicas controle{pasta.caminho(), &principal};
    // Points at button `ordem` under the help name `nome`; whether a help window shows.
    bool aponta(const char* nome, int ordem, QPoint janela = kJanela, int direita = kDireita) {
        controle.ponteiroSobreBotao(QString::fromLatin1(nome), janela, botao(ordem), direita);
        return controle.dica() && controle.dica()->isVisible();
    }
};

} // namespace

class AuxiliaresTest : public QObject {
    Q_OBJECT

private slots:
    void ajudaPassaDeBotaoEmBotaoESaiQuandoDeve() {
        Cena c;
        QVERIFY(c.aponta("Exportar", 5));
        QPointer<frmDicas> dica = c.controle.dica();
        QCOMPARE(c.controle.BotaoComAjuda(), u"Exportar"_s);
        const QRect lugar = dica->geometry();

        // Straight to another button: the same window, re-written and moved.
        c.aponta("Imprimir", 1);
        QCOMPARE(c.controle.dica(), dica.data());
        QVERIFY(dica->texto().contains(u"imprimir"_s));
        QVERIFY(dica->geometry().left() < lugar.left());

        // The exit button at the right of a narrow screen: ends 200 twips before the edge.
        c.aponta("Sair", 6, QPoint(560, 40), 800);
        QCOMPARE(dica->geometry().left(), Unidades::pixels(800 * 15 - 3615 - 200));

        // Ending exactly at the right edge of the screen is allowed.
        QCOMPARE(DicasBotoes::posicaoTwips({0, 0}, {12000 - 3615 - 120, 0}, 12000).x(), 8385);
        QVERIFY(DicasBotoes::texto(u"criar"_s).isEmpty()); // names match exactly: no help

        // Frame or toolbar background, report window, a command: name reset and window unloaded.
        c.aponta("Fontes", 2);
        dica = c.controle.dica();
        c.controle.retiraAjuda();
        QCOMPARE(c.controle.BotaoComAjuda(), u"Nenhum"_s);
        QTRY_VERIFY(!dica);
        QVERIFY(c.aponta("Fontes", 2));

        // Pointing at the help text unloads it but keeps the name: straight back to the same
        // button shows nothing, another button does.
        c.aponta("Ajuda", 4);
        dica = c.controle.dica();
        QTest::mouseMove(filho(dica.data(), u"lblDica"_s), QPoint(5, 5));
        QTRY_VERIFY(!dica);
        QCOMPARE(c.controle.BotaoComAjuda(), u"Ajuda"_s);
        c.aponta("Ajuda", 4);
        QVERIFY(!c.controle.dica());
        QVERIFY(c.aponta("Sair", 6));

        // A settings dialog open from a toolbar button: the main window's pointer is busy.
        c.controle.retiraAjuda();
        c.principal.setCursor(Qt::WaitCursor);
        QVERIFY(!c.aponta("ConfigPrograma", 3));
        c.principal.unsetCursor();
        QVERIFY(c.aponta("ConfigPrograma", 3));
    }

    void animacaoDeEntrada() {
        PastaPrograma pasta;
        QList<int> esperas;
        frmEntrada* janela = nullptr;
        frmEntrada entrada(pasta.caminho(), [&](int ms) {
            esperas.append(ms);
            const_cast<QuadroCapa*>(janela->imgEntrada())->grab(); // paints the frame
        });
        janela = &entrada;
        QCOMPARE(entrada.exec(), int(QDialog::Accepted));

        // 24 frames of 0.15 s, each painted, and one more second.
        QCOMPARE(esperas, QList<int>(24, 150) << 1000);
        QCOMPARE(AnimacaoEntrada::quadros(0).size(), 1); // a box without size: no endless loop

        // Closed by the user during the animation.
        int vezes = 0;
        frmEntrada fechada(pasta.caminho(), [&](int) {
            if (++vezes == 3) {
                janela->reject();
            }
        });
        janela = &fechada;
        QCOMPARE(fechada.exec(), int(QDialog::Rejected));
        QCOMPARE(vezes, 3);
    }
};

QTEST_MAIN(AuxiliaresTest)
#include "AuxiliaresTest.moc"
