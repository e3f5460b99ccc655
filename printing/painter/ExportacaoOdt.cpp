#include "printing/painter/ExportacaoOdt.h"

#include "composer/DataPorExtenso.h"
#include "composer/PartesSecao.h"
#include "composer/TextoExportacao.h"
#include "composer/TextosRepetidos.h"
#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFont>
#include <QRegularExpression>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace vidalume {

const QString ExportacaoOdt::kTitulo = QStringLiteral("Análise Numerológica");

namespace {

QTextCharFormat formato(const DadosFonte& fonte, const DadosFonte& padrao) {
    QTextCharFormat f;
    const QString nome = fonte.nomeAparado();
    f.setFontFamilies({nome.isEmpty() ? padrao.nomeAparado() : nome});
    const int tamanho = fonte.tamanhoDesenho();
    f.setFontPointSize(tamanho > 0 ? tamanho : padrao.tamanhoDesenho());
    f.setFontWeight(fonte.negrito() ? QFont::Bold : QFont::Normal);
    f.setFontItalic(fonte.italico());
    return f;
}

// One paragraph per line of `texto`; blank lines are left out, as they only separate.
void escreve(QTextCursor& cursor, bool& primeiro, const QString& texto,
             const QTextCharFormat& letra, Qt::Alignment alinhamento) {
    static const QRegularExpression kFimLinha(QStringLiteral("\r\n|\r|\n"));
    QTextBlockFormat bloco;
    bloco.setAlignment(alinhamento);
    bloco.setBottomMargin(6);
    for (const QString& linha : texto.split(kFimLinha, Qt::SkipEmptyParts)) {
        if (linha.trimmed().isEmpty()) {
            continue;
        }
        if (primeiro) {
            cursor.setBlockFormat(bloco);
            cursor.setBlockCharFormat(letra);
            primeiro = false;
        } else {
            cursor.insertBlock(bloco, letra);
        }
        cursor.insertText(linha, letra);
    }
}

} // namespace

void ExportacaoOdt::monta(QTextDocument& documento, const Diagramacao& d) {
    documento.clear();
    documento.setMetaInformation(QTextDocument::DocumentTitle,
                                 kTitulo + QStringLiteral(" - ") + d.NomeAnalise);
    const FontesAnalise padrao;
    const QTextCharFormat titulo = formato(d.fontes.FonteTitulo, padrao.FonteTitulo);
    const QTextCharFormat descricao = formato(d.fontes.FonteDescricao, padrao.FonteDescricao);
    const QTextCharFormat texto = formato(d.fontes.FonteTexto, padrao.FonteTexto);
    QTextCursor cursor(&documento);
    bool primeiro = true;
    if (d.previsoes) {
        // The forecast's blocks as its exported text has them (the calendar pictures stay on
        // the pages; the days table stands for them).
        escreve(cursor, primeiro, PrevisoesAno::kTitulo, titulo, Qt::AlignHCenter);
        escreve(cursor, primeiro, d.NomeAnalise, titulo, Qt::AlignHCenter);
        escreve(cursor, primeiro, DataPorExtenso::formata(d.DataNascimento), descricao,
                Qt::AlignHCenter);
        for (const ItemAnalise& item : d.previsoes->blocos()) {
            escreve(cursor, primeiro, item.Descricao, descricao, Qt::AlignJustify);
            escreve(cursor, primeiro, item.Titulo, titulo, Qt::AlignLeft);
            escreve(cursor, primeiro, item.Texto, texto, Qt::AlignJustify);
            escreve(cursor, primeiro, TextoExportacao::kSeparador, texto, Qt::AlignHCenter);
        }
        escreve(cursor, primeiro, d.previsoes->aviso, descricao, Qt::AlignJustify);
        return;
    }
    escreve(cursor, primeiro, kTitulo, titulo, Qt::AlignHCenter);
    escreve(cursor, primeiro, d.NomeAnalise, titulo, Qt::AlignHCenter);
    escreve(cursor, primeiro, DataPorExtenso::formata(d.DataNascimento), descricao,
            Qt::AlignHCenter);
    QTextCharFormat quadro = texto;
    quadro.setFontFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier New"),
                            QStringLiteral("monospace")});
    quadro.setFontFixedPitch(true);
    quadro.setFontPointSize(10);
    // The same text as the export: a repeated text once, the opening paragraph first.
    const Analise analise = TextosRepetidos::resume(d.analise, d.selecao, d.opcoesMapa);
    if (!analise.Abertura.isEmpty()) {
        escreve(cursor, primeiro, analise.Abertura, descricao, Qt::AlignJustify);
        escreve(cursor, primeiro, TextoExportacao::kSeparador, texto, Qt::AlignHCenter);
    }
    for (int k = 1; k <= PartesSecao::kUltimaSecao; ++k) {
        if (!PartesSecao::mostrada(d.analise, d.selecao, d.opcoesMapa, k)) {
            continue;
        }
        const ItemAnalise& item = analise[k];
        if (PartesSecao::comDescricao(item, d.configuracao)) {
            escreve(cursor, primeiro, item.Descricao, descricao, Qt::AlignJustify);
        }
        escreve(cursor, primeiro, PartesSecao::titulo(d.analise, k, d.configuracao), titulo,
                Qt::AlignLeft);
        escreve(cursor, primeiro, PartesSecao::textoQuadro(item), quadro, Qt::AlignLeft);
        escreve(cursor, primeiro, item.Texto, texto, Qt::AlignJustify);
        escreve(cursor, primeiro, TextoExportacao::kSeparador, texto, Qt::AlignHCenter);
    }
    escreve(cursor, primeiro, d.analise.Aviso, descricao, Qt::AlignJustify);
}

bool ExportacaoOdt::grava(const QString& arquivo, const Diagramacao& diagramacao, QString* erro) {
    QTextDocument documento;
    monta(documento, diagramacao);
    GravacaoSegura saida(arquivo);
    QString motivo;
    const auto falha = [&](const QString& porque) {
        *erro = QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2")
                    .arg(QDir::toNativeSeparators(arquivo), porque);
        return false;
    };
    if (!saida.abre(&motivo)) {
        return falha(motivo);
    }
    QTextDocumentWriter escritor(&saida.saida(), QByteArrayLiteral("odf"));
    if (!escritor.write(&documento)) {
        return falha(QStringLiteral("o documento não pôde ser escrito."));
    }
    if (!saida.conclui(&motivo)) {
        return falha(motivo);
    }
    return true;
}

} // namespace vidalume
