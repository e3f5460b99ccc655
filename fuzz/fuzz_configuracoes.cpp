// Settings files: any content reads without failing, and writing back what was read leaves
// the file byte for byte as it was (a whole record present) or only fills what was missing:
// a settings file cut short goes back as its whole 168-byte record, zero where it had none.
#include "engine/LeituraNumero.h"
#include "fuzz/ArquivoFuzz.h"
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"

#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>

using namespace vidalume;

using fuzz::conteudo;
using fuzz::escreve;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static QTemporaryDir dir;
    const QByteArray b(reinterpret_cast<const char*>(dados), int(tamanho));
    const QString pasta = dir.path();

    escreve(QDir(pasta).filePath(Configuracao::kArquivo), b);
    const Configuracao c = Configuracao::CarregaConfiguracao(pasta);
    if (b.size() >= Configuracao::kTamanhoUsado) {
        c.GravaConfiguracao(pasta);
        const QByteArray esperado =
            b.size() >= Configuracao::kTamanhoRegistro
                ? b
                : b + QByteArray(Configuracao::kTamanhoRegistro - b.size(), '\0');
        if (conteudo(QDir(pasta).filePath(Configuracao::kArquivo)) != esperado) {
            std::abort();
        }
    }

    escreve(QDir(pasta).filePath(FontesAnalise::kArquivo), b);
    const FontesAnalise f = FontesAnalise::CarregaFontes(pasta);
    for (const DadosFonte* d : {&f.FonteTitulo, &f.FonteDescricao, &f.FonteTexto}) {
        if (d->Nome.size() != DadosFonte::kTamanhoNome) {
            std::abort();
        }
    }
    if (b.size() >= FontesAnalise::kTamanhoRegistro) {
        f.GravaFontes(pasta);
        if (conteudo(QDir(pasta).filePath(FontesAnalise::kArquivo)).left(168) != b.left(168)) {
            std::abort();
        }
    }

    escreve(QDir(pasta).filePath(LinhasRodape::kArquivo), b);
    const LinhasRodape l = LinhasRodape::CarregaLinhasRodape(pasta);
    for (const QString* s : {&l.RodapeLinhaUm, &l.RodapeLinhaDois, &l.CabecalhoLinhaUm}) {
        if (s->size() > LinhasRodape::kMaximoCaracteres) {
            std::abort();
        }
    }
    l.GravaLinhasRodape(pasta);
    if (!(LinhasRodape::CarregaLinhasRodape(pasta) == l)) {
        std::abort();
    }

    escreve(QDir(pasta).filePath(Margens::kArquivo), b);
    const Margens m = Margens::CarregaMargens(pasta);
    for (float v : {m.MargemEsquerda, m.MargemSuperior, m.MargemDireita, m.MargemInferior}) {
        if (!std::isfinite(v)) {
            std::abort();
        }
    }
    const double v = LeituraNumero::interpreta(QString::fromUtf8(b));
    if (!std::isfinite(v)) {
        std::abort();
    }
    return 0;
}
