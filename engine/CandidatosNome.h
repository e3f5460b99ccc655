// The spellings a name could take for a name correction: from the name as registered, every
// combination of small allowed changes up to a depth, each with the list of its changes.
// The kinds of change:
// - acento: an unmarked vowel takes a mark (A -> Á À Â Ã, E -> É Ê, I -> Í, O -> Ó Ô Õ,
//   U -> Ú); cedilha: C becomes Ç;
// - dobra: one letter is written twice (RAFAEL -> RAFFAEL), at most one per spelling and
//   never beside the same letter (no triple letters);
// - final: one letter (H, E, A or Y) added at the end of a word (ANA -> ANAH), at most one
//   per word;
// - nome: a middle name (a word other than the first and the last) dropped or reduced to its
//   initial ("M."; the dot is no letter and counts nothing).
// The particles DA, DAS, DE, DO, DOS and E are left as they are. A change that leaves the
// value of its letter as the school counts it is not proposed: in the Pitagórica school marks
// count nothing, so no acento or cedilha is proposed there.
//
// Positions: every change carries `posicao`, the 1-based index of a character in the original
// as `original()` gives it (capitals, spaces collapsed): the letter marked (acento, cedilha),
// the letter written twice (dobra; the copy follows it), the last character of the word that
// takes the final letter (final), the first letter of the middle name (nome).
// Pure data; draws nothing.
#pragma once

#include "engine/RegrasCalculo.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

namespace vidalume {

struct MudancaNome {
    enum class Tipo { Acento, Cedilha, Dobra, Final, Nome };
    Tipo tipo = Tipo::Acento;
    int posicao = 0; // 1-based, in the original (see above)
    // acento, cedilha: the marked letter; dobra: the letter repeated; final: the letter added;
    // nome: the initial kept, or a null character when the middle name is dropped.
    QChar letra;
    bool operator==(const MudancaNome&) const = default;
};

// A run of a spelling for showing what changed: kept as in the original, changed or added,
// or dropped (a middle name left out, shown only so the reader sees it went).
struct TrechoNome {
    enum class Tipo { Igual, Alterado, Removido };
    QString texto;
    Tipo tipo = Tipo::Igual;
    bool operator==(const TrechoNome&) const = default;
};

struct CandidatoGerado {
    QString nome;                // the spelling, in capitals
    QList<MudancaNome> mudancas; // in the order of `posicao`; empty for a typed candidate
    bool proprio = false;        // typed by the user (alone, or also found by the generator)
    int totalMudancas = 0;       // mudancas.size(); for a typed one, its letters added, dropped or
                                 // changed against the original (the edit distance)
};

class CandidatosNome {
public:
    static constexpr int kProfundidadeMaxima = 3;
    // The most spellings one search keeps; past it the search stops and says so.
    static constexpr int kMaximoCandidatos = 150000;

    struct Opcoes {
        bool acentos = true; // acento and cedilha
        bool dobras = true;
        bool finais = true;
        bool nomes = true;
        int profundidade = 2; // changes per spelling: 1 to 3 (other values are clamped)
        QStringList proprios; // the user's own candidates, as typed
        int maximo = kMaximoCandidatos;
    };

    struct Resultado {
        QString original;
        QList<CandidatoGerado> candidatos; // generated ones by depth, then the typed ones
        bool completo = true;              // false when `maximo` was reached or cancelled
        bool cancelado = false;
    };

    // The name as the study works on it: composed, in capitals, spaces collapsed.
    static QString original(const QString& nome);

    // Every single change allowed on `original` (already as original() gives it), in the
    // order of their positions.
    static QList<MudancaNome> possiveis(const QString& original, const Opcoes& opcoes,
                                        const RegrasCalculo& regras);

    // Every spelling of `nome` made of 1 to `profundidade` compatible changes, each spelling
    // once (with its fewest changes) and never the original itself, then the user's own
    // candidates not already found. A set `cancelar` stops the search: the result holds
    // what was found, with `cancelado` set.
    static Resultado gera(const QString& nome, const Opcoes& opcoes, const RegrasCalculo& regras,
                          const std::atomic<bool>* cancelar = nullptr);

    // The spelling `mudancas` make of `original` (as original() gives it).
    static QString aplica(const QString& original, const QList<MudancaNome>& mudancas);
    // The same spelling in runs, with the dropped middle names kept as Removido runs.
    static QList<TrechoNome> trechos(const QString& original, const QList<MudancaNome>& mudancas);
    // The runs as plain text: changed letters in brackets, a dropped name as "[-NAME]":
    // "RAF[F]AEL", "MARIA [-LUIZA] SILVA".
    static QString marcado(const QList<TrechoNome>& trechos);

    // Whether two changes can be made together on `original`.
    static bool compativeis(const QString& original, const MudancaNome& a, const MudancaNome& b);

    // The letters added, dropped or changed to go from `a` to `b`.
    static int distancia(const QString& a, const QString& b);
};

} // namespace vidalume
