// Reading and checking the name and dates given on the command line, with the same rules
// and messages as the entry dialog.
#pragma once

#include "engine/AnalisePedida.h"
#include "engine/RegrasCalculo.h"

#include <QDate>
#include <QString>

namespace vidalume {

struct EntradaCli {
    QString nome;       // normalised
    QString nascimento; // "dd/mm/yyyy"
    QDate hoje;
    QDate referencia; // the date of the forecasts: `hoje` unless another is given
    InicioAnoPessoal inicioAnoPessoal = InicioAnoPessoal::Janeiro;
    QString nomeDigitado; // as typed, in capitals with its marks
    EscolaCalculo escola = EscolaCalculo::Pitagorica;
    VariantesCabalistica variantes; // the folder's choices for the cabalística school

    static const QString kMensagemNomeVazio;
    static const QString kMensagemInicioAnoPessoal;
    static const QString kMensagemEscola;

    // Checks name and birth date (date first) and reads `hojeTexto` (today's date when
    // empty) into `entrada`. False, with the message in `erro`, on refusal.
    static bool le(const QString& nome, const QString& nascimento, const QString& hojeTexto,
                   QDate hojeRelogio, EntradaCli* entrada, QString* erro);

    // Takes `texto` as the date of the forecasts; an empty text keeps `hoje`. False, with the
    // message in `erro`, when the text is no date.
    bool defineReferencia(const QString& texto, QString* erro);
    // Takes `texto` ("janeiro" or "aniversario") as the start of the personal year; an empty
    // text takes the setting of the folder `pasta`. False, with kMensagemInicioAnoPessoal in
    // `erro`, for any other text.
    bool defineInicioAnoPessoal(const QString& texto, const QString& pasta, QString* erro);
    // Takes `texto` ("pitagorica" or "cabalistica") as the school; an empty text takes the
    // setting of the folder `pasta`, whose variants of the cabalística school are taken in any
    // case. False, with kMensagemEscola in `erro`, for any other text.
    bool defineEscola(const QString& texto, const QString& pasta, QString* erro);

    // The rules the numbers follow: the start of the personal year given and the hidden
    // tendencies' threshold `limiteTendencias`.
    RegrasCalculo regras(int limiteTendencias = 4) const {
        return RegrasCalculo::de(escola, inicioAnoPessoal, limiteTendencias, variantes);
    }

    // The analysis asked for: the name (normalised and as typed), the birth date, the
    // reference date and the school.
    AnalisePedida pedido() const { return {nome, nascimento, referencia, nomeDigitado, escola}; }
    // The name the pages and headings show: as typed, in capitals with its marks. The
    // numbers are computed from it all the same, since the rules normalise it.
    const QString& nomeExibido() const { return nomeDigitado.isEmpty() ? nome : nomeDigitado; }
    // The date the forecasts are made for: the reference date, or `hoje` without one.
    QDate dataPrevisoes() const { return pedido().dataPrevisoes(hoje); }
};

} // namespace vidalume
