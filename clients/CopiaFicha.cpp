#include "clients/CopiaFicha.h"

#include "clients/ErroSqlite.h"
#include "clients/FichaClientes.h"

#include "texts/GravacaoSegura.h"
#include "texts/Mensagem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <memory>

namespace vidalume {

namespace {

constexpr int kEsperaTravaMs = 3000;

struct FechaBanco {
    void operator()(sqlite3* banco) const { sqlite3_close_v2(banco); }
};
using Banco = std::unique_ptr<sqlite3, FechaBanco>;

// SQLite's result said in Portuguese, lower case, ending with a full stop.
QString motivoSqlite(int codigo) {
    switch (ErroSqlite::causa(codigo)) {
    case ErroSqlite::Causa::EmUso:
        return QStringLiteral("o arquivo está em uso por outro programa; tente de novo em alguns "
                              "instantes.");
    case ErroSqlite::Causa::Protegido:
        return QStringLiteral("o arquivo está protegido contra gravação.");
    case ErroSqlite::Causa::Danificado:
        return QStringLiteral("o arquivo está danificado ou não é uma ficha de clientes.");
    case ErroSqlite::Causa::Cheio:
        return QStringLiteral("não há espaço livre no disco.");
    case ErroSqlite::Causa::GrandeDemais:
        return GravacaoSegura::motivo(GravacaoSegura::Causa::GrandeDemais);
    case ErroSqlite::Causa::EntradaSaida:
        return QStringLiteral("houve um erro de leitura ou gravação no disco (ele pode estar "
                              "cheio ou com defeito).");
    case ErroSqlite::Causa::NaoAbre:
        return QStringLiteral("o arquivo não pode ser aberto.");
    case ErroSqlite::Causa::SemMemoria:
        return QStringLiteral("faltou memória.");
    case ErroSqlite::Causa::Restricao:
    case ErroSqlite::Causa::Outra:
        break;
    }
    return QStringLiteral("erro %1 do SQLite.").arg(codigo);
}

// A new, empty file only its owner may read: SQLite then fills it and gives its journal the
// same mode.
bool criaPrivado(const QString& caminho, QString* erro) {
    return GravacaoSegura::criaPrivado(caminho, erro);
}

Banco abreBanco(const QString& caminho, int modo, int* codigo) {
    sqlite3* bruto = nullptr;
    *codigo = sqlite3_open_v2(QFile::encodeName(caminho).constData(), &bruto,
                              modo | SQLITE_OPEN_NOFOLLOW, nullptr);
    Banco banco(bruto);
    if (*codigo == SQLITE_OK) {
        sqlite3_busy_timeout(banco.get(), kEsperaTravaMs);
        sqlite3_extended_result_codes(banco.get(), 1);
    }
    return banco;
}

// The single value of `sql`, or none.
bool valor(sqlite3* banco, const char* sql, QString* texto, int* codigo) {
    sqlite3_stmt* bruto = nullptr;
    *codigo = sqlite3_prepare_v2(banco, sql, -1, &bruto, nullptr);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> consulta(bruto, sqlite3_finalize);
    if (*codigo != SQLITE_OK) {
        return false;
    }
    *codigo = sqlite3_step(consulta.get());
    if (*codigo != SQLITE_ROW) {
        return false;
    }
    *texto =
        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(consulta.get(), 0)));
    *codigo = SQLITE_OK;
    return true;
}

// Streams `origem` into the new private file `destino`.
bool copiaArquivo(const QString& origem, const QString& destino, QString* erro) {
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly)) {
        return Mensagem::falha(erro, entrada.errorString());
    }
    GravacaoSegura gravacao(destino, GravacaoSegura::Destino::NomeNovo,
                            GravacaoSegura::Acesso::SoDono);
    return gravacao.abre(erro) && gravacao.copiaDe(entrada, erro) && gravacao.conclui(erro);
}

} // namespace

bool CopiaFicha::copia(const QString& origem, const QString& destino, QString* erro) {
    const QString naoCopiou =
        QStringLiteral("Não foi possível copiar o arquivo de clientes "
                       "\"%1\" para \"%2\": %3")
            .arg(QDir::toNativeSeparators(origem), QDir::toNativeSeparators(destino));
    QString motivo;
    if (!criaPrivado(destino, &motivo)) {
        return Mensagem::falha(erro, naoCopiou.arg(motivo));
    }
    // Read-write without creating: the last connection to close checkpoints the log and
    // removes it, so nothing is left beside the file. VACUUM INTO only reads this file. A
    // file that cannot be written, or lies in a folder that cannot, is read as immutable.
    int codigo = SQLITE_OK;
    const QString imutavel = FichaClientes::uriSomenteLeitura(origem);
    Banco banco = imutavel.isEmpty()
                      ? abreBanco(origem, SQLITE_OPEN_READWRITE, &codigo)
                      : abreBanco(imutavel, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, &codigo);
    if (codigo == SQLITE_OK) {
        sqlite3_stmt* bruto = nullptr;
        codigo = sqlite3_prepare_v2(banco.get(), "VACUUM INTO ?", -1, &bruto, nullptr);
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> vacuo(bruto, sqlite3_finalize);
        if (codigo == SQLITE_OK) {
            const QByteArray alvo = QFile::encodeName(destino);
            sqlite3_bind_text(vacuo.get(), 1, alvo.constData(), int(alvo.size()), SQLITE_TRANSIENT);
            codigo = sqlite3_step(vacuo.get());
            codigo = codigo == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(banco.get());
        }
    }
    if (codigo != SQLITE_OK) {
        QFile::remove(destino);
        return Mensagem::falha(erro, naoCopiou.arg(motivoSqlite(codigo)));
    }
    return true;
}

bool CopiaFicha::compacta(const QString& arquivo, QString* erro) {
    int codigo = SQLITE_OK;
    Banco banco = abreBanco(arquivo, SQLITE_OPEN_READWRITE, &codigo);
    if (codigo == SQLITE_OK) {
        codigo = sqlite3_exec(banco.get(), "VACUUM", nullptr, nullptr, nullptr);
    }
    if (codigo != SQLITE_OK) {
        return Mensagem::falha(erro, QStringLiteral("Não foi possível preparar o arquivo de "
                                                    "clientes da cópia: %1")
                                         .arg(motivoSqlite(codigo)));
    }
    return true;
}

bool CopiaFicha::copiaBytes(const QString& origem, const QString& destino, QString* erro) {
    QString motivo;
    const QString log = origem + QStringLiteral("-wal");
    if (!copiaArquivo(origem, destino, &motivo) ||
        (QFileInfo(log).isFile() &&
         !copiaArquivo(log, destino + QStringLiteral("-wal"), &motivo))) {
        return Mensagem::falha(
            erro,
            QStringLiteral("Não foi possível copiar o arquivo de clientes \"%1\" "
                           "para \"%2\": %3")
                .arg(QDir::toNativeSeparators(origem), QDir::toNativeSeparators(destino), motivo));
    }
    return true;
}

bool CopiaFicha::restaura(const QString& origem, const QString& destino, QString* erro) {
    const QString naoRestaurou =
        QStringLiteral("Não foi possível restaurar o arquivo de clientes \"%1\": %2")
            .arg(QDir::toNativeSeparators(destino));
    QString motivo;
    if (QFileInfo(destino).isSymLink()) {
        return Mensagem::falha(
            erro, naoRestaurou.arg(QStringLiteral("ele é um link para outro arquivo.")));
    }
    if (QFileInfo::exists(destino) && !QFileInfo(destino).isFile()) {
        return Mensagem::falha(erro,
                               naoRestaurou.arg(QStringLiteral("ele não é um arquivo comum.")));
    }
    // A file the user made read-only stays as it is, even where it could be written (root);
    // SQLite would open it for reading and leave read-only logs beside it that block later
    // writes.
    if (const QFileInfo info(destino);
        info.exists() && !(info.isWritable() && (info.permissions() & QFileDevice::WriteOwner))) {
        return Mensagem::falha(erro, naoRestaurou.arg(motivoSqlite(SQLITE_READONLY)));
    }
    if (!QFileInfo::exists(destino) && !criaPrivado(destino, &motivo)) {
        return Mensagem::falha(erro, naoRestaurou.arg(motivo));
    }
    int codigo = SQLITE_OK;
    Banco fonte = abreBanco(origem, SQLITE_OPEN_READONLY, &codigo);
    if (codigo != SQLITE_OK) {
        return Mensagem::falha(erro, naoRestaurou.arg(motivoSqlite(codigo)));
    }
    for (int tentativa = 0; tentativa < 2; ++tentativa) {
        Banco alvo = abreBanco(destino, SQLITE_OPEN_READWRITE, &codigo);
        QString modo;
        QString paginaAlvo;
        QString paginaFonte;
        if (codigo == SQLITE_OK && valor(alvo.get(), "PRAGMA journal_mode", &modo, &codigo) &&
            valor(alvo.get(), "PRAGMA page_size", &paginaAlvo, &codigo) &&
            valor(fonte.get(), "PRAGMA page_size", &paginaFonte, &codigo)) {
            if (modo.compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0 &&
                paginaAlvo != paginaFonte) {
                // A log keeps its page size: the file leaves it for the copy, in one step.
                codigo = sqlite3_exec(alvo.get(), "PRAGMA journal_mode=DELETE", nullptr, nullptr,
                                      nullptr);
            }
            if (codigo == SQLITE_OK) {
                sqlite3_backup* copia =
                    sqlite3_backup_init(alvo.get(), "main", fonte.get(), "main");
                if (!copia) {
                    codigo = sqlite3_extended_errcode(alvo.get());
                } else {
                    codigo = sqlite3_backup_step(copia, -1);
                    const int fim = sqlite3_backup_finish(copia);
                    codigo = codigo == SQLITE_DONE ? fim : codigo;
                }
            }
            if (codigo == SQLITE_OK) {
                sqlite3_exec(alvo.get(), "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
                return true;
            }
        }
        const int primario = codigo & 0xFF;
        if (tentativa > 0 || (primario != SQLITE_NOTADB && primario != SQLITE_CORRUPT)) {
            break;
        }
        // Nothing SQLite can write into: the damaged file and its log give way to a new one.
        alvo.reset();
        for (const char* sufixo : {"-wal", "-shm", "-journal", ""}) {
            QFile::remove(destino + QLatin1String(sufixo));
        }
        if (!criaPrivado(destino, &motivo)) {
            return Mensagem::falha(erro, naoRestaurou.arg(motivo));
        }
    }
    return Mensagem::falha(erro, naoRestaurou.arg(motivoSqlite(codigo)));
}

} // namespace vidalume
