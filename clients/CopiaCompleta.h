// The backup of a data folder as the user knows it: the texts, the settings and the client
// file in one archive (settings/CopiaSeguranca), made and restored the same way by the menu
// items and by "vidalume-cli copia".
//
// Making one takes the client file through SQLite (CopiaFicha), so it is whole and current
// whatever program has it open. Restoring is done in two steps: abre() reads and checks the
// whole archive into a hidden folder of the data folder (".restauracao-PID-XXXXXX", removed with
// this object, or by the next restore when the process was killed) and tells what it holds;
// restaura() then replaces the parts asked for. Every file replaced first gets a dated copy beside
// it ("CVIDA.DAT.copia-2025-01-31-140509", "clientes.sqlite.copia-..."), which the program never
// reads and a backup never takes; a file equal to the archive's is left as it is. The client file
// is replaced through SQLite, never by replacing the file under its journal.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

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
    // `agora`. False, with a message, when a file could not be read or written, the client file
    // is not one a restore would take back, or the folder holds nothing to take.
    static bool grava(const QString& pastaDados, const QString& arquivoZip, const QDateTime& agora,
                      QString* erro);
    // What the user is told after grava().
    static QString mensagemGravada(const QString& arquivoZip);

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
    };
    // Replaces the parts asked for. False, with a message in `erro` that says which files
    // were replaced, which were not and where the copies of the old ones are, when a file
    // could not be copied or replaced (the files after it are left as they were).
    bool restaura(Partes partes, const QDateTime& agora, Resultado* resultado, QString* erro);
    // What the user is told after restaura() succeeded.
    QString mensagemRestaurada(const Resultado& resultado) const;

private:
    QStringList pedidos(Partes partes) const;
    void limpaRestos() const;
    bool copiaDatada(const QString& nome, const QDateTime& agora, QString* copia, QString* erro);
    bool substitui(const QString& nome, QString* erro);

    QString pasta_;
    QString zip_;
    std::unique_ptr<QTemporaryDir> extraidos_;
    QDateTime feita_;
    QStringList arquivos_;
    qint64 clientesCopia_ = -1;
    qint64 clientesHoje_ = -1;
};

} // namespace vidalume
