#include "report/NovaPagina.h"

namespace vidalume {

double NovaPagina::inicia(SuperficieDesenho& destino, float larguraMm, float alturaMm, int modo) {
    const double yGuardado = destino.Y();
    if (modo == PrimeiraPagina) {
        paginaAtual_ = 1;
    } else if (modo == ProximaPagina) {
        ++paginaAtual_;
    }
    double inicio = 0;
    if (imprimirCabecalho_ || paginaAtual_ == 1) {
        desenhos_.DesenhaCabecalho(destino, larguraMm);
        inicio = kAlturaCabecalho;
    }
    desenhos_.DesenhaRodape(destino, larguraMm, alturaMm, QString::number(paginaAtual_));
    destino.DefineY(yGuardado);
    return inicio;
}

} // namespace vidalume
