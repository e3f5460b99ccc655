// The client file: one SQLite database, "clientes.sqlite", in the data folder.
//
// The file is opened in write-ahead-log mode with foreign keys on, and every change is one
// transaction, so a crash or a kill at any moment leaves the file as it was before the
// change or as it is after it. The schema carries its version in the database header
// (PRAGMA user_version); an older file is brought up to date in one transaction when it is
// opened, and a file of a newer version of the program, of a version no program wrote (a
// negative one) or without the tables its version promises is refused and never altered. A
// link in the file's place is refused. The file and its journal are readable by their owner
// only (0600). A
// damaged file, one protected against writing or one locked by another program gives a
// message and is left as it is.
//
// Schema (version 3):
//   clientes(id INTEGER PRIMARY KEY, nome TEXT as typed, chave TEXT (ChaveNome of nome),
//            nascimento TEXT "yyyy-MM-dd", telefone, email, observacoes TEXT,
//            criado, alterado TEXT "yyyy-MM-ddTHH:mm:ss" local time,
//            UNIQUE(chave, nascimento))                                         -- version 1
//   analises(id INTEGER PRIMARY KEY, cliente INTEGER REFERENCES clientes ON DELETE CASCADE,
//            feita TEXT "yyyy-MM-ddTHH:mm:ss", referencia TEXT "yyyy-MM-dd")      -- version 2
//            + escola INTEGER NOT NULL DEFAULT 0 (0 pitagórica, 1 cabalística)   -- version 3
//
// Two clients with the same key (ChaveNome of the name) and birth date are the same client.
#pragma once

#include "clients/Cliente.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace vidalume {

class FichaClientes {
public:
    static const QString kArquivo; // "clientes.sqlite"
    static constexpr int kVersao = 3;

    enum class Modo {
        Leitura, // nothing is created or changed; a missing file reads as an empty one (the
                 // file is opened for queries only, so that closing it folds its log back in
                 // and leaves no journal files behind)
        Escrita, // the file is created or brought up to date when needed
    };

    FichaClientes();
    ~FichaClientes();
    FichaClientes(const FichaClientes&) = delete;
    FichaClientes& operator=(const FichaClientes&) = delete;

    // Opens the file of `pasta`. False, with the reason in `erro`, when the file cannot be
    // used; it is then left untouched.
    bool abre(const QString& pasta, Modo modo, QString* erro);
    bool aberta() const { return aberta_; }
    QString caminho() const { return caminho_; }

    // How a client file that is only read must be opened when it or its folder cannot be
    // written: as an SQLite URI that reads it as immutable, so that SQLite needs no
    // shared-memory file beside it (it could not make one, or would leave one the file's
    // mode, 0400, that blocks every later write). Empty when it can be opened as usual, or
    // when a log beside it holds changes the file itself lacks.
    static QString uriSomenteLeitura(const QString& arquivo);

    // The number of clients; -1, with the reason in `erro`, when it cannot be read.
    qint64 total(QString* erro) const;

    // Checks the file `arquivo` as a client file a backup may bring back: it opens, passes
    // SQLite's integrity check, has a version this program wrote (1 to kVersao) and the tables
    // of that version with the unique index on (chave, nascimento), and holds no triggers or
    // views. The number of its clients, or -1 with the
    // reason in `erro`. The file is only read.
    static qint64 confereCopia(const QString& arquivo, QString* erro);

    // What a search fills in: the name, birth date and last analysis of a list, or every
    // field but the creation and change dates.
    enum class Campos { Lista, Todos };

    // The clients whose name holds every word of `busca` (without case and accents; all of
    // them for a blank text), sorted by name, each with its last analysis.
    std::vector<Cliente> busca(const QString& busca, QString* erro,
                               Campos campos = Campos::Todos) const;
    std::optional<Cliente> cliente(qint64 id, QString* erro) const;
    // The client with the same name key and birth date as `c`, or 0.
    qint64 procura(const Cliente& c, QString* erro) const;

    // Adds `c` (id 0) or changes the client of its id; `c` is adjusted, checked and gets its
    // id and dates. Refused when another client has the same name and birth date.
    bool salva(Cliente& c, QString* erro);
    // Adds `c` unless the same client is already there; either way `c.id` ends as the id of
    // the client kept, and `jaExistia` tells which.
    bool guarda(Cliente& c, bool* jaExistia, QString* erro);
    // Removes the client and the record of its analyses.
    bool exclui(qint64 id, QString* erro);

    // Every client `proximo` hands over (until it returns false), in one transaction: a client
    // already there is left as it is. When a write fails nothing of the import is kept.
    bool importa(const std::function<bool(Cliente&)>& proximo, int* novos, int* existentes,
                 QString* erro);

    bool registraAnalise(AnaliseCliente& analise, QString* erro);
    // The analyses of a client, the latest first.
    std::vector<AnaliseCliente> analises(qint64 cliente, QString* erro) const;

private:
    bool preparaEsquema(QString* erro);
    bool confereEsquema(int versao, QString* erro) const;
    bool protege(bool existe, QString* erro);
    bool atualiza(int versao, QString* erro);
    bool executa(const QString& sql, QString* erro) const;
    bool comeca(QString* erro);
    bool termina(bool ok, QString* erro);
    bool insere(Cliente& c, QString* erro);
    bool fechaComErro(const QString& mensagem, QString* erro);
    QString mensagem(const QString& falha, const QString& codigoNativo) const;

    QString conexao_;
    QString caminho_;
    Modo modo_ = Modo::Escrita;
    bool aberta_ = false;
};

} // namespace vidalume
