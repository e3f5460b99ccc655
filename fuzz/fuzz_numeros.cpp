// The numbers of any name and any valid date: every number lies in its range and the
// change-over years have personal year 1.
#include "engine/EntradaDados.h"
#include "engine/NumerosAnalise.h"
#include "engine/Windows1252.h"

#include <cstdlib>

using namespace vidalume;

namespace {
void confere(bool ok) {
    if (!ok) {
        std::abort();
    }
}
bool digito(int v) {
    return v >= 0 && v <= 9;
}
bool umANove(int v) {
    return v >= 1 && v <= 9;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    if (tamanho < 8) {
        return 0;
    }
    const int dia = 1 + dados[0] % 31, mes = 1 + dados[1] % 12;
    const int ano = 1 + (dados[2] | (dados[3] << 8)) % 9999;
    const QDate nascimento(ano, mes, dia);
    const QDate hoje(1 + (dados[4] | (dados[5] << 8)) % 9999, 1 + dados[6] % 12, 1 + dados[7] % 28);
    if (!nascimento.isValid() || !hoje.isValid()) {
        return 0;
    }
    const RegrasCalculo regras = RegrasCalculo::pitagorica();
    const QString nome = regras.normalizaNome(Windows1252::restringe(
        QString::fromUtf8(reinterpret_cast<const char*>(dados + 8), int(tamanho - 8))));
    const auto n = CalculaNumeros(nome, EntradaDados::formataData(nascimento), hoje, regras);
    for (int v : {n.caminhoDaVida, n.cicloFormativo, n.cicloProdutivo, n.cicloColheita,
                  n.diaDoNascimento, n.realizacoes[0], n.realizacoes[1], n.realizacoes[2],
                  n.realizacoes[3], n.anoUniversal, n.mesUniversal, n.diaUniversal, n.anoPessoal,
                  n.mesPessoal, n.diaPessoal, n.saudeNumero}) {
        confere(umANove(v));
    }
    for (int v : {n.desafioDiaNascimento, n.presenteDiaNascimento, n.expressao, n.impulsoDaAlma,
                  n.euSilencioso, n.caracteristicaDoNome, n.numeroDaRealidade}) {
        confere(digito(v));
    }
    for (int v : {n.desafioMenor1, n.desafioMenor2, n.desafioMaior, n.desafioMenorAdicional}) {
        confere(v >= 0 && v <= 8);
    }
    confere(n.saudeRegistro >= 1 && n.saudeRegistro <= 10);
    confere(n.primeiraVogalCodigo >= 0 && n.primeiraVogalCodigo <= 6);
    confere(n.signo >= 1 && n.signo <= 12);
    confere(n.anoPessoalDe(n.anoInicioCicloProdutivo) == 1);
    confere(n.anoPessoalDe(n.anoInicioCicloColheita) == 1);
    confere(n.idadesRealizacoes[0] == 36 - n.caminhoDaVida);
    return 0;
}
