#include "FigurasSvg.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

namespace vidalume {

FigurasSvg::FigurasSvg(QString pastaImagens) : pasta_(std::move(pastaImagens)) {}

FigurasSvg::~FigurasSvg() = default;

FigurasSvg& FigurasSvg::daPasta(const QString& pastaPrograma) {
    static std::map<QString, std::unique_ptr<FigurasSvg>> porPasta;
    const QString pasta = QDir(pastaPrograma).filePath(QStringLiteral("imagens"));
    auto& figuras = porPasta[QDir::cleanPath(pasta)];
    if (!figuras) {
        figuras = std::make_unique<FigurasSvg>(pasta);
    }
    return *figuras;
}

QSvgRenderer* FigurasSvg::renderizador(const Figura& figura) {
    const QString nome = figura.nomeArquivo();
    if (nome.isEmpty()) {
        return nullptr;
    }
    auto& r = cache_[nome];
    if (!r) {
        r = std::make_unique<QSvgRenderer>(QDir(pasta_).filePath(nome));
    }
    return r->isValid() ? r.get() : nullptr;
}

bool FigurasSvg::existe(const Figura& figura) {
    return renderizador(figura) != nullptr;
}

void FigurasSvg::desenha(QPainter& pintor, const Figura& figura, const QRectF& retangulo) {
    if (QSvgRenderer* r = renderizador(figura)) {
        r->render(&pintor, retangulo);
    }
}

} // namespace vidalume
