// Which record each choice of the interpretation editor opens, and that the choices reach
// exactly the records an analysis reads.
#include "EscolhaTexto.h"
#include "TabelaSecoes.h"

#include <gtest/gtest.h>

#include <set>

using namespace vidalume;

namespace {

int registro(int item, int numero) {
    const auto alvo = EscolhaTexto::interpretacao(item, numero);
    return alvo ? alvo->registro : -1;
}

// The records an analysis reads, written out from the numbers each section can take.
std::set<int> registrosLidos(int item) {
    int ultimo = 9;
    if (item == 6 || item == 7 || item == 16) {
        ultimo = 10; // birth-day challenge and gift, health: 0 to 9
    } else if (item == 26) {
        ultimo = 6; // first vowel: codes A 1 to Y 6
    }
    std::set<int> r;
    for (int i = 1; i <= ultimo; ++i) {
        r.insert(i);
    }
    return r;
}

} // namespace

TEST(EscolhaTexto, RegistroDeCadaEscolha) {
    // Birth-day challenge: record = number + 1, while the info line keeps the number.
    const auto desafio = EscolhaTexto::interpretacao(6, 1);
    ASSERT_TRUE(desafio);
    EXPECT_EQ(desafio->arquivo, QStringLiteral("DESNASC.DAT"));
    EXPECT_EQ(desafio->registro, 2);
    EXPECT_EQ(desafio->info, QStringLiteral("Texto referente ao cálculo Desafios do Dia do "
                                            "Nascimento\r\nVocê está alterando a "
                                            "interpretação do número 1"));
    EXPECT_EQ(registro(7, 0), 1); // the gift 0
    EXPECT_EQ(registro(7, 9), 10);
    // Challenges of life: 9 stands for the challenge 0.
    EXPECT_EQ(registro(12, 9), 1);
    EXPECT_EQ(registro(15, 8), 9);
    // The four pinnacles edit one record per number of one file.
    EXPECT_EQ(EscolhaTexto::interpretacao(11, 5)->arquivo, QStringLiteral("APICES.DAT"));
    EXPECT_EQ(registro(8, 5), registro(11, 5));
    // Health: the option of a digit edits that digit's record.
    EXPECT_EQ(registro(16, 0), 1);
    EXPECT_EQ(registro(16, 1), 2);
    EXPECT_EQ(registro(16, 9), 10);
    // First vowel: 7 to 9 open nothing; out of range opens nothing.
    EXPECT_FALSE(EscolhaTexto::interpretacao(26, 7));
    EXPECT_FALSE(EscolhaTexto::interpretacao(29, 1));
    EXPECT_FALSE(EscolhaTexto::interpretacao(1, 10));
}

TEST(EscolhaTexto, AlcancaExatamenteOsRegistrosLidos) {
    for (int item = 1; item <= TabelaSecoes::kTotal; ++item) {
        std::set<int> alcancados;
        for (int numero = 0; numero <= 9; ++numero) {
            const auto alvo = EscolhaTexto::interpretacao(item, numero);
            EXPECT_EQ(bool(alvo), EscolhaTexto::numeroDisponivel(item, numero));
            if (alvo) {
                EXPECT_EQ(alvo->arquivo, TabelaSecoes::arquivo(item));
                EXPECT_TRUE(alcancados.insert(alvo->registro).second)
                    << "two options open one record: item " << item << " número " << numero;
            }
        }
        EXPECT_EQ(alcancados, registrosLidos(item)) << "item " << item;
    }
}

TEST(EscolhaTexto, CabecalhoDoGrupo) {
    const int grupos[] = {0, 1, 2, 2, 2, 3, 0, 0, 4, 4, 4,  4,  5,  5, 5,
                          5, 0, 6, 6, 6, 7, 7, 7, 8, 9, 10, 11, 12, 13};
    for (int item = 1; item <= TabelaSecoes::kTotal; ++item) {
        const auto alvo = EscolhaTexto::cabecalho(item);
        ASSERT_EQ(bool(alvo), grupos[item] != 0) << item;
        if (alvo) {
            EXPECT_EQ(alvo->arquivo, QStringLiteral("CDATA.DAT"));
            EXPECT_EQ(alvo->registro, grupos[item]) << item;
        }
    }
    EXPECT_FALSE(EscolhaTexto::cabecalhoEditavel(QStringLiteral("123456789")));
    EXPECT_TRUE(EscolhaTexto::cabecalhoEditavel(QStringLiteral("1234567890")));
}
