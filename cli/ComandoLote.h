// "lote": one PDF for each person of a list file, named from the normalised name and the
// birth date and never over an existing file. Progress "n de N" and every refused line go
// to the report; a bad line does not stop the others.
#pragma once

#include "ComandoPdf.h"

#include <QDate>
#include <QString>

#include <functional>

namespace vidalume {

class ComandoLote {
public:
    // Exit status: 0 when every line gave its PDF, 1 when any line failed, 2 when the list
    // could not be read or the output folder not made. `relata` gets one line at a time.
    static int executa(const QString& arquivoLista, const QString& pastaSaida,
                       const QString& hojeTexto, QDate hojeRelogio,
                       const ComandoPdf::Opcoes& opcoes,
                       const std::function<void(const QString&)>& relata);

private:
    // Makes the PDF of one line in `pastaSaida`; returns its file name or, on failure,
    // nothing with the reason in `erro`.
    static QString geraLinha(const EntradaCli& entrada, const QString& pastaSaida,
                             const ComandoPdf::Opcoes& opcoes, QString* erro);
};

} // namespace vidalume
