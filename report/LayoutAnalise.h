// Lays a composed analysis out on pages: the opening paragraph when there is one (see
// Analise::Abertura), then for each selected entry its explanation, title,
// picture (QuadrosSecao; never cut across pages) and interpretation as justified blocks in
// their fonts, then a divider; after the last one the closing paragraph in the font of the
// explanations, which never starts a page alone: the last lines of the last section go to
// the next page with it. Every page is started with its header (when due) and footer. The
// same layout serves the report pages on screen and the printer; only the page size and the
// margins differ.
//
// A block that does not fit on its page continues on as many further pages as it needs, and
// a report may have any number of pages.
#pragma once

#include "composer/Diagramacao.h"
#include "composer/ItemAnalise.h"
#include "report/CursorPagina.h"
#include "report/FabricaFolhas.h"
#include "report/FolhaA4.h"
#include "settings/FontesAnalise.h"

namespace vidalume {

class LayoutAnalise {
public:
    static constexpr double kEspacoAposBloco = CursorPagina::kEspacoAposBloco;
    static constexpr double kMargemTexto = CursorPagina::kMargemTexto;
    static constexpr double kRecuoDivisoria = CursorPagina::kRecuoDivisoria;
    static constexpr double kAlturaDivisoria = CursorPagina::kAlturaDivisoria;
    static constexpr double kAvancoDivisoria = CursorPagina::kAvancoDivisoria;
    // Lines of a text kept on the page of its title (and of each heading inside it).
    static constexpr int kLinhasComTitulo = 2;

    // Lays `diagramacao` out on pages `larguraPagina` x `alturaPagina` millimetres, inside
    // its margins.
    LayoutAnalise(Diagramacao diagramacao, double larguraPagina,
                  double alturaPagina = FolhaA4::kAltura);
    LayoutAnalise(const LayoutAnalise&) = delete;
    LayoutAnalise& operator=(const LayoutAnalise&) = delete;

    // Lays out the selected sections of the analysis, taking sheets from `folhas`. Returns
    // the number of pages (the cover sheet, when asked for, is not counted).
    int dispoe(FabricaFolhas& folhas);

    // The lowest top a line may have: 20 mm above the bottom margin are kept for the footer.
    static double limiteTexto(double alturaPagina, const Margens& margens) {
        return CursorPagina::limiteTexto(alturaPagina, margens);
    }

    // Sets the font of a surface from a font record: the name without its surrounding
    // blanks, size, italic, bold. An empty name or a size below 1 point is not applied, so
    // the surface keeps the one it had.
    static void AplicaFonte(SuperficieDesenho& destino, const DadosFonte& fonte);
    // As above, but a record without a face name or a usable size takes the face or size of
    // `padrao`, the default font of its role.
    static void AplicaFonte(SuperficieDesenho& destino, const DadosFonte& fonte,
                            const DadosFonte& padrao);

private:
    void dispoeEntrada(int k, double cauda);
    void desenhaQuadro(const QuadroSecao& quadro);
    void desenhaQuadroInteiro(const QuadroSecao& quadro);
    double alturaQuadro(const QuadroSecao& quadro) const;
    double alturaAviso();
    void dispoeAviso();
    void aplica(const DadosFonte& fonte, const DadosFonte& padrao) {
        AplicaFonte(cursor_.folha(), fonte, padrao);
    }

    const Diagramacao d_;
    CursorPagina cursor_;
};

} // namespace vidalume
