// The client file as a CSV text: the import, with the rows rules of LoteCsv plus the columns
// "telefone", "email" and "observacoes" when a header names them, and the export, which the
// import reads back into the same clients.
//
// Export format: UTF-8 with a byte order mark, lines ending in CR LF, ";" between fields, a
// header "nome;nascimento;telefone;email;observacoes", the birth date as dd/mm/aaaa, a field
// in double quotes (a quote written twice) when it holds ";", a quote or a line end. A field
// that a spreadsheet would take for a formula (one beginning with "=", "+", "-", "@", a tab
// or a carriage return) is written with a leading apostrophe, as spreadsheets expect, and so
// is one beginning with an apostrophe followed by such a character; the import takes that one
// apostrophe back off, so an export imports back to the same clients.
#pragma once

#include "clients/FichaClientes.h"

#include <QString>

#include <functional>
#include <vector>

class QIODevice;

namespace vidalume {

class CsvClientes {
public:
    struct Resultado {
        int importados = 0;
        int existiam = 0;
        int recusadas = 0;
    };

    // Imports every usable row of `entrada` into `ficha` in one transaction; each refused
    // row goes to `recusada` as "Linha N: motivo". False, with nothing imported, when the
    // file cannot be written.
    static bool importa(FichaClientes& ficha, QIODevice& entrada, Resultado& resultado,
                        const std::function<void(const QString&)>& recusada, QString* erro);
    // "N clientes importados, M já existiam, K linhas recusadas"
    static QString resumo(const Resultado& resultado);

    static QByteArray exporta(const std::vector<Cliente>& clientes);
    // One field as written in the export.
    static QString campo(const QString& valor);
    // The field with the apostrophe a formula-like value gets, and the value back from it.
    static QString desarma(const QString& valor);
    static QString rearma(const QString& campo);

private:
    static bool formula(const QString& valor);
};

} // namespace vidalume
