// "lote": one PDF for each person of a list file, named from the normalised name and the
// birth date and never over an existing file. Progress "n de N" and every refused row, with
// its line number and reason, go to the report; a bad row does not stop the others, and a
// last line counts the PDFs written and the rows refused.
//
// Each PDF is made without a name inside the output folder, opened once, and takes a free
// name only when finished, without replacing anything: a link planted in the folder
// meanwhile cannot redirect it, and an interrupted run leaves no partial PDF behind.
#pragma once

#include "cli/pdf/ComandoPdf.h"

#include <QDate>
#include <QString>

#include <functional>

namespace vidalume {

class ComandoLote {
public:
    // Exit status: 0 when every row gave its PDF, 1 when some rows were refused, 2 when no
    // PDF could be made (the list unreadable or without any usable row, the output folder
    // not writable). `relata` gets one line at a time.
    static int executa(const QString& arquivoLista, const QString& pastaSaida,
                       const QString& hojeTexto, QDate hojeRelogio,
                       const ComandoPdf::Opcoes& opcoes,
                       const std::function<void(const QString&)>& relata);

    // Makes the PDF of one person in `pastaSaida` and puts its file name in `nome`; false,
    // with the reason in `erro`, on failure.
    static bool geraPdf(const EntradaCli& entrada, const QString& pastaSaida,
                        const ComandoPdf::Opcoes& opcoes, QString* nome, QString* erro);
};

} // namespace vidalume
