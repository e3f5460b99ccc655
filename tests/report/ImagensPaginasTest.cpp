// The report window renders the page shown and its neighbours while idle, within its memory
// allowance, and paints from those images exactly what replaying the page would paint.
#include "gui/relatorio/QuadroPagina.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "tests/app/AmbienteTeste.h"

#include <gtest/gtest.h>

namespace vidalume {
namespace {

struct Janela {
    frmExibeRelatorio janela;

    Janela(int total, QSize tela = QSize(1280, 800)) : janela(tela, LigacoesRelatorio{}) {
        janela.definePaginas(teste::paginasDeTeste(total, janela.GetLarguraEmMm()));
        janela.resize(900, 650);
        janela.show();
        janela.GravaDados(total, 1,
                          {QStringLiteral("ANA LUZ"), QStringLiteral("20/08/1978"), {}, {}, {}});
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
    // Page shown, whether it is painted from an image at once, the images kept once idle.
    const std::tuple<int, bool, QList<int>> passos[] = {
        {1, false, {1, 2}}, {2, true, {1, 2, 3}}, {3, true, {2, 3, 4}}, {5, false, {4, 5}}};
    for (const auto& [pagina, pronta, depois] : passos) {
        j.janela.ExibePagina(pagina);
        if (pagina > 1) {
            EXPECT_EQ(j.pagina()->temImagem(), pronta) << pagina;
        }
        j.ociosa();
        EXPECT_TRUE(j.pagina()->temImagem()) << pagina;
        EXPECT_EQ(j.janela.paginasProntas(), depois) << pagina;
    }
}

TEST(ImagensPaginasTest, ImageIsUsedOnlyWhereItPaintsWhatReplayingWould) {
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

    // Other colours: the old images go, new ones come.
    QuadroPagina* quadro = pronta.pagina();
    QPalette cores = quadro->palette();
    cores.setColor(QPalette::Base, QColor(250, 240, 200));
    quadro->setPalette(cores);
    EXPECT_EQ(pronta.pintura().pixel(40, 400), QColor(250, 240, 200).rgb());
    pronta.ociosa();
    pronta.janela.ExibePagina(1);
    EXPECT_TRUE(quadro->temImagem());
    EXPECT_EQ(pronta.pintura().pixel(40, 400), QColor(250, 240, 200).rgb());
}

TEST(ImagensPaginasTest, PagesTooLargeForTheAllowanceAreNotKept) {
    // A page of 8000-pixel screens is about 7200 x 1123 pixels: 32 MB.
    Janela j(3, QSize(8000, 4500));
    const QSize pixels = j.pagina()->size();
    ASSERT_GT(qint64(pixels.width()) * pixels.height() * 4, frmExibeRelatorio::kMemoriaImagens);
    j.ociosa();
    EXPECT_TRUE(j.janela.paginasProntas().isEmpty());
}

} // namespace
} // namespace vidalume
