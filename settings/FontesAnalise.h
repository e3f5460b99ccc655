// The three fonts of an analysis and their file "fontes.dat".
//
// Record layout (one 168-byte record; little-endian; text in Windows-1252), three
// DadosFonte of 56 bytes in the order FonteTitulo, FonteDescricao, FonteTexto:
//   +0 Nome (50 characters, padded with spaces)  +50 Negrito (16-bit flag)
//   +52 Italico (16-bit flag)                     +54 Tamanho (16-bit, points)
#pragma once

#include <QByteArray>
#include <QString>

namespace vidalume {

struct DadosFonte {
    static constexpr int kTamanhoNome = 50;
    static constexpr int kTamanhoRegistro = 56;
    // The sizes a font is drawn at: a stored size outside them (a file edited by hand or
    // damaged) is drawn at the nearest one, so that no size can make an analysis run to
    // thousands of pages.
    static constexpr int kMenorTamanho = 4;
    static constexpr int kMaiorTamanho = 72;

    QString Nome; // exactly 50 characters as stored; users trim it
    qint16 Negrito = 0;
    qint16 Italico = 0;
    qint16 Tamanho = 12;

    static DadosFonte cria(const QString& nome, bool negrito, bool italico, int tamanho);
    QString nomeAparado() const; // the name without trailing (and leading) spaces
    // The size to draw in points: `Tamanho` held within kMenorTamanho..kMaiorTamanho, or 0
    // when the stored size is unusable (below 1) and the role's default applies.
    int tamanhoDesenho() const;
    // Whether `Tamanho` is drawn as stored (false when tamanhoDesenho() replaces it).
    bool tamanhoUsavel() const { return Tamanho >= kMenorTamanho && Tamanho <= kMaiorTamanho; }
    bool negrito() const { return Negrito != 0; }
    bool italico() const { return Italico != 0; }
    void defineNome(const QString& nome); // cut or padded to 50 characters

    bool operator==(const DadosFonte&) const = default;
};

struct FontesAnalise {
    static constexpr int kTamanhoRegistro = 168;
    static inline const QString kArquivo = QStringLiteral("fontes.dat");

    DadosFonte FonteTitulo = DadosFonte::cria(QStringLiteral("Courier New"), true, false, 14);
    DadosFonte FonteDescricao = DadosFonte::cria(QStringLiteral("Arial"), false, true, 10);
    DadosFonte FonteTexto = DadosFonte::cria(QStringLiteral("Times New Roman"), false, false, 12);

    // Fonts are read from `bytes` as far as each is complete; the rest keep their
    // defaults.
    static FontesAnalise deBytes(const QByteArray& bytes);
    QByteArray paraBytes() const;

    static FontesAnalise le(const QString& pasta);            // never writes
    static FontesAnalise CarregaFontes(const QString& pasta); // creates the file when empty
    bool GravaFontes(const QString& pasta, QString* erro = nullptr) const;

    bool operator==(const FontesAnalise&) const = default;
};

} // namespace vidalume
