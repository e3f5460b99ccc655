// "pdf" and "lote" of the command-line tool as scripts use them: without a display, reading
// the program folder only (its margins place the text column), the cover first, one PDF per
// good line and a report of the bad ones.
#include "AmbienteImpressao.h"
#include "Margens.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

namespace vidalume::teste {
namespace {

TEST(CliPdfTest, PdfWithTheFolderSettingsAndNothingWrittenThere) {
    PastaPrograma pasta;
    ASSERT_TRUE((Margens{25, 12, 15, 8}).GravaMargens(pasta.caminho())); // left, top, right, bottom
    const auto antes = retrato(pasta.caminho());
    QTemporaryDir saida;
    const QStringList pessoa = {"--nome",     "Maria da Silva", "--nascimento",
                                "29/11/1978", "--pasta",        pasta.caminho()};
    const QString capa = saida.filePath(QStringLiteral("capa.pdf"));
    const Saida s =
        executaCli(QStringList{"pdf", "--saida", capa, "--capa", "--colorido"} + pessoa);
    ASSERT_EQ(s.codigo, 0) << s.err.toStdString();
    EXPECT_EQ(retrato(pasta.caminho()), antes);
    const PdfLido pdf(capa);
    ASSERT_GT(pdf.paginas().size(), 2);
    EXPECT_EQ(pdf.paginas()[0].palavras.size(), 2); // the cover holds the title alone
    EXPECT_TRUE(pdf.paginas()[1].contem(kNome));
    EXPECT_GT(pixelsColoridos(pdf.imagem(2)), 50); // the dialog's test prints the grey mode
    // Between the header bar (top + 25) and the footer bar (297 - bottom - 12), every word
    // lies within left + 2 and 210 - right - 2, and many lines touch both edges.
    const double esquerda = 25 + 2, direita = 210 - 15 - 2;
    int naEsquerda = 0, naDireita = 0;
    for (int n = 1; n < pdf.paginas().size(); ++n) {
        for (const PalavraPdf& w : pdf.paginas()[n].palavras) {
            if (w.yMin > 12 + 25 && w.yMax < 297 - 8 - 12) {
                EXPECT_GE(w.xMin, esquerda - 0.05) << w.texto.toStdString() << " page " << n;
                EXPECT_LE(w.xMax, direita + 0.05) << w.texto.toStdString() << " page " << n;
                naEsquerda += std::abs(w.xMin - esquerda) < 0.05;
                naDireita += std::abs(w.xMax - direita) < 0.05;
            }
        }
    }
    EXPECT_GT(naEsquerda, 100);
    EXPECT_GT(naDireita, 100);

    Saida erro =
        executaCli(QStringList{"pdf", "--saida", saida.filePath("nao/existe/x.pdf")} + pessoa);
    EXPECT_EQ(erro.codigo, 1);
    EXPECT_TRUE(erro.err.contains(QStringLiteral("Não foi possível gravar o arquivo")));
    // The commands that draw nothing never start a display connection.
    erro = executaCli({"numeros", "--nome", "Maria da Silva", "--nascimento", "29/11/1978"},
                      QStringLiteral("plataforma-inexistente"));
    EXPECT_EQ(erro.codigo, 0) << erro.err.toStdString();
}

TEST(CliPdfTest, BatchMakesOnePdfPerGoodLineAndReportsTheBadOnes) {
    PastaPrograma pasta;
    PastaPrograma saida; // holds the lists and the folders of PDFs
    const QString pdfs = saida.arquivo(QStringLiteral("pdfs"));
    QDir().mkpath(pdfs);
    const QString existente = QStringLiteral("pdfs/MARIA_DA_SILVA_29-11-1978.pdf");
    saida.escreve(existente, "já estava aqui");
    // Windows-1252, with a bad date and the same person twice.
    saida.escreve(QStringLiteral("lista.csv"),
                  Windows1252::codifica(QStringLiteral("Maria da Silva;29/11/1978\r\n"
                                                       "José Araújo;31/02/1980\r\n"
                                                       "\"Conceição; Gonçalves\";5/3/1961\r\n"
                                                       "Maria da Silva;29/11/1978\r\n")));
    const auto antes = retrato(pasta.caminho());
    const Saida s = executaCli({"lote", saida.arquivo("lista.csv"), "--saida", pdfs, "--pasta",
                                pasta.caminho(), "--hoje", "01/06/2024"});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_EQ(retrato(pasta.caminho()), antes);
    EXPECT_EQ(
        QDir(pdfs).entryList(QDir::Files, QDir::Name),
        QStringList({"CONCEICAO_GONCALVES_05-03-1961.pdf", "MARIA_DA_SILVA_29-11-1978 (2).pdf",
                     "MARIA_DA_SILVA_29-11-1978 (3).pdf", "MARIA_DA_SILVA_29-11-1978.pdf"}));
    EXPECT_EQ(saida.conteudo(existente), QByteArray("já estava aqui"));
    const QStringList relato =
        s.err.split(u'\n', Qt::SkipEmptyParts).filter(QStringLiteral(" de 4 - "));
    ASSERT_EQ(relato.size(), 4) << s.err.toStdString();
    EXPECT_TRUE(relato[1].startsWith(QStringLiteral("2 de 4 - Linha 2: A data informada")));
}

} // namespace
} // namespace vidalume::teste
