#include "gui/configuracao/QuadroAmostra.h"
#include "gui/comum/Unidades.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vidalume {

const QString QuadroAmostra::kLinhaDescricao = QStringLiteral("Este é o número...");
const QString QuadroAmostra::kLinhaTitulo = QStringLiteral("Interpretação:");
const QString QuadroAmostra::kLinhaTexto = QStringLiteral("Você é uma pessoa...");

namespace {

// Screen millimetres: 56.7 twips per millimetre and 15 twips per pixel.
constexpr double kPixelsPorMm = Unidades::kPixelsPorMm;
constexpr double kMargemMm = 2;
constexpr double kEntrelinhaMm = 1;

} // namespace

QuadroAmostra::QuadroAmostra(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void QuadroAmostra::Visualizar(const FontesAnalise& fontes) {
    fontes_ = fontes;
    update();
}

QFont QuadroAmostra::fonteDe(const DadosFonte& escolha, const DadosFonte& padrao) {
    QString nome = escolha.nomeAparado();
    if (nome.isEmpty()) {
        nome = padrao.nomeAparado();
    }
    QFont fonte(nome);
    fonte.setPointSize(std::max(DadosFonte::kMenorTamanho, escolha.tamanhoDesenho()));
    fonte.setBold(escolha.negrito());
    fonte.setItalic(escolha.italico());
    return fonte;
}

void QuadroAmostra::paintEvent(QPaintEvent*) {
    const FontesAnalise padrao;
    const struct {
        const QString& texto;
        QFont fonte;
    } linhas[] = {
        {kLinhaDescricao, fonteDe(fontes_.FonteDescricao, padrao.FonteDescricao)},
        {kLinhaTitulo, fonteDe(fontes_.FonteTitulo, padrao.FonteTitulo)},
        {kLinhaTexto, fonteDe(fontes_.FonteTexto, padrao.FonteTexto)},
    };
    QPainter pintor(this);
    pintor.setPen(palette().color(QPalette::Text));
    double y = kMargemMm;
    for (const auto& linha : linhas) {
        const QFontMetricsF medidas(linha.fonte, this);
        pintor.setFont(linha.fonte);
        pintor.drawText(QPointF(kMargemMm * kPixelsPorMm, y * kPixelsPorMm + medidas.ascent()),
                        linha.texto);
        // The pen goes to the start of the next line, then one millimetre lower.
        y += medidas.height() / kPixelsPorMm + kEntrelinhaMm;
    }
}

} // namespace vidalume
