#include "engine/Compatibilidade.h"

#include <utility>

namespace vidalume {

namespace {

bool valido(int n) {
    return n >= 1 && n <= 9;
}

// The group of a number: 1, 5, 7 share one; 2, 4, 8 another; 3, 6, 9 the third.
int grupo(int n) {
    switch (n) {
    case 1:
    case 5:
    case 7:
        return 1;
    case 2:
    case 4:
    case 8:
        return 2;
    default:
        return 3;
    }
}

} // namespace

bool Compatibilidade::emHarmonia(int a, int b) {
    return valido(a) && valido(b) && grupo(a) == grupo(b);
}

int Compatibilidade::registroPar(int a, int b) {
    if (!valido(a) || !valido(b)) {
        return 0;
    }
    if (a > b) {
        std::swap(a, b);
    }
    return (a - 1) * (20 - a) / 2 + (b - a) + 1;
}

} // namespace vidalume
