#include "TrabalhoImpressao.h"

#include "ArquivoInterpretacao.h"
#include "ComporAnalise.h"
#include "FigurasCinza.h"
#include "FigurasSvg.h"
#include "FolhasImpressora.h"
#include "LayoutAnalise.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace vidalume {

const QString TrabalhoImpressao::kTituloArquivoPdf = QStringLiteral("Salvar análise em PDF");

namespace {

bool ehPdf(const QPrinter& impressora) {
    return impressora.outputFormat() == QPrinter::PdfFormat;
}

ParametrosLayout parametros(const PedidoImpressao& pedido, const QRectF& area) {
    ParametrosLayout p;
    p.larguraPagina = area.width();
    p.alturaPagina = area.height();
    p.margens = pedido.margens;
    p.folhaRosto = pedido.folhaRosto;
    p.configuracao = pedido.configuracao;
    p.selecao = pedido.selecao;
    p.fontes = pedido.fontes;
    p.linhas = pedido.linhas;
    p.NomeAnalise = pedido.NomeAnalise;
    p.DataNascimento = pedido.DataNascimento;
    return p;
}

// Whether the margins leave the text a column and a band of at least kMinimoTexto mm on the
// first page; margins that leave none would give a document of one character per line.
bool cabeTexto(const ParametrosLayout& p) {
    constexpr double kMinimoTexto = 10;
    const Margens& m = p.margens;
    const double coluna =
        p.larguraPagina - m.MargemEsquerda - m.MargemDireita - 2 * LayoutAnalise::kMargemTexto;
    const double faixa = p.limiteTexto() - m.MargemSuperior - NovaPagina::kAlturaCabecalho;
    return coluna >= kMinimoTexto && faixa >= kMinimoTexto;
}

} // namespace

QString TrabalhoImpressao::nomeDestino(const QPrinter& impressora) {
    return ehPdf(impressora) ? QDir::toNativeSeparators(impressora.outputFileName())
                             : impressora.printerName();
}

QString TrabalhoImpressao::imprime(QPrinter& impressora, const PedidoImpressao& pedido) {
    const QString destino = nomeDestino(impressora);
    if (ehPdf(impressora) && impressora.outputFileName().isEmpty()) {
        return QStringLiteral("Nenhum arquivo foi escolhido para gravar a análise em PDF.");
    }
    const QRectF area = areaImprimivel(&impressora);
    const ParametrosLayout p = parametros(pedido, area);
    if (!cabeTexto(p)) {
        return QStringLiteral("As margens não deixam espaço para o texto na página. Diminua as "
                              "margens e imprima novamente.");
    }
    impressora.setColorMode(pedido.pretoEmBranco ? QPrinter::GrayScale : QPrinter::Color);
    const Analise analise =
        ComporAnalise::compoe(pedido.NomeAnalise, pedido.DataNascimento, pedido.hoje,
                              ArquivoInterpretacao(pedido.pastaPrograma));
    QPainter pintor;
    if (impressora.printerState() == QPrinter::Error || !pintor.begin(&impressora)) {
        if (ehPdf(impressora)) {
            return QStringLiteral("Não foi possível gravar o arquivo \"%1\". Verifique se a pasta "
                                  "existe e se você pode gravar nela.")
                .arg(destino);
        }
        return QStringLiteral("A impressora \"%1\" não aceitou a impressão. Verifique se ela "
                              "está ligada e pronta para imprimir.")
            .arg(destino);
    }
    FigurasSvg* figuras = &FigurasSvg::daPasta(pedido.pastaPrograma);
    std::unique_ptr<FigurasCinza> cinza;
    if (pedido.pretoEmBranco) {
        cinza = std::make_unique<FigurasCinza>(pedido.pastaPrograma);
        figuras = cinza->figuras() != nullptr ? cinza->figuras() : figuras;
    }
    FolhasImpressora folhas(pintor, impressora, area, *figuras);
    LayoutAnalise(p).dispoe(analise, folhas);
    folhas.conclui();
    const bool terminou = pintor.end();
    if (folhas.falhou() || !terminou || impressora.printerState() == QPrinter::Error) {
        return ehPdf(impressora)
                   ? QStringLiteral("Não foi possível terminar de gravar o arquivo \"%1\".")
                         .arg(destino)
                   : QStringLiteral("A impressora \"%1\" informou um erro durante a impressão.")
                         .arg(destino);
    }
    return {};
}

void TrabalhoImpressao::preparaPdf(QPrinter& impressora, const QString& arquivo) {
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    impressora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    impressora.setFullPage(false);
}

QRectF TrabalhoImpressao::areaImprimivel(const QPrinter* impressora) {
    if (impressora == nullptr) {
        return {0, 0, 210, 297};
    }
    return impressora->pageRect(QPrinter::Millimeter);
}

} // namespace vidalume
