#include "report/QuadroTabela.h"

#include "report/EstadoSuperficie.h"

namespace vidalume {

double QuadroTabela::altura(const SuperficieDesenho&, double) const {
    return q_.cabecalho.isEmpty() ? 0 : (q_.celulas.size() + 1) * kAlturaLinha + kEspessura;
}

QList<double> QuadroTabela::larguras(double largura) const {
    double total = 0;
    for (qsizetype i = 0; i < q_.cabecalho.size(); ++i) {
        total += q_.pesos.value(i, 1);
    }
    QList<double> l;
    for (qsizetype i = 0; i < q_.cabecalho.size(); ++i) {
        l << largura * q_.pesos.value(i, 1) / total;
    }
    return l;
}

QString QuadroTabela::cabe(const SuperficieDesenho& s, const QString& texto, double largura) {
    if (s.LarguraTexto(texto) <= largura) {
        return texto;
    }
    const QString reticencias = QStringLiteral("…");
    QString curto = texto;
    while (!curto.isEmpty() && s.LarguraTexto(curto + reticencias) > largura) {
        curto.chop(1);
    }
    return curto + reticencias;
}

void QuadroTabela::linha(SuperficieDesenho& s, const QStringList& textos,
                         const QList<double>& larguras, double x, double y) const {
    const double yTexto = y + (kAlturaLinha - s.AlturaTexto(QStringLiteral("M"))) / 2;
    for (qsizetype i = 0; i < larguras.size(); ++i) {
        const double util = larguras[i] - 2 * kMargemCelula;
        EstadoSuperficie::escreveEm(s, x + kMargemCelula, yTexto, cabe(s, textos.value(i), util));
        x += larguras[i];
    }
}

void QuadroTabela::desenha(SuperficieDesenho& s, double x, double yTopo, double largura) const {
    if (q_.cabecalho.isEmpty()) {
        return;
    }
    EstadoSuperficie estado(s);
    const QList<double> l = larguras(largura);
    if (q_.destaque >= 0 && q_.destaque < q_.celulas.size()) {
        s.DefineCorFrente(kSombra);
        const double y = yTopo + (q_.destaque + 1) * kAlturaLinha;
        s.Retangulo(x, y, x + largura, y + kAlturaLinha);
    }
    s.DefineCorFrente(SuperficieDesenho::kPreto);
    for (qsizetype r = 0; r <= q_.celulas.size() + 1; ++r) {
        const double y = yTopo + r * kAlturaLinha;
        s.Retangulo(x, y, x + largura,
                    y + (r <= 1 || r == q_.celulas.size() + 1 ? 2 : 1) * kEspessura / 2);
    }
    s.DefineItalico(false);
    s.DefineTamanhoFonte(kPontos);
    s.DefineNegrito(true);
    linha(s, q_.cabecalho, l, x, yTopo);
    s.DefineNegrito(false);
    for (qsizetype r = 0; r < q_.celulas.size(); ++r) {
        linha(s, q_.celulas[r], l, x, yTopo + (r + 1) * kAlturaLinha);
    }
}

} // namespace vidalume
