// Checks and normalisation of the typed name and date.
#include "engine/EntradaDados.h"

#include <gtest/gtest.h>

using namespace vidalume;

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

// Every entry's checks, in their order: the date before the name; an empty name refused
// without a message; a character outside Windows-1252 (even one outside the BMP) counts as
// one, and an unrepresentable one is named before the name is judged short; accents typed as
// separate marks join their letters.
TEST(EntradaDados, OrdemDasConferencias) {
    const QString curto = EntradaDados::kMensagemNomeCurto;
    const std::tuple<QString, const char*, bool, bool, QString> casos[] = {
        {QStringLiteral("Ana"), "31/02/2000", false, true, EntradaDados::kMensagemDataInvalida},
        {QString(), "20/08/1978", false, false, QString()},
        {QStringLiteral("AnaS"), "20/08/1978", false, false, curto},
        {QStringLiteral("Ana 😀"), "20/08/1978", false, false, QStringLiteral("😀")},
        {QStringLiteral("Joa\u0303o\u200B A"), "20/08/1978", true, false, QString()}};
    for (const auto& [nome, data, aceita, naData, motivo] : casos) {
        const auto c = EntradaDados::confere(nome, QString::fromLatin1(data));
        EXPECT_EQ(std::tuple(c.aceita, c.naData), std::tuple(aceita, naData)) << nome.toStdString();
        EXPECT_TRUE(motivo.isEmpty() ? c.motivo.isEmpty() : c.motivo.contains(motivo))
            << c.motivo.toStdString();
    }
    EXPECT_EQ(EntradaDados::confere(QStringLiteral("joa\u0303o a"), "1/1/2000").nome,
              QStringLiteral("joão a"));
    EXPECT_EQ(EntradaDados::valida(QStringLiteral("An😀"), "20/08/1978"),
              EntradaDados::Resultado::NomeCurto);
}
