#include "cli/comandos/ComandoCopia.h"

#include "clients/CopiaCompleta.h"

namespace vidalume {

namespace {

ComandoClientes::Saida recusa(const QString& mensagem, int codigo) {
    ComandoClientes::Saida s;
    s.mensagens << mensagem;
    s.codigo = codigo;
    return s;
}

} // namespace

ComandoClientes::Saida ComandoCopia::faz(const QString& arquivo, const QString& pasta,
                                         const QDateTime& agora) {
    if (arquivo.isEmpty()) {
        return recusa(QStringLiteral("Informe o arquivo .zip da cópia de segurança."), 2);
    }
    QString erro;
    QStringList deixados;
    if (!CopiaCompleta::grava(pasta, arquivo, agora, &erro, &deixados)) {
        return recusa(erro, 1);
    }
    if (!deixados.isEmpty()) {
        return recusa(CopiaCompleta::mensagemGravada(arquivo, deixados), 1);
    }
    ComandoClientes::Saida s;
    s.saida = (CopiaCompleta::mensagemGravada(arquivo) + u'\n').toUtf8();
    return s;
}

ComandoClientes::Saida ComandoCopia::restaura(const QString& arquivo, const QString& pasta,
                                              bool semClientes, bool soClientes,
                                              const QDateTime& agora) {
    if (arquivo.isEmpty()) {
        return recusa(QStringLiteral("Informe o arquivo .zip da cópia de segurança."), 2);
    }
    if (semClientes && soClientes) {
        return recusa(QStringLiteral("Use --sem-clientes ou --so-clientes, não os dois."), 2);
    }
    const auto partes = semClientes  ? CopiaCompleta::Partes::SemClientes
                        : soClientes ? CopiaCompleta::Partes::SoClientes
                                     : CopiaCompleta::Partes::Tudo;
    CopiaCompleta copia(pasta);
    QString erro;
    CopiaCompleta::Resultado r;
    if (!copia.abre(arquivo, &erro) || !copia.restaura(partes, agora, &r, &erro)) {
        return recusa(erro, 1);
    }
    if (!r.ignorados.isEmpty()) {
        return recusa(copia.mensagemRestaurada(r), 1);
    }
    ComandoClientes::Saida s;
    s.saida = (copia.mensagemRestaurada(r) + u'\n').toUtf8();
    return s;
}

} // namespace vidalume
