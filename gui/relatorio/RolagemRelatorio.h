// The geometry and scroll arithmetic of a report window, in millimetres.
//
// Screen and window sizes come in pixels and are converted at 15 twips per pixel and 56.7
// twips per millimetre. S is the screen width in millimetres, W = S x 0.9 the page width and
// TopoFolha = screen height x 0.04 the space above the page. The vertical scroll value v puts
// the page top at TopoFolha - v; a horizontal scroll value h puts the page's left edge at
// TopoFolha - h, while a resize puts it back at W x 0.04. Scroll values are 16-bit integers;
// the vertical maximum is negative when the window is taller than the page and its margins.
#pragma once

#include "gui/comum/Unidades.h"
#include "report/FolhaA4.h"

#include <QSizeF>

namespace vidalume {

class RolagemRelatorio {
public:
    static constexpr double kTwipsPorMm = Unidades::kTwipsPorMm;
    static constexpr double kTwipsPorPixel = Unidades::kTwipsPorPixel;
    static constexpr double kAlturaPagina = FolhaA4::kAltura;
    static constexpr int kPequenaH = 5;
    static constexpr int kGrandeH = 10;

    // The handled keys, by their key codes.
    enum Tecla {
        PageUp = 33,
        PageDown = 34,
        End = 35,
        Home = 36,
        Esquerda = 37,
        Acima = 38,
        Direita = 39,
        Abaixo = 40
    };
    enum class Acao { Nenhuma, Rolou, PaginaAnterior, ProximaPagina };

    static double pixelsParaMm(double pixels);
    static double mmParaPixels(double mm);
    // The nearest integer, halves to the even neighbour, held within 16 bits.
    static int inteiro(double valor);

    explicit RolagemRelatorio(QSizeF telaPixels);

    double larguraTela() const { return larguraTela_; }
    float larguraPagina() const { return larguraPagina_; }
    double topoFolha() const { return topoFolha_; }

    // The window's inner size changed to `largura` x `altura` millimetres.
    void redimensiona(double largura, double altura);
    // The window has been shown: the horizontal bar hides when its value is its maximum.
    void mostrada();

    void defineValorV(int valor);
    void defineValorH(int valor);
    // The effect of a key; page turns are left to the caller.
    Acao tecla(int codigo, bool ctrl);

    int valorV() const { return valorV_; }
    int valorH() const { return valorH_; }
    int maximoV() const { return maximoV_; }
    int maximoH() const { return maximoH_; }
    int pequenaV() const { return pequenaV_; }
    int grandeV() const { return grandeV_; }
    bool hVisivel() const { return hVisivel_; }
    int redimensionamentos() const { return redimensionamentos_; }

    // Where the page's top left corner lies in the window, in millimetres.
    double esquerdaPagina() const { return esquerdaPagina_; }
    double topoPagina() const { return topoFolha_ - valorV_; }

private:
    int limitaV(int valor) const;

    double larguraTela_;
    float larguraPagina_;
    double topoFolha_;
    double esquerdaPagina_;
    int valorV_ = 0;
    int valorH_ = 0;
    int maximoV_ = 0;
    int maximoH_ = 0;
    int pequenaV_ = 0;
    int grandeV_ = 0;
    bool hVisivel_ = true;
    int redimensionamentos_ = 0;
};

} // namespace vidalume
