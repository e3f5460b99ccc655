#include "report/painter/PaginaGravada.h"

#include "report/painter/SaidaPintor.h"
#include "report/painter/SuperficiePintor.h"

#include <QPainter>

#include <optional>

namespace vidalume {

struct PaginaGravada::Conteudo {
    std::vector<Passo> passos;
    std::vector<QFont> fontes;
    FigurasSvg* figuras = nullptr;
    std::optional<QPicture> figura;
};

PaginaGravada::PaginaGravada(std::vector<Passo> passos, std::vector<QFont> fontes,
                             FigurasSvg* figuras) {
    auto c = std::make_shared<Conteudo>();
    c->passos = std::move(passos);
    c->fontes = std::move(fontes);
    c->figuras = figuras;
    conteudo_ = std::move(c);
}

PaginaGravada::PaginaGravada(const QPicture& figura) {
    auto c = std::make_shared<Conteudo>();
    c->figura = figura;
    conteudo_ = std::move(c);
}

void PaginaGravada::reproduz(QPainter& pintor) const {
    if (!conteudo_) {
        return;
    }
    pintor.save();
    if (conteudo_->figura) {
        pintor.drawPicture(0, 0, *conteudo_->figura);
        pintor.restore();
        return;
    }
    const double mmPorUnidade = 1 / SuperficiePintor::kUnidadesPorMm;
    SaidaPintor saida(pintor,
                      QTransform::fromScale(mmPorUnidade, mmPorUnidade) * pintor.transform(),
                      conteudo_->figuras);
    for (const Passo& passo : conteudo_->passos) {
        if (const auto* t = std::get_if<Texto>(&passo)) {
            saida.texto(t->origem, t->texto, conteudo_->fontes[t->fonte], t->espacamento, t->escala,
                        t->cor);
        } else if (const auto* r = std::get_if<Retangulo>(&passo)) {
            saida.retangulo(r->retangulo, r->cor);
        } else if (const auto* e = std::get_if<Elipse>(&passo)) {
            saida.elipse(e->retangulo, e->cor, e->espessura);
        } else {
            const auto& f = std::get<ComFigura>(passo);
            saida.figura(f.figura, f.retangulo);
        }
    }
    pintor.restore();
}

qint64 PaginaGravada::bytes() const {
    if (!conteudo_) {
        return 0;
    }
    if (conteudo_->figura) {
        return conteudo_->figura->size();
    }
    qint64 total = sizeof(Conteudo) + qint64(conteudo_->passos.capacity() * sizeof(Passo));
    for (const Passo& passo : conteudo_->passos) {
        if (const auto* t = std::get_if<Texto>(&passo)) {
            total += t->texto.capacity() * qint64(sizeof(QChar));
        }
    }
    return total;
}

} // namespace vidalume
