#include "composer/RelatorioComposto.h"

#include "composer/PartesSecao.h"
#include "composer/TextoExportacao.h"

namespace vidalume {

Configuracao RelatorioComposto::configuracao(Configuracao c) {
    c.ImprimirDescricao = Configuracao::flag(true);
    c.ImprimirNumero = Configuracao::flag(false);
    return c;
}

Configuracao RelatorioComposto::comoComposto(Configuracao c) const {
    if (explicacoesSempre) {
        return configuracao(c);
    }
    c.ImprimirNumero = Configuracao::flag(false);
    return c;
}

RelatorioComposto RelatorioComposto::de(const PrevisoesAno& previsoes) {
    RelatorioComposto r;
    r.tipo = TipoRelatorio::Previsoes;
    r.NomeAnalise = previsoes.NomeAnalise;
    r.DataNascimento = previsoes.DataNascimento;
    r.previsoes = previsoes;
    return r;
}

Diagramacao RelatorioComposto::diagramacao(Diagramacao base) const {
    if (previsoes) {
        return previsoes->diagramacao(std::move(base));
    }
    base.tipo = tipo;
    base.NomeAnalise = NomeAnalise;
    base.DataNascimento = DataNascimento;
    base.escola = escola;
    base.analise = analise;
    base.selecao = selecao;
    base.opcoesMapa = alemDaSelecao;
    base.configuracao = comoComposto(base.configuracao);
    base.estudoNomes.reset();
    base.previsoes.reset();
    return base;
}

QString RelatorioComposto::texto(const Configuracao& base) const {
    if (previsoes) {
        return previsoes->texto();
    }
    return TextoExportacao::monta(analise, comoComposto(base), selecao, alemDaSelecao);
}

} // namespace vidalume
