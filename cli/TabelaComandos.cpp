#include "cli/TabelaComandos.h"

#include "cli/ComandosAnalise.h"
#include "cli/ComandosPasta.h"

#include <array>

namespace vidalume {

namespace {

using Desenho = TabelaComandos::Desenho;

// The column where the help of each command starts; a longer name has its help on the lines
// below it.
constexpr int kColunaAjuda = 12;

const std::array<TabelaComandos::Comando, 11>& tabela() {
    static const std::array<TabelaComandos::Comando, 11> kComandos = {{
        {"numeros",
         {QStringLiteral("todos os números da análise, em JSON")},
         Desenho::Nunca,
         &ComandosAnalise::numeros},
        {"texto",
         {QStringLiteral("o texto da análise, como é copiado para a área de transferência")},
         Desenho::Nunca,
         &ComandosAnalise::texto},
        {"pdf",
         {QStringLiteral("a análise impressa num arquivo PDF (A4, retrato)")},
         Desenho::Sempre,
         &ComandosAnalise::pdf},
        {"odt",
         {QStringLiteral("a análise num documento de texto (.odt) para editores de texto")},
         Desenho::Sempre,
         &ComandosAnalise::odt},
        {"lote",
         {QStringLiteral("um PDF por linha \"nome;nascimento\" de um arquivo CSV, ou por"),
          QStringLiteral("cliente da ficha:"),
          QStringLiteral("vidalume-cli lote ARQUIVO.csv --saida PASTA"),
          QStringLiteral("vidalume-cli lote --clientes [--busca TEXTO] --saida PASTA")},
         Desenho::Sempre,
         &ComandosPasta::lote},
        {"clientes",
         {QStringLiteral("a ficha de clientes da pasta (clientes.sqlite):"),
          QStringLiteral("vidalume-cli clientes importar ARQUIVO.csv"),
          QStringLiteral("vidalume-cli clientes listar [--busca TEXTO]"),
          QStringLiteral("vidalume-cli clientes exportar ARQUIVO.csv")},
         Desenho::Nunca,
         &ComandosPasta::clientes,
         false},
        {"copia",
         {QStringLiteral("a cópia de segurança da pasta (textos, configurações e ficha de"),
          QStringLiteral("clientes), como no menu do programa:"),
          QStringLiteral("vidalume-cli copia fazer ARQUIVO.zip"),
          QStringLiteral("vidalume-cli copia restaurar ARQUIVO.zip [--sem-clientes | "
                         "--so-clientes]")},
         Desenho::Nunca,
         &ComandosPasta::copia,
         false},
        {"nomes",
         {QStringLiteral("estudo de nomes em JSON: --nascimento DATA --nome A [--nome B ...]")},
         Desenho::Nunca,
         &ComandosAnalise::nomes},
        {"compatibilidade",
         {QStringLiteral("compatibilidade entre duas pessoas: --nome A --nascimento D --nome2 B"),
          QStringLiteral("--nascimento2 E, em texto, em JSON (--json) ou em PDF (--saida)")},
         Desenho::ComSaida,
         &ComandosAnalise::compatibilidade},
        {"previsoes",
         {QStringLiteral("as previsões de um ano mês a mês: --nome N --nascimento D"),
          QStringLiteral("--ano A [--inicio-ano-pessoal janeiro|aniversario], em texto, em"),
          QStringLiteral("JSON (--json), em PDF (--saida F.pdf) ou em .odt (--saida F.odt)")},
         Desenho::ComSaida,
         &ComandosAnalise::previsoes},
        {"assinatura",
         {QStringLiteral("estudo de correção do nome: --nome N --nascimento D [--escola E]"),
          QStringLiteral("[--mudancas 1|2|3] [--sem acentos,dobras,finais,nomes] [--max K],"),
          QStringLiteral("os candidatos em ordem numa tabela, em JSON (--json) ou o estudo dos"),
          QStringLiteral("melhores (até cinco) em PDF (--saida F.pdf) ou em .odt (--saida F.odt)")},
         Desenho::ComSaida,
         &ComandosAnalise::assinatura},
    }};
    return kComandos;
}

} // namespace

std::span<const TabelaComandos::Comando> TabelaComandos::comandos() {
    return tabela();
}

const TabelaComandos::Comando* TabelaComandos::acha(const QString& nome) {
    for (const Comando& c : tabela()) {
        if (nome == QLatin1String(c.nome)) {
            return &c;
        }
    }
    return nullptr;
}

bool TabelaComandos::desenha(const QString& nome, bool comSaida) {
    const Comando* c = acha(nome);
    return c && (c->desenho == Desenho::Sempre || (c->desenho == Desenho::ComSaida && comSaida));
}

QString TabelaComandos::descricao() {
    QString texto = QStringLiteral("Números, textos e PDFs de análises numerológicas da "
                                   "Vidalume.\n\nComandos:");
    const QString margem(kColunaAjuda, u' ');
    for (const Comando& c : tabela()) {
        const QString nome = QStringLiteral("  ") + QLatin1String(c.nome);
        texto += u'\n' + (nome.size() < kColunaAjuda ? nome.leftJustified(kColunaAjuda)
                                                     : nome + u'\n' + margem);
        texto += c.ajuda.join(u'\n' + margem);
    }
    return texto;
}

QString TabelaComandos::nomes() {
    QStringList todos;
    for (const Comando& c : tabela()) {
        todos << QLatin1String(c.nome);
    }
    const QString ultimo = todos.takeLast();
    return todos.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + ultimo;
}

QString TabelaComandos::desconhecido() {
    return QStringLiteral("Comando desconhecido. Use %1 (veja --help).").arg(nomes());
}

} // namespace vidalume
