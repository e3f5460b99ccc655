// The clients of a search as the rows of the client window's list: name, birth date, age
// and last analysis. The display role gives the texts; Qt::UserRole gives the values the
// columns sort by (for the name, the position in the file's order, which is by name without
// case and accents; dates; the age as a number).
#pragma once

#include "clients/Cliente.h"

#include <QAbstractTableModel>
#include <QDate>

#include <vector>

namespace vidalume {

class ModeloClientes : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna { Nome, Nascimento, Idade, UltimaAnalise, kColunas };

    explicit ModeloClientes(QObject* parent = nullptr);

    // Replaces the rows, given in the file's order; ages are counted on `hoje`.
    void define(std::vector<Cliente> clientes, QDate hoje);
    const Cliente& cliente(int linha) const { return clientes_[std::size_t(linha)]; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

private:
    std::vector<Cliente> clientes_;
    QDate hoje_;
};

} // namespace vidalume
