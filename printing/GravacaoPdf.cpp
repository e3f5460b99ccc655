#include "GravacaoPdf.h"

#include "DocumentoAnalise.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace vidalume {

namespace {

constexpr int kPontosPorPolegada = 1200;

QString naoGravou(const QString& arquivo) {
    return QStringLiteral("Não foi possível gravar o arquivo \"%1\". Verifique se a pasta existe "
                          "e se você pode gravar nela.")
        .arg(QDir::toNativeSeparators(arquivo));
}

QString naoTerminou(const QString& arquivo) {
    return QStringLiteral("Não foi possível terminar de gravar o arquivo \"%1\".")
        .arg(QDir::toNativeSeparators(arquivo));
}

} // namespace

QString GravacaoPdf::grava(const QString& arquivo, const PedidoImpressao& pedido) {
    if (arquivo.isEmpty()) {
        return QStringLiteral("Nenhum arquivo foi escolhido para gravar a análise em PDF.");
    }
    if (!DocumentoAnalise::cabe(area(), pedido)) {
        return DocumentoAnalise::kSemEspaco;
    }
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly)) {
        return naoGravou(arquivo);
    }
    DocumentoAnalise::Resultado resultado;
    {
        QPdfWriter pdf(&saida);
        pdf.setResolution(kPontosPorPolegada);
        pdf.setCreator(QStringLiteral("Vidalume"));
        pdf.setTitle(QStringLiteral("Análise Numerológica - %1").arg(pedido.NomeAnalise));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        resultado = DocumentoAnalise::desenha(pdf, area(), pedido);
    }
    switch (resultado) {
    case DocumentoAnalise::Resultado::Feito:
        return saida.commit() ? QString() : naoTerminou(arquivo);
    case DocumentoAnalise::Resultado::SemEspaco:
        return DocumentoAnalise::kSemEspaco;
    case DocumentoAnalise::Resultado::NaoComecou:
        return naoGravou(arquivo);
    case DocumentoAnalise::Resultado::FalhouNoFim:
        break;
    }
    return naoTerminou(arquivo);
}

} // namespace vidalume
