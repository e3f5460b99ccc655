#include "cli/pdf/ComandoPdf.h"

#include "printing/painter/GravacaoPdf.h"

namespace vidalume {

PedidoImpressao ComandoPdf::pedido(const EntradaCli& e, const Opcoes& o) {
    PedidoImpressao p;
    p.pastaPrograma = o.pasta;
    p.NomeAnalise = e.nome;
    p.DataNascimento = e.nascimento;
    p.hoje = e.hoje;
    p.referencia = e.referencia;
    p.margens = Margens::le(o.pasta);
    p.pretoEmBranco = !o.colorido;
    p.folhaRosto = o.capa;
    p.configuracao = Configuracao::le(o.pasta);
    p.selecao = p.configuracao.CalculosAtivos;
    p.fontes = FontesAnalise::le(o.pasta);
    p.linhas = LinhasRodape::CarregaLinhasRodape(o.pasta);
    return p;
}

QString ComandoPdf::gera(const EntradaCli& entrada, const QString& arquivo, const Opcoes& opcoes) {
    return GravacaoPdf::grava(arquivo, pedido(entrada, opcoes));
}

} // namespace vidalume
