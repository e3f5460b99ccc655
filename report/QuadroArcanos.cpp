#include "report/QuadroArcanos.h"

#include "report/EstadoSuperficie.h"

namespace vidalume {

double QuadroArcanos::altura(const SuperficieDesenho&, double) const {
    const auto linhas = (p_.size() + kPorLinha - 1) / kPorLinha;
    return linhas * (kAlturaCaixa + kEspaco);
}

void QuadroArcanos::desenha(SuperficieDesenho& s, double x, double yTopo, double largura) const {
    EstadoSuperficie estado(s);
    s.DefineItalico(false);
    const double larguraCaixa = (largura - (kPorLinha - 1) * kEspaco) / kPorLinha;
    for (qsizetype i = 0; i < p_.size(); ++i) {
        const double xc = x + (i % kPorLinha) * (larguraCaixa + kEspaco);
        const double yc = yTopo + (i / kPorLinha) * (kAlturaCaixa + kEspaco);
        caixa(s, p_[i], xc, yc, larguraCaixa);
    }
}

// The arcanum large in the middle, its ages above and its years below; the current one
// shaded, outlined twice as thick and labelled.
void QuadroArcanos::caixa(SuperficieDesenho& s, const QuadroSecao::Periodo& periodo, double x,
                          double y, double largura) const {
    const double x2 = x + largura, y2 = y + kAlturaCaixa;
    if (periodo.atual) {
        s.DefineCorFrente(kSombra);
        s.Retangulo(x, y, x2, y2);
    }
    s.DefineCorFrente(SuperficieDesenho::kPreto);
    const double e = periodo.atual ? 2 * kEspessura : kEspessura;
    s.Retangulo(x, y, x2, y + e);
    s.Retangulo(x, y2 - e, x2, y2);
    s.Retangulo(x, y, x + e, y2);
    s.Retangulo(x2 - e, y, x2, y2);

    const auto centrado = [&](const QString& texto, double yTexto) {
        EstadoSuperficie::escreveEm(s, x + (largura - s.LarguraTexto(texto)) / 2, yTexto, texto);
    };
    s.DefineNegrito(false);
    s.DefineTamanhoFonte(kPontosRotulo);
    centrado(periodo.idades, y + 1);
    centrado(periodo.atual ? periodo.anos + QStringLiteral(" (atual)") : periodo.anos,
             y2 - 1 - s.AlturaTexto(periodo.anos));
    s.DefineNegrito(true);
    s.DefineTamanhoFonte(kPontosArcano);
    const QString arcano = QString::number(periodo.arcano);
    centrado(arcano, y + (kAlturaCaixa - s.AlturaTexto(arcano)) / 2);
}

} // namespace vidalume
