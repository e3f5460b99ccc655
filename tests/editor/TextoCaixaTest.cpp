// Line breaks and whole characters between a record and the editor's text box.
#include "TextoCaixa.h"

#include <gtest/gtest.h>

using namespace vidalume;

TEST(TextoCaixa, QuebrasECaracteresInteiros) {
    // Paragraph and line separators of the document, a lone CR and a CR LF: one CR LF each.
    const QString caixa = QStringLiteral("a") + QChar(QChar::ParagraphSeparator) +
                          QStringLiteral("b") + QChar(QChar::LineSeparator) +
                          QStringLiteral("c\rd\r\ne");
    EXPECT_EQ(TextoCaixa::paraRegistro(caixa), QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"));
    EXPECT_EQ(TextoCaixa::paraCaixa(QStringLiteral("a\r\nb\rc")), QStringLiteral("a\nb\nc"));

    // Cutting never splits a surrogate pair; a line break frees two bytes.
    const QString texto = QStringLiteral("ab\ncé") + QString::fromUtf16(u"\U0001F600");
    EXPECT_EQ(TextoCaixa::tamanhoNoRegistro(texto), 7);
    EXPECT_EQ(TextoCaixa::corteDoFim(texto, 1), 2);
    EXPECT_EQ(TextoCaixa::corteDoFim(texto, 4), 5);
}
