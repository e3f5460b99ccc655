// Checks and normalisation of the typed name and date.
#include "EntradaDados.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

using namespace vidalume;
using R = EntradaDados::Resultado;

TEST(EntradaDados, NormalizaNome) {
    EXPECT_EQ(EntradaDados::normalizaNome(QStringLiteral("maria josé da conceição")),
              QStringLiteral("MARIA JOSE DA CONCEICAO"));
    EXPECT_EQ(EntradaDados::normalizaNome(QStringLiteral("João d'Ávila")),
              QStringLiteral("JOAO D'AVILA"));
    EXPECT_EQ(EntradaDados::normalizaNome(QStringLiteral("àâãéêíîïóôõúûüç")),
              QStringLiteral("AAAEEIIIOOOUUUC"));
    // Accented capitals outside the table stay as they are.
    EXPECT_EQ(EntradaDados::normalizaNome(QStringLiteral("èìòùëöäñ ß ÿ")),
              QStringLiteral("ÈÌÒÙËÖÄÑ ß Ÿ"));
    EXPECT_EQ(EntradaDados::normalizaNome(QStringLiteral("ana-2 ?")), QStringLiteral("ANA-2 ?"));
}

TEST(EntradaDados, DatasAceitasENormalizadas) {
    const std::pair<const char*, const char*> casos[] = {
        {"20/08/78", "20/08/1978"},   {"20/8/78", "20/08/1978"},      {"1/1/30", "01/01/1930"},
        {"31/12/29", "31/12/2029"},   {"05/05/00", "05/05/2000"},     {"20-08-1978", "20/08/1978"},
        {"20.08.1978", "20/08/1978"}, {" 20/08/1978 ", "20/08/1978"}, {"29/02/2000", "29/02/2000"},
        {"1978-08-20", "20/08/1978"}, {"01/01/0005", "01/01/0005"},   {"31/12/9999", "31/12/9999"},
        {"7/7/7", "07/07/2007"}};
    for (auto [texto, esperado] : casos) {
        const auto d = EntradaDados::normalizaData(QString::fromUtf8(texto));
        ASSERT_TRUE(d.has_value()) << texto;
        EXPECT_EQ(*d, QString::fromLatin1(esperado)) << texto;
    }
}

TEST(EntradaDados, DatasRecusadas) {
    for (const char* texto : {"", "20081978", "29111978", "20/08", "31/02/2000", "29/02/1900",
                              "32/01/2000", "00/01/2000", "10/13/2000", "01/01/0000", "20/08/78x",
                              "abc", "20//08/1978", "١٢/٠٨/١٩٧٨", "20/08/19785"}) {
        EXPECT_FALSE(EntradaDados::normalizaData(QString::fromUtf8(texto)).has_value()) << texto;
    }
}

TEST(EntradaDados, OrdemDasConferencias) {
    EXPECT_EQ(EntradaDados::valida(QStringLiteral("Ana"), QStringLiteral("31/02/2000")),
              R::DataInvalida);
    EXPECT_EQ(EntradaDados::valida(QString(), QStringLiteral("20/08/1978")), R::NomeVazio);
    EXPECT_EQ(EntradaDados::valida(QStringLiteral("     "), QStringLiteral("20/08/1978")),
              R::NomeVazio);
    EXPECT_EQ(EntradaDados::valida(QStringLiteral("Ana S"), QStringLiteral("20/08/1978")),
              R::Aceito);
    EXPECT_EQ(EntradaDados::valida(QStringLiteral("AnaS"), QStringLiteral("20/08/1978")),
              R::NomeCurto);
    // A character outside Windows-1252 (even one outside the BMP) counts as one.
    EXPECT_EQ(EntradaDados::valida(QStringLiteral("Ana 😀"), QStringLiteral("20/08/1978")),
              R::Aceito);
    EXPECT_EQ(EntradaDados::valida(QStringLiteral("An😀"), QStringLiteral("20/08/1978")),
              R::NomeCurto);
}

TEST(Windows1252, IdaEVoltaDeTodosOsBytes) {
    QByteArray todos;
    for (int i = 0; i < 256; ++i) {
        todos.append(char(i));
    }
    const QString texto = Windows1252::decodifica(todos);
    EXPECT_EQ(texto.size(), 256);
    EXPECT_EQ(Windows1252::codifica(texto), todos);
    EXPECT_EQ(texto.at(0x80), QChar(0x20AC));
    EXPECT_EQ(Windows1252::codifica(QStringLiteral("ação € ł 😀 ok")),
              QByteArray("a\xe7\xe3o \x80 ? ? ok"));
    EXPECT_EQ(Windows1252::restringe(QStringLiteral("Zoë ł😀")), QStringLiteral("Zoë ??"));
}
