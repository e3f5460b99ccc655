// The screen pages of a real analysis: page 1 rendered to an image (saved
// as pagina1.png beside the test for a look).
#include "report/painter/LayoutTela.h"
#include "composer/ComporAnalise.h"
#include "report/painter/FigurasSvg.h"
#include "texts/ArquivoInterpretacao.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace vidalume {
namespace {

QList<PaginaGravada> paginas(double largura) {
    const QString nome = QStringLiteral("MARIA DA SILVA"), data = QStringLiteral("29/11/1978");
    Diagramacao d;
    d.NomeAnalise = nome;
    d.DataNascimento = data;
    d.analise = ComporAnalise::compoe(nome, data, QDate(2024, 6, 1),
                                      ArquivoInterpretacao(QStringLiteral(VIDALUME_DADOS_TESTE)));
    d.pastaPrograma = QStringLiteral(VIDALUME_PASTA_DADOS);
    return LayoutTela::ImprimirAnaliseNoMonitor(d, largura);
}

// (The size of the recorded pages is measured in the layout benchmark.)
TEST(LayoutTelaTest, PageOneWithinItsColumn) {
    constexpr double kPx = 6; // pixels per millimetre
    QImage img(210 * kPx, 297 * kPx, QImage::Format_ARGB32);
    img.fill(Qt::white);
    {
        QPainter pintor(&img);
        LayoutTela::pinta(pintor, paginas(210).first(), kPx);
    }
    img.save(QStringLiteral(VIDALUME_SAIDA_TESTE "/pagina1.png"));
    const auto cinza = [&](double x, double y) { return qGray(img.pixel(x * kPx, y * kPx)); };
    // The text stays within its column, stretched lines ending at its right edge.
    double esquerda = 210, direita = 0;
    for (double y = 31; y < 278; y += 1 / kPx) {
        for (double x = 0; x < 210; x += 1 / kPx) {
            if (cinza(x, y) < 128) {
                esquerda = std::min(esquerda, x);
                direita = std::max(direita, x);
            }
        }
    }
    EXPECT_GE(esquerda, 11.5);
    EXPECT_TRUE(direita >= 197 && direita <= 198.8) << direita;
}

// On screen a picture is drawn from pixels it rendered before; they must be the pixels the
// vector drawing gives at that size and position within a pixel, at any pixel ratio.
TEST(LayoutTelaTest, PicturesFromTheirPixelsLookAsDrawnFromTheirCurves) {
    FigurasSvg figuras(QStringLiteral(VIDALUME_PASTA_DADOS "/imagens"));
    QSvgRenderer vetor(QStringLiteral(VIDALUME_PASTA_DADOS "/imagens/divisoria.svg"));
    for (const qreal razao : {1.0, 2.0}) {
        for (const QRectF onde : {QRectF(3.3, 7.55, 180.2, 9.1), QRectF(10, 20, 60.5, 31.25)}) {
            QImage guardada(200 * razao, 60 * razao, QImage::Format_ARGB32_Premultiplied);
            QImage direta = guardada;
            for (QImage* i : {&guardada, &direta}) {
                i->setDevicePixelRatio(razao);
                i->fill(Qt::white);
            }
            for (int vez = 0; vez < 2; ++vez) { // rendered, then from the kept pixels
                guardada.fill(Qt::white);
                QPainter p(&guardada);
                p.setRenderHint(QPainter::Antialiasing);
                figuras.desenha(p, Figura::divisoria(), onde);
            }
            {
                QPainter p(&direta);
                p.setRenderHint(QPainter::Antialiasing);
                vetor.render(&p, onde);
            }
            int diferentes = 0, tinta = 0;
            for (int y = 0; y < direta.height(); ++y) {
                for (int x = 0; x < direta.width(); ++x) {
                    const QRgb a = guardada.pixel(x, y), b = direta.pixel(x, y);
                    tinta += qGray(b) < 250;
                    diferentes += std::abs(qGray(a) - qGray(b)) > 24;
                }
            }
            EXPECT_GT(tinta, 100 * razao);
            EXPECT_LT(diferentes, tinta / 50 + 2) << razao << " " << onde.x();
        }
    }
}

} // namespace
} // namespace vidalume
