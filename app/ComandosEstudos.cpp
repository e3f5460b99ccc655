#include "app/ComandosEstudos.h"

#include "composer/ComporCabalistica.h"
#include "composer/ComporCorrecao.h"
#include "settings/HarmoniaCabalistica.h"

#include "app/Ocupado.h"
#include "composer/LeituraCasal.h"
#include "engine/EntradaDados.h"
#include "gui/comum/AvisoTextos.h"
#include "gui/entrada/frmEntraCasal.h"
#include "gui/estudos/frmCorrecaoNome.h"
#include "gui/estudos/frmEstudoNomes.h"
#include "gui/impressao/frmImprimir.h"
#include "texts/ArquivoInterpretacao.h"

namespace vidalume {

std::optional<AnalisePedida> ComandosEstudos::estudoNomes() {
    Padrao& p = c_.padrao();
    frmEstudoNomes estudo(
        nomesGuardados_.isEmpty() ? p.Pedido.DataNascimento : dataGuardada_, c_.pasta(),
        *c_.servicos().mensagens,
        [this](QWidget* pai, const EstudoNomes& e) { imprimeEstudo(pai, e); }, c_.janela());
    if (!nomesGuardados_.isEmpty()) {
        estudo.preenche(nomesGuardados_);
    }
    estudo.defineCorrecao([this](QWidget* pai, const QString& nome, const QString& data) {
        correcaoNome(nome, data, pai);
    });
    c_.exibe(estudo);
    if (estudo.nomeEscolhido().isEmpty()) {
        // Closed by the user, who was asked before names were discarded.
        nomesGuardados_.clear();
        return std::nullopt;
    }
    // The study comes back with its names the next time it opens.
    nomesGuardados_ = estudo.nomes();
    dataGuardada_ = estudo.dataEscolhida();
    return AnalisePedida{estudo.nomeEscolhido(), estudo.dataEscolhida(), QDate(), {}, {}};
}

// The study goes through the print dialog of the analysis, in front of the study window.
void ComandosEstudos::imprimeEstudo(QWidget* pai, const EstudoNomes& estudo) {
    Padrao& p = c_.padrao();
    QPrinter* impressora = impressora_();
    frmImprimir dialogo(pai, c_.pasta(), *c_.servicos().mensagens, impressora, p.Configuracao,
                        estudo.diagramacao(p.diagramacao(c_.pasta())));
    c_.preparaImpressao(dialogo, impressora);
    c_.exibe(dialogo);
}

void ComandosEstudos::correcaoNome(const QString& nome, const QString& data, QWidget* pai) {
    // The report opens behind the window, which then closes to show it.
    frmCorrecaoNome correcao(
        c_.pasta(), *c_.servicos().mensagens,
        [this](QWidget* janela, const CorrecaoNome& estudo, const QList<int>& marcados) {
            relatorioCorrecao(estudo, marcados);
            if (auto* dialogo = qobject_cast<QDialog*>(janela)) {
                dialogo->accept();
            }
        },
        pai != nullptr ? pai : c_.janela());
    correcao.preenche(nome, data);
    c_.exibe(correcao);
}

void ComandosEstudos::relatorioCorrecao(const CorrecaoNome& estudo, const QList<int>& marcados) {
    const Ocupado ocupado = Ocupado::tela();
    const RelatorioComposto r = ComporCorrecao::compoe(
        estudo, marcados.isEmpty() ? ComporCorrecao::melhores(estudo) : marcados,
        ArquivoInterpretacao(c_.pasta()));
    AvisoTextos::mostra(c_.servicos().mensagens, c_.janela());
    const Diagramacao d = r.diagramacao(c_.padrao().diagramacao(c_.pasta()));
    relatorios_
        .abre(d, {d.NomeAnalise, d.DataNascimento, QDate(), {}, {}}, c_.janela()->windowIcon())
        ->defineComposto(r);
}

void ComandosEstudos::correcaoNomeDaAnalise() {
    AnalisePedida pessoa = c_.padrao().Pedido;
    if (const frmExibeRelatorio* ativo = relatorios_.ativo()) {
        ativo->AjustaDadosNaMemoria(pessoa);
    }
    const bool cancelada = pessoa.NomeAnalise == EntradaDados::kMarcadorCancelado;
    correcaoNome(cancelada ? QString() : pessoa.nomeExibido(), pessoa.DataNascimento);
}

void ComandosEstudos::compatibilidade(const QIcon& icone) {
    frmEntraCasal entrada(*c_.servicos().mensagens, c_.janela());
    c_.exibe(entrada);
    if (entrada.result() != QDialog::Accepted) {
        return;
    }
    const Ocupado ocupado = Ocupado::tela();
    const RelatorioComposto leitura = LeituraCasal::calcula(entrada.nome(0), entrada.nascimento(0),
                                                            entrada.nome(1), entrada.nascimento(1))
                                          .compoe(ArquivoInterpretacao(c_.pasta()));
    AvisoTextos::mostra(c_.servicos().mensagens, c_.janela());
    const Diagramacao d = leitura.diagramacao(c_.padrao().diagramacao(c_.pasta()));
    relatorios_.abre(d, {d.NomeAnalise, d.DataNascimento, QDate(), {}, {}}, icone)
        ->defineComposto(leitura);
}

void ComandosEstudos::mapaCabalistico(const AnalisePedida& pedido, const QIcon& icone) {
    const Ocupado ocupado = Ocupado::tela();
    const OpcoesMapa& opcoes = c_.padrao().OpcoesMapa;
    const RelatorioComposto mapa = ComporCabalistica::compoe(
        pedido.nomeExibido(), pedido.DataNascimento, pedido.dataPrevisoes(c_.hoje()),
        opcoes.regras(EscolaCalculo::Cabalistica), HarmoniaCabalistica::le(c_.pasta()),
        ArquivoInterpretacao(c_.pasta()),
        [&opcoes](int k) { return opcoes.secaoCabalisticaAtiva(k); });
    AvisoTextos::mostra(c_.servicos().mensagens, c_.janela());
    const Diagramacao d = mapa.diagramacao(c_.padrao().diagramacao(c_.pasta()));
    relatorios_.abre(d, pedido, icone)->defineComposto(mapa);
}

} // namespace vidalume
