// The backup of a data folder as the user knows it: the texts, the settings and the client
// file in one archive (settings/CopiaSeguranca), made and restored the same way by the menu
// items and by "vidalume-cli copia".
//
// Making one takes the client file through SQLite (CopiaFicha), so it is whole and current
// whatever program has it open, and checks every file by the rules the restore applies: a
// file a restore would refuse stays out of the archive, and the user is told which and why.
// Restoring is done in two steps: abre() reads and checks the whole archive into a hidden folder of
// the data folder (".restauracao-PID-XXXXXX", removed with this object, or by the next restore when
// the process was killed) and tells what it holds; restaura() then replaces the parts asked for. An
// entry of the archive that is damaged or breaks its file's rules is left out and named, and the
// rest is still restored. One restore runs at a time in a folder (a lock file,
// ".restauracao.trava", held by this object). Every file replaced first gets a dated copy beside it
// ("CVIDA.DAT.copia-2025-01-31-140509", "clientes.sqlite.copia-..."), which the program never reads
// and a backup never takes; a file equal to the archive's is left as it is. The client file is
// replaced through SQLite, never by replacing the file under its journal.
#pragma once

#include "settings/CopiaSeguranca.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;
class QTemporaryDir;

namespace vidalume {

class CopiaCompleta {
public:
    enum class Partes {
        Tudo,        // texts, settings and client file
        SemClientes, // texts and settings; the client file stays
        SoClientes,  // the client file alone
    };

    // Writes the backup of `pastaDados` as `arquivoZip` (readable by its owner only), dated
    // `agora`. Each file a restore would not take back (a link, a FIFO, a text cut mid-record,
    // a settings file of the wrong size, a client file that is damaged or of a newer version)
    // stays out and is named in `deixados`, and the rest is written. False, with a message,
    // when the archive could not be written or the folder holds nothing to take.
    static bool grava(const QString& pastaDados, const QString& arquivoZip, const QDateTime& agora,
                      QString* erro, QStringList* deixados = nullptr);
    // What the user is told after grava(), with what was left out.
    static QString mensagemGravada(const QString& arquivoZip);
    static QString mensagemGravada(const QString& arquivoZip, const QStringList& deixados);

    explicit CopiaCompleta(QString pastaDados);
    ~CopiaCompleta();
    CopiaCompleta(const CopiaCompleta&) = delete;
    CopiaCompleta& operator=(const CopiaCompleta&) = delete;

    // Reads and checks `arquivoZip` whole (see CopiaSeguranca; the client file must open,
    // pass SQLite's integrity check and have a known version). Nothing of the data folder is
    // changed. False, with a message.
    bool abre(const QString& arquivoZip, QString* erro);

    // After abre(): when the archive was made (invalid when it does not say), the texts and
    // settings it holds, and the clients in its client file and in the folder's (-1 when
    // the archive has none / the folder has none or it cannot be read).
    QDateTime feita() const { return feita_; }
    QStringList textosEConfiguracoes() const { return arquivos_; }
    // Why each entry of the archive among `partes` that cannot be restored was left out.
    QStringList ignorados(Partes partes) const;
    bool temClientes() const { return clientesCopia_ >= 0; }
    qint64 clientesCopia() const { return clientesCopia_; }
    qint64 clientesHoje() const { return clientesHoje_; }

    // Why `partes` cannot be restored from this archive (it holds none of them); empty when
    // it can.
    QString recusa(Partes partes) const;
    // The question put before restaura(): what will be replaced, the archive's date and its
    // number of clients against today's.
    QString pergunta(Partes partes) const;

    struct Resultado {
        QStringList substituidos;    // files replaced (or already equal to the archive's)
        QStringList naoSubstituidos; // files asked for and left as they were
        QStringList copias;          // dated copies made, as file names in the data folder
        QStringList ignorados;       // entries of the parts asked for left out, and why
    };
    // Replaces the parts asked for, each file on its own. False, with a message in `erro` that
    // says which files were replaced, which were not and why, and where the copies of the old
    // ones are, when a file could not be copied or replaced (it is left as it was; a file of
    // the folder that is not a regular file is neither read nor replaced).
    bool restaura(Partes partes, const QDateTime& agora, Resultado* resultado, QString* erro);
    // What the user is told after restaura() succeeded.
    QString mensagemRestaurada(const Resultado& resultado) const;

private:
    QStringList pedidos(Partes partes) const;
    bool copiaDatada(const QString& nome, const QDateTime& agora, QString* copia, QString* erro);
    bool substitui(const QString& nome, QString* erro);
    bool preparaFicha(QString* erro);
    bool restauraUm(const QString& nome, const QDateTime& agora, Resultado* r, QString* erro);

    QString pasta_;
    QString zip_;
    static inline const QString kTrava = QStringLiteral(".restauracao.trava");

    std::unique_ptr<QLockFile> trava_;
    std::unique_ptr<QTemporaryDir> extraidos_;
    QDateTime feita_;
    QStringList arquivos_;
    QList<CopiaSeguranca::Recusado> ignorados_;
    qint64 clientesCopia_ = -1;
    qint64 clientesHoje_ = -1;
};

} // namespace vidalume
