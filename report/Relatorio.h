// One kind of report (the analysis, the name study, the compatibility reading, the forecast
// of a year...) behind one interface: what the report windows, the print job, the PDF and the
// text document ask of it. Nothing outside the kinds tests which kind a document is: a new
// kind is one class that implements this and one line in Relatorio::de().
#pragma once

#include "composer/Diagramacao.h"
#include "composer/ItemAnalise.h"
#include "report/FabricaFolhas.h"

#include <QList>
#include <QString>

namespace vidalume {

class Relatorio {
public:
    virtual ~Relatorio() = default;

    // The kind of `diagramacao` (its `tipo`).
    static const Relatorio& de(const Diagramacao& diagramacao);

    // The kind's name: the first line of the exported document and the title of the PDF
    // ("Análise Numerológica", "Previsões do Ano"...).
    virtual QString titulo() const = 0;
    // The report window's title, telling windows of the same kind apart by whom they are
    // about ("Previsões 2027 — NOME").
    virtual QString tituloJanela(const Diagramacao& d) const = 0;
    // The name of the print job in the printer's queue.
    virtual QString nomeTrabalho(const Diagramacao& d) const { return tituloJanela(d); }
    // What a proposed file name is made of: a text (letters and digits are kept) and a date
    // ("dd/mm/aaaa", or empty).
    virtual QString baseArquivo(const Diagramacao& d) const = 0;
    virtual QString dataArquivo(const Diagramacao& d) const { return d.DataNascimento; }
    // The caption of the save dialogs: `formato` is "PDF" or "ODT".
    virtual QString legendaSalvar(const QString& formato) const = 0;
    // How the messages name the report ("A análise", "As previsões do ano"), and its
    // gender and number, which the participles follow.
    virtual QString sujeito() const = 0;
    virtual bool feminino() const { return true; }
    virtual bool plural() const { return false; }
    // "A análise foi gravada", "O estudo de nomes foi enviado", "As previsões do ano foram
    // exportadas": the subject, the verb and `radical` ("gravad") made to agree.
    QString foi(const QString& radical) const;

    // Lays the report out on pages `largura` x `altura` millimetres taken from `folhas`;
    // returns the number of pages.
    virtual int dispoe(const Diagramacao& d, FabricaFolhas& folhas, double largura,
                       double altura) const = 0;
    // The report as titled blocks in the order of the pages, for the text document: each
    // with its explanation when shown (Descricao), its title as the pages give it (Titulo),
    // its picture's data (Quadro) and its text; then aviso(), the closing paragraph.
    virtual QList<ItemAnalise> blocos(const Diagramacao& d) const = 0;
    virtual QString aviso(const Diagramacao& d) const { return d.analise.Aviso; }
    // The paragraph that opens the text document before the first block; empty for none.
    virtual QString abertura(const Diagramacao&) const { return {}; }
    // The plain text that goes to the clipboard.
    virtual QString texto(const Diagramacao& d) const = 0;

protected:
    // "Salvar <objeto> em PDF" for `formato` "PDF", else "Exportar <objeto> para editor de
    // textos": the captions of the kinds that name what is saved.
    static QString legendaDe(const QString& formato, const QString& objeto);
};

} // namespace vidalume
