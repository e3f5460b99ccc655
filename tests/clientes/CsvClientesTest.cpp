// Client lists in and out: the import's rows and columns, the export's bytes, the import and
// listing through the command-line tool, an exact round trip, and an import killed halfway.
#include "clients/CsvClientes.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <csignal>

#include "tests/clientes/BancoTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

struct Importacao {
    CsvClientes::Resultado r;
    QStringList recusas;
    bool ok = false;
};

Importacao importa(FichaClientes& f, QByteArray bytes) {
    Importacao i;
    QBuffer b(&bytes);
    b.open(QIODevice::ReadOnly);
    QString erro;
    i.ok = CsvClientes::importa(
        f, b, i.r, [&i](const QString& l) { i.recusas << l; }, &erro);
    return i;
}

} // namespace

TEST(CsvClientes, ColunasDoCabecalhoAspasELinhasRecusadas) {
    QTemporaryDir dir;
    FichaClientes f;
    QString erro;
    ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
    // Columns in another order, named with accents and hyphens; notes over two lines.
    const Importacao i = importa(
        f, "Observa\xC3\xA7\xC3\xB5"
           "es;E-mail;Nome;Nascimento;Telefone\r\n"
           "\"gosta de \"\"azul\"\";\r\nprefere manh\xC3\xA3s\";ana@x.br;Ana Cl\xC3\xA1udia;"
           "3/4/85;(21) 5555-0101\r\n"
           ";;Jos\xC3\xA9 Sousa;31/02/1990;\r\n"
           ";;Bruno Lima;01/01/1980;;extra\r\n"
           ";;Bia;01/01/1980;\r\n"
           ";;ANA CLAUDIA;03/04/1985;\r\n");
    ASSERT_TRUE(i.ok);
    EXPECT_EQ(CsvClientes::resumo(i.r), "1 cliente importado, 1 já existia, 3 linhas recusadas");
    ASSERT_EQ(i.recusas.size(), 3);
    EXPECT_TRUE(i.recusas[0].startsWith("Linha 4: A data informada")) << i.recusas[0].toStdString();
    EXPECT_TRUE(i.recusas[1].startsWith("Linha 5: a linha traz mais campos"));
    const auto lista = f.busca({}, &erro);
    ASSERT_EQ(lista.size(), 1u);
    EXPECT_EQ(lista[0].nome, "Ana Cláudia");
    EXPECT_EQ(lista[0].nascimento, QDate(1985, 4, 3));
    EXPECT_EQ(lista[0].email, "ana@x.br");
    EXPECT_EQ(lista[0].telefone, "(21) 5555-0101");
    EXPECT_EQ(lista[0].observacoes, "gosta de \"azul\";\nprefere manhãs");

    // The export: BOM, header, CR LF, quotes only where needed.
    EXPECT_EQ(CsvClientes::exporta(lista),
              "\xEF\xBB\xBFnome;nascimento;telefone;email;observacoes\r\n"
              "Ana Cl\xC3\xA1udia;03/04/1985;(21) 5555-0101;ana@x.br;"
              "\"gosta de \"\"azul\"\";\nprefere manh\xC3\xA3s\"\r\n");

    // Without a header naming the extra columns the rows keep to name and date; Windows-1252.
    QTemporaryDir outra;
    FichaClientes g;
    ASSERT_TRUE(g.abre(outra.path(), FichaClientes::Modo::Escrita, &erro));
    const Importacao j = importa(g, "nome;nascimento\nJo\xE3o Gon\xE7\x61lves;1/2/1999\n"
                                    "Carla Dias;2/2/2000;5555\n");
    EXPECT_EQ(j.r.importados, 1);
    EXPECT_EQ(j.r.recusadas, 1);
    EXPECT_EQ(g.busca("joao goncalves", &erro).at(0).nome, "João Gonçalves");
}

TEST(CsvClientes, ImportacaoPelaFerramentaListaEReimportacao) {
    QTemporaryDir a;
    const QString lista = a.filePath("lista.csv");
    escreve(lista, "nome;nascimento;telefone;email;observacoes\n"
                   "Zuleica Brandão;07/07/1947;;;\"linha 1\nlinha 2\"\n"
                   "Ênio Souza;1/1/2000;  11 4444  ;e@e;\"nota; com ponto e vírgula\"\n"
                   "\"Mário \"\"Tuca\"\" Reis\";15/03/1966;;;\n");
    Saida s = cli(0, {"clientes", "importar", lista, "--pasta", a.path()});
    EXPECT_EQ(s.out, "3 clientes importados, 0 já existiam, 0 linhas recusadas\n");

    const QJsonArray clientes =
        QJsonDocument::fromJson(executaCli({"clientes", "listar", "--pasta", a.path()}).out)
            .array();
    ASSERT_EQ(clientes.size(), 3);
    EXPECT_EQ(clientes[0].toObject().value("nome").toString(), "Ênio Souza"); // by name
    EXPECT_EQ(clientes[0].toObject().value("telefone").toString(), "11 4444");
    EXPECT_EQ(clientes[0].toObject().value("observacoes").toString(), "nota; com ponto e vírgula");
    EXPECT_EQ(clientes[1].toObject().keys().size(), 6);

    s = executaCli({"clientes", "importar", lista, "--pasta", a.path()});
    EXPECT_EQ(s.out, "0 clientes importados, 3 já existiam, 0 linhas recusadas\n");
    s = executaCli({"clientes", "listar", "--busca", "MARIO tuca", "--pasta", a.path()});
    EXPECT_EQ(QJsonDocument::fromJson(s.out).array().size(), 1);
    s = cli(2, {"clientes", "importar", a.filePath("nenhum.csv"), "--pasta", a.path()});
    EXPECT_TRUE(s.out.isEmpty());
}

// The tool reads the list from a pipe, and is killed while the rest of the list is still to
// come: it is then inside the import's transaction, with thousands of rows written.
TEST(CsvClientes, ImportacaoMortaNoMeioNaoDeixaNadaDelaNaFicha) {
    QTemporaryDir dir;
    Saida s = executaCli({"clientes", "importar", "/dev/null", "--pasta", dir.path()});
    {
        FichaClientes f;
        QString erro;
        ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
        Cliente c;
        c.nome = "Cliente Anterior";
        c.nascimento = QDate(1950, 1, 1);
        ASSERT_TRUE(f.salva(c, &erro));
    }
    QByteArray linhas = "nome;nascimento;telefone;email\n";
    for (int i = 0; i < 60000; ++i) {
        linhas += QStringLiteral("Pessoa Número %1 da Silva;%2/%3/19%4;11 5555-%1;p%1@x.br\n")
                      .arg(i)
                      .arg(1 + i % 28)
                      .arg(1 + i % 12)
                      .arg(10 + i % 90)
                      .toUtf8();
    }
    QProcess p;
    p.start(QStringLiteral(VIDALUME_CLI),
            {"clientes", "importar", "/dev/stdin", "--pasta", dir.path()});
    ASSERT_TRUE(p.waitForStarted());
    // More than a pipe holds: once written, the tool has read (and inserted) most of it.
    p.write(linhas);
    ASSERT_TRUE(p.waitForBytesWritten(60000));
    while (p.bytesToWrite() > 0) {
        ASSERT_TRUE(p.waitForBytesWritten(60000));
    }
    QThread::msleep(300);
    ASSERT_EQ(p.state(), QProcess::Running);
    ::kill(pid_t(p.processId()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);

    const QString ficha = dir.filePath(FichaClientes::kArquivo);
    EXPECT_EQ(sql(ficha, {"PRAGMA integrity_check"}).toString(), "ok");
    EXPECT_EQ(sql(ficha, {"SELECT count(*) FROM clientes"}).toInt(), 1);

    // And the same import, left to finish, keeps all of it.
    const QString arquivo = dir.filePath("lista.csv");
    escreve(arquivo, linhas);
    s = executaCli({"clientes", "importar", arquivo, "--pasta", dir.path()});
    EXPECT_EQ(s.out, "60000 clientes importados, 0 já existiam, 0 linhas recusadas\n");
}

// A cell a spreadsheet would run as a formula goes out with a leading apostrophe, and comes
// back without it: the round trip stays exact, apostrophes of the client's own included.
TEST(CsvClientes, FormulasDesarmadasNaExportacaoEDevolvidasNaImportacao) {
    QTemporaryDir a, b;
    const QStringList valores = {"=HYPERLINK(\"http://x\";\"y\")",
                                 "+55 11 4444-5555",
                                 "-2+3",
                                 "@SOMA(A1)",
                                 "'=já tinha apóstrofo",
                                 "'",
                                 "d'Ávila",
                                 "'comum"};
    std::vector<Cliente> lista;
    for (qsizetype i = 0; i < valores.size(); ++i) {
        Cliente c;
        c.nome = QStringLiteral("Cliente Numero %1").arg(QChar(char16_t(u'A' + i)));
        c.nascimento = QDate(1980, 1, 1);
        c.telefone = valores[i].left(Cliente::kMaximoTelefone);
        c.email = valores[i];
        c.observacoes = valores[i];
        lista.push_back(c);
    }
    // Every field at its limit, in letters of two UTF-8 bytes: a row far past 16 KiB.
    Cliente cheio;
    cheio.nome = QStringLiteral("Zélia ") + QString(Cliente::kMaximoNome - 6, u'Ã');
    cheio.nascimento = QDate(1980, 1, 1);
    cheio.telefone = QString(Cliente::kMaximoTelefone, u'9');
    cheio.email = QString(Cliente::kMaximoEmail, u'é');
    cheio.observacoes = QString(3999, u'ã') + u'\n' + QString(4000, u'ã');
    lista.push_back(cheio);
    const QByteArray csv = CsvClientes::exporta(lista);
    const QString texto = QString::fromUtf8(csv);
    EXPECT_TRUE(texto.contains(";\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\";"));
    EXPECT_TRUE(texto.contains(";'+55 11 4444-5555;"));
    EXPECT_TRUE(texto.contains(";'-2+3;'-2+3;'-2+3\r\n"));
    EXPECT_TRUE(texto.contains(";''=já tinha apóstrofo;"));
    EXPECT_TRUE(texto.contains(";d'Ávila;"));
    for (const QString& linha : texto.split("\r\n").mid(1)) {
        for (const QString& campo : linha.split(u';')) {
            EXPECT_FALSE(!campo.isEmpty() && QStringLiteral("=+-@\t\r").contains(campo.front()))
                << linha.toStdString();
        }
    }

    escreve(a.filePath("lista.csv"), csv);
    Saida s = cli(0, {"clientes", "importar", a.filePath("lista.csv"), "--pasta", b.path()});
    cli(0, {"clientes", "exportar", a.filePath("de-volta.csv"), "--pasta", b.path()});
    EXPECT_EQ(conteudo(a.filePath("de-volta.csv")), csv);
    const QJsonArray lidos =
        QJsonDocument::fromJson(executaCli({"clientes", "listar", "--pasta", b.path()}).out)
            .array();
    ASSERT_EQ(lidos.size(), valores.size() + 1);
    EXPECT_EQ(lidos.last().toObject().value("observacoes").toString(), cheio.observacoes);
    for (qsizetype i = 0; i < valores.size(); ++i) {
        EXPECT_EQ(lidos[i].toObject().value("email").toString(), valores[i]);
    }
}
