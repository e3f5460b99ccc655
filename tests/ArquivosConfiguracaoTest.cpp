// The settings files: defaults, byte layout, round trips and hostile content.
#include "engine/LeituraNumero.h"
#include "settings/Configuracao.h"
#include "settings/FamiliasFonte.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"
#include "settings/OpcoesMapa.h"
#include "texts/ArquivoInterpretacao.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <limits>

#include "tests/ArquivosTeste.h"

using namespace vidalume;
using teste::aleatorio;
using teste::conteudo;
using teste::escreve;

TEST(Configuracao, PadraoFlagsIdaEVoltaEArquivoCurto) {
    QTemporaryDir dir;
    EXPECT_EQ(Configuracao::CarregaConfiguracao(dir.path()), Configuracao());
    EXPECT_EQ(conteudo(dir.filePath("vidalume.dat")).size(), 168);

    // Any non-zero flag is on, and the file goes back byte for byte.
    const QByteArray original = aleatorio(168, 7);
    escreve(dir.filePath("vidalume.dat"), original);
    const Configuracao c = Configuracao::CarregaConfiguracao(dir.path());
    EXPECT_EQ(Configuracao::ligado(c.ImprimirNumero),
              qFromLittleEndian<qint16>(original.constData() + 2) != 0);
    ASSERT_TRUE(c.GravaConfiguracao(dir.path()));
    EXPECT_EQ(conteudo(dir.filePath("vidalume.dat")), original);

    // A short file: what it holds is read, the rest is the default, nothing is rewritten.
    QByteArray curto(20, '\0'); // every option off, calculations 0 and 1 off
    escreve(dir.filePath("vidalume.dat"), curto);
    const Configuracao lida = Configuracao::CarregaConfiguracao(dir.path());
    EXPECT_EQ(std::tuple(Configuracao::ligado(lida.ImprimirDescricao),
                         Configuracao::ligado(lida.CalculosAtivos[1]),
                         Configuracao::ligado(lida.CalculosAtivos[2])),
              std::tuple(false, false, true));
    EXPECT_EQ(conteudo(dir.filePath("vidalume.dat")), curto);
    // A folder in place of the file: a save that says it failed.
    QTemporaryDir outro;
    ASSERT_TRUE(QDir(outro.path()).mkdir("vidalume.dat"));
    EXPECT_FALSE(Configuracao().GravaConfiguracao(outro.path()));
}

TEST(FontesAnalise, PadraoLayoutNomeLongoEIdaEVolta) {
    QTemporaryDir dir;
    EXPECT_EQ(FontesAnalise::CarregaFontes(dir.path()), FontesAnalise());
    // Names padded with blanks to 50 bytes, the size last.
    EXPECT_EQ(conteudo(dir.filePath("fontes.dat")).left(50),
              QByteArray("Courier New").leftJustified(50, ' '));
    FontesAnalise f;
    f.FonteTexto.defineNome(QString(60, u'Á'));
    ASSERT_TRUE(f.GravaFontes(dir.path()));
    EXPECT_EQ(FontesAnalise::le(dir.path()).FonteTexto.nomeAparado(), QString(50, u'Á'));

    const QByteArray original = aleatorio(168, 9);
    escreve(dir.filePath("fontes.dat"), original);
    ASSERT_TRUE(FontesAnalise::CarregaFontes(dir.path()).GravaFontes(dir.path()));
    EXPECT_EQ(conteudo(dir.filePath("fontes.dat")), original);

    // Only the fonts wholly inside a short file are read.
    escreve(dir.filePath("fontes.dat"), original.left(100));
    const FontesAnalise curto = FontesAnalise::CarregaFontes(dir.path());
    EXPECT_EQ(curto.FonteTitulo, FontesAnalise::deBytes(original).FonteTitulo);
    EXPECT_EQ(curto.FonteDescricao, FontesAnalise().FonteDescricao);
}

TEST(LinhasRodape, PadroesRegistrosECortes) {
    QTemporaryDir dir;
    LinhasRodape l = LinhasRodape::CarregaLinhasRodape(dir.path());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("rodape.dat")));

    l.RodapeLinhaUm = QString(200, u'ç');
    l.RodapeLinhaDois = QStringLiteral("(11) 5555-0000 – contato@exemplo.com.br");
    l.CabecalhoLinhaUm.clear();
    ASSERT_TRUE(l.GravaLinhasRodape(dir.path()));
    const QByteArray b = conteudo(dir.filePath("rodape.dat"));
    ASSERT_EQ(b.size(), 600);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData()), 198);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 400), 0);
    const LinhasRodape lida = LinhasRodape::CarregaLinhasRodape(dir.path());
    EXPECT_EQ(std::tuple(lida.RodapeLinhaUm, lida.RodapeLinhaDois, lida.CabecalhoLinhaUm),
              std::tuple(QString(198, u'ç'), l.RodapeLinhaDois, QString()));

    // A length past its record, or a file too short for a record, gives the default.
    QByteArray ruim = b;
    qToLittleEndian<quint16>(5000, ruim.data() + 200);
    escreve(dir.filePath("rodape.dat"), ruim.left(250));
    const LinhasRodape r = LinhasRodape::CarregaLinhasRodape(dir.path());
    EXPECT_EQ(r.RodapeLinhaUm, QString(198, u'ç'));
    EXPECT_TRUE(r.RodapeLinhaDois.isEmpty());
    EXPECT_EQ(r.CabecalhoLinhaUm, LinhasRodape::kCabecalhoPadrao);
}

TEST(Margens, ArquivoPadraoValoresInvalidosEIdaEVolta) {
    QTemporaryDir dir;
    EXPECT_EQ(Margens::CarregaMargens(dir.path()), Margens::padrao());

    QByteArray b(168, '\x55');
    float valores[4] = {12.5f, std::numeric_limits<float>::quiet_NaN(),
                        std::numeric_limits<float>::infinity(), -3.0f};
    std::memcpy(b.data(), valores, 16);
    escreve(dir.filePath("margens.dat"), b);
    const Margens m = Margens::CarregaMargens(dir.path());
    EXPECT_EQ(m, (Margens{12.5f, 10, 10, 0})); // a negative margin would put text off the page
    EXPECT_EQ(conteudo(dir.filePath("margens.dat")), b); // reading never rewrites

    ASSERT_TRUE((Margens{1, 2, 3, 4}.GravaMargens(dir.path())));
    EXPECT_EQ(conteudo(dir.filePath("margens.dat")).mid(16), b.mid(16));
    bool ajustadas = true;
    EXPECT_EQ(Margens::le(dir.path(), &ajustadas), (Margens{1, 2, 3, 4}));
    EXPECT_FALSE(ajustadas);
    // The largest margins the A4 sheet allows are kept; past them, each is held there.
    ASSERT_TRUE((Margens{105, 148.5f, 1e30f, 149}.GravaMargens(dir.path())));
    EXPECT_EQ(Margens::le(dir.path(), &ajustadas), (Margens{105, 148.5f, 105, 148.5f}));
    EXPECT_TRUE(ajustadas);

    escreve(dir.filePath("margens.dat"), b.left(6));
    EXPECT_EQ(Margens::le(dir.path()), (Margens{12.5f, 10, 10, 10}));
}

// What a margin box shows, and how much of what is typed into it counts.
TEST(Margens, TextoDasCaixas) {
    EXPECT_EQ(Margens::texto(12.5f), QStringLiteral("12.5"));
    const std::pair<const char*, double> casos[] = {
        {"12abc", 12}, {"abc", 0}, {" 7.25mm", 7.25}, {"1,5", 1}, {"1e999", 0}};
    for (auto [texto, valor] : casos) {
        EXPECT_DOUBLE_EQ(LeituraNumero::interpreta(QString::fromUtf8(texto)), valor) << texto;
    }
}

// The layouts of the files on users' disks, pinned by literal offsets and bytes: a change of
// a constant in the program must not move a field.
TEST(FormatosEmDisco, CamposNasPosicoesLiterais) {
    QTemporaryDir dir;
    const auto bytes = [&](const char* arquivo, int posicao, int tamanho) {
        return conteudo(dir.filePath(QString::fromLatin1(arquivo))).mid(posicao, tamanho);
    };

    Configuracao c;
    c.ImprimirNumero = -1;
    c.CalculosAtivos[28] = 0;
    c.EscutarSons = 0;
    ASSERT_TRUE(c.GravaConfiguracao(dir.path()));
    EXPECT_EQ(conteudo(dir.filePath("vidalume.dat")).size(), 168);
    EXPECT_EQ(bytes("vidalume.dat", 0, 10), QByteArray("\xFF\xFF\xFF\xFF\xFF\xFF\0\0\0\0", 10));
    EXPECT_EQ(bytes("vidalume.dat", 16, 4), QByteArray("\0\0\xFF\xFF", 4));     // 0 unused, 1 on
    EXPECT_EQ(bytes("vidalume.dat", 70, 6), QByteArray("\xFF\xFF\0\0\0\0", 6)); // 27, 28, sons

    ASSERT_TRUE(FontesAnalise().GravaFontes(dir.path()));
    EXPECT_EQ(bytes("fontes.dat", 0, 12), QByteArray("Courier New "));
    EXPECT_EQ(bytes("fontes.dat", 50, 6), QByteArray("\xFF\xFF\0\0\x0E\0", 6));
    EXPECT_EQ(bytes("fontes.dat", 56, 6), QByteArray("Arial "));
    EXPECT_EQ(bytes("fontes.dat", 106, 6), QByteArray("\0\0\xFF\xFF\x0A\0", 6));
    EXPECT_EQ(bytes("fontes.dat", 112, 16), QByteArray("Times New Roman "));
    EXPECT_EQ(bytes("fontes.dat", 162, 6), QByteArray("\0\0\0\0\x0C\0", 6));

    ASSERT_TRUE((Margens{1, 2, 3, 4}.GravaMargens(dir.path())));
    EXPECT_EQ(bytes("margens.dat", 0, 16),
              QByteArray("\0\0\x80\x3F\0\0\0\x40\0\0\x40\x40\0\0\x80\x40", 16));

    LinhasRodape l;
    l.RodapeLinhaUm = QStringLiteral("Ana");
    l.RodapeLinhaDois = QStringLiteral("Tel");
    l.CabecalhoLinhaUm = QStringLiteral("Você");
    ASSERT_TRUE(l.GravaLinhasRodape(dir.path()));
    EXPECT_EQ(bytes("rodape.dat", 0, 5), QByteArray("\x03\0Ana", 5));
    EXPECT_EQ(bytes("rodape.dat", 200, 5), QByteArray("\x03\0Tel", 5));
    EXPECT_EQ(bytes("rodape.dat", 400, 6), QByteArray("\x04\0Voc\xEA", 6));

    // Record n of an interpretation file starts at byte (n - 1) x 5120.
    ASSERT_TRUE(ArquivoInterpretacao(dir.path()).GravaTextoInterpretacao(2, "CVIDA.DAT", "Dois"));
    EXPECT_EQ(conteudo(dir.filePath("CVIDA.DAT")).size(), 10240);
    EXPECT_EQ(bytes("CVIDA.DAT", 5118, 7), QByteArray("  Dois "));
}

// The fonts dialog lists and stores family names as a user knows them.
TEST(FamiliasFonte, SemEtiquetaDeFundidoraCadaUmaUmaVez) {
    EXPECT_EQ(FamiliasFonte::limpa({QStringLiteral("P052 [urw]"), QStringLiteral("DejaVu Serif"),
                                    QStringLiteral("P052 [UKWN]"), QStringLiteral("arial"),
                                    QStringLiteral("Times New Roman"),
                                    QStringLiteral("Noto Sans [GOOG]"), QStringLiteral(" [x]")}),
              QStringList({QStringLiteral("arial"), QStringLiteral("DejaVu Serif"),
                           QStringLiteral("Noto Sans"), QStringLiteral("P052"),
                           QStringLiteral("Times New Roman")}));
}

TEST(OpcoesMapa, FaltaPadraoLayoutLiteralEReservadoPreservado) {
    QTemporaryDir dir;
    // A folder from before these options: every section on, 4 repetitions, 1 January.
    const OpcoesMapa padrao = OpcoesMapa::le(dir.path());
    for (int k = 29; k <= 34; ++k) {
        EXPECT_TRUE(padrao.secaoAtiva(k)) << k;
    }
    EXPECT_EQ(padrao.limiteTendencias, 4);
    EXPECT_EQ(padrao.inicioAnoPessoal, InicioAnoPessoal::Janeiro);
    EXPECT_FALSE(padrao.textosRepetidosInteiros);

    OpcoesMapa o;
    o.defineSecao(30, false);
    o.defineSecao(34, false);
    o.defineSecao(12, false); // outside the range: ignored
    o.limiteTendencias = 3;
    o.inicioAnoPessoal = InicioAnoPessoal::Aniversario;
    o.textosRepetidosInteiros = true;
    ASSERT_TRUE(o.grava(dir.path()));
    const QByteArray esperado = QByteArray::fromHex("ffff0000ffffffffffff0000"
                                                    "03000100"
                                                    "ffff0000000000000000000000000000");
    EXPECT_EQ(conteudo(dir.filePath("opcoes.dat")), esperado);
    EXPECT_EQ(OpcoesMapa::le(dir.path()), o);

    // The school, its variants and the cabalística sections left out.
    o.escola = EscolaCalculo::Cabalistica;
    o.variantes = {VariantesCabalistica::Dividas::PelasSomas, 37, 4, 8};
    o.defineSecaoCabalistica(3, false);
    o.defineSecaoCabalistica(32, false);
    ASSERT_TRUE(o.grava(dir.path()));
    EXPECT_EQ(conteudo(dir.filePath("opcoes.dat")).mid(16),
              QByteArray::fromHex("ffff"
                                  "01000100010001000100"
                                  "04000080"));
    EXPECT_EQ(OpcoesMapa::le(dir.path()), o);
    EXPECT_EQ(OpcoesMapa::le(dir.path()).regras().valorLetra(u'X'), 4);

    // Odd values fall back to the defaults; the section mask goes back as read; a cut file
    // keeps the defaults for what it does not reach.
    QByteArray estranho = aleatorio(32, 11);
    estranho[12] = 9;
    estranho[13] = 0;
    estranho[14] = 7;
    estranho[15] = 0;
    estranho[18] = 5;
    estranho[19] = 0;
    escreve(dir.filePath("opcoes.dat"), estranho);
    const OpcoesMapa lido = OpcoesMapa::le(dir.path());
    EXPECT_EQ(lido.limiteTendencias, 4);
    EXPECT_EQ(lido.inicioAnoPessoal, InicioAnoPessoal::Janeiro);
    ASSERT_TRUE(lido.grava(dir.path()));
    EXPECT_EQ(lido.escola, EscolaCalculo::Pitagorica);
    EXPECT_EQ(conteudo(dir.filePath("opcoes.dat")).mid(28), estranho.mid(28));

    escreve(dir.filePath("opcoes.dat"), QByteArray::fromHex("0000"));
    const OpcoesMapa curto = OpcoesMapa::le(dir.path());
    EXPECT_FALSE(curto.secaoAtiva(29));
    EXPECT_TRUE(curto.secaoAtiva(30));
    EXPECT_EQ(curto.limiteTendencias, 4);
}
