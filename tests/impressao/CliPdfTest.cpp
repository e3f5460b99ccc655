// "pdf" and "lote" of the command-line tool as scripts use them: without a display, reading
// the program folder only (its margins place the text column), the cover first, one PDF per
// good line and a report of the bad ones.
#include "settings/Margens.h"
#include "tests/impressao/AmbienteImpressao.h"

#include "cli/pdf/ComandoLote.h"
#include "texts/GravacaoSegura.h"

#include <csignal>
#include <sys/resource.h>

namespace vidalume::teste {
namespace {

TEST(CliPdfTest, PdfWithTheFolderSettingsAndNothingWrittenThere) {
    PastaPrograma pasta;
    ASSERT_TRUE((Margens{25, 12, 15, 8}).GravaMargens(pasta.caminho())); // left, top, right, bottom
    const auto antes = retrato(pasta.caminho());
    QTemporaryDir saida;
    const QStringList pessoa = {"--nome",  "Maria da Conceição", "--nascimento", "29/11/1978",
                                "--pasta", pasta.caminho()};
    const QString capa = saida.filePath(QStringLiteral("capa.pdf"));
    const Saida s = cli(0, QStringList{"pdf", "--saida", capa, "--capa", "--colorido"} + pessoa);
    EXPECT_EQ(retrato(pasta.caminho()), antes);
    const PdfLido pdf(capa);
    ASSERT_GT(pdf.paginas().size(), 2);
    // The cover and the page headers carry the name as typed, marks kept.
    EXPECT_TRUE(pdf.paginas()[0].contem(
        QStringLiteral("Análise Numerológica MARIA DA CONCEIÇÃO 29 de novembro de 1978")));
    EXPECT_EQ(pdf.paginas()[0].palavras.size(), 10);
    EXPECT_TRUE(pdf.paginas()[1].contem(QStringLiteral("MARIA DA CONCEIÇÃO")));
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

    // The name-correction study: the table of the spellings, each with its triangles.
    const QString estudo = saida.filePath(QStringLiteral("correcao.pdf"));
    cli(0, QStringList{"assinatura", "--escola", "cabalistica", "--max", "3", "--saida", estudo} +
               pessoa);
    const PdfLido correcao(estudo);
    QStringList palavras;
    for (const auto& pagina : correcao.paginas()) {
        for (const PalavraPdf& w : pagina.palavras) {
            palavras << w.texto;
        }
    }
    const QString texto = palavras.join(u' ');
    for (const char* trecho : {"Comparação das grafias", "Nome de registro:", "Grafia 1:",
                               "Triângulo da Vida", "A assinatura"}) {
        EXPECT_TRUE(texto.contains(QString::fromUtf8(trecho))) << trecho;
    }

    Saida erro = cli(1, QStringList{"pdf", "--saida", saida.filePath("nao/existe/x.pdf")} + pessoa);
    EXPECT_TRUE(erro.err.contains(QStringLiteral("Não foi possível gravar o arquivo")));
    // The commands that draw nothing never start a display connection.
    erro = executaCli({"numeros", "--nome", "Maria da Silva", "--nascimento", "29/11/1978"},
                      QStringLiteral("plataforma-inexistente"));
    EXPECT_EQ(erro.codigo, 0) << erro.err.toStdString();
}

// Rows made on several threads at once come out as if made one after the other: the same
// free names given in the order of the rows, around a file that was already there, the same
// report, refused rows in their places, and each PDF that of its own row.
TEST(CliPdfTest, ParallelBatchNamesAndReportsInTheOrderOfTheRows) {
    PastaPrograma pasta;
    PastaPrograma saida;
    saida.escreve(QStringLiteral("lista.csv"), "nome;nascimento\n"
                                               "Maria da Silva;29/11/1978\n"
                                               "Jos\xC3\xA9 Ara\xC3\xBAjo;31/02/1980\n"
                                               "Maria da Silva;29/11/1978\n"
                                               "Ana Souza;01/02/1990\n"
                                               "Maria da Silva\n"
                                               "Maria da Silva;29/11/1978\n"
                                               "Ana Souza;01/02/1990\n"
                                               "Bia Lima;03/04/1985\n"
                                               "Maria da Silva;29/11/1978\n");
    const ComandoLote::Datas datas{QStringLiteral("01/06/2024"), {}, QDate(2024, 6, 1), {}};
    const auto lote = [&](const QString& pdfs, int tarefas, QStringList* relato) {
        QDir().mkpath(saida.arquivo(pdfs));
        saida.escreve(pdfs + QStringLiteral("/MARIA_DA_SILVA_29-11-1978.pdf"), "já estava aqui");
        return ComandoLote::executa(
            saida.arquivo(QStringLiteral("lista.csv")), saida.arquivo(pdfs), datas,
            {pasta.caminho()}, [relato](const QString& linha) { *relato << linha; }, tarefas);
    };
    QStringList umPorVez, quatroDeUmaVez;
    EXPECT_EQ(lote(QStringLiteral("um"), 1, &umPorVez), 1);
    EXPECT_EQ(lote(QStringLiteral("quatro"), 4, &quatroDeUmaVez), 1);
    EXPECT_EQ(quatroDeUmaVez, umPorVez);

    const QStringList feitos = {
        "1 de 9 - MARIA_DA_SILVA_29-11-1978 (2).pdf", "3 de 9 - MARIA_DA_SILVA_29-11-1978 (3).pdf",
        "4 de 9 - ANA_SOUZA_01-02-1990.pdf",          "6 de 9 - MARIA_DA_SILVA_29-11-1978 (4).pdf",
        "7 de 9 - ANA_SOUZA_01-02-1990 (2).pdf",      "8 de 9 - BIA_LIMA_03-04-1985.pdf",
        "9 de 9 - MARIA_DA_SILVA_29-11-1978 (5).pdf", "7 PDFs gravados, 2 linhas recusadas."};
    ASSERT_EQ(quatroDeUmaVez.size(), 10);
    EXPECT_TRUE(quatroDeUmaVez[1].startsWith(QStringLiteral("2 de 9 - Linha 3: ")));
    EXPECT_TRUE(quatroDeUmaVez[4].startsWith(QStringLiteral("5 de 9 - Linha 6: ")));
    EXPECT_EQ(quatroDeUmaVez.filter(QStringLiteral(" - Linha ")).size(), 2);

    QStringList semRecusadas = quatroDeUmaVez;
    semRecusadas.removeAt(4);
    semRecusadas.removeAt(1);
    EXPECT_EQ(semRecusadas, feitos);
    const QString quatro = saida.arquivo(QStringLiteral("quatro"));
    EXPECT_EQ(QDir(quatro).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QDir(saida.arquivo(QStringLiteral("um")))
                  .entryList(QDir::Files | QDir::Hidden, QDir::Name));
    EXPECT_EQ(saida.conteudo(QStringLiteral("quatro/MARIA_DA_SILVA_29-11-1978.pdf")),
              QByteArray("já estava aqui"));
    for (const auto& [arquivo, nome] :
         {std::pair{"ANA_SOUZA_01-02-1990 (2).pdf", "ANA SOUZA"},
          std::pair{"BIA_LIMA_03-04-1985.pdf", "BIA LIMA"},
          std::pair{"MARIA_DA_SILVA_29-11-1978 (5).pdf", "MARIA DA SILVA"}}) {
        const PdfLido pdf(QDir(quatro).filePath(QString::fromUtf8(arquivo)));
        ASSERT_FALSE(pdf.paginas().isEmpty()) << arquivo;
        EXPECT_TRUE(pdf.paginas()[0].contem(QString::fromUtf8(nome))) << arquivo;
    }
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
    const QStringList pessoa = {"--nome",  "Maria da Conceição", "--nascimento", "29/11/1978",
                                "--pasta", pasta.caminho()};
    const QString fifo = saida.filePath(QStringLiteral("canal"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString soquete = saida.filePath(QStringLiteral("soquete"));
    const SoqueteTeste s(soquete);
    ASSERT_TRUE(s.ligado());
    for (const QString& alvo : {fifo, soquete, saida.path()}) {
        const Saida r = executaCli(QStringList{"pdf", "--saida", alvo} + pessoa);
        EXPECT_EQ(r.codigo, 2) << alvo.toStdString();
        EXPECT_TRUE(contem(r.err, QStringLiteral("não é um arquivo comum")));
    }
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // Nor one of the data folder's own files: with the client file as target every client
    // used to be lost.
    pasta.escreve(QStringLiteral("clientes.sqlite"), "a ficha");
    const auto antes = retrato(pasta.caminho());
    for (const char* nome :
         {"clientes.sqlite", "clientes.sqlite-shm", "CVIDA.DAT", "margens.dat"}) {
        const QString alvo = pasta.arquivo(QString::fromLatin1(nome));
        for (const QStringList& comando :
             {QStringList{"pdf"}, QStringList{"odt"}, QStringList{"assinatura"},
              QStringList{"compatibilidade", "--nome2", "Joao Paz Lima", "--nascimento2",
                          "1/1/1990"}}) {
            const Saida r = executaCli(comando + QStringList{"--saida", alvo} + pessoa);
            EXPECT_EQ(r.codigo, 2) << nome;
            EXPECT_TRUE(contem(r.err, QStringLiteral("é um arquivo da pasta de dados")));
        }
    }
    EXPECT_EQ(retrato(pasta.caminho()), antes);

    // On a disk that cannot take the whole PDF, the old file stays and the failure is said.
    const QString pdf = saida.filePath(QStringLiteral("analise.pdf"));
    escreve(pdf, "o PDF de ontem");
    for (const rlim_t limite : {rlim_t(0), rlim_t(1000), rlim_t(16385), rlim_t(60000)}) {
        const Saida s = executaComLimite(QStringList{"pdf", "--saida", pdf} + pessoa, limite);
        EXPECT_EQ(s.codigo, 1) << limite;
        EXPECT_TRUE(contem(s.err, QStringLiteral("maior do que o sistema permite")));
        EXPECT_EQ(conteudo(pdf), QByteArray("o PDF de ontem"));
        EXPECT_EQ(QDir(saida.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                  3);
    }
}

// The PDFs of the client file hold its personal data: readable by their owner only, in
// folders the run creates for its owner only; a list's PDFs follow the umask like documents.
TEST(CliPdfTest, BatchOfClientsIsPrivate) {
    PastaPrograma pasta;
    QTemporaryDir saida;
    pasta.escreve(QStringLiteral("lista.csv"), "Maria da Silva;29/11/1978\n");
    cli(0, {"clientes", "importar", pasta.arquivo("lista.csv"), "--pasta", pasta.caminho()});
    const mode_t mascara = ::umask(022);
    const QString privada = saida.filePath(QStringLiteral("nova/clientes"));
    const Saida s = executaCli({"lote", "--clientes", "--saida", privada, "--pasta",
                                pasta.caminho(), "--hoje", "1/6/2024"});
    const Saida l = executaCli({"lote", pasta.arquivo("lista.csv"), "--saida",
                                saida.filePath(QStringLiteral("lista")), "--pasta", pasta.caminho(),
                                "--hoje", "1/6/2024"});
    ::umask(mascara);
    ASSERT_EQ(s.codigo, 0) << s.err.toStdString();
    ASSERT_EQ(l.codigo, 0) << l.err.toStdString();
    EXPECT_EQ(modo(saida.filePath(QStringLiteral("nova"))), 0700);
    EXPECT_EQ(modo(privada), 0700);
    EXPECT_EQ(modo(privada + QStringLiteral("/MARIA_DA_SILVA_29-11-1978.pdf")), 0600);
    EXPECT_EQ(modo(saida.filePath(QStringLiteral("lista"))), 0755);
    EXPECT_EQ(modo(saida.filePath(QStringLiteral("lista/MARIA_DA_SILVA_29-11-1978.pdf"))), 0644);
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
    const auto antes = retrato(pasta.caminho());
    const Saida s = executaCli({"lote", csv, "--saida", pdfs, "--pasta", pasta.caminho()});
    EXPECT_EQ(retrato(pasta.caminho()), antes);
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
    Saida vazio = cli(2, {"lote", csv, "--saida", pdfs, "--pasta", pasta.caminho()});
    EXPECT_TRUE(contem(vazio.err, QStringLiteral("não tem nenhuma linha")));
    escreve(csv, linhas(5));
    const QString arquivoNoLugar = saida.filePath(QStringLiteral("arquivo"));
    escreve(arquivoNoLugar, "x");
    vazio = cli(2, {"lote", csv, "--saida", arquivoNoLugar, "--pasta", pasta.caminho()});
    EXPECT_TRUE(contem(vazio.err, QStringLiteral("pasta de saída")));
    EXPECT_FALSE(vazio.err.contains(QStringLiteral("Linha"))) << vazio.err.toStdString();
    vazio = cli(2, {"lote", saida.filePath(QStringLiteral("nao-existe.csv")), "--saida", pdfs});
    EXPECT_TRUE(contem(vazio.err, QStringLiteral("o arquivo não existe.")));
}

// The paragraphs of an OpenDocument text, as a word processor shows them, outside tables; the
// tables' rows of cells go to `tabelas`.
QStringList paragrafosOdt(const QString& arquivo, QList<QStringList>* tabelas = nullptr) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-p"), arquivo, QStringLiteral("content.xml")});
    EXPECT_TRUE(unzip.waitForFinished(30000));
    QXmlStreamReader xml(unzip.readAllStandardOutput());
    QStringList paragrafos;
    int dentro = 0;
    int emTabela = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        const bool paragrafo = xml.qualifiedName() == u"text:p" || xml.qualifiedName() == u"text:h";
        if (xml.qualifiedName() == u"table:table") {
            emTabela += xml.isStartElement() ? 1 : xml.isEndElement() ? -1 : 0;
            continue;
        }
        if (emTabela > 0) {
            if (tabelas && xml.isStartElement() && xml.qualifiedName() == u"table:table-row") {
                tabelas->append(QStringList());
            } else if (tabelas && xml.isStartElement() &&
                       xml.qualifiedName() == u"table:table-cell") {
                tabelas->last() << QString();
            } else if (tabelas && xml.isCharacters() && !xml.text().trimmed().isEmpty()) {
                tabelas->last().last() += xml.text().trimmed();
            }
            continue;
        }
        if (xml.isStartElement() && paragrafo) {
            if (dentro++ == 0) {
                paragrafos << QString();
            }
        } else if (xml.isEndElement() && paragrafo) {
            --dentro;
        } else if (dentro > 0 && xml.isCharacters()) {
            // A line break and its indentation are the writer's layout of the XML, not text.
            if (!(xml.text().contains(u'\n') && xml.text().trimmed().isEmpty())) {
                paragrafos.last() += xml.text();
            }
        } else if (dentro > 0 && xml.isStartElement() && xml.qualifiedName() == u"text:s") {
            const QString c = xml.attributes().value(QStringLiteral("text:c")).toString();
            paragrafos.last() += QString(c.isEmpty() ? 1 : c.toInt(), u' ');
        } else if (dentro > 0 && xml.isStartElement() && xml.qualifiedName() == u"text:tab") {
            paragrafos.last() += u'\t';
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return paragrafos;
}

// The document for a word processor holds the exported text paragraph for paragraph, under
// the title, the name and the birth date in words; the letter chart is a table whose every
// cell is the matching three-character cell of the text chart, so each value stays over its
// letter whatever font the word processor uses.
TEST(CliPdfTest, OdtHoldsTheExportedTextParagraphForParagraph) {
    PastaPrograma pasta;
    QTemporaryDir saida;
    const QStringList pessoa = {"--nome",  "Maria da Silva", "--nascimento", "29/11/1978",
                                "--pasta", pasta.caminho(),  "--hoje",       "01/06/2024"};
    const QString odt = saida.filePath(QStringLiteral("analise.odt"));
    const Saida s = cli(0, QStringList{"odt", "--saida", odt} + pessoa);
    const Saida texto = cli(0, QStringList{"texto"} + pessoa);
    QStringList esperado{QStringLiteral("Análise Numerológica"), QStringLiteral("MARIA DA SILVA"),
                         QStringLiteral("29 de novembro de 1978")};
    for (const QString& linha : QString::fromUtf8(texto.out).split(QStringLiteral("\r\n"))) {
        if (!linha.trimmed().isEmpty()) {
            esperado << linha;
        }
    }
    // The text chart's rows (values, letters, values) become the table's.
    static const QRegularExpression kLinhaLetras(QStringLiteral("^(?: [A-Z] |   )* [A-Z]$"));
    QList<QStringList> quadroTexto;
    for (qsizetype i = 1; i + 1 < esperado.size(); ++i) {
        if (kLinhaLetras.match(esperado[i]).hasMatch()) {
            for (const QString& linha : esperado.mid(i - 1, 3)) {
                QStringList celulas;
                for (qsizetype k = 0; k < esperado[i].size(); k += 3) {
                    celulas << linha.mid(k, 3).trimmed();
                }
                quadroTexto << celulas;
            }
            esperado.remove(i - 1, 3);
        }
    }
    ASSERT_EQ(quadroTexto.size(), 3);
    QList<QStringList> tabelas;
    const QStringList paragrafos = paragrafosOdt(odt, &tabelas);
    // (Empty cells at the right of a row are the table's unused columns.)
    for (QList<QStringList>* linhas : {&tabelas, &quadroTexto}) {
        for (QStringList& celulas : *linhas) {
            while (!celulas.isEmpty() && celulas.last().isEmpty()) {
                celulas.removeLast();
            }
        }
    }
    EXPECT_EQ(tabelas, quadroTexto);
    ASSERT_GT(paragrafos.size(), 60);
    EXPECT_EQ(paragrafos.mid(0, 3), esperado.mid(0, 3));
    EXPECT_EQ(paragrafos.mid(3), esperado.mid(3));
}

} // namespace
} // namespace vidalume::teste
