#include "app/ComandosPrevisoes.h"

#include "app/Ocupado.h"
#include "composer/PrevisoesAno.h"
#include "composer/RelatorioComposto.h"
#include "engine/EntradaDados.h"
#include "gui/estudos/frmPrevisoes.h"
#include "texts/ArquivoInterpretacao.h"

namespace vidalume {

void ComandosPrevisoes::abre(const QIcon& icone) {
    AnalisePedida pessoa = c_.padrao().Pedido;
    if (const frmExibeRelatorio* ativo = relatorios_.ativo()) {
        ativo->AjustaDadosNaMemoria(pessoa);
    }
    if (pessoa.NomeAnalise == EntradaDados::kMarcadorCancelado) {
        pessoa.NomeAnalise.clear();
    }
    abre(pessoa, icone);
}

void ComandosPrevisoes::abre(const AnalisePedida& pessoa, const QIcon& icone) {
    Padrao& p = c_.padrao();
    const QDate referencia = pessoa.dataPrevisoes(c_.hoje());
    const InicioAnoPessoal regra = p.OpcoesMapa.inicioAnoPessoal;
    frmPrevisoes dialogo(pessoa.nomeExibido(), pessoa.DataNascimento, referencia.year(), regra,
                         *c_.servicos().mensagens, c_.janela());
    c_.exibe(dialogo);
    if (dialogo.result() != QDialog::Accepted) {
        return;
    }
    const Ocupado ocupado = Ocupado::tela();
    const RelatorioComposto relatorio = RelatorioComposto::de(
        PrevisoesAno::compoe(dialogo.nomeDigitado(), dialogo.nascimento(), dialogo.ano(),
                             p.OpcoesMapa.regras(), referencia, ArquivoInterpretacao(c_.pasta())));
    const Diagramacao d = relatorio.diagramacao(p.diagramacao(c_.pasta()));
    relatorios_
        .abre(d, {dialogo.nome(), d.DataNascimento, QDate(), dialogo.nomeDigitado(), {}}, icone)
        ->defineComposto(relatorio);
}

} // namespace vidalume
