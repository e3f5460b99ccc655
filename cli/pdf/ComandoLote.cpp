#include "cli/pdf/ComandoLote.h"

#include "cli/comandos/LoteCsv.h"
#include "printing/NomeArquivoPdf.h"
#include "printing/painter/GravacaoPdf.h"
#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vidalume {

namespace {

constexpr int kTentativasDeNome = 1000;

QString semLeitura(const QString& arquivo) {
    const QFileInfo info(arquivo);
    QString motivo = QStringLiteral("não foi possível abrir o arquivo.");
    if (!info.exists()) {
        motivo = QStringLiteral("o arquivo não existe.");
    } else if (info.isDir()) {
        motivo = QStringLiteral("o caminho indica uma pasta, não um arquivo.");
    } else if (!info.isReadable()) {
        motivo = QStringLiteral("você não tem permissão para ler o arquivo.");
    }
    return QStringLiteral("Não foi possível ler a lista \"%1\": %2")
        .arg(QDir::toNativeSeparators(arquivo), motivo);
}

// Whether a new file can be made in the folder; the reason when it cannot.
QString pastaGravavel(const QString& pasta) {
    if (!QDir().mkpath(pasta)) {
        return QStringLiteral("Não foi possível criar a pasta de saída \"%1\".")
            .arg(QDir::toNativeSeparators(pasta));
    }
    GravacaoSegura teste(QDir(pasta).filePath(QStringLiteral("teste.pdf")),
                         GravacaoSegura::Destino::NomeNovo);
    QString motivo;
    if (!teste.abre(&motivo)) {
        return QStringLiteral("Não é possível gravar na pasta de saída \"%1\": %2")
            .arg(QDir::toNativeSeparators(pasta), motivo);
    }
    return {};
}

int contaLinhas(QFile& lista) {
    if (lista.isSequential()) {
        return 0;
    }
    int total = 0;
    LinhaLote linha;
    for (LoteCsv leitor(lista); leitor.proxima(linha);) {
        ++total;
    }
    lista.seek(0);
    return total;
}

QString plural(int n, const char* singular, const char* plural) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singular : plural));
}

} // namespace

bool ComandoLote::geraPdf(const EntradaCli& entrada, const QString& pastaSaida,
                          const ComandoPdf::Opcoes& opcoes, QString* nome, QString* erro) {
    const QString sugestao = NomeArquivoPdf::sugere(entrada.nome, entrada.nascimento);
    GravacaoSegura saida(QDir(pastaSaida).filePath(sugestao), GravacaoSegura::Destino::NomeNovo);
    if (!GravacaoPdf::escreve(saida, ComandoPdf::diagramacao(entrada, opcoes), erro)) {
        return false;
    }
    // The first free name; one taken meanwhile (even by a planted link) is never replaced:
    // the next one is tried.
    QString motivo;
    for (int tentativa = 0; tentativa < kTentativasDeNome; ++tentativa) {
        *nome = QFileInfo(NomeArquivoPdf::livre(pastaSaida, sugestao)).fileName();
        if (saida.conclui(&motivo, *nome)) {
            return true;
        }
        if (!saida.nomeOcupado()) {
            break;
        }
    }
    *erro = GravacaoPdf::naoTerminou(QDir(pastaSaida).filePath(sugestao), motivo);
    return false;
}

int ComandoLote::executa(const QString& arquivoLista, const QString& pastaSaida,
                         const QString& hojeTexto, QDate hojeRelogio,
                         const ComandoPdf::Opcoes& opcoes,
                         const std::function<void(const QString&)>& relata) {
    QFile lista(arquivoLista);
    if (QFileInfo(arquivoLista).isDir() || !lista.open(QIODevice::ReadOnly)) {
        relata(semLeitura(arquivoLista));
        return 2;
    }
    const int total = contaLinhas(lista);
    if (total == 0 && !lista.isSequential()) {
        relata(QStringLiteral("A lista \"%1\" não tem nenhuma linha com nome e data de "
                              "nascimento.")
                   .arg(QDir::toNativeSeparators(arquivoLista)));
        return 2;
    }
    if (const QString falha = pastaGravavel(pastaSaida); !falha.isEmpty()) {
        relata(falha);
        return 2;
    }
    GravacaoSegura::limpaRestos(pastaSaida);

    int gravados = 0;
    int recusadas = 0;
    int n = 0;
    LinhaLote linha;
    for (LoteCsv leitor(lista); leitor.proxima(linha);) {
        ++n;
        const QString progresso =
            total > 0 ? QStringLiteral("%1 de %2").arg(n).arg(total) : QString::number(n);
        QString erro = linha.erro;
        QString arquivo;
        EntradaCli entrada;
        const bool feito =
            erro.isEmpty() &&
            EntradaCli::le(linha.nome, linha.nascimento, hojeTexto, hojeRelogio, &entrada, &erro) &&
            geraPdf(entrada, pastaSaida, opcoes, &arquivo, &erro);
        if (!feito) {
            ++recusadas;
            relata(QStringLiteral("%1 - Linha %2: %3")
                       .arg(progresso, QString::number(linha.numero), erro));
        } else {
            ++gravados;
            relata(QStringLiteral("%1 - %2").arg(progresso, arquivo));
        }
    }
    if (n == 0) {
        relata(QStringLiteral("A lista \"%1\" não tem nenhuma linha com nome e data de "
                              "nascimento.")
                   .arg(QDir::toNativeSeparators(arquivoLista)));
        return 2;
    }
    relata(plural(gravados, "PDF gravado", "PDFs gravados") + QStringLiteral(", ") +
           plural(recusadas, "linha recusada", "linhas recusadas") + u'.');
    if (gravados == 0) {
        return 2;
    }
    return recusadas > 0 ? 1 : 0;
}

} // namespace vidalume
