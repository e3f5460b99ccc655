#include "clients/CopiaCompleta.h"

#include "clients/CopiaFicha.h"
#include "clients/FichaClientes.h"
#include "settings/CopiaSeguranca.h"
#include "settings/TextosOriginais.h"
#include "texts/GravacaoSegura.h"
#include "texts/Mensagem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace vidalume {

namespace {

// Sentences joined, each with a capital letter.
QString frases(const QStringList& motivos) {
    QStringList inteiras;
    for (const QString& m : motivos) {
        inteiras << (m.isEmpty() ? m : m[0].toUpper() + m.mid(1));
    }
    return inteiras.join(u' ');
}

// The temporary folder of a backup being made, "vidalume-copia-PID-XXXXXX".
const QRegularExpression kRestoMontagem(QStringLiteral("^vidalume-copia-(\\d+)-"));

QString dataHora(const QDateTime& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy 'às' HH:mm"));
}

// Whether the two files hold the same bytes (both small: texts and settings).
bool iguais(const QString& a, const QString& b) {
    QFile um(a);
    QFile outro(b);
    return um.open(QIODevice::ReadOnly) && outro.open(QIODevice::ReadOnly) &&
           um.size() == outro.size() && um.readAll() == outro.readAll();
}

// Streams `origem` into `gravacao`, already open, and gives the new file its name.
bool copiaPara(const QString& origem, GravacaoSegura& gravacao, QString* erro) {
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly)) {
        return Mensagem::falha(erro, entrada.errorString());
    }
    return gravacao.copiaDe(entrada, erro) && gravacao.conclui(erro);
}

// A text or settings file of the folder the restore may read: one that is there and is a
// regular file (a FIFO would block the comparison, a device such as /dev/zero would feed the
// copy for ever). Links are followed, as the program reads through them.
QString naoComum(const QString& caminho) {
    const QFileInfo info(caminho);
    return info.exists() && !info.isFile()
               ? QStringLiteral("\"%1\" não é um arquivo comum (é uma pasta, um canal ou um "
                                "dispositivo) e não será lido nem substituído.")
                     .arg(QDir::toNativeSeparators(caminho))
               : QString();
}

// Whether the lock file `caminho` that `trava` could not take names no process (it holds
// anything but a lock's details) and is old enough not to be one being written now. Such a
// file would otherwise refuse every restore for ever, a lock of no age being never stale.
bool lixoNoLugarDaTrava(const QLockFile& trava, const QString& caminho) {
    constexpr qint64 kEscritaDeUmaTravaMs = 5000;
    qint64 processo = 0;
    QString maquina, programa;
    const QFileInfo info(caminho);
    return info.isFile() && !trava.getLockInfo(&processo, &maquina, &programa) &&
           info.lastModified().msecsTo(QDateTime::currentDateTime()) > kEscritaDeUmaTravaMs;
}

// The client file of `pastaDados` as it goes into a backup: its snapshot in `trabalho`, or why
// it stays out. An empty file is an empty client file, with nothing to keep.
QString copiaFichaPara(const QString& pastaDados, const QString& trabalho, QString* instantaneo) {
    const QString ficha = QDir(pastaDados).filePath(FichaClientes::kArquivo);
    const QFileInfo info(ficha);
    if (!info.exists() && !info.isSymLink()) {
        return {};
    }
    if (info.isSymLink() || !info.isFile()) {
        return QStringLiteral("\"%1\" não é um arquivo comum e não pode ser copiado como a "
                              "ficha de clientes.")
            .arg(QDir::toNativeSeparators(ficha));
    }
    if (info.size() == 0) {
        return {};
    }
    // Named here: SQLite would only say that some file could not be opened.
    if (QFile leitura(ficha); !leitura.open(QIODevice::ReadOnly)) {
        return QStringLiteral("O arquivo de clientes \"%1\" não pode ser lido (%2).")
            .arg(QDir::toNativeSeparators(ficha), !info.isReadable()
                                                      ? QStringLiteral("sem permissão de leitura")
                                                      : QStringLiteral("não pôde ser aberto"));
    }
    const QString copia = QDir(trabalho).filePath(FichaClientes::kArquivo);
    QString motivo;
    if (!CopiaFicha::copia(ficha, copia, &motivo)) {
        return motivo;
    }
    // A copy that could not be restored is no backup: say so now, not on the day it is needed.
    if (FichaClientes::confereCopia(copia, &motivo) < 0) {
        return QStringLiteral("O arquivo de clientes \"%1\" está danificado, é de outro "
                              "programa ou de uma versão mais nova, e não poderia ser restaurado "
                              "de uma cópia. Restaure uma cópia anterior ou retire o arquivo da "
                              "pasta.")
            .arg(QDir::toNativeSeparators(ficha));
    }
    *instantaneo = copia;
    return {};
}

} // namespace

bool CopiaCompleta::grava(const QString& pastaDados, const QString& arquivoZip,
                          const QDateTime& agora, QString* erro, QStringList* deixados) {
    QList<CopiaSeguranca::Entrada> entradas;
    QStringList fora;
    for (const QString& nome : CopiaSeguranca::arquivos(pastaDados)) {
        if (const QString motivo = CopiaSeguranca::confereArquivo(pastaDados, nome);
            !motivo.isEmpty()) {
            fora << motivo;
        } else {
            entradas.append({nome, QDir(pastaDados).filePath(nome)});
        }
    }
    GravacaoSegura::limpaRestos(QDir::tempPath(), kRestoMontagem, true);
    QTemporaryDir trabalho(QDir(QDir::tempPath())
                               .filePath(QStringLiteral("vidalume-copia-%1-XXXXXX")
                                             .arg(QCoreApplication::applicationPid())));
    if (!trabalho.isValid()) {
        return Mensagem::falha(erro,
                               QStringLiteral("Não foi possível criar uma pasta temporária para "
                                              "montar a cópia de segurança: %1")
                                   .arg(trabalho.errorString()));
    }
    QString instantaneo;
    if (const QString motivo = copiaFichaPara(pastaDados, trabalho.path(), &instantaneo);
        !motivo.isEmpty()) {
        fora << motivo;
    } else if (!instantaneo.isEmpty()) {
        entradas.append({FichaClientes::kArquivo, instantaneo});
    }
    if (entradas.isEmpty()) {
        return Mensagem::falha(
            erro, (fora.isEmpty() ? QStringLiteral("A pasta %1 não contém textos, "
                                                   "configurações nem ficha de clientes do "
                                                   "Vidalume.")
                                  : QStringLiteral("A pasta %1 não contém nada que uma cópia "
                                                   "de segurança possa restaurar; a cópia "
                                                   "não foi gravada."))
                          .arg(QDir::toNativeSeparators(pastaDados)) +
                      (fora.isEmpty() ? QString() : u' ' + frases(fora)));
    }
    if (!CopiaSeguranca::grava(entradas, agora, arquivoZip, trabalho.path(), erro)) {
        return false;
    }
    if (deixados) {
        *deixados = fora;
    }
    return true;
}

QString CopiaCompleta::mensagemGravada(const QString& arquivoZip, const QStringList& deixados) {
    QString texto = mensagemGravada(arquivoZip);
    if (!deixados.isEmpty()) {
        // The count is written into the plural only: the singular names no number.
        texto += (deixados.size() == 1
                      ? QStringLiteral("\n\nAtenção: 1 arquivo ficou fora da cópia, pois não "
                                       "poderia ser restaurado: %1")
                            .arg(frases(deixados))
                      : QStringLiteral("\n\nAtenção: %1 arquivos ficaram fora da cópia, pois "
                                       "não poderiam ser restaurados: %2")
                            .arg(deixados.size())
                            .arg(frases(deixados))) +
                 QStringLiteral(" Corrija ou retire da pasta o que está errado e faça outra "
                                "cópia.");
    }
    return texto;
}

QString CopiaCompleta::mensagemGravada(const QString& arquivoZip) {
    return QStringLiteral("A cópia de segurança dos seus textos, configurações e ficha de "
                          "clientes foi gravada em %1. Guarde este arquivo num pen drive, num "
                          "disco externo ou na nuvem.")
        .arg(QDir::toNativeSeparators(arquivoZip));
}

CopiaCompleta::CopiaCompleta(QString pastaDados) : pasta_(std::move(pastaDados)) {}

CopiaCompleta::~CopiaCompleta() = default;

bool CopiaCompleta::abre(const QString& arquivoZip, QString* erro) {
    zip_ = arquivoZip;
    arquivos_.clear();
    ignorados_.clear();
    clientesCopia_ = clientesHoje_ = -1;
    extraidos_.reset();
    // One restore at a time in a folder: two would mix the files of both archives.
    trava_ = std::make_unique<QLockFile>(QDir(pasta_).filePath(kTrava));
    trava_->setStaleLockTime(0);
    if (!trava_->tryLock(0) && trava_->error() == QLockFile::LockFailedError &&
        lixoNoLugarDaTrava(*trava_, QDir(pasta_).filePath(kTrava))) {
        trava_->removeStaleLockFile();
        trava_->tryLock(0);
    }
    if (!trava_->isLocked()) {
        const bool outra = trava_->error() == QLockFile::LockFailedError;
        trava_.reset();
        return Mensagem::falha(
            erro, outra ? QStringLiteral("Outra restauração de cópia de segurança está "
                                         "em andamento na pasta %1. Espere que ela "
                                         "termine e tente de novo; nada foi alterado.")
                              .arg(QDir::toNativeSeparators(pasta_))
                        : QStringLiteral("Não foi possível preparar a restauração na "
                                         "pasta %1: não é possível gravar nela. Nenhum "
                                         "arquivo foi alterado.")
                              .arg(QDir::toNativeSeparators(pasta_)));
    }
    // ".restauracao-PID-XXXXXX" of a process that no longer runs (killed mid-restore).
    static const QRegularExpression kResto(QStringLiteral("^\\.restauracao-(\\d+)-"));
    GravacaoSegura::limpaRestos(pasta_, kResto, true);
    extraidos_ = std::make_unique<QTemporaryDir>(QDir(pasta_).filePath(
        QStringLiteral(".restauracao-%1-XXXXXX").arg(QCoreApplication::applicationPid())));
    if (!extraidos_->isValid()) {
        return Mensagem::falha(
            erro, QStringLiteral("Não foi possível preparar a restauração na pasta %1: "
                                 "%2 Nenhum arquivo foi alterado.")
                      .arg(QDir::toNativeSeparators(pasta_), extraidos_->errorString()));
    }
    CopiaSeguranca::Conteudo conteudo;
    if (!CopiaSeguranca::extrai(arquivoZip, extraidos_->path(), &conteudo, erro)) {
        extraidos_.reset();
        return false;
    }
    feita_ = conteudo.feita;
    ignorados_ = conteudo.recusados;
    for (const QString& nome : conteudo.nomes) {
        if (nome != FichaClientes::kArquivo) {
            arquivos_ << nome;
        }
    }
    arquivos_.sort();
    if (conteudo.nomes.contains(FichaClientes::kArquivo) && !preparaFicha(erro)) {
        extraidos_.reset();
        return false;
    }
    if (arquivos_.isEmpty() && !temClientes()) {
        extraidos_.reset();
        return Mensagem::falha(
            erro, CopiaSeguranca::danificada(arquivoZip, frases(ignorados(Partes::Tudo))));
    }
    FichaClientes hoje;
    QString motivo;
    if (QFileInfo::exists(QDir(pasta_).filePath(FichaClientes::kArquivo)) &&
        hoje.abre(pasta_, FichaClientes::Modo::Leitura, &motivo)) {
        clientesHoje_ = hoje.total(&motivo);
    }
    return true;
}

bool CopiaCompleta::preparaFicha(QString* erro) {
    const QString ficha = extraidos_->filePath(FichaClientes::kArquivo);
    QString motivo;
    clientesCopia_ = FichaClientes::confereCopia(ficha, &motivo);
    if (clientesCopia_ < 0) {
        ignorados_.append({FichaClientes::kArquivo, motivo});
        return true;
    }
    // A file of an older version is brought up to date here, so the folder never gets one
    // the program would refuse to list; its free pages are dropped before it is copied in.
    if (!FichaClientes().abre(extraidos_->path(), FichaClientes::Modo::Escrita, &motivo)) {
        ignorados_.append({FichaClientes::kArquivo, motivo});
        clientesCopia_ = -1;
        return true;
    }
    return CopiaFicha::compacta(ficha, erro);
}

QStringList CopiaCompleta::pedidos(Partes partes) const {
    QStringList nomes;
    if (partes != Partes::SoClientes) {
        nomes = arquivos_;
    }
    if (partes != Partes::SemClientes && temClientes()) {
        nomes << FichaClientes::kArquivo;
    }
    return nomes;
}

QStringList CopiaCompleta::ignorados(Partes partes) const {
    QStringList motivos;
    for (const CopiaSeguranca::Recusado& r : ignorados_) {
        const bool ficha = r.nome == FichaClientes::kArquivo;
        if ((ficha && partes != Partes::SemClientes) || (!ficha && partes != Partes::SoClientes)) {
            motivos << r.motivo;
        }
    }
    return motivos;
}

QString CopiaCompleta::recusa(Partes partes) const {
    const QStringList deixados = ignorados(partes);
    const QString zip = QDir::toNativeSeparators(zip_);
    if (partes == Partes::SoClientes && !temClientes()) {
        return deixados.isEmpty()
                   ? QStringLiteral("A cópia de segurança %1 não contém a ficha de clientes; nada "
                                    "foi alterado.")
                         .arg(zip)
                   : QStringLiteral("A cópia de segurança %1 não contém uma ficha de clientes que "
                                    "possa ser restaurada; nada foi alterado. %2")
                         .arg(zip, frases(deixados));
    }
    if (partes == Partes::SemClientes && arquivos_.isEmpty()) {
        return deixados.isEmpty()
                   ? QStringLiteral("A cópia de segurança %1 só contém a ficha de clientes; nada "
                                    "foi alterado.")
                         .arg(zip)
                   : QStringLiteral("A cópia de segurança %1 não contém textos nem configurações "
                                    "que possam ser restaurados; nada foi alterado. %2")
                         .arg(zip, frases(deixados));
    }
    return {};
}

QString CopiaCompleta::pergunta(Partes partes) const {
    QString texto = feita_.isValid()
                        ? QStringLiteral("A cópia de segurança %1 foi feita em %2.")
                              .arg(QDir::toNativeSeparators(zip_), dataHora(feita_))
                        : QStringLiteral("A cópia de segurança %1 não diz quando foi feita.")
                              .arg(QDir::toNativeSeparators(zip_));
    texto += QStringLiteral("\n\nSerão substituídos neste computador:");
    if (partes != Partes::SoClientes) {
        int textos = 0;
        for (const QString& nome : arquivos_) {
            textos += CopiaSeguranca::tipo(nome) == CopiaSeguranca::Tipo::Texto ? 1 : 0;
        }
        const int configuracoes = int(arquivos_.size()) - textos;
        texto +=
            QStringLiteral("\n- %1 e %2;")
                .arg(Mensagem::conta(textos, "texto de interpretação", "textos de interpretação"),
                     Mensagem::conta(configuracoes, "arquivo de configuração",
                                     "arquivos de configuração"));
    }
    if (partes != Partes::SemClientes && temClientes()) {
        texto +=
            QStringLiteral("\n- a ficha de clientes: a da cópia tem %1; a deste computador %2. "
                           "Os clientes e as análises registrados depois da cópia serão "
                           "perdidos.")
                .arg(Mensagem::conta(clientesCopia_, "cliente", "clientes"),
                     clientesHoje_ >= 0
                         ? QStringLiteral("tem hoje %1")
                               .arg(Mensagem::conta(clientesHoje_, "cliente", "clientes"))
                         : QStringLiteral("está vazia ou não pode ser lida"));
    } else if (temClientes()) {
        texto += QStringLiteral("\n(a ficha de clientes deste computador fica como está)");
    }
    if (const QStringList deixados = ignorados(partes); !deixados.isEmpty()) {
        texto += QStringLiteral("\n\nNão serão restaurados, por estarem danificados ou fora das "
                                "regras na cópia: %1")
                     .arg(frases(deixados));
    }
    texto += QStringLiteral("\n\nAntes, cada arquivo substituído é guardado com a data de hoje no "
                            "nome, na pasta %1.\n\nDeseja continuar?")
                 .arg(QDir::toNativeSeparators(pasta_));
    return texto;
}

bool CopiaCompleta::copiaDatada(const QString& nome, const QDateTime& agora, QString* copia,
                                QString* erro) {
    const QString atual = QDir(pasta_).filePath(nome);
    const QString base = TextosOriginais::nomeCopia(nome, agora);
    QString livre = base;
    for (int n = 2; QFileInfo::exists(QDir(pasta_).filePath(livre)) ||
                    QFileInfo(QDir(pasta_).filePath(livre)).isSymLink();
         ++n) {
        livre = base + QStringLiteral("-%1").arg(n);
    }
    const QString destino = QDir(pasta_).filePath(livre);
    *copia = livre;
    if (nome == FichaClientes::kArquivo && QFileInfo(atual).isSymLink()) {
        // Never the client file through a link (a text's link is replaced by the file).
        return Mensagem::falha(erro,
                               QStringLiteral("\"%1\" é um link para outro arquivo e não será "
                                              "substituído.")
                                   .arg(QDir::toNativeSeparators(atual)));
    }
    if (nome == FichaClientes::kArquivo && QFileInfo::exists(atual) && !QFileInfo(atual).isFile()) {
        // A FIFO or a device would block or feed the copy forever.
        return Mensagem::falha(
            erro, QStringLiteral("\"%1\" não é um arquivo comum e não será substituído.")
                      .arg(QDir::toNativeSeparators(atual)));
    }
    if (nome == FichaClientes::kArquivo) {
        // Through SQLite, with what sits in its log; as bytes when SQLite cannot read it.
        QString motivo;
        return CopiaFicha::copia(atual, destino, &motivo) ||
               CopiaFicha::copiaBytes(atual, destino, erro);
    }
    // The copy is no more readable than the file it keeps (reached through a link or not).
    const bool privado =
        !(QFileInfo(atual).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
    GravacaoSegura gravacao(destino, GravacaoSegura::Destino::NomeNovo,
                            privado ? GravacaoSegura::Acesso::SoDono
                                    : GravacaoSegura::Acesso::Comum);
    QString motivo;
    if (!gravacao.abre(&motivo) || !copiaPara(atual, gravacao, &motivo)) {
        return Mensagem::falha(
            erro,
            QStringLiteral("Não foi possível guardar a cópia de %1 como %2: %3")
                .arg(QDir::toNativeSeparators(atual), QDir::toNativeSeparators(destino), motivo));
    }
    return true;
}

bool CopiaCompleta::substitui(const QString& nome, QString* erro) {
    const QString origem = extraidos_->filePath(nome);
    const QString destino = QDir(pasta_).filePath(nome);
    if (nome == FichaClientes::kArquivo) {
        return CopiaFicha::restaura(origem, destino, erro);
    }
    GravacaoSegura gravacao(destino);
    QString motivo;
    if (!gravacao.abre(&motivo) || !copiaPara(origem, gravacao, &motivo)) {
        return Mensagem::falha(erro, QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                                         .arg(QDir::toNativeSeparators(destino), motivo));
    }
    return true;
}

bool CopiaCompleta::restauraUm(const QString& nome, const QDateTime& agora, Resultado* r,
                               QString* erro) {
    const QString atual = QDir(pasta_).filePath(nome);
    if (const QString motivo = naoComum(atual); !motivo.isEmpty()) {
        return Mensagem::falha(erro, motivo);
    }
    const bool existe = QFileInfo::exists(atual);
    if (existe && nome != FichaClientes::kArquivo && iguais(atual, extraidos_->filePath(nome))) {
        return true;
    }
    QString copia;
    if (existe && !copiaDatada(nome, agora, &copia, erro)) {
        return false;
    }
    if (existe) {
        r->copias << copia;
    }
    return substitui(nome, erro);
}

bool CopiaCompleta::restaura(Partes partes, const QDateTime& agora, Resultado* resultado,
                             QString* erro) {
    if (!extraidos_) {
        return Mensagem::falha(erro, QStringLiteral("A cópia de segurança não foi aberta."));
    }
    if (const QString motivo = recusa(partes); !motivo.isEmpty()) {
        return Mensagem::falha(erro, motivo);
    }
    // Each file on its own: one that cannot be replaced does not keep the others back.
    Resultado r;
    r.ignorados = ignorados(partes);
    QStringList motivos;
    for (const QString& nome : pedidos(partes)) {
        QString motivo;
        if (restauraUm(nome, agora, &r, &motivo)) {
            r.substituidos << nome;
        } else {
            r.naoSubstituidos << nome;
            if (!motivos.contains(motivo)) {
                motivos << motivo;
            }
        }
    }
    if (resultado) {
        *resultado = r;
    }
    if (r.naoSubstituidos.isEmpty()) {
        return true;
    }
    QString texto = QStringLiteral("A cópia de segurança %1 não foi restaurada por inteiro. %2")
                        .arg(QDir::toNativeSeparators(zip_), motivos.join(u' '));
    texto += r.substituidos.isEmpty()
                 ? QStringLiteral("\nNenhum arquivo foi substituído.")
                 : QStringLiteral("\nSubstituídos (%1): %2.")
                       .arg(Mensagem::conta(r.substituidos.size(), "arquivo", "arquivos"),
                            r.substituidos.join(QStringLiteral(", ")));
    texto += QStringLiteral("\nNão substituídos, como estavam (%1): %2.")
                 .arg(Mensagem::conta(r.naoSubstituidos.size(), "arquivo", "arquivos"),
                      r.naoSubstituidos.join(QStringLiteral(", ")));
    if (!r.copias.isEmpty()) {
        // With nothing replaced, the copies are of files that stayed as they were.
        texto += (r.substituidos.isEmpty()
                      ? QStringLiteral("\nCópias dos arquivos, como estavam, ficaram na pasta "
                                       "%1: %2.")
                      : QStringLiteral("\nAs versões anteriores dos arquivos substituídos estão "
                                       "na pasta %1: %2."))
                     .arg(QDir::toNativeSeparators(pasta_), r.copias.join(QStringLiteral(", ")));
    }
    if (!r.ignorados.isEmpty()) {
        texto += QStringLiteral("\nNão restaurados, por estarem danificados na cópia: %1")
                     .arg(frases(r.ignorados));
    }
    return Mensagem::falha(erro, texto);
}

QString CopiaCompleta::mensagemRestaurada(const Resultado& r) const {
    QString texto = QStringLiteral("A cópia de segurança foi restaurada (%1%2).")
                        .arg(Mensagem::conta(r.substituidos.size(), "arquivo", "arquivos"),
                             r.substituidos.contains(FichaClientes::kArquivo)
                                 ? QStringLiteral(", com a ficha de clientes: %1")
                                       .arg(Mensagem::conta(clientesCopia_, "cliente", "clientes"))
                                 : QString());
    if (!r.copias.isEmpty()) {
        texto += QStringLiteral(" As versões anteriores ficaram guardadas na pasta %1 (%2).")
                     .arg(QDir::toNativeSeparators(pasta_), r.copias.join(QStringLiteral(", ")));
    }
    if (!r.ignorados.isEmpty()) {
        texto += QStringLiteral(" Não foram restaurados, por estarem danificados na cópia: %1")
                     .arg(frases(r.ignorados));
    }
    return texto;
}

} // namespace vidalume
