// vidalume-cli: numbers, text and PDFs of analyses, and the client file, from the command
// line. Reads the data folder that PastaDados resolves, as the desktop program does (or
// --pasta), and writes there only the client file ("clientes importar") and what
// "copia restaurar" restores; an installed program's first run creates the user's folder with
// the shipped texts. A file-size limit makes a write fail with the program's own message
// instead of killing the process (SIGXFSZ is ignored). "numeros"
// and "texto" need no display; "pdf"
// and "lote" draw with fonts and use the offscreen platform where there is no display.
#include "cli/comandos/ComandoClientes.h"
#include "cli/comandos/ComandoCompatibilidade.h"
#include "cli/comandos/ComandoCopia.h"
#include "cli/comandos/ComandoNomes.h"
#include "cli/comandos/ComandoNumeros.h"
#include "cli/comandos/ComandoPrevisoes.h"
#include "cli/comandos/ComandoTexto.h"
#include "cli/comandos/EntradaCli.h"
#include "clients/FichaClientes.h"
#include "engine/EntradaDados.h"
#include "settings/OpcoesMapa.h"
#include "settings/PastaDados.h"
#include "texts/ArquivoInterpretacao.h"

#ifdef VIDALUME_CLI_PDF
#include "cli/pdf/ComandoLote.h"
#include "cli/pdf/ComandoPdf.h"
#include "printing/painter/ExportacaoOdt.h"

#include <QGuiApplication>
#endif

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>
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
    QCommandLineOption referencia{
        QStringLiteral("referencia"),
        QStringLiteral("Data das previsões: anos, meses e dias universais e pessoais (padrão: "
                       "a data de hoje)."),
        QStringLiteral("DATA")};
    QCommandLineOption busca{QStringLiteral("busca"),
                             QStringLiteral("clientes listar, lote --clientes: só os clientes "
                                            "cujo nome contém estas palavras."),
                             QStringLiteral("TEXTO")};
    QCommandLineOption clientes{QStringLiteral("clientes"),
                                QStringLiteral("lote: um PDF para cada cliente da ficha.")};
    QCommandLineOption pasta{
        QStringLiteral("pasta"),
        QStringLiteral("Pasta dos arquivos de interpretação e configuração (padrão: a mesma do "
                       "programa Vidalume, em geral ~/.local/share/Vidalume)."),
        QStringLiteral("PASTA")};
    QCommandLineOption saida{
        QStringLiteral("saida"),
        QStringLiteral("pdf, odt: o arquivo a gravar; lote: a pasta onde gravar os PDFs."),
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
                            QStringLiteral("compatibilidade: os números e os aspectos em JSON; "
                                           "previsoes: os números de cada dia em JSON.")};
    QCommandLineOption ano{QStringLiteral("ano"),
                           QStringLiteral("previsoes: o ano das previsões, de 1900 a 2100 "
                                          "(padrão: o ano da data das previsões)."),
                           QStringLiteral("ANO")};
    QCommandLineOption inicioAnoPessoal{
        QStringLiteral("inicio-ano-pessoal"),
        QStringLiteral("Quando começa o ano pessoal: janeiro ou aniversario (padrão: a "
                       "configuração da pasta)."),
        QStringLiteral("REGRA")};
    QCommandLineOption semClientes{
        QStringLiteral("sem-clientes"),
        QStringLiteral("copia restaurar: só os textos e as configurações; a ficha de clientes "
                       "fica como está.")};
    QCommandLineOption soClientes{
        QStringLiteral("so-clientes"),
        QStringLiteral("copia restaurar: só a ficha de clientes; os textos e as configurações "
                       "ficam como estão.")};

    void registra(QCommandLineParser& parser) const {
        parser.setApplicationDescription(QStringLiteral(
            "Números, textos e PDFs de análises numerológicas da Vidalume.\n\n"
            "Comandos:\n"
            "  numeros   todos os números da análise, em JSON\n"
            "  texto     o texto da análise, como é copiado para a área de transferência\n"
            "  pdf       a análise impressa num arquivo PDF (A4, retrato)\n"
            "  odt       a análise num documento de texto (.odt) para editores de texto\n"
            "  lote      um PDF por linha \"nome;nascimento\" de um arquivo CSV, ou por\n"
            "            cliente da ficha:\n"
            "            vidalume-cli lote ARQUIVO.csv --saida PASTA\n"
            "            vidalume-cli lote --clientes [--busca TEXTO] --saida PASTA\n"
            "  clientes  a ficha de clientes da pasta (clientes.sqlite):\n"
            "            vidalume-cli clientes importar ARQUIVO.csv\n"
            "            vidalume-cli clientes listar [--busca TEXTO]\n"
            "            vidalume-cli clientes exportar ARQUIVO.csv\n"
            "  copia     a cópia de segurança da pasta (textos, configurações e ficha de\n"
            "            clientes), como no menu do programa:\n"
            "            vidalume-cli copia fazer ARQUIVO.zip\n"
            "            vidalume-cli copia restaurar ARQUIVO.zip [--sem-clientes | "
            "--so-clientes]\n"
            "  nomes     estudo de nomes em JSON: --nascimento DATA --nome A [--nome B ...]\n"
            "  compatibilidade\n"
            "            compatibilidade entre duas pessoas: --nome A --nascimento D --nome2 B\n"
            "            --nascimento2 E, em texto, em JSON (--json) ou em PDF (--saida)\n"
            "  previsoes as previsões de um ano mês a mês: --nome N --nascimento D\n"
            "            --ano A [--inicio-ano-pessoal janeiro|aniversario], em texto, em\n"
            "            JSON (--json), em PDF (--saida F.pdf) ou em .odt (--saida F.odt)"));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addPositionalArgument(
            QStringLiteral("comando"),
            QStringLiteral("numeros, texto, pdf, odt, lote, clientes, copia, nomes, "
                           "compatibilidade ou previsoes"));
        parser.addOptions(
            {nome, nascimento, hoje, referencia, pasta, saida, capa, colorido, busca, clientes});
        parser.addOptions(
            {nome2, nascimento2, json, ano, inicioAnoPessoal, semClientes, soClientes});
    }
};

// Whether the command draws: "pdf", "odt", "lote", and "compatibilidade" and "previsoes"
// with a file to write.
bool desenha(const QString& comando, bool comSaida = false) {
    return comando == QLatin1String("pdf") || comando == QLatin1String("lote") ||
           comando == QLatin1String("odt") ||
           ((comando == QLatin1String("compatibilidade") ||
             comando == QLatin1String("previsoes")) &&
            comSaida);
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

int clientes(const QCommandLineParser& parser, const Opcoes& o, const QString& pasta) {
    const QString acao = parser.positionalArguments().value(1);
    const QString arquivo = parser.positionalArguments().value(2);
    ComandoClientes::Saida s;
    if (acao == QLatin1String("importar")) {
        s = ComandoClientes::importa(arquivo, pasta);
    } else if (acao == QLatin1String("listar")) {
        s = ComandoClientes::lista(parser.value(o.busca), pasta);
    } else if (acao == QLatin1String("exportar")) {
        s = ComandoClientes::exporta(arquivo, pasta);
    } else {
        return erro(QStringLiteral("Use clientes importar, listar ou exportar (veja --help)."));
    }
    for (const QString& linha : s.mensagens) {
        erro(linha);
    }
    escreve(stdout, s.saida);
    return s.codigo;
}

int copia(const QCommandLineParser& parser, const Opcoes& o, const QString& pasta) {
    const QString acao = parser.positionalArguments().value(1);
    const QString arquivo = parser.positionalArguments().value(2);
    ComandoClientes::Saida s;
    if (acao == QLatin1String("fazer")) {
        s = ComandoCopia::faz(arquivo, pasta, QDateTime::currentDateTime());
    } else if (acao == QLatin1String("restaurar")) {
        s = ComandoCopia::restaura(arquivo, pasta, parser.isSet(o.semClientes),
                                   parser.isSet(o.soClientes), QDateTime::currentDateTime());
    } else {
        return erro(QStringLiteral("Use copia fazer ou copia restaurar (veja --help)."));
    }
    for (const QString& linha : s.mensagens) {
        erro(linha);
    }
    escreve(stdout, s.saida);
    return s.codigo;
}

#ifdef VIDALUME_CLI_PDF
// A folder, device, FIFO or socket is never replaced by a PDF.
bool alvoComum(const QString& arquivo) {
    const QFileInfo alvo(arquivo);
    return alvo.isSymLink() || !alvo.exists() || alvo.isFile();
}

int recusaAlvo(const QString& arquivo) {
    return erro(QStringLiteral("\"%1\" não é um arquivo comum (é uma pasta, um dispositivo ou um "
                               "canal) e não será substituído.")
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

int odt(const QCommandLineParser& parser, const Opcoes& o, const EntradaCli& entrada,
        const ComandoPdf::Opcoes& opcoes) {
    const QString arquivo = parser.value(o.saida);
    if (arquivo.isEmpty()) {
        return erro(QStringLiteral("Informe o arquivo .odt a gravar (--saida)."));
    }
    if (!alvoComum(arquivo)) {
        return recusaAlvo(arquivo);
    }
    QString falha;
    return ExportacaoOdt::grava(arquivo, ComandoPdf::diagramacao(entrada, opcoes), &falha)
               ? 0
               : erro(falha, 1);
}

int lote(const QCommandLineParser& parser, const Opcoes& o, const ComandoPdf::Opcoes& opcoes) {
    const QString lista = parser.positionalArguments().value(1);
    if (lista.isEmpty() && !parser.isSet(o.clientes)) {
        return erro(QStringLiteral("Informe o arquivo CSV com as linhas \"nome;nascimento\"."));
    }
    if (parser.value(o.saida).isEmpty()) {
        return erro(QStringLiteral("Informe a pasta onde gravar os PDFs (--saida)."));
    }
    const ComandoLote::Datas datas{parser.value(o.hoje), parser.value(o.referencia),
                                   QDate::currentDate()};
    const std::pair<QString, QString> datasDigitadas[] = {
        {datas.hojeTexto, QStringLiteral("--hoje")},
        {datas.referenciaTexto, QStringLiteral("--referencia")}};
    for (const auto& [data, opcao] : datasDigitadas) {
        if (!data.isEmpty() && !EntradaDados::leData(data)) {
            return erro(EntradaDados::mensagemOutraData(opcao));
        }
    }
    const auto relata = [](const QString& linha) { erro(linha); };
    if (!parser.isSet(o.clientes)) {
        return ComandoLote::executa(lista, parser.value(o.saida), datas, opcoes, relata);
    }
    FichaClientes ficha;
    QString falha;
    if (!ficha.abre(opcoes.pasta, FichaClientes::Modo::Leitura, &falha)) {
        return erro(falha);
    }
    const std::vector<Cliente> clientes = ficha.busca(parser.value(o.busca), &falha);
    if (!falha.isEmpty()) {
        return erro(falha);
    }
    return ComandoLote::executaClientes(clientes, parser.value(o.saida), datas, opcoes, relata);
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

int previsoes(const QCommandLineParser& parser, const Opcoes& o, const EntradaCli& entrada,
              const QString& pasta) {
    if (parser.isSet(o.json) && parser.isSet(o.saida)) {
        return erro(QStringLiteral("Use --json ou --saida, não os dois."));
    }
    int ano = 0;
    QString mensagem;
    if (!ComandoPrevisoes::leAno(parser.value(o.ano), entrada.referencia, &ano, &mensagem)) {
        return erro(mensagem);
    }
    if (parser.isSet(o.json)) {
        escreve(stdout, ComandoPrevisoes::json(entrada, ano));
        return 0;
    }
    const RelatorioComposto relatorio =
        RelatorioComposto::de(ComandoPrevisoes::compoe(entrada, ano, pasta));
    if (!parser.isSet(o.saida)) {
        escreve(stdout, relatorio.texto(Configuracao()).toUtf8());
        return 0;
    }
#ifdef VIDALUME_CLI_PDF
    const QString arquivo = parser.value(o.saida);
    const QString sufixo = QFileInfo(arquivo).suffix().toLower();
    if (sufixo != QLatin1String("pdf") && sufixo != QLatin1String("odt")) {
        return erro(QStringLiteral("Informe um arquivo .pdf ou .odt a gravar (--saida)."));
    }
    if (!alvoComum(arquivo)) {
        return recusaAlvo(arquivo);
    }
    const ComandoPdf::Opcoes opcoes{pasta, parser.isSet(o.capa), parser.isSet(o.colorido)};
    QString falha;
    const bool gravou =
        sufixo == QLatin1String("pdf")
            ? ComandoPdf::gera(relatorio, arquivo, opcoes, &falha)
            : ExportacaoOdt::grava(
                  arquivo, relatorio.diagramacao(ComandoPdf::configuracaoDaPasta(opcoes)), &falha);
    return gravou ? 0 : erro(falha, 1);
#else
    return erro(QStringLiteral("Esta versão do programa não gera PDFs."));
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    // Past a file-size limit a write then fails with EFBIG, which is reported like any other
    // failed write, instead of the process dying without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    const auto app = criaAplicacao(pedeDesenho(argc, argv), argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vidalume-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIDALUME_VERSAO));

    // Qt's own texts of the command line (usage, options, errors) in Portuguese.
    QTranslator traducao;
    if (traducao.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&traducao);
    }

    QCommandLineParser parser;
    const Opcoes o;
    o.registra(parser);
    // An unknown option or one without its value is a usage error, like every other one.
    if (!parser.parse(QCoreApplication::arguments())) {
        return erro(parser.errorText() + QStringLiteral(" (veja --help)"));
    }
    parser.process(*app);
    // The analysis comes out whatever texts are missing; what was missing is said after it.
    const int codigo = [&]() -> int {
        const QString comando = parser.positionalArguments().value(0);
        if (comando != QLatin1String("numeros") && comando != QLatin1String("texto") &&
            comando != QLatin1String("clientes") && comando != QLatin1String("copia") &&
            comando != QLatin1String("previsoes") && !desenha(comando) && !estudo(comando)) {
            return erro(QStringLiteral("Comando desconhecido. Use numeros, texto, pdf, odt, lote, "
                                       "clientes, copia, nomes, compatibilidade ou previsoes (veja "
                                       "--help)."));
        }
        QString pasta;
        if (parser.isSet(o.pasta)) {
            pasta = parser.value(o.pasta);
            const QString executavel = QCoreApplication::applicationDirPath();
            if (!PastaDados::portatil(executavel)) {
                PastaDados::usaRecursos(PastaDados::somenteLeitura(executavel));
            }
        } else {
            QString falha;
            const auto local = PastaDados::doPrograma(&falha);
            if (!local) {
                return erro(falha, 1);
            }
            pasta = local->dados;
            PastaDados::usaRecursos(local->recursos);
        }
        if (comando == QLatin1String("clientes")) {
            return clientes(parser, o, pasta);
        }
        if (comando == QLatin1String("copia")) {
            return copia(parser, o, pasta);
        }
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
                            QDate::currentDate(), &entrada, &mensagem) ||
            !entrada.defineReferencia(parser.value(o.referencia), &mensagem) ||
            !entrada.defineInicioAnoPessoal(parser.value(o.inicioAnoPessoal), pasta, &mensagem)) {
            return erro(mensagem);
        }
        if (comando == QLatin1String("previsoes")) {
            return previsoes(parser, o, entrada, pasta);
        }
        if (comando == QLatin1String("numeros")) {
            escreve(stdout, ComandoNumeros::json(entrada, OpcoesMapa::le(pasta).limiteTendencias));
            return 0;
        }
#ifdef VIDALUME_CLI_PDF
        if (comando == QLatin1String("pdf")) {
            return pdf(parser, o, entrada, opcoesPdf);
        }
        if (comando == QLatin1String("odt")) {
            return odt(parser, o, entrada, opcoesPdf);
        }
#endif
        escreve(stdout, ComandoTexto::texto(entrada, pasta).toUtf8());
        return 0;
    }();
    for (const QString& aviso : ArquivoInterpretacao::avisosNovos()) {
        erro(QStringLiteral("Atenção: ") + aviso);
    }
    return codigo;
}
