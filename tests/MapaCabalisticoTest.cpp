// The cabalística school: letter values with marks, masters kept, and every number of the
// map against maps worked by hand.
#include "engine/MapaCabalistico.h"
#include "composer/EstudoNomes.h"
#include "engine/MapaLetras.h"

#include <gtest/gtest.h>

using namespace vidalume;
using Origem = MapaCabalistico::OrigemDivida;

namespace {

const RegrasCalculo kCabalistica = RegrasCalculo::de(EscolaCalculo::Cabalistica);

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

MapaCabalistico mapa(const char* nome, const char* data,
                     const RegrasCalculo& regras = kCabalistica) {
    return CalculaMapaCabalistico(u8(nome), QString::fromLatin1(data), QDate(2026, 12, 7), regras,
                                  TabelaHarmonia::padrao());
}

} // namespace

TEST(RegrasCabalisticas, LetrasSinaisEReducao) {
    // The base table and each mark, typed composed or in lower case.
    const std::pair<const char*, int> casos[] = {
        {"A", 1}, {"Y", 1}, {"Q", 1}, {"B", 2}, {"G", 3}, {"M", 4}, {"H", 5}, {"N", 5},
        {"X", 6}, {"W", 6}, {"O", 7}, {"Z", 7}, {"F", 8}, {"P", 8}, {"Ç", 6}, {"ç", 6},
        {"É", 7}, {"Ó", 9}, {"Ã", 4}, {"Õ", 1}, {"Ê", 3}, {"Ô", 5}, {"À", 2}, {"Ü", 3},
        {"Ñ", 8}, {"È", 1}, {"á", 3}, {"-", 0}, {"7", 0}, {"'", 0}};
    for (auto [letra, valor] : casos) {
        const QString n = kCabalistica.normalizaNome(u8(letra));
        ASSERT_EQ(n.size(), 1) << letra;
        EXPECT_EQ(kCabalistica.valorLetra(n.at(0)), valor) << letra;
    }
    EXPECT_TRUE(kCabalistica.ehVogal(u8("Ý").at(0)));
    EXPECT_FALSE(kCabalistica.ehVogal(u'Ç'));
    // E + combining acute reads as É.
    EXPECT_EQ(kCabalistica.normalizaNome(u8("Jose\u0301")), u8("JOSÉ"));
    // 11 and 22 are kept; every other total goes down to one digit.
    EXPECT_EQ(kCabalistica.reduz(29), 11);
    EXPECT_EQ(kCabalistica.reduz(1984), 22);
    EXPECT_EQ(kCabalistica.reduz(39), 3);
    EXPECT_EQ(RegrasCalculo::reduzDigito(29), 2);
    const VariantesCabalistica x4{VariantesCabalistica::Dividas::PeloNumeroFinal, 36, 4, 9};
    EXPECT_EQ(RegrasCalculo::de(EscolaCalculo::Cabalistica, {}, 4, x4).valorLetra(u'X'), 4);
}

TEST(MapaCabalistico, ExemploTrabalhadoAMao) {
    const MapaCabalistico m = mapa("André Luiz Xavier de Macedo", "28/07/1984");
    EXPECT_EQ(std::tuple(m.motivacao, m.impressao, m.expressao, m.destino, m.missao,
                         m.numeroPsiquico, m.talentoOculto),
              std::tuple(4, 5, 9, 3, 3, 1, 4));
    EXPECT_EQ(m.licoesCarmicas, (QList<int>{8, 9}));
    EXPECT_EQ(m.tendenciasOcultas, (QList<int>{1, 4, 5}));
    EXPECT_EQ(m.respostaSubconsciente, 7);
    EXPECT_EQ(m.dividas, (QList<MapaCabalistico::Divida>{{13, Origem::Motivacao, true}}));
    EXPECT_EQ(m.ciclos, (std::array<int, 3>{7, 1, 22}));
    EXPECT_EQ(m.fimCiclos, (std::array<int, 2>{33, 60}));
    EXPECT_EQ(m.momentos, (std::array<int, 4>{8, 5, 4, 11}));
    EXPECT_EQ(m.fimMomentos, (std::array<int, 3>{33, 42, 51}));
    EXPECT_EQ(m.desafios, (std::array<int, 3>{6, 3, 3}));
    EXPECT_EQ(m.harmonia, Harmonia::Neutra);
    ASSERT_EQ(m.letras.size(), 23);
    EXPECT_EQ(m.letras[4], (MapaCabalistico::Letra{u8("É").at(0), 7, true}));
}

TEST(MapaCabalistico, DestinoMestreDividasEVariantes) {
    // 09/09/2000 -> 20 -> 2; 11/11/1971: 1+1+1+1+1+9+7+1 = 22, kept.
    EXPECT_EQ(mapa("ANA", "09/09/2000").destino, 2);
    const MapaCabalistico mestre = mapa("ANA", "11/11/1971");
    EXPECT_EQ(mestre.destino, 22);
    EXPECT_EQ(mestre.ciclos[0], 11);
    // 02/09/1980 -> 29 -> 11, kept: no debt, and the first cycle ends at 36 - R(11) = 34.
    const MapaCabalistico onze = mapa("ANNA", "02/09/1980");
    EXPECT_EQ(onze.destino, 11);
    EXPECT_TRUE(onze.dividas.isEmpty());
    EXPECT_EQ(onze.fimCiclos[0], 34);
    // Day 13 is a fixed debt, found first.
    const MapaCabalistico dia13 = mapa("ANA", "13/03/2000");
    ASSERT_FALSE(dia13.dividas.isEmpty());
    EXPECT_EQ(dia13.dividas.first(), (MapaCabalistico::Divida{13, Origem::DiaNatalicio, false}));
    // Destino 1 -> 19, fixed: 01/01/2006 = 1+1+2+6 = 10 -> 1.
    const MapaCabalistico d19 = mapa("BBB", "01/01/2006");
    EXPECT_TRUE(d19.dividas.contains(MapaCabalistico::Divida{19, Origem::Destino, false}));
    // The same date with the sums variant: 10 holds no debt on the way.
    const RegrasCalculo somas = RegrasCalculo::de(
        EscolaCalculo::Cabalistica, {}, 4, {VariantesCabalistica::Dividas::PelasSomas, 37, 6, 8});
    const MapaCabalistico s = mapa("BBB", "01/01/2006", somas);
    EXPECT_TRUE(s.dividas.isEmpty());
    // 37 - Destino, and lessons from 1 to 8 only.
    EXPECT_EQ(s.fimCiclos[0], 37 - 1);
    EXPECT_FALSE(s.licoesCarmicas.contains(9));
    EXPECT_EQ(s.respostaSubconsciente, 9 - int(s.licoesCarmicas.size()));

    // 14 and 16 by the final number: EB has vowels 5 and letters 7, 01/01/2003 adds up to 7.
    using D = MapaCabalistico::Divida;
    EXPECT_EQ(mapa("EB", "01/01/2003").dividas, (QList<D>{{16, Origem::Destino, false},
                                                          {14, Origem::Motivacao, true},
                                                          {16, Origem::Expressao, true}}));
    // By the sums those totals are single digits and hold none; BOO (vowels 14, letters 16)
    // born 05/01/2006 (14) meets them on the way.
    EXPECT_TRUE(mapa("EB", "01/01/2003", somas).dividas.isEmpty());
    EXPECT_EQ(mapa("BOO", "05/01/2006", somas).dividas, (QList<D>{{14, Origem::Destino, false},
                                                                  {14, Origem::Motivacao, true},
                                                                  {16, Origem::Expressao, true}}));
}

TEST(MapaCabalistico, NomeSemVogaisENomeComMestres) {
    const MapaCabalistico semVogais = mapa("BRR KST", "01/02/1990");
    EXPECT_EQ(semVogais.motivacao, 0);
    EXPECT_GT(semVogais.impressao, 0);
    // Letters adding up to 29 keep 11; the letter chart carries the same values.
    const MapaCabalistico onze = mapa("FFFG HH", "01/02/1990"); // 8+8+8+3 + 5+5 = 37 -> 10 -> 1
    EXPECT_EQ(onze.expressao, 1);
    const MapaCabalistico mestre = mapa("OOOO A", "01/02/1990"); // 28 + 1 = 29 -> 11
    EXPECT_EQ(mestre.expressao, 11);
    EXPECT_EQ(mestre.talentoOculto, RegrasCalculo::reduzDigito(mestre.motivacao + 11));
    const MapaLetras quadro = MontaMapaLetras(u8("Ôa"), kCabalistica);
    EXPECT_EQ(quadro.palavras[0][0], (LetraMapa{u8("Ô").at(0), 5, LetraMapa::Tipo::Vogal}));
}

TEST(TabelaHarmonia, TabelaEntregueEMascaras) {
    const TabelaHarmonia t = TabelaHarmonia::padrao();
    EXPECT_EQ(t.verdicto(1, 3), Harmonia::Favoravel);
    EXPECT_EQ(t.verdicto(1, 6), Harmonia::Desfavoravel);
    EXPECT_EQ(t.verdicto(1, 2), Harmonia::Neutra);
    EXPECT_EQ(t.verdicto(22, 11), Harmonia::Neutra);
    EXPECT_EQ(t.verdicto(22, 22), Harmonia::Favoravel);
    EXPECT_EQ(t.verdicto(11, 8), Harmonia::Desfavoravel);
    EXPECT_EQ(t.verdicto(0, 3), Harmonia::Neutra);
    TabelaHarmonia copia;
    for (int d : TabelaHarmonia::kNumeros) {
        const auto m = t.mascaras(d);
        copia.defineMascaras(d, m[0], m[1]);
    }
    EXPECT_EQ(copia, t);
}

TEST(MapaCabalistico, EstudoDeNomesPelaEscola) {
    // Destino 3 (28/07/1984): Expressão 9 is neutral, 5 favourable in the shipped table.
    const EstudoNomes e =
        EstudoNomes::calcula(QStringLiteral("28/07/1984"),
                             {u8("André Luiz Xavier de Macedo"), u8("Ana Luz")}, kCabalistica);
    EXPECT_EQ(e.caminhoDaVida, 3);
    ASSERT_EQ(e.candidatos.size(), 2);
    EXPECT_EQ(std::tuple(e.candidatos[0].expressao, e.candidatos[0].harmonia),
              std::tuple(9, false));
    // ANA LUZ: 1+5+1 + 3+6+7 = 23 -> 5, favourable for Destino 3.
    EXPECT_EQ(std::tuple(e.candidatos[1].expressao, e.candidatos[1].harmonia), std::tuple(5, true));
    EXPECT_EQ(e.rotulos().numeroData, QStringLiteral("Destino"));

    // ROSA MARIA: 2+7+3+1 + 4+1+2+1+1 = 22, kept, and read from the school's master texts.
    const ArquivoInterpretacao arquivos(QStringLiteral(VIDALUME_DADOS_TESTE));
    const EstudoNomes mestre = EstudoNomes::compoe(QStringLiteral("28/07/1984"), {u8("Rosa Maria")},
                                                   arquivos, kCabalistica);
    EXPECT_EQ(mestre.candidatos[0].expressao, 22);
    EXPECT_TRUE(mestre.candidatos[0].textoExpressao.startsWith(u8("A Expressão 22")));
}
