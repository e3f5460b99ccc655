// The toolbar help (when it shows, where, what takes it away), the start-up animation driven
// by a fake wait, and the about window.
#include "ControleDicas.h"
#include "DicasBotoes.h"
#include "QuadroCapa.h"
#include "frmDicas.h"
#include "frmEntrada.h"
#include "frmSobre.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vidalume;

namespace {

// A program folder holding the program's pictures.
struct PastaPrograma {
    QTemporaryDir dir;
    PastaPrograma() {
        const QDir imagens(dir.path() + QStringLiteral("/imagens"));
        imagens.mkpath(QStringLiteral("."));
        const QDir origem(QStringLiteral(VIDALUME_IMAGENS));
        for (const QString& nome : origem.entryList({QStringLiteral("*.svg")})) {
            QFile::copy(origem.filePath(nome), imagens.filePath(nome));
        }
    }
    QString path() const { return dir.path(); }
};

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
    ControleDicas controle{pasta.path(), &principal};
    void aponta(const char* nome, int ordem, QPoint janela = kJanela, int direita = kDireita) {
        controle.ponteiroSobreBotao(QString::fromLatin1(nome), janela, botao(ordem), direita);
    }
    bool mostrando() const { return controle.dica() && controle.dica()->isVisible(); }
};

} // namespace

class AuxiliaresTest : public QObject {
    Q_OBJECT

private slots:
    void ajudaApareceAbaixoDoBotao();
    void deUmBotaoDiretoParaOutro();
    void oQueRetiraAAjuda();
    void ponteiroOcupadoNaoMostraAjuda();
    void geometriaTiradaDosWidgets();
    void animacaoDeEntrada();
    void entradaFechadaAntesDoFim();
    void janelaSobre();
};

void AuxiliaresTest::ajudaApareceAbaixoDoBotao() {
    Cena c;
    QCOMPARE(c.controle.BotaoComAjuda(), QString());
    c.aponta("Exportar", 5);
    QVERIFY(c.mostrando());
    QCOMPARE(c.controle.dica()->texto(),
             QStringLiteral("Cria uma cópia da análise atual na área de transferência."));
    QCOMPARE(c.controle.dica()->geometry(), DicasBotoes::geometria(kJanela, botao(5), kDireita));
    QCOMPARE(c.controle.BotaoComAjuda(), QStringLiteral("Exportar"));
    QVERIFY(c.controle.dica()->testAttribute(Qt::WA_ShowWithoutActivating));

    // Moving inside the button places nothing anew.
    c.aponta("Exportar", 5, kJanela + QPoint(300, 0));
    QCOMPARE(c.controle.dica()->geometry(), DicasBotoes::geometria(kJanela, botao(5), kDireita));

    // The exit button at the right of a narrow screen: ends 200 twips before the edge.
    c.aponta("Sair", 6, QPoint(560, 40), 800);
    QCOMPARE(c.controle.dica()->geometry().left(), DicasBotoes::pixels(800 * 15 - 3615 - 200));
    QCOMPARE(c.controle.dica()->texto(),
             QStringLiteral("Este botão finaliza o programa de Vidalume."));

    // A name without help shows nothing.
    c.controle.retiraAjuda();
    c.aponta("Outro", 0);
    QVERIFY(!c.controle.dica());
}

void AuxiliaresTest::deUmBotaoDiretoParaOutro() {
    Cena c;
    c.aponta("Criar", 0);
    QPointer<frmDicas> dica = c.controle.dica();
    int escondimentos = 0;
    struct Vigia : QObject {
        int* n;
        bool eventFilter(QObject*, QEvent* e) override {
            *n += e->type() == QEvent::Hide;
            return false;
        }
    } vigia;
    vigia.n = &escondimentos;
    dica->installEventFilter(&vigia);

    // The same window, re-written and moved, never hidden in between.
    c.aponta("Imprimir", 1);
    QCOMPARE(c.controle.dica(), dica.data());
    QCOMPARE(escondimentos, 0);
    QCOMPARE(dica->texto(),
             QStringLiteral("Utilize este botão para imprimir a análise atual na impressora."));
    QCOMPARE(dica->geometry(), DicasBotoes::geometria(kJanela, botao(1), kDireita));
    dica->removeEventFilter(&vigia);
}

void AuxiliaresTest::oQueRetiraAAjuda() {
    Cena c;
    // Frame or toolbar background, report window, a command: name reset and window unloaded.
    c.aponta("Fontes", 2);
    QPointer<frmDicas> dica = c.controle.dica();
    c.controle.retiraAjuda();
    QVERIFY(!c.controle.dica());
    QCOMPARE(c.controle.BotaoComAjuda(), QStringLiteral("Nenhum"));
    QTRY_VERIFY(!dica);
    c.aponta("Fontes", 2);
    QVERIFY(c.mostrando());

    // ApagaAjudaDoBotao only forgets the name; closing the main window only unloads.
    c.controle.ApagaAjudaDoBotao();
    QVERIFY(c.mostrando());
    c.aponta("Fontes", 2);
    c.controle.descarregaDica();
    QVERIFY(!c.controle.dica());
    QCOMPARE(c.controle.BotaoComAjuda(), QStringLiteral("Fontes"));

    // Pointing at the help text unloads it but keeps the name: straight back to the same
    // button shows nothing, another button does.
    c.aponta("Ajuda", 4);
    dica = c.controle.dica();
    QTest::mouseMove(dica->findChild<QLabel*>(QStringLiteral("lblDica")), QPoint(5, 5));
    QTRY_VERIFY(!dica);
    QCOMPARE(c.controle.BotaoComAjuda(), QStringLiteral("Ajuda"));
    c.aponta("Ajuda", 4);
    QVERIFY(!c.controle.dica());
    c.aponta("Sair", 6);
    QVERIFY(c.mostrando());
}

void AuxiliaresTest::ponteiroOcupadoNaoMostraAjuda() {
    Cena c;
    // A settings dialog open from a toolbar button: the main window's pointer is busy.
    c.principal.setCursor(Qt::WaitCursor);
    c.aponta("ConfigPrograma", 3);
    QVERIFY(!c.controle.dica());
    QCOMPARE(c.controle.BotaoComAjuda(), QString());
    c.principal.unsetCursor();
    c.aponta("ConfigPrograma", 3);
    QVERIFY(c.mostrando());

    // Busy work told by the main window counts the same.
    c.controle.retiraAjuda();
    c.controle.defineOcupado(true);
    c.aponta("Criar", 0);
    QVERIFY(!c.controle.dica());
    c.controle.defineOcupado(false);
    c.aponta("Criar", 0);
    QVERIFY(c.mostrando());
}

void AuxiliaresTest::geometriaTiradaDosWidgets() {
    Cena c;
    c.principal.setGeometry(120, 80, 700, 500);
    QWidget picMenu(&c.principal);
    QPushButton cmdImprimir(&picMenu);
    cmdImprimir.setGeometry(QRect(botao(1), QSize(43, 40)));
    c.principal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c.principal));
    const QRect tela = c.principal.screen()->geometry();
    const QRect esperada = DicasBotoes::geometria(c.principal.frameGeometry().topLeft(), botao(1),
                                                  tela.x() + tela.width());
    c.controle.ponteiroSobreBotao(QStringLiteral("Imprimir"), cmdImprimir);
    QCOMPARE(c.controle.dica()->geometry(), esperada);

    // For a main window that keeps the help name itself: shows, leaves the name alone.
    c.controle.retiraAjuda();
    c.controle.AjudaDoBotao(QStringLiteral("Imprimir"), cmdImprimir);
    QVERIFY(c.mostrando());
    QCOMPARE(c.controle.dica()->geometry(), esperada);
    QCOMPARE(c.controle.BotaoComAjuda(), QStringLiteral("Nenhum"));
}

void AuxiliaresTest::animacaoDeEntrada() {
    PastaPrograma pasta;
    QList<int> esperas;
    QList<QRectF> quadros;
    int ocupado = 0;
    frmEntrada* janela = nullptr;
    frmEntrada entrada(pasta.path(), [&](int ms) {
        esperas.append(ms);
        const QRectF area = janela->imgEntrada()->area();
        quadros.append(QRectF(area.topLeft() * 15, area.size() * 15));
        ocupado += janela->cursor().shape() == Qt::WaitCursor;
        const_cast<QuadroCapa*>(janela->imgEntrada())->grab(); // paints the frame
    });
    janela = &entrada;
    QCOMPARE(entrada.size(), QSize(261, 262));
    QCOMPARE(entrada.exec(), int(QDialog::Accepted));

    // 24 frames of 0.15 s and one more second; the first a 40-twip square at the centre.
    QCOMPARE(esperas.size(), 25);
    QCOMPARE(esperas.count(150), 24);
    QCOMPARE(esperas.last(), 1000);
    QCOMPARE(quadros.first(), QRectF(1950, 1950, 40, 40));
    QVERIFY(std::abs(quadros[12].center().x() - 1950) < 1e-6);
    QVERIFY(quadros[23].width() > 3800);
    QCOMPARE(ocupado, 25);
    QVERIFY(entrada.cursor().shape() != Qt::WaitCursor);
}

void AuxiliaresTest::entradaFechadaAntesDoFim() {
    PastaPrograma pasta;
    int esperas = 0;
    frmEntrada* janela = nullptr;
    frmEntrada entrada(pasta.path(), [&](int) {
        if (++esperas == 3) {
            janela->reject(); // the user closes the window
        }
    });
    janela = &entrada;
    QCOMPARE(entrada.exec(), int(QDialog::Rejected));
    QCOMPARE(esperas, 3);

    // The real wait handles events while it waits.
    bool atendido = false;
    QTimer::singleShot(0, [&] { atendido = true; });
    QElapsedTimer relogio;
    relogio.start();
    frmEntrada::esperaComEventos(60);
    QVERIFY(atendido);
    QVERIFY(relogio.elapsed() >= 50);
}

void AuxiliaresTest::janelaSobre() {
    PastaPrograma pasta;
    QStringList tocados;
    frmSobre sobre(pasta.path(), [&](const QString& arquivo) { tocados.append(arquivo); });
    QCOMPARE(tocados, QStringList{QDir(pasta.path()).filePath(QStringLiteral("welcomeb.wav"))});
    QCOMPARE(sobre.windowTitle(), QStringLiteral("Sobre o Programa de Vidalume"));
    QVERIFY(sobre.findChild<QLabel*>(QStringLiteral("lblVersao"))->text().contains("1.0.0"));
    auto* ok = sobre.findChild<QPushButton*>(QStringLiteral("cmdSair"));
    QCOMPARE(ok->text(), QStringLiteral("O&k"));
    sobre.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!sobre.isVisible());
    QCOMPARE(tocados.size(), 1);
}

QTEST_MAIN(AuxiliaresTest)
#include "AuxiliaresTest.moc"
