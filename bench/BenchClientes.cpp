// Times of the client file: importing a list of 10,000 clients into a new file, and the
// searches the client window runs while the user types (each must answer in under 20 ms at
// 10,000 clients): a rare name, a common word that matches most of the file, two words, and
// the whole list.
#include "clients/CsvClientes.h"
#include "clients/FichaClientes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace vidalume {
namespace {

constexpr int kClientes = 10000;

QByteArray lista() {
    static const char* const kPrenomes[] = {"João",      "Maria", "Ana",    "José",  "Antônio",
                                            "Francisca", "Luíza", "Carlos", "Paulo", "Lúcia"};
    static const char* const kSobrenomes[] = {"Silva",     "Souza",   "Conceição", "Araújo",
                                              "Gonçalves", "Lima",    "Pereira",   "Brandão",
                                              "Ribeiro",   "Assunção"};
    QByteArray csv = "nome;nascimento;telefone;email;observacoes\n";
    for (int i = 0; i < kClientes; ++i) {
        csv += QStringLiteral("%1 %2 %3 %4;%5/%6/%7;(11) 5555-%8;c%8@exemplo.com.br;cliente %8\n")
                   .arg(QString::fromUtf8(kPrenomes[i % 10]),
                        QString::fromUtf8(kSobrenomes[(i / 10) % 10]),
                        QString::fromUtf8(kSobrenomes[(i / 100) % 10]))
                   .arg(i)
                   .arg(1 + i % 28)
                   .arg(1 + i % 12)
                   .arg(1930 + i % 90)
                   .arg(i, 4, 10, QLatin1Char('0'))
                   .toUtf8();
    }
    return csv;
}

bool importa(const QString& pasta, QByteArray& csv) {
    FichaClientes ficha;
    QString erro;
    QBuffer entrada(&csv);
    entrada.open(QIODevice::ReadOnly);
    CsvClientes::Resultado r;
    return ficha.abre(pasta, FichaClientes::Modo::Escrita, &erro) &&
           CsvClientes::importa(ficha, entrada, r, {}, &erro) && r.importados == kClientes;
}

void BM_ImportaDezMilClientes(benchmark::State& state) {
    QByteArray csv = lista();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        state.ResumeTiming();
        if (!importa(dir.path(), csv)) {
            state.SkipWithError("importação falhou");
            break;
        }
    }
}
BENCHMARK(BM_ImportaDezMilClientes)->Unit(benchmark::kMillisecond)->Iterations(3);

// One file of 10,000 clients for every search.
FichaClientes& fichaCheia() {
    static QTemporaryDir dir;
    static FichaClientes ficha;
    if (!ficha.aberta()) {
        QByteArray csv = lista();
        QString erro;
        if (!importa(dir.path(), csv) ||
            !ficha.abre(dir.path(), FichaClientes::Modo::Escrita, &erro)) {
            std::abort();
        }
    }
    return ficha;
}

void BM_Busca(benchmark::State& state, const char* texto) {
    FichaClientes& ficha = fichaCheia();
    const QString busca = QString::fromUtf8(texto);
    std::size_t achados = 0;
    for (auto _ : state) {
        QString erro;
        achados = ficha.busca(busca, &erro, FichaClientes::Campos::Lista).size();
        benchmark::DoNotOptimize(achados);
    }
    state.counters["clientes"] = double(achados);
}
BENCHMARK_CAPTURE(BM_Busca, nome_raro, "joao silva conceicao 10")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Busca, uma_letra, "a")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Busca, duas_palavras, "lucia araujo")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Busca, todos, "")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vidalume

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
