#include "tests/gravacao/ConjuntosGravacao.h"

#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"
#include "texts/ArquivoInterpretacao.h"

namespace vidalume::teste {

namespace {

// A text that fills most of a record, so that a save writes several pages of the file.
QString textoLongo(const QString& frase, int vezes) {
    QString t;
    for (int i = 0; i < vezes; ++i) {
        t += frase.arg(i) + QStringLiteral("\r\n");
    }
    return t.left(ArquivoInterpretacao::kTamanhoRegistro - 10);
}

} // namespace

QStringList arquivosGravados() {
    return {QStringLiteral("CVIDA.DAT"), QStringLiteral("CDATA.DAT"), Configuracao::kArquivo,
            FontesAnalise::kArquivo,     LinhasRodape::kArquivo,      Margens::kArquivo};
}

void preparaPasta(const QString& pasta) {
    const ArquivoInterpretacao arquivos(pasta);
    for (int r = 1; r <= 5; ++r) {
        for (const QString& nome : {QStringLiteral("CVIDA.DAT"), QStringLiteral("CDATA.DAT")}) {
            arquivos.GravaTextoInterpretacao(r, nome,
                                             textoLongo(nome + QStringLiteral(" %1."), 200));
        }
    }
    gravaConjunto(pasta, 0);
}

bool gravaConjunto(const QString& pasta, int qual) {
    const ArquivoInterpretacao arquivos(pasta);
    const QString versao = qual == 1 ? QStringLiteral("nova") : QStringLiteral("antiga");
    Configuracao c;
    FontesAnalise f;
    LinhasRodape l;
    Margens m = Margens::padrao();
    if (qual == 1) {
        c.ImprimirNumero = -1;
        c.CalculosAtivos[7] = 0;
        f.FonteTexto = DadosFonte::cria(QStringLiteral("Liberation Sans"), true, false, 11);
        l.RodapeLinhaUm = QStringLiteral("Numeróloga: Ana Souza");
        m = Margens{12.5f, 8, 15, 20};
    }
    // Every save is attempted, even after one failed.
    const QString texto = textoLongo(QStringLiteral("Registro %1, versão ") + versao + u'.', 300);
    bool ok = arquivos.GravaTextoInterpretacao(3, QStringLiteral("CVIDA.DAT"), texto);
    ok &= arquivos.GravaTextoInterpretacao(1, QStringLiteral("CDATA.DAT"), texto);
    ok &= c.GravaConfiguracao(pasta);
    ok &= f.GravaFontes(pasta);
    ok &= l.GravaLinhasRodape(pasta);
    ok &= m.GravaMargens(pasta);
    return ok;
}

} // namespace vidalume::teste
