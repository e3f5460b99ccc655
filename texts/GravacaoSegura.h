// Every file the program writes goes through this class, so that no save can report success
// unless every byte reached the disk, and no failure can leave a half-written file or damage
// the file that was there.
//
// The content is written into a file without a name in the target's folder (or, where the
// file system cannot make one, a hidden file ".NAME.PID.N.gravando"), every write checked.
// Only after the data and the file's size were flushed to the disk (fsync) does the new file
// take its name, in one rename; a failure at any step leaves the old file byte for byte and
// reports why in Portuguese. A process killed midway leaves at most a hidden file that
// `limpaRestos` removes at the next start.
//
// The folder is opened once, and every later step works inside that open folder, so nothing
// swapped into its path meanwhile can redirect the file. A target that exists and is not a
// regular file (a folder, a device, a FIFO, a socket) is refused; a symbolic link at the
// target is replaced, never followed. A hidden name that is taken is tried again with
// another, a bounded number of times; any other refusal of a name fails the save at once.
//
// This header is the whole contract and says nothing of any platform: the work on files is
// in one source file per platform, chosen by the build (GravacaoSeguraPosix.cpp on Linux),
// and the reasons come from the platform-neutral Causa.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QRegularExpression>
#include <QString>

#include <functional>
#include <memory>

namespace vidalume {

class GravacaoSegura {
public:
    // What happens to a file that already has the target's name.
    enum class Destino {
        Substitui, // replaced whole, keeping its permissions
        NomeNovo,  // left alone: the save fails with `nomeOcupado()` true
    };

    // Who may read the new file.
    enum class Acesso {
        Comum,  // a new file gets the usual mode (0666 less the umask); a replaced one keeps its
        SoDono, // always 0600: the file holds personal data (clients, their backups)
    };

    explicit GravacaoSegura(QString caminho, Destino destino = Destino::Substitui,
                            Acesso acesso = Acesso::Comum);
    ~GravacaoSegura(); // an unfinished save is dropped and leaves nothing behind
    GravacaoSegura(const GravacaoSegura&) = delete;
    GravacaoSegura& operator=(const GravacaoSegura&) = delete;

    // Opens the target's folder and the new, nameless file. False, with the reason in
    // `erro`, when the folder cannot be written or the target is not a regular file.
    bool abre(QString* erro);

    // Where the content goes, once `abre` succeeded. A failed write returns -1 and is
    // remembered: `conclui` then fails with its reason.
    QIODevice& saida();

    // Copies the whole of `origem`, open for reading, into saida() a block at a time, stopping
    // at the first read or write that fails (a write that fails is never retried or skipped,
    // so a source without end cannot fill the disk). False, with the reason in `erro`.
    bool copiaDe(QIODevice& origem, QString* erro);

    // Flushes the content to the disk and gives the file its name: the constructor's path,
    // or `outroNome` (a file name in the same folder) when given. May be called again with
    // another name after a failure with `nomeOcupado()`.
    bool conclui(QString* erro, const QString& outroNome = {});

    // Whether the last `conclui` failed only because `Destino::NomeNovo` found the name taken.
    bool nomeOcupado() const { return ocupado_; }

    const QString& caminho() const { return caminho_; }

    // The path the file was given by the last successful `conclui`.
    QString caminhoFinal() const;

    // The whole of `conteudo` as the file `caminho`, replacing it. The one call for small
    // files.
    static bool grava(const QString& caminho, const QByteArray& conteudo, QString* erro,
                      Acesso acesso = Acesso::Comum);

    // Whether the two paths, links followed, are the same file (another name or link of it).
    static bool mesmoArquivo(const QString& a, const QString& b);

    // Removes the hidden files of saves whose process is no longer running from `pasta`.
    static void limpaRestos(const QString& pasta);
    // Removes from `pasta` the entries (files, or folders with all they hold when `pastas`)
    // whose name matches `padrao`, whose first capture is the id of the process that made
    // them, when that process is no longer running. Links are never followed.
    static void limpaRestos(const QString& pasta, const QRegularExpression& padrao, bool pastas);
    // Whether no process with the id `processo` is running (its leftovers may go).
    static bool processoTerminou(qint64 processo);

    // Creates `caminho` as a new, empty file readable by its owner only; false, with the reason
    // in `erro` (and `jaExistia` set when the name was taken), when it cannot.
    static bool criaPrivado(const QString& caminho, QString* erro, bool* jaExistia = nullptr);
    // Takes away every permission of group and others from `caminho` when it is a regular file
    // (never through a link) owned by this user; anything else is left alone.
    static void restringeAoDono(const QString& caminho);
    // Whether `caminho`, links followed, is a regular file or a FIFO (a list read as a stream).
    static bool arquivoOuCanal(const QString& caminho);
    // Whether the process runs under a limit on the size of the files it writes.
    static bool limiteDeTamanho();
    // From now on a write past that limit fails like any other (and is reported) instead of
    // ending the process.
    static void falhaAlemDoLimite();

    // Why a file operation failed, whatever the platform.
    enum class Causa {
        SemEspaco,
        CotaEsgotada,
        GrandeDemais,
        SemPermissao,
        SoLeitura,
        PastaInexistente,
        NaoEPasta,
        EPasta,
        NomeOcupado,
        NomeLongo,
        ErroDisco,
        ArquivosDemais,
        SemMemoria,
        EmUso,
        AtalhosDemais,
        NomeInvalido,
        Outra,
    };
    // The reason said in Portuguese, lower case, ending with a full stop; `codigo` is the
    // platform's number for Causa::Outra.
    static QString motivo(Causa causa, int codigo = 0);
    // The platform's error number (errno on Linux) said the same way.
    static QString motivo(int codigoErro);
    static Causa causa(int codigoErro);

    // How many hidden names a save tries before it gives up on finding a free one.
    static constexpr int kTentativasNome = 64;

    // Test seams: called with the final path right before the new file takes its name; and
    // a file system that gives no nameless file and names the hidden files as the function
    // says (an empty function: the platform's own rules).
    static inline std::function<void(const QString&)> antesDeNomear;
    static inline std::function<QString(const QString& nome)> nomeTemporarioTeste;

private:
    struct Plataforma; // the platform's handles of the open folder and the new file

    bool descarrega(QString* erro);
    bool nomeia(const QString& nome, QString* erro);
    bool falha(QString* erro, int codigoErro);
    void fecha();

    QString caminho_;
    Destino destino_;
    Acesso acesso_;
    std::unique_ptr<Plataforma> p_;
    QString nomeTemporario_; // set when the file system gave no nameless file
    std::unique_ptr<QIODevice> saida_;
    bool descarregado_ = false;
    bool ocupado_ = false;
    QString nomeFinal_;
};

} // namespace vidalume
