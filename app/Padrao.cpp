#include "app/Padrao.h"

namespace vidalume {

void CarregaConfiguracao(Padrao& padrao, const QString& pastaPrograma) {
    padrao.Configuracao = Configuracao::CarregaConfiguracao(pastaPrograma);
    for (int k = 1; k <= Configuracao::kTotalCalculos; ++k) {
        padrao.CalculosSelecionados[k] = padrao.Configuracao.CalculosAtivos[k];
    }
    padrao.OpcoesMapa = OpcoesMapa::le(pastaPrograma);
}

void CarregaConfiguracoes(Padrao& padrao, const QString& pastaPrograma) {
    padrao.FontesAnalise = FontesAnalise::CarregaFontes(pastaPrograma);
    CarregaConfiguracao(padrao, pastaPrograma);
    padrao.LinhasRodape = LinhasRodape::CarregaLinhasRodape(pastaPrograma);
}

Diagramacao Padrao::diagramacao(const QString& pastaPrograma) const {
    Diagramacao d;
    d.NomeAnalise = Pedido.nomeExibido();
    d.DataNascimento = Pedido.DataNascimento;
    d.analise = Analise;
    d.configuracao = Configuracao;
    d.selecao = CalculosSelecionados;
    d.opcoesMapa = OpcoesMapa;
    d.fontes = FontesAnalise;
    d.linhas = LinhasRodape;
    d.pretoEmBranco = vidalume::Configuracao::ligado(Configuracao.PretoEmBranco);
    d.folhaRosto = vidalume::Configuracao::ligado(Configuracao.ImprimirFolhaRosto);
    d.pastaPrograma = pastaPrograma;
    d.inicioAnoPessoal = OpcoesMapa.inicioAnoPessoal;
    return d;
}

bool GravaConfiguracao(Padrao& padrao, const QString& pastaPrograma, QString* erro) {
    for (int k = 1; k <= Configuracao::kTotalCalculos; ++k) {
        padrao.Configuracao.CalculosAtivos[k] = padrao.CalculosSelecionados[k];
    }
    return padrao.Configuracao.GravaConfiguracao(pastaPrograma, erro) &&
           padrao.OpcoesMapa.grava(pastaPrograma, erro);
}

} // namespace vidalume
