#include "printing/ui/TrabalhoImpressao.h"

#include "printing/painter/DocumentoAnalise.h"
#include "printing/painter/GravacaoPdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace vidalume {

const QString TrabalhoImpressao::kTituloArquivoPdf = QStringLiteral("Salvar análise em PDF");

namespace {

bool ehPdf(const QPrinter& impressora) {
    return impressora.outputFormat() == QPrinter::PdfFormat;
}

} // namespace

// A PDF printer's file is written like every PDF of the program, whole or not at all.
QString TrabalhoImpressao::imprime(QPrinter& impressora, const PedidoImpressao& pedido) {
    if (ehPdf(impressora)) {
        return GravacaoPdf::grava(impressora.outputFileName(), pedido);
    }
    const QString destino = impressora.printerName();
    impressora.setColorMode(pedido.pretoEmBranco ? QPrinter::GrayScale : QPrinter::Color);
    const auto resultado =
        impressora.printerState() == QPrinter::Error
            ? DocumentoAnalise::Resultado::NaoComecou
            : DocumentoAnalise::desenha(impressora, areaImprimivel(&impressora), pedido);
    switch (resultado) {
    case DocumentoAnalise::Resultado::Feito:
        if (impressora.printerState() != QPrinter::Error) {
            return {};
        }
        break;
    case DocumentoAnalise::Resultado::SemEspaco:
        return DocumentoAnalise::kSemEspaco;
    case DocumentoAnalise::Resultado::NaoComecou:
        return QStringLiteral("A impressora \"%1\" não aceitou a impressão. Verifique se ela "
                              "está ligada e pronta para imprimir.")
            .arg(destino);
    case DocumentoAnalise::Resultado::FalhouNoFim:
        break;
    }
    return QStringLiteral("A impressora \"%1\" informou um erro durante a impressão.").arg(destino);
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
        return GravacaoPdf::area();
    }
    return impressora->pageRect(QPrinter::Millimeter);
}

} // namespace vidalume
