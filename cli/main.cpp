// vidalume-cli: numbers, text (and later PDFs) of analyses from the command line. Reads the
// program folder (or --pasta) and never writes there.
#include "ComandoNumeros.h"
#include "ComandoTexto.h"
#include "EntradaCli.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>

#include <cstdio>

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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vidalume-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIDALUME_VERSAO));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Números e textos de análises numerológicas da Vidalume.\n\n"
        "Comandos:\n"
        "  numeros   todos os números da análise, em JSON\n"
        "  texto     o texto da análise, como é copiado para a área de transferência"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("comando"), QStringLiteral("numeros ou texto"));
    const QCommandLineOption nome(QStringLiteral("nome"), QStringLiteral("Nome completo."),
                                  QStringLiteral("NOME"));
    const QCommandLineOption nascimento(QStringLiteral("nascimento"),
                                        QStringLiteral("Data de nascimento (dd/mm/aaaa)."),
                                        QStringLiteral("DATA"));
    const QCommandLineOption hoje(QStringLiteral("hoje"),
                                  QStringLiteral("Data da análise (padrão: a data de hoje)."),
                                  QStringLiteral("DATA"));
    const QCommandLineOption pasta(
        QStringLiteral("pasta"),
        QStringLiteral("Pasta dos arquivos de interpretação e configuração (padrão: a pasta do "
                       "programa)."),
        QStringLiteral("PASTA"));
    parser.addOptions({nome, nascimento, hoje, pasta});
    parser.process(app);

    const QStringList posicionais = parser.positionalArguments();
    const QString comando = posicionais.value(0);
    if (comando != QLatin1String("numeros") && comando != QLatin1String("texto")) {
        return erro(QStringLiteral("Comando desconhecido. Use numeros ou texto (veja --help)."));
    }
    QString mensagem;
    const auto entrada = EntradaCli::le(parser.value(nome), parser.value(nascimento),
                                        parser.value(hoje), QDate::currentDate(), &mensagem);
    if (!entrada) {
        return erro(mensagem);
    }
    if (comando == QLatin1String("numeros")) {
        escreve(stdout, ComandoNumeros::json(*entrada));
        return 0;
    }
    const QString folder =
        parser.isSet(pasta) ? parser.value(pasta) : QCoreApplication::applicationDirPath();
    escreve(stdout, ComandoTexto::texto(*entrada, folder).toUtf8());
    return 0;
}
