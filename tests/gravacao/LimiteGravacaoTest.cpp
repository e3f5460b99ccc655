// Saves on a disk that refuses to grow a file: a child process lowers its file-size limit
// (RLIMIT_FSIZE, with SIGXFSZ ignored) so that writes fail with EFBIG, below and above the
// size of a write buffer. Every save of every kind of file must report the failure in
// Portuguese and leave the old file byte for byte, with nothing beside it. Then the rules of
// the safe save itself: what it refuses to replace, what it never follows, what it leaves.
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"
#include "tests/ArquivosTeste.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

struct Resultado {
    bool gravou = false;
    QString erro;
};

using Gravacao = std::function<bool(const QString& pasta, QString* erro)>;

// Runs `gravacao` in a child process whose files cannot grow beyond `limite` bytes.
Resultado comLimite(rlim_t limite, const Gravacao& gravacao, const QString& pasta) {
    int canal[2];
    if (::pipe(canal) != 0) {
        ADD_FAILURE() << "pipe";
        return {};
    }
    const pid_t filho = ::fork();
    if (filho == 0) {
        ::close(canal[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limite, limite};
        ::setrlimit(RLIMIT_FSIZE, &r);
        QString erro;
        const bool ok = gravacao(pasta, &erro);
        const QByteArray saida = (ok ? "1" : "0") + erro.toUtf8();
        [[maybe_unused]] auto n = ::write(canal[1], saida.constData(), size_t(saida.size()));
        ::_exit(0);
    }
    ::close(canal[1]);
    QByteArray lido;
    char bloco[512];
    for (ssize_t n; (n = ::read(canal[0], bloco, sizeof bloco)) > 0;) {
        lido.append(bloco, n);
    }
    ::close(canal[0]);
    int estado = 0;
    ::waitpid(filho, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado)) << "the child died";
    return {lido.startsWith('1'), QString::fromUtf8(lido.mid(1))};
}

QString textoDe(int tamanho, const QString& marca) {
    QString t;
    while (t.size() < tamanho) {
        t += marca + QStringLiteral(" número %1. ").arg(t.size());
    }
    return t.left(tamanho);
}

struct Caso {
    const char* arquivo;
    Gravacao gravacao;
};

// One save of each kind of file, of a content different from the one prepared.
std::vector<Caso> casos() {
    return {
        {"vidalume.dat",
         [](const QString& p, QString* e) {
             Configuracao c;
             c.ImprimirNumero = -1;
             return c.GravaConfiguracao(p, e);
         }},
        {"fontes.dat",
         [](const QString& p, QString* e) {
             FontesAnalise f;
             f.FonteTexto = DadosFonte::cria(QStringLiteral("Liberation Serif"), true, true, 16);
             return f.GravaFontes(p, e);
         }},
        {"rodape.dat",
         [](const QString& p, QString* e) {
             LinhasRodape l;
             l.RodapeLinhaUm = QStringLiteral("Consultório Ana Souza");
             return l.GravaLinhasRodape(p, e);
         }},
        {"margens.dat",
         [](const QString& p, QString* e) {
             return Margens{20, 15, 20, 15}.GravaMargens(p, e);
         }},
        // Three records (15,360 bytes, inside one write buffer) and forty-five (230,400).
        {"CFORM.DAT",
         [](const QString& p, QString* e) {
             return ArquivoInterpretacao(p).GravaTextoInterpretacao(
                 2, QStringLiteral("CFORM.DAT"), textoDe(5000, QStringLiteral("Novo")), e);
         }},
        {"COMPATIB.DAT",
         [](const QString& p, QString* e) {
             return ArquivoInterpretacao(p).GravaTextoInterpretacao(
                 44, QStringLiteral("COMPATIB.DAT"), textoDe(5000, QStringLiteral("Novo")), e);
         }},
    };
}

void preparaArquivos(const QString& pasta) {
    Configuracao::CarregaConfiguracao(pasta);
    FontesAnalise::CarregaFontes(pasta);
    LinhasRodape l;
    l.RodapeLinhaUm = QStringLiteral("Linha antiga");
    ASSERT_TRUE(l.GravaLinhasRodape(pasta));
    ASSERT_TRUE(Margens::padrao().GravaMargens(pasta));
    const ArquivoInterpretacao textos(pasta);
    ASSERT_TRUE(textos.GravaTextoInterpretacao(3, QStringLiteral("CFORM.DAT"),
                                               textoDe(4000, QStringLiteral("Antigo"))));
    ASSERT_TRUE(textos.GravaTextoInterpretacao(45, QStringLiteral("COMPATIB.DAT"),
                                               textoDe(4000, QStringLiteral("Antigo"))));
}

} // namespace

TEST(LimiteGravacao, UmaGravacaoQueNaoCabeFalhaEDeixaOArquivoAntigo) {
    QTemporaryDir pasta;
    preparaArquivos(pasta.path());
    for (const Caso& caso : casos()) {
        const QString caminho = pasta.filePath(QString::fromLatin1(caso.arquivo));
        const QByteArray antigo = conteudo(caminho);
        // What a save with room writes, made in a folder of its own.
        QTemporaryDir livre;
        preparaArquivos(livre.path());
        QString erro;
        ASSERT_TRUE(caso.gravacao(livre.path(), &erro)) << caso.arquivo;
        const QByteArray novo = conteudo(livre.filePath(QString::fromLatin1(caso.arquivo)));
        ASSERT_NE(novo, antigo) << caso.arquivo;

        for (const rlim_t limite : {rlim_t(0), rlim_t(1), rlim_t(100), rlim_t(167), rlim_t(4096),
                                    rlim_t(15359), rlim_t(16385), rlim_t(100000), rlim_t(230399)}) {
            if (limite >= rlim_t(novo.size())) {
                continue;
            }
            SCOPED_TRACE(std::string(caso.arquivo) + " limite " + std::to_string(limite));
            const auto antes = retrato(pasta.path());
            const Resultado r = comLimite(limite, caso.gravacao, pasta.path());
            EXPECT_FALSE(r.gravou);
            EXPECT_TRUE(r.erro.startsWith(QStringLiteral("Não foi possível gravar o arquivo ")))
                << r.erro.toStdString();
            EXPECT_TRUE(r.erro.endsWith(QStringLiteral("maior do que o sistema permite.")))
                << r.erro.toStdString();
            EXPECT_EQ(retrato(pasta.path()), antes); // nothing changed, nothing left beside
        }
        // With room again, the same save goes through.
        const Resultado r = comLimite(RLIM_INFINITY, caso.gravacao, pasta.path());
        EXPECT_TRUE(r.gravou) << caso.arquivo << r.erro.toStdString();
        EXPECT_EQ(conteudo(caminho), novo) << caso.arquivo;
    }
}

TEST(GravacaoSegura, NaoSubstituiPastaFifoNemSoqueteENaoSegueLinks) {
    QTemporaryDir pasta;
    const QString fifo = pasta.filePath(QStringLiteral("canal"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString soquete = pasta.filePath(QStringLiteral("soquete"));
    const SoqueteTeste s(soquete);
    ASSERT_TRUE(s.ligado());
    QDir(pasta.path()).mkdir(QStringLiteral("pasta"));

    for (const QString& alvo : {fifo, soquete, pasta.filePath(QStringLiteral("pasta"))}) {
        QString erro;
        EXPECT_FALSE(GravacaoSegura::grava(alvo, "PDF", &erro)) << alvo.toStdString();
        EXPECT_TRUE(contem(erro, QStringLiteral("não pode ser substituído")));
    }
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A link at the target is replaced by the file; what it pointed at stays as it was.
    QTemporaryDir fora;
    const QString alheio = fora.filePath(QStringLiteral("alheio.txt"));
    escreve(alheio, "de outra pessoa");
    const QString link = pasta.filePath(QStringLiteral("analise.pdf"));
    ASSERT_TRUE(QFile::link(alheio, link));
    QString erro;
    ASSERT_TRUE(GravacaoSegura::grava(link, "novo", &erro)) << erro.toStdString();
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(conteudo(link), QByteArray("novo"));
    EXPECT_EQ(conteudo(alheio), QByteArray("de outra pessoa"));
}

TEST(GravacaoSegura, NomeNovoNuncaSubstituiNemMesmoUmLinkPlantadoAntesDoNome) {
    QTemporaryDir pasta, fora;
    const QString alheio = fora.filePath(QStringLiteral("alheio.txt"));
    escreve(alheio, "de outra pessoa");
    const QString alvo = pasta.filePath(QStringLiteral("MARIA.pdf"));
    GravacaoSegura::antesDeNomear = [&](const QString& final) {
        if (final == alvo) {
            QFile::link(alheio, final); // swapped in between the choice of name and the write
        }
    };
    GravacaoSegura gravacao(alvo, GravacaoSegura::Destino::NomeNovo);
    QString erro;
    ASSERT_TRUE(gravacao.abre(&erro)) << erro.toStdString();
    gravacao.saida().write("%PDF");
    EXPECT_FALSE(gravacao.conclui(&erro));
    EXPECT_TRUE(gravacao.nomeOcupado());
    EXPECT_TRUE(gravacao.conclui(&erro, QStringLiteral("MARIA (2).pdf"))) << erro.toStdString();
    GravacaoSegura::antesDeNomear = nullptr;
    EXPECT_EQ(conteudo(alheio), QByteArray("de outra pessoa"));
    EXPECT_EQ(conteudo(pasta.filePath(QStringLiteral("MARIA (2).pdf"))), QByteArray("%PDF"));
    EXPECT_EQ(
        QDir(pasta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        2);
}

TEST(GravacaoSegura, GravacaoAbandonadaNaoDeixaNadaERestosDeProcessosMortosSaoApagados) {
    QTemporaryDir pasta;
    {
        GravacaoSegura gravacao(pasta.filePath(QStringLiteral("a.dat")));
        ASSERT_TRUE(gravacao.abre(nullptr));
        gravacao.saida().write("metade");
    }
    EXPECT_TRUE(QDir(pasta.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    // A process that has ended, and this one.
    const pid_t morto = ::fork();
    if (morto == 0) {
        ::_exit(0);
    }
    ::waitpid(morto, nullptr, 0);
    const QString resto = QStringLiteral(".vidalume.dat.%1.0.gravando").arg(morto);
    const QString vivo = QStringLiteral(".vidalume.dat.%1.0.gravando").arg(::getppid());
    const QString alheio = QStringLiteral(".notas.gravando");
    for (const QString& n : {resto, vivo, alheio}) {
        escreve(pasta.filePath(n), "x");
    }
    GravacaoSegura::limpaRestos(pasta.path());
    EXPECT_FALSE(QFileInfo::exists(pasta.filePath(resto)));
    EXPECT_TRUE(QFileInfo::exists(pasta.filePath(vivo)));
    EXPECT_TRUE(QFileInfo::exists(pasta.filePath(alheio)));
}

TEST(GravacaoSegura, ConfiguracaoCortadaVoltaInteira) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("vidalume.dat"));
    escreve(caminho, QByteArray(50, '\xFF'));
    ASSERT_TRUE(Configuracao::CarregaConfiguracao(pasta.path()).GravaConfiguracao(pasta.path()));
    const QByteArray gravado = conteudo(caminho);
    ASSERT_EQ(gravado.size(), 168);
    EXPECT_EQ(gravado.mid(76), QByteArray(92, '\0'));
}

// A file system without nameless files whose hidden names are refused (as FAT refuses some
// characters) or always taken: the save fails at once, or after a bounded number of names,
// with its reason, and the old file stays.
TEST(GravacaoSegura, NomeOcultoRecusadoOuSempreOcupadoFalhaSemLaco) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("CVIDA.DAT"));
    escreve(caminho, "antigo");
    int tentativas = 0;
    struct Restaura {
        ~Restaura() { GravacaoSegura::nomeTemporarioTeste = nullptr; }
    } restaura;

    // Each try is counted and takes the name `nome` gives for its number.
    const auto nomes = [&tentativas](std::function<QString(int)> nome) {
        tentativas = 0;
        GravacaoSegura::nomeTemporarioTeste = [&tentativas, nome](const QString&) {
            return nome(++tentativas);
        };
    };
    // A name with a folder that does not exist stands for a name the system refuses.
    nomes([](int) { return QStringLiteral("nao-existe/.oculto"); });
    QString erro;
    EXPECT_FALSE(GravacaoSegura::grava(caminho, "novo", &erro));
    EXPECT_EQ(tentativas, 1);
    EXPECT_EQ(erro, QStringLiteral("a pasta não existe."));

    // A name that is always taken is tried a bounded number of times.
    escreve(pasta.filePath(QStringLiteral(".ocupado")), "");
    nomes([](int) { return QStringLiteral(".ocupado"); });
    EXPECT_FALSE(GravacaoSegura::grava(caminho, "novo", &erro));
    EXPECT_EQ(tentativas, GravacaoSegura::kTentativasNome);
    EXPECT_EQ(erro, QStringLiteral("já existe um arquivo com este nome."));

    // A free name after some taken ones saves, and leaves no hidden file.
    nomes([](int n) { return n < 3 ? QStringLiteral(".ocupado") : QStringLiteral(".livre"); });
    ASSERT_TRUE(GravacaoSegura::grava(caminho, "novo", &erro)) << erro.toStdString();
    EXPECT_EQ(conteudo(caminho), QByteArray("novo"));
    EXPECT_FALSE(QFileInfo::exists(pasta.filePath(QStringLiteral(".livre"))));
    EXPECT_EQ(conteudo(pasta.filePath(QStringLiteral(".ocupado"))), QByteArray());
}
