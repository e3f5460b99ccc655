// The interpretation files that no section of the analysis reads, as the editor offers them:
// the children's texts, the cabalística map's own texts, the name's pyramid and the advice of
// the name-correction study. Each file is one row of a table (its name, the title the editor
// lists it under, how many records the shipped file holds and a label for every record the
// editor opens), so a new file of this kind is one more row and no new code.
#pragma once

#include "texts/ArquivoInterpretacao.h"
#include "texts/EscolhaTexto.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vidalume {

struct TextoAvulso {
    QString arquivo;     // file name in the program folder, e.g. "ARCANOS.DAT"
    QString titulo;      // the editor's list text
    int entregues = 0;   // records the shipped file holds
    QStringList rotulos; // the label of record k is rotulos[k - 1]; one per record offered

    // Records the editor offers, 1 to registros(); those after `entregues` are the user's own
    // to write, and the file grows to hold them.
    int registros() const { return int(rotulos.size()); }
};

class TextosAvulsos {
public:
    // Every file of the table, in the order the editor lists them.
    static const QList<TextoAvulso>& lista();
    // The traditional name of a major arcanum: 1 "O Mago" ... 22 "O Louco"; empty outside.
    static QString nomeArcano(int arcano);

    // The row of `arquivo`, or none when the table does not hold it.
    static const TextoAvulso* doArquivo(const QString& arquivo);

    // Record `registro` of row `indice` (0-based) with the line the edit window shows; none
    // when either is out of range.
    static std::optional<TextoEscolhido> escolha(int indice, int registro);

    // The text of `alvo` as the edit window opens it. A record the shipped file leaves for the
    // user, and that the file does not hold yet, opens empty without being taken for a damaged
    // file (a missing shipped record still is).
    static QString le(const ArquivoInterpretacao& arquivos, const TextoEscolhido& alvo);
};

} // namespace vidalume
