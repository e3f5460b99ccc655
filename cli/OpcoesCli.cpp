#include "cli/OpcoesCli.h"

#include "cli/TabelaComandos.h"

namespace vidalume {

void OpcoesCli::registra(QCommandLineParser& parser) const {
    parser.setApplicationDescription(TabelaComandos::descricao());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("comando"), TabelaComandos::nomes());
    parser.addOptions(
        {nome, nascimento, hoje, referencia, pasta, saida, capa, colorido, busca, clientes});
    parser.addOptions(
        {nome2, nascimento2, json, ano, escola, inicioAnoPessoal, semClientes, soClientes});
    parser.addOptions({mudancas, sem, maximo});
}

} // namespace vidalume
