// The data folder: portable and installed modes, the first-start copy of the shipped texts,
// users' files never replaced, a second user, and the shipped texts put back.
#include "settings/PastaDados.h"
#include "settings/TextosOriginais.h"

#include <QDir>
#include <QTemporaryDir>

#include "tests/ArquivosTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

// An installed program: <raiz>/bin without texts and <raiz>/share/vidalume with the shipped
// ones, and a home folder per user.
struct Instalacao {
    QTemporaryDir raiz;
    QString bin() const { return raiz.filePath("bin"); }
    QString compartilhada() const { return raiz.filePath("share/vidalume"); }
    QString usuario(const QString& nome) const {
        return raiz.filePath("home/" + nome + "/.local/share/Vidalume");
    }

    Instalacao() {
        QDir().mkpath(bin());
        QDir().mkpath(compartilhada());
        for (const QString& nome : QDir(VIDALUME_DADOS_TESTE).entryList({"*.DAT"})) {
            QFile::copy(QDir(VIDALUME_DADOS_TESTE).filePath(nome),
                        QDir(compartilhada()).filePath(nome));
        }
    }
};

} // namespace

TEST(PastaDados, NomesDosArquivosDeInterpretacao) {
    for (const char* nome : {"CVIDA.DAT", "COMPATIB.DAT", "A1.DAT"}) {
        EXPECT_TRUE(PastaDados::nomeInterpretacao(nome)) << nome;
    }
    for (const char* nome : {"cvida.dat", "CVIDA.DAT.copia-2026-12-06-101010", "../CVIDA.DAT",
                             "imagens/CVIDA.DAT", "LONGODEMAIS.DAT", "1CVIDA.DAT", ".DAT"}) {
        EXPECT_FALSE(PastaDados::nomeInterpretacao(nome)) << nome;
    }
}

// A program folder with texts is the data folder; a copy of it that cannot be written is
// not: its texts are the originals of a data folder of the user's own.
TEST(PastaDados, PastaDoProgramaComTextosEhPortatilSeGravavel) {
    QTemporaryDir programa, usuario;
    escreve(programa.filePath("CVIDA.DAT"), "texto do programa");
    QString erro;
    auto local = PastaDados::resolve(programa.path(), usuario.filePath("Vidalume"), &erro);
    ASSERT_TRUE(local) << erro.toStdString();
    EXPECT_EQ(local->modo, PastaDados::Modo::Portatil);
    EXPECT_EQ(local->dados, programa.path());
    EXPECT_EQ(local->recursos, programa.path());
    EXPECT_FALSE(QFileInfo::exists(usuario.filePath("Vidalume")));

    PastaDados::gravavelTeste = [&](const QString& pasta) { return pasta != programa.path(); };
    struct Restaura {
        ~Restaura() { PastaDados::gravavelTeste = nullptr; }
    } restaura;
    EXPECT_FALSE(PastaDados::portatil(programa.path()));
    EXPECT_EQ(PastaDados::somenteLeitura(programa.path()), programa.path());
    local = PastaDados::resolve(programa.path(), usuario.filePath("Vidalume"), &erro);
    ASSERT_TRUE(local) << erro.toStdString();
    EXPECT_EQ(local->modo, PastaDados::Modo::Instalado);
    EXPECT_EQ(local->dados, usuario.filePath("Vidalume"));
    EXPECT_EQ(conteudo(usuario.filePath("Vidalume/CVIDA.DAT")), "texto do programa");
}

TEST(PastaDados, InstaladoCopiaOsTextosSemNuncaSubstituirOsDoUsuario) {
    Instalacao inst;
    QString erro;
    const auto primeira = PastaDados::resolve(inst.bin(), inst.usuario("ana"), &erro);
    ASSERT_TRUE(primeira) << erro.toStdString();
    EXPECT_EQ(primeira->modo, PastaDados::Modo::Instalado);
    EXPECT_EQ(primeira->dados, inst.usuario("ana"));
    EXPECT_EQ(primeira->recursos, inst.compartilhada());
    // The folder will hold the client file: only its owner may enter it.
    EXPECT_EQ(teste::modo(inst.usuario("ana")), 0700);
    const QStringList enviados = PastaDados::arquivosInterpretacao(inst.compartilhada());
    ASSERT_GE(enviados.size(), 20);
    EXPECT_EQ(PastaDados::arquivosInterpretacao(inst.usuario("ana")), enviados);
    EXPECT_EQ(conteudo(inst.usuario("ana") + "/CVIDA.DAT"),
              conteudo(inst.compartilhada() + "/CVIDA.DAT"));

    // Ana edits a text; an upgrade changes that text and ships a new file.
    escreve(inst.usuario("ana") + "/CVIDA.DAT", "texto da Ana");
    escreve(inst.compartilhada() + "/CVIDA.DAT", "texto novo do pacote");
    escreve(inst.compartilhada() + "/NOVO.DAT", "arquivo novo");
    ASSERT_TRUE(PastaDados::resolve(inst.bin(), inst.usuario("ana"), &erro));
    EXPECT_EQ(conteudo(inst.usuario("ana") + "/CVIDA.DAT"), "texto da Ana");
    EXPECT_EQ(conteudo(inst.usuario("ana") + "/NOVO.DAT"), "arquivo novo");

    // A second user gets a folder of their own with the shipped texts.
    ASSERT_TRUE(PastaDados::resolve(inst.bin(), inst.usuario("bia"), &erro));
    EXPECT_EQ(conteudo(inst.usuario("bia") + "/CVIDA.DAT"), "texto novo do pacote");
    EXPECT_EQ(conteudo(inst.usuario("ana") + "/CVIDA.DAT"), "texto da Ana");
}

TEST(PastaDados, SemTextosInstaladosNadaECriado) {
    QTemporaryDir raiz;
    QDir().mkpath(raiz.filePath("bin"));
    QString erro;
    EXPECT_FALSE(PastaDados::resolve(raiz.filePath("bin"), raiz.filePath("usuario"), &erro));
    EXPECT_TRUE(contem(erro, QDir::toNativeSeparators(raiz.filePath("share/vidalume"))));
    EXPECT_FALSE(QFileInfo::exists(raiz.filePath("usuario")));
}

TEST(TextosOriginais, GuardaCopiaDatadaAntesDeRestaurarOuNadaMuda) {
    Instalacao inst;
    ASSERT_TRUE(PastaDados::resolve(inst.bin(), inst.usuario("ana"), nullptr));
    const QString dados = inst.usuario("ana");
    const QByteArray original = conteudo(inst.compartilhada() + "/CVIDA.DAT");
    escreve(dados + "/CVIDA.DAT", "editado 1");
    const QDateTime quando(QDate(2026, 12, 6), QTime(14, 5, 9));

    QStringList copias, restaurados;
    QString erro;
    // CDATA.DAT is still the original: neither copied nor rewritten.
    ASSERT_TRUE(TextosOriginais::restaura(inst.compartilhada(), dados, {"CVIDA.DAT", "CDATA.DAT"},
                                          quando, &copias, &restaurados, &erro))
        << erro.toStdString();
    EXPECT_EQ(copias, QStringList{"CVIDA.DAT.copia-2026-12-06-140509"});
    EXPECT_EQ(restaurados, QStringList{"CVIDA.DAT"});
    EXPECT_EQ(conteudo(dados + "/CVIDA.DAT"), original);
    EXPECT_EQ(conteudo(dados + "/CVIDA.DAT.copia-2026-12-06-140509"), "editado 1");

    // A second restore in the same second keeps the first copy.
    escreve(dados + "/CVIDA.DAT", "editado 2");
    copias.clear();
    ASSERT_TRUE(TextosOriginais::restaura(inst.compartilhada(), dados, {"CVIDA.DAT"}, quando,
                                          &copias, nullptr, &erro));
    EXPECT_EQ(copias, QStringList{"CVIDA.DAT.copia-2026-12-06-140509-2"});
    EXPECT_EQ(conteudo(dados + "/CVIDA.DAT.copia-2026-12-06-140509"), "editado 1");
    EXPECT_EQ(conteudo(dados + "/CVIDA.DAT.copia-2026-12-06-140509-2"), "editado 2");

    // An original that is missing refuses the whole restore before anything changes.
    escreve(dados + "/CVIDA.DAT", "editado 3");
    const auto antes = retrato(dados);
    EXPECT_FALSE(TextosOriginais::restaura(inst.compartilhada(), dados, {"CVIDA.DAT", "SUMIU.DAT"},
                                           quando, nullptr, nullptr, &erro));
    EXPECT_TRUE(contem(erro, "SUMIU.DAT"));
    EXPECT_EQ(retrato(dados), antes);
}

// The texts compiled into the program fill what an older folder lacks, never a file that is
// there, and only once.
TEST(TextosOriginais, EmbutidosRecriamSoOQueFalta) {
    const QStringList embutidos = TextosOriginais::arquivos(TextosOriginais::kEmbutidos);
    ASSERT_TRUE(embutidos.contains("CMAPA.DAT") && embutidos.contains("CVIDA.DAT"));
    EXPECT_EQ(TextosOriginais::origem("/nao/existe"), TextosOriginais::kEmbutidos);
    QTemporaryDir dados;
    escreve(dados.filePath("CVIDA.DAT"), "editado");
    QString erro;
    const QStringList recriados =
        TextosOriginais::recriaFaltantes(TextosOriginais::kEmbutidos, dados.path(), &erro);
    EXPECT_TRUE(erro.isEmpty()) << erro.toStdString();
    QStringList esperados = embutidos;
    esperados.removeAll("CVIDA.DAT");
    EXPECT_EQ(recriados, esperados);
    EXPECT_EQ(conteudo(dados.filePath("CVIDA.DAT")), "editado");
    EXPECT_EQ(conteudo(dados.filePath("CMAPA.DAT")),
              conteudo(TextosOriginais::kEmbutidos + "/CMAPA.DAT"));
    EXPECT_EQ(conteudo(dados.filePath("CMAPA.DAT")).size() % 5120, 0);
    EXPECT_TRUE(TextosOriginais::avisoRecriados({"CMAPA.DAT"}).contains("(CMAPA.DAT)"));
    EXPECT_TRUE(TextosOriginais::recriaFaltantes(TextosOriginais::kEmbutidos, dados.path(), &erro)
                    .isEmpty());
}

// Without HOME, or with a relative XDG_DATA_HOME, there is no sound place for the user's
// folder: the tool says so instead of writing under "/" or the working folder.
TEST(PastaDados, SemHomeOuComXdgRelativoNadaECriado) {
    QTemporaryDir trabalho;
    const struct {
        const char* home;
        const char* xdg;
        const char* motivo;
    } casos[] = {
        {nullptr, nullptr, "HOME"},
        {"", nullptr, "HOME"},
        {"relativa", nullptr, "HOME"},
        {"/tmp", "dados/relativos", "XDG_DATA_HOME"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.motivo);
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.remove("HOME");
        ambiente.remove("XDG_DATA_HOME");
        if (c.home) {
            ambiente.insert("HOME", c.home);
        }
        if (c.xdg) {
            ambiente.insert("XDG_DATA_HOME", c.xdg);
        }
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.setWorkingDirectory(trabalho.path());
        p.start(QStringLiteral(VIDALUME_CLI), {"clientes", "listar"});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 1);
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(c.motivo));
        EXPECT_TRUE(retrato(trabalho.path()).isEmpty());
    }
}
