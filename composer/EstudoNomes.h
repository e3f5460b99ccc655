// The name study: candidate names (a married, artistic or business name) compared with the
// life path of one birth date. Each name is read as the entry dialog reads it (only what a
// Windows-1252 text box holds, checked, upper case without accents) and its numbers are the
// analysis numbers of that name and date; the name itself is kept as typed, for display.
// Draws nothing.
#pragma once

#include "engine/RegrasCalculo.h"
#include "engine/TabelaHarmonia.h"
#include "texts/ArquivoInterpretacao.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace vidalume {

struct Diagramacao;

struct CandidatoNome {
    QString nome;            // as typed, accents and case kept
    QString nomeNormalizado; // as an analysis of it would take it
    bool aceito = false;     // false when the entry would refuse the name (the numbers are 0)
    int expressao = 0;
    int impulsoDaAlma = 0;
    int euSilencioso = 0;
    QChar primeiraVogal; // null when the name has no vowel
    int caracteristicaDoNome = 0;
    int numeroDaRealidade = 0;
    bool harmonia = false;  // the expression in harmony with the life path
    QString textoExpressao; // the interpretation of the expression; only from compoe()

    // The cells of the name's row in a table: the name as typed, the six numbers (the first
    // vowel as its letter, "-" without one), then "Sim" or "Não" for the harmony.
    std::array<QString, 8> celulas() const;
};

// What a study's pages and window call its numbers, which depends on the school that computed
// them: the number of the birth date, the table's column headings and the paragraph that
// opens the printed study.
struct RotulosEstudo {
    QString numeroData;                   // "Caminho da Vida", "Destino"
    std::array<QString, 8> colunas;       // short headings of the printed table, "Nome" first
    std::array<QString, 8> colunasJanela; // the window's headings, which may break a line
    QString explicacao;                   // %1: the birth date in words
};

struct EstudoNomes {
    static constexpr int kMaximoNomes = 20;
    static const QString kTitulo; // "Estudo de Nomes", the name in the page header

    QString DataNascimento; // "dd/mm/yyyy", empty while the date is no date
    int caminhoDaVida = 0;  // 0 while the date is no date
    QList<CandidatoNome> candidatos;
    QString aviso;                                    // the closing paragraph; only from compoe()
    EscolaCalculo escola = EscolaCalculo::Pitagorica; // the school of the numbers

    // How the numbers of `escola` are called.
    static const RotulosEstudo& rotulosDa(EscolaCalculo escola);
    const RotulosEstudo& rotulos() const { return rotulosDa(escola); }

    // The numbers of every name for the date as typed (any form the entry accepts), in the
    // order given, under `regras`. Names of a date that is no date, and names the entry
    // refuses, are kept with `aceito` false. In the cabalística school the numbers are the
    // map's (Expressão, Motivação, Impressão, Destino for the life path) and a name is in
    // harmony when `tabela` calls its Expressão favourable for the Destino.
    static EstudoNomes calcula(const QString& data, const QStringList& nomes,
                               const RegrasCalculo& regras,
                               const TabelaHarmonia& tabela = TabelaHarmonia::padrao());
    // As calcula(), with the interpretation of each accepted name's expression read from
    // `arquivos` (the names without letters of value get the analysis' notice, a master
    // Expressão the school's text of it) and the closing paragraph.
    static EstudoNomes compoe(const QString& data, const QStringList& nomes,
                              const ArquivoInterpretacao& arquivos, const RegrasCalculo& regras,
                              const TabelaHarmonia& tabela = TabelaHarmonia::padrao());

    // How many names are accepted.
    int aceitos() const;

    // `base` (the settings that shape the pages) made to lay out this study: its title and
    // date in the page header, the first accepted name's expression text in the expression
    // entry (the sample text of the print dialog), the closing paragraph as the analysis'.
    Diagramacao diagramacao(Diagramacao base) const;
};

} // namespace vidalume
