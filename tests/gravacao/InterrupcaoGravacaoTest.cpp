// A writer killed (SIGKILL) at random moments while it saves interpretation records and the
// four settings files, two hundred times over: afterwards every file holds exactly its old
// or its new content, never a mix of the two.
#include "tests/ArquivosTeste.h"
#include "tests/gravacao/ConjuntosGravacao.h"

#include <QTemporaryDir>
#include <QThread>

#include <map>

using namespace vidalume;
using namespace vidalume::teste;

TEST(InterrupcaoGravacao, CadaArquivoFicaAntigoOuNovoQuandoOGravadorMorre) {
    // The two contents of every file, made by the same saves in folders of their own.
    QTemporaryDir antigo, novo, pasta;
    preparaPasta(antigo.path());
    preparaPasta(novo.path());
    ASSERT_TRUE(gravaConjunto(novo.path(), 1));
    std::map<QString, std::pair<QByteArray, QByteArray>> esperado;
    for (const QString& nome : arquivosGravados()) {
        esperado[nome] = {conteudo(antigo.filePath(nome)), conteudo(novo.filePath(nome))};
        ASSERT_FALSE(esperado[nome].first.isEmpty()) << nome.toStdString();
        ASSERT_NE(esperado[nome].first, esperado[nome].second) << nome.toStdString();
    }

    preparaPasta(pasta.path());
    QRandomGenerator sorte(19781129);
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
            const QByteArray agora = conteudo(pasta.filePath(nome));
            ASSERT_TRUE(agora == esperado[nome].second || agora == esperado[nome].first)
                << nome.toStdString() << " is torn: " << agora.size() << " bytes";
        }
    }
}
