// The rules of printing that need no display: the margin boxes' check, the names of PDF
// files, and the reading of a batch list.
#include "LoteCsv.h"
#include "NomeArquivoPdf.h"
#include "RegraMargem.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace vidalume {
namespace {

using Decisao = RegraMargem::Decisao;
using Lado = RegraMargem::Lado;

TEST(RegraMargemTest, AcceptsUpToAFifthOfTheExtentWithTheLimitsWholePartInTheMessage) {
    const RegraMargem superior(Lado::Superior);
    EXPECT_EQ(superior.confere(QStringLiteral("59.4"), 297), Decisao::Aceita); // equal
    EXPECT_EQ(superior.confere(QStringLiteral("59.41"), 297), Decisao::Recusa);
    EXPECT_EQ(superior.mensagem(297),
              QStringLiteral("A margem superior não pode ser maior que 59mm"));
    const RegraMargem direita(Lado::Direita);
    EXPECT_EQ(direita.confere(QStringLiteral("45"), 200), Decisao::Recusa);
    EXPECT_EQ(direita.mensagem(200),
              QStringLiteral("A margem direita não pode ser maior que 40mm"));
    // Empty, letters only, a number followed by letters, blanks inside, no lower limit.
    for (const char* aceito : {"", "abc", "40mm", "4 0", "-5", "1e1"}) {
        EXPECT_EQ(direita.confere(QString::fromLatin1(aceito), 200), Decisao::Aceita) << aceito;
    }
    EXPECT_EQ(direita.confere(QStringLiteral("4 1"), 200), Decisao::Recusa);
    // A number no margin record can hold is refused, not stored as infinite.
    EXPECT_EQ(direita.confere(QStringLiteral("-1e40"), 200), Decisao::Recusa);
}

TEST(RegraMargemTest, ValuePutBackIsNotCheckedAgainSoAStoredOverLimitValueWarnsOnce) {
    // A box that runs the check on every change, as a text box's change event does.
    RegraMargem regra(Lado::Esquerda);
    QString caixa;
    int mensagens = 0;
    std::function<void(const QString&)> muda = [&](const QString& texto) {
        caixa = texto;
        if (regra.confere(caixa, 148) == Decisao::Recusa) {
            ++mensagens;
            regra.devolve(50, muda); // the stored margin, itself over 29.6
        }
    };
    muda(QStringLiteral("50"));
    EXPECT_EQ(mensagens, 1);
    EXPECT_EQ(caixa, QStringLiteral("50"));
    // Later edits are checked again.
    muda(QStringLiteral("31"));
    EXPECT_EQ(mensagens, 2);
    EXPECT_EQ(regra.confere(QStringLiteral("29"), 148), Decisao::Aceita);
}

TEST(NomeArquivoPdfTest, SafeNamesThatNeverReplaceAFile) {
    EXPECT_EQ(
        NomeArquivoPdf::sugere(QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978")),
        QStringLiteral("MARIA_DA_SILVA_29-11-1978.pdf"));
    EXPECT_EQ(NomeArquivoPdf::sugere(QStringLiteral("../../ETC/PASSWD  *?"),
                                     QStringLiteral("01/02/2003")),
              QStringLiteral("ETC_PASSWD_01-02-2003.pdf"));
    EXPECT_EQ(NomeArquivoPdf::sugere(QStringLiteral("???"), QStringLiteral("01/02/2003")),
              QStringLiteral("ANALISE_01-02-2003.pdf"));
    EXPECT_LE(NomeArquivoPdf::sugere(QString(500, u'A'), QStringLiteral("01/02/2003")).size(), 120);

    QTemporaryDir dir;
    const QString nome = QStringLiteral("A_01-02-2003.pdf");
    EXPECT_EQ(NomeArquivoPdf::livre(dir.path(), nome), dir.filePath(nome));
    for (const QString& existe : {nome, QStringLiteral("A_01-02-2003 (2).pdf")}) {
        QFile f(dir.filePath(existe));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(NomeArquivoPdf::livre(dir.path(), nome),
              dir.filePath(QStringLiteral("A_01-02-2003 (3).pdf")));
}

TEST(LoteCsvTest, DecodesUtf8OrWindows1252) {
    EXPECT_EQ(LoteCsv::decodifica("\xEF\xBB\xBFJo\xC3\xA3o"), QStringLiteral("João"));
    EXPECT_EQ(LoteCsv::decodifica("Jo\xE3o \x80"), QStringLiteral("João €"));
    EXPECT_EQ(LoteCsv::decodifica("Joao"), QStringLiteral("Joao"));
}

TEST(LoteCsvTest, LinesWithTheirNumbersHeaderAndBlankLinesLeftOut) {
    const QList<LinhaLote> l = LoteCsv::linhas(
        QStringLiteral("nome;nascimento\r\n\r\n Ana Maria ; 01/02/2003 ;;\rSó um campo\n"
                       "\"Silva; Souza\";\"1/1/1990\"\n\"Dito \"\"Zé\"\"\";2/2/1992\na;b;c\n"));
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[0].numero, 3);
    EXPECT_EQ(l[0].nome, QStringLiteral("Ana Maria"));
    EXPECT_EQ(l[0].nascimento, QStringLiteral("01/02/2003"));
    EXPECT_TRUE(l[0].erro.isEmpty());
    EXPECT_EQ(l[1].numero, 4);
    EXPECT_FALSE(l[1].erro.isEmpty());
    EXPECT_EQ(l[2].nome, QStringLiteral("Silva; Souza"));
    EXPECT_EQ(l[2].nascimento, QStringLiteral("1/1/1990"));
    EXPECT_EQ(l[3].nome, QStringLiteral("Dito \"Zé\""));
    EXPECT_EQ(l[4].numero, 7);
    EXPECT_FALSE(l[4].erro.isEmpty());
    // A first line with a digit is a person, not a header.
    EXPECT_EQ(LoteCsv::linhas(QStringLiteral("Ana Maria;01/02/2003")).size(), 1);
}

} // namespace
} // namespace vidalume
