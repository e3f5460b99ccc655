#include "composer/DataPorExtenso.h"

#include "engine/EntradaDados.h"

namespace vidalume {

QString DataPorExtenso::formata(const QString& data) {
    static const char16_t* const kMeses[12] = {u"janeiro",  u"fevereiro", u"março",    u"abril",
                                               u"maio",     u"junho",     u"julho",    u"agosto",
                                               u"setembro", u"outubro",   u"novembro", u"dezembro"};
    const auto d = EntradaDados::leData(data);
    if (!d) {
        return data;
    }
    return QStringLiteral("%1 de %2 de %3")
        .arg(d->day(), 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf16(kMeses[d->month() - 1]))
        .arg(d->year(), 4, 10, QLatin1Char('0'));
}

} // namespace vidalume
