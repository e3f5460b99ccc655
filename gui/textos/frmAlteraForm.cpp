#include "gui/textos/frmAlteraForm.h"

#include "gui/comum/BotaoJanela.h"
#include "gui/comum/Mensagens.h"
#include "texts/TextoCaixa.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace vidalume {

namespace {

QLabel* rotulo(const QString& nome, const QString& texto, QWidget* pai) {
    auto* lbl = new QLabel(texto, pai);
    lbl->setObjectName(nome);
    lbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return lbl;
}

} // namespace

const QString frmAlteraForm::kPerguntaCancelar = QStringLiteral(
    "Cancelando esta edição as modificações que você acabou de fazer não serão atualizados "
    "no arquivo de interpretações. Cancelar assim mesmo?");

frmAlteraForm::frmAlteraForm(const QString& pastaPrograma, const TextoEscolhido& alvo,
                             const QString& texto, Mensagens& mensagens, QWidget* parent)
    : QDialog(parent), arquivos_(pastaPrograma), alvo_(alvo), mensagens_(mensagens) {
    setObjectName(QStringLiteral("frmAlteraForm"));
    setWindowTitle(QStringLiteral("Alterando interpretação da análise..."));
    montaControles(texto);
    resize(720, 540);
}

void frmAlteraForm::montaControles(const QString& texto) {
    lblInfo_ = rotulo(QStringLiteral("lblInfo"), TextoCaixa::paraCaixa(alvo_.info), this);
    lblInfo_->setWordWrap(true);
    QFont negrito = lblInfo_->font();
    negrito.setBold(true);
    lblInfo_->setFont(negrito);
    lblArquivo_ = rotulo(QStringLiteral("lblArquivo"),
                         QDir::toNativeSeparators(arquivos_.caminho(alvo_.arquivo)), this);
    lblPosicao_ = rotulo(QStringLiteral("lblPosicao"), QString::number(alvo_.registro), this);

    txtTexto_ = new QPlainTextEdit(this);
    txtTexto_->setObjectName(QStringLiteral("txtTexto"));
    txtTexto_->setPlainText(TextoCaixa::paraCaixa(texto));
    txtTexto_->setTabChangesFocus(true);
    connect(txtTexto_->document(), &QTextDocument::contentsChange, this,
            &frmAlteraForm::txtTexto_Change);

    cmdSalvar_ = BotaoJanela::cria(QStringLiteral("cmdSalvar"),
                                   QStringLiteral("Atualizar Interpretação (&Salvar)"), this);
    cmdRetornar_ = BotaoJanela::cria(QStringLiteral("cmdRetornar"),
                                     QStringLiteral("Retornar sem Salva&r (Cancelar)"), this);
    lblAviso_ = new QLabel(this);
    lblAviso_->setObjectName(QStringLiteral("lblAviso"));
    lblAviso_->setWordWrap(true);
    lblAviso_->setStyleSheet(QStringLiteral("color: #a00000;"));
    lblAviso_->hide();
    connect(cmdSalvar_, &QPushButton::clicked, this, &frmAlteraForm::cmdSalvar_Click);
    connect(cmdRetornar_, &QPushButton::clicked, this, &frmAlteraForm::reject);

    auto* alvoLayout = new QFormLayout;
    alvoLayout->addRow(QStringLiteral("Arquivo:"), lblArquivo_);
    alvoLayout->addRow(QStringLiteral("Registro:"), lblPosicao_);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdSalvar_);
    botoes->addWidget(cmdRetornar_);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(lblInfo_);
    principal->addLayout(alvoLayout);
    principal->addWidget(txtTexto_, 1);
    principal->addWidget(lblAviso_);
    principal->addLayout(botoes);
    txtTexto_->setFocus();
}

QString frmAlteraForm::texto() const {
    // The raw text keeps non-breaking spaces; paragraph ends come as U+2029.
    return TextoCaixa::paraRegistro(txtTexto_->document()->toRawText());
}

// Keeps the box within what a record holds: whatever a typing or pasting would add beyond it
// is taken off the end of what was added, so nothing is cut silently on save.
void frmAlteraForm::txtTexto_Change(int posicao, int removidos, int inseridos) {
    if (limitando_) {
        return;
    }
    const QString bruto = txtTexto_->document()->toRawText();
    const qsizetype excesso =
        TextoCaixa::tamanhoNoRegistro(bruto) - ArquivoInterpretacao::kTamanhoRegistro;
    if (excesso <= 0 || inseridos <= 0) {
        if (removidos > 0) {
            lblAviso_->hide();
        }
        return;
    }
    const qsizetype inicio = std::clamp<qsizetype>(posicao, 0, bruto.size());
    const qsizetype fim = std::clamp<qsizetype>(posicao + inseridos, inicio, bruto.size());
    const qsizetype corte =
        TextoCaixa::corteDoFim(QStringView(bruto).mid(inicio, fim - inicio), excesso);
    if (corte <= 0) {
        return;
    }
    limitando_ = true;
    QTextCursor cursor(txtTexto_->document());
    cursor.setPosition(int(fim - corte));
    cursor.setPosition(int(fim), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    limitando_ = false;
    lblAviso_->setText(
        QStringLiteral("O registro guarda no máximo %1 caracteres: %2 %3 do que foi digitado ou "
                       "colado não %4 e %5 de fora.")
            .arg(ArquivoInterpretacao::kTamanhoRegistro)
            .arg(corte)
            .arg(corte == 1 ? QStringLiteral("caractere") : QStringLiteral("caracteres"))
            .arg(corte == 1 ? QStringLiteral("coube") : QStringLiteral("couberam"))
            .arg(corte == 1 ? QStringLiteral("ficou") : QStringLiteral("ficaram")));
    lblAviso_->show();
}

// Characters the record cannot hold are pointed out before they become "?".
bool frmAlteraForm::confirmaCaracteres() {
    const QStringList fora = TextoCaixa::semCodificacao(txtTexto_->document()->toRawText());
    if (fora.isEmpty()) {
        return true;
    }
    return mensagens_.pergunta(
        this, QStringLiteral("Atenção:"),
        QStringLiteral("%1 não %2 nos arquivos de interpretação e %3 gravado%4 como \"?\". "
                       "Deseja salvar assim mesmo?")
            .arg(fora.size() == 1 ? QStringLiteral("O caractere ") + fora[0]
                                  : QStringLiteral("Os caracteres ") + fora.join(u' '))
            .arg(fora.size() == 1 ? QStringLiteral("existe") : QStringLiteral("existem"))
            .arg(fora.size() == 1 ? QStringLiteral("será") : QStringLiteral("serão"))
            .arg(fora.size() == 1 ? QString() : QStringLiteral("s")),
        Mensagens::Icone::Exclamacao, Mensagens::BotaoPadrao::Nao);
}

void frmAlteraForm::cmdSalvar_Click() {
    if (!confirmaCaracteres()) {
        return;
    }
    QString erro;
    if (arquivos_.GravaTextoInterpretacao(alvo_.registro, alvo_.arquivo, texto(), &erro)) {
        accept();
        return;
    }
    mensagens_.informa(
        this, QStringLiteral("Erro:"),
        QStringLiteral("A interpretação não foi atualizada.\n\n%1\n\nO texto continua "
                       "nesta janela: resolva o problema e salve novamente.")
            .arg(erro),
        Mensagens::Icone::Critico);
}

void frmAlteraForm::reject() {
    if (mensagens_.pergunta(this, QStringLiteral("Importante:"), kPerguntaCancelar,
                            Mensagens::Icone::Pergunta, Mensagens::BotaoPadrao::Nao)) {
        QDialog::reject();
    }
}

} // namespace vidalume
