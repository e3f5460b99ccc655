#include "printing/painter/GravacaoPdf.h"

#include "printing/NomeArquivoPdf.h"
#include "printing/painter/DocumentoAnalise.h"
#include "report/Relatorio.h"

#include <QBuffer>
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

QRectF GravacaoPdf::area(const QPageSize& papel) {
    return {QPointF(0, 0), papel.size(QPageSize::Millimeter)};
}

bool GravacaoPdf::grava(const QString& arquivo, const Diagramacao& diagramacao, QString* erro) {
    return grava(arquivo, diagramacao, erro, QPageSize(QPageSize::A4));
}

bool GravacaoPdf::grava(const QString& arquivo, const Diagramacao& diagramacao, QString* erro,
                        const QPageSize& papel) {
    GravacaoSegura saida(arquivo);
    if (!escreve(saida, diagramacao, erro, papel)) {
        return false;
    }
    QString motivo;
    if (!saida.conclui(&motivo)) {
        *erro = naoTerminou(arquivo, motivo);
        return false;
    }
    return true;
}

bool GravacaoPdf::escreve(GravacaoSegura& saida, const Diagramacao& diagramacao, QString* erro,
                          const QPageSize& papel) {
    const QString arquivo = saida.caminho();
    if (QFileInfo(arquivo).fileName().isEmpty()) {
        *erro = QStringLiteral("Nenhum arquivo foi escolhido para gravar a análise em PDF.");
        return false;
    }
    if (!DocumentoAnalise::cabe(area(papel), diagramacao)) {
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
    pdf.setPageLayout(
        QPageLayout(papel, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter pintor;
    if (!pintor.begin(&pdf)) {
        *erro = naoGravou(arquivo, QStringLiteral("o documento não pôde ser começado."));
        return false;
    }
    if (!DocumentoAnalise::desenha(pintor, pdf, area(papel), diagramacao, &motivo)) {
        *erro = naoTerminou(arquivo, motivo);
        return false;
    }
    return true;
}

namespace {

// A PDF writer that counts the sheets drawn into it.
class ContaFolhas : public QPdfWriter {
public:
    using QPdfWriter::QPdfWriter;
    bool newPage() override {
        ++folhas;
        return QPdfWriter::newPage();
    }
    int folhas = 1;
};

} // namespace

// The document is drawn into a throwaway PDF in memory: the sheets are laid out by the very
// code that prints them, so the count cannot drift from what comes out of the printer.
int GravacaoPdf::paginas(const Diagramacao& diagramacao, const QPageSize& papel) {
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    ContaFolhas pdf(&memoria);
    pdf.setPageLayout(
        QPageLayout(papel, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter pintor;
    QString motivo;
    if (!pintor.begin(&pdf) ||
        !DocumentoAnalise::desenha(pintor, pdf, area(papel), diagramacao, &motivo)) {
        return 0;
    }
    return pdf.folhas;
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
