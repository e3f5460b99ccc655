#include "report/painter/LayoutTela.h"

#include "report/LayoutAnalise.h"
#include "report/Relatorio.h"
#include "report/painter/GravadorPagina.h"
#include "report/painter/SuperficiePintor.h"

#include <QPainter>

#include <memory>
#include <vector>

namespace vidalume {

namespace {

// Records every sheet as a page of drawing steps.
class FolhasGravadas : public FabricaFolhas {
public:
    FolhasGravadas(double larguraMm, double alturaMm, FigurasSvg& figuras, const QColor& cor)
        : largura_(larguraMm), altura_(alturaMm), gravador_(&figuras), cor_(cor) {}

    SuperficieDesenho& ProximaFolha() override {
        encerraAtual();
        superficie_ = std::make_unique<SuperficiePintor>(gravador_, largura_, altura_);
        superficie_->DefineCorFrente(cor_.rgba());
        aberta_ = true;
        return *superficie_;
    }

    QList<PaginaGravada> conclui() {
        encerraAtual();
        return std::move(paginas_);
    }

private:
    void encerraAtual() {
        superficie_.reset();
        if (aberta_) {
            paginas_.append(gravador_.conclui());
            aberta_ = false;
        }
    }

    const double largura_;
    const double altura_;
    GravadorPagina gravador_;
    const QColor cor_;
    QList<PaginaGravada> paginas_;
    std::unique_ptr<SuperficiePintor> superficie_;
    bool aberta_ = false;
};

} // namespace

QList<PaginaGravada> LayoutTela::ImprimirAnaliseNoMonitor(const Diagramacao& diagramacao,
                                                          double larguraMm,
                                                          const QColor& corTexto) {
    Diagramacao naTela = diagramacao;
    naTela.margens = Margens::tela();
    naTela.folhaRosto = false;
    FolhasGravadas folhas(larguraMm, FolhaA4::kAltura,
                          FigurasSvg::daPasta(diagramacao.pastaPrograma), corTexto);
    Relatorio::de(naTela).dispoe(naTela, folhas, larguraMm, FolhaA4::kAltura);
    return folhas.conclui();
}

void LayoutTela::pinta(QPainter& pintor, const PaginaGravada& pagina, double pixelsPorMm) {
    pintor.save();
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
    pintor.scale(pixelsPorMm, pixelsPorMm);
    pagina.reproduz(pintor);
    pintor.restore();
}

} // namespace vidalume
