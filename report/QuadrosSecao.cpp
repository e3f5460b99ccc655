#include "report/QuadrosSecao.h"

#include "report/QuadroInclusao.h"
#include "report/QuadroLetras.h"

namespace vidalume {

// The line of life draws no picture yet: the section shows its title and explanation.
double QuadrosSecao::altura(const QuadroSecao& q, const SuperficieDesenho& s, double largura) {
    switch (q.tipo) {
    case QuadroSecao::Tipo::Letras:
        return QuadroLetras(q.letras, q.totais).altura(s, largura);
    case QuadroSecao::Tipo::Inclusao:
        return QuadroInclusao(q.inclusao, q.legenda).altura(s, largura);
    case QuadroSecao::Tipo::LinhaVida:
    case QuadroSecao::Tipo::Nenhum:
        break;
    }
    return 0;
}

void QuadrosSecao::desenha(const QuadroSecao& q, SuperficieDesenho& s, double x, double yTopo,
                           double largura) {
    switch (q.tipo) {
    case QuadroSecao::Tipo::Letras:
        QuadroLetras(q.letras, q.totais).desenha(s, x, yTopo, largura);
        break;
    case QuadroSecao::Tipo::Inclusao:
        QuadroInclusao(q.inclusao, q.legenda).desenha(s, x, yTopo, largura);
        break;
    case QuadroSecao::Tipo::LinhaVida:
    case QuadroSecao::Tipo::Nenhum:
        break;
    }
}

} // namespace vidalume
