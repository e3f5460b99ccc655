// The four print margins in millimetres and their file "margens.dat".
//
// Record layout: one 168-byte record of which only bytes 0-15 carry meaning: four
// little-endian IEEE-754 float32 values, MargemEsquerda, MargemSuperior, MargemDireita,
// MargemInferior. Bytes after them are kept as they are when the margins are written.
#pragma once

#include <QString>

namespace vidalume {

struct Margens {
    static constexpr int kTamanhoUsado = 16;
    static constexpr float kPadrao = 10.0f;
    // The largest margins a file may give, half the A4 sheet each way: no page the program
    // lays out has room past them. Margins below them that leave no text column are refused
    // when printing; the print dialog checks its own, smaller limit against the paper.
    static constexpr float kMaiorHorizontal = 105.0f; // left and right
    static constexpr float kMaiorVertical = 148.5f;   // top and bottom
    static inline const QString kArquivo = QStringLiteral("margens.dat");

    float MargemEsquerda = 0;
    float MargemSuperior = 0;
    float MargemDireita = 0;
    float MargemInferior = 0;

    static Margens padrao() { return {kPadrao, kPadrao, kPadrao, kPadrao}; }
    static Margens tela() { return {10, 5, 10, 5}; } // the fixed margins of screen pages

    // The file's margins; each field that is missing or not a finite number takes the
    // default 10 mm, and one below 0 or past its largest value above is held to that
    // bound, so a damaged file never puts text off the page. `ajustadas`, when given, says
    // whether a stored value was replaced so. Never writes.
    static Margens le(const QString& pasta, bool* ajustadas = nullptr);
    // As le(), first creating the file with the defaults when it is missing or empty.
    static Margens CarregaMargens(const QString& pasta);
    bool GravaMargens(const QString& pasta, QString* erro = nullptr) const;

    // A margin box's text: the float's shortest decimal form (10, 12.5).
    static QString texto(float valor);

    bool operator==(const Margens&) const = default;
};

} // namespace vidalume
