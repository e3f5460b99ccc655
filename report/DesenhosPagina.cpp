#include "report/DesenhosPagina.h"

#include "composer/DataPorExtenso.h"
#include "engine/Signo.h"

#include <algorithm>

namespace vidalume {

namespace {

void defineFonte(SuperficieDesenho& d, double tamanho, bool negrito) {
    d.DefineNomeFonte(DesenhosPagina::kFonteMoldura);
    d.DefineTamanhoFonte(tamanho);
    d.DefineNegrito(negrito);
    d.DefineItalico(false);
}

} // namespace

int DesenhosPagina::signo() const {
    const QString& data = dados_.DataNascimento;
    return SignoDoNascimento(data.mid(0, 2).toInt(), data.mid(3, 2).toInt());
}

// A text wider than its band (a long name) is drawn smaller until it fits, on its one line,
// since the header's and the cover's lines have a fixed place.
void DesenhosPagina::centraNaFaixa(SuperficieDesenho& d, double inicio, double faixa,
                                   const QString& texto) {
    const double tamanho = d.TamanhoFonte();
    for (int tentativa = 0; tentativa < 8 && faixa > 0 && d.LarguraTexto(texto) > faixa;
         ++tentativa) {
        // Widths grow almost in proportion to the size; a little less corrects the rest.
        d.DefineTamanhoFonte(d.TamanhoFonte() * faixa / d.LarguraTexto(texto) * 0.98);
    }
    d.DefineX(inicio + std::max(0.0, faixa - d.LarguraTexto(texto)) / 2);
    d.Escreve(texto);
    d.DefineTamanhoFonte(tamanho);
}

// Centres the text in the band right of the sign picture and draws it at the current Y.
void DesenhosPagina::escreveCentrado(SuperficieDesenho& d, float larguraMm,
                                     const QString& texto) const {
    const Margens& m = dados_.margens;
    centraNaFaixa(d, m.MargemEsquerda + kLadoSigno + 2,
                  larguraMm - m.MargemEsquerda - m.MargemDireita - kLadoSigno - 2, texto);
}

void DesenhosPagina::DesenhaCabecalho(SuperficieDesenho& d, float larguraMm) const {
    const Margens& m = dados_.margens;
    const double yGuardado = d.Y();
    d.EscalaMilimetros();
    d.Retangulo(m.MargemEsquerda, m.MargemSuperior + kTopoBarraCabecalho,
                larguraMm - m.MargemDireita, m.MargemSuperior + kTopoBarraCabecalho + 1);
    // A date without a sign (never one the entry accepts) shows no picture.
    if (const int s = signo(); s > 0) {
        d.PintaFigura(Figura::doSigno(s), m.MargemEsquerda + 2, m.MargemSuperior, kLadoSigno,
                      kLadoSigno);
    }
    defineFonte(d, 20, true);
    d.DefineY(m.MargemSuperior + 2);
    escreveCentrado(d, larguraMm, dados_.linhas.CabecalhoLinhaUm);
    d.DefineY(d.Y() + d.AlturaTexto(dados_.linhas.CabecalhoLinhaUm) + 1);
    d.DefineNegrito(false);
    d.DefineTamanhoFonte(14);
    escreveCentrado(d, larguraMm, dados_.NomeAnalise);
    d.DefineY(d.Y() + d.AlturaTexto(dados_.NomeAnalise) + 1);
    d.DefineTamanhoFonte(12);
    const QString data = DataPorExtenso::formata(dados_.DataNascimento);
    escreveCentrado(d, larguraMm,
                    dados_.escola.isEmpty() ? data : data + QStringLiteral(" — ") + dados_.escola);
    d.DefineY(yGuardado);
}

void DesenhosPagina::DesenhaRodape(SuperficieDesenho& d, float larguraMm, float alturaMm,
                                   const QString& paginaTexto) const {
    const Margens& m = dados_.margens;
    const double base = alturaMm - m.MargemInferior;
    const double yGuardado = d.Y();
    d.EscalaMilimetros();
    d.Retangulo(m.MargemEsquerda, base - kAlturaRodape, larguraMm - m.MargemDireita,
                base - kAlturaRodape + 1);
    defineFonte(d, 12, true);
    d.DefineX(m.MargemEsquerda + 2);
    d.DefineY(base - 10);
    d.Escreve(dados_.linhas.RodapeLinhaUm);
    d.DefineY(d.Y() + d.AlturaTexto(dados_.linhas.RodapeLinhaUm));
    d.DefineNegrito(false);
    d.DefineTamanhoFonte(10);
    d.DefineX(m.MargemEsquerda + 2);
    d.Escreve(dados_.linhas.RodapeLinhaDois);
    if (paginaTexto != QLatin1String("0")) {
        d.DefineNegrito(true);
        d.DefineNomeFonte(kFonteMoldura);
        d.DefineTamanhoFonte(16);
        d.DefineY(base - d.AlturaTexto(paginaTexto));
        d.DefineX(larguraMm - m.MargemDireita - d.LarguraTexto(paginaTexto));
        d.Escreve(paginaTexto);
    }
    d.DefineY(yGuardado);
}

void DesenhosPagina::DesenhaFolhaRosto(SuperficieDesenho& d) const {
    const Margens& m = dados_.margens;
    d.EscalaMilimetros();
    const double larguraEscala = d.LarguraEscala();
    const double alturaEscala = d.AlturaEscala();
    const double aw = larguraEscala - m.MargemEsquerda - m.MargemDireita;
    const double ah = alturaEscala - m.MargemSuperior - m.MargemInferior;
    d.PintaFigura(Figura::borda(), m.MargemEsquerda, m.MargemSuperior, aw, ah);
    const double alturaCapa = ah <= aw ? 0.6 * aw : 0.5 * ah;
    d.PintaFigura(Figura::capa(), m.MargemEsquerda + 0.2 * aw, m.MargemSuperior + 0.1 * ah,
                  0.6 * aw, alturaCapa);
    defineFonte(d, 40, true);
    d.DefineY(m.MargemSuperior + 0.7 * ah);
    for (const QString& palavra : {QStringLiteral("Análise"), QStringLiteral("Numerológica")}) {
        d.DefineX(m.MargemEsquerda + (aw - d.LarguraTexto(palavra)) / 2);
        d.EscreveLinha(palavra);
    }
    // Whose analysis it is, inside the border's inner tenth on each side.
    const double inicio = m.MargemEsquerda + 0.1 * aw;
    const double faixa = 0.8 * aw;
    defineFonte(d, 20, true);
    d.DefineY(d.Y() + 0.5 * d.AlturaTexto(dados_.NomeAnalise));
    centraNaFaixa(d, inicio, faixa, dados_.NomeAnalise);
    d.DefineY(d.Y() + d.AlturaTexto(dados_.NomeAnalise));
    if (!dados_.DataNascimento.isEmpty()) {
        defineFonte(d, 14, false);
        centraNaFaixa(d, inicio, faixa, DataPorExtenso::formata(dados_.DataNascimento));
    }
    d.DefineY(alturaEscala);
}

} // namespace vidalume
