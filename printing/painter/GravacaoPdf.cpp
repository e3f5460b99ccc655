#include "printing/painter/GravacaoPdf.h"

#include "printing/painter/DocumentoAnalise.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace vidalume {

namespace {

constexpr int kPontosPorPolegada = 1200;

QString naoGravou(const QString& arquivo, const QString& motivo) {
    return QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
        .arg(QDir::toNativeSeparators(arquivo), motivo);
}

} // namespace

QString GravacaoPdf::naoTerminou(const QString& arquivo, const QString& motivo) {
    return QStringLiteral("Não foi possível terminar de gravar o arquivo \"%1\": %2")
        .arg(QDir::toNativeSeparators(arquivo), motivo);
}

bool GravacaoPdf::grava(const QString& arquivo, const Diagramacao& diagramacao, QString* erro) {
    GravacaoSegura saida(arquivo);
    if (!escreve(saida, diagramacao, erro)) {
        return false;
    }
    QString motivo;
    if (!saida.conclui(&motivo)) {
        *erro = naoTerminou(arquivo, motivo);
        return false;
    }
    return true;
}

bool GravacaoPdf::escreve(GravacaoSegura& saida, const Diagramacao& diagramacao, QString* erro) {
    const QString arquivo = saida.caminho();
    if (QFileInfo(arquivo).fileName().isEmpty()) {
        *erro = QStringLiteral("Nenhum arquivo foi escolhido para gravar a análise em PDF.");
        return false;
    }
    if (!DocumentoAnalise::cabe(area(), diagramacao)) {
        *erro = DocumentoAnalise::kSemEspaco;
        return false;
    }
    QString motivo;
    if (!saida.abre(&motivo)) {
        *erro = naoGravou(arquivo, motivo);
        return false;
    }
    QPdfWriter pdf(&saida.saida());
    pdf.setResolution(kPontosPorPolegada);
    pdf.setCreator(QStringLiteral("Vidalume"));
    pdf.setTitle(QStringLiteral("Análise Numerológica - %1").arg(diagramacao.NomeAnalise));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter pintor;
    if (!pintor.begin(&pdf)) {
        *erro = naoGravou(arquivo, QStringLiteral("o documento não pôde ser começado."));
        return false;
    }
    if (!DocumentoAnalise::desenha(pintor, pdf, area(), diagramacao, &motivo)) {
        *erro = naoTerminou(arquivo, motivo);
        return false;
    }
    return true;
}

} // namespace vidalume
