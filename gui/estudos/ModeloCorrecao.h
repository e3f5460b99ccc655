// The candidates of a name correction study as the rows of its window's table, in the
// study's order: rank, the mark for the report, the name with its changed letters marked,
// the number of changes, the negative sequences (cabalística), the harmony, the debts the
// name can change, the lessons and the Arcano Regente (cabalística). The display role gives
// the texts; kPapelOrdem the values the columns sort by; kPapelSemSequencias "1" for a
// candidate without negative sequences (the filter of the window). The original's row is
// bold. Up to kMaximoMarcados candidates can be marked; a further mark is refused and
// `limiteMarcados` emitted.
#pragma once

#include "composer/CorrecaoNome.h"

#include <QAbstractTableModel>
#include <QList>

namespace vidalume {

class ModeloCorrecao : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna {
        Ordem,
        Relatorio,
        Nome,
        Mudancas,
        Sequencias,
        Harmonia,
        Dividas,
        Licoes,
        Regente,
        kColunas
    };
    static constexpr int kPapelOrdem = Qt::UserRole;
    static constexpr int kPapelSemSequencias = Qt::UserRole + 1;
    static constexpr int kMaximoMarcados = 5;

    explicit ModeloCorrecao(QObject* parent = nullptr);

    // Replaces the rows; the marks are cleared.
    void define(CorrecaoNome estudo);
    const CorrecaoNome& estudo() const { return estudo_; }

    // The indices (in estudo().candidatos) of the marked candidates, in the order marked.
    const QList<int>& marcados() const { return marcados_; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

signals:
    void limiteMarcados();

private:
    QVariant texto(const AvaliacaoNome& a, int linha, int coluna) const;
    QVariant ordem(const AvaliacaoNome& a, int linha, int coluna) const;

    CorrecaoNome estudo_;
    QList<int> marcados_;
};

} // namespace vidalume
