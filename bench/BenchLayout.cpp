// Times of the composition and of the layout of a whole analysis, and of the text writer
// beside the character-by-character reference it replaces, on the deterministic surface and
// (with the desktop libraries) with real fonts on page pictures.
#include "ArquivoInterpretacao.h"
#include "ComporAnalise.h"
#include "EscreveTexto.h"
#include "EscreveTextoReferencia.h"
#include "FolhasTeste.h"
#include "LayoutAnalise.h"

#ifdef VIDALUME_BENCH_GUI
#include "LayoutTela.h"
#include "SuperficiePintor.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#endif

#include <benchmark/benchmark.h>

namespace vidalume {
namespace {

const QString kNome = QStringLiteral("MARIA DA SILVA");
const QString kData = QStringLiteral("29/11/1978");

const ArquivoInterpretacao& arquivos() {
    static const ArquivoInterpretacao a(QStringLiteral(VIDALUME_PASTA_PROGRAMA));
    return a;
}

const Analise& analise() {
    static const Analise a = ComporAnalise::compoe(kNome, kData, QDate(2024, 6, 1), arquivos());
    return a;
}

// Every interpretation text of the analysis as one block.
const QString& textoLongo() {
    static const QString t = [] {
        QString s;
        for (int k = 1; k <= 28; ++k) {
            s += analise()[k].Texto + QStringLiteral("\r\n");
        }
        return s;
    }();
    return t;
}

ParametrosLayout parametros(double largura) {
    ParametrosLayout p;
    p.larguraPagina = largura;
    p.NomeAnalise = kNome;
    p.DataNascimento = kData;
    return p;
}

void BM_ComporAnalise(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ComporAnalise::compoe(kNome, kData, QDate(2024, 6, 1), arquivos()));
    }
}
BENCHMARK(BM_ComporAnalise)->Unit(benchmark::kMillisecond);

void BM_LayoutAnaliseSuperficieTeste(benchmark::State& state) {
    const ParametrosLayout p = parametros(static_cast<double>(state.range(0)));
    for (auto _ : state) {
        FolhasTeste folhas(p.larguraPagina);
        benchmark::DoNotOptimize(LayoutAnalise(p).dispoe(analise(), folhas));
    }
}
BENCHMARK(BM_LayoutAnaliseSuperficieTeste)->Arg(210)->Arg(457)->Unit(benchmark::kMillisecond);

template <bool kReferencia> void escreveTudo(SuperficieDesenho& s) {
    QString bloco = textoLongo();
    const bool ok = kReferencia ? EscreveTextoReferencia::escreve(s, 0, 12, 198, 1e9, bloco)
                                : EscreveTexto::escreve(s, 0, 12, 198, 1e9, bloco);
    benchmark::DoNotOptimize(ok);
}

template <bool kReferencia> void BM_EscreveTextoSuperficieTeste(benchmark::State& state) {
    for (auto _ : state) {
        SuperficieTeste s;
        escreveTudo<kReferencia>(s);
    }
    state.SetBytesProcessed(state.iterations() * textoLongo().size());
}
BENCHMARK(BM_EscreveTextoSuperficieTeste<false>)
    ->Name("BM_EscreveTexto/SuperficieTeste")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscreveTextoSuperficieTeste<true>)
    ->Name("BM_EscreveTextoReferencia/SuperficieTeste")
    ->Unit(benchmark::kMillisecond);

#ifdef VIDALUME_BENCH_GUI
void BM_LayoutTela(benchmark::State& state) {
    const double largura = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(LayoutTela::ImprimirAnaliseNoMonitor(
            analise(), Configuracao{}, Configuracao::padraoCalculos(), FontesAnalise{},
            LinhasRodape{}, kNome, kData, largura, QStringLiteral(VIDALUME_PASTA_PROGRAMA)));
    }
}
BENCHMARK(BM_LayoutTela)->Arg(210)->Arg(457)->Unit(benchmark::kMillisecond);

template <bool kReferencia> void BM_EscreveTextoFonteReal(benchmark::State& state) {
    for (auto _ : state) {
        QPicture pagina;
        QPainter pintor(&pagina);
        SuperficiePintor s(pintor, 210, 297, 1.0, nullptr);
        escreveTudo<kReferencia>(s);
    }
    state.SetBytesProcessed(state.iterations() * textoLongo().size());
}
BENCHMARK(BM_EscreveTextoFonteReal<false>)
    ->Name("BM_EscreveTexto/FonteReal")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscreveTextoFonteReal<true>)
    ->Name("BM_EscreveTextoReferencia/FonteReal")
    ->Unit(benchmark::kMillisecond);
#endif

} // namespace
} // namespace vidalume

int main(int argc, char** argv) {
#ifdef VIDALUME_BENCH_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
