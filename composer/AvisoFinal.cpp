#include "composer/AvisoFinal.h"

#include "texts/TabelaSecoes.h"

namespace vidalume {

const QString AvisoFinal::kTextoOriginal = QStringLiteral(
    "A numerologia descreve tendências, não certezas: as escolhas continuam sendo suas. Esta "
    "leitura é um instrumento de autoconhecimento e não substitui orientação médica, "
    "psicológica, jurídica ou financeira.");

QString AvisoFinal::texto(const ArquivoInterpretacao& arquivos) {
    const QString lido =
        arquivos.LeTextoInterpretacao(kRegistro, TabelaSecoes::kArquivoAviso).trimmed();
    return lido.isEmpty() ? kTextoOriginal : lido;
}

} // namespace vidalume
