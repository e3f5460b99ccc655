// The main window's file commands: the analysis in front printed, copied to the clipboard,
// saved as a PDF or exported for a word processor (one path for both), the backup archive
// made and restored, and the shipped interpretation texts put back. Each says what happened
// in a message box.
#pragma once

#include "app/AreaRelatorios.h"
#include "app/ContextoComandos.h"

#include <optional>

class QPrinter;

namespace vidalume {

class ComandosArquivo {
public:
    enum class Formato { Pdf, Odt };

    static const QString kM2, kM3, kM4; // no analysis to print or export; the text was copied
    static const QString kSemAnalise;
    static const QString kSemOriginais, kPerguntaOriginalUm, kPerguntaOriginaisTodos;
    static const QString kOriginaisRestaurados, kTextosGuardados, kNadaGuardado;

    // Both must outlive this object.
    ComandosArquivo(ContextoComandos& contexto, AreaRelatorios& relatorios)
        : c_(contexto), relatorios_(relatorios) {}

    // The print dialog for the analysis in front, on `impressora` (none when there is no
    // printer).
    void imprime(QPrinter* impressora);
    // Copies the plain text of the analysis in front to the clipboard.
    void exporta();
    // Asks where to write the analysis in front and writes it in `formato`.
    void salva(Formato formato);
    // Writes the settings in use, then the backup archive of the data folder.
    void fazCopia();
    // Puts a backup archive back, after a question whose default is No; the settings are
    // read again whatever was written.
    void restauraCopia();
    // Puts back the shipped texts the user chooses, keeping dated copies of the replaced ones.
    void restauraOriginais();

private:
    // Puts `texto`, the exported text of the active report, on the clipboard.
    void EnviarAnaliseParaAreaTransf(const QString& texto);
    std::optional<Diagramacao> analiseParaArquivo(const QString& acao);
    QString escolheArquivo(const Diagramacao& analise, const QString& titulo, const QString& sufixo,
                           const QString& filtro);

    ContextoComandos& c_;
    AreaRelatorios& relatorios_;
};

} // namespace vidalume
