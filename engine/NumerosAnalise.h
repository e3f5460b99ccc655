// Every number of an analysis, computed in one pass from the normalised name, the birth
// date ("dd/mm/yyyy") and today's date.
#pragma once

#include "engine/RegrasCalculo.h"

#include <QChar>
#include <QDate>
#include <QString>

#include <array>

namespace vidalume {

struct NumerosAnalise {
    // Base values of the birth date.
    int dia = 0, mes = 0, ano = 0; // as read from the date text
    int D = 0, M = 0, A = 0;       // reduced day, month, year

    int caminhoDaVida = 0;
    int cicloFormativo = 0, cicloProdutivo = 0, cicloColheita = 0;
    int anoInicioCicloProdutivo = 0, anoInicioCicloColheita = 0;
    int diaDoNascimento = 0;
    int desafioDiaNascimento = 0;
    int presenteDiaNascimento = 0;
    std::array<int, 4> realizacoes{};       // P1..P4
    std::array<int, 3> idadesRealizacoes{}; // ages at which P2, P3, P4 begin
    int desafioMenor1 = 0, desafioMenor2 = 0, desafioMaior = 0, desafioMenorAdicional = 0;
    int saudeRegistro = 0; // counter index 1-10 (digit + 1)
    int saudeNumero = 0;   // R(saudeRegistro)

    int anoUniversal = 0, mesUniversal = 0, diaUniversal = 0;
    int anoPessoal = 0, mesPessoal = 0, diaPessoal = 0;
    InicioAnoPessoal inicioAnoPessoal = InicioAnoPessoal::Janeiro; // the rule they follow

    int expressao = 0, impulsoDaAlma = 0, euSilencioso = 0;
    QChar primeiraVogal;         // null when the name has no vowel
    int primeiraVogalCodigo = 0; // A 1, E 2, I 3, O 4, U 5, Y 6; 0 when none
    int caracteristicaDoNome = 0;
    int numeroDaRealidade = 0;
    int signo = 0;

    // The personal year of calendar year Y for this birth date.
    int anoPessoalDe(long long ano) const;
};

// `nome` as typed or already normalised (it is normalised by `regras` first);
// `dataNascimento` is read by position: day in characters 1-2, month 4-5, year 7-10. Every
// sum is reduced as `regras` says, and the personal year, month and day of `hoje` follow its
// start of the personal year (see NumerosDoDia).
NumerosAnalise CalculaNumeros(const QString& nome, const QString& dataNascimento, QDate hoje,
                              const RegrasCalculo& regras);

} // namespace vidalume
