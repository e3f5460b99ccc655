#include "ComandoTexto.h"

#include "ComporAnalise.h"
#include "Configuracao.h"
#include "TextoExportacao.h"

namespace vidalume {

QString ComandoTexto::texto(const EntradaCli& e, const QString& pasta) {
    const Analise analise =
        ComporAnalise::compoe(e.nome, e.nascimento, e.hoje, ArquivoInterpretacao(pasta));
    return TextoExportacao::monta(analise, Configuracao::le(pasta));
}

} // namespace vidalume
