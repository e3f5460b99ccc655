#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdio.h>
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
    return QStringLiteral(".%1.%2.%3.gravando")
        .arg(nome)
        .arg(::getpid())
        .arg(contadorTemporarios.fetch_add(1));
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

GravacaoSegura::GravacaoSegura(QString caminho, Destino destino, Acesso acesso)
    : caminho_(std::move(caminho)), destino_(destino), acesso_(acesso) {}

GravacaoSegura::~GravacaoSegura() {
    fecha();
}

void GravacaoSegura::fecha() {
    saida_.reset();
    if (arquivo_ >= 0) {
        ::close(arquivo_);
        arquivo_ = -1;
    }
    if (!nomeTemporario_.isEmpty() && pasta_ >= 0) {
        ::unlinkat(pasta_, QFile::encodeName(nomeTemporario_).constData(), 0);
        nomeTemporario_.clear();
    }
    if (pasta_ >= 0) {
        ::close(pasta_);
        pasta_ = -1;
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
    pasta_ = ::open(QFile::encodeName(info.absolutePath()).constData(),
                    O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (pasta_ < 0) {
        return falha(erro, errno);
    }
    struct stat antigo {};
    const bool existe = estado(pasta_, nome, &antigo);
    if (existe && !podeSerSubstituido(antigo.st_mode)) {
        return recusaEspecial(erro, antigo.st_mode);
    }
    // A private file is never readable by others, not even while it is written.
    const mode_t modo = acesso_ == Acesso::SoDono ? S_IRUSR | S_IWUSR : 0666;
    arquivo_ = ::openat(pasta_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, modo);
    while (arquivo_ < 0 &&
           (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL || errno == EEXIST)) {
        // No nameless files here: a hidden one that only this save uses.
        const QString temporario = nomeTemporario(info.fileName());
        arquivo_ = ::openat(pasta_, QFile::encodeName(temporario).constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modo);
        if (arquivo_ >= 0) {
            nomeTemporario_ = temporario;
        }
    }
    if (arquivo_ < 0) {
        return falha(erro, errno);
    }
    if (acesso_ == Acesso::SoDono) {
        ::fchmod(arquivo_, S_IRUSR | S_IWUSR);
    } else if (existe && S_ISREG(antigo.st_mode) && destino_ == Destino::Substitui) {
        ::fchmod(arquivo_, antigo.st_mode & 07777);
    }
    saida_ = std::make_unique<SaidaDescritor>(arquivo_);
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
    if (arquivo_ < 0 || !saida_) {
        return falha(erro, EBADF);
    }
    if (const int codigo = static_cast<SaidaDescritor&>(*saida_).codigoErro(); codigo != 0) {
        return falha(erro, codigo);
    }
    if (::fsync(arquivo_) != 0) {
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
    if (estado(pasta_, nome, &atual) && !podeSerSubstituido(atual.st_mode)) {
        if (destino_ == Destino::NomeNovo) {
            ocupado_ = true;
            return falha(erro, EEXIST);
        }
        return recusaEspecial(erro, atual.st_mode);
    }
    const QByteArray viaProc = QByteArray("/proc/self/fd/") + QByteArray::number(arquivo_);
    if (nomeTemporario_.isEmpty() && destino_ == Destino::NomeNovo) {
        if (::linkat(AT_FDCWD, viaProc.constData(), pasta_, nome.constData(), AT_SYMLINK_FOLLOW) !=
            0) {
            ocupado_ = errno == EEXIST;
            return falha(erro, errno);
        }
        return true;
    }
    if (nomeTemporario_.isEmpty()) {
        // A name of its own first, so that the replacement itself is one rename.
        for (;;) {
            const QString temporario = nomeTemporario(nomeFinal);
            if (::linkat(AT_FDCWD, viaProc.constData(), pasta_,
                         QFile::encodeName(temporario).constData(), AT_SYMLINK_FOLLOW) == 0) {
                nomeTemporario_ = temporario;
                break;
            }
            if (errno != EEXIST) {
                return falha(erro, errno);
            }
        }
    }
    const QByteArray origem = QFile::encodeName(nomeTemporario_);
    if (destino_ == Destino::Substitui) {
        if (::renameat(pasta_, origem.constData(), pasta_, nome.constData()) != 0) {
            return falha(erro, errno);
        }
    } else if (::renameat2(pasta_, origem.constData(), pasta_, nome.constData(),
                           RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL) {
            ocupado_ = errno == EEXIST;
            return falha(erro, errno);
        }
        // A file system without the no-replace rename: a hard link never replaces either.
        if (::linkat(pasta_, origem.constData(), pasta_, nome.constData(), 0) != 0) {
            ocupado_ = errno == EEXIST;
            return falha(erro, errno);
        }
        ::unlinkat(pasta_, origem.constData(), 0);
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
    ::fsync(pasta_); // the new name itself on the disk
    nomeFinal_ = nome;
    fecha();
    return true;
}

QString GravacaoSegura::caminhoFinal() const {
    return nomeFinal_.isEmpty() ? QString()
                                : QDir(QFileInfo(caminho_).absolutePath()).filePath(nomeFinal_);
}

bool GravacaoSegura::grava(const QString& caminho, const QByteArray& conteudo, QString* erro,
                           Acesso acesso) {
    GravacaoSegura gravacao(caminho, Destino::Substitui, acesso);
    if (!gravacao.abre(erro)) {
        return false;
    }
    gravacao.saida().write(conteudo);
    return gravacao.conclui(erro);
}

void GravacaoSegura::limpaRestos(const QString& pasta) {
    static const QRegularExpression kResto(QStringLiteral("^\\..+\\.(\\d+)\\.\\d+\\.gravando$"));
    QDir dir(pasta);
    const QStringList nomes =
        dir.entryList({QStringLiteral(".*.gravando")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& nome : nomes) {
        const auto encontro = kResto.match(nome);
        if (!encontro.hasMatch()) {
            continue;
        }
        const pid_t processo = static_cast<pid_t>(encontro.captured(1).toLongLong());
        if (processo == ::getpid() || processo <= 0) {
            continue;
        }
        if (::kill(processo, 0) != 0 && errno == ESRCH) {
            dir.remove(nome);
        }
    }
}

QString GravacaoSegura::motivo(int codigoErro) {
    switch (codigoErro) {
    case ENOSPC:
        return QStringLiteral("não há espaço livre no disco.");
    case EDQUOT:
        return QStringLiteral("a sua cota de espaço em disco acabou.");
    case EFBIG:
        return QStringLiteral("o arquivo ficaria maior do que o sistema permite.");
    case EACCES:
    case EPERM:
        return QStringLiteral("você não tem permissão para gravar neste local.");
    case EROFS:
        return QStringLiteral("o disco ou a pasta só permite leitura.");
    case ENOENT:
        return QStringLiteral("a pasta não existe.");
    case ENOTDIR:
        return QStringLiteral("parte do caminho não é uma pasta.");
    case EISDIR:
        return QStringLiteral("o caminho indica uma pasta, não um arquivo.");
    case EEXIST:
        return QStringLiteral("já existe um arquivo com este nome.");
    case ENAMETOOLONG:
        return QStringLiteral("o nome do arquivo é longo demais.");
    case EIO:
        return QStringLiteral("houve um erro de leitura ou gravação no disco.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("há arquivos abertos demais no sistema.");
    case ENOMEM:
        return QStringLiteral("falta memória.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("o arquivo está em uso.");
    case ELOOP:
        return QStringLiteral("o caminho tem atalhos (links) demais.");
    default:
        return QStringLiteral("erro do sistema número %1.").arg(codigoErro);
    }
}

} // namespace vidalume
