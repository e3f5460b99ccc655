// What the printing tests add to the shared ones: the person the tests print, and a PDF read
// back with poppler's tools (words with their boxes in millimetres, pages as images).
#pragma once

#include "tests/ArquivosTeste.h"
#include "tests/app/AmbienteTeste.h"

namespace vidalume::teste {

inline const QString kNome = QStringLiteral("MARIA DA SILVA");
inline const QString kNascimento = QStringLiteral("29/11/1978");
inline const QDate kHoje(2024, 6, 1);

struct PalavraPdf {
    QString texto;
    double xMin, yMin, xMax, yMax; // mm from the sheet's top-left corner
};

struct PaginaPdf {
    QList<PalavraPdf> palavras;
    bool contem(const QString& frase) const; // words in a row, compared exactly
};

class PdfLido {
public:
    explicit PdfLido(const QString& arquivo);
    const QList<PaginaPdf>& paginas() const { return paginas_; }
    // Page `n` (from 1) rendered at 40 dpi.
    QImage imagem(int n) const;

private:
    QString arquivo_;
    QList<PaginaPdf> paginas_;
};

// Pixels whose red, green and blue differ by more than a shade of grey may.
int pixelsColoridos(const QImage& imagem);

} // namespace vidalume::teste
