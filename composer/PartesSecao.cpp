#include "composer/PartesSecao.h"

#include "composer/ComporAnalise.h"

namespace vidalume {

bool PartesSecao::mostrada(const Configuracao::Selecao& selecao, int k) {
    return k >= 1 && k <= Configuracao::kTotalCalculos && Configuracao::ligado(selecao[k]);
}

bool PartesSecao::comDescricao(const ItemAnalise& item, const Configuracao& configuracao) {
    return Configuracao::ligado(configuracao.ImprimirDescricao) &&
           item.Descricao.size() >= kMinimoDescricao;
}

QString PartesSecao::titulo(const Analise& analise, int k, const Configuracao& configuracao) {
    const ItemAnalise& item = analise[k];
    if (!Configuracao::ligado(configuracao.ImprimirNumero)) {
        return item.Titulo;
    }
    const QString rotulo =
        k == kSecaoPrimeiraVogal ? QStringLiteral(" Letra ") : QStringLiteral(" Número ");
    return item.Titulo + rotulo + item.Numero;
}

QString PartesSecao::nota(int k, InicioAnoPessoal regra) {
    if (k < ComporAnalise::kPrimeiroPessoal || k > ComporAnalise::kUltimoPessoal) {
        return {};
    }
    return ComporAnalise::notaInicioAnoPessoal(regra);
}

} // namespace vidalume
