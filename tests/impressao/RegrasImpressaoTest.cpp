// The rules of printing that need no display: the margin boxes' check, the names of PDF
// files, and the reading of a batch list.
#include "clients/LoteCsv.h"
#include "printing/NomeArquivoPdf.h"
#include "printing/RegraMargem.h"

#include <QBuffer>

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
    // A name that keeps its marks (the cabalística school's) names the file as without them.
    EXPECT_EQ(NomeArquivoPdf::sugere(QStringLiteral("ANDRÉ CONCEIÇÃO MÜLLER"), data),
              QStringLiteral("ANDRE_CONCEICAO_MULLER_01-02-2003.pdf"));
    EXPECT_LE(NomeArquivoPdf::sugere(QString(500, u'A'), data).size(), 120);
}

// "number|name|date" for a row read, "number|reason" for a row refused.
QStringList lidas(const QByteArray& bytes) {
    QBuffer entrada;
    entrada.setData(bytes);
    entrada.open(QIODevice::ReadOnly);
    QStringList r;
    LinhaLote l;
    for (LoteCsv leitor(entrada); leitor.proxima(l);) {
        r << (l.erro.isEmpty() ? QStringLiteral("%1|%2|%3").arg(l.numero).arg(l.nome, l.nascimento)
                               : QStringLiteral("%1|%2").arg(l.numero).arg(l.erro));
    }
    return r;
}

TEST(LoteCsvTest, ReadsEveryEncodingAndLineEndWithLineNumbersLeavingOutHeaderAndBlankLines) {
    const QStringList esperado{"3|Ana Maria|01/02/2003", "4|José Araújo|5/3/1961",
                               "5|Silva; Souza|1/1/1990", "6|Dito \"Zé\"|2/2/1992"};
    const QString texto = QStringLiteral("nome;nascimento\r\n\r\n Ana Maria ; 01/02/2003 ;;\r"
                                         "José Araújo;5/3/1961\n\"Silva; Souza\";\"1/1/1990\"\n"
                                         "\"Dito \"\"Zé\"\"\";2/2/1992\n");
    const QByteArray utf8 = texto.toUtf8();
    QByteArray utf16le("\xFF\xFE", 2), utf16be("\xFE\xFF", 2);
    for (const QChar c : texto) {
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    EXPECT_EQ(lidas(utf8), esperado);
    EXPECT_EQ(lidas("\xEF\xBB\xBF" + utf8), esperado);
    EXPECT_EQ(lidas(texto.toLatin1()), esperado); // Windows-1252
    EXPECT_EQ(lidas(utf16le), esperado);
    EXPECT_EQ(lidas(utf16be), esperado);
    EXPECT_EQ(lidas(""), QStringList());
    EXPECT_EQ(lidas("nome;nascimento\n\n"), QStringList());
}

TEST(LoteCsvTest, EveryRefusedRowSaysItsOwnReason) {
    const QStringList r = lidas("Ana;1/1/1990\n"
                                ";\n"
                                "Bia Lima\n"
                                "3/4/1985\n"
                                "Caio Reis;\n"
                                ";3/4/1985\n"
                                "3/4/1985;Davi Souza\n"
                                "a;b;c\n" +
                                QByteArray(201, 'N') + ";1/1/1990\n" + QByteArray(100000, 'X') +
                                ";1/1/1990\n"
                                "\"Eva\nLopes\";1/1/1990\n"
                                "Fabio Dias;2/2/1992\n");
    const QStringList esperado{
        "1|Ana|1/1/1990", "2|a linha está vazia.",
        "3|falta a data de nascimento (separe o nome e a data com \";\").",
        "4|falta o nome (separe o nome e a data com \";\").", "5|falta a data de nascimento.",
        "6|falta o nome.", "7|as colunas estão trocadas: a data de nascimento vem antes do nome.",
        "8|a linha traz mais campos que o nome e a data de nascimento.",
        "9|o nome tem mais de 200 caracteres.",
        "10|a linha é longa demais; o nome pode ter no máximo 200 caracteres.",
        // A quoted line break is one refused row, never a second one.
        "11|um campo entre aspas atravessa o fim da linha; cada pessoa deve ocupar uma só linha.",
        "13|Fabio Dias|2/2/1992"};
    EXPECT_EQ(r, esperado);
}

} // namespace
} // namespace vidalume
