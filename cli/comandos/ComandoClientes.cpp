#include "cli/comandos/ComandoClientes.h"
#include "cli/comandos/ListaIlegivel.h"

#include "cli/comandos/ValorJson.h"

#include "clients/CsvClientes.h"
#include "clients/FichaClientes.h"
#include "engine/EntradaDados.h"
#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace vidalume {

QByteArray ComandoClientes::json(const std::vector<Cliente>& clientes) {
    QStringList objetos;
    for (const Cliente& c : clientes) {
        const std::pair<const char*, QJsonValue> campos[] = {
            {"id", double(c.id)},
            {"nome", c.nome},
            {"nascimento", EntradaDados::formataData(c.nascimento)},
            {"telefone", c.telefone},
            {"email", c.email},
            {"observacoes", c.observacoes},
        };
        QStringList partes;
        for (const auto& [chave, v] : campos) {
            partes << QStringLiteral("\"%1\": %2").arg(QLatin1String(chave), ValorJson(v));
        }
        objetos << QStringLiteral("  {") + partes.join(QStringLiteral(", ")) + u'}';
    }
    if (objetos.isEmpty()) {
        return "[]\n";
    }
    return ("[\n" + objetos.join(QStringLiteral(",\n")) + "\n]\n").toUtf8();
}

ComandoClientes::Saida ComandoClientes::importa(const QString& arquivo, const QString& pasta) {
    Saida s;
    QFile lista(arquivo);
    if (arquivo.isEmpty()) {
        s.mensagens << QStringLiteral("Informe o arquivo CSV com os clientes.");
        s.codigo = 2;
        return s;
    }
    if (!ListaIlegivel::lista(arquivo) || !lista.open(QIODevice::ReadOnly)) {
        s.mensagens << ListaIlegivel::mensagem(arquivo);
        s.codigo = 2;
        return s;
    }
    FichaClientes ficha;
    QString erro;
    CsvClientes::Resultado r;
    if (!ficha.abre(pasta, FichaClientes::Modo::Escrita, &erro) ||
        !CsvClientes::importa(
            ficha, lista, r, [&s](const QString& linha) { s.mensagens << linha; }, &erro)) {
        s.mensagens << erro;
        s.codigo = 1;
        return s;
    }
    s.saida = (CsvClientes::resumo(r) + u'\n').toUtf8();
    return s;
}

namespace {

// The clients of the folder's file that `busca` finds; false, with the reason and status 1
// in `s`, when the file cannot be read.
bool buscaNaFicha(const QString& pasta, const QString& busca, std::vector<Cliente>& clientes,
                  ComandoClientes::Saida& s) {
    FichaClientes ficha;
    QString erro;
    if (ficha.abre(pasta, FichaClientes::Modo::Leitura, &erro)) {
        clientes = ficha.busca(busca, &erro);
        if (erro.isEmpty()) {
            return true;
        }
    }
    s.mensagens << erro;
    s.codigo = 1;
    return false;
}

} // namespace

ComandoClientes::Saida ComandoClientes::lista(const QString& busca, const QString& pasta) {
    Saida s;
    std::vector<Cliente> clientes;
    if (buscaNaFicha(pasta, busca, clientes, s)) {
        s.saida = json(clientes);
    }
    return s;
}

ComandoClientes::Saida ComandoClientes::exporta(const QString& arquivo, const QString& pasta) {
    Saida s;
    if (arquivo.isEmpty()) {
        s.mensagens << QStringLiteral("Informe o arquivo CSV a gravar.");
        s.codigo = 2;
        return s;
    }
    std::vector<Cliente> clientes;
    QString erro;
    if (buscaNaFicha(pasta, {}, clientes, s) &&
        !GravacaoSegura::grava(arquivo, CsvClientes::exporta(clientes), &erro,
                               GravacaoSegura::Acesso::SoDono)) {
        s.mensagens << erro;
        s.codigo = 1;
    }
    return s;
}

} // namespace vidalume
