#include "report/QuadroPiramide.h"

#include "report/EstadoSuperficie.h"

#include <algorithm>

namespace vidalume {

QuadroPiramide::QuadroPiramide(const Triangulo& triangulo, const QStringList& letras,
                               const QuadroSecao::Parte& parte)
    : t_(triangulo), letras_(letras), legenda_(parte.legenda), n_(int(triangulo.linhas.size())) {
    c0_ = std::max(1, parte.primeiraColuna);
    c1_ = parte.ultimaColuna > 0 ? std::min(parte.ultimaColuna, n_) : n_;
    l0_ = std::max(1, parte.primeiraLinha);
    // Row r holds positions 1 to n - r + 1: the part ends where its first column runs out.
    const int ultimaComDigitos = n_ - c0_ + 1;
    l1_ = std::min(parte.ultimaLinha > 0 ? parte.ultimaLinha : n_, ultimaComDigitos);
}

int QuadroPiramide::ultimaColunaDe(int linha) const {
    return std::min(c1_, n_ - linha + 1);
}

// Each row starts half a cell further right than the one above it.
double QuadroPiramide::larguraEmCelulas() const {
    double largura = 0;
    for (int l = l0_; l <= l1_; ++l) {
        const int digitos = ultimaColunaDe(l) - c0_ + 1;
        if (digitos > 0) {
            largura = std::max(largura, digitos + (l - l0_) / 2.0);
        }
    }
    return largura;
}

double QuadroPiramide::celula(double largura) const {
    const double celulas = larguraEmCelulas();
    return celulas <= 0 ? 0 : std::min(kCelulaMaxima, largura / celulas);
}

double QuadroPiramide::topoDasLinhas(double yTopo, double c) const {
    return yTopo + (legenda_.isEmpty() ? 0 : kAlturaLegenda) + (l0_ == 1 ? c : 0);
}

double QuadroPiramide::altura(const SuperficieDesenho&, double largura) const {
    if (l1_ < l0_ || c1_ < c0_) {
        return 0;
    }
    const double c = celula(largura);
    return topoDasLinhas(0, c) + (l1_ - l0_ + 1) * c;
}

double QuadroPiramide::xCelula(double x, int linha, int coluna, double c) const {
    return x + (coluna - c0_ + (linha - l0_) / 2.0) * c;
}

void QuadroPiramide::sombreia(SuperficieDesenho& s, double x, double y0, double c) const {
    s.DefineCorFrente(kSombra);
    for (const SequenciaNegativa& q : t_.sequencias) {
        if (q.linha < l0_ || q.linha > l1_) {
            continue;
        }
        const int de = std::max(q.posicao, c0_);
        const int ate = std::min(q.posicao + q.tamanho - 1, ultimaColunaDe(q.linha));
        if (de > ate) {
            continue;
        }
        const double y = y0 + (q.linha - l0_) * c;
        s.Retangulo(xCelula(x, q.linha, de, c), y + 0.08 * c, xCelula(x, q.linha, ate + 1, c),
                    y + 0.92 * c);
    }
}

void QuadroPiramide::escreveLinhas(SuperficieDesenho& s, double x, double y0, double c) const {
    s.DefineCorFrente(SuperficieDesenho::kPreto);
    s.DefineNegrito(false);
    s.DefineItalico(false);
    s.DefineTamanhoFonte(std::min(kPontosMaximos, c * kPontosPorCelula));
    const double alturaDigito = s.AlturaTexto(QStringLiteral("0"));
    for (int l = l0_; l <= l1_; ++l) {
        const QList<int>& linha = t_.linhas[l - 1];
        const double y = y0 + (l - l0_) * c + (c - alturaDigito) / 2;
        for (int p = c0_; p <= ultimaColunaDe(l); ++p) {
            const QString digito = QString::number(linha[p - 1]);
            EstadoSuperficie::escreveEm(s, xCelula(x, l, p, c) + (c - s.LarguraTexto(digito)) / 2,
                                        y, digito);
        }
    }
}

void QuadroPiramide::escreveLetras(SuperficieDesenho& s, double x, double y, double c) const {
    s.DefineNegrito(true);
    const double alturaLetra = s.AlturaTexto(QStringLiteral("M"));
    for (int p = c0_; p <= c1_ && p <= letras_.size(); ++p) {
        const QString& letra = letras_[p - 1];
        EstadoSuperficie::escreveEm(s, xCelula(x, 1, p, c) + (c - s.LarguraTexto(letra)) / 2,
                                    y + (c - alturaLetra) / 2, letra);
    }
    s.DefineNegrito(false);
}

void QuadroPiramide::circulaRegente(SuperficieDesenho& s, double x, double y0, double c) const {
    if (l1_ != n_ || c0_ != 1) {
        return; // the vertex is in another part
    }
    const double xc = xCelula(x, n_, 1, c), yc = y0 + (n_ - l0_) * c;
    const double folga = 0.06 * c;
    s.Elipse(xc - folga, yc - folga, xc + c + folga, yc + c + folga, std::max(0.2, 0.07 * c));
}

void QuadroPiramide::desenha(SuperficieDesenho& s, double x, double yTopo, double largura) const {
    if (altura(s, largura) <= 0) {
        return;
    }
    EstadoSuperficie estado(s);
    const double c = celula(largura);
    // Centred in the width it was given.
    const double xPiramide = x + (largura - larguraEmCelulas() * c) / 2;
    if (!legenda_.isEmpty()) {
        s.DefineNegrito(false);
        s.DefineItalico(true);
        s.DefineTamanhoFonte(kPontosLegenda);
        EstadoSuperficie::escreveEm(s, x, yTopo + 0.5, legenda_);
    }
    const double y0 = topoDasLinhas(yTopo, c);
    sombreia(s, xPiramide, y0, c);
    escreveLinhas(s, xPiramide, y0, c);
    if (l0_ == 1) {
        escreveLetras(s, xPiramide, y0 - c, c);
    }
    circulaRegente(s, xPiramide, y0, c);
}

} // namespace vidalume
