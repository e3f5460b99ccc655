#include "gui/relatorio/RolagemRelatorio.h"

#include "gui/relatorio/GeometriaTela.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vidalume {

double RolagemRelatorio::pixelsParaMm(double pixels) {
    return pixels * kTwipsPorPixel / kTwipsPorMm;
}

double RolagemRelatorio::mmParaPixels(double mm) {
    return mm * kTwipsPorMm / kTwipsPorPixel;
}

int RolagemRelatorio::inteiro(double valor) {
    constexpr double minimo = std::numeric_limits<qint16>::min();
    constexpr double maximo = std::numeric_limits<qint16>::max();
    return int(std::nearbyint(std::clamp(valor, minimo, maximo)));
}

RolagemRelatorio::RolagemRelatorio(QSizeF telaPixels)
    : larguraTela_(pixelsParaMm(telaPixels.width())),
      larguraPagina_(GeometriaTela::GetLarguraEmMm(telaPixels.width() * kTwipsPorPixel)),
      topoFolha_(GeometriaTela::TopoFolha(telaPixels.height() * kTwipsPorPixel)),
      esquerdaPagina_(GeometriaTela::EsquerdaFolha(telaPixels.width() * kTwipsPorPixel)) {}

int RolagemRelatorio::limitaV(int valor) const {
    // A negative maximum turns the bar's range around: from the maximum up to 0.
    return std::clamp(valor, std::min(0, maximoV_), std::max(0, maximoV_));
}

void RolagemRelatorio::redimensiona(double largura, double altura) {
    // The page, TopoFolha above it and as much below it, less what the window shows.
    maximoV_ = inteiro(2 * topoFolha_ + kAlturaPagina - altura);
    defineValorV(valorV_);
    ++redimensionamentos_;
    esquerdaPagina_ = larguraPagina_ * 0.04;

    const float larguraUtil = float(larguraTela_ * 0.95);
    if (larguraUtil < largura) {
        // The whole page fits across.
        defineValorH(0);
        hVisivel_ = false;
        maximoH_ = 0;
    } else {
        hVisivel_ = true;
        maximoH_ = inteiro(larguraUtil - largura);
        defineValorH(valorH_);
    }
    pequenaV_ = inteiro(altura * 0.05);
    grandeV_ = inteiro(altura * 0.15);
}

void RolagemRelatorio::mostrada() {
    hVisivel_ = valorH_ != maximoH_;
}

void RolagemRelatorio::defineValorV(int valor) {
    valorV_ = limitaV(valor);
}

void RolagemRelatorio::defineValorH(int valor) {
    const int novo = std::clamp(valor, 0, maximoH_);
    if (novo != valorH_) {
        valorH_ = novo;
        esquerdaPagina_ = topoFolha_ - valorH_;
    }
}

RolagemRelatorio::Acao RolagemRelatorio::tecla(int codigo, bool ctrl) {
    switch (codigo) {
    case PageUp:
        defineValorV(std::max(valorV_ - grandeV_, 0));
        return Acao::Rolou;
    case PageDown:
        defineValorV(std::min(valorV_ + grandeV_, maximoV_));
        return Acao::Rolou;
    case End:
        defineValorV(maximoV_);
        defineValorH(maximoH_);
        return Acao::Rolou;
    case Home:
        defineValorV(0);
        defineValorH(0);
        return Acao::Rolou;
    case Esquerda:
        if (ctrl) {
            return Acao::PaginaAnterior;
        }
        defineValorH(std::max(valorH_ - kGrandeH, 0));
        return Acao::Rolou;
    case Acima:
        defineValorV(std::max(valorV_ - pequenaV_, 0));
        return Acao::Rolou;
    case Direita:
        if (ctrl) {
            return Acao::ProximaPagina;
        }
        defineValorH(std::min(valorH_ + kGrandeH, maximoH_));
        return Acao::Rolou;
    case Abaixo:
        defineValorV(std::min(valorV_ + pequenaV_, maximoV_));
        return Acao::Rolou;
    default:
        return Acao::Nenhuma;
    }
}

} // namespace vidalume
