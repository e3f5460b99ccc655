// The input of "lote": a text file with one person a line, "nome;nascimento", in UTF-8 or
// Windows-1252, optionally beginning with a header line.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vidalume {

struct LinhaLote {
    int numero = 0; // the line's number in the file, from 1
    QString nome;
    QString nascimento;
    QString erro; // why the line cannot be read; empty when it can
};

class LoteCsv {
public:
    // UTF-8 when the bytes are valid UTF-8 (an initial byte order mark left out), else
    // Windows-1252.
    static QString decodifica(const QByteArray& bytes);

    // The lines that stand for a person, with their numbers. Blank lines are left out, and
    // so is the first non-blank line when it holds no digit at all (a header such as
    // "nome;nascimento"). Line ends may be LF, CR LF or CR.
    static QList<LinhaLote> linhas(const QString& texto);

    // The fields of a line split at ";". A field in double quotes may hold ";" and writes
    // a double quote as two; blanks around a field are dropped.
    static QStringList campos(const QString& linha);
};

} // namespace vidalume
