#include "gui/impressao/DesenhoExemplo.h"

#include "report/DesenhosPagina.h"
#include "report/EscreveTexto.h"
#include "report/LayoutAnalise.h"
#include "report/NovaPagina.h"

namespace vidalume {

const QString DesenhoExemplo::kTitulo = QStringLiteral("Vidalume");
const QString DesenhoExemplo::kRodape = QStringLiteral("Análise do programa Vidalume");

namespace {

constexpr int kSignoExemplo = 2; // the second picture of the header's sign pictures
constexpr double kTamanhoTitulo = 5;
constexpr double kTamanhoTexto = 4;
constexpr double kTamanhoAviso = 14;
constexpr double kPosicaoAviso = 5;
constexpr double kTopoTextoRodape = 10; // footer line below the footer bar, above the margin
constexpr double kRodapeTexto = 20;     // room kept for the footer below the text

// Printer millimetres to preview millimetres, across and down.
struct Escala {
    double horizontal;
    double vertical;
    double x(double v) const { return v * horizontal; }
    double y(double v) const { return v * vertical; }
};

} // namespace

void DesenhoExemplo::desenha(SuperficieDesenho& d, const QSizeF& papel, const Margens& m,
                             const QString& texto) {
    d.EscalaMilimetros();
    const double w = d.LarguraEscala();
    const double h = d.AlturaEscala();
    const Escala e{papel.width() > 0 ? w / papel.width() : 0,
                   papel.height() > 0 ? h / papel.height() : 0};
    const double l = m.MargemEsquerda, t = m.MargemSuperior, r = m.MargemDireita,
                 b = m.MargemInferior;
    d.Limpa();
    d.DefineCorFrente(SuperficieDesenho::kPreto);

    const double topoBarra = t + DesenhosPagina::kTopoBarraCabecalho;
    d.Retangulo(e.x(l), e.y(topoBarra), w - e.x(r), e.y(topoBarra + 1));
    const double lado = DesenhosPagina::kLadoSigno;
    d.PintaFigura(Figura::doSigno(kSignoExemplo), e.x(l + 2), e.y(t), e.x(lado), e.y(lado));

    d.DefineNomeFonte(DesenhosPagina::kFonteMoldura);
    d.DefineTamanhoFonte(kTamanhoTitulo);
    d.DefineNegrito(true);
    d.DefineItalico(false);
    d.DefineY(e.y(t + 2));
    const double inicioFaixa = e.x(l + lado);
    d.DefineX(inicioFaixa + (w - inicioFaixa - e.x(r) - d.LarguraTexto(kTitulo)) / 2);
    d.Escreve(kTitulo);

    d.DefineNegrito(false);
    d.DefineTamanhoFonte(kTamanhoTexto);
    const double rodape = DesenhosPagina::kAlturaRodape;
    d.Retangulo(e.x(l), h - e.y(b + rodape), w - e.x(r), h - e.y(b + rodape - 1));
    d.DefineX(e.x(l + 2));
    d.DefineY(h - e.y(b + kTopoTextoRodape));
    d.Escreve(kRodape);

    if (!texto.isEmpty()) {
        const double margemTexto = LayoutAnalise::kMargemTexto;
        QString bloco = texto;
        EscreveTexto::escreve(d, e.y(t + NovaPagina::kAlturaCabecalho), e.x(l + margemTexto),
                              w - e.x(r + margemTexto), h - e.y(b + kRodapeTexto), bloco);
    }
}

void DesenhoExemplo::desenhaAviso(SuperficieDesenho& d) {
    d.EscalaMilimetros();
    d.Limpa();
    d.DefineCorFrente(SuperficieDesenho::kPreto);
    d.DefineNomeFonte(DesenhosPagina::kFonteMoldura);
    d.DefineTamanhoFonte(kTamanhoAviso);
    d.DefineNegrito(false);
    d.DefineItalico(false);
    d.DefineX(kPosicaoAviso);
    d.DefineY(kPosicaoAviso);
    d.EscreveLinha(QStringLiteral("Imprimindo,"));
    d.DefineX(kPosicaoAviso);
    d.Escreve(QStringLiteral("Aguarde..."));
}

} // namespace vidalume
