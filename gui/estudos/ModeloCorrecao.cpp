#include "gui/estudos/ModeloCorrecao.h"

#include <QFont>

namespace vidalume {

ModeloCorrecao::ModeloCorrecao(QObject* parent) : QAbstractTableModel(parent) {}

void ModeloCorrecao::define(CorrecaoNome estudo) {
    beginResetModel();
    estudo_ = std::move(estudo);
    marcados_.clear();
    endResetModel();
}

int ModeloCorrecao::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : int(estudo_.candidatos.size());
}

int ModeloCorrecao::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : kColunas;
}

QVariant ModeloCorrecao::texto(const AvaliacaoNome& a, int linha, int coluna) const {
    switch (coluna) {
    case Ordem:
        return a.original ? QStringLiteral("%1 (original)").arg(linha + 1)
                          : QString::number(linha + 1);
    case Nome:
        return a.marcado;
    case Mudancas:
        return a.totalMudancas;
    case Sequencias:
        return a.totalSequencias;
    case Harmonia:
        return estudo_.textoHarmonia(a);
    case Dividas:
        return CorrecaoNome::textoNumeros(a.dividas);
    case Licoes:
        return CorrecaoNome::textoNumeros(a.licoes);
    case Regente:
        return a.arcanoRegente;
    default:
        return {};
    }
}

// Numbers sort as numbers; the harmony favourable first; the rank and the name by the order.
QVariant ModeloCorrecao::ordem(const AvaliacaoNome& a, int linha, int coluna) const {
    switch (coluna) {
    case Relatorio:
        return marcados_.contains(linha) ? 0 : 1;
    case Mudancas:
        return a.totalMudancas;
    case Sequencias:
        return a.totalSequencias;
    case Harmonia:
        return a.favoravel() ? 0 : (a.harmonia == vidalume::Harmonia::Neutra ? 1 : 2);
    case Dividas:
        return int(a.dividas.size());
    case Licoes:
        return int(a.licoes.size());
    case Regente:
        return a.arcanoRegente;
    default:
        return linha;
    }
}

QVariant ModeloCorrecao::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= estudo_.candidatos.size()) {
        return {};
    }
    const int linha = indice.row(), coluna = indice.column();
    const AvaliacaoNome& a = estudo_.candidatos[linha];
    switch (papel) {
    case Qt::DisplayRole:
        return texto(a, linha, coluna);
    case kPapelOrdem:
        return ordem(a, linha, coluna);
    case kPapelSemSequencias:
        return a.semSequencias() ? QStringLiteral("1") : QStringLiteral("0");
    case Qt::CheckStateRole:
        return coluna == Relatorio
                   ? QVariant(marcados_.contains(linha) ? Qt::Checked : Qt::Unchecked)
                   : QVariant();
    case Qt::FontRole:
        if (a.original) {
            QFont negrito;
            negrito.setBold(true);
            return negrito;
        }
        return {};
    case Qt::ToolTipRole:
        if (coluna == Sequencias) {
            return estudo_.textoSequencias(a);
        }
        return coluna == Nome || coluna == Mudancas ? CorrecaoNome::textoMudancas(a) : QVariant();
    case Qt::TextAlignmentRole:
        return coluna == Nome ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                              : QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

bool ModeloCorrecao::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (!indice.isValid() || indice.column() != Relatorio || papel != Qt::CheckStateRole) {
        return false;
    }
    const int linha = indice.row();
    const bool marca = valor.value<Qt::CheckState>() == Qt::Checked;
    if (marca == marcados_.contains(linha)) {
        return true;
    }
    if (marca && marcados_.size() >= kMaximoMarcados) {
        emit limiteMarcados();
        return false;
    }
    if (marca) {
        marcados_.append(linha);
    } else {
        marcados_.removeAll(linha);
    }
    emit dataChanged(indice, indice, {Qt::CheckStateRole, kPapelOrdem});
    return true;
}

Qt::ItemFlags ModeloCorrecao::flags(const QModelIndex& indice) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.column() == Relatorio) {
        f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

QVariant ModeloCorrecao::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    }
    static const QStringList kTitulos = {QStringLiteral("Nº"),
                                         QStringLiteral("Relatório"),
                                         QStringLiteral("Nome\n(mudanças entre [ ])"),
                                         QStringLiteral("Mudanças"),
                                         QStringLiteral("Sequências\nnegativas"),
                                         QStringLiteral("Harmonia"),
                                         QStringLiteral("Dívidas\ncármicas"),
                                         QStringLiteral("Lições\ncármicas"),
                                         QStringLiteral("Arcano\nRegente")};
    if (secao == Harmonia && estudo_.escola == EscolaCalculo::Pitagorica) {
        return QStringLiteral("Harmonia com o\nCaminho da Vida");
    }
    return kTitulos.value(secao);
}

} // namespace vidalume
