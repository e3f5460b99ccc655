#include "SuperficieDesenho.h"

namespace vidalume {

void SuperficieDesenho::Escreve(const QString& texto) {
    DesenhaTexto(x_, y_, texto);
    x_ += LarguraTexto(texto);
}

void SuperficieDesenho::EscreveLinha(const QString& texto) {
    DesenhaTexto(x_, y_, texto);
    x_ = 0;
    y_ += AlturaTexto(texto);
}

void SuperficieDesenho::DefineNomeFonte(const QString& nome) {
    fonte_.nome = nome;
    FonteMudou();
}

void SuperficieDesenho::DefineTamanhoFonte(double pontos) {
    fonte_.tamanho = pontos;
    FonteMudou();
}

void SuperficieDesenho::DefineNegrito(bool negrito) {
    fonte_.negrito = negrito;
    FonteMudou();
}

void SuperficieDesenho::DefineItalico(bool italico) {
    fonte_.italico = italico;
    FonteMudou();
}

void SuperficieDesenho::DefineCorFrente(quint32 argb) {
    cor_ = argb;
    CorMudou();
}

void SuperficieDesenho::Limpa() {
    ApagaTudo();
    x_ = 0;
    y_ = 0;
}

} // namespace vidalume
