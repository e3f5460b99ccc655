// The drawing surface every page drawing works on: a page picture, the printer or a preview
// box. All positions and sizes are millimetres from the top-left corner of the surface;
// font sizes are points.
//
// The surface keeps a current position (the top-left corner of the next string), a current
// font and a fore colour. Text is drawn in the fore colour at the current position; filled
// rectangles are painted in it too.
#pragma once

#include "report/Figura.h"

#include <QString>

namespace vidalume {

struct FonteSuperficie {
    QString nome = QStringLiteral("Times New Roman");
    double tamanho = 12; // points
    bool negrito = false;
    bool italico = false;

    bool operator==(const FonteSuperficie&) const = default;
};

class SuperficieDesenho {
public:
    static constexpr quint32 kPreto = 0xFF000000;

    virtual ~SuperficieDesenho() = default;

    // Puts the surface's scale back to millimetres with the origin at its top-left corner.
    virtual void EscalaMilimetros() = 0;
    // The size of the surface in its scale.
    virtual double LarguraEscala() const = 0;
    virtual double AlturaEscala() const = 0;

    // Width of a string in the current font; the empty string is 0 wide.
    virtual double LarguraTexto(const QString& texto) const = 0;
    // The smallest count n (1 to texto.size()) of leading characters of `texto` that are
    // wider than `largura`, or 0 when the whole text fits: what measuring every beginning of
    // the text with LarguraTexto in turn would find. This version measures a few beginnings
    // only, searching outwards from `palpite` and then bisecting, and finds the same as long
    // as a string is never narrower than its beginning. Surfaces that add widths up
    // character by character answer exactly in one pass.
    virtual qsizetype PrimeiroExcesso(QStringView texto, double largura, qsizetype palpite) const;
    // Height of one line of text in the current font; the same for any one-line string.
    virtual double AlturaTexto(const QString& texto) const = 0;

    double X() const { return x_; }
    double Y() const { return y_; }
    void DefineX(double x) { x_ = x; }
    void DefineY(double y) { y_ = y; }

    // Draws the string with its top-left corner at the current position. X moves to the end
    // of the string; Y does not change (no new line).
    void Escreve(const QString& texto);
    // Draws a justified line `largura` wide at the current position in one go, its `lacunas`
    // spaces each widened by acrescimo = (largura - LarguraTexto(linha)) / lacunas: what
    // writing its pieces one by one would draw (each word with the space after it, then the
    // last word; the first at X, each next one LarguraTexto(previous piece) + acrescimo further
    // right). Neither X nor Y changes. A surface that cannot draw such a line as a whole draws
    // nothing and returns false: the caller then writes it piece by piece.
    virtual bool EscreveJustificada(const QString& linha, double largura, int lacunas) {
        return false;
    }
    // Draws the string like Escreve, then moves to the start of the next line: X = 0 and Y
    // one line height lower.
    void EscreveLinha(const QString& texto);

    const FonteSuperficie& fonte() const { return fonte_; }
    const QString& NomeFonte() const { return fonte_.nome; }
    double TamanhoFonte() const { return fonte_.tamanho; }
    bool Negrito() const { return fonte_.negrito; }
    bool Italico() const { return fonte_.italico; }
    void DefineNomeFonte(const QString& nome);
    void DefineTamanhoFonte(double pontos);
    void DefineNegrito(bool negrito);
    void DefineItalico(bool italico);

    // Fore colour as 0xAARRGGBB.
    quint32 CorFrente() const { return cor_; }
    void DefineCorFrente(quint32 argb);

    // Erases everything drawn and puts the current position back to (0, 0).
    void Limpa();
    // Fills the rectangle between the corners (x1, y1) and (x2, y2) in the fore colour.
    virtual void Retangulo(double x1, double y1, double x2, double y2) = 0;
    // Outlines the ellipse inscribed in the rectangle between the corners (x1, y1) and
    // (x2, y2) in the fore colour, with a line `espessura` millimetres thick; nothing inside
    // it is covered.
    virtual void Elipse(double x1, double y1, double x2, double y2, double espessura) = 0;
    // Paints the picture stretched into the rectangle at (x, y) of the given size. A picture
    // the surface cannot find is left out.
    virtual void PintaFigura(const Figura& figura, double x, double y, double largura,
                             double altura) = 0;

protected:
    // Draws the string with its top-left corner at (x, y); `largura` is what LarguraTexto
    // gives for it.
    virtual void DesenhaTexto(double x, double y, const QString& texto, double largura) = 0;
    virtual void ApagaTudo() = 0;
    // Called after every change of the font or of the fore colour.
    virtual void FonteMudou() {}
    virtual void CorMudou() {}

private:
    double x_ = 0;
    double y_ = 0;
    FonteSuperficie fonte_;
    quint32 cor_ = kPreto;
};

} // namespace vidalume
