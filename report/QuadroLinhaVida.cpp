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

void QuadroLinhaVida::desenha(SuperficieDesenho& s, double x, double yTopo, double largura) const {
    const EstadoSuperficie guardado(s);
    const quint32 cor = s.CorFrente();
    const quint32 sombra = (cor & 0x00FFFFFFu) | 0x1C000000u;
    const double x0 = x + kColunaRotulos;
    const double larguraEixo = largura - kColunaRotulos;
    const int fim = std::max(l_.idadeFinal, 1);
    auto xIdade = [&](int idade) { return x0 + larguraEixo * std::clamp(idade, 0, fim) / fim; };
    s.DefineItalico(false);

    // The axis: a tick and the age every 10 years.
    s.DefineNegrito(false);
    s.DefineTamanhoFonte(kTamanhoPequeno);
    const double yEixo = yTopo + kAlturaEixo - 1;
    s.Retangulo(x0, yEixo, x0 + larguraEixo, yEixo + kEspessura);
    for (int idade = 0; idade <= fim; idade += 10) {
        const double xi = std::min(xIdade(idade), x0 + larguraEixo - kEspessura);
        s.Retangulo(xi, yEixo - 1, xi + kEspessura, yEixo);
        const QString rotulo = QString::number(idade);
        const double largRotulo = s.LarguraTexto(rotulo);
        EstadoSuperficie::escreveEm(s, std::min(xi - largRotulo / 2, x0 + larguraEixo - largRotulo),
                                    yEixo - 1 - s.AlturaTexto(rotulo), rotulo);
    }
    EstadoSuperficie::escreveEm(s, x, yEixo - 1 - s.AlturaTexto(QStringLiteral("Idade")),
                                QStringLiteral("Idade"));

    const QList<LinhaVida::Periodo> faixas[kTotalFaixas] = {
        l_.ciclos, l_.realizacoes, l_.desafios.mid(2, 1), l_.desafios.mid(0, 2),
        l_.desafios.mid(3, 1)};
    double yFaixa = yTopo + kAlturaEixo;
    for (int f = 0; f < kTotalFaixas; ++f) {
        const QList<LinhaVida::Periodo>& periodos = faixas[f];
        const double yBaixo = yFaixa + kAlturaFaixa;
        s.DefineNegrito(true);
        s.DefineTamanhoFonte(kTamanhoPequeno + 1);
        const QString faixa = numerados_ ? kFaixasNumeradas.value(f) : kFaixas[f];
        EstadoSuperficie::escreveEm(s, x, yFaixa + (kAlturaFaixa - s.AlturaTexto(faixa)) / 2,
                                    faixa);
        for (int i = 0; i < periodos.size(); ++i) {
            const LinhaVida::Periodo& p = periodos[i];
            const double x1 = xIdade(p.idadeInicio);
            const double x2 = xIdade(p.idadeFim);
            if (i % 2 == 0) {
                s.DefineCorFrente(sombra);
                s.Retangulo(x1, yFaixa, x2, yBaixo);
                s.DefineCorFrente(cor);
            }
            contorno(s, x1, yFaixa, x2, yBaixo, kEspessura);
            // The period's name at the top left, when it fits, and its number in the middle.
            s.DefineNegrito(false);
            s.DefineTamanhoFonte(kTamanhoPequeno);
            const QString nome = f == 2       ? kVidaInteira
                                 : numerados_ ? QStringLiteral("%1º").arg(i + 1)
                                 : f == 0     ? kNomesCiclos.value(i)
                                 : f == 1     ? QStringLiteral("%1ª").arg(i + 1)
                                 : f == 3     ? kNomesMenores.value(i)
                                              : kVidaInteira;
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
        yFaixa = yBaixo + kAlturaLegenda;
    }

    // The person's age on the date of the forecasts, across the bands: a dashed line, which
    // no edge of a band is, with a short tick at each band's caption.
    if (l_.idadeReferencia >= 0) {
        constexpr double kTraco = 1.2;  // mm of each dash
        constexpr double kLacuna = 0.8; // mm between dashes
        const double xm = std::clamp(xIdade(l_.idadeReferencia), x0 + 0.4, x0 + larguraEixo - 0.4);
        const double yFim = yFaixa - kAlturaLegenda + 1;
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
        const QString rotulo =
            QStringLiteral("%1: %2 anos").arg(rotuloIdade_).arg(l_.idadeReferencia);
        const double larg = s.LarguraTexto(rotulo);
        EstadoSuperficie::escreveEm(s, std::clamp(xm - larg / 2, x, x + largura - larg), yFim + 0.5,
                                    rotulo);
    }
}

} // namespace vidalume
