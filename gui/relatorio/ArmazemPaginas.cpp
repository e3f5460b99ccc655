#include "gui/relatorio/ArmazemPaginas.h"

#include "texts/Mensagem.h"

namespace vidalume {

void ArmazemPaginas::definePaginas(PaginasProntas paginas) {
    folhas_ = std::move(paginas.paginas);
    unidadesPorMm_ = paginas.unidadesPorMm;
    paginasPapel_ = paginas.paginasPapel;
}

const PaginaGravada* ArmazemPaginas::folha(int pagina) const {
    if (pagina < 1 || pagina > folhas_.size()) {
        return nullptr;
    }
    return &folhas_[pagina - 1];
}

void ArmazemPaginas::GravaDados(int Paginas, int Atual, const AnalisePedida& pedido) {
    totalPaginas_ = Paginas;
    paginaExibidaAtual_ = Atual;
    pedido_ = pedido;
}

void ArmazemPaginas::guardaPosicao(Posicao posicao) {
    if (paginaExibidaAtual_ < 1) {
        return;
    }
    if (posicoes_.size() < size_t(paginaExibidaAtual_)) {
        posicoes_.resize(paginaExibidaAtual_);
    }
    posicoes_[paginaExibidaAtual_ - 1] = posicao;
}

ArmazemPaginas::Posicao ArmazemPaginas::posicaoDe(int pagina) const {
    if (pagina < 1 || size_t(pagina) > posicoes_.size()) {
        return {};
    }
    return posicoes_[pagina - 1];
}

ArmazemPaginas::Posicao ArmazemPaginas::trocaPagina(int pagina, Posicao atual) {
    guardaPosicao(atual);
    paginaExibidaAtual_ = pagina;
    return posicaoDe(pagina);
}

QString ArmazemPaginas::linhaNavegacao() const {
    const QString linha =
        QStringLiteral("Navegando: Página %1 de %2").arg(paginaExibidaAtual_).arg(totalPaginas_);
    return paginasPapel_ > 0 ? linha + QStringLiteral(" (impressa em A4: %1)")
                                           .arg(Mensagem::conta(paginasPapel_, "página", "páginas"))
                             : linha;
}

} // namespace vidalume
