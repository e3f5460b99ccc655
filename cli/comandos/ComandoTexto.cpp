#include "cli/comandos/ComandoTexto.h"

#include "composer/ComporAnalise.h"
#include "composer/TextoExportacao.h"
#include "settings/Configuracao.h"

namespace vidalume {

QString ComandoTexto::texto(const EntradaCli& e, const QString& pasta) {
    OpcoesMapa opcoes = OpcoesMapa::le(pasta);
    opcoes.inicioAnoPessoal = e.inicioAnoPessoal; // the folder's rule unless another was given
    const Analise analise = ComporAnalise::compoe(e.nome, e.nascimento, e.hoje, e.referencia,
                                                  ArquivoInterpretacao(pasta), opcoes);
    return TextoExportacao::monta(analise, Configuracao::le(pasta), opcoes);
}

} // namespace vidalume
