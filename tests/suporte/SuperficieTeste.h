// A deterministic drawing surface for tests, fuzzers and benchmarks: every character is
// equally wide and every line equally high for a given font size, so positions can be
// checked to the hundredth of a millimetre. It draws nothing; it records every string,
// rectangle and picture with where and how it was drawn.
#pragma once

#include "report/SuperficieDesenho.h"

#include <QList>

namespace vidalume {

class SuperficieTeste : public SuperficieDesenho {
public:
    struct TextoDesenhado {
        QString texto;
        double x = 0;
        double y = 0;
        FonteSuperficie fonte;
        quint32 cor = kPreto;
    };
    struct RetanguloDesenhado {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        quint32 cor = kPreto;
    };
    struct FiguraDesenhada {
        Figura figura;
        double x = 0, y = 0, largura = 0, altura = 0;
    };

    // A character is `larguraPorPonto` x size wide and a line `alturaPorPonto` x size high
    // (millimetres per point of font size).
    explicit SuperficieTeste(double largura = 210, double altura = 297,
                             double larguraPorPonto = 0.2, double alturaPorPonto = 0.4);

    void EscalaMilimetros() override { ++escalas_; }
    double LarguraEscala() const override { return largura_; }
    double AlturaEscala() const override { return altura_; }
    double LarguraTexto(const QString& texto) const override;
    double AlturaTexto(const QString& texto) const override;
    void Retangulo(double x1, double y1, double x2, double y2) override;
    void Elipse(double x1, double y1, double x2, double y2, double espessura) override;
    void PintaFigura(const Figura& figura, double x, double y, double largura,
                     double altura) override;

    const QList<TextoDesenhado>& textos() const { return textos_; }
    const QList<RetanguloDesenhado>& retangulos() const { return retangulos_; }
    const QList<FiguraDesenhada>& figuras() const { return figuras_; }
    const QList<RetanguloDesenhado>& elipses() const { return elipses_; }
    int limpezas() const { return limpezas_; }
    int escalas() const { return escalas_; }
    long long medicoes() const { return medicoes_; } // calls of LarguraTexto
    double larguraCaractere() const { return larguraPorPonto_ * TamanhoFonte(); }

protected:
    void DesenhaTexto(double x, double y, const QString& texto, double largura) override;
    void ApagaTudo() override;

private:
    double largura_;
    double altura_;
    double larguraPorPonto_;
    double alturaPorPonto_;
    QList<TextoDesenhado> textos_;
    QList<RetanguloDesenhado> retangulos_;
    QList<FiguraDesenhada> figuras_;
    QList<RetanguloDesenhado> elipses_; // the rectangles the ellipses are inscribed in
    int limpezas_ = 0;
    int escalas_ = 0;
    mutable long long medicoes_ = 0;
};

} // namespace vidalume
