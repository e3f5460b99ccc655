// The sections of an analysis (the 28 of the numerological analysis, then the complete map
// and the line of life, 29 to 34): the editor's list text, the interpretation file that
// holds their texts and how a number selects its record.
#pragma once

#include <QString>

#include <array>

namespace vidalume {

struct SecaoAnalise {
    const char16_t* titulo;   // list text of the editor
    const char16_t* legenda;  // caption of the calculation-selection check box
    const char* radical;      // file stem; the file is radical + ".DAT"; "" when none
    int deslocamentoRegistro; // record = number + deslocamentoRegistro
    int grupoExplicacao;      // record of the explanation file (arquivoExplicacao), 0 when none
};

class TabelaSecoes {
public:
    static constexpr int kTotal = 28;  // sections of the numerological analysis
    static constexpr int kUltima = 34; // the last section of the complete map
    static const std::array<SecaoAnalise, kUltima + 1>& secoes(); // index 0 unused
    static const SecaoAnalise& secao(int k) { return secoes()[k]; }
    // The interpretation file of section k; empty for a section without one.
    static QString arquivo(int k);
    static inline const QString kArquivoExplicacoes = QStringLiteral("CDATA.DAT");
    // The explanations of sections 29 to 34, record k - 28 for section k.
    static inline const QString kArquivoExplicacoesMapa = QStringLiteral("CMAPA.DAT");
    // The file that holds the explanation of section k's group.
    static QString arquivoExplicacao(int k) {
        return k > kTotal ? kArquivoExplicacoesMapa : kArquivoExplicacoes;
    }
    // The compatibility texts: one record per pair of numbers (see
    // engine/Compatibilidade for the record of a pair).
    static inline const QString kArquivoCompatibilidade = QStringLiteral("COMPATIB.DAT");
    // The closing paragraph of every report, in its record 1 (see composer/AvisoFinal).
    static inline const QString kArquivoAviso = QStringLiteral("AVISO.DAT");
};

} // namespace vidalume
