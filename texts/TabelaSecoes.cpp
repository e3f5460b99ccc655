#include "texts/TabelaSecoes.h"

namespace vidalume {

const std::array<SecaoAnalise, TabelaSecoes::kUltima + 1>& TabelaSecoes::secoes() {
    static const std::array<SecaoAnalise, kUltima + 1> tabela = {{
        {u"", u"", "", 0, 0},
        {u"Caminho da Vida", u"Caminho da Vida", "CVIDA", 0, 1},
        {u"Ciclo Formativo", u"Ciclo Formativo", "CFORM", 0, 2},
        {u"Ciclo Produtivo", u"Ciclo Produtivo", "CPROD", 0, 2},
        {u"Ciclo da Colheita", u"Ciclo da Colheita", "CCOLH", 0, 2},
        {u"Vibrações do Dia do Nascimento", u"Vibrações do Dia do Nascimento", "CDNAS", 0, 3},
        {u"Desafios do Dia do Nascimento", u"Desafios do Dia do Nascimento", "DESNASC", 1, 0},
        {u"Presente do Dia do Nascimento", u"Presente do Dia do Nascimento", "PRESNASC", 1, 0},
        {u"Primeira Realização", u"Primeira Realização", "APICES", 0, 4},
        {u"Segunda Realização (=primeira)", u"Segunda Realização", "APICES", 0, 4},
        {u"Terceira Realização (=primeira)", u"Terceira Realização", "APICES", 0, 4},
        {u"Quarta Realização (=primeira)", u"Quarta Realização", "APICES", 0, 4},
        {u"Desafio Maior", u"Desafio Maior", "DESVIDA", 1, 5},
        {u"Primeiro Desafio Menor (=menor)", u"Primeiro Desafio Menor", "DESVIDA", 1, 5},
        {u"Segundo Desafio Menor (=menor)", u"Segundo Desafio Menor", "DESVIDA", 1, 5},
        {u"Desafio Menor Adicional (=menor)", u"Desafio Menor Adicional", "DESVIDA", 1, 5},
        {u"Indicações para a Saúde", u"Indicações para a Saúde", "INDSAUDE", 1, 0},
        {u"Interpretação do Ano Universal", u"Interpretação do Ano Universal", "INTANOUN", 0, 6},
        {u"Interpretação do Mês Universal", u"Interpretação do Mês Universal", "INTMESUN", 0, 6},
        {u"Interpretação do Dia Universal", u"Interpretação do Dia Universal", "INTDIAUN", 0, 6},
        {u"Interpretação do Ano Pessoal", u"Interpretação do Ano Pessoal", "INTANOPS", 0, 7},
        {u"Interpretação do Mês Pessoal", u"Interpretação do Mês Pessoal", "INTMESPS", 0, 7},
        {u"Interpretação do Dia Pessoal", u"Interpretação do Dia Pessoal", "INTDIAPS", 0, 7},
        {u"Número da Expressão", u"Número da Expressão", "INTEXEXP", 0, 8},
        {u"Impulso da Alma", u"Impulso da Alma", "IMPXALMA", 0, 9},
        {u"O Eu Silencioso", u"O Eu Silencioso", "EUXSILEN", 0, 10},
        {u"Interpretação da Primeira Vogal", u"Interpretação da Primeira Vogal", "INTVOG", 0, 11},
        {u"Características do Nome", u"Características do Nome", "INTNOME", 0, 12},
        {u"Número da Realidade", u"Número da Realidade", "INTREALI", 0, 13},
        {u"Mapa das Letras", u"Mapa das Letras", "", 0, 1},
        {u"Lições Cármicas", u"Lições Cármicas", "LICCARM", 0, 2},
        {u"Tendências Ocultas", u"Tendências Ocultas", "TENDOCUL", 0, 3},
        {u"Resposta Subconsciente", u"Resposta Subconsciente", "RESPSUBC", 0, 4},
        {u"Dívidas Cármicas", u"Dívidas Cármicas", "DIVCARM", 0, 5},
        {u"Linha da Vida", u"Linha da Vida", "", 0, 6},
    }};
    return tabela;
}

QString TabelaSecoes::arquivo(int k) {
    if (*secao(k).radical == '\0') {
        return {};
    }
    return QString::fromLatin1(secao(k).radical) + QStringLiteral(".DAT");
}

} // namespace vidalume
