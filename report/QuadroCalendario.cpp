#include "report/QuadroCalendario.h"

#include "report/EstadoSuperficie.h"

namespace vidalume {

const QString QuadroCalendario::kLetrasSemana = QStringLiteral("DSTQQSS");

double QuadroCalendario::altura(const SuperficieDesenho&, double) const {
    return kAlturaCabecalho + c_.semanas.size() * kAlturaSemana;
}

void QuadroCalendario::desenha(SuperficieDesenho& s, double x, double yTopo, double largura) const {
    const EstadoSuperficie guardado(s);
    const quint32 cor = s.CorFrente();
    const quint32 sombra = (cor & 0x00FFFFFFu) | 0x22000000u;
    const double coluna = largura / CalendarioMes::kDiasSemana;
    const double yGrade = yTopo + kAlturaCabecalho;
    const double yFim = yGrade + c_.semanas.size() * kAlturaSemana;

    s.DefineItalico(false);
    s.DefineNegrito(true);
    s.DefineTamanhoFonte(kTamanhoData + 1);
    for (int i = 0; i < CalendarioMes::kDiasSemana; ++i) {
        const QString letra = kLetrasSemana.mid(i, 1);
        const double alturaLetra = s.AlturaTexto(letra);
        EstadoSuperficie::escreveEm(s, x + i * coluna + (coluna - s.LarguraTexto(letra)) / 2,
                                    yTopo + (kAlturaCabecalho - alturaLetra) / 2, letra);
    }

    for (int linha = 0; linha < c_.semanas.size(); ++linha) {
        const double yLinha = yGrade + linha * kAlturaSemana;
        for (int i = 0; i < CalendarioMes::kDiasSemana; ++i) {
            const int dia = c_.semanas[linha][i];
            const double xCelula = x + i * coluna;
            if (dia == 0) {
                s.DefineCorFrente(sombra);
                s.Retangulo(xCelula, yLinha, xCelula + coluna, yLinha + kAlturaSemana);
                s.DefineCorFrente(cor);
                continue;
            }
            s.DefineNegrito(false);
            s.DefineTamanhoFonte(kTamanhoData);
            EstadoSuperficie::escreveEm(s, xCelula + 1, yLinha + 0.5, QString::number(dia));
            const QString numero = QString::number(c_.dias[dia - 1].diaPessoal);
            s.DefineNegrito(true);
            s.DefineTamanhoFonte(kTamanhoNumero);
            const double alturaNumero = s.AlturaTexto(numero);
            EstadoSuperficie::escreveEm(s, xCelula + (coluna - s.LarguraTexto(numero)) / 2,
                                        yLinha + kAlturaSemana - alturaNumero - 0.5, numero);
        }
    }

    // The grid: a line above every row and at every column edge.
    for (int linha = 0; linha <= c_.semanas.size(); ++linha) {
        const double y = yGrade + linha * kAlturaSemana;
        s.Retangulo(x, y, x + largura, y + kEspessura);
    }
    for (int i = 0; i <= CalendarioMes::kDiasSemana; ++i) {
        const double xLinha =
            i == CalendarioMes::kDiasSemana ? x + largura - kEspessura : x + i * coluna;
        s.Retangulo(xLinha, yGrade, xLinha + kEspessura, yFim + kEspessura);
    }
}

} // namespace vidalume
