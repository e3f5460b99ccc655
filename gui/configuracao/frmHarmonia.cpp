#include "gui/configuracao/frmHarmonia.h"

#include "gui/configuracao/BotoesOkCancela.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vidalume {

namespace {

constexpr int kTotal = int(TabelaHarmonia::kNumeros.size());

// The verdicts in the order of each cell's list.
constexpr Harmonia kVerdictos[] = {Harmonia::Favoravel, Harmonia::Neutra, Harmonia::Desfavoravel};

QStringList rotulos() {
    QStringList r;
    for (int n : TabelaHarmonia::kNumeros) {
        r << QString::number(n);
    }
    return r;
}

} // namespace

frmHarmonia::frmHarmonia(const TabelaHarmonia& tabela, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHarmonia"));
    setWindowTitle(QStringLiteral("Tabela de harmonia entre Destino e Expressão"));
    auto* explicacao = new QLabel(
        QStringLiteral("Cada linha é um Destino e cada coluna uma Expressão. Escolha se a "
                       "Expressão é favorável, neutra ou desfavorável para o Destino."),
        this);
    explicacao->setWordWrap(true);
    grdHarmonia_ = new QTableWidget(kTotal, kTotal, this);
    grdHarmonia_->setObjectName(QStringLiteral("grdHarmonia"));
    grdHarmonia_->setVerticalHeaderLabels(rotulos());
    grdHarmonia_->setHorizontalHeaderLabels(rotulos());
    for (int l = 0; l < kTotal; ++l) {
        for (int c = 0; c < kTotal; ++c) {
            auto* lista = new QComboBox(grdHarmonia_);
            lista->addItems({QStringLiteral("favorável"), QStringLiteral("neutra"),
                             QStringLiteral("desfavorável")});
            grdHarmonia_->setCellWidget(l, c, lista);
        }
    }
    grdHarmonia_->resizeColumnsToContents();
    auto* cmdOriginal = new QPushButton(QStringLiteral("Restaurar a tabela &original"), this);
    cmdOriginal->setObjectName(QStringLiteral("cmdOriginal"));
    connect(cmdOriginal, &QPushButton::clicked, this, [this] { mostra(TabelaHarmonia::padrao()); });
    auto* botoes = new BotoesOkCancela(this);
    connect(botoes->ok(), &QPushButton::clicked, this, &QDialog::accept);
    connect(botoes->cancela(), &QPushButton::clicked, this, &QDialog::reject);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(explicacao);
    principal->addWidget(grdHarmonia_);
    principal->addWidget(cmdOriginal);
    principal->addWidget(botoes);
    resize(900, 480);
    mostra(tabela);
}

QComboBox* frmHarmonia::celula(int linha, int coluna) const {
    return qobject_cast<QComboBox*>(grdHarmonia_->cellWidget(linha, coluna));
}

void frmHarmonia::mostra(const TabelaHarmonia& tabela) {
    for (int l = 0; l < kTotal; ++l) {
        for (int c = 0; c < kTotal; ++c) {
            const Harmonia h =
                tabela.verdicto(TabelaHarmonia::kNumeros[l], TabelaHarmonia::kNumeros[c]);
            for (int i = 0; i < 3; ++i) {
                if (kVerdictos[i] == h) {
                    celula(l, c)->setCurrentIndex(i);
                }
            }
        }
    }
}

TabelaHarmonia frmHarmonia::tabela() const {
    TabelaHarmonia t;
    for (int l = 0; l < kTotal; ++l) {
        for (int c = 0; c < kTotal; ++c) {
            t.define(TabelaHarmonia::kNumeros[l], TabelaHarmonia::kNumeros[c],
                     kVerdictos[celula(l, c)->currentIndex()]);
        }
    }
    return t;
}

} // namespace vidalume
