#include "report/Figura.h"

namespace vidalume {

QString Figura::nomeArquivo() const {
    switch (tipo) {
    case Tipo::Signo:
        if (signo < 1 || signo > 12) {
            return {};
        }
        return QStringLiteral("signo%1.svg").arg(signo, 2, 10, QLatin1Char('0'));
    case Tipo::Capa:
        return QStringLiteral("capa.svg");
    case Tipo::Borda:
        return QStringLiteral("borda.svg");
    case Tipo::Divisoria:
        return QStringLiteral("divisoria.svg");
    }
    return {};
}

} // namespace vidalume
