// Lays a composed analysis out on pages: for each selected entry its explanation, title and
// interpretation as justified blocks in their fonts, then a divider; every page started with
// its header (when due) and footer. The same layout serves the report pages on screen and
// the printer; only the geometry in ParametrosLayout differs.
//
// A block that does not fit on its page continues on as many further pages as it needs, and
// a report may have any number of pages.
#pragma once

#include "composer/ItemAnalise.h"
#include "report/DesenhosPagina.h"
#include "report/FabricaFolhas.h"
#include "report/FonteSalva.h"
#include "report/NovaPagina.h"
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"

namespace vidalume {

struct ParametrosLayout {
    double larguraPagina = 210; // W, mm
    double alturaPagina = 297;  // mm
    Margens margens = Margens::tela();
    bool folhaRosto = false; // a cover sheet before page 1

    Configuracao configuracao;                                      // the output flags
    Configuracao::Selecao selecao = Configuracao::padraoCalculos(); // live selection
    FontesAnalise fontes;
    LinhasRodape linhas;
    QString NomeAnalise;
    QString DataNascimento; // "dd/mm/yyyy"

    // The lowest top a line may have: 20 mm above the bottom margin are kept for the footer.
    double limiteTexto() const { return alturaPagina - margens.MargemInferior - 20; }
};

class LayoutAnalise {
public:
    static constexpr double kEspacoAposBloco = 5;
    static constexpr double kMargemTexto = 2;     // text column inside the margins
    static constexpr double kRecuoDivisoria = 40; // divider inset from each margin
    static constexpr double kAlturaDivisoria = 3;
    static constexpr double kAvancoDivisoria = 8; // next entry below the divider's top
    static constexpr int kMinimoDescricao = 6;    // shorter explanations are left out

    explicit LayoutAnalise(ParametrosLayout parametros);
    LayoutAnalise(const LayoutAnalise&) = delete;
    LayoutAnalise& operator=(const LayoutAnalise&) = delete;

    // Lays out entries 1 to 28 of `analise`, taking sheets from `folhas`. Returns the number
    // of pages (the cover sheet, when asked for, is not counted).
    int dispoe(const Analise& analise, FabricaFolhas& folhas);

    // Sets the font of a surface from a font record: the name without its surrounding
    // blanks, size, italic, bold. An empty name or a size below 1 point is not applied, so
    // the surface keeps the one it had.
    static void AplicaFonte(SuperficieDesenho& destino, const DadosFonte& fonte);
    // As above, but a record without a face name or a usable size takes the face or size of
    // `padrao`, the default font of its role.
    static void AplicaFonte(SuperficieDesenho& destino, const DadosFonte& fonte,
                            const DadosFonte& padrao);

private:
    void dispoeEntrada(const Analise& analise, int k);
    void escreveBloco(const QString& texto);
    void quebraPaginaSeNaoCouber();
    double quebraPagina();
    double alturaLinha(const QString& amostra) const { return atual_->AlturaTexto(amostra); }
    double topo() const { return p_.margens.MargemSuperior; }

    const ParametrosLayout p_;
    const DesenhosPagina desenhos_;
    NovaPagina novaPagina_;
    FonteSalva fonteSalva_;
    FabricaFolhas* folhas_ = nullptr;
    SuperficieDesenho* atual_ = nullptr;
    double y_ = 0; // next block, relative to the top margin
};

} // namespace vidalume
