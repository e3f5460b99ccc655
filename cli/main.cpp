// vidalume-cli: numbers, text and PDFs of analyses from the command line. Reads the program
// folder (or --pasta) and never writes there. "numeros" and "texto" need no display; "pdf"
// and "lote" draw with fonts and use the offscreen platform where there is no display.
#include "cli/comandos/ComandoCompatibilidade.h"
#include "cli/comandos/ComandoNomes.h"
#include "cli/comandos/ComandoNumeros.h"
#include "cli/comandos/ComandoTexto.h"
#include "cli/comandos/EntradaCli.h"
#include "engine/EntradaDados.h"

#ifdef VIDALUME_CLI_PDF
#include "cli/pdf/ComandoLote.h"
#include "cli/pdf/ComandoPdf.h"

#include <QGuiApplication>
#endif

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>

using namespace vidalume;

namespace {

void escreve(FILE* destino, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, bytes.size(), destino);
    std::fflush(destino);
}

int erro(const QString& mensagem, int codigo = 2) {
    escreve(stderr, (mensagem + u'\n').toUtf8());
    return codigo;
}

struct Opcoes {
    QCommandLineOption nome{QStringLiteral("nome"), QStringLiteral("Nome completo."),
                            QStringLiteral("NOME")};
    QCommandLineOption nascimento{QStringLiteral("nascimento"),
                                  QStringLiteral("Data de nascimento (dd/mm/aaaa)."),
                                  QStringLiteral("DATA")};
    QCommandLineOption hoje{QStringLiteral("hoje"),
                            QStringLiteral("Data da análise (padrão: a data de hoje)."),
                            QStringLiteral("DATA")};
    QCommandLineOption pasta{
        QStringLiteral("pasta"),
        QStringLiteral("Pasta dos arquivos de interpretação e configuração (padrão: a pasta do "
                       "programa)."),
        QStringLiteral("PASTA")};
    QCommandLineOption saida{
        QStringLiteral("saida"),
        QStringLiteral("pdf: o arquivo PDF a gravar; lote: a pasta onde gravar os PDFs."),
        QStringLiteral("CAMINHO")};
    QCommandLineOption capa{QStringLiteral("capa"),
                            QStringLiteral("pdf, lote: imprime a folha de rosto.")};
    QCommandLineOption colorido{QStringLiteral("colorido"),
                                QStringLiteral("pdf: imprime em cores (padrão: preto e branco).")};
    QCommandLineOption nome2{QStringLiteral("nome2"),
                             QStringLiteral("compatibilidade: nome completo da segunda pessoa."),
                             QStringLiteral("NOME")};
    QCommandLineOption nascimento2{
        QStringLiteral("nascimento2"),
        QStringLiteral("compatibilidade: data de nascimento da segunda pessoa."),
        QStringLiteral("DATA")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("compatibilidade: os números e os aspectos em JSON.")};

    void registra(QCommandLineParser& parser) const {
        parser.setApplicationDescription(QStringLiteral(
            "Números, textos e PDFs de análises numerológicas da Vidalume.\n\n"
            "Comandos:\n"
            "  numeros   todos os números da análise, em JSON\n"
            "  texto     o texto da análise, como é copiado para a área de transferência\n"
            "  pdf       a análise impressa num arquivo PDF (A4, retrato)\n"
            "  lote      um PDF por linha \"nome;nascimento\" de um arquivo CSV:\n"
            "            vidalume-cli lote ARQUIVO.csv --saida PASTA\n"
            "  nomes     estudo de nomes em JSON: --nascimento DATA --nome A [--nome B ...]\n"
            "  compatibilidade\n"
            "            compatibilidade de casal: --nome A --nascimento D --nome2 B\n"
            "            --nascimento2 E, em texto, em JSON (--json) ou em PDF (--saida)"));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addPositionalArgument(QStringLiteral("comando"),
                                     QStringLiteral("numeros, texto, pdf ou lote"));
        parser.addOptions({nome, nascimento, hoje, pasta, saida, capa, colorido});
        parser.addOptions({nome2, nascimento2, json});
    }
};

// Whether the command draws: "pdf", "lote", and "compatibilidade" with a PDF to write.
bool desenha(const QString& comando, bool comSaida = false) {
    return comando == QLatin1String("pdf") || comando == QLatin1String("lote") ||
           (comando == QLatin1String("compatibilidade") && comSaida);
}

// Whether the command line asks for drawing, read before any application object exists:
// drawing needs a GUI application, the other commands must run without a display.
bool pedeDesenho(int argc, char* argv[]) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) {
        argumentos << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    const Opcoes o;
    o.registra(parser);
    parser.parse(argumentos);
    return desenha(parser.positionalArguments().value(0), parser.isSet(o.saida));
}

std::unique_ptr<QCoreApplication> criaAplicacao(bool desenhar, int& argc, char* argv[]) {
#ifdef VIDALUME_CLI_PDF
    if (desenhar) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

#ifdef VIDALUME_CLI_PDF
// A folder, device, FIFO or socket is never replaced by a PDF.
bool alvoComum(const QString& arquivo) {
    const QFileInfo alvo(arquivo);
    return alvo.isSymLink() || !alvo.exists() || alvo.isFile();
}

int recusaAlvo(const QString& arquivo) {
    return erro(QStringLiteral("\"%1\" não é um arquivo comum (é uma pasta, um dispositivo ou um "
                               "canal) e não será substituído pelo PDF.")
                    .arg(QDir::toNativeSeparators(arquivo)));
}

int pdf(const QCommandLineParser& parser, const Opcoes& o, const EntradaCli& entrada,
        const ComandoPdf::Opcoes& opcoes) {
    const QString arquivo = parser.value(o.saida);
    if (arquivo.isEmpty()) {
        return erro(QStringLiteral("Informe o arquivo PDF a gravar (--saida)."));
    }
    if (!alvoComum(arquivo)) {
        return recusaAlvo(arquivo);
    }
    QString falha;
    return ComandoPdf::gera(entrada, arquivo, opcoes, &falha) ? 0 : erro(falha, 1);
}

int lote(const QCommandLineParser& parser, const Opcoes& o, const ComandoPdf::Opcoes& opcoes) {
    const QString lista = parser.positionalArguments().value(1);
    if (lista.isEmpty()) {
        return erro(QStringLiteral("Informe o arquivo CSV com as linhas \"nome;nascimento\"."));
    }
    if (parser.value(o.saida).isEmpty()) {
        return erro(QStringLiteral("Informe a pasta onde gravar os PDFs (--saida)."));
    }
    const QString hoje = parser.value(o.hoje);
    if (!hoje.isEmpty() && !EntradaDados::leData(hoje)) {
        return erro(EntradaDados::kMensagemDataInvalida);
    }
    return ComandoLote::executa(lista, parser.value(o.saida), hoje, QDate::currentDate(), opcoes,
                                [](const QString& linha) { erro(linha); });
}
#endif

bool estudo(const QString& comando) {
    return comando == QLatin1String("nomes") || comando == QLatin1String("compatibilidade");
}

int nomes(const QCommandLineParser& parser, const Opcoes& o) {
    QByteArray json;
    QString mensagem;
    if (!ComandoNomes::executa(parser.value(o.nascimento), parser.values(o.nome),
                               parser.value(o.hoje), QDate::currentDate(), &json, &mensagem)) {
        return erro(mensagem);
    }
    escreve(stdout, json);
    return 0;
}

int compatibilidade(const QCommandLineParser& parser, const Opcoes& o, const QString& pasta) {
    if (parser.isSet(o.json) && parser.isSet(o.saida)) {
        return erro(QStringLiteral("Use --json ou --saida, não os dois."));
    }
    LeituraCasal leitura;
    QString mensagem;
    if (!ComandoCompatibilidade::le(parser.value(o.nome), parser.value(o.nascimento),
                                    parser.value(o.nome2), parser.value(o.nascimento2), &leitura,
                                    &mensagem)) {
        return erro(mensagem);
    }
    if (parser.isSet(o.json)) {
        escreve(stdout, ComandoCompatibilidade::json(leitura));
        return 0;
    }
    if (!parser.isSet(o.saida)) {
        escreve(stdout, ComandoCompatibilidade::texto(leitura, pasta).toUtf8());
        return 0;
    }
#ifdef VIDALUME_CLI_PDF
    const QString arquivo = parser.value(o.saida);
    if (!alvoComum(arquivo)) {
        return recusaAlvo(arquivo);
    }
    const ComandoPdf::Opcoes opcoes{pasta, parser.isSet(o.capa), parser.isSet(o.colorido)};
    QString falha;
    return ComandoPdf::gera(leitura.compoe(ArquivoInterpretacao(pasta)), arquivo, opcoes, &falha)
               ? 0
               : erro(falha, 1);
#else
    return erro(QStringLiteral("Esta versão do programa não gera PDFs."));
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    const auto app = criaAplicacao(pedeDesenho(argc, argv), argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vidalume-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIDALUME_VERSAO));

    QCommandLineParser parser;
    const Opcoes o;
    o.registra(parser);
    parser.process(*app);

    const QString comando = parser.positionalArguments().value(0);
    if (comando != QLatin1String("numeros") && comando != QLatin1String("texto") &&
        !desenha(comando) && !estudo(comando)) {
        return erro(QStringLiteral("Comando desconhecido. Use numeros, texto, pdf, lote, nomes ou "
                                   "compatibilidade (veja --help)."));
    }
    const QString pasta =
        parser.isSet(o.pasta) ? parser.value(o.pasta) : QCoreApplication::applicationDirPath();
    if (comando == QLatin1String("nomes")) {
        return nomes(parser, o);
    }
    if (comando == QLatin1String("compatibilidade")) {
        return compatibilidade(parser, o, pasta);
    }
#ifdef VIDALUME_CLI_PDF
    const ComandoPdf::Opcoes opcoesPdf{pasta, parser.isSet(o.capa), parser.isSet(o.colorido)};
    if (comando == QLatin1String("lote")) {
        return lote(parser, o, opcoesPdf);
    }
#else
    if (desenha(comando)) {
        return erro(QStringLiteral("Esta versão do programa não gera PDFs."));
    }
#endif
    QString mensagem;
    EntradaCli entrada;
    if (!EntradaCli::le(parser.value(o.nome), parser.value(o.nascimento), parser.value(o.hoje),
                        QDate::currentDate(), &entrada, &mensagem)) {
        return erro(mensagem);
    }
    if (comando == QLatin1String("numeros")) {
        escreve(stdout, ComandoNumeros::json(entrada));
        return 0;
    }
#ifdef VIDALUME_CLI_PDF
    if (comando == QLatin1String("pdf")) {
        return pdf(parser, o, entrada, opcoesPdf);
    }
#endif
    escreve(stdout, ComandoTexto::texto(entrada, pasta).toUtf8());
    return 0;
}
