#include "texts/EscolhaTexto.h"

#include "texts/TabelaSecoes.h"

#include <cstring>

namespace vidalume {

namespace {

bool itemValido(int item) {
    return item >= 1 && item <= TabelaSecoes::kTotal;
}

bool radicalE(int item, const char* radical) {
    return std::strcmp(TabelaSecoes::secao(item).radical, radical) == 0;
}

// The four challenges of life use the numbers 0 to 8; the option 9 stands for the challenge
// 0, whose text is record 1.
bool desafioDaVida(int item) {
    return radicalE(item, "DESVIDA");
}

// The first-vowel file holds one record per vowel code, A 1 to Y 6.
bool primeiraVogal(int item) {
    return radicalE(item, "INTVOG");
}
constexpr int kMaiorCodigoVogal = 6;

} // namespace

const QString EscolhaTexto::kSemCabecalho = QStringLiteral(
    "Desculpe mas não há cabeçalho referente ao item selecionado. Impossível continuar.");

bool EscolhaTexto::numeroDisponivel(int item, int numero) {
    if (!itemValido(item) || numero < kMenorNumero || numero > kMaiorNumero) {
        return false;
    }
    if (numero == 0) {
        // Sections whose records start at the number 0 (record = number + 1), except the
        // challenges of life, which reach their 0 through the option 9.
        return TabelaSecoes::secao(item).deslocamentoRegistro == 1 && !desafioDaVida(item);
    }
    if (primeiraVogal(item)) {
        return numero <= kMaiorCodigoVogal;
    }
    return true;
}

int EscolhaTexto::registro(int item, int numero) {
    if (desafioDaVida(item) && numero == kMaiorNumero) {
        return 1;
    }
    return numero + TabelaSecoes::secao(item).deslocamentoRegistro;
}

std::optional<TextoEscolhido> EscolhaTexto::interpretacao(int item, int numero) {
    if (!numeroDisponivel(item, numero)) {
        return std::nullopt;
    }
    const QString titulo = QString::fromUtf16(TabelaSecoes::secao(item).titulo);
    return TextoEscolhido{
        TabelaSecoes::arquivo(item),
        registro(item, numero),
        QStringLiteral("Texto referente ao cálculo ") + titulo +
            QStringLiteral("\r\nVocê está alterando a interpretação do número ") +
            QString::number(numero),
    };
}

std::optional<TextoEscolhido> EscolhaTexto::cabecalho(int item) {
    if (!itemValido(item) || TabelaSecoes::secao(item).grupoExplicacao == 0) {
        return std::nullopt;
    }
    const SecaoAnalise& secao = TabelaSecoes::secao(item);
    return TextoEscolhido{
        TabelaSecoes::kArquivoExplicacoes,
        secao.grupoExplicacao,
        QStringLiteral("Texto referente ao cabeçalho do cálculo ") +
            QString::fromUtf16(secao.titulo),
    };
}

} // namespace vidalume
