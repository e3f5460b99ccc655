#include "cli/ContextoCli.h"

#include "settings/PastaDados.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace vidalume {

void escreve(FILE* destino, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), destino);
    std::fflush(destino);
}

int erro(const QString& mensagem, int codigo) {
    escreve(stderr, (mensagem + u'\n').toUtf8());
    return codigo;
}

int conclui(const ComandoClientes::Saida& s) {
    for (const QString& linha : s.mensagens) {
        erro(linha);
    }
    escreve(stdout, s.saida);
    return s.codigo;
}

bool ContextoCli::leEntrada(EntradaCli* entrada) const {
    QString mensagem;
    if (!EntradaCli::le(parser.value(o.nome), parser.value(o.nascimento), parser.value(o.hoje),
                        QDate::currentDate(), entrada, &mensagem) ||
        !entrada->defineReferencia(parser.value(o.referencia), &mensagem) ||
        !entrada->defineInicioAnoPessoal(parser.value(o.inicioAnoPessoal), pasta, &mensagem) ||
        !entrada->defineEscola(parser.value(o.escola), pasta, &mensagem)) {
        erro(mensagem);
        return false;
    }
    return true;
}

bool ContextoCli::temTextos() const {
    if (!parser.isSet(o.pasta) || !PastaDados::arquivosInterpretacao(pasta).isEmpty()) {
        return true;
    }
    erro(QStringLiteral("A pasta \"%1\" não contém nenhum arquivo de interpretação (.DAT); "
                        "confira o caminho informado em --pasta.")
             .arg(QDir::toNativeSeparators(pasta)));
    return false;
}

bool ContextoCli::alvoPermitido(const QString& arquivo, bool soArquivoComum) const {
    const QFileInfo alvo(arquivo);
    if (soArquivoComum && !alvo.isSymLink() && alvo.exists() && !alvo.isFile()) {
        erro(QStringLiteral("\"%1\" não é um arquivo comum (é uma pasta, um dispositivo ou um "
                            "canal) e não será substituído.")
                 .arg(QDir::toNativeSeparators(arquivo)));
        return false;
    }
    if (PastaDados::arquivoProprio(pasta, arquivo)) {
        erro(PastaDados::recusaProprio(pasta, arquivo));
        return false;
    }
    return true;
}

} // namespace vidalume
