// What the main window's commands share: the window their dialogs open in front of, the data
// folder, the program's services and its shared records; the message boxes, modal windows
// and clock every command uses (always through the services, so that tests answer them);
// and the composition of the analysis asked for.
#pragma once

#include "app/Padrao.h"
#include "app/Servicos.h"
#include "gui/comum/AvisoConfiguracao.h"
#include "gui/comum/Mensagens.h"

#include <QDate>
#include <QDateTime>
#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace vidalume {

class frmExibeRelatorio;
class frmImprimir;

class ContextoComandos {
public:
    // Every reference must outlive the context.
    ContextoComandos(QWidget& janela, const QString& pastaPrograma, Servicos& servicos,
                     Padrao& padrao)
        : janela_(janela), pasta_(pastaPrograma), servicos_(servicos), padrao_(padrao) {}

    QWidget* janela() const { return &janela_; }
    const QString& pasta() const { return pasta_; }
    Servicos& servicos() const { return servicos_; }
    Padrao& padrao() const { return padrao_; }

    // A message with one OK button; nothing without a message service.
    void informa(const QString& titulo, const QString& texto, Mensagens::Icone icone) const;
    // A Yes/No question; false without a message service.
    bool pergunta(const QString& titulo, const QString& texto) const;
    // A question titled "Atenção:" whose default answer is No.
    bool perguntaPadraoNao(const QString& texto) const;
    // Whether `arquivo`, chosen to be written, is one of the data folder's own files (the
    // client file, a text, a setting...); the user is then told it will not be replaced.
    bool recusaArquivoProprio(const QString& arquivo) const;
    // Shows a window of the program modally.
    void exibe(QDialog& janela) const;
    QDate hoje() const;
    QDateTime agora() const;

    // Tells where a file the user asked for went (`feito`: "A análise foi gravada em PDF"),
    // offering to open it or its folder through the services.
    void avisaGravado(const QString& feito, const QString& arquivo) const;
    // Gives a print dialog what the services hold for it: the installed printers, when the
    // services list them, beside `impressora`, and the opening of a saved PDF.
    void preparaImpressao(frmImprimir& dialogo, const QPrinter* impressora) const;

    // Composes the analysis asked for in Padrao (its name, birth date and reference date) into
    // Padrao, then tells of missing texts and, once each, of settings files not taken as they
    // stand.
    void compoeAnalise();
    // What a report window prints: a composed report as it is; an analysis window's analysis
    // becomes the one asked for in Padrao and is composed again from it.
    Diagramacao diagramacaoDe(const frmExibeRelatorio& relatorio);

private:
    QWidget& janela_;
    const QString& pasta_;
    Servicos& servicos_;
    Padrao& padrao_;
    AvisoConfiguracao avisoConfiguracao_;
};

} // namespace vidalume
