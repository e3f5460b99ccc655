#include "cli/comandos/ComandoTexto.h"

#include "composer/ComporAnalise.h"
#include "composer/TextoExportacao.h"
#include "settings/Configuracao.h"

namespace vidalume {

QString ComandoTexto::texto(const EntradaCli& e, const QString& pasta) {
    const OpcoesMapa opcoes = OpcoesMapa::le(pasta);
    const Analise analise = ComporAnalise::compoe(e.nome, e.nascimento, e.hoje, e.referencia,
                                                  ArquivoInterpretacao(pasta), opcoes);
    return TextoExportacao::monta(analise, Configuracao::le(pasta), opcoes);
}

} // namespace vidalume
