#include "composer/TextosInfantis.h"

#include <QFileInfo>

namespace vidalume {

bool TextosInfantis::valem(int idade, const ArquivoInterpretacao& arquivos) {
    return idade >= 0 && idade < kIdadeLimite && QFileInfo::exists(arquivos.caminho(kArquivo));
}

QString TextosInfantis::texto(Tipo tipo, int numero, const ArquivoInterpretacao& arquivos) {
    if (numero < 1 || numero > 9) {
        return {};
    }
    return arquivos.LeTextoInterpretacao(static_cast<int>(tipo) + numero, kArquivo);
}

void TextosInfantis::aplica(Analise& analise, const NumerosAnalise& numeros, int idade,
                            const ArquivoInterpretacao& arquivos) {
    if (!valem(idade, arquivos)) {
        return;
    }
    analise.Abertura = arquivos.LeTextoInterpretacao(1, kArquivo);
    // A text is replaced only by a variant that exists, so an edited file with an empty
    // record keeps the usual text there.
    const auto troca = [&](int k, Tipo tipo, int numero) {
        if (const QString t = texto(tipo, numero, arquivos); !t.trimmed().isEmpty()) {
            analise[k].Texto = t;
        }
    };
    // Every pinnacle but the first begins at 27 or later: a child is in the first one.
    troca(8, Tipo::Realizacao, numeros.realizacoes[0]);
    troca(20, Tipo::AnoPessoal, numeros.anoPessoal);
    troca(21, Tipo::MesPessoal, numeros.mesPessoal);
    troca(22, Tipo::DiaPessoal, numeros.diaPessoal);
}

} // namespace vidalume
