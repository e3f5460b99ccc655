// "lote": one PDF for each person of a list file, named from the normalised name and the
// birth date and never over an existing file. Progress "n de N" and every refused row, with
// its line number and reason, go to the report; a bad row does not stop the others, and a
// last line counts the PDFs written and the rows refused.
//
// Each PDF is made without a name inside the output folder, opened once, and takes a free
// name only when finished, without replacing anything: a link planted in the folder
// meanwhile cannot redirect it, and an interrupted run leaves no partial PDF behind.
//
// The rows are composed and drawn on several threads at once (one per core by default), a
// fixed number of them in flight while the list is still read row by row, so the memory
// stays the same whatever the length of the list. The finished PDFs take their names and
// are reported on the calling thread strictly in the order of the rows: the names, the
// report and the exit status are those of making the PDFs one after the other.
#pragma once

#include "cli/pdf/ComandoPdf.h"
#include "clients/Cliente.h"
#include "clients/LoteCsv.h"
#include "texts/GravacaoSegura.h"

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

namespace vidalume {

class ComandoLote {
public:
    // The dates given on the command line (empty when not given) and today's, and the
    // school asked for (empty: the folder's).
    struct Datas {
        QString hojeTexto;
        QString referenciaTexto;
        QDate hojeRelogio;
        QString escolaTexto;
    };

    // Exit status: 0 when every row gave its PDF, 1 when some rows were refused, 2 when no
    // PDF could be made (the list unreadable or without any usable row, the output folder
    // not writable). `relata` gets one line at a time, always on the calling thread.
    // `tarefas` is the number of threads that make PDFs (0: one per core).
    static int executa(const QString& arquivoLista, const QString& pastaSaida, const Datas& datas,
                       const ComandoPdf::Opcoes& opcoes,
                       const std::function<void(const QString&)>& relata, int tarefas = 0);
    // The same for clients of the client file, numbered from 1 in the report. Their PDFs hold
    // the client file's personal data: each is readable by its owner only, and so is every
    // folder the run creates.
    static int executaClientes(const std::vector<Cliente>& clientes, const QString& pastaSaida,
                               const Datas& datas, const ComandoPdf::Opcoes& opcoes,
                               const std::function<void(const QString&)>& relata, int tarefas = 0);

    // Makes the PDF of one person in `pastaSaida` and puts its file name in `nome`; false,
    // with the reason in `erro`, on failure.
    static bool geraPdf(const EntradaCli& entrada, const QString& pastaSaida,
                        const ComandoPdf::Opcoes& opcoes, QString* nome, QString* erro);

private:
    static int gravaTodos(const std::function<bool(LinhaLote&)>& proxima, int total,
                          const QString& vazia, const QString& pastaSaida,
                          GravacaoSegura::Acesso acesso, const Datas& datas,
                          const ComandoPdf::Opcoes& opcoes,
                          const std::function<void(const QString&)>& relata, int tarefas);
};

} // namespace vidalume
