#include "composer/TextoExportacao.h"

#include "composer/PartesSecao.h"

namespace vidalume {

const QString TextoExportacao::kSeparador = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-");

namespace {
const QString kCRLF = QStringLiteral("\r\n");
} // namespace

QString TextoExportacao::monta(const Analise& analise, const Configuracao& config,
                               const Configuracao::Selecao& selecionados,
                               const OpcoesMapa& opcoes) {
    QString texto;
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
