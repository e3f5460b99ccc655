#include "printing/painter/GravacaoPdf.h"

#include "printing/NomeArquivoPdf.h"
#include "printing/painter/DocumentoAnalise.h"
#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace vidalume {

namespace {

constexpr int kPontosPorPolegada = 1200;

QString naoGravou(const QString& arquivo, const QString& motivo) {
    return QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
        .arg(QDir::toNativeSeparators(arquivo), motivo);
}

QString naoTerminou(const QString& arquivo, const QString& motivo) {
    return QStringLiteral("Não foi possível terminar de gravar o arquivo \"%1\": %2")
        .arg(QDir::toNativeSeparators(arquivo), motivo);
}

} // namespace

QString GravacaoPdf::grava(const QString& arquivo, const PedidoImpressao& pedido) {
    GravacaoSegura saida(arquivo);
    if (QString falha = escreve(saida, pedido); !falha.isEmpty()) {
        return falha;
    }
    QString motivo;
    return saida.conclui(&motivo) ? QString() : naoTerminou(arquivo, motivo);
}

QString GravacaoPdf::escreve(GravacaoSegura& saida, const PedidoImpressao& pedido) {
    const QString arquivo = saida.caminho();
    if (QFileInfo(arquivo).fileName().isEmpty()) {
        return QStringLiteral("Nenhum arquivo foi escolhido para gravar a análise em PDF.");
    }
    if (!DocumentoAnalise::cabe(area(), pedido)) {
        return DocumentoAnalise::kSemEspaco;
    }
    QString motivo;
    if (!saida.abre(&motivo)) {
        return naoGravou(arquivo, motivo);
    }
    DocumentoAnalise::Resultado resultado;
    {
        QPdfWriter pdf(&saida.saida());
        pdf.setResolution(kPontosPorPolegada);
        pdf.setCreator(QStringLiteral("Vidalume"));
        pdf.setTitle(QStringLiteral("Análise Numerológica - %1").arg(pedido.NomeAnalise));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        resultado = DocumentoAnalise::desenha(pdf, area(), pedido);
    }
    switch (resultado) {
    case DocumentoAnalise::Resultado::Feito:
        return {};
    case DocumentoAnalise::Resultado::SemEspaco:
        return DocumentoAnalise::kSemEspaco;
    case DocumentoAnalise::Resultado::NaoComecou:
        return naoGravou(arquivo, QStringLiteral("o documento não pôde ser começado."));
    case DocumentoAnalise::Resultado::FalhouNoFim:
        break;
    }
    return naoTerminou(arquivo, QStringLiteral("uma página não pôde ser desenhada."));
}

QString GravacaoPdf::gravaComNomeLivre(const QString& pasta, const QString& sugestao,
                                       const PedidoImpressao& pedido, QString* erro) {
    constexpr int kTentativasDeNome = 1000;
    GravacaoSegura saida(QDir(pasta).filePath(sugestao), GravacaoSegura::Destino::NomeNovo);
    if (QString falha = escreve(saida, pedido); !falha.isEmpty()) {
        *erro = falha;
        return {};
    }
    // The first free name; one taken meanwhile (even by a planted link) is never replaced:
    // the next one is tried.
    QString motivo;
    for (int tentativa = 0; tentativa < kTentativasDeNome; ++tentativa) {
        const QString nome = QFileInfo(NomeArquivoPdf::livre(pasta, sugestao)).fileName();
        if (saida.conclui(&motivo, nome)) {
            return nome;
        }
        if (!saida.nomeOcupado()) {
            break;
        }
    }
    *erro = naoTerminouDeGravar(QDir(pasta).filePath(sugestao), motivo);
    return {};
}

QString GravacaoPdf::naoTerminouDeGravar(const QString& arquivo, const QString& motivo) {
    return naoTerminou(arquivo, motivo);
}

} // namespace vidalume
