#include "cli/pdf/ComandoPdf.h"

#include "cli/comandos/ComandoTexto.h"

#include "composer/ComporAnalise.h"
#include "printing/painter/GravacaoPdf.h"
#include "settings/OpcoesMapa.h"
#include "texts/ArquivoInterpretacao.h"

namespace vidalume {

Diagramacao ComandoPdf::configuracaoDaPasta(const Opcoes& o) {
    Diagramacao d;
    d.pastaPrograma = o.pasta;
    d.margens = Margens::le(o.pasta);
    d.pretoEmBranco = !o.colorido;
    d.folhaRosto = o.capa;
    d.configuracao = Configuracao::le(o.pasta);
    d.selecao = d.configuracao.CalculosAtivos;
    d.opcoesMapa = OpcoesMapa::le(o.pasta);
    d.fontes = FontesAnalise::le(o.pasta);
    d.linhas = LinhasRodape::CarregaLinhasRodape(o.pasta);
    d.inicioAnoPessoal = OpcoesMapa::le(o.pasta).inicioAnoPessoal;
    return d;
}

Diagramacao ComandoPdf::diagramacao(const EntradaCli& e, const Opcoes& o) {
    Diagramacao d = configuracaoDaPasta(o);
    d.inicioAnoPessoal = e.inicioAnoPessoal;
    return diagramacao(e, std::move(d));
}

namespace {

// The options of the sections after 28, with the personal-year rule the diagramacao follows.
OpcoesMapa opcoesDe(const Diagramacao& d) {
    OpcoesMapa o = d.opcoesMapa;
    o.inicioAnoPessoal = d.inicioAnoPessoal;
    return o;
}

} // namespace

Diagramacao ComandoPdf::diagramacao(const EntradaCli& e, Diagramacao d) {
    if (e.escola == EscolaCalculo::Cabalistica) {
        return ComandoTexto::mapaCabalistico(e, d.pastaPrograma).diagramacao(std::move(d));
    }
    d.NomeAnalise = e.nomeExibido();
    d.DataNascimento = e.nascimento;
    d.analise = ComporAnalise::compoe(e.nomeExibido(), e.nascimento, e.hoje, e.referencia,
                                      ArquivoInterpretacao(d.pastaPrograma), opcoesDe(d));
    return d;
}

bool ComandoPdf::gera(const EntradaCli& entrada, const QString& arquivo, const Opcoes& opcoes,
                      QString* erro) {
    return GravacaoPdf::grava(arquivo, diagramacao(entrada, opcoes), erro);
}

bool ComandoPdf::gera(const RelatorioComposto& relatorio, const QString& arquivo,
                      const Opcoes& opcoes, QString* erro) {
    return GravacaoPdf::grava(arquivo, relatorio.diagramacao(configuracaoDaPasta(opcoes)), erro);
}

} // namespace vidalume
