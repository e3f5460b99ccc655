// The saves of GravacaoSegura on Linux and other POSIX systems: nameless files (O_TMPFILE),
// work relative to an open folder (openat, linkat through /proc, renameat2), fsync, and the
// leftovers of dead processes found with kill(pid, 0).
#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidalume {

namespace {

// Writes straight to a file descriptor, each call to the end or to the first failure, whose
// error number it keeps. Nothing is buffered, so no failure can surface later unseen. The
// file can be sought, as writers of zipped formats need.
class SaidaDescritor : public QIODevice {
public:
    explicit SaidaDescritor(int descritor) : descritor_(descritor) {}
    bool isSequential() const override { return false; }
    int codigoErro() const { return codigoErro_; }
    bool seek(qint64 posicao) override {
        if (::lseek(descritor_, off_t(posicao), SEEK_SET) < 0) {
            return false;
        }
        return QIODevice::seek(posicao);
    }
    qint64 size() const override {
        struct stat st {};
        return ::fstat(descritor_, &st) == 0 ? qint64(st.st_size) : 0;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dados, qint64 tamanho) override {
        if (codigoErro_ != 0) {
            return -1;
        }
        qint64 escritos = 0;
        while (escritos < tamanho) {
            const ssize_t n = ::write(descritor_, dados + escritos, size_t(tamanho - escritos));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                codigoErro_ = n < 0 ? errno : EIO;
                setErrorString(GravacaoSegura::motivo(codigoErro_));
                return -1;
            }
            escritos += n;
        }
        return escritos;
    }

private:
    int descritor_;
    int codigoErro_ = 0;
};

std::atomic<int> contadorTemporarios{0};

QString nomeTemporario(const QString& nome) {
    if (GravacaoSegura::nomeTemporarioTeste) {
        return GravacaoSegura::nomeTemporarioTeste(nome);
    }
    return QStringLiteral(".%1.%2.%3.gravando")
        .arg(nome)
        .arg(::getpid())
        .arg(contadorTemporarios.fetch_add(1));
}

// Whether an open with O_TMPFILE failed only because the file system makes no nameless files.
bool semArquivoSemNome(int codigo) {
    return codigo == EOPNOTSUPP || codigo == EISDIR || codigo == EINVAL;
}

QString tipoDeArquivo(mode_t modo) {
    if (S_ISDIR(modo)) {
        return QStringLiteral("uma pasta");
    }
    if (S_ISFIFO(modo)) {
        return QStringLiteral("um canal de comunicação (FIFO)");
    }
    if (S_ISSOCK(modo)) {
        return QStringLiteral("um soquete");
    }
    if (S_ISCHR(modo) || S_ISBLK(modo)) {
        return QStringLiteral("um dispositivo");
    }
    return QStringLiteral("um arquivo especial");
}

// The status of `nome` inside the folder, the link itself for a symbolic link; false when
// there is no such entry.
bool estado(int pasta, const QByteArray& nome, struct stat* st) {
    return ::fstatat(pasta, nome.constData(), st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool podeSerSubstituido(mode_t modo) {
    return S_ISREG(modo) || S_ISLNK(modo);
}

bool recusaEspecial(QString* erro, mode_t modo) {
    if (erro) {
        *erro = QStringLiteral("o nome escolhido é de %1, que não pode ser substituído por um "
                               "arquivo.")
                    .arg(tipoDeArquivo(modo));
    }
    return false;
}

} // namespace

struct GravacaoSegura::Plataforma {
    int pasta = -1;
    int arquivo = -1;
};

GravacaoSegura::GravacaoSegura(QString caminho, Destino destino, Acesso acesso)
    : caminho_(std::move(caminho)), destino_(destino), acesso_(acesso),
      p_(std::make_unique<Plataforma>()) {}

GravacaoSegura::~GravacaoSegura() {
    fecha();
}

void GravacaoSegura::fecha() {
    saida_.reset();
    if (p_->arquivo >= 0) {
        ::close(p_->arquivo);
        p_->arquivo = -1;
    }
    if (!nomeTemporario_.isEmpty() && p_->pasta >= 0) {
        ::unlinkat(p_->pasta, QFile::encodeName(nomeTemporario_).constData(), 0);
        nomeTemporario_.clear();
    }
    if (p_->pasta >= 0) {
        ::close(p_->pasta);
        p_->pasta = -1;
    }
}

bool GravacaoSegura::falha(QString* erro, int codigoErro) {
    if (erro) {
        *erro = motivo(codigoErro);
    }
    return false;
}

bool GravacaoSegura::abre(QString* erro) {
    fecha();
    const QFileInfo info(caminho_);
    const QByteArray nome = QFile::encodeName(info.fileName());
    if (nome.isEmpty()) {
        return falha(erro, EISDIR);
    }
    p_->pasta = ::open(QFile::encodeName(info.absolutePath()).constData(),
                       O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (p_->pasta < 0) {
        return falha(erro, errno);
    }
    struct stat antigo {};
    const bool existe = estado(p_->pasta, nome, &antigo);
    if (existe && !podeSerSubstituido(antigo.st_mode)) {
        return recusaEspecial(erro, antigo.st_mode);
    }
    // A private file is never readable by others, not even while it is written.
    const mode_t modo = acesso_ == Acesso::SoDono ? S_IRUSR | S_IWUSR : 0666;
    p_->arquivo =
        nomeTemporarioTeste ? -1 : ::openat(p_->pasta, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, modo);
    if (p_->arquivo < 0 && (nomeTemporarioTeste || semArquivoSemNome(errno))) {
        // No nameless files here: a hidden one that only this save uses. Only a taken name
        // is tried again; a name the file system refuses fails the save.
        errno = EEXIST;
        for (int tentativa = 0; p_->arquivo < 0 && errno == EEXIST && tentativa < kTentativasNome;
             ++tentativa) {
            const QString temporario = nomeTemporario(info.fileName());
            p_->arquivo = ::openat(p_->pasta, QFile::encodeName(temporario).constData(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modo);
            if (p_->arquivo >= 0) {
                nomeTemporario_ = temporario;
            }
        }
    }
    if (p_->arquivo < 0) {
        return falha(erro, errno);
    }
    if (acesso_ == Acesso::SoDono) {
        ::fchmod(p_->arquivo, S_IRUSR | S_IWUSR);
    } else if (existe && S_ISREG(antigo.st_mode) && destino_ == Destino::Substitui) {
        ::fchmod(p_->arquivo, antigo.st_mode & 07777);
    }
    saida_ = std::make_unique<SaidaDescritor>(p_->arquivo);
    saida_->open(QIODevice::WriteOnly);
    descarregado_ = false;
    return true;
}

QIODevice& GravacaoSegura::saida() {
    Q_ASSERT(saida_);
    return *saida_;
}

bool GravacaoSegura::descarrega(QString* erro) {
    if (descarregado_) {
        return true;
    }
    if (p_->arquivo < 0 || !saida_) {
        return falha(erro, EBADF);
    }
    if (const int codigo = static_cast<SaidaDescritor&>(*saida_).codigoErro(); codigo != 0) {
        return falha(erro, codigo);
    }
    if (::fsync(p_->arquivo) != 0) {
        return falha(erro, errno);
    }
    descarregado_ = true;
    return true;
}

bool GravacaoSegura::nomeia(const QString& nomeFinal, QString* erro) {
    const QByteArray nome = QFile::encodeName(nomeFinal);
    if (antesDeNomear) {
        antesDeNomear(QDir(QFileInfo(caminho_).absolutePath()).filePath(nomeFinal));
    }
    struct stat atual {};
    if (estado(p_->pasta, nome, &atual) && !podeSerSubstituido(atual.st_mode)) {
        if (destino_ == Destino::NomeNovo) {
            ocupado_ = true;
            return falha(erro, EEXIST);
        }
        return recusaEspecial(erro, atual.st_mode);
    }
    const QByteArray viaProc = QByteArray("/proc/self/fd/") + QByteArray::number(p_->arquivo);
    if (nomeTemporario_.isEmpty() && destino_ == Destino::NomeNovo) {
        if (::linkat(AT_FDCWD, viaProc.constData(), p_->pasta, nome.constData(),
                     AT_SYMLINK_FOLLOW) != 0) {
            ocupado_ = errno == EEXIST;
            return falha(erro, errno);
        }
        return true;
    }
    if (nomeTemporario_.isEmpty()) {
        // A name of its own first, so that the replacement itself is one rename.
        for (int tentativa = 0; nomeTemporario_.isEmpty(); ++tentativa) {
            const QString temporario = nomeTemporario(nomeFinal);
            if (::linkat(AT_FDCWD, viaProc.constData(), p_->pasta,
                         QFile::encodeName(temporario).constData(), AT_SYMLINK_FOLLOW) == 0) {
                nomeTemporario_ = temporario;
            } else if (errno != EEXIST || tentativa + 1 >= kTentativasNome) {
                return falha(erro, errno);
            }
        }
    }
    const QByteArray origem = QFile::encodeName(nomeTemporario_);
    if (destino_ == Destino::Substitui) {
        if (::renameat(p_->pasta, origem.constData(), p_->pasta, nome.constData()) != 0) {
            return falha(erro, errno);
        }
    } else if (::renameat2(p_->pasta, origem.constData(), p_->pasta, nome.constData(),
                           RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL) {
            ocupado_ = errno == EEXIST;
            return falha(erro, errno);
        }
        // A file system without the no-replace rename: a hard link never replaces either.
        if (::linkat(p_->pasta, origem.constData(), p_->pasta, nome.constData(), 0) != 0) {
            ocupado_ = errno == EEXIST;
            return falha(erro, errno);
        }
        ::unlinkat(p_->pasta, origem.constData(), 0);
    }
    nomeTemporario_.clear();
    return true;
}

bool GravacaoSegura::conclui(QString* erro, const QString& outroNome) {
    ocupado_ = false;
    if (!descarrega(erro)) {
        return false;
    }
    const QString nome = outroNome.isEmpty() ? QFileInfo(caminho_).fileName() : outroNome;
    if (!nomeia(nome, erro)) {
        return false;
    }
    ::fsync(p_->pasta); // the new name itself on the disk
    nomeFinal_ = nome;
    fecha();
    return true;
}

bool GravacaoSegura::mesmoArquivo(const QString& a, const QString& b) {
    struct stat um {};
    struct stat outro {};
    return ::stat(QFile::encodeName(a).constData(), &um) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &outro) == 0 && um.st_dev == outro.st_dev &&
           um.st_ino == outro.st_ino;
}

bool GravacaoSegura::processoTerminou(qint64 processo) {
    return processo > 0 && processo != ::getpid() && ::kill(pid_t(processo), 0) != 0 &&
           errno == ESRCH;
}

bool GravacaoSegura::criaPrivado(const QString& caminho, QString* erro, bool* jaExistia) {
    const int fd = ::open(QFile::encodeName(caminho).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (jaExistia) {
        *jaExistia = fd < 0 && errno == EEXIST;
    }
    if (fd < 0) {
        if (erro) {
            *erro = motivo(errno);
        }
        return false;
    }
    ::close(fd);
    return true;
}

void GravacaoSegura::restringeAoDono(const QString& caminho) {
    const QByteArray nome = QFile::encodeName(caminho);
    struct stat estado {};
    if (::lstat(nome.constData(), &estado) == 0 && S_ISREG(estado.st_mode) &&
        estado.st_uid == ::geteuid() && (estado.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        ::chmod(nome.constData(), estado.st_mode & S_IRWXU);
    }
}

bool GravacaoSegura::arquivoOuCanal(const QString& caminho) {
    struct stat estado {};
    return ::stat(QFile::encodeName(caminho).constData(), &estado) == 0 &&
           (S_ISREG(estado.st_mode) || S_ISFIFO(estado.st_mode));
}

bool GravacaoSegura::limiteDeTamanho() {
    struct rlimit limite {};
    return ::getrlimit(RLIMIT_FSIZE, &limite) == 0 && limite.rlim_cur != RLIM_INFINITY;
}

void GravacaoSegura::falhaAlemDoLimite() {
    std::signal(SIGXFSZ, SIG_IGN);
}

GravacaoSegura::Causa GravacaoSegura::causa(int codigoErro) {
    switch (codigoErro) {
    case ENOSPC:
        return Causa::SemEspaco;
    case EDQUOT:
        return Causa::CotaEsgotada;
    case EFBIG:
        return Causa::GrandeDemais;
    case EACCES:
    case EPERM:
        return Causa::SemPermissao;
    case EROFS:
        return Causa::SoLeitura;
    case ENOENT:
        return Causa::PastaInexistente;
    case ENOTDIR:
        return Causa::NaoEPasta;
    case EISDIR:
        return Causa::EPasta;
    case EEXIST:
        return Causa::NomeOcupado;
    case ENAMETOOLONG:
        return Causa::NomeLongo;
    case EIO:
        return Causa::ErroDisco;
    case EMFILE:
    case ENFILE:
        return Causa::ArquivosDemais;
    case ENOMEM:
        return Causa::SemMemoria;
    case EBUSY:
    case ETXTBSY:
        return Causa::EmUso;
    case ELOOP:
        return Causa::AtalhosDemais;
    case EINVAL:
    case EILSEQ:
        return Causa::NomeInvalido;
    default:
        return Causa::Outra;
    }
}

QString GravacaoSegura::motivo(int codigoErro) {
    return motivo(causa(codigoErro), codigoErro);
}

} // namespace vidalume
