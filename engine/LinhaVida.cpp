#include "engine/LinhaVida.h"

#include <algorithm>

namespace vidalume {

namespace {

// Whole years completed on `data` by someone born on `dia`/`mes`/`ano`.
int idadeEm(int dia, int mes, int ano, QDate data) {
    int idade = data.year() - ano;
    if (data.month() < mes || (data.month() == mes && data.day() < dia)) {
        --idade;
    }
    return idade;
}

} // namespace

LinhaVida LinhaVida::calcula(const NumerosAnalise& n, QDate referencia) {
    LinhaVida l;
    const int mudancaProdutivo = n.anoInicioCicloProdutivo - n.ano;
    const int mudancaColheita = n.anoInicioCicloColheita - n.ano;
    const auto& idades = n.idadesRealizacoes;
    const int ultimaMudanca = std::max(mudancaColheita, idades[2]);
    l.idadeReferencia = referencia.isValid() ? idadeEm(n.dia, n.mes, n.ano, referencia) : -1;
    if (l.idadeReferencia < 0) {
        l.idadeReferencia = -1;
    }
    const int alcance = std::max(ultimaMudanca + kAnosAposUltimaMudanca, l.idadeReferencia + 1);
    l.idadeFinal = (alcance + 9) / 10 * 10;

    auto periodo = [&](int numero, int inicio, int fim) {
        return Periodo{numero, inicio, fim, n.ano + inicio};
    };
    l.ciclos = {periodo(n.cicloFormativo, 0, mudancaProdutivo),
                periodo(n.cicloProdutivo, mudancaProdutivo, mudancaColheita),
                periodo(n.cicloColheita, mudancaColheita, l.idadeFinal)};
    const std::array<int, 5> limites = {0, idades[0], idades[1], idades[2], l.idadeFinal};
    for (int i = 0; i < 4; ++i) {
        l.realizacoes.append(periodo(n.realizacoes[i], limites[i], limites[i + 1]));
    }
    // The minor challenges split the life in two halves at the start of the third pinnacle;
    // the main and the additional challenge are felt all life long.
    const int meio = idades[1];
    l.desafios = {periodo(n.desafioMenor1, 0, meio), periodo(n.desafioMenor2, meio, l.idadeFinal),
                  periodo(n.desafioMaior, 0, l.idadeFinal),
                  periodo(n.desafioMenorAdicional, 0, l.idadeFinal)};
    return l;
}

} // namespace vidalume
