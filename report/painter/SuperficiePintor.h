// The drawing surface of real fonts and pictures: its drawing goes to a QPainter (the
// printer, a PDF, a preview box) or into the recording of a screen page (see SaidaPintura).
//
// The surface works in millimetres; internally it draws in hundredths of a millimetre, so
// positions come out exact whatever the device and are the same when the drawing is played
// back at any scale.
//
// Text widths are additive: a string is exactly as wide as its characters one by one. Fonts
// are set without kerning, ligatures or hinting, so that Qt draws a string exactly as wide as
// the sum of its characters' advances (scripts that cannot be written without shaping, such
// as Arabic or the Indic ones, are still shaped and may come out a little narrower or wider
// than measured; so are characters outside the basic plane, measured here unit by unit). A
// tab is as wide as Qt makes it at the start of a string, wherever it stands. Each character
// is measured once per face and style, for the whole run; measuring a string is adding up a
// few numbers.
//
// Every font is drawn at kPixelsFonte pixels and scaled to its size: Qt's FreeType engine
// keeps glyph advances and glyph images in its caches only up to that size, and measures and
// draws many times slower above it.
//
// A justified line is drawn as one string with the gap as word spacing: a page then holds one
// text item per line instead of one per word, which is what makes recording and replaying a
// page fast. Since widths add up exactly, every word lands where writing the words one by one
// would put it. A line with a blank other than the space (a tab, say) is written word by word
// instead.
#pragma once

#include "report/SuperficieDesenho.h"
#include "report/painter/FigurasSvg.h"
#include "report/painter/SaidaPintor.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QTransform>

#include <memory>
#include <optional>

class QPainter;

namespace vidalume {

class SuperficiePintor : public SuperficieDesenho {
public:
    static constexpr double kUnidadesPorMm = 100;
    static constexpr int kPixelsFonte = 64;

    // `pintor` must be active on its device and stay so while the surface is used; its
    // transform at this moment, scaled by `dispositivoPorMm` (painter units per millimetre:
    // 1 for a picture recorded in millimetres, resolution / 25.4 for a printer), maps the
    // surface's millimetres. `larguraMm` x `alturaMm` is the size of the surface; `papel` the
    // colour Limpa() paints. Pictures come from `figuras` (none when null).
    SuperficiePintor(QPainter& pintor, double larguraMm, double alturaMm, double dispositivoPorMm,
                     FigurasSvg* figuras, const QColor& papel = Qt::white);
    // A surface whose drawing goes to `saida`, which must outlive it.
    SuperficiePintor(SaidaPintura& saida, double larguraMm, double alturaMm,
                     const QColor& papel = Qt::white);
    ~SuperficiePintor() override;
    SuperficiePintor(const SuperficiePintor&) = delete;
    SuperficiePintor& operator=(const SuperficiePintor&) = delete;

    void EscalaMilimetros() override;
    double LarguraEscala() const override { return largura_; }
    double AlturaEscala() const override { return altura_; }
    double LarguraTexto(const QString& texto) const override;
    double AlturaTexto(const QString& texto) const override;
    qsizetype PrimeiroExcesso(QStringView texto, double largura, qsizetype palpite) const override;
    void Retangulo(double x1, double y1, double x2, double y2) override;
    void Elipse(double x1, double y1, double x2, double y2, double espessura) override;
    void PintaFigura(const Figura& figura, double x, double y, double largura,
                     double altura) override;
    bool EscreveJustificada(const QString& linha, double largura, int lacunas) override;

protected:
    void DesenhaTexto(double x, double y, const QString& texto, double largura) override;
    void ApagaTudo() override;
    void FonteMudou() override;

private:
    struct Metricas;

    static Metricas& metricasDe(const FonteSuperficie& fonte);
    // The font of the current face, style and size; resolved when first needed.
    void resolveFonte() const;
    // Advance of the UTF-16 unit at `i` in pixels of the drawn font, as Qt measures it alone;
    // `i` moves past it.
    double avanco(QStringView texto, qsizetype& i) const;
    // The advance of a character not measured yet or outside Latin-1.
    [[gnu::noinline]] double mede(char16_t c) const;
    double emMm(double pixels) const { return pixels * escala_ / kUnidadesPorMm; }
    void desenhaComoMedido(double x, double y, const QString& texto);
    void desenhaAgora(double x, double y, const QString& texto, const QFont& fonte, double escala,
                      double subida, double espacamento = 0);

    std::unique_ptr<SaidaPintor> propria_; // when drawing on a painter
    SaidaPintura& saida_;
    const double largura_;
    const double altura_;
    const QColor papel_;

    mutable bool fonteValida_ = false;
    mutable Metricas* metricas_ = nullptr; // of the current face and style, shared by all
    mutable QFont fonteQt_;                // the current face and style at kPixelsFonte
    mutable double escala_ = 1;            // hundredths of a millimetre per pixel of fonteQt_
    mutable FonteSuperficie resolvida_;    // what fonteQt_ and escala_ were made for
    mutable std::optional<QFontMetricsF> medidor_;
};

} // namespace vidalume
