// Lays the forecast of a year out on pages: the title and what the report holds, the line
// of life as a picture, the universal and personal year with their texts; then each month
// on a page of its own: its heading ("Março de 2027"), the universal and personal month
// with their texts, the calendar picture with the personal day of every date, and the days
// grouped by personal day; the closing paragraph last. Pages start and end like the pages of an
// analysis (header, footer with the page number) and follow its fonts and margins.
//
// A picture is never cut across pages: one that does not fit below the text starts on the
// next page. A text goes on over as many pages as it needs; every page a month goes on to
// repeats the month's heading. The rule of the personal year, the key of the personal days
// and the key of the calendar are each printed once: the first two in the opening, the last
// under January's calendar.
#pragma once

#include "composer/Diagramacao.h"
#include "report/CursorPagina.h"
#include "report/FabricaFolhas.h"
#include "report/FolhaA4.h"

namespace vidalume {

class LayoutPrevisoes {
public:
    static constexpr double kEspacoAposBloco = 4; // mm
    static constexpr double kEspacoQuadro = 4;    // mm below a picture
    static constexpr double kTamanhoTabela = 10;  // points: the days table at most this size
    static constexpr double kTamanhoNota = 9;     // points: the notes at most this size
    static const QString kLegendaCalendario;

    // Lays `diagramacao.previsoes` out on pages `larguraPagina` x `alturaPagina` millimetres
    // inside the diagramacao's margins, with its fonts, header and footer lines.
    LayoutPrevisoes(Diagramacao diagramacao, double larguraPagina,
                    double alturaPagina = FolhaA4::kAltura);
    LayoutPrevisoes(const LayoutPrevisoes&) = delete;
    LayoutPrevisoes& operator=(const LayoutPrevisoes&) = delete;

    // Lays the forecast out, taking sheets from `folhas`, after the cover sheet when one is
    // asked for. Returns the number of pages (the cover sheet not counted).
    int dispoe(FabricaFolhas& folhas);

private:
    void abertura();
    void mes(const PrevisoesAno::Mes& mes);
    void continuacao(const QString& tituloMes);
    void numero(const PrevisoesAno::Numero& numero);
    void linhasTabela(const QStringList& linhas);
    void titulo(const QString& texto);
    void nota(const QString& texto);
    void texto(const QString& texto);
    template <class Quadro> void quadro(const Quadro& quadro);
    void fonte(const DadosFonte& fonte, const DadosFonte& padrao);

    const Diagramacao d_;
    const PrevisoesAno p_;
    CursorPagina cursor_;
};

} // namespace vidalume
