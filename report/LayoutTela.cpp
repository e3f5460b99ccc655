#include "LayoutTela.h"

#include "LayoutAnalise.h"
#include "SuperficiePintor.h"

#include <QPainter>

#include <cmath>
#include <memory>
#include <vector>

namespace vidalume {

namespace {

// Records every sheet in its own picture. A picture is finished (its painter ended) when
// the next sheet is asked for, and the pictures stay in place while being recorded.
class FolhasPicture : public FabricaFolhas {
public:
    FolhasPicture(double larguraMm, double alturaMm, FigurasSvg& figuras, const QColor& cor)
        : largura_(larguraMm), altura_(alturaMm), figuras_(figuras), cor_(cor) {}
    ~FolhasPicture() override { encerraAtual(); }

    SuperficieDesenho& ProximaFolha() override {
        encerraAtual();
        paginas_.push_back(std::make_unique<QPicture>());
        pintor_ = std::make_unique<QPainter>(paginas_.back().get());
        pintor_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                QPainter::SmoothPixmapTransform);
        superficie_ =
            std::make_unique<SuperficiePintor>(*pintor_, largura_, altura_, 1.0, &figuras_);
        superficie_->DefineCorFrente(cor_.rgba());
        return *superficie_;
    }

    QList<QPicture> conclui() {
        encerraAtual();
        const QRect tamanho(0, 0, static_cast<int>(std::ceil(largura_)),
                            static_cast<int>(std::ceil(altura_)));
        QList<QPicture> paginas;
        paginas.reserve(static_cast<qsizetype>(paginas_.size()));
        for (auto& pagina : paginas_) {
            pagina->setBoundingRect(tamanho);
            paginas.append(*pagina);
        }
        paginas_.clear();
        return paginas;
    }

private:
    void encerraAtual() {
        superficie_.reset();
        if (pintor_) {
            pintor_->end();
            pintor_.reset();
        }
    }

    const double largura_;
    const double altura_;
    FigurasSvg& figuras_;
    const QColor cor_;
    std::vector<std::unique_ptr<QPicture>> paginas_;
    std::unique_ptr<QPainter> pintor_;
    std::unique_ptr<SuperficiePintor> superficie_;
};

} // namespace

QList<QPicture> LayoutTela::ImprimirAnaliseNoMonitor(
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
    FolhasPicture folhas(larguraMm, kAlturaPagina, FigurasSvg::daPasta(pastaPrograma), corTexto);
    LayoutAnalise(std::move(p)).dispoe(analise, folhas);
    return folhas.conclui();
}

void LayoutTela::pinta(QPainter& pintor, const QPicture& pagina, double pixelsPorMm) {
    pintor.save();
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
    pintor.scale(pixelsPorMm, pixelsPorMm);
    pintor.drawPicture(0, 0, pagina);
    pintor.restore();
}

} // namespace vidalume
