#include "composer/DataPorExtenso.h"

#include "engine/EntradaDados.h"

namespace vidalume {

QString DataPorExtenso::nomeMes(int mes) {
    static const char16_t* const kMeses[12] = {u"janeiro",  u"fevereiro", u"março",    u"abril",
                                               u"maio",     u"junho",     u"julho",    u"agosto",
                                               u"setembro", u"outubro",   u"novembro", u"dezembro"};
    return mes >= 1 && mes <= 12 ? QString::fromUtf16(kMeses[mes - 1]) : QString();
}

QString DataPorExtenso::formata(const QString& data) {
    const auto d = EntradaDados::leData(data);
    if (!d) {
        return data;
    }
    return QStringLiteral("%1 de %2 de %3")
        .arg(d->day(), 2, 10, QLatin1Char('0'))
        .arg(nomeMes(d->month()))
        .arg(d->year(), 4, 10, QLatin1Char('0'));
}

} // namespace vidalume
