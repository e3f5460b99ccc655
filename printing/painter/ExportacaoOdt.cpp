#include "printing/painter/ExportacaoOdt.h"

#include "composer/DataPorExtenso.h"
#include "composer/PartesSecao.h"
#include "composer/TextoExportacao.h"
#include "report/Relatorio.h"
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
    const Relatorio& relatorio = Relatorio::de(d);
    documento.clear();
    documento.setMetaInformation(QTextDocument::DocumentTitle,
                                 relatorio.titulo() + QStringLiteral(" - ") + d.NomeAnalise);
    const FontesAnalise padrao;
    const QTextCharFormat titulo = formato(d.fontes.FonteTitulo, padrao.FonteTitulo);
    const QTextCharFormat descricao = formato(d.fontes.FonteDescricao, padrao.FonteDescricao);
    const QTextCharFormat texto = formato(d.fontes.FonteTexto, padrao.FonteTexto);
    QTextCursor cursor(&documento);
    bool primeiro = true;
    escreve(cursor, primeiro, relatorio.titulo(), titulo, Qt::AlignHCenter);
    escreve(cursor, primeiro, d.NomeAnalise, titulo, Qt::AlignHCenter);
    escreve(cursor, primeiro, DataPorExtenso::formata(d.DataNascimento), descricao,
            Qt::AlignHCenter);
    QTextCharFormat quadro = texto;
    quadro.setFontFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier New"),
                            QStringLiteral("monospace")});
    quadro.setFontFixedPitch(true);
    quadro.setFontPointSize(10);
    // The pictures stay on the pages; their text lines stand for them.
    for (const ItemAnalise& item : relatorio.blocos(d)) {
        escreve(cursor, primeiro, item.Descricao, descricao, Qt::AlignJustify);
        escreve(cursor, primeiro, item.Titulo, titulo, Qt::AlignLeft);
        escreve(cursor, primeiro, PartesSecao::textoQuadro(item), quadro, Qt::AlignLeft);
        escreve(cursor, primeiro, item.Texto, texto, Qt::AlignJustify);
        escreve(cursor, primeiro, TextoExportacao::kSeparador, texto, Qt::AlignHCenter);
    }
    escreve(cursor, primeiro, relatorio.aviso(d), descricao, Qt::AlignJustify);
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
