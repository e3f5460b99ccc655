// The client file on disk: the schema and its upgrade, what a damaged, read-only or newer file
// gets, the search without case and accents, the one-client rule and the analyses recorded.
#include "clients/FichaClientes.h"

#include <QDir>

#include "tests/clientes/BancoTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

Cliente cliente(const QString& nome, QDate nascimento) {
    Cliente c;
    c.nome = nome;
    c.nascimento = nascimento;
    return c;
}

QStringList nomes(const std::vector<Cliente>& lista) {
    QStringList r;
    for (const Cliente& c : lista) {
        r << c.nome;
    }
    return r;
}

class FichaClientesTest : public ::testing::Test {
protected:
    QString arquivo() const { return dir.filePath(FichaClientes::kArquivo); }
    // A file holding one client, written and closed.
    void guardaMaria() {
        FichaClientes f;
        ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
        Cliente c = cliente("Maria da Silva", QDate(1978, 11, 29));
        ASSERT_TRUE(f.salva(c, &erro)) << erro.toStdString();
    }
    QTemporaryDir dir;
    QString erro;
};

} // namespace

TEST_F(FichaClientesTest, FichaNovaEAtualizacaoDeUmaVersaoAnterior) {
    {
        FichaClientes f;
        ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro)) << erro.toStdString();
    }
    EXPECT_EQ(sql(arquivo(), {"PRAGMA user_version"}).toInt(), 3);
    EXPECT_EQ(sql(arquivo(), {"PRAGMA journal_mode"}).toString(), "wal");
    QFile::remove(arquivo());
    QFile::remove(arquivo() + "-wal");
    QFile::remove(arquivo() + "-shm");

    // A file of the first version: clients only.
    sql(arquivo(), {"CREATE TABLE clientes (id INTEGER PRIMARY KEY, nome TEXT NOT NULL, chave "
                    "TEXT NOT NULL, nascimento TEXT NOT NULL, telefone TEXT NOT NULL DEFAULT '', "
                    "email TEXT NOT NULL DEFAULT '', observacoes TEXT NOT NULL DEFAULT '', "
                    "criado TEXT NOT NULL, alterado TEXT NOT NULL, UNIQUE (chave, nascimento))",
                    "INSERT INTO clientes VALUES (7, 'Zé Antônio', 'ze antonio', '1970-03-04', "
                    "'', '', 'antigo', '2020-01-01T10:00:00', '2020-01-01T10:00:00')",
                    "PRAGMA user_version=1"});
    FichaClientes leitura;
    EXPECT_FALSE(leitura.abre(dir.path(), FichaClientes::Modo::Leitura, &erro));
    FichaClientes f;
    ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro)) << erro.toStdString();
    EXPECT_EQ(sql(arquivo(), {"PRAGMA user_version"}).toInt(), 3);
    const auto c = f.cliente(7, &erro);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->observacoes, "antigo");
    AnaliseCliente a{0, 7, QDateTime(QDate(2025, 5, 1), QTime(9, 30)), QDate(2030, 1, 1),
                     EscolaCalculo::Cabalistica};
    EXPECT_TRUE(f.registraAnalise(a, &erro)) << erro.toStdString();
    // An analysis keeps the school it was computed by.
    EXPECT_EQ(f.analises(7, &erro).front().escola, EscolaCalculo::Cabalistica);
}

TEST_F(FichaClientesTest, ArquivoDanificadoOuSomenteLeituraFicaComoEsta) {
    guardaMaria();
    const QByteArray bom = conteudo(arquivo());
    ASSERT_FALSE(bom.isEmpty());

    // Damaged: a page in the middle overwritten, and a file that is no database at all.
    QByteArray estragado = bom;
    for (qsizetype i = 4096; i < 4096 + 600 && i < estragado.size(); ++i) {
        estragado[i] = char(0xA5);
    }
    for (const QByteArray& bytes : {estragado, aleatorio(9000, 11)}) {
        escreve(arquivo(), bytes);
        FichaClientes f;
        EXPECT_FALSE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
        EXPECT_TRUE(contem(erro, "danificado"));
        EXPECT_EQ(conteudo(arquivo()), bytes);
    }

    // Protected against writing: not opened for changes, still read.
    escreve(arquivo(), bom);
    ASSERT_TRUE(QFile::setPermissions(arquivo(), QFile::ReadOwner | QFile::ReadUser));
    FichaClientes escrita;
    EXPECT_FALSE(escrita.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
    EXPECT_TRUE(contem(erro, "protegido contra gravação"));
    FichaClientes leitura;
    ASSERT_TRUE(leitura.abre(dir.path(), FichaClientes::Modo::Leitura, &erro))
        << erro.toStdString();
    EXPECT_EQ(nomes(leitura.busca({}, &erro)), QStringList{"Maria da Silva"});
    EXPECT_EQ(conteudo(arquivo()), bom);
}

TEST_F(FichaClientesTest, BuscaSemCaixaNemAcentosEUmSoClientePorNomeEData) {
    FichaClientes f;
    ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
    for (const auto& [nome, data] : {std::pair{"João da Silva", QDate(1978, 11, 29)},
                                     {"Ana Lúcia Conceição", QDate(1990, 1, 2)},
                                     {"ÁLVARO JOANES", QDate(1955, 7, 7)},
                                     {"Maria Joana", QDate(2001, 2, 3)}}) {
        Cliente c = cliente(nome, data);
        ASSERT_TRUE(f.salva(c, &erro)) << erro.toStdString();
    }
    EXPECT_EQ(nomes(f.busca("joao", &erro)), QStringList{"João da Silva"});
    EXPECT_EQ(nomes(f.busca("  CONCEICAO   lucia ", &erro)), QStringList{"Ana Lúcia Conceição"});
    EXPECT_EQ(nomes(f.busca("joa", &erro)),
              (QStringList{"ÁLVARO JOANES", "João da Silva", "Maria Joana"}));
    EXPECT_EQ(f.busca({}, &erro).size(), 4u);
    EXPECT_TRUE(f.busca("%", &erro).empty());
    EXPECT_TRUE(erro.isEmpty());

    // The same client however the name is written: kept once.
    Cliente mesmo = cliente("  joão   DA silva ", QDate(1978, 11, 29));
    EXPECT_FALSE(f.salva(mesmo, &erro));
    EXPECT_TRUE(erro.startsWith("Já existe")) << erro.toStdString();
    bool jaExistia = false;
    ASSERT_TRUE(f.guarda(mesmo, &jaExistia, &erro));
    EXPECT_TRUE(jaExistia);
    EXPECT_EQ(mesmo.id, f.busca("joao", &erro).front().id);
    Cliente outraData = cliente("João da Silva", QDate(1978, 11, 30));
    ASSERT_TRUE(f.guarda(outraData, &jaExistia, &erro));
    EXPECT_FALSE(jaExistia);

    // A change that would make two the same is refused; a name the entry refuses too.
    Cliente alterado = outraData;
    alterado.nascimento = QDate(1978, 11, 29);
    EXPECT_FALSE(f.salva(alterado, &erro));
    alterado.nome = "Ana";
    EXPECT_FALSE(f.salva(alterado, &erro));
    EXPECT_EQ(f.busca("joao", &erro).size(), 2u);
}

TEST_F(FichaClientesTest, AnalisesRegistradasSaemComOCliente) {
    FichaClientes f;
    ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
    Cliente c = cliente("Pedro Álvares", QDate(1960, 4, 22));
    ASSERT_TRUE(f.salva(c, &erro));
    for (int dia : {3, 9, 5}) {
        AnaliseCliente a{0, c.id, QDateTime(QDate(2025, 6, dia), QTime(14, 0)), QDate(2026, 1, dia),
                         EscolaCalculo::Pitagorica};
        ASSERT_TRUE(f.registraAnalise(a, &erro)) << erro.toStdString();
    }
    const auto lista = f.analises(c.id, &erro);
    ASSERT_EQ(lista.size(), 3u);
    EXPECT_EQ(lista.front().referencia, QDate(2026, 1, 9)); // the latest first
    EXPECT_EQ(f.busca("pedro", &erro).front().ultimaAnalise,
              QDateTime(QDate(2025, 6, 9), QTime(14, 0)));

    AnaliseCliente semCliente{0, c.id + 100, QDateTime::currentDateTime(), QDate(2026, 1, 1),
                              EscolaCalculo::Pitagorica};
    EXPECT_FALSE(f.registraAnalise(semCliente, &erro));
    ASSERT_TRUE(f.exclui(c.id, &erro));
    EXPECT_EQ(sql(arquivo(), {"SELECT count(*) FROM analises"}).toInt(), 0);
}

// A newer version, versions no program wrote and databases of other programs, through the tool
// and the window's class: refused, and the file left byte for byte, not even switched to a
// write-ahead log.
TEST_F(FichaClientesTest, VersaoDesconhecidaOuBancoDeOutroProgramaFicaComoEsta) {
    guardaMaria();
    const QByteArray bom = conteudo(arquivo());
    escreve(dir.filePath("lista.csv"), "Ana Souza;01/01/1990\n");
    const struct {
        const char* caso;
        QStringList comandos;
        const char* motivo;
    } casos[] = {
        {"de uma versão mais nova do programa",
         {"PRAGMA journal_mode=DELETE", "PRAGMA user_version=4"},
         "versão mais nova"},
        {"-1", {"PRAGMA journal_mode=DELETE", "PRAGMA user_version=-1"}, "nenhuma versão"},
        {"mínima",
         {"PRAGMA journal_mode=DELETE", "PRAGMA user_version=-2147483648"},
         "nenhuma versão"},
        {"outro programa com versão 2",
         {"PRAGMA journal_mode=DELETE", "DROP TABLE analises", "DROP TABLE clientes",
          "CREATE TABLE clientes (id INTEGER PRIMARY KEY, x)", "PRAGMA user_version=2"},
         "outro programa"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        escreve(arquivo(), bom);
        sql(arquivo(), c.comandos);
        const QByteArray antes = conteudo(arquivo());
        for (auto modo : {FichaClientes::Modo::Escrita, FichaClientes::Modo::Leitura}) {
            FichaClientes f;
            EXPECT_FALSE(f.abre(dir.path(), modo, &erro));
            EXPECT_TRUE(contem(erro, c.motivo));
        }
        for (const QStringList& argumentos :
             {QStringList{"clientes", "importar", dir.filePath("lista.csv")},
              QStringList{"clientes", "listar"}}) {
            const Saida s = cli(1, argumentos + QStringList{"--pasta", dir.path()});
            EXPECT_TRUE(contem(s.err, c.motivo));
        }
        EXPECT_EQ(conteudo(arquivo()), antes);
        EXPECT_FALSE(QFileInfo::exists(arquivo() + "-wal"));
        // The 20th byte of the header says rollback journal (1), not write-ahead log (2).
        EXPECT_EQ(antes[18], 1);
    }
}

// Who can read the file and where it can be: private modes, no links, no journal left by a
// listing, and no devices read as lists.
TEST_F(FichaClientesTest, SoODonoLeENadaDeLinksNemDispositivos) {
    escreve(dir.filePath("lista.csv"), "Ana Souza;01/01/1990\n");
    Saida s = cli(0, {"clientes", "importar", dir.filePath("lista.csv"), "--pasta", dir.path()});
    EXPECT_EQ(modo(arquivo()), 0600);
    {
        FichaClientes f;
        ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
        Cliente c = cliente("Bruno Souza", QDate(1991, 1, 1));
        ASSERT_TRUE(f.salva(c, &erro));
        EXPECT_EQ(modo(arquivo() + "-wal"), 0600);
    }
    // A file an older version left readable by all is closed to others when next written.
    ASSERT_EQ(::chmod(QFile::encodeName(arquivo()).constData(), 0644), 0);
    {
        FichaClientes f;
        ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
    }
    EXPECT_EQ(modo(arquivo()), 0600);

    // A listing leaves nothing beside the file.
    const auto antes = retrato(dir.path());
    cli(0, {"clientes", "listar", "--pasta", dir.path()});
    EXPECT_EQ(retrato(dir.path()), antes);

    // No device is read as a list (it might never end while the file is locked).
    s = cli(2, {"clientes", "importar", "/dev/zero", "--pasta", dir.path()});
    EXPECT_TRUE(contem(s.err, "não é um arquivo comum"));

    // A link in the file's place, to a file or to nowhere, is never followed.
    QTemporaryDir fora;
    const QString alvo = fora.filePath("alvo.sqlite");
    ASSERT_TRUE(QFile::rename(arquivo(), alvo));
    const QByteArray bytesAlvo = conteudo(alvo);
    for (const QString& destino : {alvo, fora.filePath("nada.sqlite")}) {
        ASSERT_TRUE(QFile::link(destino, arquivo()));
        for (auto modo : {FichaClientes::Modo::Escrita, FichaClientes::Modo::Leitura}) {
            FichaClientes f;
            EXPECT_FALSE(f.abre(dir.path(), modo, &erro));
            EXPECT_TRUE(contem(erro, "link"));
        }
        cli(1, {"clientes", "importar", dir.filePath("lista.csv"), "--pasta", dir.path()});
        ASSERT_TRUE(QFile::remove(arquivo()));
    }
    EXPECT_EQ(conteudo(alvo), bytesAlvo);
    EXPECT_FALSE(QFileInfo::exists(fora.filePath("nada.sqlite")));
}

TEST_F(FichaClientesTest, CaracteresDeControleNosCamposSaoRecusados) {
    FichaClientes f;
    ASSERT_TRUE(f.abre(dir.path(), FichaClientes::Modo::Escrita, &erro));
    for (const QChar controle : {QChar(0), QChar(0x1B), QChar(0x85)}) {
        const QString nome = QStringLiteral("Ana ") + controle + QStringLiteral("Souza");
        Cliente c = cliente(nome, QDate(1990, 1, 1));
        EXPECT_FALSE(f.salva(c, &erro));
        EXPECT_TRUE(contem(erro, "caractere de controle"));
    }
    Cliente c = cliente("Ana Souza", QDate(1990, 1, 1));
    c.observacoes = "linha 1\n\tlinha 2";
    EXPECT_TRUE(f.salva(c, &erro)) << erro.toStdString();
    c.telefone = QStringLiteral("11") + QChar(7) + QStringLiteral("4444");
    EXPECT_FALSE(f.salva(c, &erro));
    EXPECT_EQ(f.total(&erro), 1);
}
