#include "composer/RelatorioComposto.h"

#include "composer/PartesSecao.h"
#include "composer/TextoExportacao.h"

namespace vidalume {

Configuracao RelatorioComposto::configuracao(Configuracao c) {
    c.ImprimirDescricao = Configuracao::flag(true);
    c.ImprimirNumero = Configuracao::flag(false);
    return c;
}

Diagramacao RelatorioComposto::diagramacao(Diagramacao base) const {
    base.NomeAnalise = NomeAnalise;
    base.DataNascimento = DataNascimento;
    base.analise = analise;
    base.selecao = selecao;
    base.opcoesMapa = PartesSecao::semSecoesMapa();
    base.configuracao = configuracao(base.configuracao);
    base.estudoNomes.reset();
    return base;
}

QString RelatorioComposto::texto(const Configuracao& base) const {
    return TextoExportacao::monta(analise, configuracao(base), selecao,
                                  PartesSecao::semSecoesMapa());
}

} // namespace vidalume
