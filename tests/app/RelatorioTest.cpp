// The report window: its scroll arithmetic in millimetres, its page store with the scroll
// position remembered per page, and the window's keys, status line and close.
#include "AmbienteTeste.h"
#include "ArmazemPaginas.h"
#include "QuadroPagina.h"
#include "RolagemRelatorio.h"
#include "frmExibeRelatorio.h"

#include <QScrollBar>
#include <QtTest>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

const QSizeF kTela(1600, 1000); // S = 423.28 mm, W = 380.95 mm, TopoFolha = 10.58 mm

double mm(double pixels) {
    return RolagemRelatorio::pixelsParaMm(pixels);
}

// A window of 800 x 600 pixels: 211.64 x 158.73 mm.
RolagemRelatorio janelaComum() {
    RolagemRelatorio r(kTela);
    r.redimensiona(mm(800), mm(600));
    return r;
}

struct Janela {
    QList<QString> status;
    int sons = 0;
    int ajudas = 0;
    frmExibeRelatorio janela;

    explicit Janela(int paginas, int figuras = -1)
        : janela(kTela.toSize(),
                 LigacoesRelatorio{[this] { ++sons; }, [this](const QString& s) { status << s; },
                                   [this] { ++ajudas; }}) {
        janela.definePaginas(
            paginasDeTeste(figuras < 0 ? paginas : figuras, janela.GetLarguraEmMm()));
        janela.resize(800, 600);
        janela.show();
        janela.GravaDados(paginas, 1, QStringLiteral("20/08/1978"), QStringLiteral("ANA LUZ"));
        janela.mostrada();
    }
    QWidget* pagina() { return janela.findChild<QWidget*>(QStringLiteral("picExibe")); }
    QScrollBar* barra(const char* nome) {
        return janela.findChild<QScrollBar*>(QString::fromLatin1(nome));
    }
    void tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(pagina(), k, m);
    }
};

} // namespace

class RelatorioTest : public QObject {
    Q_OBJECT

private slots:
    void geometriaDaTela() {
        const RolagemRelatorio r(kTela);
        QVERIFY(qAbs(r.larguraTela() - 1600 * 15 / 56.7) < 1e-9);
        QCOMPARE(r.larguraPagina(), float(1600 * 15 / 56.7 * 0.9));
        QVERIFY(qAbs(r.topoFolha() - 1000 * 15 / 56.7 * 0.04) < 1e-9);
        QVERIFY(qAbs(r.esquerdaPagina() - r.larguraTela() * 0.04) < 1e-9);
        QCOMPARE(RolagemRelatorio::inteiro(2.5), 2);
        QCOMPARE(RolagemRelatorio::inteiro(3.5), 4);
        QCOMPARE(RolagemRelatorio::inteiro(1e9), 32767);
    }

    void redimensionaCalculaMaximosEPassos() {
        const RolagemRelatorio r = janelaComum();
        QCOMPARE(r.maximoV(), 159); // 2 x 10.58 + 297 - 158.73
        QCOMPARE(r.pequenaV(), 8);
        QCOMPARE(r.grandeV(), 24);
        QVERIFY(r.hVisivel());
        QCOMPARE(r.maximoH(), 190); // 423.28 x 0.95 - 211.64
        QCOMPARE(r.redimensionamentos(), 1);
        QVERIFY(qAbs(r.esquerdaPagina() - r.larguraPagina() * 0.04) < 1e-6);
    }

    void homeEEndNumaPaginaMaisAltaQueAJanela() {
        RolagemRelatorio r = janelaComum();
        r.tecla(RolagemRelatorio::End, false);
        QCOMPARE(r.valorV(), r.maximoV());
        QCOMPARE(r.valorH(), r.maximoH());
        // The page's bottom sits TopoFolha above the window's bottom edge (to the rounding).
        const double folgaAbaixo = mm(600) - (r.topoPagina() + RolagemRelatorio::kAlturaPagina);
        QVERIFY(qAbs(folgaAbaixo - r.topoFolha()) < 0.5);
        r.tecla(RolagemRelatorio::Home, false);
        QCOMPARE(r.valorV(), 0);
        QCOMPARE(r.valorH(), 0);
        QCOMPARE(r.topoPagina(), r.topoFolha());
    }

    void setasEPaginasFicamNosLimites() {
        RolagemRelatorio r = janelaComum();
        r.tecla(RolagemRelatorio::Acima, false);
        QCOMPARE(r.valorV(), 0);
        r.tecla(RolagemRelatorio::Abaixo, false);
        QCOMPARE(r.valorV(), 8);
        r.tecla(RolagemRelatorio::PageUp, false);
        QCOMPARE(r.valorV(), 0);
        for (int i = 0; i < 10; ++i) {
            r.tecla(RolagemRelatorio::PageDown, false);
        }
        QCOMPARE(r.valorV(), 159);
        r.tecla(RolagemRelatorio::Abaixo, false);
        QCOMPARE(r.valorV(), 159);

        r.tecla(RolagemRelatorio::Direita, false);
        QCOMPARE(r.valorH(), 10);
        QVERIFY(qAbs(r.esquerdaPagina() - (r.topoFolha() - 10)) < 1e-9);
        r.tecla(RolagemRelatorio::Esquerda, false);
        r.tecla(RolagemRelatorio::Esquerda, false);
        QCOMPARE(r.valorH(), 0);
        for (int i = 0; i < 25; ++i) {
            r.tecla(RolagemRelatorio::Direita, false);
        }
        QCOMPARE(r.valorH(), 190);

        QCOMPARE(r.tecla(RolagemRelatorio::Direita, true), RolagemRelatorio::Acao::ProximaPagina);
        QCOMPARE(r.tecla(RolagemRelatorio::Esquerda, true), RolagemRelatorio::Acao::PaginaAnterior);
        QCOMPARE(r.valorH(), 190);
        QCOMPARE(r.tecla(65, true), RolagemRelatorio::Acao::Nenhuma);
    }

    void janelaMaisAltaQueAPagina() {
        RolagemRelatorio r(kTela);
        r.redimensiona(mm(800), mm(1300)); // 343.92 mm high
        QCOMPARE(r.maximoV(), -26);
        r.tecla(RolagemRelatorio::Abaixo, false);
        QCOMPARE(r.valorV(), -26);
        QVERIFY(r.topoPagina() > r.topoFolha()); // the page moved down
        r.tecla(RolagemRelatorio::Home, false);
        QCOMPARE(r.topoPagina(), r.topoFolha());
        r.tecla(RolagemRelatorio::End, false);
        QCOMPARE(r.valorV(), -26);
    }

    void larguraDecideABarraHorizontal() {
        RolagemRelatorio r = janelaComum();
        r.tecla(RolagemRelatorio::Direita, false);
        r.redimensiona(mm(1550), mm(600)); // wider than 95 % of the screen
        QVERIFY(!r.hVisivel());
        QCOMPARE(r.maximoH(), 0);
        QCOMPARE(r.valorH(), 0);
        r.redimensiona(mm(1000), mm(600));
        QVERIFY(r.hVisivel());
        QCOMPARE(r.maximoH(), RolagemRelatorio::inteiro(float(r.larguraTela() * 0.95) - mm(1000)));
        // Showing the window hides the bar only while its value is its maximum.
        r.mostrada();
        QVERIFY(r.hVisivel());
    }

    void armazemLembraAPosicaoDeCadaPagina() {
        ArmazemPaginas a;
        a.guardaPosicao({5, 5}); // before GravaDados: nowhere to keep it
        a.GravaDados(30, 1, QStringLiteral("01/02/2003"), QStringLiteral("NOME"));
        QCOMPARE(a.linhaNavegacao(), QStringLiteral("Navegando: Página 1 de 30"));
        auto p = a.trocaPagina(2, {0, 40});
        QCOMPARE(p.v, 0.f);
        p = a.trocaPagina(29, {3, 80}); // past the 23 slots of the old store
        QCOMPARE(p.v, 0.f);
        p = a.trocaPagina(2, {7, 120});
        QCOMPARE(p.h, 3.f);
        QCOMPARE(p.v, 80.f);
        QCOMPARE(a.posicaoDe(29).v, 120.f);
        QCOMPARE(a.posicaoDe(1).v, 40.f);
        QString nome, data;
        a.AjustaDadosNaMemoria(nome, data);
        QCOMPARE(nome, QStringLiteral("NOME"));
        QCOMPARE(data, QStringLiteral("01/02/2003"));
        QCOMPARE(a.folha(1), nullptr);
    }

    void janelaMostraAPrimeiraPagina() {
        Janela j(3);
        QCOMPARE(j.janela.windowTitle(), QStringLiteral("Relatório de Análise Numerológica"));
        QCOMPARE(j.janela.PaginaExibida(), 1);
        QCOMPARE(j.janela.TotalDePaginas(), 3);
        QCOMPARE(j.sons, 1);
        QCOMPARE(j.status.last(), QStringLiteral("Navegando: Página 1 de 3"));
        const RolagemRelatorio& r = j.janela.rolagem();
        QCOMPARE(j.pagina()->geometry(),
                 QRect(qRound(RolagemRelatorio::mmParaPixels(r.esquerdaPagina())),
                       qRound(RolagemRelatorio::mmParaPixels(r.topoFolha())),
                       qRound(RolagemRelatorio::mmParaPixels(r.larguraPagina())),
                       qRound(RolagemRelatorio::mmParaPixels(297))));
        QCOMPARE(j.barra("vScroll")->maximum(), 159);
        QVERIFY(j.barra("hScroll")->isVisible());
        QString nome, data;
        j.janela.AjustaDadosNaMemoria(nome, data);
        QCOMPARE(nome, QStringLiteral("ANA LUZ"));
        QCOMPARE(data, QStringLiteral("20/08/1978"));
    }

    void teclasRolamEViramPaginas() {
        Janela j(3);
        j.tecla(Qt::Key_Down);
        j.tecla(Qt::Key_Down);
        QCOMPARE(j.barra("vScroll")->value(), 16);
        QCOMPARE(j.pagina()->y(),
                 qRound(RolagemRelatorio::mmParaPixels(j.janela.rolagem().topoFolha() - 16)));

        j.tecla(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(j.janela.PaginaExibida(), 2);
        QCOMPARE(j.status.last(), QStringLiteral("Navegando: Página 2 de 3"));
        QCOMPARE(j.barra("vScroll")->value(), 0); // never seen: at the top
        j.tecla(Qt::Key_PageDown);
        j.tecla(Qt::Key_Right, Qt::ControlModifier);
        j.tecla(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier); // on the last page
        QCOMPARE(j.janela.PaginaExibida(), 3);
        j.tecla(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(j.barra("vScroll")->value(), 24);
        j.tecla(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(j.janela.PaginaExibida(), 1);
        QCOMPARE(j.barra("vScroll")->value(), 16);
        const int sons = j.sons;
        j.tecla(Qt::Key_Left, Qt::ControlModifier); // on page 1: nothing, not even a sound
        QCOMPARE(j.janela.PaginaExibida(), 1);
        QCOMPARE(j.sons, sons);
        QCOMPARE(j.status.last(), QStringLiteral("Navegando: Página 1 de 3"));

        // The window sees the keys whichever of its controls has the focus.
        QTest::keyClick(j.barra("vScroll"), Qt::Key_End);
        QCOMPARE(j.barra("vScroll")->value(), 159);
        QCOMPARE(j.barra("hScroll")->value(), j.janela.rolagem().maximoH());
    }

    void barraMovidaPeloUsuario() {
        Janela j(2);
        j.barra("vScroll")->setValue(50);
        QCOMPARE(j.janela.rolagem().valorV(), 50);
        j.barra("hScroll")->setValue(30);
        QCOMPARE(j.pagina()->x(),
                 qRound(RolagemRelatorio::mmParaPixels(j.janela.rolagem().topoFolha() - 30)));
        j.tecla(Qt::Key_Right, Qt::ControlModifier);
        j.tecla(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(j.barra("vScroll")->value(), 50);
        QCOMPARE(j.barra("hScroll")->value(), 30);
    }

    void paginaSemFiguraMantemAAnterior() {
        Janela j(3, 2);
        j.tecla(Qt::Key_Right, Qt::ControlModifier);
        j.tecla(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(j.janela.PaginaExibida(), 3);
        QCOMPARE(j.status.last(), QStringLiteral("Navegando: Página 3 de 3"));
        QVERIFY(static_cast<QuadroPagina*>(j.pagina())->temFolha());
    }

    void fecharConvidaACriarOutra() {
        Janela j(1);
        QCOMPARE(j.janela.TotalDePaginas(), 1);
        QCOMPARE(j.janela.PaginaExibida(), 1);
        QTest::mouseMove(j.pagina(), QPoint(10, 10));
        QTRY_VERIFY(j.ajudas > 0);
        j.janela.close();
        QCOMPARE(j.status.last(), frmExibeRelatorio::kConvite);
    }

    void paginaPintadaNaDensidadeDaTela() {
        Janela j(1);
        // At twice the pixel density the page is replayed at twice the resolution, not
        // enlarged from a 1x image: its frame line stays one device pixel thin and sharp.
        QImage imagem(j.pagina()->size() * 2, QImage::Format_ARGB32);
        imagem.setDevicePixelRatio(2);
        imagem.fill(Qt::white);
        j.pagina()->render(&imagem);
        const int x = qRound(RolagemRelatorio::mmParaPixels(5) * 2);
        const int y = imagem.height() / 2;
        int escuros = 0;
        for (int dx = -4; dx <= 4; ++dx) {
            escuros += qGray(imagem.pixel(x + dx, y)) < 128 ? 1 : 0;
        }
        QCOMPARE(escuros, 1);
    }
};

QTEST_MAIN(RelatorioTest)
#include "RelatorioTest.moc"
