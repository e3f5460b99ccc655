// A writer killed (SIGKILL) at random moments while it saves interpretation records and the
// four settings files, two hundred times over: afterwards every file holds exactly its old
// or its new content, never a mix of the two, and what the program reads from the folder is
// one or the other.
#include "../ArquivosTeste.h"
#include "ConjuntosGravacao.h"

#include "ArquivoInterpretacao.h"
#include "Configuracao.h"
#include "FontesAnalise.h"
#include "LinhasRodape.h"
#include "Margens.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <map>

#include <gtest/gtest.h>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

QByteArray conteudo(const QString& pasta, const QString& nome) {
    return teste::conteudo(QDir(pasta).filePath(nome));
}
// What the program reads from the folder, one entry per file.
QStringList leituras(const QString& pasta) {
    const ArquivoInterpretacao arquivos(pasta);
    const LinhasRodape l = LinhasRodape::CarregaLinhasRodape(pasta);
    const Margens m = Margens::le(pasta);
    return {arquivos.LeTextoInterpretacao(3, QStringLiteral("CVIDA.DAT")),
            arquivos.LeTextoInterpretacao(1, QStringLiteral("CDATA.DAT")),
            QString::fromLatin1(Configuracao::le(pasta).paraBytes().toHex()),
            QString::fromLatin1(FontesAnalise::le(pasta).paraBytes().toHex()),
            l.CabecalhoLinhaUm + u'|' + l.RodapeLinhaUm + u'|' + l.RodapeLinhaDois,
            QStringLiteral("%1 %2").arg(m.MargemEsquerda).arg(m.MargemInferior)};
}

} // namespace

TEST(InterrupcaoGravacao, CadaArquivoFicaAntigoOuNovoQuandoOGravadorMorre) {
    // The two contents of every file, made by the same saves in folders of their own.
    QTemporaryDir antigo, novo, pasta;
    preparaPasta(antigo.path());
    preparaPasta(novo.path());
    ASSERT_TRUE(gravaConjunto(novo.path(), 1));
    std::map<QString, std::pair<QByteArray, QByteArray>> esperado;
    for (const QString& nome : arquivosGravados()) {
        esperado[nome] = {conteudo(antigo.path(), nome), conteudo(novo.path(), nome)};
        ASSERT_FALSE(esperado[nome].first.isEmpty()) << nome.toStdString();
        ASSERT_NE(esperado[nome].first, esperado[nome].second) << nome.toStdString();
    }
    const QStringList lidoAntigo = leituras(antigo.path());
    const QStringList lidoNovo = leituras(novo.path());

    preparaPasta(pasta.path());
    QRandomGenerator sorte(19781129);
    int novos = 0, antigos = 0;
    for (int morte = 1; morte <= 200; ++morte) {
        SCOPED_TRACE(morte);
        QProcess gravador;
        gravador.start(QStringLiteral(VIDALUME_GRAVADOR), {pasta.path()});
        ASSERT_TRUE(gravador.waitForStarted(10'000));
        ASSERT_TRUE(gravador.waitForReadyRead(10'000)); // it is saving from now on
        QThread::usleep(sorte.bounded(20'001));         // 0 to 20 ms
        gravador.kill();
        ASSERT_TRUE(gravador.waitForFinished(10'000));
        ASSERT_EQ(gravador.exitStatus(), QProcess::CrashExit) << "the writer stopped by itself";

        for (const QString& nome : arquivosGravados()) {
            const QByteArray agora = conteudo(pasta.path(), nome);
            const bool eNovo = agora == esperado[nome].second;
            ASSERT_TRUE(eNovo || agora == esperado[nome].first)
                << nome.toStdString() << " is torn: " << agora.size() << " bytes";
            ++(eNovo ? novos : antigos);
        }
        const QStringList lido = leituras(pasta.path());
        for (qsizetype i = 0; i < lido.size(); ++i) {
            ASSERT_TRUE(lido[i] == lidoAntigo[i] || lido[i] == lidoNovo[i]) << i;
        }
    }
    // The kills fell before and after saves alike.
    EXPECT_GT(novos, 100);
    EXPECT_GT(antigos, 100);
}
