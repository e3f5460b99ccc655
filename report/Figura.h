// The pictures a page can show, named without any image type so that the layout code needs
// no graphics library: the twelve sign pictures, the cover, the border and the divider.
#pragma once

#include <QString>

namespace vidalume {

struct Figura {
    enum class Tipo { Signo, Capa, Borda, Divisoria };

    Tipo tipo = Tipo::Divisoria;
    int signo = 0; // 1 to 12 for Tipo::Signo, see SignoDoNascimento

    static Figura doSigno(int indice) { return {Tipo::Signo, indice}; }
    static Figura capa() { return {Tipo::Capa, 0}; }
    static Figura borda() { return {Tipo::Borda, 0}; }
    static Figura divisoria() { return {Tipo::Divisoria, 0}; }

    // The folder of the pictures inside the program's read-only folder (PastaDados::recursos).
    static inline const QString kPasta = QStringLiteral("imagens");

    // The picture's file in the folder kPasta: "signo01.svg" to
    // "signo12.svg", "capa.svg", "borda.svg", "divisoria.svg"; empty for a sign outside
    // 1 to 12.
    QString nomeArquivo() const;

    bool operator==(const Figura&) const = default;
};

} // namespace vidalume
