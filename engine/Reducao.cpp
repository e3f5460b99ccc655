#include "engine/Reducao.h"

#include <cstdlib>

namespace vidalume {

namespace {

// Full table: letter index (A = 0) -> value. The consonant and vowel tables agree with it
// wherever they list a letter.
constexpr int kValores[26] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4,
                              5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8};

int indiceLetra(QChar c) {
    // Only the 26 Latin letters count; lower case has the value of its capital.
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z') {
        return int(u - u'a');
    }
    return (u >= u'A' && u <= u'Z') ? int(u - u'A') : -1;
}

bool ehVogal(int indice) {
    // A E I O U Y
    return indice == 0 || indice == 4 || indice == 8 || indice == 14 || indice == 20 ||
           indice == 24;
}

template <typename Tabela> int somaReduzida(const QString& nome, Tabela valor) {
    long long total = 0;
    for (QChar c : nome) {
        total += valor(c);
    }
    return ReduzNumero(total);
}

} // namespace

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

int ValorLetra(QChar c) {
    const int i = indiceLetra(c);
    if (i >= 0) {
        return kValores[i];
    }
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') ? int(u - u'0') : 0;
}

int ValorConsoante(QChar c) {
    const int i = indiceLetra(c);
    return (i >= 0 && !ehVogal(i)) ? kValores[i] : 0;
}

int ValorVogal(QChar c) {
    const int i = indiceLetra(c);
    return (i >= 0 && ehVogal(i)) ? kValores[i] : 0;
}

int SomaNome(const QString& nome) {
    return somaReduzida(nome, ValorLetra);
}
int SomaConsoantes(const QString& nome) {
    return somaReduzida(nome, ValorConsoante);
}
int SomaVogais(const QString& nome) {
    return somaReduzida(nome, ValorVogal);
}

} // namespace vidalume
