#include "composer/TextoExportacao.h"

#include "composer/PartesSecao.h"
#include "composer/TextosRepetidos.h"

namespace vidalume {

const QString TextoExportacao::kSeparador = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-");

namespace {
const QString kCRLF = QStringLiteral("\r\n");
} // namespace

QString TextoExportacao::monta(const Analise& composta, const Configuracao& config,
                               const Configuracao::Selecao& selecionados,
                               const OpcoesMapa& opcoes) {
    const Analise analise = TextosRepetidos::resume(composta, selecionados, opcoes);
    QString texto;
    if (!analise.Abertura.isEmpty()) {
        texto += analise.Abertura + kCRLF + kCRLF + kSeparador + kCRLF + kCRLF;
    }
    for (int k = 1; k <= PartesSecao::kUltimaSecao; ++k) {
        if (!PartesSecao::mostrada(analise, selecionados, opcoes, k)) {
            continue;
        }
        const ItemAnalise& item = analise[k];
        if (PartesSecao::comDescricao(item, config)) {
            texto += item.Descricao + kCRLF + kCRLF;
        }
        texto += PartesSecao::titulo(analise, k, config) + kCRLF + kCRLF;
        texto += PartesSecao::textoQuadro(item);
        texto += item.Texto + kCRLF + kCRLF + kSeparador + kCRLF + kCRLF;
    }
    if (!analise.Aviso.isEmpty()) {
        texto += analise.Aviso + kCRLF;
    }
    return texto;
}

} // namespace vidalume
