// The commands of vidalume-cli that work on the data folder's files or on many analyses at
// once: the client file, the backup and the batch of PDFs. Each returns the exit code.
#pragma once

#include "cli/ContextoCli.h"

namespace vidalume {

class ComandosPasta {
public:
    // clientes importar ARQUIVO | listar [--busca] | exportar ARQUIVO
    static int clientes(const ContextoCli& c);
    // copia fazer ARQUIVO | restaurar ARQUIVO [--sem-clientes | --so-clientes]
    static int copia(const ContextoCli& c);
    // lote ARQUIVO.csv --saida PASTA | lote --clientes [--busca] --saida PASTA
    static int lote(const ContextoCli& c);
};

} // namespace vidalume
