#include "gui/clientes/ModeloClientes.h"

#include "engine/EntradaDados.h"

namespace vidalume {

ModeloClientes::ModeloClientes(QObject* parent) : QAbstractTableModel(parent) {}

void ModeloClientes::define(std::vector<Cliente> clientes, QDate hoje) {
    beginResetModel();
    clientes_ = std::move(clientes);
    hoje_ = hoje;
    endResetModel();
}

int ModeloClientes::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : int(clientes_.size());
}

int ModeloClientes::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : kColunas;
}

QVariant ModeloClientes::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= rowCount()) {
        return {};
    }
    const Cliente& c = clientes_[std::size_t(indice.row())];
    if (papel == Qt::UserRole) {
        switch (indice.column()) {
        case Nome:
            return indice.row(); // the file's order: by name without case and accents
        case Nascimento:
            return c.nascimento;
        case Idade:
            return Cliente::idade(c.nascimento, hoje_);
        case UltimaAnalise:
            return c.ultimaAnalise;
        }
    }
    if (papel == Qt::TextAlignmentRole && indice.column() == Idade) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (papel != Qt::DisplayRole) {
        return {};
    }
    switch (indice.column()) {
    case Nome:
        return c.nome;
    case Nascimento:
        return EntradaDados::formataData(c.nascimento);
    case Idade:
        return Cliente::idade(c.nascimento, hoje_);
    case UltimaAnalise:
        return c.ultimaAnalise.isValid()
                   ? c.ultimaAnalise.toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                   : QStringLiteral("—");
    }
    return {};
}

QVariant ModeloClientes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    }
    static const char* const kTitulos[kColunas] = {"Nome", "Nascimento", "Idade", "Última análise"};
    return secao >= 0 && secao < kColunas ? QString::fromUtf8(kTitulos[secao]) : QString();
}

} // namespace vidalume
