#include "clients/FichaClientes.h"

#include "clients/ChaveNome.h"
#include "clients/ErroSqlite.h"
#include "texts/GravacaoSegura.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

namespace vidalume {

const QString FichaClientes::kArquivo = QStringLiteral("clientes.sqlite");

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
constexpr int kEsperaTravaMs = 3000;

// The columns each table has from the version that made it on; a file that claims a version
// must have them before anything is changed in it.
struct TabelaEsquema {
    int desde;
    const char* nome;
    const char* colunas;
};
const TabelaEsquema kTabelas[] = {
    {1, "clientes", "id nome chave nascimento telefone email observacoes criado alterado"},
    {2, "analises", "id cliente feita referencia"},
    {3, "analises", "escola"},
};

const QString kDuplicado =
    QStringLiteral("Já existe na ficha um cliente com este nome e esta data de nascimento.");

// The steps that bring a file from one version to the next; step i leads to version i + 1.
const char* const kPassos[FichaClientes::kVersao] = {
    "CREATE TABLE clientes ("
    " id INTEGER PRIMARY KEY,"
    " nome TEXT NOT NULL,"
    " chave TEXT NOT NULL,"
    " nascimento TEXT NOT NULL,"
    " telefone TEXT NOT NULL DEFAULT '',"
    " email TEXT NOT NULL DEFAULT '',"
    " observacoes TEXT NOT NULL DEFAULT '',"
    " criado TEXT NOT NULL,"
    " alterado TEXT NOT NULL,"
    " UNIQUE (chave, nascimento))",
    "CREATE TABLE analises ("
    " id INTEGER PRIMARY KEY,"
    " cliente INTEGER NOT NULL REFERENCES clientes(id) ON DELETE CASCADE,"
    " feita TEXT NOT NULL,"
    " referencia TEXT NOT NULL);"
    "CREATE INDEX analises_cliente ON analises (cliente, feita)",
    // The school each analysis was computed by; older analyses were all Pythagorean.
    "ALTER TABLE analises ADD COLUMN escola INTEGER NOT NULL DEFAULT 0",
};

QString nomeConexao() {
    static QAtomicInteger<int> contador = 0;
    return QStringLiteral("vidalume_clientes_%1").arg(contador.fetchAndAddRelaxed(1));
}

QString textoData(QDate d) {
    return d.toString(Qt::ISODate);
}

QString textoDataHora(const QDateTime& d) {
    return d.toString(Qt::ISODate);
}

int numero(QStringView t, qsizetype inicio, qsizetype tamanho) {
    return t.mid(inicio, tamanho).toInt();
}

// "yyyy-MM-dd", read by position: a list of thousands of clients reads fast.
QDate leData(const QString& t) {
    if (t.size() < 10) {
        return {};
    }
    return QDate(numero(t, 0, 4), numero(t, 5, 2), numero(t, 8, 2));
}

QDateTime leDataHora(const QString& t) {
    if (t.size() < 19) {
        return {};
    }
    return QDateTime(leData(t), QTime(numero(t, 11, 2), numero(t, 14, 2), numero(t, 17, 2)));
}

QDateTime agora() {
    QDateTime d = QDateTime::currentDateTime();
    d.setTime(QTime(d.time().hour(), d.time().minute(), d.time().second()));
    return d;
}

// A text to bind: a null QString would be bound as NULL.
QVariant texto(const QString& s) {
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

bool gravavel(const QFileInfo& info) {
    // The write permission of the file's mode is honoured even where the user could write
    // anyway (root): the user made the file read-only.
    return info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

bool pastaGravavel(const QString& arquivo) {
    return QFileInfo(QFileInfo(arquivo).absolutePath()).isWritable();
}

} // namespace

QString FichaClientes::uriSomenteLeitura(const QString& arquivo) {
    const QFileInfo info(arquivo);
    const QFileInfo log(arquivo + QStringLiteral("-wal"));
    if ((gravavel(info) && pastaGravavel(arquivo)) || (log.exists() && log.size() > 0)) {
        return {};
    }
    return QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
           QStringLiteral("?immutable=1");
}

FichaClientes::FichaClientes() : conexao_(nomeConexao()) {}

FichaClientes::~FichaClientes() {
    if (QSqlDatabase::contains(conexao_)) {
        QSqlDatabase::database(conexao_, false).close();
        QSqlDatabase::removeDatabase(conexao_);
    }
}

QString FichaClientes::mensagem(const QString& falha, const QString& codigoNativo) const {
    const QString arquivo = QDir::toNativeSeparators(caminho_);
    switch (ErroSqlite::causa(codigoNativo.toInt())) {
    case ErroSqlite::Causa::EmUso:
        return QStringLiteral("O arquivo de clientes \"%1\" está em uso por outro programa. "
                              "Tente de novo em alguns instantes.")
            .arg(arquivo);
    case ErroSqlite::Causa::Protegido:
        return QStringLiteral("O arquivo de clientes \"%1\" está protegido contra gravação; "
                              "nada foi alterado.")
            .arg(arquivo);
    case ErroSqlite::Causa::Danificado:
        return QStringLiteral("O arquivo de clientes \"%1\" está danificado e não pode ser "
                              "usado. Ele foi deixado como está: restaure uma cópia de "
                              "segurança ou retire-o da pasta para começar uma ficha nova.")
            .arg(arquivo);
    case ErroSqlite::Causa::Cheio:
        return QStringLiteral("Não há espaço no disco para gravar o arquivo de clientes "
                              "\"%1\"; nada foi alterado.")
            .arg(arquivo);
    case ErroSqlite::Causa::NaoAbre:
        return QStringLiteral("Não foi possível abrir o arquivo de clientes \"%1\".").arg(arquivo);
    case ErroSqlite::Causa::Restricao:
        return kDuplicado;
    case ErroSqlite::Causa::GrandeDemais:
        return QStringLiteral("Não foi possível gravar o arquivo de clientes \"%1\": %2 A "
                              "alteração não foi feita.")
            .arg(arquivo, GravacaoSegura::motivo(GravacaoSegura::Causa::GrandeDemais));
    case ErroSqlite::Causa::EntradaSaida:
        return QStringLiteral("Houve um erro de leitura ou gravação no disco ao usar o arquivo de "
                              "clientes \"%1\" (o disco pode estar cheio, ter sido retirado ou "
                              "estar com defeito); a alteração não foi feita.")
            .arg(arquivo);
    case ErroSqlite::Causa::SemMemoria:
        return QStringLiteral("Faltou memória para usar o arquivo de clientes \"%1\"; a "
                              "alteração não foi feita.")
            .arg(arquivo);
    case ErroSqlite::Causa::Outra:
        break;
    }
    // The driver's own texts are in English; only the code is passed on.
    Q_UNUSED(falha);
    const int codigo = codigoNativo.toInt();
    return codigo != 0 ? QStringLiteral("Não foi possível usar o arquivo de clientes \"%1\" "
                                        "(erro %2 do SQLite); a alteração não foi feita.")
                             .arg(arquivo)
                             .arg(codigo)
                       : QStringLiteral("Não foi possível usar o arquivo de clientes \"%1\" "
                                        "(erro interno do acesso ao banco de dados); a "
                                        "alteração não foi feita.")
                             .arg(arquivo);
}

bool FichaClientes::fechaComErro(const QString& texto, QString* erro) {
    *erro = texto;
    aberta_ = false;
    QSqlDatabase::database(conexao_, false).close();
    return false;
}

bool FichaClientes::executa(const QString& sql, QString* erro) const {
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    if (!q.exec(sql)) {
        *erro = mensagem(q.lastError().driverText() + u' ' + q.lastError().databaseText(),
                         q.lastError().nativeErrorCode());
        return false;
    }
    return true;
}

bool FichaClientes::abre(const QString& pasta, Modo modo, QString* erro) {
    modo_ = modo;
    caminho_ = QDir(pasta).filePath(kArquivo);
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        *erro = QStringLiteral("O suporte a bancos de dados SQLite do Qt não está instalado "
                               "(pacote libqt6sql6-sqlite); a ficha de clientes não pode ser "
                               "usada.");
        return false;
    }
    const QFileInfo info(caminho_);
    if (info.isSymLink()) {
        *erro = QStringLiteral("\"%1\" é um link para outro arquivo e não pode ser a ficha de "
                               "clientes; ela foi deixada como está.")
                    .arg(QDir::toNativeSeparators(caminho_));
        return false;
    }
    // An empty file (left by a first write that ran out of disk) is an empty client file.
    const bool existe = info.exists() && !(info.isFile() && info.size() == 0);
    if (info.exists() && !info.isFile()) {
        *erro = QStringLiteral("\"%1\" não é um arquivo e não pode ser a ficha de clientes.")
                    .arg(QDir::toNativeSeparators(caminho_));
        return false;
    }
    if (modo == Modo::Escrita && !pastaGravavel(caminho_)) {
        *erro = QStringLiteral("A pasta \"%1\" não permite gravação (está protegida ou num disco "
                               "só de leitura): a ficha de clientes pode ser consultada, mas "
                               "nada foi alterado.")
                    .arg(QDir::toNativeSeparators(QFileInfo(caminho_).absolutePath()));
        return false;
    }
    if (existe && modo == Modo::Escrita && !gravavel(info)) {
        *erro = mensagem({}, QString::number(ErroSqlite::kSomenteLeitura));
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(conexao_)
                          ? QSqlDatabase::database(conexao_, false)
                          : QSqlDatabase::addDatabase(kDriver, conexao_);
    QString opcoes = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kEsperaTravaMs);
    if (modo == Modo::Leitura) {
        // Nothing is created: a missing file is read as an empty one kept in memory.
        const QString imutavel = existe ? uriSomenteLeitura(caminho_) : QString();
        db.setDatabaseName(!imutavel.isEmpty() ? imutavel
                           : existe            ? caminho_
                                               : QStringLiteral(":memory:"));
        if (!imutavel.isEmpty()) {
            opcoes += QStringLiteral(";QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY");
        }
    } else {
        if (!existe && !protege(false, erro)) {
            return false;
        }
        db.setDatabaseName(caminho_);
    }
    db.setConnectOptions(opcoes);
    if (!db.open()) {
        return fechaComErro(mensagem(db.lastError().text(), db.lastError().nativeErrorCode()),
                            erro);
    }
    aberta_ = true;
    if (modo == Modo::Leitura && existe && !executa(QStringLiteral("PRAGMA query_only=ON"), erro)) {
        return fechaComErro(*erro, erro);
    }
    if (!preparaEsquema(erro)) {
        return fechaComErro(*erro, erro);
    }
    // Only a file known to be a client file is closed to other users.
    if (modo == Modo::Escrita && info.exists()) {
        protege(true, erro);
    }
    return true;
}

bool FichaClientes::preparaEsquema(QString* erro) {
    QSqlDatabase db = QSqlDatabase::database(conexao_, false);
    QSqlQuery q(db);
    // Reading the whole file first: a damaged file is refused before anything is written.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        return false;
    }
    if (q.value(0).toString() != QLatin1String("ok")) {
        *erro = mensagem({}, QString::number(ErroSqlite::kDanificado));
        return false;
    }
    q.finish();
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        return false;
    }
    const int versao = q.value(0).toInt();
    q.finish();
    if (versao < 0) {
        *erro = QStringLiteral("O arquivo de clientes \"%1\" tem uma versão (%2) que nenhuma "
                               "versão do programa grava: ele está danificado ou é de outro "
                               "programa. Ele foi deixado como está.")
                    .arg(QDir::toNativeSeparators(caminho_))
                    .arg(versao);
        return false;
    }
    if (versao > kVersao) {
        *erro = QStringLiteral("O arquivo de clientes \"%1\" foi gravado por uma versão mais "
                               "nova do programa e não pode ser usado por esta. Ele foi deixado "
                               "como está; atualize o programa para usá-lo.")
                    .arg(QDir::toNativeSeparators(caminho_));
        return false;
    }
    if (versao == 0) {
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next()) {
            *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
            return false;
        }
        if (q.value(0).toInt() > 0) {
            *erro = QStringLiteral("O arquivo \"%1\" é um banco de dados de outro programa, não "
                                   "uma ficha de clientes; ele foi deixado como está.")
                        .arg(QDir::toNativeSeparators(caminho_));
            return false;
        }
        q.finish();
    }
    if (versao > 0 && !confereEsquema(versao, erro)) {
        return false;
    }
    if (modo_ == Modo::Leitura && db.databaseName() != QLatin1String(":memory:")) {
        if (versao < kVersao) {
            *erro = QStringLiteral("O arquivo de clientes \"%1\" é de uma versão anterior do "
                                   "programa; abra a ficha de clientes uma vez no programa para "
                                   "atualizá-lo.")
                        .arg(QDir::toNativeSeparators(caminho_));
            return false;
        }
        return true;
    }
    if (modo_ == Modo::Escrita) {
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next() ||
            q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
            *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
            return false;
        }
        q.finish();
    }
    if (!executa(QStringLiteral("PRAGMA foreign_keys=ON"), erro)) {
        return false;
    }
    return versao == kVersao || atualiza(versao, erro);
}

qint64 FichaClientes::total(QString* erro) const {
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM clientes")) || !q.next()) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        return -1;
    }
    return q.value(0).toLongLong();
}

qint64 FichaClientes::confereCopia(const QString& arquivo, QString* erro) {
    FichaClientes ficha;
    ficha.caminho_ = arquivo;
    ficha.modo_ = Modo::Leitura;
    const QString danificado =
        QStringLiteral("O arquivo de clientes da cópia está danificado ou não é uma ficha de "
                       "clientes do Vidalume.");
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, ficha.conexao_);
    db.setDatabaseName(arquivo);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        *erro = danificado;
        return -1;
    }
    ficha.aberta_ = true;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA integrity_check")) || !q.next() ||
        q.value(0).toString() != QLatin1String("ok")) {
        *erro = danificado;
        return -1;
    }
    q.finish();
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        *erro = danificado;
        return -1;
    }
    const int versao = q.value(0).toInt();
    q.finish();
    if (versao > kVersao) {
        *erro = QStringLiteral("O arquivo de clientes da cópia foi gravado por uma versão mais "
                               "nova do programa e não pode ser usado por esta.");
        return -1;
    }
    QString motivo;
    if (versao < 1 || !ficha.confereEsquema(versao, &motivo)) {
        *erro = danificado;
        return -1;
    }
    // The program makes no triggers or views: in a file to bring back they could only act on
    // the program's own writes.
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type IN ('trigger', "
                               "'view')")) ||
        !q.next() || q.value(0).toInt() != 0) {
        *erro = danificado;
        return -1;
    }
    q.finish();
    // Without the index that makes a client unique, every later import would add the same
    // clients again.
    if (!q.exec(QStringLiteral("SELECT count(*) FROM pragma_index_list('clientes') AS i WHERE "
                               "i.\"unique\" AND (SELECT group_concat(name) FROM (SELECT name FROM "
                               "pragma_index_info(i.name) ORDER BY seqno)) = "
                               "'chave,nascimento'")) ||
        !q.next() || q.value(0).toInt() != 1) {
        *erro = danificado;
        return -1;
    }
    q.finish();
    const qint64 n = ficha.total(&motivo);
    if (n < 0) {
        *erro = danificado;
    }
    return n;
}

bool FichaClientes::confereEsquema(int versao, QString* erro) const {
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    for (const TabelaEsquema& tabela : kTabelas) {
        if (tabela.desde > versao) {
            continue;
        }
        q.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
        q.addBindValue(QString::fromLatin1(tabela.nome));
        if (!q.exec()) {
            *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
            return false;
        }
        QStringList colunas;
        while (q.next()) {
            colunas << q.value(0).toString();
        }
        for (const QString& coluna :
             QString::fromLatin1(tabela.colunas).split(u' ', Qt::SkipEmptyParts)) {
            if (!colunas.contains(coluna)) {
                *erro = QStringLiteral("O arquivo \"%1\" é um banco de dados de outro programa, "
                                       "não uma ficha de clientes; ele foi deixado como está.")
                            .arg(QDir::toNativeSeparators(caminho_));
                return false;
            }
        }
    }
    return true;
}

bool FichaClientes::protege(bool existe, QString* erro) {
    if (!existe) {
        // Created empty and private first: SQLite gives its journal the same mode.
        QString motivo;
        bool jaExistia = false;
        if (!GravacaoSegura::criaPrivado(caminho_, &motivo, &jaExistia) && !jaExistia) {
            *erro = QStringLiteral("Não foi possível criar o arquivo de clientes \"%1\": %2")
                        .arg(QDir::toNativeSeparators(caminho_), motivo);
            return false;
        }
        return true;
    }
    // A file made by an older version may be readable by anyone: it holds personal data.
    for (const char* sufixo : {"", "-wal", "-shm", "-journal"}) {
        GravacaoSegura::restringeAoDono(caminho_ + QLatin1String(sufixo));
    }
    return true;
}

bool FichaClientes::atualiza(int versao, QString* erro) {
    if (!comeca(erro)) {
        return false;
    }
    // Read again inside the transaction: another program may have brought it up to date.
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    bool ok = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
    const int atual = ok ? q.value(0).toInt() : versao;
    q.finish();
    if (ok && (atual < 0 || atual > kVersao)) {
        *erro = QStringLiteral("O arquivo de clientes \"%1\" foi alterado por outro programa "
                               "enquanto era aberto e não pode ser usado; ele foi deixado como "
                               "está.")
                    .arg(QDir::toNativeSeparators(caminho_));
        ok = false;
    }
    for (int passo = atual; ok && passo < kVersao; ++passo) {
        for (const QString& sql :
             QString::fromLatin1(kPassos[passo]).split(u';', Qt::SkipEmptyParts)) {
            ok = ok && executa(sql, erro);
        }
    }
    ok = ok && executa(QStringLiteral("PRAGMA user_version=%1").arg(kVersao), erro);
    return termina(ok, erro);
}

bool FichaClientes::comeca(QString* erro) {
    return executa(QStringLiteral("BEGIN IMMEDIATE"), erro);
}

bool FichaClientes::termina(bool ok, QString* erro) {
    if (ok && executa(QStringLiteral("COMMIT"), erro)) {
        return true;
    }
    QString ignorado;
    executa(QStringLiteral("ROLLBACK"), &ignorado);
    return false;
}

std::vector<Cliente> FichaClientes::busca(const QString& texto, QString* erro,
                                          Campos campos) const {
    std::vector<Cliente> lista;
    if (!aberta_) {
        return lista;
    }
    const bool completos = campos == Campos::Todos;
    const QStringList palavras = ChaveNome::palavras(texto);
    // The order is that of the (chave, nascimento) index, so no sorting is needed.
    QString sql = QStringLiteral("SELECT c.id, c.nome, c.nascimento, u.ultima") +
                  (completos ? QStringLiteral(", c.telefone, c.email, c.observacoes") : QString()) +
                  QStringLiteral(" FROM clientes c LEFT JOIN (SELECT cliente, max(feita) AS "
                                 "ultima FROM analises GROUP BY cliente) u ON u.cliente = c.id");
    for (qsizetype i = 0; i < palavras.size(); ++i) {
        sql += (i == 0 ? QStringLiteral(" WHERE") : QStringLiteral(" AND")) +
               QStringLiteral(" instr(c.chave, ?) > 0");
    }
    sql += QStringLiteral(" ORDER BY c.chave, c.nascimento");
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QString& p : palavras) {
        q.addBindValue(p);
    }
    if (!q.exec()) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        return lista;
    }
    while (q.next()) {
        Cliente& c = lista.emplace_back();
        c.id = q.value(0).toLongLong();
        c.nome = q.value(1).toString();
        c.nascimento = leData(q.value(2).toString());
        c.ultimaAnalise = leDataHora(q.value(3).toString());
        if (completos) {
            c.telefone = q.value(4).toString();
            c.email = q.value(5).toString();
            c.observacoes = q.value(6).toString();
        }
    }
    return lista;
}

std::optional<Cliente> FichaClientes::cliente(qint64 id, QString* erro) const {
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    q.prepare(QStringLiteral(
        "SELECT id, nome, nascimento, telefone, email, observacoes, criado, alterado,"
        " (SELECT max(feita) FROM analises WHERE cliente = ?) FROM clientes WHERE id = ?"));
    q.addBindValue(id);
    q.addBindValue(id);
    if (!q.exec()) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        return std::nullopt;
    }
    if (!q.next()) {
        *erro = QStringLiteral("O cliente não está mais na ficha.");
        return std::nullopt;
    }
    Cliente c;
    c.id = q.value(0).toLongLong();
    c.nome = q.value(1).toString();
    c.nascimento = leData(q.value(2).toString());
    c.telefone = q.value(3).toString();
    c.email = q.value(4).toString();
    c.observacoes = q.value(5).toString();
    c.criado = leDataHora(q.value(6).toString());
    c.alterado = leDataHora(q.value(7).toString());
    c.ultimaAnalise = leDataHora(q.value(8).toString());
    return c;
}

qint64 FichaClientes::procura(const Cliente& c, QString* erro) const {
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    q.prepare(QStringLiteral("SELECT id FROM clientes WHERE chave = ? AND nascimento = ?"));
    q.addBindValue(ChaveNome::de(c.nome));
    q.addBindValue(textoData(c.nascimento));
    if (!q.exec()) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        return 0;
    }
    return q.next() ? q.value(0).toLongLong() : 0;
}

bool FichaClientes::insere(Cliente& c, QString* erro) {
    c.criado = c.alterado = agora();
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    q.prepare(QStringLiteral(
        "INSERT INTO clientes (nome, chave, nascimento, telefone, email, observacoes, criado,"
        " alterado) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"));
    for (const QVariant& v :
         {texto(c.nome), texto(ChaveNome::de(c.nome)), QVariant(textoData(c.nascimento)),
          texto(c.telefone), texto(c.email), texto(c.observacoes),
          QVariant(textoDataHora(c.criado)), QVariant(textoDataHora(c.alterado))}) {
        q.addBindValue(v);
    }
    if (!q.exec()) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        return false;
    }
    c.id = q.numRowsAffected() > 0 ? q.lastInsertId().toLongLong() : 0;
    return true;
}

bool FichaClientes::salva(Cliente& c, QString* erro) {
    c.ajusta();
    if (QString falha = c.confere(); !falha.isEmpty()) {
        *erro = falha;
        return false;
    }
    if (!comeca(erro)) {
        return false;
    }
    QString falhaBusca;
    const qint64 mesmo = procura(c, &falhaBusca);
    bool ok = falhaBusca.isEmpty();
    if (!ok) {
        *erro = falhaBusca;
    }
    if (ok && mesmo != 0 && mesmo != c.id) {
        *erro = kDuplicado;
        ok = false;
    }
    if (ok && c.id == 0) {
        ok = insere(c, erro);
    } else if (ok) {
        c.alterado = agora();
        QSqlQuery q(QSqlDatabase::database(conexao_, false));
        q.prepare(QStringLiteral("UPDATE clientes SET nome = ?, chave = ?, nascimento = ?,"
                                 " telefone = ?, email = ?, observacoes = ?, alterado = ?"
                                 " WHERE id = ?"));
        for (const QVariant& v :
             {texto(c.nome), texto(ChaveNome::de(c.nome)), QVariant(textoData(c.nascimento)),
              texto(c.telefone), texto(c.email), texto(c.observacoes),
              QVariant(textoDataHora(c.alterado)), QVariant(c.id)}) {
            q.addBindValue(v);
        }
        ok = q.exec();
        if (!ok) {
            *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        } else if (q.numRowsAffected() == 0) {
            *erro = QStringLiteral("O cliente não está mais na ficha.");
            ok = false;
        }
    }
    return termina(ok, erro);
}

bool FichaClientes::guarda(Cliente& c, bool* jaExistia, QString* erro) {
    c.ajusta();
    if (QString falha = c.confere(); !falha.isEmpty()) {
        *erro = falha;
        return false;
    }
    if (!comeca(erro)) {
        return false;
    }
    bool ok = insere(c, erro);
    *jaExistia = ok && c.id == 0;
    if (*jaExistia) {
        c.id = procura(c, erro);
        ok = c.id != 0;
    }
    return termina(ok, erro);
}

bool FichaClientes::exclui(qint64 id, QString* erro) {
    if (!comeca(erro)) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    q.prepare(QStringLiteral("DELETE FROM clientes WHERE id = ?"));
    q.addBindValue(id);
    const bool ok = q.exec();
    if (!ok) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
    }
    return termina(ok, erro);
}

bool FichaClientes::importa(const std::function<bool(Cliente&)>& proximo, int* novos,
                            int* existentes, QString* erro) {
    *novos = *existentes = 0;
    if (!comeca(erro)) {
        return false;
    }
    bool ok = true;
    Cliente c;
    while (ok && proximo(c)) {
        c.ajusta();
        ok = insere(c, erro);
        if (ok) {
            ++(c.id != 0 ? *novos : *existentes);
        }
        c = Cliente{};
    }
    if (!termina(ok, erro)) {
        *novos = *existentes = 0;
        return false;
    }
    return true;
}

bool FichaClientes::registraAnalise(AnaliseCliente& a, QString* erro) {
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    q.prepare(QStringLiteral(
        "INSERT INTO analises (cliente, feita, referencia, escola) VALUES (?, ?, ?, ?)"));
    q.addBindValue(a.cliente);
    q.addBindValue(textoDataHora(a.feita));
    q.addBindValue(textoData(a.referencia));
    q.addBindValue(a.escola == EscolaCalculo::Cabalistica ? 1 : 0);
    if (!q.exec()) {
        const QString codigo = q.lastError().nativeErrorCode();
        *erro = ErroSqlite::causa(codigo.toInt()) == ErroSqlite::Causa::Restricao
                    ? QStringLiteral("O cliente não está mais na ficha.")
                    : mensagem(q.lastError().text(), codigo);
        return false;
    }
    a.id = q.lastInsertId().toLongLong();
    return true;
}

std::vector<AnaliseCliente> FichaClientes::analises(qint64 cliente, QString* erro) const {
    std::vector<AnaliseCliente> lista;
    QSqlQuery q(QSqlDatabase::database(conexao_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, feita, referencia, escola FROM analises WHERE cliente = ?"
                             " ORDER BY feita DESC, id DESC"));
    q.addBindValue(cliente);
    if (!q.exec()) {
        *erro = mensagem(q.lastError().text(), q.lastError().nativeErrorCode());
        return lista;
    }
    while (q.next()) {
        lista.push_back(
            {q.value(0).toLongLong(), cliente, leDataHora(q.value(1).toString()),
             leData(q.value(2).toString()),
             q.value(3).toInt() == 1 ? EscolaCalculo::Cabalistica : EscolaCalculo::Pitagorica});
    }
    return lista;
}

} // namespace vidalume
