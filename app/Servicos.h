// What the main window takes from outside: the platform services it uses (message boxes,
// sound, clock, beep, screen, clipboard-free hooks to the desktop and to ending the program),
// the screen layout of an analysis, and hooks to the windows that other parts of the program
// provide. Tests replace any of them; an empty hook does nothing.
#pragma once

#include "gui/impressao/ListaImpressoras.h"
#include "gui/relatorio/FonteDePaginas.h"

#include <QDate>
#include <QDateTime>
#include <QSize>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QPrinter;
class QDialog;
class QWidget;

namespace vidalume {

class Mensagens;
class Som;
class frmPrincipal;

struct Servicos {
    Mensagens* mensagens = nullptr;
    Som* som = nullptr;
    std::function<QDate()> hoje;
    // Waits `ms` milliseconds while window events go on being handled.
    std::function<void(int ms)> aguarda;
    std::function<void()> bipe;
    std::function<QSize()> tamanhoTela; // in pixels
    std::function<QStringList()> facesFonte;
    // Opens a page in the browser; false when nothing could open it.
    std::function<bool(const QUrl&)> abreEndereco;
    // Asks where to save a file: the dialog's title, the proposed file (a full path) and the
    // filter; an empty text when the user gives up.
    std::function<QString(QWidget* pai, const QString& titulo, const QString& sugestao,
                          const QString& filtro)>
        escolheArquivo;
    // Ends the program at once, without any further window handling.
    std::function<void()> encerra;
    // The program's printer: the default printer in portrait orientation, or none. Asked for
    // each time a print dialog opens, so that a printer added or made the default while the
    // program runs is offered.
    std::function<std::unique_ptr<QPrinter>()> preparaImpressora;
    // The installed printers the print dialog offers; empty, the dialog asks the system
    // itself as it opens (ListaImpressoras::doSistema).
    std::function<QList<ListaImpressoras::Impressora>()> impressoras;
    FonteDePaginas paginas;
    // The folder of the shipped interpretation files that "Restaurar textos originais" puts
    // back (PastaDados::Local::originais).
    QString pastaOriginais;
    // The clock of the dated copies.
    std::function<QDateTime()> agora;
    // Asks for the backup archive to write (`gravar`) or to read, offering `sugestao`; the
    // chosen path, or empty when the user gave up.
    std::function<QString(QWidget* pai, bool gravar, const QString& sugestao)> escolheCopia;

    // Shows a window of the program modally (the start-up window, the entry, settings,
    // print and about dialogs, the interpretation editor); by default its exec().
    std::function<void(QDialog&)> exibe;
    // The toolbar button help, which lives beside the main window.
    std::function<void()> fechaDicas; // unloads the help
    // Shows the help of a toolbar button by its help name.
    std::function<void(frmPrincipal&, const QString& nomeAjuda, QWidget* botao)> ajudaDoBotao;
    // File dialogs of the client window: a CSV file to read (`salvar` false) or to write, and
    // a folder for PDFs; an empty text when the user gives up.
    std::function<QString(QWidget* pai, bool salvar)> escolheCsv;
    std::function<QString(QWidget* pai)> escolhePasta;

    // The platform's services over `mensagens` and `som`, without the windows of other parts.
    static Servicos doSistema(Mensagens& mensagens, Som& som);
};

} // namespace vidalume
