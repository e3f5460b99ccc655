// The spellings proposed for a name correction and the order they are shown in.
#include "composer/CorrecaoNome.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSet>

using namespace vidalume;
using Tipo = MudancaNome::Tipo;

namespace {

const RegrasCalculo kCabalistica = RegrasCalculo::de(EscolaCalculo::Cabalistica);
const RegrasCalculo kPitagorica = RegrasCalculo::pitagorica();

CandidatosNome::Opcoes profundidade(int n) {
    CandidatosNome::Opcoes o;
    o.profundidade = n;
    return o;
}

CorrecaoNome::Pedido pedido(const char* nome, const char* data, const RegrasCalculo& regras) {
    CorrecaoNome::Pedido p;
    p.nome = QString::fromUtf8(nome);
    p.nascimento = QString::fromLatin1(data);
    p.regras = regras;
    return p;
}

// Every candidate is its changes applied to the original, pairwise compatible, within the
// depth, spelled once and never the original.
void confereCandidatos(const CandidatosNome::Resultado& r, int profundidade) {
    QSet<QString> vistos{r.original};
    for (const CandidatoGerado& c : r.candidatos) {
        ASSERT_FALSE(vistos.contains(c.nome)) << qPrintable(c.nome);
        vistos.insert(c.nome);
        ASSERT_GE(c.mudancas.size(), 1);
        ASSERT_LE(c.mudancas.size(), profundidade);
        EXPECT_EQ(CandidatosNome::aplica(r.original, c.mudancas), c.nome);
        for (qsizetype i = 0; i < c.mudancas.size(); ++i) {
            for (qsizetype j = i + 1; j < c.mudancas.size(); ++j) {
                EXPECT_TRUE(CandidatosNome::compativeis(r.original, c.mudancas[i], c.mudancas[j]));
            }
        }
    }
}

} // namespace

TEST(CandidatosNome, SoAsMudancasPermitidas) {
    // ANA CRUZ: four marks on each A, Ç, Ú; seven letters to double; four finals per word,
    // less ANA + A, which spells the doubled last A again.
    const auto r =
        CandidatosNome::gera(QStringLiteral("  Ana   Cruz "), profundidade(1), kCabalistica);
    EXPECT_EQ(r.original, QStringLiteral("ANA CRUZ"));
    QMap<Tipo, int> porTipo;
    for (const CandidatoGerado& c : r.candidatos) {
        porTipo[c.mudancas.first().tipo] += 1;
    }
    EXPECT_EQ(porTipo,
              (QMap<Tipo, int>{
                  {Tipo::Acento, 9}, {Tipo::Cedilha, 1}, {Tipo::Dobra, 7}, {Tipo::Final, 7}}));
    confereCandidatos(r, 1);

    // Marks count nothing in the pitagórica school: none is proposed there.
    for (const MudancaNome& m :
         CandidatosNome::possiveis(r.original, CandidatosNome::Opcoes{}, kPitagorica)) {
        EXPECT_TRUE(m.tipo != Tipo::Acento && m.tipo != Tipo::Cedilha);
    }

    // Middle names are dropped or made initials; particles are left alone; no triple letter.
    const QString original =
        CandidatosNome::original(QStringLiteral("Maria de Lourdes Anna Souza"));
    const auto nomes = CandidatosNome::gera(original, profundidade(2), kCabalistica);
    confereCandidatos(nomes, 2);
    QSet<QString> grafias;
    for (const CandidatoGerado& c : nomes.candidatos) {
        grafias.insert(c.nome);
        EXPECT_FALSE(c.nome.contains(QStringLiteral("NNN")));
        EXPECT_TRUE(c.nome.contains(QStringLiteral(" DE "))) << qPrintable(c.nome);
    }
    EXPECT_TRUE(grafias.contains(QStringLiteral("MARIA DE SOUZA")));
    EXPECT_TRUE(grafias.contains(QStringLiteral("MARIA DE L. A. SOUZA")));
    const QList<MudancaNome> retira{{Tipo::Nome, 10, QChar()}, {Tipo::Final, 27, u'H'}};
    EXPECT_EQ(CandidatosNome::marcado(CandidatosNome::trechos(original, retira)),
              QStringLiteral("MARIA DE [-LOURDES] ANNA SOUZA[H]"));

    // The user's own candidates come after, once, and never the original.
    CandidatosNome::Opcoes proprios = profundidade(1);
    proprios.proprios = {QStringLiteral("Anna Cruz"), QStringLiteral("ana cruz"),
                         QStringLiteral("Ana Krus")};
    const auto r2 = CandidatosNome::gera(QStringLiteral("Ana Cruz"), proprios, kCabalistica);
    ASSERT_EQ(r2.candidatos.size(), r.candidatos.size() + 1);
    EXPECT_EQ(r2.candidatos.last().nome, QStringLiteral("ANA KRUS"));
    EXPECT_EQ(r2.candidatos.last().totalMudancas, 2);
    EXPECT_EQ(std::count_if(r2.candidatos.cbegin(), r2.candidatos.cend(),
                            [](const CandidatoGerado& c) { return c.proprio; }),
              2);
}

TEST(CandidatosNome, NomeLongoFicaNoLimite) {
    const QString nome = QStringLiteral("Maria Aparecida Conceicao Fernandes Albuquerque "
                                        "Cavalcanti Bezerra");
    ASSERT_GE(nome.size(), 60);
    const auto lista = CandidatosNome::possiveis(CandidatosNome::original(nome), {}, kCabalistica);
    const qsizetype n = lista.size();
    const auto r = CandidatosNome::gera(nome, profundidade(2), kCabalistica);
    EXPECT_TRUE(r.completo);
    EXPECT_LE(r.candidatos.size(), n + n * (n - 1) / 2);
    confereCandidatos(r, 2);

    CandidatosNome::Opcoes curto = profundidade(3);
    curto.maximo = 500;
    const auto cortado = CandidatosNome::gera(nome, curto, kCabalistica);
    EXPECT_FALSE(cortado.completo);
    EXPECT_EQ(cortado.candidatos.size(), 500);
}

TEST(CorrecaoNome, OrdemDosCriterios) {
    // Each pair differs in one criterion and agrees on those before it.
    AvaliacaoNome base;
    base.nome = QStringLiteral("B");
    base.harmonia = Harmonia::Favoravel;
    const auto com = [&base](auto muda) {
        AvaliacaoNome a = base;
        muda(a);
        return a;
    };
    const AvaliacaoNome sequencia = com([](AvaliacaoNome& a) { a.totalSequencias = 1; });
    const AvaliacaoNome neutra = com([](AvaliacaoNome& a) { a.harmonia = Harmonia::Neutra; });
    const AvaliacaoNome divida = com([](AvaliacaoNome& a) { a.dividas = {16}; });
    const AvaliacaoNome mudancas = com([](AvaliacaoNome& a) { a.totalMudancas = 2; });
    const AvaliacaoNome licoes = com([](AvaliacaoNome& a) { a.licoes = {4}; });
    const AvaliacaoNome alfabeto = com([](AvaliacaoNome& a) { a.nome = QStringLiteral("Á"); });

    const auto c = EscolaCalculo::Cabalistica;
    EXPECT_TRUE(CorrecaoNome::antes(com([](AvaliacaoNome& a) { a.harmonia = Harmonia::Neutra; }),
                                    sequencia, c));
    EXPECT_TRUE(CorrecaoNome::antes(base, neutra, c));
    EXPECT_TRUE(CorrecaoNome::antes(neutra, com([](AvaliacaoNome& a) {
                                        a.harmonia = Harmonia::Neutra;
                                        a.dividas = {13};
                                    }),
                                    c));
    EXPECT_TRUE(CorrecaoNome::antes(mudancas, divida, c));
    EXPECT_TRUE(CorrecaoNome::antes(licoes, mudancas, c));
    EXPECT_TRUE(CorrecaoNome::antes(base, licoes, c));
    EXPECT_TRUE(CorrecaoNome::antes(alfabeto, base, c)); // Á files with A
    EXPECT_FALSE(CorrecaoNome::antes(base, base, c));
    // The pitagórica school has no triangles: sequences do not order it.
    EXPECT_TRUE(CorrecaoNome::antes(sequencia, neutra, EscolaCalculo::Pitagorica));
}

TEST(CorrecaoNome, OriginalMarcadoEMelhorComDuasMudancas) {
    const CorrecaoNome r = CorrecaoNome::calcula(pedido("Caio Nunes", "03/04/1990", kPitagorica));
    ASSERT_FALSE(r.cancelado);
    EXPECT_EQ(std::count_if(r.candidatos.cbegin(), r.candidatos.cend(),
                            [](const AvaliacaoNome& a) { return a.original; }),
              1);
    const AvaliacaoNome& original = r.candidatos[r.indiceOriginal()];
    EXPECT_EQ(original.nome, QStringLiteral("CAIO NUNES"));
    EXPECT_TRUE(original.mudancas.isEmpty());
    for (qsizetype i = 0; i + 1 < r.candidatos.size(); ++i) {
        ASSERT_FALSE(CorrecaoNome::antes(r.candidatos[i + 1], r.candidatos[i], r.escola));
    }
    // Every single change leaves the name worse than the original; two change it for the
    // better.
    const AvaliacaoNome& melhor = r.candidatos.first();
    EXPECT_EQ(melhor.marcado, QStringLiteral("CAIO[H] NUNES[Y]"));
    EXPECT_EQ(melhor.totalMudancas, 2);
    EXPECT_TRUE(melhor.favoravel() && melhor.semDividas());
    EXPECT_TRUE(r.melhora());
}

TEST(CorrecaoNome, NadaAMelhorarEDitoClaramente) {
    const CorrecaoNome r = CorrecaoNome::calcula(pedido("Caio Nunes", "15/08/1985", kCabalistica));
    ASSERT_FALSE(r.candidatos.isEmpty());
    EXPECT_TRUE(r.candidatos.first().original);
    EXPECT_TRUE(r.candidatos.first().semSequencias());
    EXPECT_FALSE(r.melhora());
    EXPECT_TRUE(r.conclusao().startsWith(QStringLiteral("Nenhum candidato melhora o nome")));
    EXPECT_TRUE(r.explicacaoOrdem().contains(QStringLiteral("sequências negativas")));
    // Which sequences a candidate has is found again from its triangles, as many as counted.
    const auto com = std::find_if(r.candidatos.cbegin(), r.candidatos.cend(),
                                  [](const AvaliacaoNome& a) { return a.totalSequencias > 0; });
    ASSERT_NE(com, r.candidatos.cend());
    EXPECT_EQ(r.sequencias(*com).size(), com->totalSequencias);
    EXPECT_TRUE(r.textoSequencias(*com).contains(QStringLiteral(" linha")));
}

TEST(CorrecaoNome, CancelarParaOCalculo) {
    std::atomic<bool> cancelar = false;
    int avisos = 0;
    const CorrecaoNome r = CorrecaoNome::calcula(
        pedido("Maria Aparecida Souza Lima Rocha", "22/11/1972", kCabalistica), &cancelar,
        [&](int feitos, int total) {
            ++avisos;
            EXPECT_LT(feitos, total);
            cancelar = true;
        });
    EXPECT_TRUE(r.cancelado);
    EXPECT_TRUE(r.candidatos.isEmpty());
    EXPECT_EQ(avisos, 1);
}
