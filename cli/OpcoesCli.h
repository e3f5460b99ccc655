// The options of vidalume-cli, one parser for every command: each command reads the ones it
// needs and the help lists them all.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

namespace vidalume {

struct OpcoesCli {
    QCommandLineOption nome{QStringLiteral("nome"), QStringLiteral("Nome completo."),
                            QStringLiteral("NOME")};
    QCommandLineOption nascimento{QStringLiteral("nascimento"),
                                  QStringLiteral("Data de nascimento (dd/mm/aaaa)."),
                                  QStringLiteral("DATA")};
    QCommandLineOption hoje{QStringLiteral("hoje"),
                            QStringLiteral("Data da análise (padrão: a data de hoje)."),
                            QStringLiteral("DATA")};
    QCommandLineOption referencia{
        QStringLiteral("referencia"),
        QStringLiteral("Data das previsões: anos, meses e dias universais e pessoais (padrão: "
                       "a data de hoje)."),
        QStringLiteral("DATA")};
    QCommandLineOption busca{QStringLiteral("busca"),
                             QStringLiteral("clientes listar, lote --clientes: só os clientes "
                                            "cujo nome contém estas palavras."),
                             QStringLiteral("TEXTO")};
    QCommandLineOption clientes{QStringLiteral("clientes"),
                                QStringLiteral("lote: um PDF para cada cliente da ficha.")};
    QCommandLineOption pasta{
        QStringLiteral("pasta"),
        QStringLiteral("Pasta dos arquivos de interpretação e configuração (padrão: a mesma do "
                       "programa Vidalume, em geral ~/.local/share/Vidalume)."),
        QStringLiteral("PASTA")};
    QCommandLineOption saida{
        QStringLiteral("saida"),
        QStringLiteral("pdf, odt: o arquivo a gravar; lote: a pasta onde gravar os PDFs."),
        QStringLiteral("CAMINHO")};
    QCommandLineOption capa{QStringLiteral("capa"),
                            QStringLiteral("pdf, lote: imprime a folha de rosto.")};
    QCommandLineOption colorido{QStringLiteral("colorido"),
                                QStringLiteral("pdf: imprime em cores (padrão: preto e branco).")};
    QCommandLineOption nome2{QStringLiteral("nome2"),
                             QStringLiteral("compatibilidade: nome completo da segunda pessoa."),
                             QStringLiteral("NOME")};
    QCommandLineOption nascimento2{
        QStringLiteral("nascimento2"),
        QStringLiteral("compatibilidade: data de nascimento da segunda pessoa."),
        QStringLiteral("DATA")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("compatibilidade: os números e os aspectos em JSON; "
                                           "previsoes: os números de cada dia em JSON; "
                                           "assinatura: os candidatos em JSON.")};
    QCommandLineOption mudancas{
        QStringLiteral("mudancas"),
        QStringLiteral("assinatura: quantas mudanças cada candidato pode ter: 1, 2 ou 3 "
                       "(padrão: 2)."),
        QStringLiteral("N")};
    QCommandLineOption sem{QStringLiteral("sem"),
                           QStringLiteral("assinatura: as mudanças que ficam de fora, separadas "
                                          "por vírgulas: acentos, dobras, finais, nomes."),
                           QStringLiteral("LISTA")};
    QCommandLineOption maximo{QStringLiteral("max"),
                              QStringLiteral("assinatura: quantos candidatos mostrar, além do "
                                             "nome original (padrão: 20)."),
                              QStringLiteral("K")};
    QCommandLineOption ano{QStringLiteral("ano"),
                           QStringLiteral("previsoes: o ano das previsões, de 1900 a 2100 "
                                          "(padrão: o ano da data das previsões)."),
                           QStringLiteral("ANO")};
    QCommandLineOption escola{
        QStringLiteral("escola"),
        QStringLiteral("Escola de cálculo: pitagorica ou cabalistica (padrão: a escolhida em "
                       "\"Cálculos e opções\")."),
        QStringLiteral("ESCOLA")};
    QCommandLineOption inicioAnoPessoal{
        QStringLiteral("inicio-ano-pessoal"),
        QStringLiteral("Quando começa o ano pessoal: janeiro ou aniversario (padrão: a "
                       "configuração da pasta)."),
        QStringLiteral("REGRA")};
    QCommandLineOption semClientes{
        QStringLiteral("sem-clientes"),
        QStringLiteral("copia restaurar: só os textos e as configurações; a ficha de clientes "
                       "fica como está.")};
    QCommandLineOption soClientes{
        QStringLiteral("so-clientes"),
        QStringLiteral("copia restaurar: só a ficha de clientes; os textos e as configurações "
                       "ficam como estão.")};

    // Registers the options, help and version with `parser`; the description and the list of
    // commands come from the table of commands.
    void registra(QCommandLineParser& parser) const;
};

} // namespace vidalume
