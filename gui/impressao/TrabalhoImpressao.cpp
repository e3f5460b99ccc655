#include "gui/impressao/TrabalhoImpressao.h"

#include "printing/painter/DocumentoAnalise.h"
#include "printing/painter/GravacaoPdf.h"
#include "report/Relatorio.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace vidalume {

namespace {

bool ehPdf(const QPrinter& impressora) {
    return impressora.outputFormat() == QPrinter::PdfFormat;
}

} // namespace

// A PDF printer's file is written like every PDF of the program, whole or not at all.
bool TrabalhoImpressao::imprime(QPrinter& impressora, const Diagramacao& diagramacao,
                                QString* erro) {
    if (ehPdf(impressora)) {
        return GravacaoPdf::grava(impressora.outputFileName(), diagramacao, erro,
                                  impressora.pageLayout().pageSize());
    }
    return imprimeNaImpressora(impressora, diagramacao, erro);
}

bool TrabalhoImpressao::imprimeNaImpressora(QPrinter& impressora, const Diagramacao& diagramacao,
                                            QString* erro) {
    // The sheet's corner is the origin: the layout is the PDF's, whatever edge the printer
    // cannot reach.
    impressora.setFullPage(true);
    const QString destino = impressora.printerName();
    impressora.setDocName(nomeTrabalho(diagramacao));
    if (!DocumentoAnalise::cabe(areaImprimivel(&impressora), diagramacao)) {
        *erro = DocumentoAnalise::kSemEspaco;
        return false;
    }
    impressora.setColorMode(diagramacao.pretoEmBranco ? QPrinter::GrayScale : QPrinter::Color);
    QPainter pintor;
    if (impressora.printerState() == QPrinter::Error || !pintor.begin(&impressora)) {
        *erro = QStringLiteral("A impressora \"%1\" não aceitou a impressão. Verifique se ela "
                               "está ligada e pronta para imprimir.")
                    .arg(destino);
        return false;
    }
    QString motivo;
    if (!DocumentoAnalise::desenha(pintor, impressora, areaImprimivel(&impressora), diagramacao,
                                   &motivo) ||
        impressora.printerState() == QPrinter::Error) {
        *erro = QStringLiteral("A impressora \"%1\" informou um erro durante a impressão.")
                    .arg(destino);
        return false;
    }
    return true;
}

QString TrabalhoImpressao::nomeTrabalho(const Diagramacao& diagramacao) {
    return Relatorio::de(diagramacao).nomeTrabalho(diagramacao);
}

void TrabalhoImpressao::preparaPdf(QPrinter& impressora, const QString& arquivo,
                                   const QPageSize& papel) {
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    impressora.setPageLayout(
        QPageLayout(papel, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    impressora.setFullPage(false);
}

void TrabalhoImpressao::definePapel(QPrinter& impressora, const QPageSize& papel) {
    impressora.setPageOrientation(QPageLayout::Portrait);
    impressora.setPageSize(papel);
    impressora.setFullPage(true);
}

QRectF TrabalhoImpressao::areaImprimivel(const QPrinter* impressora) {
    if (impressora == nullptr) {
        return GravacaoPdf::area();
    }
    return {QPointF(0, 0), impressora->paperRect(QPrinter::Millimeter).size()};
}

} // namespace vidalume
