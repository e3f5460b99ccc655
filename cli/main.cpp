// vidalume-cli: numbers, text and PDFs of analyses, and the client file, from the command
// line. Reads the data folder that PastaDados resolves, as the desktop program does (or
// --pasta), and writes there only the client file ("clientes importar") and what
// "copia restaurar" restores; an installed program's first run creates the user's folder with
// the shipped texts. A file-size limit makes a write fail with the program's own message
// instead of killing the process (such a write is reported like any other failed write). The
// commands are the rows of TabelaComandos; those that draw use fonts and the offscreen platform
// where there is no display, the others need no display.
#include "cli/OpcoesCli.h"
#include "cli/TabelaComandos.h"
#include "settings/AvisosConfiguracao.h"
#include "settings/PastaDados.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/GravacaoSegura.h"

#ifdef VIDALUME_CLI_PDF
#include <QGuiApplication>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>

using namespace vidalume;

namespace {

// Whether the command line asks for drawing, read before any application object exists:
// drawing needs a GUI application, the other commands must run without a display.
bool pedeDesenho(int argc, char* argv[]) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) {
        argumentos << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    const OpcoesCli o;
    o.registra(parser);
    parser.parse(argumentos);
    return TabelaComandos::desenha(parser.positionalArguments().value(0), parser.isSet(o.saida));
}

#ifdef VIDALUME_CLI_PDF
// Qt's note that XDG_RUNTIME_DIR is not set (every run from cron or ssh) is said in English to
// a user who can do nothing about it; every other message goes on as Qt writes it.
QtMessageHandler anterior = nullptr;
void filtraMensagens(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) {
        return;
    }
    if (anterior) {
        anterior(tipo, contexto, texto);
    } else {
        erro(qFormatLogMessage(tipo, contexto, texto));
    }
}
#endif

std::unique_ptr<QCoreApplication> criaAplicacao(bool desenhar, int& argc, char* argv[]) {
#ifdef VIDALUME_CLI_PDF
    if (desenhar) {
        anterior = qInstallMessageHandler(filtraMensagens);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#else
    Q_UNUSED(desenhar);
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Qt's own texts of the command line (usage, options, errors) in Portuguese.
void traduzQt(QTranslator& traducao) {
    if (traducao.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&traducao);
    }
}

// The data folder: --pasta, or the program's own (prepared on its first run). None after the
// message when the program's folder cannot be prepared.
std::optional<QString> pastaDados(const QCommandLineParser& parser, const OpcoesCli& o) {
    if (parser.isSet(o.pasta)) {
        const QFileInfo pasta(parser.value(o.pasta));
        if (!pasta.isDir() || !pasta.isReadable() || !pasta.isExecutable()) {
            erro(QStringLiteral("A pasta \"%1\" informada em --pasta não existe ou não pode ser "
                                "lida.")
                     .arg(QDir::toNativeSeparators(parser.value(o.pasta))));
            return std::nullopt;
        }
        const QString executavel = QCoreApplication::applicationDirPath();
        if (!PastaDados::portatil(executavel)) {
            PastaDados::usaRecursos(PastaDados::somenteLeitura(executavel));
        }
        return parser.value(o.pasta);
    }
    QString falha;
    const auto local = PastaDados::doPrograma(&falha);
    if (!local) {
        erro(falha, 1);
        return std::nullopt;
    }
    PastaDados::usaRecursos(local->recursos);
    return local->dados;
}

} // namespace

int main(int argc, char* argv[]) {
    // Past a file-size limit a write then fails with EFBIG, which is reported like any other
    // failed write, instead of the process dying without a word.
    GravacaoSegura::falhaAlemDoLimite();
    const auto app = criaAplicacao(pedeDesenho(argc, argv), argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vidalume-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIDALUME_VERSAO));
    QTranslator traducao;
    traduzQt(traducao);

    QCommandLineParser parser;
    const OpcoesCli o;
    o.registra(parser);
    // An unknown option or one without its value is a usage error, like every other one.
    if (!parser.parse(QCoreApplication::arguments())) {
        return erro(parser.errorText() + QStringLiteral(" (veja --help)"));
    }
    parser.process(*app);
    const TabelaComandos::Comando* comando =
        TabelaComandos::acha(parser.positionalArguments().value(0));
    if (!comando) {
        return erro(TabelaComandos::desconhecido());
    }
    const std::optional<QString> pasta = pastaDados(parser, o);
    if (!pasta) {
        return parser.isSet(o.pasta) ? 2 : 1;
    }
    // Settings files that are not taken as they stand are named before the analysis.
    if (comando->leConfiguracoes) {
        for (const QString& aviso : AvisosConfiguracao::confere(*pasta)) {
            erro(QStringLiteral("Atenção: ") + aviso);
        }
    }
    // The analysis comes out whatever texts are missing; what was missing is said after it.
    const int codigo = comando->executa(ContextoCli{parser, o, *pasta});
    for (const QString& aviso : ArquivoInterpretacao::avisosNovos()) {
        erro(QStringLiteral("Atenção: ") + aviso);
    }
    return codigo;
}
