#include "FigurasSvg.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace vidalume {

FigurasSvg::FigurasSvg(QString pastaImagens, Filtro filtro)
    : pasta_(std::move(pastaImagens)), filtro_(std::move(filtro)) {}

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
        const QString arquivo = QDir(pasta_).filePath(nome);
        if (filtro_) {
            QFile svg(arquivo);
            r = std::make_unique<QSvgRenderer>(
                filtro_(svg.open(QIODevice::ReadOnly) ? svg.readAll() : QByteArray()));
        } else {
            r = std::make_unique<QSvgRenderer>(arquivo);
        }
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
