#include "composer/TextoExportacao.h"

namespace vidalume {

const QString TextoExportacao::kSeparador = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-");

namespace {
const QString kCRLF = QStringLiteral("\r\n");
constexpr int kEntradaPrimeiraVogal = 26;
constexpr int kMinimoDescricao = 6;
} // namespace

QString TextoExportacao::tituloComNumero(const Analise& analise, int k,
                                         const Configuracao& config) {
    const ItemAnalise& item = analise[k];
    if (!Configuracao::ligado(config.ImprimirNumero)) {
        return item.Titulo;
    }
    const QString rotulo =
        k == kEntradaPrimeiraVogal ? QStringLiteral(" Letra ") : QStringLiteral(" Número ");
    return item.Titulo + rotulo + item.Numero;
}

QString TextoExportacao::monta(const Analise& analise, const Configuracao& config,
                               const Configuracao::Selecao& selecionados) {
    QString texto;
    for (int k = 1; k <= Configuracao::kTotalCalculos; ++k) {
        if (!Configuracao::ligado(selecionados[k])) {
            continue;
        }
        const ItemAnalise& item = analise[k];
        if (Configuracao::ligado(config.ImprimirDescricao) &&
            item.Descricao.size() >= kMinimoDescricao) {
            texto += item.Descricao + kCRLF + kCRLF;
        }
        texto += tituloComNumero(analise, k, config) + kCRLF + kCRLF;
        texto += item.Texto + kCRLF + kCRLF + kSeparador + kCRLF + kCRLF;
    }
    return texto;
}

} // namespace vidalume
