// The forecast of a year on recording sheets (characters 0.2 mm per point wide, lines 0.4 mm
// per point high; 210 x 297 mm, screen margins), and its two pictures.
#include "report/LayoutPrevisoes.h"
#include "composer/PrevisoesAno.h"
#include "report/QuadroCalendario.h"
#include "report/QuadroLinhaVida.h"
#include "tests/suporte/FolhasTeste.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vidalume {
namespace {

// Interpretations of `palavras` words for every number, longer for the later records, so
// that the calendars fall at every height of a page.
PrevisoesAno previsoes(InicioAnoPessoal regra, const QString& pasta, int palavras) {
    const ArquivoInterpretacao arquivos(pasta);
    for (const char* r : {"INTANOUN", "INTMESUN", "INTANOPS", "INTMESPS"}) {
        for (int n = 1; n <= 9; ++n) {
            const QString texto =
                QStringList(palavras + 25 * n, QStringLiteral("palavra")).join(u' ');
            EXPECT_TRUE(arquivos.GravaTextoInterpretacao(n, QString::fromLatin1(r) + ".DAT",
                                                         texto.left(5000)));
        }
    }
    return PrevisoesAno::compoe(QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978"),
                                2026, RegrasCalculo::pitagorica(regra), QDate(2026, 12, 6),
                                arquivos);
}

Diagramacao diagramacao(const PrevisoesAno& p) {
    Diagramacao d;
    d.margens = Margens::tela();
    return p.diagramacao(d);
}

QString semEspacos(const SuperficieTeste& folha) {
    QString t;
    for (const auto& x : folha.textos()) {
        t += x.texto;
    }
    return t.remove(u' ');
}

bool ehDataDoCalendario(const SuperficieTeste::TextoDesenhado& x) {
    return x.fonte.tamanho == QuadroCalendario::kTamanhoData && !x.fonte.negrito;
}

bool ehCabecalhoDoCalendario(const SuperficieTeste::TextoDesenhado& x) {
    return x.texto == QStringLiteral("D") && x.fonte.negrito &&
           x.fonte.tamanho == QuadroCalendario::kTamanhoData + 1;
}

} // namespace

// Whatever the length of the texts, every calendar lies whole on one page, above the footer,
// the months in order; the rule of the personal year, the key of the personal days and the
// key of the calendar are each printed once.
TEST(LayoutPrevisoesTest, CalendarioNuncaPartidoENotasUmaVez) {
    for (int palavras : {10, 120, 260, 420}) {
        QTemporaryDir dir;
        const PrevisoesAno p = previsoes(InicioAnoPessoal::Aniversario, dir.path(), palavras);
        FolhasTeste folhas;
        const int paginas = LayoutPrevisoes(diagramacao(p), 210).dispoe(folhas);
        ASSERT_EQ(paginas, folhas.quantidade());
        ASSERT_GE(paginas, 13);
        const double limite = 297 - Margens::tela().MargemInferior;
        int mes = 0;
        QString tudo;
        for (int i = 0; i < paginas; ++i) {
            const SuperficieTeste& folha = folhas.folha(i);
            SCOPED_TRACE(
                QStringLiteral("%1 palavras, página %2").arg(palavras).arg(i + 1).toStdString());
            int calendarios = 0;
            int datas = 0;
            for (const auto& x : folha.textos()) {
                calendarios += ehCabecalhoDoCalendario(x);
                datas += ehDataDoCalendario(x);
            }
            int esperadas = 0;
            for (int c = 0; c < calendarios; ++c) {
                esperadas += p.meses[mes++].calendario.dias.size();
            }
            EXPECT_EQ(datas, esperadas); // no date of a calendar went to another page
            for (const auto& r : folha.retangulos()) {
                EXPECT_LE(r.y2, limite);
            }
            tudo += semEspacos(folha);
        }
        EXPECT_EQ(mes, 12);
        for (const QString& nota : {p.notaRegra, LayoutPrevisoes::kLegendaCalendario,
                                    PrevisoesAno::kTituloChaveDias, p.chaveDias[6]}) {
            EXPECT_EQ(tudo.count(QString(nota).remove(u' ')), 1) << nota.toStdString();
        }
    }
}

TEST(LayoutPrevisoesTest, AberturaComLinhaDaVidaEAnos) {
    QTemporaryDir dir;
    const PrevisoesAno p = previsoes(InicioAnoPessoal::Janeiro, dir.path(), 10);
    FolhasTeste folhas;
    LayoutPrevisoes(diagramacao(p), 210).dispoe(folhas);
    const QString primeira = semEspacos(folhas.folha(0));
    for (const QString& esperado :
         {QStringLiteral("PrevisõesdoAnode2026"), QStringLiteral("LinhadaVida"),
          QStringLiteral("26anos(2004)"), QStringLiteral("AnoUniversalde2026:Número1"),
          QStringLiteral("AnoPessoalde2026:Número5"),
          QStringLiteral("Oanopessoalcomeçaem1ºdejaneiro.")}) {
        EXPECT_TRUE(primeira.contains(esperado)) << esperado.toStdString();
    }
    // January opens a page of its own, after the opening.
    EXPECT_FALSE(primeira.contains(QStringLiteral("Janeirode2026")));
    int janeiro = 1;
    while (janeiro < folhas.quantidade() &&
           !semEspacos(folhas.folha(janeiro)).contains(QStringLiteral("Janeirode2026"))) {
        ++janeiro;
    }
    ASSERT_LT(janeiro, folhas.quantidade());
    EXPECT_FALSE(semEspacos(folhas.folha(janeiro - 1)).contains(QStringLiteral("MêsUniversal")));
}

// Each day in the column of its weekday and the row of its week, with its personal day
// under the date; the surface is given back as it was.
TEST(QuadroCalendarioTest, CelulasNoLugarDoDia) {
    const CalendarioMes fevereiro =
        CalendarioMes::calcula(2026, 2, 29, 11, RegrasCalculo::pitagorica());
    const QuadroCalendario q(fevereiro);
    SuperficieTeste s;
    s.DefineTamanhoFonte(12);
    s.DefineX(3);
    s.DefineY(4);
    EXPECT_DOUBLE_EQ(q.altura(s, 140),
                     QuadroCalendario::kAlturaCabecalho + 4 * QuadroCalendario::kAlturaSemana);
    q.desenha(s, 10, 50, 140);
    EXPECT_EQ(s.TamanhoFonte(), 12);
    EXPECT_EQ(std::pair(s.X(), s.Y()), std::pair(3.0, 4.0));
    const double coluna = 140.0 / 7;
    // 1/2/2026 is a Sunday; 18/2 a Wednesday of the third row.
    for (const auto& [dia, linha, coluna_] : {std::tuple{1, 0, 0}, std::tuple{18, 2, 3}}) {
        const auto& textos = s.textos();
        const auto data = std::find_if(textos.begin(), textos.end(), [&](const auto& x) {
            return ehDataDoCalendario(x) && x.texto == QString::number(dia);
        });
        ASSERT_NE(data, textos.end());
        EXPECT_NEAR(data->x, 10 + coluna_ * coluna + 1, 1e-9);
        EXPECT_NEAR(data->y,
                    50 + QuadroCalendario::kAlturaCabecalho +
                        linha * QuadroCalendario::kAlturaSemana + 0.5,
                    1e-9);
        const QString pessoal = QString::number(fevereiro.dias[dia - 1].diaPessoal);
        const auto numero = std::find_if(textos.begin(), textos.end(), [&](const auto& x) {
            return x.fonte.tamanho == QuadroCalendario::kTamanhoNumero && x.texto == pessoal &&
                   x.x > data->x && x.x < data->x + coluna && x.y > data->y &&
                   x.y < data->y + QuadroCalendario::kAlturaSemana;
        });
        EXPECT_NE(numero, textos.end()) << dia;
    }
}

TEST(QuadroLinhaVidaTest, MarcaDaIdadeSoDepoisDoNascimento) {
    const auto n = CalculaNumeros(QStringLiteral("ANA"), QStringLiteral("29/11/1978"),
                                  QDate(2026, 12, 6), RegrasCalculo::pitagorica());
    for (const auto& [referencia, marca] :
         {std::pair{QDate(2026, 12, 6), true}, std::pair{QDate(1970, 1, 1), false}}) {
        SuperficieTeste s;
        const QuadroLinhaVida q(LinhaVida::calcula(n, referencia));
        q.desenha(s, 10, 20, 186);
        QStringList t;
        for (const auto& x : s.textos()) {
            t << x.texto;
        }
        EXPECT_EQ(t.contains(QStringLiteral("Idade na data das previsões: 48 anos")), marca);
        EXPECT_TRUE(t.contains(QStringLiteral("62 anos (2040)")));
        EXPECT_TRUE(t.contains(QStringLiteral("34 anos")));
        // Everything inside the picture's box.
        for (const auto& r : s.retangulos()) {
            EXPECT_GE(r.x1, 10 - 1e-9);
            EXPECT_LE(r.x2, 196 + 1e-9);
            EXPECT_LE(r.y2, 20 + q.altura(s, 186) + 1e-9);
        }
    }
}

} // namespace vidalume
