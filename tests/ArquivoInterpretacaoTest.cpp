// Interpretation records: reading, writing, and what hostile files do.
#include "texts/ArquivoInterpretacao.h"

#include <QDir>
#include <QTemporaryDir>

#include "tests/ArquivosTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

constexpr int kR = 5120; // bytes of a record, as the files on users' disks hold them

} // namespace

TEST(ArquivoInterpretacao, GravaELeDeVolta) {
    QTemporaryDir dir;
    const ArquivoInterpretacao arq(dir.path());
    const QString texto = QStringLiteral("  Você é uma pessoa ímpar.\r\n\r\n  Segundo parágrafo  ");
    ASSERT_TRUE(arq.GravaTextoInterpretacao(3, "CVIDA.DAT", texto));
    // Leading and trailing spaces go; inner spaces and line breaks stay.
    EXPECT_EQ(arq.LeTextoInterpretacao(3, "CVIDA.DAT"),
              QStringLiteral("Você é uma pessoa ímpar.\r\n\r\n  Segundo parágrafo"));
    // Records 1 and 2 before it were created blank; the text is stored in Windows-1252.
    const QByteArray bytes = conteudo(arq.caminho("CVIDA.DAT"));
    ASSERT_EQ(bytes.size(), 3 * kR);
    EXPECT_EQ(bytes.left(2 * kR + 6), QByteArray(2 * kR, ' ') + "  Voc\xea");

    // A text longer than its record is cut; characters outside the code page become "?".
    const QString longo = QString(6000, u'a');
    ASSERT_TRUE(arq.GravaTextoInterpretacao(1, "X.DAT", longo));
    EXPECT_EQ(arq.LeTextoInterpretacao(1, "X.DAT"), longo.left(kR));
    EXPECT_EQ(conteudo(arq.caminho("X.DAT")).size(), kR);
    ASSERT_TRUE(arq.GravaTextoInterpretacao(1, "X.DAT", QStringLiteral("São Paulo → ł 😀 €")));
    EXPECT_EQ(arq.LeTextoInterpretacao(1, "X.DAT"), QStringLiteral("São Paulo ? ? ? €"));
}

TEST(ArquivoInterpretacao, ArquivosEstranhosLidosSemEstragar) {
    QTemporaryDir dir;
    const ArquivoInterpretacao arq(dir.path());
    EXPECT_EQ(arq.LeTextoInterpretacao(1, "NAOEXISTE.DAT"), QString());
    escreve(arq.caminho("CURTO.DAT"), QByteArray(kR + 10, 'x'));
    EXPECT_EQ(arq.LeTextoInterpretacao(-4, "CURTO.DAT"), QString());
    EXPECT_EQ(arq.LeTextoInterpretacao(3, "CURTO.DAT"), QString());
    // A short last record reads as far as it goes.
    EXPECT_EQ(arq.LeTextoInterpretacao(2, "CURTO.DAT"), QStringLiteral("xxxxxxxxxx"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("PASTA.DAT"));
    EXPECT_EQ(arq.LeTextoInterpretacao(1, "PASTA.DAT"), QString());

    // Rewriting a record of random bytes with the text it holds changes nothing, other records
    // included.
    const QByteArray aleatorio = teste::aleatorio(3 * kR + 77, 42);
    escreve(arq.caminho("R.DAT"), aleatorio);
    const QString texto = arq.LeTextoInterpretacao(2, "R.DAT");
    QByteArray esperado = aleatorio;
    esperado.replace(kR, kR, ArquivoInterpretacao::registro(texto));
    ASSERT_TRUE(arq.GravaTextoInterpretacao(2, "R.DAT", texto));
    EXPECT_EQ(conteudo(arq.caminho("R.DAT")), esperado);
    EXPECT_EQ(arq.LeTextoInterpretacao(2, "R.DAT"), texto);
}

TEST(ArquivoInterpretacao, FalhaDeGravacaoDizPorqueEPreservaOArquivo) {
    QTemporaryDir dir;
    const ArquivoInterpretacao arq(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir("PASTA.DAT"));
    QString erro;
    EXPECT_FALSE(arq.GravaTextoInterpretacao(1, "PASTA.DAT", QStringLiteral("x"), &erro));
    EXPECT_TRUE(contem(erro, QStringLiteral("PASTA.DAT")));
    EXPECT_FALSE(arq.GravaTextoInterpretacao(0, "A.DAT", QStringLiteral("x"), &erro));

    ASSERT_TRUE(arq.GravaTextoInterpretacao(1, "A.DAT", QStringLiteral("antigo")));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool gravou = arq.GravaTextoInterpretacao(1, "A.DAT", QStringLiteral("novo"), &erro);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (gravou) {
        GTEST_SKIP() << "running as a user who can write into read-only folders";
    }
    EXPECT_FALSE(erro.isEmpty());
    EXPECT_EQ(arq.LeTextoInterpretacao(1, "A.DAT"), QStringLiteral("antigo"));
}
