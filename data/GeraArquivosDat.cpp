// Build tool: writes each interpretation file (STEM.DAT) of a program folder from its
// UTF-8 source (STEM.txt), only where the folder does not have that file yet.
//   vidalume-gera-dat SOURCE_DIR PROGRAM_DIR [--sempre]
// With --sempre every file is written (used to produce pristine copies for tests).
#include "texts/ArquivoInterpretacao.h"
#include "texts/FonteTextos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace vidalume;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "uso: vidalume-gera-dat PASTA_FONTES PASTA_PROGRAMA [--sempre]\n");
        return 2;
    }
    const QDir fontes(args.at(1));
    const QString destino = args.at(2);
    const bool sempre = args.contains(QStringLiteral("--sempre"));
    QDir().mkpath(destino);
    const ArquivoInterpretacao arquivos(destino);
    int falhas = 0;
    for (const QFileInfo& fonte : fontes.entryInfoList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QString arquivo = fonte.completeBaseName() + QStringLiteral(".DAT");
        if (!sempre && QFileInfo::exists(arquivos.caminho(arquivo))) {
            continue;
        }
        QString erro;
        const auto registros = FonteTextos::carrega(fonte.filePath(), &erro);
        if (!erro.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(fonte.fileName()), qPrintable(erro));
            ++falhas;
            continue;
        }
        // The file is built whole in a temporary name and renamed, so an interrupted build
        // never leaves a partial file that later builds would take as the user's.
        const QString temporario = arquivo + QStringLiteral(".novo");
        QFile::remove(arquivos.caminho(temporario));
        bool ok = true;
        for (auto it = registros.cbegin(); it != registros.cend() && ok; ++it) {
            ok = arquivos.GravaTextoInterpretacao(it.key(), temporario, it.value(), &erro);
        }
        QFile::remove(arquivos.caminho(arquivo));
        if (!ok || !QFile::rename(arquivos.caminho(temporario), arquivos.caminho(arquivo))) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(arquivo), qPrintable(erro));
            ++falhas;
        }
    }
    return falhas == 0 ? 0 : 1;
}
