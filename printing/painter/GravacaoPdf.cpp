#include "printing/painter/GravacaoPdf.h"

#include "printing/NomeArquivoPdf.h"
#include "printing/painter/DocumentoAnalise.h"
#include "report/Relatorio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace vidalume {

namespace {

constexpr int kPontosPorPolegada = 1200;
const QString kCriador = QStringLiteral("Vidalume");
constexpr qint64 kMaiorPdfConferido = 64LL * 1024 * 1024;

// The creator entry of the document information as the PDF writer spells it.
QByteArray entradaCriador() {
    QByteArray entrada("/Creator (\xFE\xFF");
    for (const QChar c : kCriador) {
        entrada.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    return entrada.append(')');
}

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
    pdf.setCreator(kCriador);
    pdf.setTitle(QStringLiteral("%1 - %2").arg(Relatorio::de(diagramacao).titulo(),
                                               diagramacao.NomeAnalise));
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

bool GravacaoPdf::feitoPeloPrograma(const QString& arquivo) {
    QFile f(arquivo);
    if (!QFileInfo(arquivo).isFile() || f.size() > kMaiorPdfConferido ||
        !f.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = f.readAll();
    return bytes.startsWith("%PDF-") && bytes.contains(entradaCriador());
}

bool GravacaoPdf::gravaComNomeLivre(const QString& pasta, const QString& sugestao,
                                    const Diagramacao& diagramacao, QString* nome, QString* erro) {
    GravacaoSegura saida(QDir(pasta).filePath(sugestao), GravacaoSegura::Destino::NomeNovo);
    return escreve(saida, diagramacao, erro) &&
           concluiComNomeLivre(saida, pasta, sugestao, nome, erro);
}

bool GravacaoPdf::concluiComNomeLivre(GravacaoSegura& saida, const QString& pasta,
                                      const QString& sugestao, QString* nome, QString* erro) {
    constexpr int kTentativasDeNome = 1000;
    // The first free name; one taken meanwhile (even by a planted link) is never replaced:
    // the next one is tried.
    QString motivo;
    for (int tentativa = 0; tentativa < kTentativasDeNome; ++tentativa) {
        *nome = QFileInfo(NomeArquivoPdf::livre(pasta, sugestao)).fileName();
        if (saida.conclui(&motivo, *nome)) {
            return true;
        }
        if (!saida.nomeOcupado()) {
            break;
        }
    }
    *erro = naoTerminou(QDir(pasta).filePath(sugestao), motivo);
    return false;
}

} // namespace vidalume
