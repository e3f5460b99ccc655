// Times of the composition of a whole analysis; with the desktop libraries also of its screen
// layout, of the text writer beside the character-by-character reference it replaces (real
// fonts, recorded pages), of opening an analysis (OK in the entry dialog to the first page on
// the screen), of a page turn in a report window, of the PDF document and the memory a report
// window takes.
#include "composer/ComporAnalise.h"
#include "composer/ComporCabalistica.h"
#include "composer/PrevisoesAno.h"
#include "report/EscreveTexto.h"
#include "tests/report/EscreveTextoReferencia.h"
#include "texts/ArquivoInterpretacao.h"

#ifdef VIDALUME_BENCH_GUI
#include "gui/relatorio/frmExibeRelatorio.h"
#include "printing/painter/GravacaoPdf.h"
#include "report/painter/GravadorPagina.h"
#include "report/painter/LayoutTela.h"
#include "report/painter/SuperficiePintor.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <memory>
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

void BM_ComporAnalise(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ComporAnalise::compoe(kNome, kData, QDate(2024, 6, 1), arquivos()));
    }
}
BENCHMARK(BM_ComporAnalise)->Unit(benchmark::kMillisecond);

#ifdef VIDALUME_BENCH_GUI
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

template <bool kReferencia> void escreveTudo(SuperficieDesenho& s) {
    QString bloco = textoLongo();
    const bool ok = kReferencia ? EscreveTextoReferencia::escreve(s, 0, 12, 198, 1e9, bloco)
                                : EscreveTexto::escreve(s, 0, 12, 198, 1e9, bloco);
    benchmark::DoNotOptimize(ok);
}

// The composed analysis with default settings and `fontes`.
Diagramacao diagramacao(const FontesAnalise& fontes) {
    Diagramacao d;
    d.NomeAnalise = kNome;
    d.DataNascimento = kData;
    d.analise = analise();
    d.fontes = fontes;
    d.pastaPrograma = QStringLiteral(VIDALUME_PASTA_PROGRAMA);
    return d;
}

void BM_LayoutTela(benchmark::State& state) {
    const double largura = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            LayoutTela::ImprimirAnaliseNoMonitor(diagramacao(FontesAnalise{}), largura));
    }
}
BENCHMARK(BM_LayoutTela)->Arg(210)->Arg(457)->Unit(benchmark::kMillisecond);

template <bool kReferencia> void BM_EscreveTextoFonteReal(benchmark::State& state) {
    for (auto _ : state) {
        GravadorPagina gravador(nullptr);
        {
            SuperficiePintor s(gravador, 210, 297);
            escreveTudo<kReferencia>(s);
        }
        benchmark::DoNotOptimize(gravador.conclui());
    }
    state.SetBytesProcessed(state.iterations() * textoLongo().size());
}
BENCHMARK(BM_EscreveTextoFonteReal<false>)
    ->Name("BM_EscreveTexto/FonteReal")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscreveTextoFonteReal<true>)
    ->Name("BM_EscreveTextoReferencia/FonteReal")
    ->Unit(benchmark::kMillisecond);

// The screen pages of the analysis with the texts `pontos` points large.
QList<PaginaGravada> paginasTela(float largura, int pontos) {
    FontesAnalise fontes;
    fontes.FonteTexto.Tamanho = qint16(pontos);
    fontes.FonteDescricao.Tamanho = qint16(pontos);
    return LayoutTela::ImprimirAnaliseNoMonitor(diagramacao(fontes), largura);
}

// The smallest text size, from 12 points (the default) up in steps of 2, that makes a report
// of at least `paginas` pages of this width.
int pontosPara(float largura, int paginas) {
    int pontos = 12;
    while (paginasTela(largura, pontos).size() < paginas) {
        pontos += 2;
    }
    return pontos;
}

// The main window a report window lives in, shown, and the image the screen shows the report
// window in.
struct Tela {
    Tela(QSize pixels, QSize janela)
        : pixels(pixels), janela(janela), imagem(janela, QImage::Format_ARGB32_Premultiplied) {
        principal.resize(pixels);
        principal.show();
        QCoreApplication::processEvents();
    }

    const QSize pixels;
    const QSize janela;
    QWidget principal;
    QImage imagem;
};

// A report window as the main window makes it: the screen pages of the analysis for the
// screen, the window maximised inside the main window, page 1 shown. The texts are made
// large enough for the report to run to at least `paginasMinimas` pages.
struct JanelaRelatorio {
    JanelaRelatorio(Tela& tela, int paginasMinimas)
        : tela(tela), relatorio(std::make_unique<frmExibeRelatorio>(
                          tela.pixels, LigacoesRelatorio{}, &tela.principal)) {
        const float largura = relatorio->GetLarguraEmMm();
        static std::map<std::pair<float, int>, int> tamanhos;
        const std::pair chave(largura, paginasMinimas);
        if (!tamanhos.contains(chave)) {
            tamanhos[chave] = pontosPara(largura, paginasMinimas);
        }
        pontos = tamanhos[chave];
        PaginasProntas prontas{paginasTela(largura, pontos), 1.0};
        paginas = int(prontas.paginas.size());
        for (const PaginaGravada& p : prontas.paginas) {
            bytesFiguras += p.bytes();
        }
        relatorio->setGeometry(QRect(QPoint(0, 0), tela.janela));
        relatorio->definePaginas(std::move(prontas));
        relatorio->GravaDados(paginas, 1, {kNome, kData, {}, {}, {}});
        relatorio->show();
        relatorio->mostrada();
        pinta();
    }

    // Paints the whole window once, as the screen would show it.
    void pinta() { relatorio->render(&tela.imagem); }

    // Lets the window use its idle time: it renders the pages around the one shown.
    void ociosa() {
        while (relatorio->preparandoPaginas()) {
            QCoreApplication::processEvents();
        }
    }

    qint64 bytesImagensPaginas() const {
        const auto* pagina = relatorio->findChild<const QWidget*>(QStringLiteral("picExibe"));
        const QSize pixels = pagina->size() * pagina->devicePixelRatioF();
        return qint64(relatorio->paginasProntas().size()) * pixels.width() * pixels.height() * 4;
    }

    Tela& tela;
    std::unique_ptr<frmExibeRelatorio> relatorio;
    int pontos = 0;
    int paginas = 0;
    qint64 bytesFiguras = 0;
};

// Turning to the next page (wrapping round at the end) and painting the window; arguments:
// the screen's width and height in pixels, the least number of pages (0: texts in their
// default size, the fullest pages) and whether the window was idle for a moment before each
// turn (1), as between the clicks of a user, or the pages are turned one right after the
// other (0).
void BM_ViraPagina(benchmark::State& state) {
    const QSize pixels(int(state.range(0)), int(state.range(1)));
    Tela tela(pixels, pixels - QSize(20, 130));
    JanelaRelatorio j(tela, int(state.range(2)));
    const bool ociosa = state.range(3) != 0;
    int pagina = 1;
    for (auto _ : state) {
        if (ociosa) {
            state.PauseTiming();
            j.ociosa();
            state.ResumeTiming();
        }
        pagina = pagina % j.paginas + 1;
        j.relatorio->ExibePagina(pagina);
        j.pinta();
    }
    state.counters["paginas"] = j.paginas;
    state.counters["pontos"] = j.pontos;
}
BENCHMARK(BM_ViraPagina)
    ->Args({1366, 768, 0, 0})
    ->Args({1366, 768, 0, 1})
    ->Args({1366, 768, 21, 0})
    ->Args({1366, 768, 21, 1})
    ->Args({1920, 1080, 21, 0})
    ->Args({1920, 1080, 21, 1})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// From OK in the entry dialog to the first page on the screen: the analysis composed from
// the interpretation files, laid out into screen pages, a report window made for them inside
// the main window, shown, and painted once with page 1, as the main window does it (fonts
// and pictures already loaded by an earlier analysis).
void BM_AbreAnalise(benchmark::State& state) {
    const QSize pixels(int(state.range(0)), int(state.range(1)));
    Tela tela(pixels, pixels - QSize(20, 130));
    int paginas = 0;
    for (auto _ : state) {
        Diagramacao d = diagramacao(FontesAnalise{});
        d.analise = ComporAnalise::compoe(kNome, kData, QDate(2024, 6, 1), arquivos());
        auto relatorio =
            std::make_unique<frmExibeRelatorio>(tela.pixels, LigacoesRelatorio{}, &tela.principal);
        PaginasProntas prontas{
            LayoutTela::ImprimirAnaliseNoMonitor(d, relatorio->GetLarguraEmMm(),
                                                 relatorio->palette().color(QPalette::Text)),
            1.0};
        paginas = int(prontas.paginas.size());
        relatorio->setGeometry(QRect(QPoint(0, 0), tela.janela));
        relatorio->definePaginas(std::move(prontas));
        relatorio->GravaDados(paginas, 1, {kNome, kData, {}, {}, {}});
        relatorio->show();
        relatorio->mostrada();
        relatorio->render(&tela.imagem);
        state.PauseTiming();
        relatorio.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["paginas"] = paginas;
}
BENCHMARK(BM_AbreAnalise)
    ->Args({1366, 768})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// The whole analysis written to a PDF file, as "vidalume-cli pdf" writes it, once the fonts
// are loaded: with the 28 sections only (argument 0) and with the sections of the complete
// map after them, with their pictures (argument 1).
void BM_GravacaoPdf(benchmark::State& state) {
    QTemporaryDir pasta;
    Diagramacao p = diagramacao(FontesAnalise{});
    for (int k = OpcoesMapa::kPrimeiraSecao; k <= OpcoesMapa::kUltimaSecao; ++k) {
        p.opcoesMapa.defineSecao(k, state.range(0) != 0);
    }
    for (auto _ : state) {
        p.analise = ComporAnalise::compoe(kNome, kData, QDate(2024, 6, 1),
                                          ArquivoInterpretacao(p.pastaPrograma), p.opcoesMapa);
        QString erro;
        if (!GravacaoPdf::grava(pasta.filePath(QStringLiteral("a.pdf")), p, &erro)) {
            state.SkipWithError(erro.toStdString().c_str());
        }
    }
}
BENCHMARK(BM_GravacaoPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A year's forecast (13 pages with twelve calendars and the line of life) composed and
// written to a PDF file, as "vidalume-cli previsoes --saida F.pdf" does; the target is under
// 150 ms.
void BM_PrevisoesPdf(benchmark::State& state) {
    QTemporaryDir pasta;
    const Diagramacao base = diagramacao(FontesAnalise{});
    for (auto _ : state) {
        const Diagramacao p =
            PrevisoesAno::compoe(kNome, kData, 2027,
                                 RegrasCalculo::pitagorica(InicioAnoPessoal::Aniversario),
                                 QDate(2026, 12, 6), ArquivoInterpretacao(base.pastaPrograma))
                .diagramacao(base);
        QString erro;
        if (!GravacaoPdf::grava(pasta.filePath(QStringLiteral("previsoes.pdf")), p, &erro)) {
            state.SkipWithError(erro.toStdString().c_str());
        }
    }
}
BENCHMARK(BM_PrevisoesPdf)->Unit(benchmark::kMillisecond);

// A cabalística map (about 15 pages with the letter chart, the inclusion chart and the line
// of life) composed and written to a PDF file, as "vidalume-cli pdf --escola cabalistica"
// does; the target is under 150 ms.
void BM_MapaCabalisticoPdf(benchmark::State& state) {
    QTemporaryDir pasta;
    const Diagramacao base = diagramacao(FontesAnalise{});
    const RegrasCalculo regras = RegrasCalculo::de(EscolaCalculo::Cabalistica);
    for (auto _ : state) {
        const Diagramacao p =
            ComporCabalistica::compoe(QStringLiteral("André Luiz Xavier de Macedo"), kData,
                                      QDate(2026, 12, 6), regras, TabelaHarmonia::padrao(),
                                      ArquivoInterpretacao(base.pastaPrograma),
                                      [](int) { return true; })
                .diagramacao(base);
        QString erro;
        if (!GravacaoPdf::grava(pasta.filePath(QStringLiteral("mapa.pdf")), p, &erro)) {
            state.SkipWithError(erro.toStdString().c_str());
        }
    }
}
BENCHMARK(BM_MapaCabalisticoPdf)->Unit(benchmark::kMillisecond);

// The map of a 200-letter name: four pyramids of 20,100 digits each drawn in parts and 199
// arcana of passage, composed and written to a PDF file; the target is under 2 s and the
// peak memory under 200 MB (the counter "pico_mb").
void BM_PiramideLongaPdf(benchmark::State& state) {
    QTemporaryDir pasta;
    const Diagramacao base = diagramacao(FontesAnalise{});
    const RegrasCalculo regras = RegrasCalculo::de(EscolaCalculo::Cabalistica);
    const QString nome = QStringLiteral("Abcdefghij").repeated(20);
    for (auto _ : state) {
        const Diagramacao p = ComporCabalistica::compoe(nome, kData, QDate(2026, 12, 6), regras,
                                                        TabelaHarmonia::padrao(),
                                                        ArquivoInterpretacao(base.pastaPrograma),
                                                        [](int) { return true; })
                                  .diagramacao(base);
        QString erro;
        if (!GravacaoPdf::grava(pasta.filePath(QStringLiteral("longo.pdf")), p, &erro)) {
            state.SkipWithError(erro.toStdString().c_str());
        }
    }
    struct rusage uso {};
    getrusage(RUSAGE_SELF, &uso);
    state.counters["pico_mb"] = double(uso.ru_maxrss) / 1024;
}
BENCHMARK(BM_PiramideLongaPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

qint64 memoriaResidente() {
    std::ifstream statm("/proc/self/statm");
    qint64 total = 0, residente = 0;
    statm >> total >> residente;
    return residente * sysconf(_SC_PAGESIZE);
}

// The memory of a report window of at least 21 pages: its page pictures and the pages it has
// rendered ahead while idle, and the growth of the resident memory while it is laid out,
// created, shown, painted and left idle inside a main window that was already on the screen
// (after a first report window had loaded the fonts and pictures and was closed again). The
// image the screen shows the window in belongs to the main window and is not counted.
void BM_MemoriaJanela(benchmark::State& state) {
    const QSize pixels(int(state.range(0)), int(state.range(1)));
    Tela tela(pixels, pixels - QSize(20, 130));
    {
        JanelaRelatorio primeira(tela, 21);
        primeira.ociosa();
    }
    QCoreApplication::processEvents();
    malloc_trim(0);
    for (auto _ : state) {
        const qint64 antes = memoriaResidente();
        JanelaRelatorio j(tela, 21);
        j.ociosa();
        const qint64 depois = memoriaResidente();
        const qint64 prontas = j.bytesImagensPaginas();
        state.counters["paginas"] = j.paginas;
        state.counters["pontos"] = j.pontos;
        state.counters["figuras_KiB"] = double(j.bytesFiguras) / 1024;
        state.counters["prontas_KiB"] = double(prontas) / 1024;
        state.counters["total_MiB"] = double(j.bytesFiguras + prontas) / (1024 * 1024);
        state.counters["rss_MiB"] = double(depois - antes) / (1024 * 1024);
        state.counters["tela_KiB"] = double(tela.imagem.sizeInBytes()) / 1024;
    }
}
BENCHMARK(BM_MemoriaJanela)
    ->Args({1366, 768})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
#endif

} // namespace
} // namespace vidalume

int main(int argc, char** argv) {
#ifdef VIDALUME_BENCH_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
