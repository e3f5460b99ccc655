#include "report/EstadoSuperficie.h"

namespace vidalume {

EstadoSuperficie::EstadoSuperficie(SuperficieDesenho& s)
    : s_(s), fonte_(s.fonte()), cor_(s.CorFrente()), x_(s.X()), y_(s.Y()) {}

EstadoSuperficie::~EstadoSuperficie() {
    s_.DefineNomeFonte(fonte_.nome);
    s_.DefineTamanhoFonte(fonte_.tamanho);
    s_.DefineNegrito(fonte_.negrito);
    s_.DefineItalico(fonte_.italico);
    s_.DefineCorFrente(cor_);
    s_.DefineX(x_);
    s_.DefineY(y_);
}

void EstadoSuperficie::escreveEm(SuperficieDesenho& s, double x, double y, const QString& texto) {
    s.DefineX(x);
    s.DefineY(y);
    s.Escreve(texto);
}

} // namespace vidalume
