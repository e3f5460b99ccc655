// The input of "lote": a text file with one person a row, "nome;nascimento", optionally
// beginning with a header row. Read as a stream, one row at a time, so a file of any size
// takes the same little memory: a row is kept up to kMaximoLinha bytes and the rest of an
// overlong row is skipped.
//
// Encodings: UTF-16 with a byte order mark; UTF-8 with or without one; any other row is
// read as Windows-1252. Row ends may be LF, CR LF or CR.
//
// A reader may accept more columns (aceitaColunas): when the header row names any of them,
// each row carries the columns the header names, in the header's order, and a field in
// double quotes may then hold line ends (within kMaximoLinha bytes).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

class QIODevice;

namespace vidalume {

struct LinhaLote {
    int numero = 0; // the row's line number in the file, from 1
    QString nome;
    QString nascimento;
    QStringList extras; // the accepted columns, in the order given to aceitaColunas
    QString erro;       // why the row cannot be read, without the line number; empty when it can
};

class LoteCsv {
public:
    static constexpr int kMaximoNome = 200; // characters of a name
    // Bytes of a row kept in memory: a client row with every field at its limit (three bytes a
    // character in UTF-8, quotes doubled, separators) fits; a longer row is refused.
    static constexpr qsizetype kMaximoLinha = 32 * 1024;

    // Reads `entrada`, which must stay open while rows are read.
    explicit LoteCsv(QIODevice& entrada);

    // Columns besides the name and the birth date that a header may name, each as a lower-case
    // ASCII word ("telefone"); a header name matches without case, accents, blanks and
    // hyphens ("E-mail" is "email"). Call before the first row.
    void aceitaColunas(const QStringList& nomes);

    // The next row that stands for a person, with its line number; false at the end.
    // Blank lines are left out, and so is the first non-blank line when it holds no digit
    // (a header such as "nome;nascimento"). A row the reader cannot take comes with
    // `erro` set to the reason.
    bool proxima(LinhaLote& linha);

    // The fields of a row split at ";". A field in double quotes may hold ";" and writes a
    // double quote as two; blanks around a field are dropped. `aspasAbertas` tells whether
    // the row ends inside quotes.
    static QStringList campos(const QString& linha, bool* aspasAbertas = nullptr);

    // What is wrong with the fields of a row, or an empty text when they are a name and a
    // birth date to check.
    static QString confere(QStringList& campos);

private:
    enum class Codificacao { Utf8Ou1252, Utf16LE, Utf16BE };

    void detectaCodificacao();
    bool leUnidade(char16_t& unidade);
    bool linhaFisica(QString& texto, bool& longa);
    QString decodifica(const QByteArray& bytes);
    void leCabecalho(const QStringList& campos);
    QString separaColunas(const QStringList& campos, LinhaLote& linha) const;
    bool juntaLinhas(QString& texto);
    void pulaCampoAberto(QString& texto);
    // Why a row too long to read is refused, naming the limits of the fields it may have.
    QString motivoLonga() const;

    QIODevice& entrada_;
    Codificacao codificacao_ = Codificacao::Utf8Ou1252;
    bool detectada_ = false;
    bool primeira_ = true;
    int numero_ = 0;
    int devolvida_ = -1; // a unit read one too far after a CR
    QStringList aceitas_;
    // Where the header puts each column, when it names an accepted one: the name, the
    // birth date, then the accepted columns (-1 when absent).
    QList<int> posicoes_;
};

} // namespace vidalume
