// The forecast of a whole year for one person ("Previsões do ano"): the line of life, the
// universal and personal year with their interpretations, and for each month its universal
// and personal month with their interpretations, the calendar of its days with their
// personal days, and the days grouped by personal day. The texts are the records of the
// interpretation files of the analysis; the numbers follow the chosen start of the personal
// year. Draws nothing: the report layout and the exported text take this value as it is.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/CalendarioMes.h"
#include "engine/LinhaVida.h"
#include "engine/RegrasCalculo.h"
#include "texts/ArquivoInterpretacao.h"

#include <QDate>
#include <QList>
#include <QString>

namespace vidalume {

struct Diagramacao;

struct PrevisoesAno {
    static const QString kTitulo; // "Previsões do Ano"
    static constexpr int kPrimeiroAno = 1900;
    static constexpr int kUltimoAno = 2100;
    static const QString kMensagemAno;

    // One number with its title ("Mês Pessoal: Número 5") and interpretation.
    struct Numero {
        QString titulo;
        int numero = 0;
        QString texto;
        bool operator==(const Numero&) const = default;
    };

    struct Mes {
        QString titulo; // "Março de 2027"
        // A universal or personal month whose number an earlier month already had carries,
        // instead of the whole text again, a short paragraph that points to that month and
        // says what differs.
        Numero mesUniversal;
        QList<Numero> mesesPessoais; // two when the personal year turns inside the month
        CalendarioMes calendario;
        // "Dia pessoal 1: 3, 12, 21 e 30", one line per personal day that occurs.
        QStringList tabelaDias;
        bool operator==(const Mes&) const = default;
    };

    QString NomeAnalise;    // normalised
    QString DataNascimento; // "dd/mm/yyyy"
    int ano = 0;
    InicioAnoPessoal inicioAnoPessoal = InicioAnoPessoal::Janeiro;
    // "O ano pessoal começa em 1º de janeiro.", said once, at the end of the opening.
    QString notaRegra;
    QString abertura;                      // what the report holds, for whom and for which year
    static const QString kTituloChaveDias; // "O que cada dia pessoal pede"
    // One line per personal day 1 to 9 with what it asks for, printed once before the months.
    QStringList chaveDias;
    LinhaVida linhaVida;
    Numero anoUniversal;
    QList<Numero> anosPessoais; // two under the birthday rule: before and from the birthday
    QList<Mes> meses;           // January to December
    QString aviso;              // the closing paragraph (see AvisoFinal)

    // Whether `ano` is a year the forecast is made for; when not, kMensagemAno in `erro`.
    static bool aceitaAno(int ano, QString* erro);
    // As above, and not before the birth year of `dataNascimento` ("dd/mm/yyyy"): the
    // personal numbers of a year the person had not yet lived mean nothing, so such a year
    // is refused with a message saying from which year forecasts are made.
    static bool aceitaAno(int ano, const QString& dataNascimento, QString* erro);

    // The forecast of `ano` (kPrimeiroAno to kUltimoAno) for `nome` (as the pages show it;
    // the numbers come from its normalised form) born on `dataNascimento` ("dd/mm/yyyy", a
    // valid date), the texts read from `arquivos`; the personal year turns as `regras` says.
    // The line of life marks the age reached in `ano`, whatever the day the forecast is made
    // on (the fifth argument, kept for the callers, is not read).
    static PrevisoesAno compoe(const QString& nome, const QString& dataNascimento, int ano,
                               const RegrasCalculo& regras, QDate,
                               const ArquivoInterpretacao& arquivos);
    // "Idade alcançada em 2027", the label of the age the line of life marks.
    static QString rotuloIdade(int ano);

    // The report as titled blocks, in the order of the pages: the exported text and the
    // text document are made of them (Titulo, Descricao and Texto of each; Numero empty).
    QList<ItemAnalise> blocos() const;
    // The line of life in words, one line per period (by the names of the analysis's
    // headings) and the age on the reference date: the text the exports carry for its picture.
    static QStringList
    linhasLinhaVida(const LinhaVida& linha,
                    const QString& rotuloIdade = QStringLiteral("Idade na data de referência"));
    // The plain text of the report for the clipboard: the blocks as the analysis' export
    // writes its sections, then the closing paragraph; CR LF line breaks.
    QString texto() const;

    // `base` (the settings that shape the pages) made to lay out this forecast: its name and
    // birth date in the page header, the personal year's text as the print dialog's sample.
    Diagramacao diagramacao(Diagramacao base) const;

    bool operator==(const PrevisoesAno&) const = default;
};

} // namespace vidalume
