// The header line and the two footer lines, and their file "rodape.dat".
//
// Record layout: three 200-byte records, record 1 RodapeLinhaUm, 2 RodapeLinhaDois,
// 3 CabecalhoLinhaUm. Each holds a 16-bit little-endian length n followed by n
// Windows-1252 characters (at most 198); the rest of the record carries no meaning.
#pragma once

#include <QString>

namespace vidalume {

struct LinhasRodape {
    static constexpr int kTamanhoRegistro = 200;
    static constexpr int kMaximoCaracteres = kTamanhoRegistro - 2;
    static constexpr int kMaximoCabecalho = 40; // what the dialog's header box accepts
    static inline const QString kArquivo = QStringLiteral("rodape.dat");
    static inline const QString kCabecalhoPadrao = QStringLiteral("Sua vida através da Vidalume");

    QString RodapeLinhaUm;
    QString RodapeLinhaDois;
    QString CabecalhoLinhaUm = kCabecalhoPadrao;

    // Each line whose record is missing, short or holds a length past its record takes
    // its default (the header text above, empty footer lines). Never writes.
    static LinhasRodape CarregaLinhasRodape(const QString& pasta);
    // Writes the three records (each line cut to 198 characters).
    bool GravaLinhasRodape(const QString& pasta, QString* erro = nullptr) const;

    bool operator==(const LinhasRodape&) const = default;
};

} // namespace vidalume
