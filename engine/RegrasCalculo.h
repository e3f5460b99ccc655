// The rules of a school of numerology as one value: how a typed name is normalised, what
// each letter is worth, which letters are vowels, how a sum is reduced and where master
// numbers are kept, when the personal year turns and how many letters make a hidden
// tendency. Every computation of the engine (the numbers of an analysis, of a day, of a
// calendar month, the letter chart and the karmic map) takes one of these, so a school is
// decided here and nowhere else.
//
// Two schools:
// - Pitagórica: letters A-Z worth 1-9 in alphabetical order (A 1 ... I 9, J 1 ... R 9, S 1
//   ... Z 8); a Latin letter with any mark (acute, grave, circumflex, tilde, diaeresis,
//   ring, cedilla...) is worth its base letter by canonical decomposition, and the ligatures
//   Æ, Œ and ß count as the two letters they join; a digit typed in a name is worth itself;
//   every sum is reduced to one digit with no master numbers.
// - Cabalística: the 1-8 table (A I J Q Y 1, B K R 2, C G L S 3, D M T 4, E H N 5, U V W X 6,
//   O Z 7, F P 8; Ç 6); each mark changes the value of its letter (acute +2, tilde +3,
//   circumflex +7, grave x2, diaeresis x2) and the letter's value is then reduced to one
//   digit; digits count nothing; the sums keep 11 and 22.
// In both, A E I O U Y (with or without marks) are the vowels and every other letter a
// consonant.
#pragma once

#include "engine/InicioAnoPessoal.h"

#include <QChar>
#include <QList>
#include <QString>

namespace vidalume {

enum class EscolaCalculo { Pitagorica = 0, Cabalistica = 1 };

// The points on which teachers of the cabalística school differ; the defaults are the
// rules above. The Pythagorean school ignores them.
struct VariantesCabalistica {
    enum class Dividas { PeloNumeroFinal = 0, PelasSomas = 1 };
    Dividas dividas = Dividas::PeloNumeroFinal;
    int fimPrimeiroCiclo = 36; // the first cycle ends at this age minus R(Destino): 36 or 37
    int valorX = 6;            // 6 or 4
    int ultimaLicao = 9;       // karmic lessons are looked for from 1 to this: 9 or 8

    bool operator==(const VariantesCabalistica&) const = default;
};

class RegrasCalculo {
public:
    // The school with its options. A threshold other than 3 counts as 4; variant values
    // outside their two choices count as the default.
    static RegrasCalculo de(EscolaCalculo escola,
                            InicioAnoPessoal inicio = InicioAnoPessoal::Janeiro,
                            int limiteTendencias = 4, VariantesCabalistica variantes = {});
    static RegrasCalculo pitagorica(InicioAnoPessoal inicio = InicioAnoPessoal::Janeiro,
                                    int limiteTendencias = 4);

    EscolaCalculo escola() const { return escola_; }
    InicioAnoPessoal inicioAnoPessoal() const { return inicio_; }
    int limiteTendencias() const { return limite_; }
    const VariantesCabalistica& variantes() const { return variantes_; }

    // Whether `vezes` letters of one value make a hidden tendency.
    bool ehTendencia(int vezes) const { return vezes >= limite_; }

    // The name as the computations take it: upper case, then, in the Pythagorean school,
    // every Latin letter with a mark replaced by its base letter; in the cabalística school
    // the marks are kept (composed). Every other character is kept as it is.
    QString normalizaNome(const QString& nome) const;
    // The name as the pages show it: in capitals, marks kept, nothing else changed.
    static QString maiusculas(const QString& nome);

    // Value of one character of a normalised name; 0 for a character that counts nothing.
    int valorLetra(QChar c) const;
    // Whether `c` is a letter that counts (goes into the inclusion chart and the pyramid).
    bool ehLetra(QChar c) const;
    // Whether `c` is a vowel (A E I O U Y, with or without marks).
    bool ehVogal(QChar c) const;
    // Value of `c` when it is a vowel (consonant), else 0.
    int valorVogal(QChar c) const { return ehVogal(c) ? valorLetra(c) : 0; }
    int valorConsoante(QChar c) const { return ehLetra(c) && !ehVogal(c) ? valorLetra(c) : 0; }

    // The reduction of a sum where the school keeps its master numbers (none in the
    // Pythagorean school; 11 and 22 in the cabalística one). A negative number reduces
    // like its absolute value.
    int reduz(long long n) const;
    // The reduction to one digit, with no exception.
    static int reduzDigito(long long n);
    // Every step of reduz(n): the absolute value of `n` first, the result last.
    QList<long long> passosReducao(long long n) const;
    // Whether `n` is a master number the school keeps.
    bool ehMestre(long long n) const;

    // The reduced sums of a normalised name: all its letters, the vowels, the consonants.
    int somaNome(const QString& nome) const;
    int somaVogais(const QString& nome) const;
    int somaConsoantes(const QString& nome) const;
    // The unreduced sums of the same.
    long long totalNome(const QString& nome) const;
    long long totalVogais(const QString& nome) const;
    long long totalConsoantes(const QString& nome) const;

    // The personal year of calendar year `ano` for someone born on `dia`/`mes`:
    // R(R(day) + R(month) + R(year)).
    static int anoPessoal(int dia, int mes, long long ano);

    // The vowels as a sentence gives them: "A, E, I, O, U ou Y".
    static QString descreveVogais();
    // How the school values the letters, in one paragraph of the method text.
    QString descreveLetras() const;

    bool operator==(const RegrasCalculo&) const = default;

private:
    RegrasCalculo() = default;

    EscolaCalculo escola_ = EscolaCalculo::Pitagorica;
    InicioAnoPessoal inicio_ = InicioAnoPessoal::Janeiro;
    int limite_ = 4;
    VariantesCabalistica variantes_;
};

} // namespace vidalume
