#include "report/QuadroLinhaVida.h"

#include "report/EstadoSuperficie.h"

#include <algorithm>

namespace vidalume {

const QStringList QuadroLinhaVida::kFaixas = {
    QStringLiteral("Ciclos"), QStringLiteral("Realizações"), QStringLiteral("Desafio Maior"),
    QStringLiteral("Desafios Menores"), QStringLiteral("Adicional")};
const QStringList QuadroLinhaVida::kNomesCiclos = {
    QStringLiteral("Formativo"), QStringLiteral("Produtivo"), QStringLiteral("Colheita")};
// The minor challenges by the short form of their headings; the main and the additional one,
// each in a band of its own, last the whole life.
const QStringList kNomesMenores = {QStringLiteral("1º Menor"), QStringLiteral("2º Menor")};
const QString kVidaInteira = QStringLiteral("a vida inteira");
// The bands of a map whose periods go by their order: no additional challenge.
const QStringList kFaixasNumeradas = {QStringLiteral("Ciclos"), QStringLiteral("Momentos"),
                                      QStringLiteral("Desafio Principal"),
                                      QStringLiteral("Desafios"), QString()};

namespace {

// The outline of a rectangle in thin lines.
void contorno(SuperficieDesenho& s, double x1, double y1, double x2, double y2, double e) {
    s.Retangulo(x1, y1, x2, y1 + e);
    s.Retangulo(x1, y2 - e, x2, y2);
    s.Retangulo(x1, y1, x1 + e, y2);
    s.Retangulo(x2 - e, y1, x2, y2);
}

} // namespace

double QuadroLinhaVida::altura(const SuperficieDesenho&, double) const {
    return kAlturaEixo + kTotalFaixas * (kAlturaFaixa + kAlturaLegenda) + kAlturaMarca;
}

double QuadroLinhaVida::Eixo::xIdade(int idade) const {
    return x0 + largura * std::clamp(idade, 0, fim) / fim;
}

void QuadroLinhaVida::desenha(SuperficieDesenho& s, double x, double yTopo, double largura) const {
    const EstadoSuperficie guardado(s);
    const Eixo eixo{x + kColunaRotulos, largura - kColunaRotulos, std::max(l_.idadeFinal, 1)};
    s.DefineItalico(false);
    desenhaEixo(s, x, yTopo, eixo);
    double yFaixa = yTopo + kAlturaEixo;
    for (int f = 0; f < kTotalFaixas; ++f) {
        desenhaFaixa(s, f, x, yFaixa, eixo);
        yFaixa = yFaixa + kAlturaFaixa + kAlturaLegenda;
    }
    if (l_.idadeReferencia >= 0) {
        marcaIdade(s, x, yTopo, largura, yFaixa, eixo);
    }
}

// The axis: a tick and the age every 10 years.
void QuadroLinhaVida::desenhaEixo(SuperficieDesenho& s, double x, double yTopo,
                                  const Eixo& eixo) const {
    s.DefineNegrito(false);
    s.DefineTamanhoFonte(kTamanhoPequeno);
    const double xFim = eixo.x0 + eixo.largura;
    const double yEixo = yTopo + kAlturaEixo - 1;
    s.Retangulo(eixo.x0, yEixo, xFim, yEixo + kEspessura);
    for (int idade = 0; idade <= eixo.fim; idade += 10) {
        const double xi = std::min(eixo.xIdade(idade), xFim - kEspessura);
        s.Retangulo(xi, yEixo - 1, xi + kEspessura, yEixo);
        const QString rotulo = QString::number(idade);
        const double largRotulo = s.LarguraTexto(rotulo);
        EstadoSuperficie::escreveEm(s, std::min(xi - largRotulo / 2, xFim - largRotulo),
                                    yEixo - 1 - s.AlturaTexto(rotulo), rotulo);
    }
    EstadoSuperficie::escreveEm(s, x, yEixo - 1 - s.AlturaTexto(QStringLiteral("Idade")),
                                QStringLiteral("Idade"));
}

QList<LinhaVida::Periodo> QuadroLinhaVida::periodosDaFaixa(int f) const {
    switch (f) {
    case 0:
        return l_.ciclos;
    case 1:
        return l_.realizacoes;
    case 2:
        return l_.desafios.mid(2, 1);
    case 3:
        return l_.desafios.mid(0, 2);
    default:
        return l_.desafios.mid(3, 1);
    }
}

// The name of the period `i` of band `f`, shown at its top left when it fits.
QString QuadroLinhaVida::nomePeriodo(int f, int i) const {
    return f == 2       ? kVidaInteira
           : numerados_ ? QStringLiteral("%1º").arg(i + 1)
           : f == 0     ? kNomesCiclos.value(i)
           : f == 1     ? QStringLiteral("%1ª").arg(i + 1)
           : f == 3     ? kNomesMenores.value(i)
                        : kVidaInteira;
}

// Band `f` with its top at `yFaixa`: its name on the left, then each period shaded every
// other one, outlined, named and numbered, with where it begins under the band.
void QuadroLinhaVida::desenhaFaixa(SuperficieDesenho& s, int f, double x, double yFaixa,
                                   const Eixo& eixo) const {
    const quint32 cor = s.CorFrente();
    const quint32 sombra = (cor & 0x00FFFFFFu) | 0x1C000000u;
    const QList<LinhaVida::Periodo> periodos = periodosDaFaixa(f);
    const double yBaixo = yFaixa + kAlturaFaixa;
    s.DefineNegrito(true);
    s.DefineTamanhoFonte(kTamanhoPequeno + 1);
    const QString faixa = numerados_ ? kFaixasNumeradas.value(f) : kFaixas[f];
    EstadoSuperficie::escreveEm(s, x, yFaixa + (kAlturaFaixa - s.AlturaTexto(faixa)) / 2, faixa);
    for (int i = 0; i < periodos.size(); ++i) {
        const LinhaVida::Periodo& p = periodos[i];
        const double x1 = eixo.xIdade(p.idadeInicio);
        const double x2 = eixo.xIdade(p.idadeFim);
        if (i % 2 == 0) {
            s.DefineCorFrente(sombra);
            s.Retangulo(x1, yFaixa, x2, yBaixo);
            s.DefineCorFrente(cor);
        }
        contorno(s, x1, yFaixa, x2, yBaixo, kEspessura);
        s.DefineNegrito(false);
        s.DefineTamanhoFonte(kTamanhoPequeno);
        const QString nome = nomePeriodo(f, i);
        if (s.LarguraTexto(nome) + 2 < x2 - x1) {
            EstadoSuperficie::escreveEm(s, x1 + 1, yFaixa + 0.5, nome);
        }
        const QString numero = QString::number(p.numero);
        s.DefineNegrito(true);
        s.DefineTamanhoFonte(kTamanhoNumero);
        EstadoSuperficie::escreveEm(s, (x1 + x2 - s.LarguraTexto(numero)) / 2,
                                    yBaixo - s.AlturaTexto(numero) - 0.5, numero);
        // Under the band, where the period begins: the age and, for the cycles, the year.
        if (i > 0 && f != 2 && f != 4) {
            s.DefineNegrito(false);
            s.DefineTamanhoFonte(kTamanhoPequeno);
            const QString rotulo =
                f == 0 ? QStringLiteral("%1 anos (%2)").arg(p.idadeInicio).arg(p.anoInicio)
                       : QStringLiteral("%1 anos").arg(p.idadeInicio);
            EstadoSuperficie::escreveEm(s, x1 + 0.5, yBaixo + 0.5, rotulo);
        }
    }
}

// The person's age on the date of the forecasts, across the bands that end at `yFaixas`: a
// dashed line, which no edge of a band is, with a short tick at each band's caption.
void QuadroLinhaVida::marcaIdade(SuperficieDesenho& s, double x, double yTopo, double largura,
                                 double yFaixas, const Eixo& eixo) const {
    constexpr double kTraco = 1.2;  // mm of each dash
    constexpr double kLacuna = 0.8; // mm between dashes
    const double xm =
        std::clamp(eixo.xIdade(l_.idadeReferencia), eixo.x0 + 0.4, eixo.x0 + eixo.largura - 0.4);
    const double yFim = yFaixas - kAlturaLegenda + 1;
    for (double y = yTopo + kAlturaEixo - 1; y < yFim; y += kTraco + kLacuna) {
        s.Retangulo(xm - 0.12, y, xm + 0.12, std::min(y + kTraco, yFim));
    }
    for (int f = 0; f < kTotalFaixas; ++f) {
        const double yLegenda = yTopo + kAlturaEixo + f * (kAlturaFaixa + kAlturaLegenda);
        s.Retangulo(xm - 0.4, yLegenda - (f == 0 ? 1 : kAlturaLegenda), xm + 0.4, yLegenda);
    }
    s.Retangulo(xm - 0.4, yFim - 1, xm + 0.4, yFim);
    s.DefineNegrito(true);
    s.DefineTamanhoFonte(kTamanhoPequeno);
    const QString rotulo = QStringLiteral("%1: %2 anos").arg(rotuloIdade_).arg(l_.idadeReferencia);
    const double larg = s.LarguraTexto(rotulo);
    EstadoSuperficie::escreveEm(s, std::clamp(xm - larg / 2, x, x + largura - larg), yFim + 0.5,
                                rotulo);
}

} // namespace vidalume
