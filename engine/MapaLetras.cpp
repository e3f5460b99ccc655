#include "engine/MapaLetras.h"

#include "engine/Reducao.h"

namespace vidalume {

MapaLetras MontaMapaLetras(const QString& nome) {
    MapaLetras mapa;
    QList<LetraMapa> palavra;
    const auto fechaPalavra = [&] {
        if (!palavra.isEmpty()) {
            mapa.palavras.append(palavra);
            palavra.clear();
        }
    };
    for (QChar c : nome) {
        if (c == u' ') {
            fechaPalavra();
            continue;
        }
        LetraMapa letra{c, ValorLetra(c), LetraMapa::Tipo::Outro};
        if (const int v = ValorVogal(c)) {
            letra.tipo = LetraMapa::Tipo::Vogal;
            mapa.totalVogais += v;
        } else if (const int v = ValorConsoante(c)) {
            letra.tipo = LetraMapa::Tipo::Consoante;
            mapa.totalConsoantes += v;
        }
        mapa.totalNome += letra.valor;
        palavra.append(letra);
    }
    fechaPalavra();
    return mapa;
}

} // namespace vidalume
