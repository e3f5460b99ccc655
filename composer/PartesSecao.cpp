#include "composer/PartesSecao.h"

#include "composer/ComporAnalise.h"

namespace vidalume {

bool PartesSecao::mostrada(const Analise& analise, const Configuracao::Selecao& selecao,
                           const OpcoesMapa& opcoes, int k) {
    if (k >= 1 && k <= Configuracao::kTotalCalculos) {
        return Configuracao::ligado(selecao[k]);
    }
    return k <= kUltimaSecao && opcoes.secaoAtiva(k) && !analise[k].Titulo.isEmpty();
}

OpcoesMapa PartesSecao::semSecoesMapa() {
    OpcoesMapa opcoes;
    for (int k = OpcoesMapa::kPrimeiraSecao; k <= OpcoesMapa::kUltimaSecao; ++k) {
        opcoes.defineSecao(k, false);
    }
    // Their entries are not the analysis's pinnacles and challenges: no text is shortened as
    // a repetition of another.
    opcoes.textosRepetidosInteiros = true;
    return opcoes;
}

bool PartesSecao::comDescricao(const ItemAnalise& item, const Configuracao& configuracao) {
    return Configuracao::ligado(configuracao.ImprimirDescricao) &&
           item.Descricao.size() >= kMinimoDescricao;
}

QString PartesSecao::titulo(const Analise& analise, int k, const Configuracao& configuracao) {
    const ItemAnalise& item = analise[k];
    if (!Configuracao::ligado(configuracao.ImprimirNumero) ||
        (k > Configuracao::kTotalCalculos && item.Numero.isEmpty())) {
        return item.Titulo;
    }
    QString rotulo = QStringLiteral(" Número ");
    if (k == kSecaoPrimeiraVogal) {
        rotulo = QStringLiteral(" Letra ");
    } else if (item.Numero.contains(u',')) {
        rotulo = QStringLiteral(" Números ");
    }
    return item.Titulo + rotulo + item.Numero;
}

QString PartesSecao::nota(int k, InicioAnoPessoal regra) {
    if (k < ComporAnalise::kPrimeiroPessoal || k > ComporAnalise::kUltimoPessoal) {
        return {};
    }
    return ComporAnalise::notaInicioAnoPessoal(regra);
}

QString PartesSecao::textoQuadro(const ItemAnalise& item) {
    const QStringList& linhas = item.Quadro.linhasTexto;
    if (linhas.isEmpty()) {
        return {};
    }
    const QString kCRLF = QStringLiteral("\r\n");
    return linhas.join(kCRLF) + kCRLF + kCRLF;
}

} // namespace vidalume
