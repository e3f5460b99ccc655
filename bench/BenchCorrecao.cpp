// Time of the name correction study: every candidate of a five-word name with two changes,
// with every check of each school, must be ready in under 500 ms.
#include "composer/CorrecaoNome.h"

#include <benchmark/benchmark.h>

namespace vidalume {
namespace {

void correcao(benchmark::State& estado, EscolaCalculo escola) {
    CorrecaoNome::Pedido pedido;
    pedido.nome = QStringLiteral("Maria Aparecida Souza Lima Rocha");
    pedido.nascimento = QStringLiteral("22/11/1972");
    pedido.regras = RegrasCalculo::de(escola);
    std::int64_t candidatos = 0;
    for (auto _ : estado) {
        const CorrecaoNome estudo = CorrecaoNome::calcula(pedido);
        candidatos = estudo.candidatos.size();
        benchmark::DoNotOptimize(estudo.candidatos.data());
    }
    estado.counters["candidatos"] = double(candidatos);
}

BENCHMARK_CAPTURE(correcao, cabalistica, EscolaCalculo::Cabalistica)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(correcao, pitagorica, EscolaCalculo::Pitagorica)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vidalume

BENCHMARK_MAIN();
