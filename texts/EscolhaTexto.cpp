#include "texts/EscolhaTexto.h"

#include "engine/Compatibilidade.h"
#include "texts/TabelaSecoes.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include <QList>

namespace vidalume {

namespace {

bool itemValido(int item) {
    return item >= 1 && item <= TabelaSecoes::kUltima;
}

bool radicalE(int item, const char* radical) {
    return std::strcmp(TabelaSecoes::secao(item).radical, radical) == 0;
}

// The four challenges of life use the numbers 0 to 8; the option 9 stands for the challenge
// 0, whose text is record 1.
bool desafioDaVida(int item) {
    return radicalE(item, "DESVIDA");
}

// The health file holds the counter i (digit + 1), and an analysis shows it under the number
// i, reduced: records 1 to 9 are the numbers 1 to 9 and record 10 (the digit 9, 10 reduced)
// is shown as a second number 1. The option 0 stands for that record.
bool saude(int item) {
    return radicalE(item, "INDSAUDE");
}
constexpr int kRegistroSaudeDoNove = 10;

// The first-vowel file holds one record per vowel code, A 1 to Y 6.
bool primeiraVogal(int item) {
    return radicalE(item, "INTVOG");
}
constexpr int kMaiorCodigoVogal = 6;

// The karmic debts file holds the debts 13, 14, 16 and 19 in records 1 to 4, chosen by the
// options 1 to 4.
bool dividas(int item) {
    return radicalE(item, "DIVCARM");
}
constexpr int kDividas[] = {13, 14, 16, 19};

} // namespace

const QString EscolhaTexto::kTituloCompatibilidade =
    QStringLiteral("Compatibilidade entre duas pessoas");
const QString EscolhaTexto::kTituloAviso = QStringLiteral("Aviso ao final de cada estudo");

const QString EscolhaTexto::kSemCabecalho = QStringLiteral(
    "Desculpe mas não há cabeçalho referente ao item selecionado. Impossível continuar.");

bool EscolhaTexto::numeroDisponivel(int item, int numero) {
    if (!itemValido(item) || numero < kMenorNumero || numero > kMaiorNumero ||
        TabelaSecoes::arquivo(item).isEmpty()) {
        return false;
    }
    if (numero == 0) {
        // Sections whose records start at the number 0 (record = number + 1), except the
        // challenges of life, which reach their 0 through the option 9.
        return TabelaSecoes::secao(item).deslocamentoRegistro == 1 && !desafioDaVida(item);
    }
    if (primeiraVogal(item)) {
        return numero <= kMaiorCodigoVogal;
    }
    if (dividas(item)) {
        return numero <= int(std::size(kDividas));
    }
    return true;
}

int EscolhaTexto::registro(int item, int numero) {
    if (desafioDaVida(item) && numero == kMaiorNumero) {
        return 1;
    }
    if (saude(item)) {
        return numero == 0 ? kRegistroSaudeDoNove : numero;
    }
    return numero + TabelaSecoes::secao(item).deslocamentoRegistro;
}

std::optional<TextoEscolhido> EscolhaTexto::interpretacao(int item, int numero) {
    if (!numeroDisponivel(item, numero)) {
        return std::nullopt;
    }
    const QString titulo = QString::fromUtf16(TabelaSecoes::secao(item).titulo);
    return TextoEscolhido{
        TabelaSecoes::arquivo(item),
        registro(item, numero),
        QStringLiteral("Texto referente ao cálculo ") + titulo +
            QStringLiteral("\r\nVocê está alterando a interpretação do número ") +
            (saude(item) && numero == 0
                 ? QStringLiteral("1 (quando o 9 é o algarismo que mais se repete)")
                 : QString::number(dividas(item) ? kDividas[numero - 1] : numero)),
    };
}

QString EscolhaTexto::legenda(int item, int numero) {
    static const char16_t* const kVogais[] = {u"a", u"e", u"i", u"o", u"u", u"y"};
    if (itemValido(item) && saude(item) && numero == 0) {
        return QStringLiteral("Número 1 (vindo do 9)");
    }
    if (itemValido(item) && dividas(item) && numero >= 1 && numero <= int(std::size(kDividas))) {
        return QStringLiteral("Dívida %1").arg(kDividas[numero - 1]);
    }
    if (numero >= 1 && numero <= kMaiorCodigoVogal) {
        return QStringLiteral("Número %1 (ou \"%2\")")
            .arg(numero)
            .arg(QString::fromUtf16(kVogais[numero - 1]));
    }
    return QStringLiteral("Número %1").arg(numero);
}

std::optional<TextoEscolhido> EscolhaTexto::cabecalho(int item) {
    if (!itemValido(item) || TabelaSecoes::secao(item).grupoExplicacao == 0) {
        return std::nullopt;
    }
    const SecaoAnalise& secao = TabelaSecoes::secao(item);
    return TextoEscolhido{
        TabelaSecoes::arquivoExplicacao(item),
        secao.grupoExplicacao,
        QStringLiteral("Texto referente ao cabeçalho do cálculo ") +
            QString::fromUtf16(secao.titulo),
    };
}

namespace {

// The pairs a <= b of 1 to 9 in the order of the options: 1-1, 1-2, ..., 9-9.
QList<std::pair<int, int>> pares() {
    QList<std::pair<int, int>> lista;
    for (int a = 1; a <= 9; ++a) {
        for (int b = a; b <= 9; ++b) {
            lista.append({a, b});
        }
    }
    return lista;
}

} // namespace

QStringList EscolhaTexto::paresCompatibilidade() {
    QStringList legendas;
    for (const auto& [a, b] : pares()) {
        legendas << QStringLiteral("%1 e %2").arg(a).arg(b);
    }
    return legendas;
}

std::optional<TextoEscolhido> EscolhaTexto::compatibilidadeDaOpcao(int opcao) {
    const auto lista = pares();
    if (opcao < 1 || opcao > lista.size()) {
        return std::nullopt;
    }
    return compatibilidade(lista[opcao - 1].first, lista[opcao - 1].second);
}

std::optional<TextoEscolhido> EscolhaTexto::compatibilidade(int a, int b) {
    const int registro = Compatibilidade::registroPar(a, b);
    if (registro == 0) {
        return std::nullopt;
    }
    return TextoEscolhido{
        TabelaSecoes::kArquivoCompatibilidade,
        registro,
        QStringLiteral("Texto referente à ") + kTituloCompatibilidade +
            QStringLiteral("\r\nVocê está alterando o texto do par %1 e %2")
                .arg(std::min(a, b))
                .arg(std::max(a, b)),
    };
}

TextoEscolhido EscolhaTexto::aviso() {
    return TextoEscolhido{
        TabelaSecoes::kArquivoAviso,
        1,
        QStringLiteral("Texto referente ao ") + kTituloAviso +
            QStringLiteral("\r\nVocê está alterando o parágrafo que encerra toda análise, "
                           "leitura de compatibilidade e estudo de nomes"),
    };
}

} // namespace vidalume
