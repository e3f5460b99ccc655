#include "engine/Reducao.h"

#include <cstdlib>

namespace vidalume {

int ReduzNumero(long long n) {
    unsigned long long v =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    do {
        unsigned long long soma = 0;
        for (; v > 0; v /= 10) {
            soma += v % 10;
        }
        v = soma;
    } while (v >= 10);
    return static_cast<int>(v);
}

QList<long long> PassosReducao(long long n) {
    unsigned long long v =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    QList<long long> passos{static_cast<long long>(v)};
    while (v >= 10) {
        unsigned long long soma = 0;
        for (; v > 0; v /= 10) {
            soma += v % 10;
        }
        v = soma;
        passos.append(static_cast<long long>(v));
    }
    return passos;
}

} // namespace vidalume
