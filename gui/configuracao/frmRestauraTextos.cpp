#include "gui/configuracao/frmRestauraTextos.h"

#include "gui/configuracao/BotoesOkCancela.h"
#include "settings/TextosOriginais.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidalume {

frmRestauraTextos::frmRestauraTextos(const QStringList& arquivos, QWidget* parent)
    : QDialog(parent), arquivos_(arquivos) {
    setObjectName(QStringLiteral("frmRestauraTextos"));
    setWindowTitle(QStringLiteral("Restaurar textos originais..."));
    setModal(true);

    auto* lblInfo = new QLabel(QStringLiteral("Escolha os textos que devem voltar a ser os que "
                                              "acompanham o programa. Os seus textos atuais são "
                                              "guardados antes numa cópia datada."),
                               this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    cmbArquivo_ = new QComboBox(this);
    cmbArquivo_->setObjectName(QStringLiteral("cmbArquivo"));
    cmbArquivo_->addItem(QStringLiteral("Todos os arquivos de textos"));
    for (const QString& arquivo : arquivos_) {
        cmbArquivo_->addItem(TextosOriginais::descricao(arquivo));
    }
    cmbArquivo_->setMaxVisibleItems(20);
    lblInfo->setBuddy(cmbArquivo_);

    auto* botoes = new BotoesOkCancela(this);
    botoes->ok()->setText(QStringLiteral("Res&taurar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(lblInfo);
    coluna->addWidget(cmbArquivo_);
    coluna->addWidget(botoes);
    setMinimumWidth(460);
}

QStringList frmRestauraTextos::escolhidos() const {
    const int indice = cmbArquivo_->currentIndex();
    return indice <= 0 ? arquivos_ : QStringList{arquivos_.value(indice - 1)};
}

} // namespace vidalume
