// The command-line tool as a script uses it: output, exit codes, and a folder it only reads.
#include "composer/ComporAnalise.h"
#include "composer/LeituraCasal.h"
#include "composer/TextoExportacao.h"
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/Margens.h"
#include "settings/OpcoesMapa.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "tests/ArquivosTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

// The JSON object the tool prints for `argumentos`.
static QJsonObject json(const QStringList& argumentos) {
    return QJsonDocument::fromJson(executaCli(argumentos).out).object();
}

TEST(Cli, NumerosEmJson) {
    const Saida s = cli(0, {"numeros", "--nome", "maria josé da conceição", "--nascimento",
                            "29-11-78", "--hoje", "06/12/2026"});
    QJsonParseError erro;
    const QJsonObject o = QJsonDocument::fromJson(s.out, &erro).object();
    ASSERT_EQ(erro.error, QJsonParseError::NoError);
    // Normalised input in, the numbers of the worked example out.
    EXPECT_EQ(o.value("nome").toString(), QStringLiteral("MARIA JOSE DA CONCEICAO"));
    EXPECT_EQ(o.value("nascimento").toString(), QStringLiteral("29/11/1978"));
    EXPECT_EQ(o.value("realizacoes").toArray(), QJsonArray({4, 9, 4, 9}));
    EXPECT_EQ(o.value("primeira_vogal").toString(), QStringLiteral("A"));

    // Accents as separate marks (a name pasted from a PDF or a Mac) and invisible marks
    // give the same analysis as the name typed plainly.
    const QString decomposto =
        QStringLiteral("maria\u200B jose\u0301 da\u200F conceic\u0327a\u0303o\uFEFF");
    EXPECT_EQ(executaCli({"numeros", "--nome", decomposto, "--nascimento", "29-11-78", "--hoje",
                          "06/12/2026"})
                  .out,
              s.out);

    const Saida semVogal = cli(0, {"numeros", "--nome", "Brr Kst", "--nascimento", "1/1/2000"});
    EXPECT_TRUE(QJsonDocument::fromJson(semVogal.out).object().value("primeira_vogal").isNull());
}

// The cabalística school: the map of the worked example, exactly its fields; an unknown
// school is a usage error.
TEST(Cli, NumerosCabalisticos) {
    const Saida s =
        cli(0, {"numeros", "--escola", "cabalistica", "--nome", "André Luiz Xavier de Macedo",
                "--nascimento", "28/07/1984", "--referencia", "07/12/2026"});
    const QJsonObject o = QJsonDocument::fromJson(s.out).object();
    QStringList chaves =
        QStringLiteral("escola nome nascimento letras motivacao impressao expressao destino "
                       "missao numero_psiquico talento_oculto inclusao licoes_carmicas "
                       "tendencias_ocultas resposta_subconsciente dividas_carmicas ciclos "
                       "fim_ciclos momentos_decisivos fim_momentos desafios "
                       "harmonia_destino_expressao ano_pessoal mes_pessoal dia_pessoal "
                       "triangulos arcanos")
            .split(u' ');
    chaves.sort();
    EXPECT_EQ(o.keys(), chaves);
    EXPECT_EQ(o.value("nome").toString(), QStringLiteral("ANDRÉ LUIZ XAVIER DE MACEDO"));
    EXPECT_EQ(o.value("letras").toArray().at(4).toObject(),
              (QJsonObject{{"letra", QStringLiteral("É")}, {"valor", 7}, {"vogal", true}}));
    EXPECT_EQ(o.value("dividas_carmicas").toArray(),
              QJsonArray({QJsonObject{
                  {"numero", 13}, {"origem", "motivacao"}, {"muda_com_o_nome", true}}}));
    EXPECT_EQ(o.value("arcanos").toArray().at(1).toObject(),
              (QJsonObject{{"arcano", 54}, {"de", 4.09}, {"ate", 8.18}}));

    const QJsonObject triangulos = json({"numeros", "--escola", "cabalistica", "--nome",
                                         "Maria Silva", "--nascimento", "03/04/1990"})
                                       .value("triangulos")
                                       .toObject();
    EXPECT_EQ(triangulos.keys(), QStringList({"destino", "pessoal", "social", "vida"}));
    EXPECT_EQ(triangulos.value("vida").toObject().value("sequencias").toArray().at(0).toObject(),
              (QJsonObject{{"linha", 2}, {"digito", 4}, {"posicao", 5}, {"tamanho", 3}}));

    const Saida errada = cli(
        2, {"numeros", "--escola", "cabala", "--nome", "Ana Silva", "--nascimento", "1/1/2000"});
    EXPECT_TRUE(errada.err.contains("pitagorica ou cabalistica"));
}

// The complete map: debts in the order of their places; the threshold from the folder.
TEST(Cli, NumerosDoMapa) {
    const QJsonObject joao = json({"numeros", "--nome", "João Paz", "--nascimento", "13/03/2007"});
    EXPECT_EQ(joao.value("inclusao").toArray().size(), 9);
    const auto divida = [](int numero, const char* origem) {
        return QJsonObject{{"numero", numero}, {"origem", origem}};
    };
    EXPECT_EQ(joao.value("dividas_carmicas").toArray(),
              QJsonArray({divida(13, "dia_do_nascimento"), divida(16, "caminho_da_vida"),
                          divida(14, "impulso_da_alma"), divida(16, "eu_silencioso")}));

    QTemporaryDir dir;
    const QStringList pedro = {"numeros",    "--nome",  "Pedro Henrique", "--nascimento",
                               "29/11/1978", "--pasta", dir.path()};
    EXPECT_EQ(json(pedro)["tendencias_ocultas"].toArray(), QJsonArray({5}));
    OpcoesMapa o;
    o.limiteTendencias = 3;
    ASSERT_TRUE(o.grava(dir.path()));
    EXPECT_EQ(json(pedro)["tendencias_ocultas"].toArray(), QJsonArray({5, 9}));
}

TEST(Cli, ReferenciaMudaSoOsNumerosUniversaisEPessoais) {
    const QStringList base = {"numeros",    "--nome", "Ana Maria", "--nascimento",
                              "29/11/1978", "--hoje", "06/12/2026"};
    const QJsonObject hoje = json(base);
    const Saida s = cli(0, base + QStringList{"--referencia", "15/3/2027"});
    const QJsonObject previsao = QJsonDocument::fromJson(s.out).object();
    EXPECT_EQ(hoje.value("referencia").toString(), "06/12/2026");
    QStringList mudaram;
    for (const QString& chave : hoje.keys()) {
        if (hoje.value(chave) != previsao.value(chave)) {
            mudaram << chave;
        }
    }
    mudaram.sort();
    EXPECT_EQ(mudaram, (QStringList{"ano_pessoal", "ano_universal", "dia_pessoal", "dia_universal",
                                    "mes_pessoal", "mes_universal", "referencia"}));
    // 15/03/2027: universal year R(2027) = 2, month R(3 + 2) = 5, day R(6 + 5) = 2.
    EXPECT_EQ(previsao.value("mes_universal").toInt(), 5);
    cli(2, base + QStringList{"--referencia", "32/1/2027"});
}

TEST(Cli, EntradasRecusadas) {
    // Arguments and the start of the message; every refusal exits with 2 and writes no output.
    const QTemporaryDir vazia;
    const std::pair<QStringList, const char*> casos[] = {
        {{"texto", "--nome", "Ana Maria", "--nascimento", "1/2/2000", "--pasta", "/nao/existe"},
         "A pasta \"/nao/existe\" informada em --pasta não existe"},
        {{"texto", "--nome", "Ana Maria", "--nascimento", "1/2/2000", "--pasta", vazia.path()},
         "A pasta"},
        {{"numeros", "--nome", "Ana", "--nascimento", "31/02/2000"}, "A data informada não é"},
        {{"numeros", "--nome", "Ana Maria", "--nascimento", "01/02/2000", "--hoje", "x"},
         "A data informada em --hoje"},
        {{"numeros", "--nome", "Ana Maria", "--nascimento", "01/02/2000", "--referencia", "1"},
         "A data informada em --referencia"},
        {{"numeros", "--bogus"}, "Opção desconhecida"},
        {{"numeros", "--nome"}, "Faltando valor"},
        {{"desconhecido"}, "Comando desconhecido"}};
    for (const auto& [argumentos, mensagem] : casos) {
        const Saida s = executaCli(argumentos);
        EXPECT_EQ(s.codigo, 2) << argumentos.join(u' ').toStdString();
        EXPECT_TRUE(s.out.isEmpty());
        EXPECT_TRUE(!s.err.isEmpty() && s.err.startsWith(QString::fromUtf8(mensagem)))
            << s.err.toStdString();
    }
}

// The help is in Portuguese, Qt's own lines included.
TEST(Cli, AjudaEmPortugues) {
    const Saida s = cli(0, {"--help"});
    const QString ajuda = QString::fromUtf8(s.out);
    for (const char* ingles : {"Usage:", "Options:", "Arguments:", "Displays"}) {
        EXPECT_FALSE(ajuda.contains(QLatin1String(ingles))) << ingles;
    }
    EXPECT_TRUE(ajuda.contains(QStringLiteral("Uso:"))) << s.out.toStdString();
}

// A folder holding a copy of the shipped texts.
static void copiaTextos(const QTemporaryDir& dir) {
    for (const QString& n : QDir(VIDALUME_DADOS_TESTE).entryList({"*.DAT"})) {
        ASSERT_TRUE(QFile::copy(QDir(VIDALUME_DADOS_TESTE).filePath(n), dir.filePath(n)));
    }
}

TEST(Cli, TextoIgualAoDaExportacaoSemEscreverNaPasta) {
    QTemporaryDir dir;
    copiaTextos(dir);
    const auto antes = retrato(dir.path());
    const Saida s = cli(0, {"texto", "--nome", "João d'Ávila", "--nascimento", "11/05/1990",
                            "--hoje", "06/12/2026", "--pasta", dir.path()});
    // Composed from the name as typed, as the window does: the letter chart shows its marks.
    const Analise a = ComporAnalise::compoe(QStringLiteral("JOÃO D'ÁVILA"), "11/05/1990",
                                            QDate(2026, 12, 6), ArquivoInterpretacao(dir.path()));
    EXPECT_EQ(QString::fromUtf8(s.out), TextoExportacao::monta(a, Configuracao(), OpcoesMapa()));
    EXPECT_TRUE(QString::fromUtf8(s.out).contains(QStringLiteral("J  O  Ã  O")));
    EXPECT_EQ(retrato(dir.path()), antes); // no settings file created

    // The folder's settings are used: only the life path, with its number, and the lessons
    // of the map.
    Configuracao c;
    c.CalculosAtivos.fill(0);
    c.CalculosAtivos[1] = -1;
    c.ImprimirNumero = -1;
    ASSERT_TRUE(c.GravaConfiguracao(dir.path()));
    OpcoesMapa o;
    for (int k : {29, 31, 32, 33, 34}) {
        o.defineSecao(k, false);
    }
    ASSERT_TRUE(o.grava(dir.path()));
    const Saida so = executaCli(
        {"texto", "--nome", "Ana Maria", "--nascimento", "29/11/1978", "--pasta", dir.path()});
    EXPECT_TRUE(so.out.contains("Interpretações do Caminho da Vida: Número 2\r\n"));
    EXPECT_TRUE(so.out.contains("Lições Cármicas Números 2, 3, 6, 7, 8\r\n"));
    EXPECT_EQ(so.out.count("-=-=-=-=-=-=-=-=-=-=-"), 2);
}

TEST(Cli, PastaHostilNaoDerrubaAFerramenta) {
    QTemporaryDir dir;
    quint32 semente = 3;
    for (const char* n : {"CVIDA.DAT", "CDATA.DAT", "vidalume.dat", "APICES.DAT"}) {
        escreve(dir.filePath(n), aleatorio(int(semente * 4999 % 20000), semente));
        ++semente;
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("DESVIDA.DAT"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("fontes.dat"));
    escreve(dir.filePath("INTVOG.DAT"), QByteArray()); // empty
    const auto antes = retrato(dir.path());
    for (const char* data : {"01/01/0001", "31/12/9999"}) {
        const Saida s = executaCli({"texto", "--nome", QString(3000, u'Ÿ') + " zé", "--nascimento",
                                    data, "--pasta", dir.path()});
        EXPECT_EQ(s.codigo, 0) << data << s.err.toStdString();
    }
    EXPECT_EQ(retrato(dir.path()), antes);
}

// Every name of "nomes" has the numbers "numeros" gives for it, under its name as given; a
// refusal is the refusal of "numeros", word for word.
TEST(Cli, NomesComOsNumerosDeNumeros) {
    const QStringList nomes = {"Maria José da Conceição", "  joão d'Ávila ", "Brr Kst Lmn",
                               "Zoë Ÿvonne Ñuño"};
    QStringList argumentos = {"nomes", "--nascimento", "29-11-78"};
    for (const QString& n : nomes) {
        argumentos << "--nome" << n;
    }
    const Saida s = cli(0, argumentos);
    const QJsonObject o = QJsonDocument::fromJson(s.out).object();
    EXPECT_EQ(o.keys(), (QStringList{"caminho_da_vida", "nomes"}));
    const QJsonArray lista = o.value("nomes").toArray();
    ASSERT_EQ(lista.size(), nomes.size());
    for (int i = 0; i < nomes.size(); ++i) {
        const QJsonObject n = lista[i].toObject();
        const QJsonObject ref = json({"numeros", "--nome", nomes[i], "--nascimento", "29/11/1978"});
        EXPECT_EQ(n.value("nome").toString(), nomes[i]);
        EXPECT_EQ(o.value("caminho_da_vida"), ref.value("caminho_da_vida"));
        for (const char* k : {"expressao", "impulso_da_alma", "eu_silencioso", "primeira_vogal",
                              "caracteristica_do_nome", "numero_da_realidade"}) {
            EXPECT_EQ(n.value(k), ref.value(k)) << nomes[i].toStdString() << " " << k;
        }
    }
    // The last key of each name is the harmony, written as a JSON boolean.
    EXPECT_TRUE(s.out.contains("\"harmonia_com_caminho_da_vida\": true}") ||
                s.out.contains("\"harmonia_com_caminho_da_vida\": false}"));

    for (const QStringList& pedido :
         {QStringList{"--nascimento", "31/02/2000", "--nome", "Ana Maria"},
          QStringList{"--nascimento", "01/02/2000", "--nome", "Ana"},
          QStringList{"--nascimento", "01/02/2000"},
          QStringList{"--nascimento", "01/02/2000", "--nome", "   "},
          QStringList{"--nascimento", "01/02/2000", "--nome", "Αλέξανδρος Παππάς"},
          QStringList{"--nascimento", "01/02/2000", "--nome", "Ana\tMaria\nSouza"}}) {
        const Saida nomesRecusa = executaCli(QStringList{"nomes"} + pedido);
        const Saida numerosRecusa = executaCli(QStringList{"numeros"} + pedido);
        EXPECT_EQ(nomesRecusa.codigo, 2);
        EXPECT_TRUE(nomesRecusa.out.isEmpty());
        EXPECT_EQ(nomesRecusa.err, numerosRecusa.err) << pedido.join(u' ').toStdString();
        EXPECT_FALSE(nomesRecusa.err.contains(u'?')) << nomesRecusa.err.toStdString();
    }
    // One refused name among good ones refuses the command.
    cli(2, {"nomes", "--nascimento", "1/2/2000", "--nome", "Ana Maria", "--nome", "Ana"});
}

TEST(Cli, CompatibilidadeEmJsonEEmTexto) {
    const QStringList pessoas = {"--nome",        "Maria José da Conceição",
                                 "--nascimento",  "29/11/1978",
                                 "--nome2",       "Brr Kst Lmn",
                                 "--nascimento2", "3/5/80",
                                 "--pasta",       VIDALUME_DADOS_TESTE};
    const Saida j = cli(0, QStringList{"compatibilidade", "--json"} + pessoas);
    const QJsonObject o = QJsonDocument::fromJson(j.out).object();
    EXPECT_EQ(o.value("pessoa1").toObject(),
              QJsonObject({{"caminho_da_vida", 2}, {"expressao", 2}, {"impulso_da_alma", 5}}));
    const QJsonArray aspectos = o.value("aspectos").toArray();
    ASSERT_EQ(aspectos.size(), 3);
    EXPECT_EQ(aspectos[0].toObject(), QJsonObject({{"aspecto", "caminho_da_vida"},
                                                   {"numeros", QJsonArray{2, 8}},
                                                   {"registro", 16},
                                                   {"harmonia", true}}));
    EXPECT_EQ(aspectos[2].toObject().value("aspecto"), "impulso_da_alma");
    EXPECT_TRUE(aspectos[2].toObject().value("registro").isNull());
    EXPECT_EQ(aspectos[2].toObject().value("harmonia"), false);

    // The text is the export of the reading.
    const Saida t = cli(0, QStringList{"compatibilidade"} + pessoas);
    const LeituraCasal l =
        LeituraCasal::calcula("MARIA JOSE DA CONCEICAO", "29/11/1978", "BRR KST LMN", "03/05/1980");
    EXPECT_EQ(QString::fromUtf8(t.out),
              l.compoe(ArquivoInterpretacao(VIDALUME_DADOS_TESTE)).texto(Configuracao()));

    // The second person is checked as the first, the empty name asked for by its option.
    QStringList semNome2 = pessoas;
    semNome2[5] = " ";
    const Saida r = cli(2, QStringList{"compatibilidade"} + semNome2);
    EXPECT_EQ(r.err.trimmed(),
              QStringLiteral("Informe o nome completo da segunda pessoa (--nome2)."));
    QStringList dataRuim = pessoas;
    dataRuim[7] = "30/02/1980";
    EXPECT_TRUE(executaCli(QStringList{"compatibilidade"} + dataRuim)
                    .err.startsWith("A data informada não é uma data válida."));
    cli(2, QStringList{"compatibilidade", "--json", "--saida", "x.pdf"} + pessoas);
}

// A missing, cut or unreadable interpretation file still gives the analysis, and the tool
// says which file on the error output, once, with exit 0.
TEST(Cli, TextoFaltandoOuDanificadoEAvisado) {
    QTemporaryDir dir;
    copiaTextos(dir);
    const QStringList argumentos = {"texto",        "--nome",     "Maria Jose da Conceicao",
                                    "--nascimento", "29/11/1978", "--hoje",
                                    "06/12/2026",   "--pasta",    dir.path()};
    Saida s = cli(0, argumentos);
    EXPECT_EQ(s.err, QString()); // the shipped texts hold every record an analysis reads
    const QByteArray completo = s.out;

    ASSERT_TRUE(QFile::remove(dir.filePath("CVIDA.DAT")));
    QFile cortado(dir.filePath("CFORM.DAT"));
    ASSERT_TRUE(cortado.resize(5120 + 100)); // cut inside its second record
    s = cli(0, argumentos);
    EXPECT_FALSE(s.out.isEmpty());
    EXPECT_NE(s.out, completo);
    EXPECT_TRUE(s.err.contains("CVIDA.DAT") && s.err.contains("não foi encontrado"))
        << s.err.toStdString();
    EXPECT_TRUE(s.err.contains("CFORM.DAT") && s.err.contains("danificado")) << s.err.toStdString();
    EXPECT_EQ(s.err.count("CVIDA.DAT ("), 1) << s.err.toStdString();
}

// A settings file that cannot be read, or holds margins or font sizes the page cannot take,
// is named on the error output with what is used instead, and the analysis still comes out;
// a FIFO is never opened (it would block the tool).
TEST(Cli, ConfiguracoesIlegiveisOuDanificadasSaoAvisadas) {
    QTemporaryDir dir;
    const QStringList numeros = {"numeros",    "--nome",  "Ana Maria", "--nascimento",
                                 "29/11/1978", "--pasta", dir.path()};
    Saida s = cli(0, numeros);
    EXPECT_EQ(s.err, QString()); // a new folder, without settings files, gets no word

    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("opcoes.dat")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("vidalume.dat"));
    ASSERT_TRUE((Margens{-5, 10, 10, 10}.GravaMargens(dir.path())));
    FontesAnalise fontes;
    fontes.FonteTexto.Tamanho = 200;
    ASSERT_TRUE(fontes.GravaFontes(dir.path()));
    escreve(dir.filePath("harmonia.dat"), QByteArray(48, '\0'));
    const bool semPermissao =
        ::chmod(QFile::encodeName(dir.filePath("harmonia.dat")).constData(), 0) == 0 &&
        ::access(QFile::encodeName(dir.filePath("harmonia.dat")).constData(), R_OK) != 0;
    s = cli(0, numeros);
    EXPECT_FALSE(s.out.isEmpty());
    for (const char* nome : {"opcoes.dat", "vidalume.dat"}) {
        EXPECT_TRUE(contem(s.err, QStringLiteral("Atenção: o arquivo de configurações %1 não "
                                                 "pôde ser lido (não é um arquivo comum); foram "
                                                 "usadas as configurações padrão dele.")
                                      .arg(nome)));
    }
    EXPECT_EQ(s.err.contains("harmonia.dat (sem permissão de leitura)"), semPermissao);
    EXPECT_TRUE(s.err.contains("margens.dat") && s.err.contains("esquerda 0 mm, superior 10 mm"));
    EXPECT_TRUE(s.err.contains("fontes.dat") && s.err.contains("4 a 72 pontos"));
    // The folder's own commands compose nothing from the settings.
    EXPECT_FALSE(executaCli({"clientes", "listar", "--pasta", dir.path()}).err.contains("Atenção"));
}

TEST(Cli, PrevisoesDoAnoIgualAosNumerosDeCadaDiaSeguemAPastaERecusam) {
    QTemporaryDir dir;
    const QStringList pessoa = {"--nome",     "Ana Maria", "--nascimento",
                                "29/11/1978", "--pasta",   dir.path()};
    const Saida s = cli(0, QStringList{"previsoes", "--ano", "2026", "--json"} + pessoa);
    QJsonParseError erro;
    const QJsonObject o = QJsonDocument::fromJson(s.out, &erro).object();
    ASSERT_EQ(erro.error, QJsonParseError::NoError);
    EXPECT_EQ(o.value("ano").toInt(), 2026);
    EXPECT_EQ(o.value("inicio_ano_pessoal").toString(), "janeiro"); // no options file: default
    EXPECT_EQ(o.value("ano_universal").toInt(), 1);
    const QJsonArray meses = o.value("meses").toArray();
    ASSERT_EQ(meses.size(), 12);
    EXPECT_EQ(meses[1].toObject().value("dias").toArray().size(), 28);
    // The day before the birthday, under each rule, against "numeros" for that day.
    const QJsonObject novembro28 = meses[10].toObject().value("dias").toArray()[27].toObject();
    EXPECT_EQ(novembro28.value("dia").toInt(), 28);
    EXPECT_EQ(novembro28.value("ano_pessoal").toInt(), 5);
    const Saida a = executaCli(
        QStringList{"previsoes", "--ano", "2026", "--json", "--inicio-ano-pessoal", "aniversario"} +
        pessoa);
    const QJsonObject aniversario28 =
        QJsonDocument::fromJson(a.out)["meses"][10]["dias"][27].toObject();
    const QJsonObject numeros = json(QStringList{"numeros", "--referencia", "28/11/2026",
                                                 "--inicio-ano-pessoal", "aniversario"} +
                                     pessoa);
    for (const char* chave : {"ano_pessoal", "mes_pessoal", "dia_pessoal", "dia_universal"}) {
        EXPECT_EQ(aniversario28.value(chave), numeros.value(chave)) << chave;
    }
    EXPECT_EQ(aniversario28.value("ano_pessoal").toInt(), 4);

    // The rule of the folder's options, and the refusals.
    OpcoesMapa opcoes;
    opcoes.inicioAnoPessoal = InicioAnoPessoal::Aniversario;
    ASSERT_TRUE(opcoes.grava(dir.path()));
    EXPECT_TRUE(executaCli(QStringList{"previsoes", "--ano", "2027", "--json"} + pessoa)
                    .out.contains("\"inicio_ano_pessoal\": \"aniversario\""));
    // The text names the rule wherever it shows personal numbers.
    const Saida t = cli(0, QStringList{"previsoes", "--ano", "2027"} + pessoa);
    EXPECT_TRUE(
        QString::fromUtf8(t.out).contains(QStringLiteral("O ano pessoal começa no aniversário.")));
    EXPECT_TRUE(QString::fromUtf8(t.out).contains(QStringLiteral("Março de 2027")));

    const QString kAno = QStringLiteral("O ano das previsões deve estar entre 1900 e 2100.");
    const std::pair<QStringList, QString> casos[] = {
        {{"--ano", "1899"}, kAno},
        {{"--ano", "2101"}, kAno},
        {{"--ano", "dois mil"}, kAno},
        // A year before the birth year has no personal numbers to forecast.
        {{"--ano", "1977"},
         QStringLiteral("O ano das previsões (1977) é anterior ao nascimento, em 1978: as "
                        "previsões são feitas a partir do ano em que a pessoa nasceu.")},
        {{"--inicio-ano-pessoal", "maio"},
         QStringLiteral("O início do ano pessoal deve ser janeiro ou aniversario "
                        "(--inicio-ano-pessoal).")}};
    for (const auto& [argumentos, mensagem] : casos) {
        const Saida r = executaCli(QStringList{"previsoes", "--json"} + pessoa + argumentos);
        EXPECT_EQ(r.codigo, 2) << argumentos.join(' ').toStdString();
        EXPECT_EQ(r.err.trimmed(), mensagem);
        EXPECT_TRUE(r.out.isEmpty());
    }
    cli(0, QStringList{"previsoes", "--json", "--ano", "1978"} + pessoa);
    cli(2,
        {"previsoes", "--nome", "Ana Maria", "--nascimento", "31/02/1978", "--pasta", dir.path()});
    cli(2, QStringList{"previsoes", "--json", "--saida", "x.pdf"} + pessoa);
}

// "assinatura": the candidates in order with the original marked, each with the numbers
// "numeros" gives for its spelling; wrong options are usage errors.
TEST(Cli, AssinaturaEmJson) {
    const QStringList pedido = {"--nome",   "Ana Cruz",    "--nascimento", "03/04/1990",
                                "--escola", "cabalistica", "--referencia", "07/12/2026"};
    const Saida s = cli(0, QStringList{"assinatura", "--json", "--max", "3"} + pedido);
    const QJsonObject o = QJsonDocument::fromJson(s.out).object();
    EXPECT_EQ(o.keys(), (QStringList{"candidatos", "escola", "nascimento"}));
    const QJsonArray lista = o.value("candidatos").toArray();
    ASSERT_EQ(lista.size(), 4); // three, then the original further down
    const QJsonObject primeiro = lista.first().toObject();
    EXPECT_EQ(primeiro.value("mudancas").toArray().first().toObject().keys(),
              (QStringList{"posicao", "tipo"}));
    EXPECT_TRUE(primeiro.contains("sequencias") && primeiro.contains("harmonia_destino_expressao"));
    const QJsonObject original = lista.last().toObject();
    EXPECT_TRUE(original.value("original").toBool());
    EXPECT_EQ(original.value("nome").toString(), QStringLiteral("ANA CRUZ"));
    const QString nome = primeiro.value("nome").toString();
    QStringList numeros = QStringList{"numeros"} + pedido;
    numeros[2] = nome;
    EXPECT_EQ(primeiro.value("numeros").toObject(), json(numeros));

    for (const QStringList& errado : {QStringList{"--mudancas", "4"},
                                      {"--sem", "vogais"},
                                      {"--max", "0"},
                                      {"--saida", "estudo.txt"}}) {
        const Saida e = executaCli(QStringList{"assinatura"} + pedido + errado);
        EXPECT_EQ(e.codigo, 2) << errado.join(u' ').toStdString();
        EXPECT_TRUE(e.out.isEmpty());
    }
}
