#include "engine/NumerosAnalise.h"

#include "engine/NumerosDoDia.h"
#include "engine/Reducao.h"
#include "engine/Signo.h"

#include <cstdlib>

namespace vidalume {

namespace {

int numeroNaPosicao(const QString& texto, int inicio, int tamanho) {
    bool ok = false;
    const int n = texto.mid(inicio, tamanho).toInt(&ok);
    return ok ? n : 0;
}

int digitoNaPosicao(const QString& texto, int i) {
    if (i >= texto.size()) {
        return 0;
    }
    const QChar c = texto.at(i);
    return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0;
}

// The change-over year near birth year + offset whose personal year is 1.
long long anoDeMudanca(const NumerosAnalise& n, int deslocamento) {
    const long long y = static_cast<long long>(n.ano) + deslocamento;
    const int p = n.anoPessoalDe(y);
    int correcao = 0;
    if (p >= 2 && p <= 4) {
        correcao = 1 - p;
    } else if (p >= 5) {
        correcao = 10 - p;
    }
    return y + correcao;
}

int codigoVogal(QChar c) {
    switch (c.unicode()) {
    case u'A':
        return 1;
    case u'E':
        return 2;
    case u'I':
        return 3;
    case u'O':
        return 4;
    case u'U':
        return 5;
    case u'Y':
        return 6;
    default:
        return 0;
    }
}

// The digit that occurs most among the fifteen birth-date numbers; a tie goes to the
// higher digit. Returned as its counter index (digit + 1).
int indicacaoSaude(const NumerosAnalise& n) {
    const int digitos[15] = {n.caminhoDaVida,
                             n.D,
                             n.M,
                             n.A,
                             n.diaDoNascimento,
                             n.desafioDiaNascimento,
                             n.presenteDiaNascimento,
                             n.realizacoes[0],
                             n.realizacoes[1],
                             n.realizacoes[2],
                             n.realizacoes[3],
                             n.desafioMenor1,
                             n.desafioMenor2,
                             n.desafioMaior,
                             n.desafioMenorAdicional};
    int contadores[11] = {};
    for (int d : digitos) {
        contadores[d + 1] += 1;
    }
    int maximo = 0;
    for (int i = 1; i <= 10; ++i) {
        maximo = std::max(maximo, contadores[i]);
    }
    int escolhido = 0;
    for (int i = 1; i <= 10; ++i) {
        if (contadores[i] == maximo) {
            escolhido = i;
        }
    }
    return escolhido;
}

void calculaData(NumerosAnalise& n, const QString& data) {
    n.dia = numeroNaPosicao(data, 0, 2);
    n.mes = numeroNaPosicao(data, 3, 2);
    n.ano = numeroNaPosicao(data, 6, 4);
    n.D = ReduzNumero(n.dia);
    n.M = ReduzNumero(n.mes);
    n.A = ReduzNumero(n.ano);

    n.caminhoDaVida = ReduzNumero(n.M + n.D + n.A);
    n.cicloFormativo = n.M;
    n.cicloProdutivo = n.D;
    n.cicloColheita = n.A;
    n.anoInicioCicloProdutivo = static_cast<int>(anoDeMudanca(n, 27));
    n.anoInicioCicloColheita = static_cast<int>(anoDeMudanca(n, 57));
    n.diaDoNascimento = n.D;
    n.desafioDiaNascimento = std::abs(digitoNaPosicao(data, 0) - digitoNaPosicao(data, 1));
    n.presenteDiaNascimento = 9 - n.desafioDiaNascimento;

    const int p1 = ReduzNumero(n.M + n.D);
    const int p2 = ReduzNumero(n.D + n.A);
    n.realizacoes = {p1, p2, ReduzNumero(p1 + p2), ReduzNumero(n.M + n.A)};
    const int idade2 = 36 - n.caminhoDaVida;
    n.idadesRealizacoes = {idade2, idade2 + 9, idade2 + 18};

    n.desafioMenor1 = std::abs(n.M - n.D);
    n.desafioMenor2 = std::abs(n.D - n.A);
    n.desafioMaior = std::abs(n.desafioMenor1 - n.desafioMenor2);
    n.desafioMenorAdicional = std::abs(n.M - n.A);

    n.saudeRegistro = indicacaoSaude(n);
    n.saudeNumero = ReduzNumero(n.saudeRegistro);
    n.signo = SignoDoNascimento(n.dia, n.mes);
}

void calculaHoje(NumerosAnalise& n, QDate hoje, InicioAnoPessoal regra) {
    const NumerosDoDia d = NumerosDoDia::calcula(n.dia, n.mes, hoje, regra);
    n.anoUniversal = d.anoUniversal;
    n.mesUniversal = d.mesUniversal;
    n.diaUniversal = d.diaUniversal;
    n.anoPessoal = d.anoPessoal;
    n.mesPessoal = d.mesPessoal;
    n.diaPessoal = d.diaPessoal;
    n.inicioAnoPessoal = regra;
}

void calculaNome(NumerosAnalise& n, const QString& nome) {
    n.expressao = SomaNome(nome);
    n.impulsoDaAlma = SomaVogais(nome);
    n.euSilencioso = SomaConsoantes(nome);
    n.numeroDaRealidade = ReduzNumero(n.caminhoDaVida + n.expressao);
    long long semEspacos = 0;
    for (QChar c : nome) {
        if (c != u' ') {
            ++semEspacos;
        }
    }
    n.caracteristicaDoNome = ReduzNumero(semEspacos);
    for (QChar c : nome) {
        if (const int codigo = codigoVogal(c)) {
            n.primeiraVogal = c;
            n.primeiraVogalCodigo = codigo;
            break;
        }
    }
}

} // namespace

int NumerosAnalise::anoPessoalDe(long long ano) const {
    return ReduzNumero(ReduzNumero(ano) + ReduzNumero(M + D));
}

NumerosAnalise CalculaNumeros(const QString& nome, const QString& dataNascimento, QDate hoje,
                              InicioAnoPessoal regra) {
    NumerosAnalise n;
    calculaData(n, dataNascimento);
    calculaHoje(n, hoje, regra);
    calculaNome(n, nome);
    return n;
}

} // namespace vidalume
