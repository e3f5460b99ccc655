#include "engine/PiramideNome.h"

#include <cmath>

namespace vidalume {

namespace {

// One digit, no master numbers: 9 stays 9, and any sum of digits 1 to 9 is 1 to 9.
int r(int n) {
    return n <= 0 ? 0 : 1 + (n - 1) % 9;
}

void procuraSequencias(Triangulo& t, int linha, const QList<int>& digitos) {
    const int n = int(digitos.size());
    for (int i = 0; i < n;) {
        int fim = i + 1;
        while (fim < n && digitos[fim] == digitos[i]) {
            ++fim;
        }
        if (fim - i >= 3) {
            t.sequencias.append({linha, digitos[i], i + 1, fim - i});
        }
        i = fim;
    }
}

} // namespace

Triangulo MontaTriangulo(QList<int> base) {
    Triangulo t;
    if (base.isEmpty()) {
        return t;
    }
    t.linhas.reserve(base.size());
    t.linhas.append(std::move(base));
    while (t.linhas.last().size() > 1) {
        const QList<int>& acima = t.linhas.last();
        QList<int> linha;
        linha.reserve(acima.size() - 1);
        for (qsizetype i = 0; i + 1 < acima.size(); ++i) {
            linha.append(r(acima[i] + acima[i + 1]));
        }
        t.linhas.append(std::move(linha));
    }
    for (int i = 0; i < t.linhas.size(); ++i) {
        procuraSequencias(t, i + 1, t.linhas[i]);
    }
    t.arcanoRegente = t.linhas.last().first();
    return t;
}

PiramideNome CalculaPiramide(const QList<int>& valores, int dia, int mes) {
    PiramideNome p;
    const int d = r(dia), m = r(mes);
    p.acrescimo = {0, d, m, r(d + m)};
    for (int t = 0; t < PiramideNome::kTotalTriangulos; ++t) {
        QList<int> base;
        base.reserve(valores.size());
        for (int v : valores) {
            base.append(t == PiramideNome::Vida ? r(v) : r(v + p.acrescimo[t]));
        }
        p.triangulos[t] = MontaTriangulo(std::move(base));
    }
    const QList<int>& vida = p.triangulos[PiramideNome::Vida].linhas.value(0);
    const qsizetype pares = vida.size() - 1;
    for (qsizetype i = 0; i < pares; ++i) {
        p.arcanos.append({10 * vida[i] + vida[i + 1],
                          PiramideNome::kAnosArcanos * double(i) / double(pares),
                          PiramideNome::kAnosArcanos * double(i + 1) / double(pares)});
    }
    return p;
}

int PiramideNome::arcanoNaIdade(double idade) const {
    if (arcanos.isEmpty() || idade < 0) {
        return -1;
    }
    const auto n = arcanos.size();
    // idade / (90 / n), written so that a boundary age lands exactly on its period.
    const auto i = static_cast<qsizetype>(std::floor(idade * double(n) / kAnosArcanos));
    return int(std::min(i, n - 1));
}

int PiramideNome::totalSequencias() const {
    int total = 0;
    for (const Triangulo& t : triangulos) {
        total += int(t.sequencias.size());
    }
    return total;
}

} // namespace vidalume
