// The report window renders the page shown and its neighbours while idle, within its memory
// allowance, and paints from those images exactly what replaying the page would paint.
#include "QuadroPagina.h"
#include "frmExibeRelatorio.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>

namespace vidalume {
namespace {

// Pages with a frame one device pixel thin at any density, a line of text and a bar,
// recorded in millimetres.
PaginasProntas paginas(int total, double larguraMm) {
    PaginasProntas prontas;
    for (int n = 1; n <= total; ++n) {
        QPicture folha;
        QPainter pintor(&folha);
        pintor.setRenderHint(QPainter::Antialiasing, false);
        pintor.setPen(QPen(Qt::black, 0));
        pintor.drawRect(QRectF(5, 5, larguraMm - 10, 287));
        pintor.setRenderHint(QPainter::Antialiasing, true);
        QFont fonte(QStringLiteral("Liberation Serif"));
        fonte.setPixelSize(8);
        pintor.setFont(fonte);
        pintor.drawText(QPointF(20, 40), QStringLiteral("Página %1 — Análise Numerológica").arg(n));
        pintor.fillRect(QRectF(20, 60 + n, 30, 1), QColor(184, 145, 58));
        pintor.end();
        prontas.paginas << folha;
    }
    return prontas;
}

struct Janela {
    frmExibeRelatorio janela;

    Janela(int total, QSize tela = QSize(1280, 800)) : janela(tela, LigacoesRelatorio{}) {
        janela.definePaginas(paginas(total, janela.GetLarguraEmMm()));
        janela.resize(900, 650);
        janela.show();
        janela.GravaDados(total, 1, QStringLiteral("20/08/1978"), QStringLiteral("ANA LUZ"));
        janela.mostrada();
    }
    void ociosa() {
        while (janela.preparandoPaginas()) {
            QCoreApplication::processEvents();
        }
    }
    QuadroPagina* pagina() { return janela.findChild<QuadroPagina*>(QStringLiteral("picExibe")); }
    QImage pintura() {
        QImage imagem(pagina()->size(), QImage::Format_RGB32);
        pagina()->render(&imagem);
        return imagem;
    }
};

TEST(ImagensPaginasTest, PageShownAndItsNeighboursAreRenderedWhileIdle) {
    Janela j(5);
    j.ociosa();
    EXPECT_EQ(j.janela.paginasProntas(), QList<int>({1, 2}));
    EXPECT_TRUE(j.pagina()->temImagem());
    j.janela.ExibePagina(2);
    EXPECT_TRUE(j.pagina()->temImagem()); // rendered while page 1 was shown
    j.ociosa();
    EXPECT_EQ(j.janela.paginasProntas(), QList<int>({1, 2, 3}));
    j.janela.ExibePagina(3);
    EXPECT_TRUE(j.pagina()->temImagem());
    j.ociosa();
    EXPECT_EQ(j.janela.paginasProntas(), QList<int>({2, 3, 4}));
    j.janela.ExibePagina(5);
    EXPECT_FALSE(j.pagina()->temImagem());
    j.ociosa();
    EXPECT_EQ(j.janela.paginasProntas(), QList<int>({4, 5}));
}

TEST(ImagensPaginasTest, PaintingFromTheImageEqualsReplayingThePage) {
    Janela pronta(3);
    pronta.ociosa();
    for (int p : {1, 2}) {
        pronta.janela.ExibePagina(p);
        ASSERT_TRUE(pronta.pagina()->temImagem());
        Janela direta(3); // never idle: it replays its pages
        direta.janela.ExibePagina(p);
        ASSERT_FALSE(direta.pagina()->temImagem());
        EXPECT_EQ(pronta.pintura(), direta.pintura()) << p;
    }
}

TEST(ImagensPaginasTest, ImageOfAnotherDensityOrColourIsNotUsed) {
    Janela j(2);
    j.ociosa();
    ASSERT_TRUE(j.pagina()->temImagem());
    // Twice the density: the page is replayed, its frame one device pixel thin (the image,
    // enlarged, would make it two).
    QImage dupla(j.pagina()->size() * 2, QImage::Format_RGB32);
    dupla.setDevicePixelRatio(2);
    j.pagina()->render(&dupla);
    const int x = qRound(5 * 56.7 / 15 * 2), y = dupla.height() / 2;
    int escuros = 0;
    for (int dx = -4; dx <= 4; ++dx) {
        escuros += qGray(dupla.pixel(x + dx, y)) < 128;
    }
    EXPECT_EQ(escuros, 1);
    // Other colours: the old images go, new ones come.
    QPalette cores = j.pagina()->palette();
    cores.setColor(QPalette::Base, QColor(250, 240, 200));
    j.pagina()->setPalette(cores);
    EXPECT_EQ(j.pintura().pixel(40, 400), QColor(250, 240, 200).rgb());
    j.ociosa();
    EXPECT_TRUE(j.pagina()->temImagem());
    EXPECT_EQ(j.pintura().pixel(40, 400), QColor(250, 240, 200).rgb());
    j.janela.ExibePagina(2);
    EXPECT_TRUE(j.pagina()->temImagem());
    EXPECT_EQ(j.pintura().pixel(40, 400), QColor(250, 240, 200).rgb());
}

TEST(ImagensPaginasTest, PagesTooLargeForTheAllowanceAreNotKept) {
    // A page of 8000-pixel screens is about 7200 x 1123 pixels: 32 MB.
    Janela j(3, QSize(8000, 4500));
    const QSize pixels = j.pagina()->size();
    ASSERT_GT(qint64(pixels.width()) * pixels.height() * 4, frmExibeRelatorio::kMemoriaImagens);
    j.ociosa();
    EXPECT_TRUE(j.janela.paginasProntas().isEmpty());
    EXPECT_FALSE(j.pagina()->temImagem());
}

} // namespace
} // namespace vidalume

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
