// The toolbar help (its text, where it goes, when it shows, what takes it away), the start-up
// animation driven by a fake wait, and the about window.
#include "AmbienteTeste.h"
#include "AnimacaoEntrada.h"
#include "ControleDicas.h"
#include "DicasBotoes.h"
#include "QuadroCapa.h"
#include "frmDicas.h"
#include "frmEntrada.h"
#include "frmSobre.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

// Toolbar button `ordem` at its designed place: left 45 + 720 per button, top 45 twips.
QPoint botao(int ordem) {
    return {DicasBotoes::pixels(45 + 720 * ordem), DicasBotoes::pixels(45)};
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
    void ajudaApareceAbaixoDoBotaoEPassaDeUmParaOutro() {
        Cena c;
        QVERIFY(c.aponta("Exportar", 5));
        QPointer<frmDicas> dica = c.controle.dica();
        QCOMPARE(c.controle.BotaoComAjuda(), u"Exportar"_s);
        const QRect lugar = dica->geometry();

        // Moving inside the button places nothing anew.
        c.aponta("Exportar", 5, kJanela + QPoint(300, 0));
        QCOMPARE(dica->geometry(), lugar);

        // Straight to another button: the same window, re-written and moved.
        c.aponta("Imprimir", 1);
        QCOMPARE(c.controle.dica(), dica.data());
        QCOMPARE(dica->texto(),
                 u"Utilize este botão para imprimir a análise atual na impressora."_s);
        QVERIFY(dica->geometry().left() < lugar.left());

        // The exit button at the right of a narrow screen: ends 200 twips before the edge.
        c.aponta("Sair", 6, QPoint(560, 40), 800);
        QCOMPARE(dica->geometry().left(), DicasBotoes::pixels(800 * 15 - 3615 - 200));

        // Over a real button, for a main window that keeps the help name itself: shows below
        // the button and leaves the name alone.
        c.principal.setGeometry(120, 80, 700, 500);
        QPushButton cmdImprimir(&c.principal);
        cmdImprimir.move(botao(1));
        c.principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.principal));
        c.controle.retiraAjuda();
        c.controle.AjudaDoBotao(u"Imprimir"_s, cmdImprimir);
        QVERIFY(c.controle.dica()->y() > cmdImprimir.mapToGlobal(QPoint(0, 0)).y());
        QCOMPARE(c.controle.BotaoComAjuda(), u"Nenhum"_s);

        // The place in numbers: a window at (100, 50) px and the print button at 765 x 45 twips
        // put the help 120 and 1380 twips further.
        QCOMPARE(DicasBotoes::geometria({100, 50}, {51, 3}, 1600), QRect(159, 145, 241, 43));
        // Ending exactly at the right edge of the screen is allowed.
        QCOMPARE(DicasBotoes::posicaoTwips({0, 0}, {12000 - 3615 - 120, 0}, 12000).x(), 8385);
        QVERIFY(DicasBotoes::texto(u"criar"_s).isEmpty()); // names match exactly: no help
    }

    void oQueRetiraAAjudaENaoAMostra() {
        Cena c;
        // Frame or toolbar background, report window, a command: name reset and window unloaded.
        c.aponta("Fontes", 2);
        QPointer<frmDicas> dica = c.controle.dica();
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

        // Busy work told by the main window counts the same.
        c.controle.retiraAjuda();
        c.controle.defineOcupado(true);
        QVERIFY(!c.aponta("Criar", 0));
    }

    void entradaESobre() {
        PastaPrograma pasta;
        QList<int> esperas;
        QList<QRectF> quadros;
        frmEntrada* janela = nullptr;
        frmEntrada entrada(pasta.caminho(), [&](int ms) {
            esperas.append(ms);
            const QRectF area = janela->imgEntrada()->area();
            quadros.append(QRectF(area.topLeft() * 15, area.size() * 15));
            const_cast<QuadroCapa*>(janela->imgEntrada())->grab(); // paints the frame
        });
        janela = &entrada;
        QCOMPARE(entrada.exec(), int(QDialog::Accepted));

        // 24 frames of 0.15 s and one more second. The frames grow from a 40-twip square at the
        // centre to nearly the whole picture, always centred.
        QCOMPARE(esperas, QList<int>(24, 150) << 1000);
        QCOMPARE(quadros.first(), QRectF(1950, 1950, 40, 40));
        for (qsizetype k = 1; k < 24; ++k) {
            QVERIFY(quadros[k].width() > quadros[k - 1].width());
        }
        QCOMPARE(quadros[23].center(), QPointF(1950, 1950));
        QVERIFY(quadros[23].width() > 3800 && quadros[23].right() < 3900 + 1e-6);
        QCOMPARE(AnimacaoEntrada::quadros(0).size(), 1); // a box without size: no endless loop
        QVERIFY(entrada.cursor().shape() != Qt::WaitCursor);

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

        // The real wait handles events while it waits.
        bool atendido = false;
        QTimer::singleShot(0, [&] { atendido = true; });
        frmEntrada::esperaComEventos(60);
        QVERIFY(atendido);

        // The about window greets with its sound once and closes with Ok.
        QStringList tocados;
        frmSobre sobre(pasta.caminho(), [&](const QString& arquivo) { tocados.append(arquivo); });
        sobre.show();
        clica(&sobre, u"cmdSair"_s);
        QVERIFY(!sobre.isVisible());
        QCOMPARE(tocados, QStringList{pasta.arquivo(u"welcomeb.wav"_s)});
    }
};

QTEST_MAIN(AuxiliaresTest)
#include "AuxiliaresTest.moc"
