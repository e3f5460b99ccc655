#include "cli/comandos/ComandoTexto.h"

#include "composer/ComporCabalistica.h"
#include "settings/HarmoniaCabalistica.h"

#include "composer/ComporAnalise.h"
#include "composer/TextoExportacao.h"
#include "settings/Configuracao.h"

namespace vidalume {

RelatorioComposto ComandoTexto::mapaCabalistico(const EntradaCli& e, const QString& pasta) {
    OpcoesMapa opcoes = OpcoesMapa::le(pasta);
    opcoes.inicioAnoPessoal = e.inicioAnoPessoal;
    return ComporCabalistica::compoe(e.nomeDigitado, e.nascimento, e.dataPrevisoes(),
                                     e.regras(opcoes.limiteTendencias),
                                     HarmoniaCabalistica::le(pasta), ArquivoInterpretacao(pasta),
                                     [&opcoes](int k) { return opcoes.secaoCabalisticaAtiva(k); });
}

QString ComandoTexto::texto(const EntradaCli& e, const QString& pasta) {
    if (e.escola == EscolaCalculo::Cabalistica) {
        return mapaCabalistico(e, pasta).texto(Configuracao::le(pasta));
    }
    OpcoesMapa opcoes = OpcoesMapa::le(pasta);
    opcoes.inicioAnoPessoal = e.inicioAnoPessoal; // the folder's rule unless another was given
    const Analise analise = ComporAnalise::compoe(
        e.nomeExibido(), e.nascimento, e.hoje, e.referencia, ArquivoInterpretacao(pasta), opcoes);
    return TextoExportacao::monta(analise, Configuracao::le(pasta), opcoes);
}

} // namespace vidalume
