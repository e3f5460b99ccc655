#include "ComandoLote.h"

#include "LoteCsv.h"
#include "NomeArquivoPdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vidalume {

QString ComandoLote::geraLinha(const EntradaCli& entrada, const QString& pastaSaida,
                               const ComandoPdf::Opcoes& opcoes, QString* erro) {
    const QString sugestao = NomeArquivoPdf::sugere(entrada.nome, entrada.nascimento);
    // The file is claimed before it is written, so two lines of the same person (or a file
    // made meanwhile) never share a name.
    QFile reserva;
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        reserva.setFileName(NomeArquivoPdf::livre(pastaSaida, sugestao));
        if (reserva.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            break;
        }
        if (!QFileInfo::exists(reserva.fileName())) {
            *erro = QStringLiteral("Não foi possível criar o arquivo \"%1\": %2")
                        .arg(QDir::toNativeSeparators(reserva.fileName()), reserva.errorString());
            return {};
        }
    }
    if (!reserva.isOpen()) {
        *erro =
            QStringLiteral("Não foi possível escolher um nome livre para \"%1\".").arg(sugestao);
        return {};
    }
    reserva.close();
    const QString falha = ComandoPdf::gera(entrada, reserva.fileName(), opcoes);
    if (!falha.isEmpty()) {
        reserva.remove();
        *erro = falha;
        return {};
    }
    return QFileInfo(reserva.fileName()).fileName();
}

int ComandoLote::executa(const QString& arquivoLista, const QString& pastaSaida,
                         const QString& hojeTexto, QDate hojeRelogio,
                         const ComandoPdf::Opcoes& opcoes,
                         const std::function<void(const QString&)>& relata) {
    QFile lista(arquivoLista);
    if (!lista.open(QIODevice::ReadOnly)) {
        relata(QStringLiteral("Não foi possível ler a lista \"%1\": %2")
                   .arg(QDir::toNativeSeparators(arquivoLista), lista.errorString()));
        return 2;
    }
    const QList<LinhaLote> linhas = LoteCsv::linhas(LoteCsv::decodifica(lista.readAll()));
    if (!QDir().mkpath(pastaSaida)) {
        relata(QStringLiteral("Não foi possível criar a pasta de saída \"%1\".")
                   .arg(QDir::toNativeSeparators(pastaSaida)));
        return 2;
    }
    int falhas = 0;
    const qsizetype total = linhas.size();
    for (qsizetype i = 0; i < total; ++i) {
        const LinhaLote& linha = linhas[i];
        const QString progresso = QStringLiteral("%1 de %2").arg(i + 1).arg(total);
        QString erro = linha.erro;
        QString arquivo;
        if (erro.isEmpty()) {
            if (const auto entrada =
                    EntradaCli::le(linha.nome, linha.nascimento, hojeTexto, hojeRelogio, &erro)) {
                arquivo = geraLinha(*entrada, pastaSaida, opcoes, &erro);
            }
        }
        if (arquivo.isEmpty()) {
            ++falhas;
            relata(QStringLiteral("%1 - Linha %2: %3")
                       .arg(progresso, QString::number(linha.numero), erro));
        } else {
            relata(QStringLiteral("%1 - %2").arg(progresso, arquivo));
        }
    }
    return falhas > 0 ? 1 : 0;
}

} // namespace vidalume
