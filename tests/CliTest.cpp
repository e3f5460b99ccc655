// The command-line tool as a script uses it: output, exit codes, and a folder it only reads.
#include "ComporAnalise.h"
#include "Configuracao.h"
#include "TextoExportacao.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vidalume;

namespace {

struct Saida {
    int codigo;
    QByteArray out, err;
};

Saida executa(const QStringList& argumentos) {
    QProcess p;
    p.start(QStringLiteral(VIDALUME_CLI), argumentos);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QByteArray retrato(const QString& pasta) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    QDirIterator it(pasta, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    QStringList nomes;
    while (it.hasNext()) {
        nomes << it.next();
    }
    nomes.sort();
    for (const QString& n : nomes) {
        h.addData(n.toUtf8());
        QFile f(n);
        if (f.open(QIODevice::ReadOnly)) {
            h.addData(f.readAll());
        }
    }
    return h.result();
}

} // namespace

TEST(Cli, NumerosEmJson) {
    const Saida s = executa({"numeros", "--nome", "maria josé da conceição", "--nascimento",
                             "29-11-78", "--hoje", "06/12/2026"});
    ASSERT_EQ(s.codigo, 0) << s.err.toStdString();
    QJsonParseError erro;
    const QJsonObject o = QJsonDocument::fromJson(s.out, &erro).object();
    ASSERT_EQ(erro.error, QJsonParseError::NoError);
    EXPECT_EQ(o.value("nome").toString(), QStringLiteral("MARIA JOSE DA CONCEICAO"));
    EXPECT_EQ(o.value("nascimento").toString(), QStringLiteral("29/11/1978"));
    EXPECT_EQ(o.value("hoje").toString(), QStringLiteral("06/12/2026"));
    EXPECT_EQ(o.value("caminho_da_vida").toInt(), 2);
    EXPECT_EQ(o.value("ano_inicio_ciclo_colheita").toInt(), 2040);
    EXPECT_EQ(o.value("realizacoes").toArray(), QJsonArray({4, 9, 4, 9}));
    EXPECT_EQ(o.value("idades_realizacoes").toArray(), QJsonArray({34, 43, 52}));
    EXPECT_EQ(o.value("primeira_vogal").toString(), QStringLiteral("A"));
    EXPECT_EQ(o.value("signo").toInt(), 5);
    EXPECT_EQ(o.size(), 34);

    const Saida semVogal = executa({"numeros", "--nome", "Brr Kst", "--nascimento", "1/1/2000"});
    ASSERT_EQ(semVogal.codigo, 0);
    const QJsonObject v = QJsonDocument::fromJson(semVogal.out).object();
    EXPECT_TRUE(v.value("primeira_vogal").isNull());
    EXPECT_TRUE(v.value("primeira_vogal_codigo").isNull());
}

TEST(Cli, EntradasRecusadas) {
    Saida s = executa({"numeros", "--nome", "Ana", "--nascimento", "31/02/2000"});
    EXPECT_EQ(s.codigo, 2);
    EXPECT_TRUE(QString::fromUtf8(s.err).startsWith(QStringLiteral("A data informada não é")));
    EXPECT_TRUE(s.out.isEmpty());
    s = executa({"numeros", "--nome", "Ana", "--nascimento", "01/02/2000"});
    EXPECT_EQ(s.codigo, 2);
    EXPECT_TRUE(QString::fromUtf8(s.err).startsWith(QStringLiteral("Para gerar uma análise")));
    s = executa({"texto", "--nascimento", "01/02/2000"});
    EXPECT_EQ(s.codigo, 2);
    EXPECT_FALSE(s.err.isEmpty());
    s = executa({"numeros", "--nome", "Ana Maria", "--nascimento", "01/02/2000", "--hoje", "x"});
    EXPECT_EQ(s.codigo, 2);
    s = executa({"desconhecido"});
    EXPECT_EQ(s.codigo, 2);
}

TEST(Cli, TextoIgualAoDaExportacaoSemEscreverNaPasta) {
    QTemporaryDir dir;
    for (const QString& n : QDir(VIDALUME_DADOS_TESTE).entryList({"*.DAT"})) {
        ASSERT_TRUE(QFile::copy(QDir(VIDALUME_DADOS_TESTE).filePath(n), dir.filePath(n)));
    }
    const QByteArray antes = retrato(dir.path());
    const Saida s = executa({"texto", "--nome", "João d'Ávila", "--nascimento", "11/05/1990",
                             "--hoje", "06/12/2026", "--pasta", dir.path()});
    ASSERT_EQ(s.codigo, 0) << s.err.toStdString();
    const Analise a = ComporAnalise::compoe(QStringLiteral("JOAO D'AVILA"), "11/05/1990",
                                            QDate(2026, 12, 6), ArquivoInterpretacao(dir.path()));
    EXPECT_EQ(QString::fromUtf8(s.out), TextoExportacao::monta(a, Configuracao()));
    EXPECT_TRUE(s.out.contains("\r\n"));
    EXPECT_EQ(retrato(dir.path()), antes); // no settings file created

    // The folder's settings are used: only the life path, with its number.
    Configuracao c;
    c.CalculosAtivos.fill(0);
    c.CalculosAtivos[1] = -1;
    c.ImprimirNumero = -1;
    ASSERT_TRUE(c.GravaConfiguracao(dir.path()));
    const Saida so = executa(
        {"texto", "--nome", "Ana Maria", "--nascimento", "29/11/1978", "--pasta", dir.path()});
    EXPECT_TRUE(so.out.contains("Interpretações do Caminho da Vida: Número 2\r\n"));
    EXPECT_EQ(so.out.count("-=-=-=-=-=-=-=-=-=-=-"), 1);
}

TEST(Cli, PastaHostilNaoDerrubaAFerramenta) {
    QTemporaryDir dir;
    QRandomGenerator g(3);
    const QStringList nomes = {"CVIDA.DAT", "CDATA.DAT", "vidalume.dat", "APICES.DAT"};
    for (const QString& n : nomes) {
        QFile f(dir.filePath(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray b(int(g.bounded(20000)), '\0');
        for (char& c : b) {
            c = char(g.bounded(256));
        }
        f.write(b);
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("DESVIDA.DAT"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("fontes.dat"));
    QFile(dir.filePath("INTVOG.DAT")).open(QIODevice::WriteOnly); // empty
    const QByteArray antes = retrato(dir.path());
    for (const char* data : {"01/01/0001", "31/12/9999", "29/02/2000", "22/11/1922"}) {
        const Saida s = executa({"texto", "--nome", QString(3000, u'Ÿ') + " zé", "--nascimento",
                                 data, "--pasta", dir.path()});
        EXPECT_EQ(s.codigo, 0) << data << s.err.toStdString();
    }
    EXPECT_EQ(retrato(dir.path()), antes);
}
