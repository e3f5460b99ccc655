// A client of the client file and the analyses made for one, with the rules every way in
// (the client window, the entry dialog, the import) applies before a client is kept.
#pragma once

#include "engine/RegrasCalculo.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace vidalume {

struct Cliente {
    qint64 id = 0; // 0 until the client is in the file
    QString nome;  // as typed, accents kept
    QDate nascimento;
    QString telefone;
    QString email;
    QString observacoes; // lines end with "\n"
    QDateTime criado;
    QDateTime alterado;
    QDateTime ultimaAnalise; // invalid when none was made; filled by searches

    static constexpr int kMaximoNome = 200;
    static constexpr int kMaximoTelefone = 60;
    static constexpr int kMaximoEmail = 200;
    static constexpr int kMaximoObservacoes = 8000;

    // Blanks at the ends of every field dropped, line ends of the notes made "\n".
    void ajusta();
    // What is wrong with the client, in Portuguese, or an empty text when it may be kept: a
    // name the entry dialog would take, a birth date on the calendar, fields within their
    // sizes and without control characters (the notes may hold line ends and tabs).
    QString confere() const;

    // Full years lived on `hoje`; 0 before the first birthday.
    static int idade(QDate nascimento, QDate hoje);
};

// An analysis made for a client: when it was made and the date of its forecasts, so that it
// can be composed again exactly as it was.
struct AnaliseCliente {
    qint64 id = 0;
    qint64 cliente = 0;
    QDateTime feita;
    QDate referencia;
    EscolaCalculo escola = EscolaCalculo::Pitagorica; // the school it was computed by
};

} // namespace vidalume
