// The harmony of two numbers, the record of a pair text, the couple reading composed from
// the shipped texts and the name study's numbers.
#include "engine/Compatibilidade.h"
#include "composer/EstudoNomes.h"
#include "composer/LeituraCasal.h"
#include "composer/TextoExportacao.h"
#include "texts/EscolhaTexto.h"

#include <gtest/gtest.h>

using namespace vidalume;

// Two numbers are in harmony when equal or in one of the groups 1 5 7, 2 4 8, 3 6 9; 0 and
// anything past 9 with none.
TEST(Compatibilidade, HarmoniaPorGruposEZeroComNada) {
    const std::tuple<int, int, bool> casos[] = {{1, 7, true},  {8, 2, true},  {6, 9, true},
                                                {4, 4, true},  {1, 2, false}, {3, 5, false},
                                                {0, 0, false}, {0, 3, false}, {10, 1, false}};
    for (const auto& [a, b, harmonia] : casos) {
        EXPECT_EQ(Compatibilidade::emHarmonia(a, b), harmonia) << a << "-" << b;
        EXPECT_EQ(Compatibilidade::emHarmonia(b, a), harmonia) << b << "-" << a;
    }
}

// Over all 81 ordered pairs: both orders give one record, the unordered pairs fill 1 to 45
// once each in the order 1-1, 1-2, ..., 9-9, and the editor opens that record for the pair.
TEST(Compatibilidade, RegistroDeCadaParNasDuasOrdens) {
    int esperado = 0;
    const QStringList opcoes = EscolhaTexto::paresCompatibilidade();
    ASSERT_EQ(opcoes.size(), 45);
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            const int r = Compatibilidade::registroPar(a, b);
            EXPECT_EQ(r, Compatibilidade::registroPar(b, a));
            if (a <= b) {
                EXPECT_EQ(r, ++esperado) << a << "-" << b;
                // A faulty formula fails here instead of reading outside the list.
                ASSERT_TRUE(r >= 1 && r <= opcoes.size()) << a << "-" << b << ": " << r;
                EXPECT_EQ(opcoes[r - 1], QStringLiteral("%1 e %2").arg(a).arg(b));
                const auto alvo = EscolhaTexto::compatibilidadeDaOpcao(r);
                ASSERT_TRUE(alvo);
                EXPECT_EQ(alvo->arquivo, QStringLiteral("COMPATIB.DAT"));
                EXPECT_EQ(alvo->registro, r);
            }
        }
    }
    for (const auto& [a, b] : {std::pair{0, 1}, {1, 0}, {10, 1}, {0, 0}}) {
        EXPECT_EQ(Compatibilidade::registroPar(a, b), 0);
        EXPECT_FALSE(EscolhaTexto::compatibilidade(a, b));
    }
    EXPECT_FALSE(EscolhaTexto::compatibilidadeDaOpcao(0));
    EXPECT_FALSE(EscolhaTexto::compatibilidadeDaOpcao(46));
}

// Maria (life path 2, expression 2, soul urge 5) and Brr Kst Lmn (8, 1, no vowels).
TEST(LeituraCasal, SecoesDaLeituraComOsTextosDosPares) {
    const ArquivoInterpretacao arquivos(VIDALUME_DADOS_TESTE);
    const LeituraCasal l =
        LeituraCasal::calcula("MARIA JOSE DA CONCEICAO", "29/11/1978", "BRR KST LMN", "03/05/1980");
    EXPECT_EQ(l.aspectos[0].numeros, (std::array<int, 2>{2, 8}));
    EXPECT_EQ(l.aspectos[1].numeros, (std::array<int, 2>{2, 1}));
    EXPECT_EQ(l.aspectos[2].numeros, (std::array<int, 2>{5, 0}));
    EXPECT_EQ(l.aspectos[0].registro, 16);
    EXPECT_EQ(l.aspectos[1].registro, 2);
    EXPECT_EQ(l.aspectos[2].registro, 0);
    EXPECT_EQ(l.emHarmonia(), 1);

    const RelatorioComposto r = l.compoe(arquivos);
    EXPECT_EQ(r.NomeAnalise, QStringLiteral("MARIA JOSE DA CONCEICAO e BRR KST LMN"));
    // Any two people, not only a couple.
    EXPECT_EQ(r.analise[1].Titulo, QStringLiteral("Compatibilidade: os Números de Cada Pessoa"));
    for (int k = 1; k <= 28; ++k) {
        EXPECT_EQ(Configuracao::ligado(r.selecao[k]), k <= 5) << k;
    }
    EXPECT_TRUE(r.analise[1].Texto.contains("MARIA JOSE DA CONCEICAO (29/11/1978): Caminho da "
                                            "Vida 2, Expressão 2 e Impulso da Alma 5."));
    EXPECT_EQ(r.analise[2].Titulo, QStringLiteral("Caminho da Vida: 2 e 8"));
    EXPECT_EQ(r.analise[2].Descricao, LeituraCasal::kExplicacaoCaminhoDaVida);
    EXPECT_TRUE(r.analise[2].Texto.startsWith("Os números 2 e 8 estão em harmonia"));
    EXPECT_TRUE(r.analise[2].Texto.endsWith(arquivos.LeTextoInterpretacao(16, "COMPATIB.DAT")));
    EXPECT_TRUE(r.analise[3].Texto.contains("não estão em harmonia"));
    EXPECT_TRUE(r.analise[3].Texto.endsWith(arquivos.LeTextoInterpretacao(2, "COMPATIB.DAT")));
    // The soul urge of a name without vowels has no record: the section says so.
    EXPECT_TRUE(r.analise[4].Texto.startsWith("O nome BRR KST LMN não possui vogais"));
    EXPECT_EQ(r.analise[5].Titulo,
              QStringLiteral("Resumo da Compatibilidade: 1 de 3 Aspectos em Harmonia"));
    EXPECT_TRUE(r.analise[5].Texto.startsWith(
        "Dos três aspectos comparados, 1 está em harmonia: Caminho da Vida."));

    // Whatever the settings, the reading shows its explanations and no " Número n".
    Configuracao semExplicacoes;
    semExplicacoes.ImprimirDescricao = 0;
    semExplicacoes.ImprimirNumero = -1;
    const QString texto = r.texto(semExplicacoes);
    EXPECT_TRUE(texto.contains(LeituraCasal::kExplicacaoImpulsoDaAlma + "\r\n\r\nImpulso da "
                                                                        "Alma: 5 e 0\r\n"));
    EXPECT_EQ(texto.count(TextoExportacao::kSeparador), 5);
    EXPECT_TRUE(
        texto.endsWith(TextoExportacao::kSeparador + "\r\n\r\n" + r.analise.Aviso + "\r\n"));
    Diagramacao base;
    base.configuracao = semExplicacoes;
    base.estudoNomes = EstudoNomes();
    const Diagramacao d = r.diagramacao(base);
    EXPECT_TRUE(Configuracao::ligado(d.configuracao.ImprimirDescricao));
    EXPECT_FALSE(Configuracao::ligado(d.configuracao.ImprimirNumero));
    EXPECT_FALSE(d.estudoNomes);
    EXPECT_EQ(d.analise, r.analise);
}

TEST(LeituraCasal, ResumoContaOsAspectosEmHarmonia) {
    const ArquivoInterpretacao arquivos(VIDALUME_DADOS_TESTE);
    // The same person twice: every aspect in harmony, each with the text of its equal pair.
    const LeituraCasal iguais =
        LeituraCasal::calcula("ANA MARIA SOUZA", "10/02/1990", "ANA MARIA SOUZA", "10/02/1990");
    EXPECT_EQ(iguais.emHarmonia(), 3);
    const RelatorioComposto r = iguais.compoe(arquivos);
    EXPECT_TRUE(r.analise[5].Texto.startsWith("Os três aspectos comparados estão em harmonia: "
                                              "Caminho da Vida, Expressão e Impulso da Alma."));
    for (int k = 2; k <= 4; ++k) {
        EXPECT_TRUE(r.analise[k].Texto.startsWith("As duas pessoas têm o mesmo número")) << k;
    }
}

TEST(EstudoNomes, NomesComoDigitadosNumerosDoNomeNormalizado) {
    const EstudoNomes e = EstudoNomes::compoe(
        "29-11-78", {"Maria José da Conceição", "Ana", "Brr Kst Lmn", "ǅ Łukasz Ωmega"},
        ArquivoInterpretacao(VIDALUME_DADOS_TESTE), RegrasCalculo::pitagorica());
    EXPECT_EQ(e.DataNascimento, QStringLiteral("29/11/1978"));
    EXPECT_EQ(e.caminhoDaVida, 2);
    ASSERT_EQ(e.candidatos.size(), 4);
    const CandidatoNome& maria = e.candidatos[0];
    EXPECT_EQ(maria.nome, QStringLiteral("Maria José da Conceição"));
    EXPECT_EQ(maria.nomeNormalizado, QStringLiteral("MARIA JOSE DA CONCEICAO"));
    EXPECT_EQ(maria.celulas(), (std::array<QString, 8>{"Maria José da Conceição", "2", "5", "6",
                                                       "A", "2", "4", "Sim"}));
    EXPECT_EQ(maria.textoExpressao,
              ArquivoInterpretacao(VIDALUME_DADOS_TESTE).LeTextoInterpretacao(2, "INTEXEXP.DAT"));
    // A name the entry refuses stays in its place, without numbers or text.
    EXPECT_FALSE(e.candidatos[1].aceito);
    EXPECT_TRUE(e.candidatos[1].textoExpressao.isEmpty());
    EXPECT_EQ(e.candidatos[2].celulas()[4], QStringLiteral("-"));
    EXPECT_EQ(e.aceitos(), 3);
    // Characters a Windows-1252 text box cannot hold are dropped, as the entry does.
    EXPECT_FALSE(e.candidatos[3].nomeNormalizado.contains(u'Ω'));

    const Diagramacao d = e.diagramacao(Diagramacao());
    EXPECT_EQ(d.NomeAnalise, EstudoNomes::kTitulo);
    EXPECT_EQ(d.DataNascimento, QStringLiteral("29/11/1978"));
    EXPECT_EQ(d.analise[23].Texto, maria.textoExpressao); // the print dialog's sample
    EXPECT_FALSE(e.aviso.isEmpty());
    EXPECT_EQ(d.analise.Aviso, e.aviso); // the study's pages end with it
    ASSERT_TRUE(d.estudoNomes);
}
