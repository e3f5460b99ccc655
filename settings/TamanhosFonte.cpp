#include "settings/TamanhosFonte.h"
#include "engine/LeituraNumero.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vidalume {

QStringList TamanhosFonte::lista() {
    QStringList tamanhos;
    for (int j = 3; j <= 11; ++j) {
        tamanhos << QString::number(j * 2);
    }
    return tamanhos;
}

qint16 TamanhosFonte::interpreta(const QString& texto) {
    // The same reading as a margin box: blanks skipped, the longest leading number taken.
    const double valor = LeituraNumero::interpreta(texto);
    if (std::isnan(valor)) {
        return 0;
    }
    constexpr double minimo = std::numeric_limits<qint16>::min();
    constexpr double maximo = std::numeric_limits<qint16>::max();
    return static_cast<qint16>(std::nearbyint(std::clamp(valor, minimo, maximo)));
}

} // namespace vidalume
