// The name correction study: every spelling CandidatosNome proposes for a name, checked
// against the rules of the school for one birth date and put in order, the original among
// them. Each check is a column of its own, never a single score:
// - cabalística: the negative sequences of the four triangles (how many, which), the harmony
//   of Expressão under Destino in the numerologist's table, the karmic debts the name can
//   change (found in Motivação or Expressão), the karmic lessons, the Arcano Regente;
// - pitagórica: whether Expressão is in harmony with the Caminho da Vida, as the name study
//   judges it; the debts found in the name's numbers; the lessons;
// - both: how many changes, and the name with the changed letters marked.
// The order: no negative sequence first (cabalística only), then a favourable harmony, then
// no debt the name can change, then fewer changes, then fewer lessons; ties by the name in
// alphabetical order. Draws nothing.
#pragma once

#include "engine/CandidatosNome.h"
#include "engine/MapaCabalistico.h"
#include "engine/PiramideNome.h"
#include "engine/RegrasCalculo.h"
#include "engine/TabelaHarmonia.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace vidalume {

// A negative sequence and the triangle (PiramideNome::Tipo) where it lies.
struct SequenciaNoTriangulo {
    int triangulo = 0;
    SequenciaNegativa sequencia;
    bool operator==(const SequenciaNoTriangulo&) const = default;
};

// One spelling and its checks.
struct AvaliacaoNome {
    QString nome;                // in capitals
    QList<MudancaNome> mudancas; // empty for the original and for a typed candidate
    QString marcado;             // the name with its changed letters in brackets
    bool original = false;
    bool proprio = false; // typed by the user
    int totalMudancas = 0;

    // The name's numbers: cabalística Expressão, Motivação, Impressão; pitagórica
    // Expressão, Impulso da Alma, Eu Silencioso.
    int expressao = 0, motivacao = 0, impressao = 0;
    // Cabalística: the verdict of the table. Pitagórica: Favoravel when Expressão is in
    // harmony with the Caminho da Vida, Neutra when it is not.
    Harmonia harmonia = Harmonia::Neutra;
    QList<int> dividas; // the debts the name can change, as found
    QList<int> licoes;  // the karmic lessons, ascending

    // Cabalística only.
    int totalSequencias = 0; // over the four triangles (PiramideNome::totalSequencias); which
                             // they are is asked of CorrecaoNome::sequencias
    int arcanoRegente = 0;

    bool semSequencias() const { return totalSequencias == 0; }
    bool favoravel() const { return harmonia == Harmonia::Favoravel; }
    bool semDividas() const { return dividas.isEmpty(); }
};

struct CorrecaoNome {
    static const QString kTitulo; // "Estudo de Correção do Nome"

    struct Pedido {
        QString nome;       // as registered
        QString nascimento; // "dd/mm/aaaa", a valid date
        RegrasCalculo regras = RegrasCalculo::pitagorica();
        TabelaHarmonia tabela = TabelaHarmonia::padrao();
        CandidatosNome::Opcoes opcoes;
    };
    // Told (candidates done, candidates in all) every so often while the checks run.
    using Progresso = std::function<void(int feitos, int total)>;

    EscolaCalculo escola = EscolaCalculo::Pitagorica;
    QString nascimento;
    Pedido pedido;                   // what was studied
    int destino = 0;                 // Destino (cabalística) or Caminho da Vida (pitagórica)
    QList<AvaliacaoNome> candidatos; // in order, the original among them
    bool completo = true;            // false when the search stopped at its limit
    bool cancelado = false;          // then `candidatos` is empty

    // The study of `pedido`. Typed candidates the entry would refuse are left out (see
    // recusaProprio). A set `cancelar` stops the work soon; the result is then empty and
    // `cancelado`.
    static CorrecaoNome calcula(const Pedido& pedido, const std::atomic<bool>* cancelar = nullptr,
                                const Progresso& progresso = {});

    // Why the entry would refuse `nome` as a candidate for the birth date `nascimento`; empty
    // when it is accepted.
    static QString recusaProprio(const QString& nome, const QString& nascimento);

    // Whether `a` comes before `b` in the order of `escola` (the alphabetical tie included).
    static bool antes(const AvaliacaoNome& a, const AvaliacaoNome& b, EscolaCalculo escola);

    // The index of the original in `candidatos`; -1 when cancelled.
    int indiceOriginal() const;
    // Whether some candidate comes before the original.
    bool melhora() const;
    // The sentence that explains the order, shown above the table.
    QString explicacaoOrdem() const;
    // One sentence on the outcome: how many candidates come before the original, or, said
    // plainly, that none does; and that the search stopped at its limit when it did.
    QString conclusao() const;

    // The harmony as the table shows it: "Favorável", "Neutra", "Desfavorável" in the
    // cabalística school; "Sim" or "Não" in the pitagórica one.
    QString textoHarmonia(const AvaliacaoNome& a) const;
    // The negative sequences of the candidate's four triangles, triangle by triangle (computed
    // again when asked, so that thousands of candidates do not each keep theirs).
    QList<SequenciaNoTriangulo> sequencias(const AvaliacaoNome& a) const;
    // "444 Social, 2ª linha; 111 Vida, 1ª linha", or "nenhuma".
    QString textoSequencias(const AvaliacaoNome& a) const;
    // The changes in words: "acento na 2ª letra, letra final", or "nenhuma".
    static QString textoMudancas(const AvaliacaoNome& a);
    // A list of numbers as "13, 16", or "nenhuma".
    static QString textoNumeros(const QList<int>& numeros);
    // The candidate's numbers and checks as lines "Expressão: 6", named as the school names
    // them, for the window and the report.
    QStringList descricao(const AvaliacaoNome& a) const;

    // The cabalística map of the spelling `nome` for the birth date, rules and table of
    // `pedido`: its letters as typed and its four triangles, for drawing them.
    static MapaCabalistico mapa(const QString& nome, const Pedido& pedido);
};

} // namespace vidalume
