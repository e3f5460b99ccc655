#include "report/painter/FigurasSvg.h"

#include "settings/PastaDados.h"

#include <QDir>
#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace vidalume {

FigurasSvg::FigurasSvg(QString pastaImagens, Filtro filtro)
    : pasta_(std::move(pastaImagens)), filtro_(std::move(filtro)) {}

FigurasSvg::~FigurasSvg() = default;

FigurasSvg& FigurasSvg::daPasta(const QString& pastaPrograma) {
    // Renderers and pixel caches are not safe to share between threads: each has its own.
    thread_local std::map<QString, std::unique_ptr<FigurasSvg>> porPasta;
    const QString pasta = QDir(PastaDados::recursos(pastaPrograma)).filePath(Figura::kPasta);
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
    QSvgRenderer* r = renderizador(figura);
    if (r != nullptr && !desenhaPixels(pintor, figura.nomeArquivo(), *r, retangulo)) {
        r->render(&pintor, retangulo);
    }
}

bool FigurasSvg::desenhaPixels(QPainter& pintor, const QString& nome, QSvgRenderer& r,
                               const QRectF& retangulo) {
    constexpr qint64 kMaximoBytes = 8 * 1024 * 1024; // all the pictures kept
    constexpr double kMaximoPixels = 4096.0 * 4096;  // one picture
    const QTransform dispositivo = pintor.deviceTransform();
    if (pintor.paintEngine() == nullptr || pintor.paintEngine()->type() != QPaintEngine::Raster ||
        dispositivo.type() > QTransform::TxScale || dispositivo.m11() <= 0 ||
        dispositivo.m22() <= 0) {
        return false;
    }
    const QRectF alvo = dispositivo.mapRect(retangulo);
    if (!(alvo.width() * alvo.height() <= kMaximoPixels) || alvo.isEmpty() ||
        !(std::abs(alvo.left()) < 1e6 && std::abs(alvo.top()) < 1e6)) {
        return false;
    }
    const QPointF canto(std::floor(alvo.left()), std::floor(alvo.top()));
    const int fx = int(std::lround((alvo.left() - canto.x()) * 64));
    const int fy = int(std::lround((alvo.top() - canto.y()) * 64));
    const bool suave = pintor.testRenderHint(QPainter::Antialiasing);
    const ChavePixels chave{
        nome, std::llround(alvo.width() * 64), std::llround(alvo.height() * 64), fx, fy, suave};
    auto it = pixels_.find(chave);
    if (it == pixels_.end()) {
        const QRectF dentro(fx / 64.0, fy / 64.0, alvo.width(), alvo.height());
        QImage imagem(int(std::ceil(dentro.right())), int(std::ceil(dentro.bottom())),
                      QImage::Format_ARGB32_Premultiplied);
        imagem.fill(Qt::transparent);
        {
            QPainter p(&imagem);
            p.setRenderHint(QPainter::Antialiasing, suave);
            p.setRenderHint(QPainter::SmoothPixmapTransform, suave);
            r.render(&p, dentro);
        }
        const qint64 bytes = imagem.sizeInBytes();
        if (bytesPixels_ + bytes > kMaximoBytes) {
            pixels_.clear();
            bytesPixels_ = 0;
        }
        bytesPixels_ += bytes;
        it = pixels_.emplace(chave, std::move(imagem)).first;
    }
    // Pixel for pixel onto the device, whatever its pixel ratio.
    const qreal razao = pintor.device()->devicePixelRatio();
    QImage imagem = it->second;
    imagem.setDevicePixelRatio(razao);
    pintor.save();
    pintor.resetTransform();
    pintor.drawImage(canto / razao, imagem);
    pintor.restore();
    return true;
}

} // namespace vidalume
