// "clientes": the client file of a folder from the command line.
//   importar ARQUIVO.csv   adds the clients of a list (the rows rules of "lote", plus the
//                          columns telefone, email and observacoes a header may name)
//   listar [--busca TEXTO] the clients as a JSON array sorted by name
//   exportar ARQUIVO.csv   every client as a list that "importar" reads back unchanged, readable
//                          by its owner only (it holds the clients' personal data)
#pragma once

#include "clients/Cliente.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace vidalume {

class ComandoClientes {
public:
    // What a command leaves for the caller to print, and its exit status.
    struct Saida {
        QByteArray saida;      // standard output
        QStringList mensagens; // standard error, one line each
        int codigo = 0;
    };

    // Exit 0; 2 when the list cannot be read; 1 when the client file cannot be written.
    static Saida importa(const QString& arquivo, const QString& pasta);
    // Exit 0; 1 when the client file cannot be read (a missing file is an empty list).
    static Saida lista(const QString& busca, const QString& pasta);
    // Exit 0; 1 when the client file cannot be read or the list cannot be written.
    static Saida exporta(const QString& arquivo, const QString& pasta);

    // {"id", "nome", "nascimento", "telefone", "email", "observacoes"} for each client.
    static QByteArray json(const std::vector<Cliente>& clientes);
};

} // namespace vidalume
