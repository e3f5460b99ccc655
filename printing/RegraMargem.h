// The check of a margin box of the print dialog: each margin may be at most one fifth of
// the printable extent of the printer page in its own direction (left and right against
// the width, top and bottom against the height). A refused value is answered with a
// message and the box gets the last accepted value back; the edit that putting it back
// causes is not checked again, so a stored margin over the limit of a smaller paper shows
// its message once and not endlessly.
#pragma once

#include "settings/Margens.h"

#include <QString>

#include <functional>

namespace vidalume {

class RegraMargem {
public:
    enum class Lado { Superior, Esquerda, Inferior, Direita };
    enum class Decisao {
        Aceita,   // within the limit: the preview may be redrawn
        Recusa,   // over the limit: show mensagem() and put the last accepted value back
        Devolvida // the text the program put back: not checked
    };

    explicit RegraMargem(Lado lado) : lado_(lado) {}

    Lado lado() const { return lado_; }
    // Whether the margin is measured against the printable width (left and right).
    bool horizontal() const { return lado_ == Lado::Esquerda || lado_ == Lado::Direita; }

    // 0.2 x the printable extent, not rounded.
    static double limite(double extensaoMm) { return 0.2 * extensaoMm; }

    // The box's text after an edit, against the printable extent of its direction.
    Decisao confere(const QString& texto, double extensaoMm) const;
    // The refusal's message: the side's sentence, the whole part of the limit and "mm".
    QString mensagem(double extensaoMm) const;
    // Puts `ultimoAceito` back into the box through `poeTexto` (which sets the box's text);
    // every check the edit causes meanwhile answers Devolvida.
    void devolve(float ultimoAceito, const std::function<void(const QString&)>& poeTexto);

    // The field of a margin record that belongs to a side.
    static float& campo(Margens& margens, Lado lado);
    static float campo(const Margens& margens, Lado lado);

private:
    Lado lado_;
    bool devolvendo_ = false;
};

} // namespace vidalume
