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
#include <QTextTable>

#include <algorithm>

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

// The letters a table of the letter chart holds at most, as a line of the text export does.
constexpr int kColunasPorTabela = 22;

// One table of the letter chart: three rows over `colunas` (null for the gap between words).
void escreveTabelaLetras(QTextCursor& cursor, bool& primeiro,
                         const QList<const LetraMapa*>& colunas, const QTextCharFormat& letra) {
    QTextTableFormat tabela;
    tabela.setBorder(0);
    tabela.setCellPadding(1);
    tabela.setCellSpacing(0);
    tabela.setAlignment(Qt::AlignLeft);
    // Every table has the columns of a full one, the unused ones empty at the right, so that
    // a short row of words keeps the spacing of the rows above.
    // (A single word longer than that gets a column for each of its letters.)
    QTextTable* t = cursor.insertTable(3, std::max(kColunasPorTabela, int(colunas.size())), tabela);
    QTextBlockFormat centro;
    centro.setAlignment(Qt::AlignHCenter);
    const auto celula = [&](int linha, int coluna, const QString& texto) {
        QTextCursor c = t->cellAt(linha, coluna).firstCursorPosition();
        c.setBlockFormat(centro);
        c.insertText(texto, letra);
    };
    for (int k = 0; k < colunas.size(); ++k) {
        const LetraMapa* l = colunas[k];
        if (l == nullptr) {
            continue;
        }
        const QString valor = l->valor > 0 ? QString::number(l->valor) : QString();
        celula(0, k, l->tipo == LetraMapa::Tipo::Vogal ? valor : QString());
        celula(1, k, QString(l->letra));
        celula(2, k, l->tipo == LetraMapa::Tipo::Consoante ? valor : QString());
    }
    // The empty paragraph a table is always followed by takes the next text.
    cursor.movePosition(QTextCursor::End);
    primeiro = true;
}

// The letter chart as tables, one column per letter and an empty one between words, the
// vowels' values above the letters and the consonants' below: a word processor keeps each
// value over its letter whatever font it shows, which spaces in a line of text cannot do.
// Whole words go into a table while they fit the width the text export uses; the totals
// follow as paragraphs.
void escreveQuadroLetras(QTextCursor& cursor, bool& primeiro, const QuadroSecao& quadro,
                         const QTextCharFormat& letra) {
    QList<const LetraMapa*> colunas;
    for (const QList<LetraMapa>& palavra : quadro.letras.palavras) {
        if (!colunas.isEmpty() && colunas.size() + 1 + palavra.size() > kColunasPorTabela) {
            escreveTabelaLetras(cursor, primeiro, colunas, letra);
            colunas.clear();
        }
        if (!colunas.isEmpty()) {
            colunas << nullptr;
        }
        for (const LetraMapa& l : palavra) {
            colunas << &l;
        }
    }
    if (!colunas.isEmpty()) {
        escreveTabelaLetras(cursor, primeiro, colunas, letra);
    }
    escreve(cursor, primeiro, quadro.totais.join(QStringLiteral("\n")), letra, Qt::AlignLeft);
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
    // The same text as the export: the opening paragraph first, a repeated text once. The
    // pictures stay on the pages; the letter chart goes as tables, the others as their text
    // lines.
    if (const QString abertura = relatorio.abertura(d); !abertura.isEmpty()) {
        escreve(cursor, primeiro, abertura, descricao, Qt::AlignJustify);
        escreve(cursor, primeiro, TextoExportacao::kSeparador, texto, Qt::AlignHCenter);
    }
    for (const ItemAnalise& item : relatorio.blocos(d)) {
        escreve(cursor, primeiro, item.Descricao, descricao, Qt::AlignJustify);
        escreve(cursor, primeiro, item.Titulo, titulo, Qt::AlignLeft);
        if (item.Quadro.tipo == QuadroSecao::Tipo::Letras) {
            escreveQuadroLetras(cursor, primeiro, item.Quadro, quadro);
        } else {
            escreve(cursor, primeiro, PartesSecao::textoQuadro(item), quadro, Qt::AlignLeft);
        }
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
