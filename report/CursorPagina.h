// The page cursor every layout writes through: it owns the sheets of a report, the position
// of the next block on the current sheet and the page breaks. A layout keeps only its
// content: it sets fonts, asks for room and writes blocks, pictures and dividers; the cursor
// starts each page with its header and footer, carries the font across the break and runs
// the layout's hook (a table repeating its column headings, say) on every new page.
//
// Every position is in millimetres from the top-left corner of the page, y included: there
// is one meaning of the position whatever the layout.
#pragma once

#include "composer/Diagramacao.h"
#include "report/DesenhosPagina.h"
#include "report/FabricaFolhas.h"
#include "report/FonteSalva.h"
#include "report/NovaPagina.h"

#include <QString>

#include <functional>

namespace vidalume {

class CursorPagina {
public:
    static constexpr double kEspacoAposBloco = 5;
    static constexpr double kMargemTexto = 2;     // text column inside the margins
    static constexpr double kRecuoDivisoria = 40; // divider inset from each margin
    static constexpr double kAlturaDivisoria = 3;
    static constexpr double kAvancoDivisoria = 8; // next block below the divider's top
    static constexpr double kReservaRodape = 20;  // kept above the bottom margin for the footer

    // The pages of `diagramacao` (its margins, header, footer and cover options), each
    // `larguraPagina` x `alturaPagina` millimetres. The diagramacao must outlive the cursor.
    CursorPagina(const Diagramacao& diagramacao, double larguraPagina, double alturaPagina);
    CursorPagina(const CursorPagina&) = delete;
    CursorPagina& operator=(const CursorPagina&) = delete;

    // Takes the sheets from `folhas`: the cover sheet when the diagramacao asks for one, then
    // page 1 with its header and footer; the position goes to where its content begins.
    void inicia(FabricaFolhas& folhas);
    // Lets go of the sheets; returns the number of pages, the cover sheet not counted.
    int termina();

    // The sheet being written. Only between inicia() and termina().
    SuperficieDesenho& folha() const { return *atual_; }
    double y() const { return y_; }
    void defineY(double y) { y_ = y; }
    double larguraPagina() const { return largura_; }
    // The text column: the margins moved in by kMargemTexto.
    double esquerda() const;
    double direita() const;
    // The lowest top a line may have: kReservaRodape above the bottom margin.
    double limite() const { return limiteTexto(altura_, d_.margens); }
    static double limiteTexto(double alturaPagina, const Margens& margens) {
        return alturaPagina - margens.MargemInferior - kReservaRodape;
    }

    // Whether a block `altura` high starting at the position ends above the limit.
    bool cabe(double altura) const { return y_ + altura <= limite(); }
    // Starts a new page when a block `altura` high does not fit; true when it did.
    bool garanteEspaco(double altura);
    // A new page: the font in use is kept, the header and footer are drawn, the hook runs
    // and the position goes to where the content begins.
    void quebraPagina();
    // Runs `gancho` on every new page after the header, before the font is given back;
    // an empty function removes it.
    void aoQuebrar(std::function<void()> gancho) { gancho_ = std::move(gancho); }

    // Starts a new page when a group `altura` high (a heading with the first lines of its
    // text, say) does not fit below the position but would fit on an empty page; a group
    // taller than a page, or one already at the top of a page, stays where it is. True when
    // it broke the page.
    bool mantemJunto(double altura);
    // The room the content of an empty page has, from its top to the limit.
    double alturaUtil() const { return limite() - topo_; }
    // The height `texto` takes in the text column in the current font (whole lines).
    double alturaBloco(const QString& texto) const;

    // Writes a heading in the text column, left-aligned: its lines are never stretched.
    void escreveTitulo(const QString& texto);
    // Writes `texto` as escreveBloco does, paragraph by paragraph, keeping each heading
    // inside it (a one-line paragraph ending in ':' followed by more text) on the same page as
    // the first `linhasJuntas` lines after it.
    void escreveComSubtitulos(const QString& texto, int linhasJuntas = 2);
    // As above, and the last `linhasJuntas` lines of `texto` stay on the page of what
    // follows it (the closing paragraph after the last section, say), which fits when the
    // bottom of the text's last line lies `cauda` or more above the limit: when it would not
    // fit, those lines start the next page with it, and a last paragraph going on over a page
    // leaves at least them for the next. A group that would not fit on an empty page with
    // them changes nothing.
    void escreveComSubtitulos(const QString& texto, int linhasJuntas, double cauda);

    // Writes `texto` justified in the text column (or between `esquerda` and `direita`)
    // from the position, going on over as many pages as it needs. The position is left at
    // the top of the last line written.
    void escreveBloco(const QString& texto);
    void escreveBloco(const QString& texto, double esquerda, double direita);
    // The position goes below the last line written, `espaco` further down.
    void avancaAbaixo(double espaco);
    // The height of one line in the current font.
    double alturaLinha() const;
    // A divider at the position (on a new page when there is no room for kEspacoAposBloco
    // below it); the position goes kAvancoDivisoria below its top.
    void divisoria();

private:
    // Writes one paragraph keeping its last `linhasJuntas` lines with a group `cauda` high
    // below it (see escreveComSubtitulos).
    void escreveComCauda(const QString& paragrafo, int linhasJuntas, double cauda);
    // Writes the first `linhas` lines of `resto` from the position, leaving the others in it.
    void escreveLinhas(QString& resto, int linhas);

    const Diagramacao& d_;
    const double largura_;
    const double altura_;
    const DesenhosPagina desenhos_;
    NovaPagina novaPagina_;
    FonteSalva fonteSalva_;
    std::function<void()> gancho_;
    FabricaFolhas* folhas_ = nullptr;
    SuperficieDesenho* atual_ = nullptr;
    double y_ = 0;
    double topo_ = 0; // where the content of the current page begins
};

} // namespace vidalume
