#include "report/SuperficieDesenho.h"

#include <algorithm>

namespace vidalume {

qsizetype SuperficieDesenho::PrimeiroExcesso(QStringView texto, double largura,
                                             qsizetype palpite) const {
    const qsizetype disponiveis = texto.size();
    if (disponiveis == 0) {
        return 0;
    }
    const auto excede = [&](qsizetype quantos) {
        return LarguraTexto(texto.left(quantos).toString()) > largura;
    };
    qsizetype cabe = 0;                  // a count known to fit (0 always fits)
    qsizetype naoCabe = disponiveis + 1; // a count known to exceed, or past the end
    const qsizetype inicio = std::clamp<qsizetype>(palpite, 1, disponiveis);
    if (excede(inicio)) {
        naoCabe = inicio;
        for (qsizetype passo = 1;; passo *= 2) {
            const qsizetype p = std::max(cabe, naoCabe - passo);
            if (p == cabe) {
                break;
            }
            if (!excede(p)) {
                cabe = p;
                break;
            }
            naoCabe = p;
        }
    } else {
        cabe = inicio;
        for (qsizetype passo = 1;; passo *= 2) {
            const qsizetype p = std::min(disponiveis, cabe + passo);
            if (p == cabe) {
                break;
            }
            if (excede(p)) {
                naoCabe = p;
                break;
            }
            cabe = p;
        }
    }
    while (naoCabe - cabe > 1 && naoCabe <= disponiveis) {
        const qsizetype meio = cabe + (naoCabe - cabe) / 2;
        if (excede(meio)) {
            naoCabe = meio;
        } else {
            cabe = meio;
        }
    }
    return naoCabe <= disponiveis ? naoCabe : 0;
}

void SuperficieDesenho::Escreve(const QString& texto) {
    const double largura = LarguraTexto(texto);
    DesenhaTexto(x_, y_, texto, largura);
    x_ += largura;
}

void SuperficieDesenho::EscreveLinha(const QString& texto) {
    DesenhaTexto(x_, y_, texto, LarguraTexto(texto));
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
