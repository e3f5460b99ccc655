// Checks and normalisation of the name and birth date typed by the user, shared by the
// entry dialog and the command-line tool.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace vidalume {

class EntradaDados {
public:
    enum class Resultado { Aceito, DataInvalida, NomeVazio, NomeCurto };

    static const QString kMensagemDataInvalida;
    static const QString kMensagemNomeCurto;
    static const QString kMarcadorCancelado; // "Descartar"
    static constexpr int kMinimoCaracteresNome = 5;

    // Reads a date typed day/month/year ("/", "-" or "." between the parts; one- or
    // two-digit years follow the 1930-2029 window) or year-month-day with a four-digit
    // year first, or as eight or six digits without separators (ddmmaaaa, ddmmaa, the
    // two-digit year in the same window). Any other bare number, a missing part or a day
    // that is not on the calendar is no date. Years 1 to 9999.
    static std::optional<QDate> leData(const QString& texto);
    // The date rewritten as "dd/mm/yyyy", or nothing when the text is no date.
    static std::optional<QString> normalizaData(const QString& texto);
    static QString formataData(QDate data);
    // The message for a date that is no birth date but the date of something else, naming
    // where it was typed (`campo`, a box's caption in quotes or an option).
    static QString mensagemOutraData(const QString& campo);

    // The name as typed, made ready before anything else reads it: composed (NFC), so that an
    // accent typed or pasted as a separate mark joins its letter; invisible format marks
    // (zero-width spaces and joiners, direction marks, the byte-order mark) dropped; and a
    // Latin letter with a mark that Windows-1252 cannot hold ("Ă", "Ș") taken as its base
    // letter. Every other character is kept for confereCaracteres to judge.
    static QString preparaNome(const QString& digitado);
    // Why a prepared name cannot be analysed: it holds a control character (a tab, a line
    // break) or a letter or sign the program cannot represent (Greek, Cyrillic, CJK, emoji).
    // Empty when every character can be kept.
    static QString confereCaracteres(const QString& nome);

    // The checks of the entry, in their order: date first, then name.
    static Resultado valida(const QString& nome, const QString& data);

    // What the checks of a typed name and birth date found, with what to say about it.
    struct Conferencia {
        bool aceita = false;
        bool naData = false; // the refusal is about the date (else about the name)
        QString motivo;      // the message to show; empty for an empty name
        QString nome;        // the name to analyse: prepared and held as Windows-1252 holds it
    };
    // Every entry's checks of a name and a birth date as typed, in their order: the date, the
    // characters of the prepared name (confereCaracteres), an empty name, a short one.
    static Conferencia confere(const QString& nomeDigitado, const QString& data);
};

} // namespace vidalume
