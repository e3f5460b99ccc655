#include "engine/NumerosAnalise.h"

#include "engine/NumerosDoDia.h"
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

// The record of a vowel's text: A 1, E 2, I 3, O 4, U 5, Y 6; 0 for any other letter.
int codigoVogal(const RegrasCalculo& regras, QChar c) {
    return regras.ehVogal(c) ? int(QStringLiteral("AEIOUY").indexOf(c)) + 1 : 0;
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
        // A master number a school keeps counts as the digit it reduces to.
        contadores[RegrasCalculo::reduzDigito(d) + 1] += 1;
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

void calculaData(NumerosAnalise& n, const QString& data, const RegrasCalculo& regras) {
    const auto r = [&regras](long long v) { return regras.reduz(v); };
    n.dia = numeroNaPosicao(data, 0, 2);
    n.mes = numeroNaPosicao(data, 3, 2);
    n.ano = numeroNaPosicao(data, 6, 4);
    n.D = r(n.dia);
    n.M = r(n.mes);
    n.A = r(n.ano);

    n.caminhoDaVida = r(n.M + n.D + n.A);
    n.cicloFormativo = n.M;
    n.cicloProdutivo = n.D;
    n.cicloColheita = n.A;
    n.anoInicioCicloProdutivo = static_cast<int>(anoDeMudanca(n, 27));
    n.anoInicioCicloColheita = static_cast<int>(anoDeMudanca(n, 57));
    n.diaDoNascimento = n.D;
    n.desafioDiaNascimento = std::abs(digitoNaPosicao(data, 0) - digitoNaPosicao(data, 1));
    n.presenteDiaNascimento = 9 - n.desafioDiaNascimento;

    const int p1 = r(n.M + n.D);
    const int p2 = r(n.D + n.A);
    n.realizacoes = {p1, p2, r(p1 + p2), r(n.M + n.A)};
    const int idade2 = 36 - n.caminhoDaVida;
    n.idadesRealizacoes = {idade2, idade2 + 9, idade2 + 18};

    n.desafioMenor1 = std::abs(n.M - n.D);
    n.desafioMenor2 = std::abs(n.D - n.A);
    n.desafioMaior = std::abs(n.desafioMenor1 - n.desafioMenor2);
    n.desafioMenorAdicional = std::abs(n.M - n.A);

    n.saudeRegistro = indicacaoSaude(n);
    n.saudeNumero = r(n.saudeRegistro);
    n.signo = SignoDoNascimento(n.dia, n.mes);
}

void calculaHoje(NumerosAnalise& n, QDate hoje, const RegrasCalculo& regras) {
    const NumerosDoDia d = NumerosDoDia::calcula(n.dia, n.mes, hoje, regras);
    n.anoUniversal = d.anoUniversal;
    n.mesUniversal = d.mesUniversal;
    n.diaUniversal = d.diaUniversal;
    n.anoPessoal = d.anoPessoal;
    n.mesPessoal = d.mesPessoal;
    n.diaPessoal = d.diaPessoal;
    n.inicioAnoPessoal = regras.inicioAnoPessoal();
}

void calculaNome(NumerosAnalise& n, const QString& nome, const RegrasCalculo& regras) {
    n.expressao = regras.somaNome(nome);
    n.impulsoDaAlma = regras.somaVogais(nome);
    n.euSilencioso = regras.somaConsoantes(nome);
    n.numeroDaRealidade = regras.reduz(n.caminhoDaVida + n.expressao);
    long long semEspacos = 0;
    for (QChar c : nome) {
        if (c != u' ') {
            ++semEspacos;
        }
    }
    n.caracteristicaDoNome = regras.reduz(semEspacos);
    for (QChar c : nome) {
        if (const int codigo = codigoVogal(regras, c)) {
            n.primeiraVogal = c;
            n.primeiraVogalCodigo = codigo;
            break;
        }
    }
}

} // namespace

int NumerosAnalise::anoPessoalDe(long long ano) const {
    return RegrasCalculo::anoPessoal(dia, mes, ano);
}

NumerosAnalise CalculaNumeros(const QString& nome, const QString& dataNascimento, QDate hoje,
                              const RegrasCalculo& regras) {
    NumerosAnalise n;
    calculaData(n, dataNascimento, regras);
    calculaHoje(n, hoje, regras);
    calculaNome(n, regras.normalizaNome(nome), regras);
    return n;
}

} // namespace vidalume
