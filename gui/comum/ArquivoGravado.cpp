#include "gui/comum/ArquivoGravado.h"

#include "gui/comum/Mensagens.h"

#include <QDir>
#include <QFileInfo>

namespace vidalume {

namespace {

// Enter only acknowledges: opening a file is asked for with its own key.
constexpr int kBotaoOk = 2;

} // namespace

const QString ArquivoGravado::kAbrirArquivo = QStringLiteral("&Abrir o arquivo");
const QString ArquivoGravado::kAbrirPasta = QStringLiteral("Abrir a &pasta");
const QString ArquivoGravado::kOk = QStringLiteral("&OK");

void ArquivoGravado::avisa(QWidget* pai, Mensagens& mensagens, const QString& oQue,
                           const QString& arquivo, const AbreEndereco& abre) {
    const QString caminho = QFileInfo(arquivo).absoluteFilePath();
    const int escolha = mensagens.escolhe(
        pai, QStringLiteral("Informação:"),
        QStringLiteral("%1 em:\n\n%2").arg(oQue, QDir::toNativeSeparators(caminho)),
        Mensagens::Icone::Informacao, {kAbrirArquivo, kAbrirPasta, kOk}, kBotaoOk);
    if (escolha != 0 && escolha != 1) {
        return;
    }
    const QString alvo = escolha == 0 ? caminho : QFileInfo(caminho).absolutePath();
    if (!abre || !abre(QUrl::fromLocalFile(alvo))) {
        mensagens.informa(pai, QStringLiteral("Atenção:"), naoAbriu(alvo),
                          Mensagens::Icone::Exclamacao);
    }
}

QString ArquivoGravado::naoAbriu(const QString& caminho) {
    return QStringLiteral("Nenhum programa do sistema abriu \"%1\". Abra-o pelo gerenciador de "
                          "arquivos.")
        .arg(QDir::toNativeSeparators(caminho));
}

} // namespace vidalume
