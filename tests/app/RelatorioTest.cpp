// The report window: its scroll arithmetic in millimetres, its page store with the scroll
// position remembered per page, and the window's keys and status line.
#include "gui/relatorio/ArmazemPaginas.h"
#include "gui/relatorio/QuadroPagina.h"
#include "gui/relatorio/RolagemRelatorio.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "tests/app/AmbienteTeste.h"

using namespace vidalume;
using namespace vidalume::teste;
using R = RolagemRelatorio;

namespace {

const QSizeF kTela(1600, 1000); // S = 423.28 mm, W = 380.95 mm, TopoFolha = 10.58 mm

constexpr auto mm = &R::pixelsParaMm;

struct Janela {
    QStringList status;
    int sons = 0;
    frmExibeRelatorio janela;

    explicit Janela(int paginas, int figuras = -1)
        : janela(kTela.toSize(),
                 LigacoesRelatorio{[this] { ++sons; }, [this](const QString& s) { status << s; },
                                   [] {}}) {
        janela.definePaginas(
            paginasDeTeste(figuras < 0 ? paginas : figuras, janela.GetLarguraEmMm()));
        janela.resize(800, 600);
        janela.show();
        janela.GravaDados(paginas, 1, {u"ANA LUZ"_s, u"20/08/1978"_s, {}, {}, {}});
        janela.mostrada();
    }
    QWidget* pagina() { return filho(&janela, u"picExibe"_s); }
    QScrollBar* barra(const char* nome) { return filho<QScrollBar>(&janela, QString(nome)); }
    void tecla(QKeyCombination k) { QTest::keyClick(pagina(), k.key(), k.keyboardModifiers()); }
    QString estado() {
        return QString::asprintf("%d %d %d %d", janela.PaginaExibida(), barra("vScroll")->value(),
                                 barra("hScroll")->value(), sons);
    }
};

} // namespace

class RelatorioTest : public QObject {
    Q_OBJECT

private slots:
    void rolagemEArmazemDePosicoes() {
        QCOMPARE(R::inteiro(1e9), 32767);
        // A window of 800 x 600 pixels: 211.64 x 158.73 mm. Vertical maximum 2 x 10.58 + 297 -
        // 158.73 with steps of 8 and 24, horizontal maximum 423.28 x 0.95 - 211.64; every key
        // stops at either end.
        R r(kTela);
        r.redimensiona(mm(800), mm(600));
        struct Passo {
            R::Tecla tecla;
            int vezes, v, h;
        };
        const Passo passos[] = {{R::End, 1, 159, 190},
                                {R::Home, 1, 0, 0},
                                {R::PageDown, 10, 159, 0},
                                {R::Direita, 25, 159, 190}};
        for (const Passo& p : passos) {
            for (int i = 0; i < p.vezes; ++i) {
                r.tecla(p.tecla, false);
            }
            QCOMPARE(QPoint(r.valorH(), r.valorV()), QPoint(p.h, p.v));
        }
        // At the end the page's bottom sits TopoFolha above the window's bottom edge.
        QVERIFY(qAbs(mm(600) - (r.topoPagina() + R::kAlturaPagina) - r.topoFolha()) < 0.5);

        // A window higher than the page moves the page down; one wider than 95 % of the screen
        // hides the horizontal bar and returns to the left.
        r.redimensiona(mm(800), mm(1300));
        r.tecla(R::Abaixo, false);
        QCOMPARE(r.valorV(), -26);
        QVERIFY(r.topoPagina() > r.topoFolha());
        r.redimensiona(mm(1550), mm(600));
        QVERIFY(!r.hVisivel());
        QCOMPARE(r.valorH(), 0);

        // The store keeps each page's position, for as many pages as there are.
        ArmazemPaginas a;
        a.guardaPosicao({5, 5}); // before GravaDados: nowhere to keep it
        a.GravaDados(30, 1, {u"NOME"_s, u"01/02/2003"_s, {}, {}, {}});
        QCOMPARE(a.trocaPagina(29, {3, 80}).v, 0.f); // past the 23 slots of the old store
        const ArmazemPaginas::Posicao p = a.trocaPagina(1, {7, 120});
        QCOMPARE(QPointF(p.h, p.v), QPointF(3, 80));
        QCOMPARE(a.trocaPagina(29, {}).v, 120.f);
        // The screen's pages are not the paper's: the line says both.
        a.definePaginas({{}, 1.0, 14});
        QCOMPARE(a.linhaNavegacao(), u"Navegando: Página 29 de 30 (impressa em A4: 14 páginas)"_s);
    }

    void janelaMostraRolaEViraPaginas() {
        Janela j(3);
        // Each page keeps its scroll position and a page never seen opens at the top; past
        // the last page nothing turns and nothing sounds. States: page, vertical and
        // horizontal values, sounds played.
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const QList<QKeyCombination> teclas = {Qt::Key_Down,         ctrl | Qt::Key_Right,
                                               Qt::Key_PageDown,     ctrl | Qt::Key_Right,
                                               ctrl | Qt::Key_Right, ctrl | Qt::Key_Left};
        QStringList estados;
        for (QKeyCombination tecla : teclas) {
            j.tecla(tecla);
            estados << j.estado();
        }
        QCOMPARE(estados,
                 (QStringList{"1 8 0 1", "2 0 0 2", "2 24 0 2", "3 0 0 3", "3 0 0 3", "2 24 0 4"}));
        QCOMPARE(j.status.last(), u"Navegando: Página 2 de 3"_s);

        // Bars moved by the user move the page and are remembered as well.
        j.barra("vScroll")->setValue(50);
        j.barra("hScroll")->setValue(30);
        const QPoint movida = j.pagina()->pos();
        QVERIFY(movida.x() < 0 && movida.y() < 0);
        j.tecla(ctrl | Qt::Key_Right);
        j.tecla(ctrl | Qt::Key_Left);
        QCOMPARE(j.pagina()->pos(), movida);

        // The window sees the keys whichever of its controls has the focus.
        QTest::keyClick(j.barra("vScroll"), Qt::Key_End);
        QCOMPARE(j.estado(), u"2 159 %1 6"_s.arg(j.janela.rolagem().maximoH()));

        Janela semFigura(3, 2); // the third page has no picture: the second one stays
        semFigura.tecla(Qt::ControlModifier | Qt::Key_Right);
        semFigura.tecla(Qt::ControlModifier | Qt::Key_Right);
        QCOMPARE(semFigura.janela.PaginaExibida(), 3);
        QCOMPARE(semFigura.status.last(), u"Navegando: Página 3 de 3"_s);
        QVERIFY(static_cast<QuadroPagina*>(semFigura.pagina())->temFolha());
    }
};

QTEST_MAIN(RelatorioTest)
#include "RelatorioTest.moc"
