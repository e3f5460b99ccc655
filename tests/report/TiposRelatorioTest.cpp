// Each kind of report names itself: window, print job, proposed file and save dialog, and
// the messages after a save agree with its gender and number.
#include "composer/ComporCabalistica.h"
#include "composer/PrevisoesAno.h"
#include "report/Relatorio.h"

#include <gtest/gtest.h>

using namespace vidalume;

namespace {

Diagramacao documento(TipoRelatorio tipo, const QString& nome) {
    Diagramacao d;
    d.tipo = tipo;
    d.NomeAnalise = nome;
    d.DataNascimento = QStringLiteral("29/11/1978");
    return d;
}

} // namespace

TEST(TiposRelatorio, CadaTipoSeNomeia) {
    const Diagramacao analise = documento(TipoRelatorio::Analise, QStringLiteral("ANA LUZ"));
    const Relatorio& a = Relatorio::de(analise);
    EXPECT_EQ(a.tituloJanela(analise),
              QStringLiteral("Relatório de Análise Numerológica — ANA LUZ"));
    EXPECT_EQ(a.nomeTrabalho(analise), QStringLiteral("Análise Numerológica — ANA LUZ"));
    EXPECT_EQ(a.legendaSalvar(QStringLiteral("PDF")), QStringLiteral("Salvar análise em PDF"));
    EXPECT_EQ(a.foi(QStringLiteral("gravad")), QStringLiteral("A análise foi gravada"));

    Diagramacao previsoes = documento(TipoRelatorio::Previsoes, QStringLiteral("ANA LUZ"));
    previsoes.previsoes = PrevisoesAno{};
    previsoes.previsoes->ano = 2027;
    const Relatorio& p = Relatorio::de(previsoes);
    EXPECT_EQ(p.titulo(), QStringLiteral("Previsões do Ano"));
    EXPECT_EQ(p.tituloJanela(previsoes), QStringLiteral("Previsões 2027 — ANA LUZ"));
    EXPECT_EQ(p.baseArquivo(previsoes), QStringLiteral("PREVISOES 2027 ANA LUZ"));
    EXPECT_EQ(p.foi(QStringLiteral("exportad")),
              QStringLiteral("As previsões do ano foram exportadas"));

    const Diagramacao casal =
        documento(TipoRelatorio::Compatibilidade, QStringLiteral("ANA LUZ e RUI REIS"));
    const Relatorio& c = Relatorio::de(casal);
    EXPECT_EQ(c.tituloJanela(casal), QStringLiteral("Compatibilidade — ANA LUZ e RUI REIS"));
    EXPECT_TRUE(c.dataArquivo(casal).isEmpty());

    const Diagramacao estudo = documento(TipoRelatorio::EstudoNomes, QStringLiteral("Estudo"));
    EXPECT_EQ(Relatorio::de(estudo).foi(QStringLiteral("enviad")),
              QStringLiteral("O estudo de nomes foi enviado"));

    const Diagramacao mapa = documento(TipoRelatorio::MapaCabalistico, QStringLiteral("JOSÉ"));
    EXPECT_EQ(Relatorio::de(mapa).titulo(), ComporCabalistica::kTitulo);
    EXPECT_EQ(Relatorio::de(mapa).tituloJanela(mapa),
              QStringLiteral("Mapa Numerológico Cabalístico — JOSÉ"));
}
