#include "app/ContextoComandos.h"

#include "composer/ComporAnalise.h"
#include "gui/comum/ArquivoGravado.h"
#include "gui/comum/AvisoTextos.h"
#include "gui/impressao/frmImprimir.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "settings/PastaDados.h"
#include "texts/ArquivoInterpretacao.h"

#include <QDialog>
#include <QPrinter>

namespace vidalume {

void ContextoComandos::informa(const QString& titulo, const QString& texto,
                               Mensagens::Icone icone) const {
    if (servicos_.mensagens != nullptr) {
        servicos_.mensagens->informa(&janela_, titulo, texto, icone);
    }
}

bool ContextoComandos::pergunta(const QString& titulo, const QString& texto) const {
    return servicos_.mensagens != nullptr &&
           servicos_.mensagens->pergunta(&janela_, titulo, texto, Mensagens::Icone::Pergunta);
}

bool ContextoComandos::perguntaPadraoNao(const QString& texto) const {
    return servicos_.mensagens != nullptr &&
           servicos_.mensagens->pergunta(&janela_, QStringLiteral("Atenção:"), texto,
                                         Mensagens::Icone::Pergunta, Mensagens::BotaoPadrao::Nao);
}

bool ContextoComandos::recusaArquivoProprio(const QString& arquivo) const {
    if (arquivo.isEmpty() || !PastaDados::arquivoProprio(pasta_, arquivo)) {
        return false;
    }
    informa(QStringLiteral("Erro:"), PastaDados::recusaProprio(pasta_, arquivo),
            Mensagens::Icone::Critico);
    return true;
}

void ContextoComandos::avisaGravado(const QString& feito, const QString& arquivo) const {
    if (servicos_.mensagens != nullptr) {
        ArquivoGravado::avisa(&janela_, *servicos_.mensagens, feito, arquivo,
                              servicos_.abreEndereco);
    }
}

void ContextoComandos::preparaImpressao(frmImprimir& dialogo, const QPrinter* impressora) const {
    if (servicos_.impressoras) {
        dialogo.defineImpressoras(servicos_.impressoras(),
                                  impressora != nullptr ? impressora->printerName() : QString());
    }
    dialogo.defineAbreEndereco(servicos_.abreEndereco);
}

void ContextoComandos::exibe(QDialog& janela) const {
    if (servicos_.exibe) {
        servicos_.exibe(janela);
    } else {
        janela.exec();
    }
    // A dialog that closes right after a message box of its own leaves no window active, and
    // the main window's shortcuts would wait for a click: the keyboard comes back here.
    if (janela_.isVisible()) {
        janela_.activateWindow();
    }
}

QDate ContextoComandos::hoje() const {
    return servicos_.hoje ? servicos_.hoje() : QDate::currentDate();
}

QDateTime ContextoComandos::agora() const {
    return servicos_.agora ? servicos_.agora() : QDateTime::currentDateTime();
}

void ContextoComandos::compoeAnalise() {
    const AnalisePedida& p = padrao_.Pedido;
    padrao_.Analise =
        ComporAnalise::compoe(p.nomeExibido(), p.DataNascimento, hoje(), p.DataReferencia,
                              ArquivoInterpretacao(pasta_), padrao_.OpcoesMapa);
    AvisoTextos::mostra(servicos_.mensagens, janela());
    avisoConfiguracao_.mostra(servicos_.mensagens, janela(), pasta_);
}

Diagramacao ContextoComandos::diagramacaoDe(const frmExibeRelatorio& relatorio) {
    if (const auto& composto = relatorio.composto()) {
        return composto->diagramacao(padrao_.diagramacao(pasta_));
    }
    relatorio.AjustaDadosNaMemoria(padrao_.Pedido);
    compoeAnalise();
    return padrao_.diagramacao(pasta_);
}

} // namespace vidalume
