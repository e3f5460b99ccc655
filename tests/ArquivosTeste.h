// What the tests of files, pages and the command-line tool share: whole-file reads and writes,
// random bytes, words of a text, and the tool run as a script runs it.
#pragma once

#include "texts/ArquivoInterpretacao.h"

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QString>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace vidalume::teste {

// Records 1 to `registros` of `radical`.DAT in `arquivos`, each holding its own name
// ("CVIDA 3"), so that the record a section reads shows in what it prints.
inline void gravaNomeados(const ArquivoInterpretacao& arquivos, const QString& radical,
                          int registros) {
    for (int n = 1; n <= registros; ++n) {
        ASSERT_TRUE(arquivos.GravaTextoInterpretacao(n, radical + ".DAT",
                                                     radical + u' ' + QString::number(n)));
    }
}

inline QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void escreve(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// `tamanho` bytes of any value, the same for the same seed.
inline QByteArray aleatorio(int tamanho, quint32 semente) {
    QByteArray b(tamanho, '\0');
    QRandomGenerator g(semente);
    for (char& c : b) {
        c = char(g.bounded(256));
    }
    return b;
}

// Words as pdftotext separates them: runs of characters between blanks.
inline QStringList separaPalavras(const QString& texto) {
    static const QRegularExpression kBrancos(QStringLiteral("\\s+"));
    return texto.split(kBrancos, Qt::SkipEmptyParts);
}

// The permission bits of a file, as "chmod" writes them (0600).
inline int modo(const QString& caminho) {
    struct stat estado {};
    return ::stat(QFile::encodeName(caminho).constData(), &estado) == 0
               ? int(estado.st_mode & 07777)
               : -1;
}

// Every entry under `pasta`, folders included, with the bytes of the files.
inline QMap<QString, QByteArray> retrato(const QString& pasta) {
    QMap<QString, QByteArray> entradas;
    for (QDirIterator it(pasta, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString nome = it.next();
        entradas[nome] = conteudo(nome);
    }
    return entradas;
}

// A listening-free Unix socket bound at `caminho`, closed with the object: a file that is
// neither regular nor a folder.
class SoqueteTeste {
public:
    explicit SoqueteTeste(const QString& caminho) : descritor_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un endereco{};
        endereco.sun_family = AF_UNIX;
        const QByteArray nome = QFile::encodeName(caminho);
        std::copy(nome.begin(), nome.end(), endereco.sun_path);
        ligado_ = ::bind(descritor_, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) == 0;
    }
    ~SoqueteTeste() { ::close(descritor_); }
    bool ligado() const { return ligado_; }

private:
    int descritor_;
    bool ligado_ = false;
};

// Passes when `texto` holds `trecho`; a failure shows the whole text.
inline ::testing::AssertionResult contem(const QString& texto, const QString& trecho) {
    if (texto.contains(trecho)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << '"' << trecho.toStdString() << "\" not in: " << texto.toStdString();
}

#ifdef VIDALUME_CLI
struct Saida {
    int codigo;
    QByteArray out;
    QString err;
};

// Runs the tool as a script on a server does: no display and no platform, unless one is given.
inline Saida executaCli(const QStringList& argumentos, const QString& plataforma = QString()) {
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        ambiente.remove(QString::fromLatin1(v));
    }
    if (!plataforma.isEmpty()) {
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), plataforma);
    }
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.start(QStringLiteral(VIDALUME_CLI), argumentos);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// Runs the tool and expects exit `codigo`, showing its error output when another comes.
inline Saida cli(int codigo, const QStringList& argumentos) {
    Saida s = executaCli(argumentos);
    EXPECT_EQ(s.codigo, codigo) << s.err.toStdString();
    return s;
}
#endif

} // namespace vidalume::teste
