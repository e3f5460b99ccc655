#include "composer/TextosRepetidos.h"

#include "composer/PartesSecao.h"

#include <array>

namespace vidalume {

namespace {

struct Posicao {
    int secao;
    const char16_t* nome;       // as it follows "como": "quarta Realização"
    const char16_t* doTexto;    // as it follows "o texto": "da primeira Realização"
    const char16_t* acrescenta; // what this position adds to the number's text
};

constexpr std::array<Posicao, 8> kPosicoes = {{
    {8, u"primeira Realização", u"da primeira Realização",
     u"Nesta posição, ele acompanha a juventude, quando se formam as primeiras escolhas."},
    {9, u"segunda Realização", u"da segunda Realização",
     u"Nesta posição, a mesma energia volta nos anos em que as escolhas da juventude "
     u"amadurecem: é a hora de aprofundar o que ele já ensinou."},
    {10, u"terceira Realização", u"da terceira Realização",
     u"Nesta posição, ele acompanha a maturidade: o que foi aprendido com ele pode ser usado "
     u"com mais segurança e servir também a outras pessoas."},
    {11, u"quarta Realização", u"da quarta Realização",
     u"Nesta posição, ele marca a última etapa, que dura o resto da vida: é o tempo de colher "
     u"o que essa vibração ensinou e de vivê-la com serenidade."},
    {12, u"Desafio Maior", u"do Desafio Maior",
     u"Como Desafio Maior, a mesma lição acompanha a vida inteira."},
    {13, u"primeiro Desafio Menor", u"do primeiro Desafio Menor",
     u"Nesta posição, a mesma lição pesa sobretudo na primeira metade da vida, quando é "
     u"sentida com mais força."},
    {14, u"segundo Desafio Menor", u"do segundo Desafio Menor",
     u"Nesta posição, a mesma lição volta sobretudo na segunda metade da vida, agora com a "
     u"experiência acumulada para enfrentá-la."},
    {15, u"Desafio Menor Adicional", u"do Desafio Menor Adicional",
     u"Como Desafio Menor Adicional, ele reforça a mesma lição e pede atenção constante a ela."},
}};

const Posicao* posicao(int k) {
    for (const Posicao& p : kPosicoes) {
        if (p.secao == k) {
            return &p;
        }
    }
    return nullptr;
}

constexpr std::array<std::array<int, 4>, 2> kGrupos = {{{8, 9, 10, 11}, {12, 13, 14, 15}}};

} // namespace

QString TextosRepetidos::paragrafo(int k, int primeira, const QString& numero) {
    const Posicao* p = posicao(k);
    const Posicao* origem = posicao(primeira);
    if (p == nullptr || origem == nullptr) {
        return {};
    }
    return QStringLiteral("O %1 volta como %2: o texto %3, acima, vale também aqui. %4")
        .arg(numero, QString::fromUtf16(p->nome), QString::fromUtf16(origem->doTexto),
             QString::fromUtf16(p->acrescenta));
}

Analise TextosRepetidos::resume(Analise analise, const Configuracao::Selecao& selecao,
                                const OpcoesMapa& opcoes) {
    if (opcoes.textosRepetidosInteiros) {
        return analise;
    }
    for (const auto& grupo : kGrupos) {
        QList<int> mostradas; // the shown entries whose text is printed whole
        for (int k : grupo) {
            if (!PartesSecao::mostrada(analise, selecao, opcoes, k)) {
                continue;
            }
            ItemAnalise& item = analise[k];
            int primeira = 0;
            for (int anterior : mostradas) {
                if (analise[anterior].Texto == item.Texto && !item.Texto.isEmpty()) {
                    primeira = anterior;
                    break;
                }
            }
            if (primeira == 0) {
                mostradas.append(k);
            } else {
                item.Texto = paragrafo(k, primeira, item.Numero);
            }
        }
    }
    return analise;
}

} // namespace vidalume
