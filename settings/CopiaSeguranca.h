// The backup archive of a data folder: one ZIP archive (written and read through libzip)
// holding the files this program writes, each as an entry named after the file, without
// folders:
//   - the interpretation files TextosConhecidos lists ("CVIDA.DAT" ...): whole 5120-byte
//     records, at most kMaiorTexto bytes;
//   - the settings files "vidalume.dat", "fontes.dat", "margens.dat" (at most 168 bytes),
//     "rodape.dat" (at most 600 bytes) and "opcoes.dat" (at most 32 bytes);
//   - the client file "clientes.sqlite" (at most kMaiorFicha bytes), whose content the
//     client layer takes and checks.
// The archive comment holds the moment the backup was made, "Vidalume yyyy-MM-ddTHH:mm:ss"
// (local time).
//
// Reading checks the whole archive before anything of the data folder is touched: it must
// open as a ZIP archive, hold at least one entry and only the names above, each once, none
// a link or a folder, and all within kMaiorTotal; otherwise nothing of it is taken. Each
// entry is then streamed into a folder of the caller's (never held whole in memory), counted
// as it is written, and must read to its end with its recorded size and CRC-32 and keep its
// file's size rules: an entry that does not (damaged, too big, compressed in a way this
// program cannot read, protected by a password) is left out and named, and the others are
// still taken. Making a backup checks each file by the same rules first.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace vidalume {

class CopiaSeguranca {
public:
    static inline const QString kArquivoClientes = QStringLiteral("clientes.sqlite");
    static constexpr qint64 kMaiorTexto = qint64(128) * 5120;
    static constexpr qint64 kMaiorFicha = qint64(1) << 30;
    static constexpr qint64 kMaiorTotal = kMaiorFicha + (qint64(16) << 20);

    enum class Tipo { Nenhum, Texto, Configuracao, Clientes };

    // What `nome` is in a backup; Nenhum for a name a backup never holds.
    static Tipo tipo(const QString& nome);
    static bool nomeConhecido(const QString& nome) { return tipo(nome) != Tipo::Nenhum; }
    // The largest size a file of that name may have in a backup; 0 for an unknown name.
    static qint64 maiorTamanho(const QString& nome);
    // What is wrong with `tamanho` bytes as the interpretation or settings file `nome`, in the
    // words of "o arquivo X ..." without the name; empty when it may be that file.
    static QString confereTamanho(const QString& nome, qint64 tamanho);

    // The interpretation and settings names lying in `pastaDados`, whatever their kind (a
    // folder or a FIFO of such a name too), sorted
    // (the client file is taken by the client layer).
    static QStringList arquivos(const QString& pastaDados);
    // Why the file `nome` of `pastaDados` cannot go into a backup that a restore would take
    // back ("o arquivo X ..."): it is a link, a FIFO or a device, cannot be read, or breaks
    // its size rules. Empty when it can.
    static QString confereArquivo(const QString& pastaDados, const QString& nome);

    struct Entrada {
        QString nome;    // the entry's name
        QString caminho; // where its bytes are read from
    };

    // Writes the archive of `entradas` as `arquivoZip` (readable by its owner only), made at
    // `quando`. The archive is built in `pastaTrabalho` and copied through GravacaoSegura,
    // so an existing file is replaced only by a complete archive. False, with a message.
    static bool grava(const QList<Entrada>& entradas, const QDateTime& quando,
                      const QString& arquivoZip, const QString& pastaTrabalho, QString* erro);

    struct Recusado {
        QString nome;
        QString motivo; // "o arquivo X está danificado."
    };
    struct Conteudo {
        QStringList nomes;         // the entries taken, in archive order
        QDateTime feita;           // invalid when the archive does not say
        QList<Recusado> recusados; // the entries left out, and why
    };

    // Checks `arquivoZip` as described above and writes the files it can take into the empty
    // folder `pasta`. False, with a full message naming the archive, when the archive as a
    // whole is refused or a file cannot be written into `pasta`; the files already written
    // there are then the caller's to discard.
    static bool extrai(const QString& arquivoZip, const QString& pasta, Conteudo* conteudo,
                       QString* erro);

    // "O arquivo X não é uma cópia de segurança do Vidalume que possa ser restaurada: ..."
    static QString danificada(const QString& arquivoZip, const QString& motivo);
};

} // namespace vidalume
