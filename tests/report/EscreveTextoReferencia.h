// The text writer measured character by character: after every character the whole line is
// measured again. Kept as the reference the fast writer must match line for line, and for
// the benchmark beside it.
#pragma once

#include "report/SuperficieDesenho.h"

#include <QString>

namespace vidalume {

class EscreveTextoReferencia {
public:
    static bool escreve(SuperficieDesenho& destino, double y, double esquerda, double direita,
                        double limite, QString& textoBloco);
};

} // namespace vidalume
