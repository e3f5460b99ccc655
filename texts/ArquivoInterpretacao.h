// Interpretation files: one file per kind of number ("CVIDA.DAT" ...), one record per
// number, in the program folder.
//
// Record layout: fixed 5120-byte records, no header, no separators; record n (from 1)
// starts at byte (n - 1) * 5120. Text in Windows-1252, left-justified and padded with
// spaces (0x20); line breaks inside a text are CR LF.
#pragma once

#include <QString>
#include <QStringList>

namespace vidalume {

class ArquivoInterpretacao {
public:
    static constexpr int kTamanhoRegistro = 5120;

    explicit ArquivoInterpretacao(QString pasta) : pasta_(std::move(pasta)) {}

    const QString& pasta() const { return pasta_; }
    QString caminho(const QString& arquivo) const;

    // The record with leading and trailing spaces removed. A missing file, a record past
    // the end or a record number below 1 reads as the empty text; a missing, unreadable or
    // cut file is noted for avisosNovos().
    QString LeTextoInterpretacao(int posicao, const QString& arquivo) const;

    // What went wrong reading interpretation files since the last call, one sentence per file
    // and kind of fault, each said once per process ("O arquivo de interpretação CVIDA.DAT
    // ... não foi encontrado; ..."). Safe to call from any thread.
    static QStringList avisosNovos();

    // While one lives, what its thread meets reading interpretation files goes to it instead
    // of avisosNovos(), so that the analysis composed meanwhile (one row of a batch) reports
    // its own faults. Each is still said once per process. Scopes nest.
    class Coleta {
    public:
        Coleta();
        ~Coleta();
        Coleta(const Coleta&) = delete;
        Coleta& operator=(const Coleta&) = delete;
        const QStringList& avisos() const { return avisos_; }

    private:
        QStringList avisos_;
        QStringList* anterior_;
    };

    // Writes the text (cut or padded to 5120 characters) over record `posicao`, extending
    // the file with blank records when needed. False, with a message in `erro`, when the
    // file could not be written; the old file is then unchanged.
    bool GravaTextoInterpretacao(int posicao, const QString& arquivo, const QString& texto,
                                 QString* erro = nullptr) const;

    // The 5120 bytes a text is stored as.
    static QByteArray registro(const QString& texto);

private:
    QString pasta_;
};

} // namespace vidalume
