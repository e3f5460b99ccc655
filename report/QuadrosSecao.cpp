#include "report/QuadrosSecao.h"

#include "report/QuadroArcanos.h"
#include "report/QuadroInclusao.h"
#include "report/QuadroLetras.h"
#include "report/QuadroLinhaVida.h"
#include "report/QuadroPiramide.h"
#include "report/QuadroTabela.h"

namespace vidalume {

double QuadrosSecao::altura(const QuadroSecao& q, const SuperficieDesenho& s, double largura) {
    switch (q.tipo) {
    case QuadroSecao::Tipo::Letras:
        return QuadroLetras(q.letras, q.totais, q.parte.primeiraLinha, q.parte.ultimaLinha)
            .altura(s, largura);
    case QuadroSecao::Tipo::Inclusao:
        return QuadroInclusao(q.inclusao, q.legenda).altura(s, largura);
    case QuadroSecao::Tipo::LinhaVida:
        return QuadroLinhaVida(q.linhaVida, QStringLiteral("Idade na data das previsões"),
                               q.periodosNumerados)
            .altura(s, largura);
    case QuadroSecao::Tipo::Piramide:
        return QuadroPiramide(q.triangulo, q.letrasBase, q.parte).altura(s, largura);
    case QuadroSecao::Tipo::Arcanos:
        return QuadroArcanos(q.periodos).altura(s, largura);
    case QuadroSecao::Tipo::Tabela:
        return QuadroTabela(q).altura(s, largura);
    case QuadroSecao::Tipo::Nenhum:
        break;
    }
    return 0;
}

QList<QuadroSecao> QuadrosSecao::partes(const QuadroSecao& q, const SuperficieDesenho& s,
                                        double largura, double alturaMaxima) {
    if (q.tipo != QuadroSecao::Tipo::Letras || altura(q, s, largura) <= alturaMaxima) {
        return {q};
    }
    QList<QuadroSecao> resultado;
    for (const auto& [primeira, ultima] :
         QuadroLetras(q.letras, q.totais).faixas(s, largura, alturaMaxima)) {
        QuadroSecao parte = q;
        parte.parte.primeiraLinha = primeira;
        parte.parte.ultimaLinha = ultima;
        resultado.append(std::move(parte));
    }
    return resultado;
}

void QuadrosSecao::desenha(const QuadroSecao& q, SuperficieDesenho& s, double x, double yTopo,
                           double largura) {
    switch (q.tipo) {
    case QuadroSecao::Tipo::Letras:
        QuadroLetras(q.letras, q.totais, q.parte.primeiraLinha, q.parte.ultimaLinha)
            .desenha(s, x, yTopo, largura);
        break;
    case QuadroSecao::Tipo::Inclusao:
        QuadroInclusao(q.inclusao, q.legenda).desenha(s, x, yTopo, largura);
        break;
    case QuadroSecao::Tipo::LinhaVida:
        QuadroLinhaVida(q.linhaVida, QStringLiteral("Idade na data das previsões"),
                        q.periodosNumerados)
            .desenha(s, x, yTopo, largura);
        break;
    case QuadroSecao::Tipo::Piramide:
        QuadroPiramide(q.triangulo, q.letrasBase, q.parte).desenha(s, x, yTopo, largura);
        break;
    case QuadroSecao::Tipo::Arcanos:
        QuadroArcanos(q.periodos).desenha(s, x, yTopo, largura);
        break;
    case QuadroSecao::Tipo::Tabela:
        QuadroTabela(q).desenha(s, x, yTopo, largura);
        break;
    case QuadroSecao::Tipo::Nenhum:
        break;
    }
}

} // namespace vidalume
