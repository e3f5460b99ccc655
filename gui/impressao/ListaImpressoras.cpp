#include "gui/impressao/ListaImpressoras.h"

#include <QPrinterInfo>

namespace vidalume {

QList<ListaImpressoras::Impressora> ListaImpressoras::doSistema() {
    if (sistemaTeste) {
        return sistemaTeste();
    }
    QList<Impressora> lista;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        lista.append({info.printerName(), info.description().trimmed()});
    }
    return lista;
}

QStringList ListaImpressoras::rotulos(const QList<Impressora>& impressoras) {
    const auto rotulo = [](const Impressora& i) {
        return i.descricao.isEmpty() ? i.nome : i.descricao;
    };
    QStringList simples;
    for (const Impressora& i : impressoras) {
        simples << rotulo(i);
    }
    QStringList lista;
    for (qsizetype k = 0; k < impressoras.size(); ++k) {
        lista << (simples.count(simples[k]) > 1 && simples[k] != impressoras[k].nome
                      ? QStringLiteral("%1 (%2)").arg(simples[k], impressoras[k].nome)
                      : simples[k]);
    }
    return lista;
}

} // namespace vidalume
