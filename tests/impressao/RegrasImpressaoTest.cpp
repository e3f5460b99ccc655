// The rules of printing that need no display: the margin boxes' check, the names of PDF
// files, and the reading of a batch list.
#include "LoteCsv.h"
#include "NomeArquivoPdf.h"
#include "RegraMargem.h"

#include <gtest/gtest.h>

namespace vidalume {
namespace {

using Decisao = RegraMargem::Decisao;

TEST(RegraMargemTest, AcceptsUpToAFifthOfTheExtentWithTheLimitsWholePartInTheMessage) {
    const RegraMargem superior(RegraMargem::Lado::Superior);
    EXPECT_EQ(superior.confere(QStringLiteral("59.4"), 297), Decisao::Aceita); // equal
    EXPECT_EQ(superior.confere(QStringLiteral("59.41"), 297), Decisao::Recusa);
    EXPECT_EQ(superior.mensagem(297),
              QStringLiteral("A margem superior não pode ser maior que 59mm"));
    const RegraMargem direita(RegraMargem::Lado::Direita);
    // Empty, a number followed by letters, blanks inside, no lower limit.
    for (const char* aceito : {"", "40mm", "4 0", "-5"}) {
        EXPECT_EQ(direita.confere(QString::fromLatin1(aceito), 200), Decisao::Aceita) << aceito;
    }
    EXPECT_EQ(direita.confere(QStringLiteral("4 1"), 200), Decisao::Recusa);
    // A number no margin record can hold is refused, not stored as infinite.
    EXPECT_EQ(direita.confere(QStringLiteral("-1e40"), 200), Decisao::Recusa);
}

TEST(NomeArquivoPdfTest, SafeNamesFromTheNameAndTheDate) {
    const QString data = QStringLiteral("01/02/2003");
    EXPECT_EQ(
        NomeArquivoPdf::sugere(QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978")),
        QStringLiteral("MARIA_DA_SILVA_29-11-1978.pdf"));
    EXPECT_EQ(NomeArquivoPdf::sugere(QStringLiteral("../../ETC/PASSWD  *?"), data),
              QStringLiteral("ETC_PASSWD_01-02-2003.pdf"));
    EXPECT_LE(NomeArquivoPdf::sugere(QString(500, u'A'), data).size(), 120);
}

TEST(LoteCsvTest, DecodesAndReadsLinesWithTheirNumbersLeavingOutHeaderAndBlankLines) {
    EXPECT_EQ(LoteCsv::decodifica("\xEF\xBB\xBFJo\xC3\xA3o"), QStringLiteral("João"));
    EXPECT_EQ(LoteCsv::decodifica("Jo\xE3o \x80"), QStringLiteral("João €"));

    QStringList lidas; // "number|name|date", or "number|erro" for a line that cannot be read
    for (const LinhaLote& l : LoteCsv::linhas(QStringLiteral(
             "nome;nascimento\r\n\r\n Ana Maria ; 01/02/2003 ;;\rSó um campo\n"
             "\"Silva; Souza\";\"1/1/1990\"\n\"Dito \"\"Zé\"\"\";2/2/1992\na;b;c\n"))) {
        lidas << (l.erro.isEmpty()
                      ? QStringLiteral("%1|%2|%3").arg(l.numero).arg(l.nome, l.nascimento)
                      : QStringLiteral("%1|erro").arg(l.numero));
    }
    EXPECT_EQ(lidas, QStringList({"3|Ana Maria|01/02/2003", "4|erro", "5|Silva; Souza|1/1/1990",
                                  "6|Dito \"Zé\"|2/2/1992", "7|erro"}));
}

} // namespace
} // namespace vidalume
