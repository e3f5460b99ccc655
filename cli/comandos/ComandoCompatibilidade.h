// "compatibilidade": the couple reading of two people, as the text the export gives, or as
// JSON:
//
//   {"pessoa1": {"caminho_da_vida", "expressao", "impulso_da_alma"}, "pessoa2": {...},
//    "aspectos": [{"aspecto", "numeros": [a, b], "registro", "harmonia"}, ...]}
//
// with "aspecto" one of "caminho_da_vida", "expressao", "impulso_da_alma", "numeros" in the
// order of the two people and "registro" the record of COMPATIB.DAT (null when a number is
// 0). The folder's interpretation files and settings are only read.
#pragma once

#include "cli/comandos/EntradaCli.h"
#include "composer/LeituraCasal.h"

#include <QByteArray>
#include <QString>

namespace vidalume {

class ComandoCompatibilidade {
public:
    static const QString kMensagemNome2Vazio; // "... (--nome2)."

    // Checks the first person (--nome, --nascimento) and then the second (--nome2,
    // --nascimento2) as "numeros" checks its person; the second's empty name is asked for
    // by its own option. False, with the message in `erro`, at the first refusal.
    static bool le(const QString& nome1, const QString& nascimento1, const QString& nome2,
                   const QString& nascimento2, LeituraCasal* leitura, QString* erro);

    static QByteArray json(const LeituraCasal& leitura);
    static QString texto(const LeituraCasal& leitura, const QString& pasta);
};

} // namespace vidalume
