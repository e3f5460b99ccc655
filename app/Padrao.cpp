#include "app/Padrao.h"

namespace vidalume {

void CarregaConfiguracao(Padrao& padrao, const QString& pastaPrograma) {
    padrao.Configuracao = Configuracao::CarregaConfiguracao(pastaPrograma);
    for (int k = 1; k <= Configuracao::kTotalCalculos; ++k) {
        padrao.CalculosSelecionados[k] = padrao.Configuracao.CalculosAtivos[k];
    }
}

bool GravaConfiguracao(Padrao& padrao, const QString& pastaPrograma, QString* erro) {
    for (int k = 1; k <= Configuracao::kTotalCalculos; ++k) {
        padrao.Configuracao.CalculosAtivos[k] = padrao.CalculosSelecionados[k];
    }
    return padrao.Configuracao.GravaConfiguracao(pastaPrograma, erro);
}

} // namespace vidalume
