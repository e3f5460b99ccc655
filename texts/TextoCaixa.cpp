#include "texts/TextoCaixa.h"

#include "engine/Windows1252.h"

namespace vidalume {

using namespace Qt::StringLiterals;

namespace {

bool quebraDeLinha(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Bytes taken in the record by the character that ends at `fim` (exclusive), and how many
// UTF-16 units it has.
std::pair<int, int> ultimoCaractere(QStringView texto, qsizetype fim) {
    const QChar c = texto.at(fim - 1);
    if (c == u'\n' && fim >= 2 && texto.at(fim - 2) == u'\r') {
        return {2, 2};
    }
    if (c.isLowSurrogate() && fim >= 2 && texto.at(fim - 2).isHighSurrogate()) {
        return {1, 2};
    }
    return {quebraDeLinha(c) ? 2 : 1, 1};
}

} // namespace

QString TextoCaixa::paraCaixa(const QString& registro) {
    QString caixa = registro;
    caixa.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    caixa.replace(u'\r', u'\n');
    return caixa;
}

QString TextoCaixa::paraRegistro(QStringView caixa) {
    QString registro;
    registro.reserve(caixa.size() + caixa.size() / 8);
    for (qsizetype i = 0; i < caixa.size(); ++i) {
        const QChar c = caixa.at(i);
        if (c == u'\r' && i + 1 < caixa.size() && caixa.at(i + 1) == u'\n') {
            continue; // the LF that follows makes the one break
        }
        if (quebraDeLinha(c)) {
            registro.append(QStringLiteral("\r\n"));
        } else {
            registro.append(c);
        }
    }
    return registro;
}

qsizetype TextoCaixa::tamanhoNoRegistro(QStringView caixa) {
    qsizetype bytes = 0;
    for (qsizetype fim = caixa.size(); fim > 0;) {
        const auto [tamanho, unidades] = ultimoCaractere(caixa, fim);
        bytes += tamanho;
        fim -= unidades;
    }
    return bytes;
}

qsizetype TextoCaixa::corteDoFim(QStringView inserido, qsizetype excesso) {
    qsizetype fim = inserido.size();
    while (excesso > 0 && fim > 0) {
        const auto [tamanho, unidades] = ultimoCaractere(inserido, fim);
        excesso -= tamanho;
        fim -= unidades;
    }
    return inserido.size() - fim;
}

QStringList TextoCaixa::semCodificacao(QStringView caixa) {
    QStringList r;
    for (qsizetype i = 0; i < caixa.size(); ++i) {
        const qsizetype tamanho = caixa[i].isHighSurrogate() && i + 1 < caixa.size() ? 2 : 1;
        const QString c = caixa.mid(i, tamanho).toString();
        i += tamanho - 1;
        if (c == u"\u2029"_s || c == u"\u2028"_s) {
            continue; // the box's own paragraph and line breaks
        }
        if (Windows1252::restringe(c) != c && !r.contains(c)) {
            r << c;
        }
    }
    return r;
}

} // namespace vidalume
