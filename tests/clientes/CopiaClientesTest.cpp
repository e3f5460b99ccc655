// Backups with the client file, driven through "vidalume-cli copia" and "clientes" as a
// script would: committed clients still in the log are in the archive, a restore goes through
// SQLite under a live log, hostile client files are refused with nothing changed, every file
// replaced keeps a dated copy, the parts can be restored apart, and a full disk mid-restore
// says what was and was not replaced.
#include "clients/FichaClientes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

#include <zip.h>

#include "tests/clientes/BancoTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

// `n` clients named after `prefixo`, imported through the tool.
void importa(const QString& pasta, const QString& prefixo, int n, int primeiro = 0) {
    QByteArray csv = "nome;nascimento\n";
    for (int i = primeiro; i < primeiro + n; ++i) {
        csv += QStringLiteral("%1 Cliente Numero %2;01/02/1980\n").arg(prefixo).arg(i).toUtf8();
    }
    const QString lista = QDir(pasta).filePath("lista.csv.tmp");
    escreve(lista, csv);
    cli(0, {"clientes", "importar", lista, "--pasta", pasta});
    QFile::remove(lista);
}

qsizetype clientes(const QString& pasta) {
    const Saida s = cli(0, {"clientes", "listar", "--pasta", pasta});
    return QJsonDocument::fromJson(s.out).array().size();
}

// Another program holding the client file open: while it is, what others commit stays in
// the write-ahead log.
class OutraConexao {
public:
    explicit OutraConexao(const QString& arquivo) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", kNome);
        db.setDatabaseName(arquivo);
        EXPECT_TRUE(db.open());
        valor("PRAGMA wal_autocheckpoint=0");
        valor("SELECT count(*) FROM clientes");
    }
    ~OutraConexao() {
        QSqlDatabase::database(kNome, false).close();
        QSqlDatabase::removeDatabase(kNome);
    }
    QVariant valor(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(kNome, false));
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        return q.next() ? q.value(0) : QVariant();
    }

private:
    static inline const QString kNome = QStringLiteral("outra");
};

// Runs the tool under a limit on the size of the files it writes.
Saida executaComLimite(qint64 bytes, const QStringList& argumentos) {
    QProcess p;
    p.start("prlimit", QStringList{QStringLiteral("--fsize=%1").arg(bytes), "--",
                                   QStringLiteral(VIDALUME_CLI)} +
                           argumentos);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// The files `nomes` of `pasta` as they are, in an archive made with libzip directly.
void zipDe(const QString& pasta, const QStringList& nomes, const QString& arquivo) {
    zip_t* zip =
        zip_open(QFile::encodeName(arquivo).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    ASSERT_NE(zip, nullptr);
    for (const QString& nome : nomes) {
        zip_source_t* fonte =
            zip_source_file(zip, QFile::encodeName(QDir(pasta).filePath(nome)).constData(), 0, -1);
        ASSERT_GE(zip_file_add(zip, nome.toUtf8().constData(), fonte, 0), 0);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

QStringList copiasEm(const QString& pasta) {
    return QDir(pasta).entryList({"*.copia-*"}, QDir::Files, QDir::Name);
}

} // namespace

TEST(CopiaClientes, CopiaLevaOQueEstaNoLogEARestauracaoPassaPeloSqlite) {
    QTemporaryDir a, b, zips;
    const QString zip = zips.filePath("copia.zip");
    importa(a.path(), "Antigo", 3);
    {
        OutraConexao aberta(a.filePath(FichaClientes::kArquivo));
        importa(a.path(), "Novo", 2);
        // The two new clients are committed and only in the log.
        ASSERT_GT(QFileInfo(a.filePath("clientes.sqlite-wal")).size(), 0);
        ASSERT_EQ(clientes(a.path()), 5);
        const Saida s = cli(0, {"copia", "fazer", zip, "--pasta", a.path()});
        EXPECT_TRUE(s.out.contains("ficha de clientes")) << s.out.toStdString();
    }
    EXPECT_EQ(modo(zip), 0600);

    // Restored under a live log: another program has b's file open with 4 clients, 2 of them
    // only in its log.
    importa(b.path(), "Outro", 2);
    {
        OutraConexao aberta(b.filePath(FichaClientes::kArquivo));
        importa(b.path(), "Outro", 2, 2);
        ASSERT_GT(QFileInfo(b.filePath("clientes.sqlite-wal")).size(), 0);
        const Saida s = cli(0, {"copia", "restaurar", zip, "--pasta", b.path()});
        EXPECT_EQ(s.out, QStringLiteral("A cópia de segurança foi restaurada (1 arquivo, com a "
                                        "ficha de clientes: 5 clientes). As versões anteriores "
                                        "ficaram guardadas na pasta %1 (%2).\n")
                             .arg(QDir::toNativeSeparators(b.path()), copiasEm(b.path()).join(", "))
                             .toUtf8());
        // The open program sees the restored file, whole.
        EXPECT_EQ(aberta.valor("PRAGMA integrity_check").toString(), "ok");
        EXPECT_EQ(aberta.valor("SELECT count(*) FROM clientes").toInt(), 5);
    }
    EXPECT_EQ(clientes(b.path()), 5);
    FichaClientes f;
    QString erro;
    ASSERT_TRUE(f.abre(b.path(), FichaClientes::Modo::Leitura, &erro)) << erro.toStdString();
    EXPECT_EQ(f.busca("novo", &erro).size(), 2u);

    // The file replaced was kept, with what sat in its log, readable by its owner only.
    const QStringList copias = copiasEm(b.path());
    ASSERT_EQ(copias.size(), 1);
    EXPECT_TRUE(copias[0].startsWith("clientes.sqlite.copia-"));
    EXPECT_EQ(modo(b.filePath(copias[0])), 0600);
    EXPECT_EQ(FichaClientes::confereCopia(b.filePath(copias[0]), &erro), 4) << erro.toStdString();
    EXPECT_FALSE(QFileInfo::exists(b.filePath(copias[0]) + "-wal"));
}

TEST(CopiaClientes, PartesRestauradasEmSeparado) {
    QTemporaryDir a, b, zips;
    const QString zip = zips.filePath("copia.zip");
    escreve(a.filePath("CVIDA.DAT"), QByteArray(5120, 'a'));
    escreve(a.filePath("margens.dat"), QByteArray(168, '\0'));
    importa(a.path(), "Guardado", 1);
    cli(0, {"copia", "fazer", zip, "--pasta", a.path()});

    const auto prepara = [&b] {
        escreve(b.filePath("CVIDA.DAT"), QByteArray(5120, 'b'));
        QFile::remove(b.filePath(FichaClientes::kArquivo));
        importa(b.path(), "Atual", 2);
    };
    prepara();
    Saida s = cli(0, {"copia", "restaurar", zip, "--sem-clientes", "--pasta", b.path()});
    EXPECT_TRUE(s.out.startsWith("A cópia de segurança foi restaurada (2 arquivos)."));
    EXPECT_EQ(conteudo(b.filePath("CVIDA.DAT")), QByteArray(5120, 'a'));
    EXPECT_EQ(clientes(b.path()), 2);

    cli(0, {"copia", "restaurar", zip, "--so-clientes", "--pasta", b.path()});
    EXPECT_EQ(clientes(b.path()), 1);
    // Restoring what is already there changes nothing and copies nothing.
    const QStringList copias = copiasEm(b.path());
    EXPECT_EQ(copias.size(), 2) << copias.join(' ').toStdString(); // CVIDA.DAT, clientes.sqlite
    cli(0, {"copia", "restaurar", zip, "--sem-clientes", "--pasta", b.path()});
    EXPECT_EQ(copiasEm(b.path()), copias);

    // The command line.
    cli(2, {"copia", "restaurar", zip, "--sem-clientes", "--so-clientes", "--pasta", b.path()});
    cli(2, {"copia", "fazer", "--pasta", b.path()});
    cli(2, {"copia", "apagar", zip, "--pasta", b.path()});
    // A backup without a client file cannot restore one.
    QTemporaryDir c;
    escreve(c.filePath("CVIDA.DAT"), QByteArray(5120, 'c'));
    cli(0, {"copia", "fazer", zips.filePath("sem.zip"), "--pasta", c.path()});
    const auto antes = retrato(b.path());
    s = cli(1,
            {"copia", "restaurar", zips.filePath("sem.zip"), "--so-clientes", "--pasta", b.path()});
    EXPECT_TRUE(contem(s.err, "não contém a ficha de clientes"));
    EXPECT_EQ(retrato(b.path()), antes);

    // A client file that is a FIFO would block the restore forever: it is refused at once.
    QTemporaryDir d;
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.filePath(FichaClientes::kArquivo)).constData(), 0600),
              0);
    s = cli(1, {"copia", "restaurar", zip, "--so-clientes", "--pasta", d.path()});
    EXPECT_TRUE(contem(s.err, "não é um arquivo comum"));
}

TEST(CopiaClientes, FichaHostilNaCopiaFicaForaEOsTextosVoltam) {
    QTemporaryDir dados, zips;
    importa(dados.path(), "Verdadeiro", 2);
    escreve(dados.filePath("CVIDA.DAT"), QByteArray(5120, 'v'));
    const auto antes = retrato(dados.path());
    const QString esquema =
        "CREATE TABLE clientes (id INTEGER PRIMARY KEY, nome, chave, nascimento, telefone, "
        "email, observacoes, criado, alterado)";
    const struct {
        const char* caso;
        QByteArray ficha;
    } casos[] = {
        {"lixo", aleatorio(8192, 5)},
        {"versão negativa", banco({esquema, "PRAGMA user_version=-7"})},
        {"versão futura", banco({esquema, "PRAGMA user_version=99"})},
        {"outro programa", banco({"CREATE TABLE jogos (x)", "PRAGMA user_version=2"})},
        {"sem versão", banco({"CREATE TABLE clientes (x)"})},
        {"sem o índice que faz cada cliente único",
         banco({esquema,
                "CREATE TABLE analises (id INTEGER PRIMARY KEY, cliente, feita, referencia)",
                "PRAGMA user_version=2"})},
        {"gatilho que apaga clientes",
         banco({esquema,
                "CREATE TABLE analises (id INTEGER PRIMARY KEY, cliente, feita, referencia)",
                "CREATE TRIGGER t AFTER INSERT ON clientes BEGIN DELETE FROM clientes; END",
                "PRAGMA user_version=2"})},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QTemporaryDir feita;
        escreve(feita.filePath("clientes.sqlite"), c.ficha);
        escreve(feita.filePath("CVIDA.DAT"), QByteArray(5120, 'h'));
        // Taken as bytes into an archive, as a hostile archive would hold it.
        const QString zip = zips.filePath(QStringLiteral("%1.zip").arg(c.caso));
        zipDe(feita.path(), {"CVIDA.DAT", "clientes.sqlite"}, zip);
        Saida s = cli(1, {"copia", "restaurar", zip, "--so-clientes", "--pasta", dados.path()});
        EXPECT_TRUE(contem(s.err, "nada foi alterado"));
        EXPECT_TRUE(contem(s.err, "arquivo de clientes da cópia"));
        EXPECT_EQ(retrato(dados.path()), antes);
        // The whole archive: the text comes back, the client file stays as it was.
        s = cli(1, {"copia", "restaurar", zip, "--pasta", dados.path()});
        EXPECT_TRUE(contem(s.err, "restaurada (1 arquivo)"));
        EXPECT_TRUE(contem(s.err, "arquivo de clientes da cópia"));
        EXPECT_EQ(conteudo(dados.filePath("CVIDA.DAT")), QByteArray(5120, 'h'));
        EXPECT_EQ(conteudo(dados.filePath("clientes.sqlite")),
                  antes.value(dados.filePath("clientes.sqlite")));
        escreve(dados.filePath("CVIDA.DAT"), QByteArray(5120, 'v'));
        for (const QString& c : copiasEm(dados.path())) {
            QFile::remove(dados.filePath(c));
        }
    }
}

TEST(CopiaClientes, DiscoCheioNoMeioDizOQueFoiSubstituido) {
    QTemporaryDir a, b, zips;
    const QString zip = zips.filePath("copia.zip");
    escreve(a.filePath("CVIDA.DAT"), QByteArray(5120, 'a'));
    escreve(a.filePath("DESVIDA.DAT"), QByteArray(5120, 'a'));
    importa(a.path(), "Guardado", 1);
    cli(0, {"copia", "fazer", zip, "--pasta", a.path()});

    // Here the client file is large: its dated copy cannot be written under the limit.
    escreve(b.filePath("CVIDA.DAT"), QByteArray(5120, 'b'));
    escreve(b.filePath("DESVIDA.DAT"), QByteArray(5120, 'b'));
    importa(b.path(), "Muitos Clientes Com Nomes Compridos", 4000);
    const qint64 ficha = QFileInfo(b.filePath(FichaClientes::kArquivo)).size();
    ASSERT_GT(ficha, 200000);
    const Saida s = executaComLimite(ficha / 2, {"copia", "restaurar", zip, "--pasta", b.path()});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_TRUE(contem(s.err, "ficaria maior do que o sistema permite"));
    EXPECT_TRUE(contem(s.err, "Substituídos (2 arquivos): CVIDA.DAT, DESVIDA.DAT."));
    EXPECT_TRUE(contem(s.err, "Não substituídos, como estavam (1 arquivo): clientes.sqlite."));
    EXPECT_TRUE(contem(s.err, QStringLiteral("estão na pasta %1: CVIDA.DAT.copia-")
                                  .arg(QDir::toNativeSeparators(b.path()))));
    EXPECT_EQ(conteudo(b.filePath("CVIDA.DAT")), QByteArray(5120, 'a'));
    EXPECT_EQ(clientes(b.path()), 4000);
    EXPECT_EQ(copiasEm(b.path()).size(), 2); // no half copy of the client file left

    // Too little room to even read the archive: refused before anything is replaced, and
    // what a restore killed midway left behind is cleared.
    QTemporaryDir c;
    cli(0, {"copia", "fazer", zips.filePath("grande.zip"), "--pasta", b.path()});
    importa(c.path(), "Pouco", 1);
    ASSERT_TRUE(QDir(c.path()).mkpath(".restauracao-2147483646-abcdef"));
    escreve(c.filePath(".restauracao-2147483646-abcdef/clientes.sqlite"), "resto");
    Saida r = executaComLimite(
        ficha / 2, {"copia", "restaurar", zips.filePath("grande.zip"), "--pasta", c.path()});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(contem(r.err, "o arquivo ficaria maior do que o sistema permite. Nenhum arquivo "
                              "foi alterado."));
    EXPECT_FALSE(QFileInfo::exists(c.filePath(".restauracao-2147483646-abcdef")));
    EXPECT_EQ(QDir(c.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"clientes.sqlite"});
}

TEST(CopiaClientes, ImportacaoAlemDoLimiteDeTamanhoDizPorque) {
    QTemporaryDir dados;
    importa(dados.path(), "Primeiro", 1);
    QByteArray csv = "nome;nascimento\n";
    for (int i = 0; i < 5000; ++i) {
        csv += QStringLiteral("Cliente Com Um Nome Bem Comprido %1;01/02/1980\n").arg(i).toUtf8();
    }
    escreve(dados.filePath("lista.csv"), csv);
    const QByteArray antes = conteudo(dados.filePath(FichaClientes::kArquivo));
    const Saida s = executaComLimite(
        64 * 1024, {"clientes", "importar", dados.filePath("lista.csv"), "--pasta", dados.path()});
    EXPECT_EQ(s.codigo, 1); // not killed by SIGXFSZ
    EXPECT_TRUE(contem(s.err, "o arquivo ficaria maior do que o sistema permite"));
    EXPECT_EQ(clientes(dados.path()), 1);
    EXPECT_EQ(conteudo(dados.filePath(FichaClientes::kArquivo)), antes);
}

// A backup takes only what a restore would take back, says what it left out, and a restore
// brings back every part it can of an archive that holds bad files.
TEST(CopiaClientes, CopiaSemOQueNaoVoltariaERestauracaoDoQueFor) {
    QTemporaryDir dados, zips, outra;
    escreve(dados.filePath("CVIDA.DAT"), QByteArray(5120, 'a'));
    escreve(dados.filePath("clientes.sqlite"),
            banco({"CREATE TABLE jogos (x)", "PRAGMA user_version=2"}));
    const QString zip = zips.filePath("c.zip");
    Saida s = cli(1, {"copia", "fazer", zip, "--pasta", dados.path()});
    EXPECT_TRUE(s.err.contains("foi gravada") && s.err.contains("1 arquivo ficou fora") &&
                s.err.contains("clientes.sqlite"))
        << s.err.toStdString();

    // Files the program reads but a restore refuses, and files that are not files at all.
    QFile::remove(dados.filePath("clientes.sqlite"));
    importa(dados.path(), "Guardado", 2);
    escreve(dados.filePath("opcoes.dat"), QByteArray(40, '\0'));
    escreve(dados.filePath("DESVIDA.DAT"), QByteArray(5120 + 100, 'd'));
    escreve(dados.filePath("AVISO.DAT"), QByteArray());
    escreve(dados.filePath("INTNOME.DAT"), QByteArray(129 * 5120, 'n'));
    escreve(outra.filePath("alvo"), QByteArray(5120, 'l'));
    ASSERT_TRUE(QFile::link(outra.filePath("alvo"), dados.filePath("CDATA.DAT")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dados.filePath("CFORM.DAT")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dados.path()).mkdir("rodape.dat"));
    // Left margin -5 mm, top margin not a number.
    escreve(dados.filePath("margens.dat"),
            QByteArray("\0\0\xA0\xC0\0\0\xC0\x7F", 8) + QByteArray(160, '\0'));
    s = cli(1, {"copia", "fazer", zip, "--pasta", dados.path()});
    for (const char* nome : {"opcoes.dat", "DESVIDA.DAT", "AVISO.DAT", "INTNOME.DAT", "CDATA.DAT",
                             "CFORM.DAT", "rodape.dat", "margens.dat"}) {
        EXPECT_TRUE(s.err.contains(QString::fromLatin1(nome))) << nome;
    }
    EXPECT_TRUE(s.err.contains("8 arquivos ficaram fora") && !s.err.contains("tempor"))
        << s.err.toStdString();
    QTemporaryDir b;
    cli(0, {"copia", "restaurar", zip, "--pasta", b.path()});
    EXPECT_EQ(QDir(b.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"CVIDA.DAT", "clientes.sqlite"}));
    EXPECT_EQ(clientes(b.path()), 2);

    // The same files taken as they are into an archive: the clients and the good text come
    // back, each bad file is named.
    QFile::remove(dados.filePath("CDATA.DAT"));
    QFile::remove(dados.filePath("CFORM.DAT"));
    zipDe(dados.path(),
          {"CVIDA.DAT", "opcoes.dat", "DESVIDA.DAT", "AVISO.DAT", "INTNOME.DAT", "margens.dat",
           "clientes.sqlite"},
          zips.filePath("cru.zip"));
    QTemporaryDir c;
    cli(0, {"copia", "restaurar", zips.filePath("cru.zip"), "--so-clientes", "--pasta", c.path()});
    EXPECT_EQ(clientes(c.path()), 2);
    s = cli(1, {"copia", "restaurar", zips.filePath("cru.zip"), "--pasta", c.path()});
    EXPECT_TRUE(contem(s.err, "margens que a página não comporta"));
    for (const char* nome :
         {"opcoes.dat", "DESVIDA.DAT", "AVISO.DAT", "INTNOME.DAT", "margens.dat"}) {
        EXPECT_TRUE(s.err.contains(QString::fromLatin1(nome))) << nome << s.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(c.filePath(nome))) << nome;
    }
    EXPECT_EQ(conteudo(c.filePath("CVIDA.DAT")), QByteArray(5120, 'a'));
}

// A text or settings file of the folder that is a FIFO or leads to a device is neither read
// nor replaced (the restore used to block on it or copy /dev/zero until the disk was full);
// the other files are still restored.
TEST(CopiaClientes, RestauracaoNaoLeFifoNemDispositivo) {
    QTemporaryDir a, b, zips;
    const QString zip = zips.filePath("copia.zip");
    for (const char* nome : {"CVIDA.DAT", "DESVIDA.DAT", "INTNOME.DAT"}) {
        escreve(a.filePath(nome), QByteArray(5120, 'a'));
    }
    cli(0, {"copia", "fazer", zip, "--pasta", a.path()});
    ASSERT_EQ(::mkfifo(QFile::encodeName(b.filePath("CVIDA.DAT")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", b.filePath("DESVIDA.DAT")));
    // Nor does an old file in the lock's place that names no process hold the restore back.
    QFile trava(b.filePath(".restauracao.trava"));
    ASSERT_TRUE(trava.open(QIODevice::WriteOnly) && trava.write("PK\x03\x04") == 4 &&
                trava.flush() &&
                trava.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                  QFileDevice::FileModificationTime));
    trava.close();
    const Saida s = cli(1, {"copia", "restaurar", zip, "--pasta", b.path()});
    EXPECT_TRUE(contem(s.err, "Substituídos (1 arquivo): INTNOME.DAT."));
    EXPECT_TRUE(contem(s.err, "CVIDA.DAT, DESVIDA.DAT"));
    EXPECT_EQ(conteudo(b.filePath("INTNOME.DAT")), QByteArray(5120, 'a'));
    EXPECT_TRUE(copiasEm(b.path()).isEmpty());
}

// Commands that write a file the user names never write over the data folder's own files,
// by their names, through a link or as another name of the same file.
TEST(CopiaClientes, SaidaNuncaEUmArquivoDaPasta) {
    QTemporaryDir dados, fora;
    importa(dados.path(), "Guardado", 1);
    escreve(dados.filePath("CVIDA.DAT"), QByteArray(5120, 'a'));
    ASSERT_TRUE(QFile::link(dados.filePath("clientes.sqlite"), fora.filePath("atalho.csv")));
    ASSERT_EQ(::link(QFile::encodeName(dados.filePath("CVIDA.DAT")).constData(),
                     QFile::encodeName(fora.filePath("outro-nome.zip")).constData()),
              0);
    const auto antes = retrato(dados.path());
    for (const QString& alvo :
         {dados.filePath("clientes.sqlite"), dados.filePath("clientes.sqlite-wal"),
          dados.filePath("CVIDA.DAT"), dados.filePath("opcoes.dat"), fora.filePath("atalho.csv"),
          fora.filePath("outro-nome.zip"), dados.filePath(".restauracao.trava")}) {
        for (const QStringList& comando :
             {QStringList{"clientes", "exportar", alvo}, QStringList{"copia", "fazer", alvo}}) {
            const Saida s = executaCli(comando + QStringList{"--pasta", dados.path()});
            EXPECT_EQ(s.codigo, 2) << comando.join(u' ').toStdString();
            EXPECT_TRUE(contem(s.err, "é um arquivo da pasta de dados"));
        }
    }
    EXPECT_EQ(retrato(dados.path()), antes);
    cli(0, {"clientes", "exportar", dados.filePath("lista.csv"), "--pasta", dados.path()});
}

// A client file of the first version with many free pages comes back up to date and no
// bigger than its content.
TEST(CopiaClientes, FichaAntigaVoltaAtualizadaECompacta) {
    QTemporaryDir feita, dados, zips;
    escreve(
        feita.filePath("clientes.sqlite"),
        banco({"CREATE TABLE clientes (id INTEGER PRIMARY KEY, nome TEXT NOT NULL, chave TEXT "
               "NOT NULL, nascimento TEXT NOT NULL, telefone TEXT NOT NULL DEFAULT '', email "
               "TEXT NOT NULL DEFAULT '', observacoes TEXT NOT NULL DEFAULT '', criado TEXT NOT "
               "NULL, alterado TEXT NOT NULL, UNIQUE (chave, nascimento))",
               "INSERT INTO clientes VALUES (1, 'Ana Maria', 'ANA MARIA', '1980-02-01', '', "
               "'', '', '2020-01-01T00:00:00', '2020-01-01T00:00:00')",
               "CREATE TABLE lixo (x)", "INSERT INTO lixo VALUES (randomblob(4000000))",
               "DROP TABLE lixo", "PRAGMA user_version=1"}));
    ASSERT_GT(QFileInfo(feita.filePath("clientes.sqlite")).size(), 3000000);
    zipDe(feita.path(), {"clientes.sqlite"}, zips.filePath("antiga.zip"));
    cli(0, {"copia", "restaurar", zips.filePath("antiga.zip"), "--pasta", dados.path()});
    EXPECT_EQ(clientes(dados.path()), 1);
    EXPECT_LT(QFileInfo(dados.filePath("clientes.sqlite")).size(), 100000);
}

// A client file protected against writing (0400), or in a folder that cannot be written, is
// still listed and backed up, leaves nothing beside it, and a write to it fails with a
// message instead of reporting success.
TEST(CopiaClientes, FichaSomenteLeituraListadaECopiadaSemDeixarArquivos) {
    QTemporaryDir dir, fora;
    importa(dir.path(), "Ana", 2);
    const QString ficha = dir.filePath(FichaClientes::kArquivo);
    ASSERT_TRUE(QFile::setPermissions(ficha, QFile::ReadOwner));
    const auto antes = retrato(dir.path());
    EXPECT_EQ(clientes(dir.path()), 2);
    const Saida copia = cli(0, {"copia", "fazer", fora.filePath("c.zip"), "--pasta", dir.path()});
    EXPECT_FALSE(copia.err.contains("ficou fora")) << copia.err.toStdString();
    QTemporaryDir volta;
    cli(0,
        {"copia", "restaurar", fora.filePath("c.zip"), "--so-clientes", "--pasta", volta.path()});
    EXPECT_EQ(clientes(volta.path()), 2);
    EXPECT_EQ(retrato(dir.path()), antes); // no -shm or -wal left beside it
    const Saida sobre = executaCli(
        {"copia", "restaurar", fora.filePath("c.zip"), "--so-clientes", "--pasta", dir.path()});
    EXPECT_TRUE(contem(sobre.err, "protegido contra gravação"));
    EXPECT_FALSE(QFileInfo::exists(ficha + "-shm"));

    escreve(fora.filePath("l.csv"), "nome;nascimento\nBia Souza;02/03/1990\n");
    const Saida importacao =
        executaCli({"clientes", "importar", fora.filePath("l.csv"), "--pasta", dir.path()});
    EXPECT_NE(importacao.codigo, 0);
    EXPECT_TRUE(contem(importacao.err, "protegido contra gravação"));

    // A folder the user cannot write: root writes anyway, so only a user can check it.
    ASSERT_TRUE(QFile::setPermissions(ficha, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
    if (::access(QFile::encodeName(dir.path()).constData(), W_OK) != 0) {
        EXPECT_EQ(clientes(dir.path()), 2);
        const Saida s =
            executaCli({"clientes", "importar", fora.filePath("l.csv"), "--pasta", dir.path()});
        EXPECT_NE(s.codigo, 0);
        EXPECT_TRUE(contem(s.err, "não permite gravação"));
        cli(0, {"copia", "fazer", fora.filePath("d.zip"), "--pasta", dir.path()});
    }
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
}
