// Checks and normalisation of the typed name and date.
#include "engine/EntradaDados.h"

#include <gtest/gtest.h>

using namespace vidalume;
using R = EntradaDados::Resultado;

TEST(EntradaDados, DatasAceitasNormalizadasERecusadas) {
    const std::pair<const char*, const char*> casos[] = {
        {"31/12/29", "31/12/2029"},   {"1/1/30", "01/01/1930"},     {" 20-08-1978 ", "20/08/1978"},
        {"1978-08-20", "20/08/1978"}, {"29/02/2000", "29/02/2000"}, {"29111978", "29/11/1978"},
        {" 291178 ", "29/11/1978"},   {"010129", "01/01/2029"}};
    for (auto [texto, esperado] : casos) {
        const auto d = EntradaDados::normalizaData(QString::fromUtf8(texto));
        ASSERT_TRUE(d.has_value()) << texto;
        EXPECT_EQ(*d, QString::fromLatin1(esperado)) << texto;
    }

    for (const char* texto :
         {"", "2008197", "20081", "19781129", "29021900", "310278", "29/02/1900", "10/13/2000",
          "01/01/0000", "20/08/78x", "١٢/٠٨/١٩٧٨"}) {
        EXPECT_FALSE(EntradaDados::normalizaData(QString::fromUtf8(texto)).has_value()) << texto;
    }
}

// The date is checked before the name; a character outside Windows-1252 (even one outside
// the BMP) counts as one.
TEST(EntradaDados, OrdemDasConferencias) {
    const std::tuple<QString, const char*, R> casos[] = {
        {QStringLiteral("Ana"), "31/02/2000", R::DataInvalida},
        {QString(), "20/08/1978", R::NomeVazio},
        {QStringLiteral("AnaS"), "20/08/1978", R::NomeCurto},
        {QStringLiteral("Ana 😀"), "20/08/1978", R::Aceito},
        {QStringLiteral("An😀"), "20/08/1978", R::NomeCurto}};
    for (const auto& [nome, data, resultado] : casos) {
        EXPECT_EQ(EntradaDados::valida(nome, QString::fromLatin1(data)), resultado)
            << nome.toStdString();
    }
}
