#include "gui/configuracao/frmSecoesCabalisticas.h"

#include "composer/ComporCabalistica.h"
#include "gui/configuracao/BotoesOkCancela.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidalume {

frmSecoesCabalisticas::frmSecoesCabalisticas(const OpcoesMapa& opcoes, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSecoesCabalisticas"));
    setWindowTitle(QStringLiteral("Seções do mapa cabalístico"));
    auto* grade = new QGridLayout;
    constexpr int kLinhas = 11;
    for (int k = 1; k <= ComporCabalistica::kUltimaSecao; ++k) {
        const QString nome = ComporCabalistica::nomeSecao(k);
        if (nome.isEmpty()) {
            continue;
        }
        auto* caixa = new QCheckBox(nome, this);
        caixa->setObjectName(QStringLiteral("chkSecao_%1").arg(k));
        caixa->setChecked(opcoes.secaoCabalisticaAtiva(k));
        const int i = int(caixas_.size());
        grade->addWidget(caixa, i % kLinhas, i / kLinhas);
        caixas_.append({k, caixa});
    }
    auto* botoes = new BotoesOkCancela(this);
    connect(botoes->ok(), &QPushButton::clicked, this, &QDialog::accept);
    connect(botoes->cancela(), &QPushButton::clicked, this, &QDialog::reject);
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(grade);
    principal->addWidget(botoes);
}

OpcoesMapa frmSecoesCabalisticas::aplicadas(OpcoesMapa opcoes) const {
    for (const auto& [k, caixa] : caixas_) {
        opcoes.defineSecaoCabalistica(k, caixa->isChecked());
    }
    return opcoes;
}

} // namespace vidalume
