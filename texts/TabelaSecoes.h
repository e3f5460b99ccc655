// The 28 sections of an analysis: the editor's list text, the interpretation file that
// holds their texts and how a number selects its record.
#pragma once

#include <QString>

#include <array>

namespace vidalume {

struct SecaoAnalise {
    const char16_t* titulo;   // list text of the editor
    const char16_t* legenda;  // caption of the calculation-selection check box
    const char* radical;      // file stem; the file is radical + ".DAT"
    int deslocamentoRegistro; // record = number + deslocamentoRegistro
    int grupoExplicacao;      // record of CDATA.DAT that explains the group, 0 when none
};

class TabelaSecoes {
public:
    static constexpr int kTotal = 28;
    static const std::array<SecaoAnalise, kTotal + 1>& secoes(); // index 0 unused
    static const SecaoAnalise& secao(int k) { return secoes()[k]; }
    static QString arquivo(int k);
    static inline const QString kArquivoExplicacoes = QStringLiteral("CDATA.DAT");
    // The compatibility texts: one record per pair of numbers (see
    // engine/Compatibilidade for the record of a pair).
    static inline const QString kArquivoCompatibilidade = QStringLiteral("COMPATIB.DAT");
    // The closing paragraph of every report, in its record 1 (see composer/AvisoFinal).
    static inline const QString kArquivoAviso = QStringLiteral("AVISO.DAT");
};

} // namespace vidalume
