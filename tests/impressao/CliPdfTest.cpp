// "pdf" and "lote" of the command-line tool as scripts use them: without a display, reading
// the program folder only (its margins place the text column), the cover first, one PDF per
// good line and a report of the bad ones.
#include "engine/Windows1252.h"
#include "settings/Margens.h"
#include "tests/impressao/AmbienteImpressao.h"

#include "cli/pdf/ComandoLote.h"
#include "texts/GravacaoSegura.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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
    EXPECT_TRUE(s.err.endsWith(QStringLiteral("3 PDFs gravados, 1 linha recusada.\n")))
        << s.err.toStdString();
}

// The tool run with its files limited to `limite` bytes: writes beyond fail with EFBIG.
Saida executaComLimite(const QStringList& argumentos, rlim_t limite) {
    QProcess p;
    p.setChildProcessModifier([limite] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limite, limite};
        ::setrlimit(RLIMIT_FSIZE, &r);
    });
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(ambiente);
    p.start(QStringLiteral(VIDALUME_CLI), argumentos);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(CliPdfTest, PdfNeverReplacesWhatIsNotARegularFileNorHalfWritesOne) {
    PastaPrograma pasta;
    QTemporaryDir saida;
    const QStringList pessoa = {"--nome",     "Maria da Silva", "--nascimento",
                                "29/11/1978", "--pasta",        pasta.caminho()};
    const QString fifo = saida.filePath(QStringLiteral("canal"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString soquete = saida.filePath(QStringLiteral("soquete"));
    const SoqueteTeste s(soquete);
    ASSERT_TRUE(s.ligado());
    for (const QString& alvo : {fifo, soquete, saida.path()}) {
        const Saida r = executaCli(QStringList{"pdf", "--saida", alvo} + pessoa);
        EXPECT_EQ(r.codigo, 2) << alvo.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("não é um arquivo comum")))
            << r.err.toStdString();
    }
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // On a disk that cannot take the whole PDF, the old file stays and the failure is said.
    const QString pdf = saida.filePath(QStringLiteral("analise.pdf"));
    escreve(pdf, "o PDF de ontem");
    for (const rlim_t limite : {rlim_t(0), rlim_t(1000), rlim_t(16385), rlim_t(60000)}) {
        const Saida s = executaComLimite(QStringList{"pdf", "--saida", pdf} + pessoa, limite);
        EXPECT_EQ(s.codigo, 1) << limite;
        EXPECT_TRUE(s.err.contains(QStringLiteral("maior do que o sistema permite")))
            << s.err.toStdString();
        EXPECT_EQ(conteudo(pdf), QByteArray("o PDF de ontem"));
        EXPECT_EQ(QDir(saida.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                  3);
    }
}

TEST(CliPdfTest, BatchPdfTakesAFreeNameEvenWhenALinkIsPlantedBeforeIt) {
    PastaPrograma pasta;
    QTemporaryDir saida, fora;
    const QString alheio = fora.filePath(QStringLiteral("alheio.pdf"));
    escreve(alheio, "de outra pessoa");
    const QString primeiro = saida.filePath(QStringLiteral("MARIA_DA_SILVA_29-11-1978.pdf"));
    GravacaoSegura::antesDeNomear = [&](const QString& final) {
        if (final == primeiro && !QFileInfo(final).isSymLink()) {
            QFile::link(alheio, final);
        }
    };
    QString erro;
    EntradaCli entrada;
    ASSERT_TRUE(EntradaCli::le(QStringLiteral("Maria da Silva"), QStringLiteral("29/11/1978"), {},
                               QDate(2024, 6, 1), &entrada, &erro));
    QString nome;
    EXPECT_TRUE(ComandoLote::geraPdf(entrada, saida.path(), {pasta.caminho()}, &nome, &erro));
    GravacaoSegura::antesDeNomear = nullptr;
    EXPECT_EQ(nome, QStringLiteral("MARIA_DA_SILVA_29-11-1978 (2).pdf")) << erro.toStdString();
    EXPECT_EQ(conteudo(alheio), QByteArray("de outra pessoa"));
    EXPECT_TRUE(conteudo(saida.filePath(nome)).startsWith("%PDF"));
}

QByteArray linhas(int quantas) {
    QByteArray csv;
    for (int i = 0; i < quantas; ++i) {
        csv += "Pessoa Numero " + QByteArray(1, char('A' + i % 26)) +
               QByteArray(1, char('A' + i / 26)) + ";" + QByteArray::number(1 + i % 28) +
               "/05/1980\n";
    }
    return csv;
}

TEST(CliPdfTest, KilledBatchLeavesOnlyWholePdfs) {
    PastaPrograma pasta;
    QTemporaryDir saida;
    const QString csv = saida.filePath(QStringLiteral("lista.csv"));
    escreve(csv, linhas(60));
    const QString pdfs = saida.filePath(QStringLiteral("pdfs"));
    QProcess lote;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    lote.setProcessEnvironment(ambiente);
    lote.start(QStringLiteral(VIDALUME_CLI),
               {"lote", csv, "--saida", pdfs, "--pasta", pasta.caminho()});
    QTRY_VERIFY_WITH_TIMEOUT(QDir(pdfs).entryList(QDir::Files).size() >= 2, 60000);
    lote.kill();
    ASSERT_TRUE(lote.waitForFinished(10000));
    const QStringList deixados =
        QDir(pdfs).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    ASSERT_FALSE(deixados.isEmpty());
    for (const QString& f : deixados) {
        EXPECT_TRUE(conteudo(QDir(pdfs).filePath(f)).trimmed().endsWith("%%EOF"))
            << f.toStdString();
        EXPECT_FALSE(f.contains(u'(')) << f.toStdString();
    }
}

TEST(CliPdfTest, BatchStreamsAHugeRowAndTellsWhatItDid) {
    PastaPrograma pasta;
    QTemporaryDir saida;
    const QString pdfs = saida.filePath(QStringLiteral("pdfs"));
    // 40 MB in one name: the rows around it are still made, in little memory.
    const QString csv = saida.filePath(QStringLiteral("lista.csv"));
    {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Ana Souza;01/02/1990\n");
        const QByteArray bloco(1 << 20, 'X');
        for (int i = 0; i < 40; ++i) {
            f.write(bloco);
        }
        f.write(";01/01/1980\nBia Lima;03/04/1985\n");
    }
    const Saida s = executaCli({"lote", csv, "--saida", pdfs, "--pasta", pasta.caminho()});
    rusage uso{};
    ::getrusage(RUSAGE_CHILDREN, &uso);
    EXPECT_LT(uso.ru_maxrss, 150 * 1024) << "KiB";
    EXPECT_EQ(s.codigo, 1);
    EXPECT_TRUE(s.err.contains(QStringLiteral("Linha 2: a linha é longa demais")));
    EXPECT_TRUE(s.err.endsWith(QStringLiteral("2 PDFs gravados, 1 linha recusada.\n")))
        << s.err.toStdString();
    EXPECT_EQ(QDir(pdfs).entryList(QDir::Files).size(), 2);

    // Nothing to do, or nowhere to put it: one message and a failure status.
    escreve(csv, "nome;nascimento\r\n\r\n");
    Saida vazio = executaCli({"lote", csv, "--saida", pdfs, "--pasta", pasta.caminho()});
    EXPECT_EQ(vazio.codigo, 2);
    EXPECT_TRUE(vazio.err.contains(QStringLiteral("não tem nenhuma linha")))
        << vazio.err.toStdString();
    escreve(csv, linhas(5));
    const QString arquivoNoLugar = saida.filePath(QStringLiteral("arquivo"));
    escreve(arquivoNoLugar, "x");
    vazio = executaCli({"lote", csv, "--saida", arquivoNoLugar, "--pasta", pasta.caminho()});
    EXPECT_EQ(vazio.codigo, 2);
    EXPECT_TRUE(vazio.err.contains(QStringLiteral("pasta de saída"))) << vazio.err.toStdString();
    EXPECT_FALSE(vazio.err.contains(QStringLiteral("Linha"))) << vazio.err.toStdString();
    vazio = executaCli({"lote", saida.filePath(QStringLiteral("nao-existe.csv")), "--saida", pdfs});
    EXPECT_EQ(vazio.codigo, 2);
    EXPECT_TRUE(vazio.err.contains(QStringLiteral("o arquivo não existe.")))
        << vazio.err.toStdString();
}

} // namespace
} // namespace vidalume::teste
