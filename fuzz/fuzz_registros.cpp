// Interpretation records: any file content reads without failing; writing a record and
// reading it back gives the text as stored, and leaves every other byte of the file alone.
#include "engine/Windows1252.h"
#include "fuzz/ArquivoFuzz.h"
#include "texts/ArquivoInterpretacao.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdlib>

using namespace vidalume;

using fuzz::conteudo;
using fuzz::escreve;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static QTemporaryDir dir;
    if (tamanho < 2) {
        return 0;
    }
    const ArquivoInterpretacao arq(dir.path());
    const int registro = int(dados[0] % 5) - 1; // -1 .. 3
    const QByteArray arquivo(reinterpret_cast<const char*>(dados + 1), int(tamanho - 1));
    escreve(arq.caminho("F.DAT"), arquivo.left(arquivo.size() / 2));
    const QByteArray antes = conteudo(arq.caminho("F.DAT"));
    const QString lido = arq.LeTextoInterpretacao(registro, "F.DAT");
    if (lido.size() > ArquivoInterpretacao::kTamanhoRegistro) {
        std::abort();
    }
    const QString texto = Windows1252::decodifica(arquivo.mid(arquivo.size() / 2));
    if (!arq.GravaTextoInterpretacao(registro, "F.DAT", texto)) {
        if (registro >= 1) {
            std::abort();
        }
        return 0;
    }
    const QString volta = arq.LeTextoInterpretacao(registro, "F.DAT");
    static const QRegularExpression espacosNasPontas(QStringLiteral(R"(\A +| +\z)"));
    if (volta != texto.left(ArquivoInterpretacao::kTamanhoRegistro).remove(espacosNasPontas)) {
        std::abort();
    }
    const QByteArray depois = conteudo(arq.caminho("F.DAT"));
    const qint64 inicio = qint64(registro - 1) * ArquivoInterpretacao::kTamanhoRegistro;
    if (depois.left(std::min<qint64>(inicio, antes.size())) != antes.left(inicio) ||
        depois.mid(inicio + ArquivoInterpretacao::kTamanhoRegistro) !=
            antes.mid(inicio + ArquivoInterpretacao::kTamanhoRegistro)) {
        std::abort();
    }
    return 0;
}
