#include "engine/Signo.h"

namespace vidalume {

namespace {

struct Faixa {
    int indice;
    int deDia, deMes, ateDia, ateMes; // inclusive
};

constexpr Faixa kFaixas[] = {
    {1, 23, 10, 21, 11}, {2, 23, 9, 22, 10}, {3, 23, 8, 22, 9},  {4, 22, 7, 22, 8},
    {5, 22, 11, 21, 12}, {6, 21, 6, 21, 7},  {7, 21, 5, 20, 6},  {8, 21, 4, 20, 5},
    {9, 21, 3, 20, 4},   {10, 20, 2, 20, 3}, {11, 21, 1, 19, 2},
};

constexpr int kDiasNoMes[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int chave(int dia, int mes) {
    return mes * 100 + dia;
}

} // namespace

int SignoDoNascimento(int dia, int mes) {
    if (mes < 1 || mes > 12 || dia < 1 || dia > kDiasNoMes[mes]) {
        return 0;
    }
    if (mes == 2 && dia == 29) {
        dia = 28;
    }
    const int k = chave(dia, mes);
    for (const Faixa& f : kFaixas) {
        if (k >= chave(f.deDia, f.deMes) && k <= chave(f.ateDia, f.ateMes)) {
            return f.indice;
        }
    }
    // Capricorn spans the turn of the year: 22/12 to 31/12 and 01/01 to 20/01.
    return 12;
}

} // namespace vidalume
