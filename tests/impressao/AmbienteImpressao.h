// What the printing tests share: a program folder of their own, message boxes that remember
// what they showed, the analysis the tests print, and a PDF read back with poppler's tools
// (pages with their size, words with their boxes in millimetres, pages as images).
#pragma once

#include "ItemAnalise.h"
#include "Mensagens.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

namespace vidalume::teste {

inline const QString kNome = QStringLiteral("MARIA DA SILVA");
inline const QString kNascimento = QStringLiteral("29/11/1978");
inline const QDate kHoje(2024, 6, 1);

struct MensagemMostrada {
    QString titulo;
    QString texto;
    Mensagens::Icone icone;
};

class MensagensTeste : public Mensagens {
public:
    QList<MensagemMostrada> mostradas;
    void informa(QWidget*, const QString& titulo, const QString& texto, Icone icone) override {
        mostradas << MensagemMostrada{titulo, texto, icone};
    }
    bool pergunta(QWidget*, const QString& titulo, const QString& texto, Icone icone) override {
        mostradas << MensagemMostrada{titulo, texto, icone};
        return true;
    }
};

// A program folder with the shipped interpretation files and pictures.
class PastaTeste {
public:
    PastaTeste();
    QString caminho() const { return dir_.path(); }
    QString arquivo(const QString& nome) const { return dir_.filePath(nome); }
    QByteArray conteudo(const QString& nome) const;

private:
    QTemporaryDir dir_;
};

struct PalavraPdf {
    QString texto;
    double xMin, yMin, xMax, yMax; // mm from the sheet's top-left corner
};

struct PaginaPdf {
    double largura = 0, altura = 0; // mm
    QList<PalavraPdf> palavras;
    bool contem(const QString& frase) const; // words in a row, compared exactly
};

class PdfLido {
public:
    explicit PdfLido(const QString& arquivo);
    const QList<PaginaPdf>& paginas() const { return paginas_; }
    // How many times each word occurs in the whole document.
    QMap<QString, int> contagem() const;
    // Page `n` (from 1) rendered at `dpi`.
    QImage imagem(int n, int dpi = 40) const;
    // Whether every page is an A4 portrait sheet.
    bool a4Retrato() const;

private:
    QString arquivo_;
    QList<PaginaPdf> paginas_;
};

// Words as pdftotext separates them: runs of characters between blanks.
QStringList separaPalavras(const QString& texto);
// Pixels whose red, green and blue differ by more than a shade of grey may.
int pixelsColoridos(const QImage& imagem);

} // namespace vidalume::teste
