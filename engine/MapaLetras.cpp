#include "engine/MapaLetras.h"

namespace vidalume {

MapaLetras MontaMapaLetras(const QString& nome, const RegrasCalculo& regras) {
    MapaLetras mapa;
    QList<LetraMapa> palavra;
    const auto fechaPalavra = [&] {
        if (!palavra.isEmpty()) {
            mapa.palavras.append(palavra);
            palavra.clear();
        }
    };
    const auto acrescenta = [&](QChar exibida, QChar normal) {
        LetraMapa letra{exibida, regras.valorLetra(normal), LetraMapa::Tipo::Outro};
        if (letra.valor != 0 && regras.ehLetra(normal)) {
            const bool vogal = regras.ehVogal(normal);
            letra.tipo = vogal ? LetraMapa::Tipo::Vogal : LetraMapa::Tipo::Consoante;
            (vogal ? mapa.totalVogais : mapa.totalConsoantes) += letra.valor;
        }
        mapa.totalNome += letra.valor;
        palavra.append(letra);
    };
    for (QChar c : nome) {
        if (c == u' ') {
            fechaPalavra();
            continue;
        }
        const QString normal = regras.normalizaNome(QString(c));
        const QString exibida = RegrasCalculo::maiusculas(QString(c));
        for (QChar n : normal) {
            acrescenta(normal.size() == 1 ? exibida.at(0) : n, n);
        }
    }
    fechaPalavra();
    return mapa;
}

} // namespace vidalume
