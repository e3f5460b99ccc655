#include "report/painter/LayoutTela.h"

#include "report/LayoutAnalise.h"
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

QList<PaginaGravada> LayoutTela::ImprimirAnaliseNoMonitor(
    const Analise& analise, const Configuracao& configuracao, const Configuracao::Selecao& selecao,
    const FontesAnalise& fontes, const LinhasRodape& linhas, const QString& NomeAnalise,
    const QString& DataNascimento, double larguraMm, const QString& pastaPrograma,
    const QColor& corTexto) {
    ParametrosLayout p;
    p.larguraPagina = larguraMm;
    p.alturaPagina = kAlturaPagina;
    p.margens = Margens::tela();
    p.configuracao = configuracao;
    p.selecao = selecao;
    p.fontes = fontes;
    p.linhas = linhas;
    p.NomeAnalise = NomeAnalise;
    p.DataNascimento = DataNascimento;
    FolhasGravadas folhas(larguraMm, kAlturaPagina, FigurasSvg::daPasta(pastaPrograma), corTexto);
    LayoutAnalise(std::move(p)).dispoe(analise, folhas);
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
