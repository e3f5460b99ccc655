// "nomes": the name study as JSON: the life path of the birth date and, for each name in the
// order given, its numbers and whether its expression is in harmony with the life path.
//
//   {"caminho_da_vida": n, "nomes": [{"nome", "expressao", "impulso_da_alma",
//    "eu_silencioso", "primeira_vogal", "caracteristica_do_nome", "numero_da_realidade",
//    "harmonia_com_caminho_da_vida"}, ...]}
//
// "nome" is the name as given; "primeira_vogal" is null for a name without vowels.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace vidalume {

class ComandoNomes {
public:
    // Checks the date and every name as "numeros" checks its one name (date first, then
    // each name in turn; no name at all is refused like an empty name). False, with the
    // message in `erro`, at the first refusal; otherwise the JSON in `json`.
    static bool executa(const QString& nascimento, const QStringList& nomes,
                        const QString& hojeTexto, QDate hojeRelogio, QByteArray* json,
                        QString* erro);
    // As above, the names compared by the school `escola` ("pitagorica", "cabalistica", or
    // empty for the folder's) with the options and harmony table of `pasta`.
    static bool executa(const QString& nascimento, const QStringList& nomes,
                        const QString& hojeTexto, QDate hojeRelogio, const QString& escola,
                        const QString& pasta, QByteArray* json, QString* erro);
};

} // namespace vidalume
