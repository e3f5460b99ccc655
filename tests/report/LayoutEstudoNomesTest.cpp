// The name study on recording sheets (characters 0.2 mm per point wide, lines 0.4 mm per
// point high; 210 x 297 mm, margins 10, 5, 10, 5).
#include "report/LayoutEstudoNomes.h"
#include "composer/EstudoNomes.h"
#include "report/Relatorio.h"
#include "tests/suporte/FolhasTeste.h"

#include <gtest/gtest.h>

namespace vidalume {
namespace {

Diagramacao estudo(const QStringList& nomes, const QString& texto,
                   const RegrasCalculo& regras = RegrasCalculo::pitagorica()) {
    EstudoNomes e = EstudoNomes::calcula(QStringLiteral("29/11/1978"), nomes, regras);
    for (CandidatoNome& c : e.candidatos) {
        c.textoExpressao = texto.arg(c.nome);
    }
    Diagramacao d;
    d.margens = Margens::tela();
    return e.diagramacao(d);
}

QStringList escritos(const SuperficieTeste& folha) {
    QStringList t;
    for (const auto& d : folha.textos()) {
        t << d.texto;
    }
    return t;
}

// The study ends with the closing paragraph, after the last interpretation.
TEST(LayoutEstudoNomesTest, TabelaEInterpretacoesDosNomesAceitos) {
    Diagramacao d = estudo({"Maria José da Conceição", "Ana", "Brr Kst Lmn"}, "Texto de %1.");
    d.analise.Aviso = QStringLiteral("Aviso final.");
    FolhasTeste folhas;
    EXPECT_EQ(LayoutEstudoNomes(d, 210).dispoe(folhas), 1);
    const QStringList t = escritos(folhas.folha(0));
    EXPECT_EQ(t.indexOf(QStringLiteral("Aviso final.")), t.size() - 1);
    // The header names the study; the table and the texts show the accepted names as typed.
    EXPECT_TRUE(t.contains(EstudoNomes::kTitulo));
    EXPECT_TRUE(t.contains(QStringLiteral("Caminho da Vida: Número 2")));
    for (const char* cabecalho :
         {"Nome", "Expr.", "Alma", "Eu Sil.", "Vogal", "Caract.", "Real.", "Harmonia"}) {
        EXPECT_EQ(t.count(QString::fromUtf8(cabecalho)), 1) << cabecalho;
    }
    EXPECT_EQ(t.count(QStringLiteral("Maria José da Conceição")), 1);
    EXPECT_TRUE(t.contains(QStringLiteral("Maria José da Conceição - Expressão 2")));
    EXPECT_TRUE(t.contains(QStringLiteral("Texto de Maria José da Conceição.")));
    EXPECT_TRUE(t.contains(QStringLiteral("Brr Kst Lmn - Expressão 1")));
    EXPECT_FALSE(t.join(u'|').contains(QStringLiteral("Ana")));
    // A row: the name, its six numbers and the harmony, on one line.
    const auto& textos = folhas.folha(0).textos();
    const auto linha = std::find_if(textos.begin(), textos.end(), [](const auto& x) {
        return x.texto == QStringLiteral("Maria José da Conceição");
    });
    QStringList celulas;
    for (const auto& x : textos) {
        if (qAbs(x.y - linha->y) < 0.01) {
            celulas << x.texto;
        }
    }
    EXPECT_EQ(celulas,
              (QStringList{"2", "5", "6", "A", "2", "4", "Sim", "Maria José da Conceição"}));
}

// In the cabalística school the heading, the columns and the exported text say Destino,
// Motivação, Impressão and Missão.
TEST(LayoutEstudoNomesTest, ColunasPelaEscola) {
    const Diagramacao d = estudo({"Maria José da Conceição"}, "Texto de %1.",
                                 RegrasCalculo::de(EscolaCalculo::Cabalistica));
    FolhasTeste folhas;
    LayoutEstudoNomes(d, 210).dispoe(folhas);
    const QString t = escritos(folhas.folha(0)).join(u'|') + Relatorio::de(d).texto(d);
    for (const char* palavra : {"|Destino: Número 11|", "|Motiv.|", "|Impr.|", "Missão 3"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(palavra))) << palavra;
    }
    EXPECT_FALSE(t.contains(QStringLiteral("Caminho da Vida")) ||
                 t.contains(QStringLiteral("Alma")));
}

// Twenty names with long texts run over pages: the column headings come back on a page the
// table goes on to, every name keeps its place, a name wider than its column wraps
// left-aligned and nothing is drawn below the footer limit.
TEST(LayoutEstudoNomesTest, VariasPaginasSemPerderNomes) {
    QStringList nomes;
    for (int i = 0; i < 20; ++i) {
        nomes << QStringLiteral("Nome Candidato %1 de Souza Albuquerque Cavalcanti")
                     .arg(QChar(u'A' + i));
    }
    const Diagramacao d = estudo(
        nomes, QString(1500, u'x').replace(QStringLiteral("xxxxx"), QStringLiteral("pala ")) +
                   QStringLiteral("%1"));
    FolhasTeste folhas;
    const int paginas = LayoutEstudoNomes(d, 210).dispoe(folhas);
    EXPECT_GT(paginas, 5);
    int titulos = 0;
    for (int p = 0; p < folhas.quantidade(); ++p) {
        for (const auto& x : folhas.folha(p).textos()) {
            titulos += x.texto.contains(QStringLiteral(" - Expressão "));
            if (x.texto.startsWith(QStringLiteral("Nome Candidato"))) {
                EXPECT_NEAR(x.x, 12, 0.01) << x.texto.toStdString();
            }
            // The content ends at the limit (297 - 5 - 20); the footer starts at 280.
            EXPECT_FALSE(x.y > 272 + 0.01 && x.y < 280) << x.texto.toStdString();
        }
    }
    EXPECT_EQ(titulos, 20);
}

} // namespace
} // namespace vidalume
