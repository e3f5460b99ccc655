// The plain data of the picture a section of the complete map draws between its title and
// its text, and the same picture as lines of text for the exports. Computed by the composer;
// the report layer only places it on the page.
#pragma once

#include "engine/LinhaVida.h"
#include "engine/MapaLetras.h"
#include "engine/PiramideNome.h"

#include <QString>
#include <QStringList>

#include <array>

namespace vidalume {

struct QuadroSecao {
    enum class Tipo {
        Nenhum,    // the section has no picture
        Letras,    // the letter chart of the name (section 29)
        Inclusao,  // the 3 x 3 inclusion chart (section 30)
        LinhaVida, // the line of life (section 34)
        Piramide,  // one triangle of the name's pyramid, whole or a part of it
        Arcanos,   // the periods of the Arcanos de Passagem, a part of them
        Tabela     // a table of text cells with a header row
    };

    // The part of a triangle drawn: rows and base positions, from 1, both ends included.
    // A pyramid too large to read in one picture is drawn in several parts, each a picture;
    // so is a letter chart taller than a page, in bands of its rows (only the rows used).
    struct Parte {
        int primeiraLinha = 1, ultimaLinha = 0;   // 0: to the last row
        int primeiraColuna = 1, ultimaColuna = 0; // 0: to the last position
        QString legenda; // "Parte 2 de 6: ..." above the part; empty for a whole triangle
        bool operator==(const Parte&) const = default;
    };
    // One period of the arcana as the timeline shows it.
    struct Periodo {
        int arcano = 0;
        QString idades; // "30 a 40 anos"
        QString anos;   // "2020 a 2030"
        bool atual = false;
        bool operator==(const Periodo&) const = default;
    };

    Tipo tipo = Tipo::Nenhum;
    MapaLetras letras;             // Letras: the words with the value of each letter
    QStringList totais;            // Letras: one line per total with its reduction steps
    std::array<int, 9> inclusao{}; // Inclusao: [d - 1] letters worth d; 0 marks a lesson
    QString legenda;               // Inclusao: the line under the chart
    LinhaVida linhaVida;           // LinhaVida: the periods and the reference age
    // LinhaVida: the middle band holds Momentos Decisivos and every period is named by its
    // order (1º, 2º...) instead of the names of the analysis's cycles and challenges.
    bool periodosNumerados = false;
    Triangulo triangulo;        // Piramide: the digits, the sequences to shade, the regent
    QStringList letrasBase;     // Piramide: the letter over each base digit, as typed
    Parte parte;                // Piramide: the part drawn; Letras: the rows drawn
    QList<Periodo> periodos;    // Arcanos: the periods in this part of the timeline
    QStringList cabecalho;      // Tabela: the column headings
    QList<QStringList> celulas; // Tabela: the rows, one text per column
    QList<double> pesos;        // Tabela: the relative width of each column
    int destaque = -1;          // Tabela: the row shaded, from 0; -1 for none
    QStringList linhasTexto;    // the picture as text, one line each, for the exports

    bool operator==(const QuadroSecao&) const = default;
};

} // namespace vidalume
