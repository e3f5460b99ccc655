#include "app/GeometriaPrincipal.h"

#include <algorithm>
#include <cmath>

namespace vidalume {

namespace {

constexpr int kAlturaMenu = 735;
constexpr int kAlturaRodape = 465;
constexpr int kBotaoEsquerda = 45;
constexpr int kBotaoTopo = 45;
constexpr int kBotaoLargura = 645;
constexpr int kBotaoAltura = 600;
constexpr int kBotaoPasso = 720;
constexpr int kMargemFiguras = 2; // pixels above and below the page pictures

} // namespace

int GeometriaPrincipal::alturaBarraFerramentas() {
    return Unidades::pixels(kAlturaMenu);
}

int GeometriaPrincipal::alturaBarraNavegacao() {
    return Unidades::pixels(kAlturaRodape);
}

QRect GeometriaPrincipal::botao(int indice) {
    return QRect(Unidades::pixels(kBotaoEsquerda + indice * kBotaoPasso),
                 Unidades::pixels(kBotaoTopo), Unidades::pixels(kBotaoLargura),
                 Unidades::pixels(kBotaoAltura));
}

GeometriaPrincipal::Navegacao GeometriaPrincipal::navegacao(int larguraExterna, int altura) {
    const double w = double(larguraExterna) * kTwipsPorPixel;
    const int alturaFigura = std::max(0, altura - 2 * kMargemFiguras);
    Navegacao n;
    n.info = QRect(Unidades::pixels(0.1 * w), 0, Unidades::pixels(0.8 * w), altura);
    n.volta =
        QRect(Unidades::pixels(0.01 * w), kMargemFiguras, Unidades::pixels(0.07 * w), alturaFigura);
    n.avanca =
        QRect(Unidades::pixels(0.91 * w), kMargemFiguras, Unidades::pixels(0.07 * w), alturaFigura);
    return n;
}

QList<QRect> GeometriaPrincipal::ladoALado(const QRect& area, int janelas) {
    QList<QRect> retangulos;
    if (janelas <= 0) {
        return retangulos;
    }
    const int colunas = janelas <= 3 ? 1 : int(std::floor(std::sqrt(double(janelas))));
    const int base = janelas / colunas;
    const int sobra = janelas % colunas;
    int esquerda = area.left();
    for (int c = 0; c < colunas; ++c) {
        const int direita = area.left() + (c + 1) * area.width() / colunas;
        // The last columns take one window more when they do not divide evenly.
        const int linhas = base + (c >= colunas - sobra ? 1 : 0);
        int topo = area.top();
        for (int l = 0; l < linhas; ++l) {
            const int baixo = area.top() + (l + 1) * area.height() / linhas;
            retangulos << QRect(esquerda, topo, direita - esquerda, baixo - topo);
            topo = baixo;
        }
        esquerda = direita;
    }
    return retangulos;
}

QList<QRect> GeometriaPrincipal::cascata(const QRect& area, int janelas, int passo) {
    QList<QRect> retangulos;
    const QSize tamanho(area.width() * 3 / 4, area.height() * 3 / 4);
    // Windows that would leave the area start again from its top left corner.
    const int folga = std::min(area.width() - tamanho.width(), area.height() - tamanho.height());
    const int degraus = passo > 0 ? std::max(1, folga / passo + 1) : 1;
    for (int i = 0; i < janelas; ++i) {
        const int deslocamento = (i % degraus) * passo;
        retangulos << QRect(area.topLeft() + QPoint(deslocamento, deslocamento), tamanho);
    }
    return retangulos;
}

} // namespace vidalume
