#include "gui/configuracao/frmConfiguraRodape.h"

#include "gui/comum/Mensagens.h"
#include "gui/configuracao/BotoesOkCancela.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidalume {

const QString frmConfiguraRodape::kMensagemGravado =
    QStringLiteral("Atenção: Na próxima análise que você gerar estas alterações terão efeito!");
const QString frmConfiguraRodape::kPerguntaCancelar =
    QStringLiteral("Você está certa de que deseja cancelar esta alteração da linha de rodapé? "
                   "Nenhuma alteração terá efeito.");

namespace {

constexpr double kTamanhoCabecalho = 13.5;

QLineEdit* caixa(const QString& nome, const QString& texto, int maximo, QWidget* pai) {
    auto* c = new QLineEdit(pai);
    c->setObjectName(nome);
    c->setMaxLength(maximo);
    c->setText(texto);
    return c;
}

QLabel* rotulo(int indice, const QString& texto, QLineEdit* caixa, QWidget* pai) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(QStringLiteral("lblInfo_%1").arg(indice));
    l->setBuddy(caixa);
    return l;
}

} // namespace

frmConfiguraRodape::frmConfiguraRodape(const LinhasRodape& linhas, const QString& pastaPrograma,
                                       Mensagens& mensagens, QWidget* parent)
    : QDialog(parent), pastaPrograma_(pastaPrograma), mensagens_(mensagens) {
    setObjectName(QStringLiteral("frmConfiguraRodape"));
    setWindowTitle(QStringLiteral("Configuração do cabeçalho e do rodapé..."));
    setModal(true);
    // The footer boxes hold what one record of the file can keep, so nothing typed is lost.
    txtCabecalhoLinhaUm_ = caixa(QStringLiteral("txtCabecalhoLinhaUm"), linhas.CabecalhoLinhaUm,
                                 LinhasRodape::kMaximoCabecalho, this);
    txtRodapeLinhaUm_ = caixa(QStringLiteral("txtRodapeLinhaUm"), linhas.RodapeLinhaUm,
                              LinhasRodape::kMaximoCaracteres, this);
    txtRodapeLinhaDois_ = caixa(QStringLiteral("txtRodapeLinhaDois"), linhas.RodapeLinhaDois,
                                LinhasRodape::kMaximoCaracteres, this);
    montaControles();
}

void frmConfiguraRodape::montaControles() {
    QFont maior = txtCabecalhoLinhaUm_->font();
    maior.setPointSizeF(kTamanhoCabecalho);
    txtCabecalhoLinhaUm_->setFont(maior);
    txtCabecalhoLinhaUm_->setMaximumWidth(440);

    auto* botoes = new BotoesOkCancela(this);
    connect(botoes->ok(), &QPushButton::clicked, this, &frmConfiguraRodape::cmdOk_Click);
    connect(botoes->cancela(), &QPushButton::clicked, this, &frmConfiguraRodape::cmdCancelar_Click);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(rotulo(2,
                                QStringLiteral("Informe abaixo o texto para o cabeçalho (o texto "
                                               "deverá ser extremamente pequeno):"),
                                txtCabecalhoLinhaUm_, this));
    principal->addWidget(txtCabecalhoLinhaUm_);
    principal->addSpacing(6);
    principal->addWidget(rotulo(0,
                                QStringLiteral("Informe abaixo o texto para a primeira linha do "
                                               "rodapé (aparecerá em negrito):"),
                                txtRodapeLinhaUm_, this));
    principal->addWidget(txtRodapeLinhaUm_);
    principal->addSpacing(6);
    principal->addWidget(
        rotulo(1,
               QStringLiteral("Informe abaixo o texto para a segunda linha do "
                              "rodapé (procure informar o seu telefone e e-mail):"),
               txtRodapeLinhaDois_, this));
    principal->addWidget(txtRodapeLinhaDois_);
    principal->addSpacing(6);
    principal->addWidget(botoes);
    setMinimumWidth(560);
}

void frmConfiguraRodape::cmdOk_Click() {
    LinhasRodape linhas;
    linhas.RodapeLinhaUm = txtRodapeLinhaUm_->text();
    linhas.RodapeLinhaDois = txtRodapeLinhaDois_->text();
    linhas.CabecalhoLinhaUm = txtCabecalhoLinhaUm_->text();
    QString erro;
    if (!linhas.GravaLinhasRodape(pastaPrograma_, &erro)) {
        mensagens_.informa(this, QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    mensagens_.informa(this, QStringLiteral("Informação:"), kMensagemGravado,
                       Mensagens::Icone::Informacao);
    accept();
}

void frmConfiguraRodape::cmdCancelar_Click() {
    if (mensagens_.pergunta(this, QStringLiteral("Atenção:"), kPerguntaCancelar,
                            Mensagens::Icone::Pergunta)) {
        QDialog::reject();
    }
}

void frmConfiguraRodape::reject() {
    cmdCancelar_Click();
}

} // namespace vidalume
