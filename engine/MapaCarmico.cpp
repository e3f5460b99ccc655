#include "engine/MapaCarmico.h"

#include "engine/MapaLetras.h"

#include <algorithm>

namespace vidalume {

namespace {

// The first step of the reduction of `total` that is a karmic debt, or 0. The steps after a
// debt are below 10 (13 -> 4, 14 -> 5, 16 -> 7, 19 -> 10 -> 1), so there is at most one.
int dividaEm(const RegrasCalculo& regras, long long total) {
    for (long long passo : regras.passosReducao(total)) {
        if (std::find(MapaCarmico::kDividas.begin(), MapaCarmico::kDividas.end(), passo) !=
            MapaCarmico::kDividas.end()) {
            return int(passo);
        }
    }
    return 0;
}

} // namespace

MapaCarmico CalculaMapaCarmico(const QString& nome, const NumerosAnalise& numeros,
                               const RegrasCalculo& regras) {
    MapaCarmico mapa;
    const QString normal = regras.normalizaNome(nome);
    for (QChar c : normal) {
        if (const int v = regras.valorLetra(c); v > 0 && regras.ehLetra(c)) {
            mapa.inclusao[v - 1] += 1;
        }
    }
    for (int d = 1; d <= 9; ++d) {
        const int vezes = mapa.inclusao[d - 1];
        if (vezes == 0) {
            mapa.licoesCarmicas.append(d);
        } else if (regras.ehTendencia(vezes)) {
            mapa.tendenciasOcultas.append(d);
        }
    }
    mapa.respostaSubconsciente = 9 - int(mapa.licoesCarmicas.size());

    const MapaLetras letras = MontaMapaLetras(normal, regras);
    const std::pair<OrigemDivida, long long> lugares[] = {
        {OrigemDivida::DiaDoNascimento, numeros.dia},
        {OrigemDivida::CaminhoDaVida, numeros.M + numeros.D + numeros.A},
        {OrigemDivida::Expressao, letras.totalNome},
        {OrigemDivida::ImpulsoDaAlma, letras.totalVogais},
        {OrigemDivida::EuSilencioso, letras.totalConsoantes},
    };
    for (const auto& [origem, total] : lugares) {
        if (const int divida = dividaEm(regras, total)) {
            mapa.dividas.append({divida, origem});
        }
    }
    return mapa;
}

} // namespace vidalume
