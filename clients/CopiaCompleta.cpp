#include "clients/CopiaCompleta.h"

#include "clients/CopiaFicha.h"
#include "clients/FichaClientes.h"
#include "settings/CopiaSeguranca.h"
#include "settings/TextosOriginais.h"
#include "texts/GravacaoSegura.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>

namespace vidalume {

namespace {

bool falha(QString* erro, const QString& mensagem) {
    if (erro) {
        *erro = mensagem;
    }
    return false;
}

QString conta(qint64 n, const char* um, const char* varios) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? um : varios));
}

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

// Streams `origem` into `gravacao`, already open.
bool copiaPara(const QString& origem, GravacaoSegura& gravacao, QString* erro) {
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly)) {
        return falha(erro, entrada.errorString());
    }
    QByteArray bloco(64 * 1024, Qt::Uninitialized);
    for (qint64 n; (n = entrada.read(bloco.data(), bloco.size())) != 0;) {
        if (n < 0) {
            return falha(erro, entrada.errorString());
        }
        gravacao.saida().write(bloco.constData(), n);
    }
    return gravacao.conclui(erro);
}

} // namespace

bool CopiaCompleta::grava(const QString& pastaDados, const QString& arquivoZip,
                          const QDateTime& agora, QString* erro) {
    QList<CopiaSeguranca::Entrada> entradas;
    for (const QString& nome : CopiaSeguranca::arquivos(pastaDados)) {
        entradas.append({nome, QDir(pastaDados).filePath(nome)});
    }
    QTemporaryDir trabalho;
    if (!trabalho.isValid()) {
        return falha(erro, QStringLiteral("Não foi possível criar uma pasta temporária para "
                                          "montar a cópia de segurança: %1")
                               .arg(trabalho.errorString()));
    }
    const QString ficha = QDir(pastaDados).filePath(FichaClientes::kArquivo);
    const QFileInfo infoFicha(ficha);
    if (infoFicha.exists() || infoFicha.isSymLink()) {
        if (infoFicha.isSymLink() || !infoFicha.isFile()) {
            return falha(erro, QStringLiteral("\"%1\" não é um arquivo comum e não pode ser "
                                              "copiado como a ficha de clientes.")
                                   .arg(QDir::toNativeSeparators(ficha)));
        }
        const QString instantaneo = trabalho.filePath(FichaClientes::kArquivo);
        if (!CopiaFicha::copia(ficha, instantaneo, erro)) {
            return false;
        }
        // A copy that could not be restored is no backup: say so now, not on the day it is
        // needed.
        QString motivo;
        if (FichaClientes::confereCopia(instantaneo, &motivo) < 0) {
            return falha(erro, QStringLiteral("O arquivo de clientes \"%1\" está danificado, é de "
                                              "outro programa ou de uma versão mais nova, e não "
                                              "poderia ser restaurado de uma cópia; a cópia de "
                                              "segurança não foi gravada. Restaure uma cópia "
                                              "anterior ou retire o arquivo da pasta.")
                                   .arg(QDir::toNativeSeparators(ficha)));
        }
        entradas.append({FichaClientes::kArquivo, instantaneo});
    }
    if (entradas.isEmpty()) {
        return falha(erro,
                     QStringLiteral("A pasta %1 não contém textos, configurações nem ficha de "
                                    "clientes do Vidalume.")
                         .arg(QDir::toNativeSeparators(pastaDados)));
    }
    return CopiaSeguranca::grava(entradas, agora, arquivoZip, trabalho.path(), erro);
}

QString CopiaCompleta::mensagemGravada(const QString& arquivoZip) {
    return QStringLiteral("A cópia de segurança dos seus textos, configurações e ficha de "
                          "clientes foi gravada em %1. Guarde este arquivo num pen drive, num "
                          "disco externo ou na nuvem.")
        .arg(QDir::toNativeSeparators(arquivoZip));
}

CopiaCompleta::CopiaCompleta(QString pastaDados) : pasta_(std::move(pastaDados)) {}

CopiaCompleta::~CopiaCompleta() = default;

void CopiaCompleta::limpaRestos() const {
    // ".restauracao-PID-XXXXXX" of a process that no longer runs (killed mid-restore).
    static const QRegularExpression kResto(QStringLiteral("^\\.restauracao-(\\d+)-"));
    const QFileInfoList entradas =
        QDir(pasta_).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entrada : entradas) {
        const QRegularExpressionMatch m = kResto.match(entrada.fileName());
        if (m.hasMatch() && !entrada.isSymLink() &&
            ::kill(pid_t(m.captured(1).toLongLong()), 0) != 0 && errno == ESRCH) {
            QDir(entrada.filePath()).removeRecursively();
        }
    }
}

bool CopiaCompleta::abre(const QString& arquivoZip, QString* erro) {
    zip_ = arquivoZip;
    arquivos_.clear();
    clientesCopia_ = clientesHoje_ = -1;
    limpaRestos();
    extraidos_ = std::make_unique<QTemporaryDir>(QDir(pasta_).filePath(
        QStringLiteral(".restauracao-%1-XXXXXX").arg(QCoreApplication::applicationPid())));
    if (!extraidos_->isValid()) {
        return falha(erro, QStringLiteral("Não foi possível preparar a restauração na pasta %1: "
                                          "%2 Nenhum arquivo foi alterado.")
                               .arg(QDir::toNativeSeparators(pasta_), extraidos_->errorString()));
    }
    CopiaSeguranca::Conteudo conteudo;
    if (!CopiaSeguranca::extrai(arquivoZip, extraidos_->path(), &conteudo, erro)) {
        extraidos_.reset();
        return false;
    }
    feita_ = conteudo.feita;
    for (const QString& nome : conteudo.nomes) {
        if (nome != FichaClientes::kArquivo) {
            arquivos_ << nome;
        }
    }
    arquivos_.sort();
    if (conteudo.nomes.contains(FichaClientes::kArquivo)) {
        QString motivo;
        clientesCopia_ =
            FichaClientes::confereCopia(extraidos_->filePath(FichaClientes::kArquivo), &motivo);
        if (clientesCopia_ < 0) {
            extraidos_.reset();
            return falha(erro, CopiaSeguranca::danificada(arquivoZip, motivo));
        }
    }
    FichaClientes hoje;
    QString motivo;
    if (QFileInfo::exists(QDir(pasta_).filePath(FichaClientes::kArquivo)) &&
        hoje.abre(pasta_, FichaClientes::Modo::Leitura, &motivo)) {
        clientesHoje_ = hoje.total(&motivo);
    }
    return true;
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

QString CopiaCompleta::recusa(Partes partes) const {
    if (partes == Partes::SoClientes && !temClientes()) {
        return QStringLiteral("A cópia de segurança %1 não contém a ficha de clientes; nada foi "
                              "alterado.")
            .arg(QDir::toNativeSeparators(zip_));
    }
    if (partes == Partes::SemClientes && arquivos_.isEmpty()) {
        return QStringLiteral("A cópia de segurança %1 só contém a ficha de clientes; nada foi "
                              "alterado.")
            .arg(QDir::toNativeSeparators(zip_));
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
                .arg(conta(textos, "texto de interpretação", "textos de interpretação"),
                     conta(configuracoes, "arquivo de configuração", "arquivos de configuração"));
    }
    if (partes != Partes::SemClientes && temClientes()) {
        texto +=
            QStringLiteral("\n- a ficha de clientes: a da cópia tem %1; a deste computador %2. "
                           "Os clientes e as análises registrados depois da cópia serão "
                           "perdidos.")
                .arg(conta(clientesCopia_, "cliente", "clientes"),
                     clientesHoje_ >= 0 ? QStringLiteral("tem hoje %1")
                                              .arg(conta(clientesHoje_, "cliente", "clientes"))
                                        : QStringLiteral("está vazia ou não pode ser lida"));
    } else if (temClientes()) {
        texto += QStringLiteral("\n(a ficha de clientes deste computador fica como está)");
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
        return falha(erro, QStringLiteral("\"%1\" é um link para outro arquivo e não será "
                                          "substituído.")
                               .arg(QDir::toNativeSeparators(atual)));
    }
    if (nome == FichaClientes::kArquivo && QFileInfo::exists(atual) && !QFileInfo(atual).isFile()) {
        // A FIFO or a device would block or feed the copy forever.
        return falha(erro, QStringLiteral("\"%1\" não é um arquivo comum e não será substituído.")
                               .arg(QDir::toNativeSeparators(atual)));
    }
    if (nome == FichaClientes::kArquivo) {
        // Through SQLite, with what sits in its log; as bytes when SQLite cannot read it.
        QString motivo;
        return CopiaFicha::copia(atual, destino, &motivo) ||
               CopiaFicha::copiaBytes(atual, destino, erro);
    }
    GravacaoSegura gravacao(destino, GravacaoSegura::Destino::NomeNovo);
    QString motivo;
    if (!gravacao.abre(&motivo) || !copiaPara(atual, gravacao, &motivo)) {
        return falha(erro, QStringLiteral("Não foi possível guardar a cópia de %1 como %2: %3")
                               .arg(QDir::toNativeSeparators(atual),
                                    QDir::toNativeSeparators(destino), motivo));
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
        return falha(erro, QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                               .arg(QDir::toNativeSeparators(destino), motivo));
    }
    return true;
}

bool CopiaCompleta::restaura(Partes partes, const QDateTime& agora, Resultado* resultado,
                             QString* erro) {
    Resultado r;
    const QStringList nomes = pedidos(partes);
    if (!extraidos_) {
        return falha(erro, QStringLiteral("A cópia de segurança não foi aberta."));
    }
    if (const QString motivo = recusa(partes); !motivo.isEmpty()) {
        return falha(erro, motivo);
    }
    QString motivo;
    qsizetype i = 0;
    for (; i < nomes.size(); ++i) {
        const QString& nome = nomes[i];
        const QString atual = QDir(pasta_).filePath(nome);
        const bool existe = QFileInfo::exists(atual);
        if (existe && nome != FichaClientes::kArquivo &&
            iguais(atual, extraidos_->filePath(nome))) {
            r.substituidos << nome;
            continue;
        }
        QString copia;
        if (existe && !copiaDatada(nome, agora, &copia, &motivo)) {
            break;
        }
        if (existe) {
            r.copias << copia;
        }
        if (!substitui(nome, &motivo)) {
            break;
        }
        r.substituidos << nome;
    }
    for (; i < nomes.size(); ++i) {
        r.naoSubstituidos << nomes[i];
    }
    if (resultado) {
        *resultado = r;
    }
    if (r.naoSubstituidos.isEmpty()) {
        return true;
    }
    QString texto = QStringLiteral("A cópia de segurança %1 não foi restaurada por inteiro. %2")
                        .arg(QDir::toNativeSeparators(zip_), motivo);
    texto += r.substituidos.isEmpty()
                 ? QStringLiteral("\nNenhum arquivo foi substituído.")
                 : QStringLiteral("\nSubstituídos (%1): %2.")
                       .arg(conta(r.substituidos.size(), "arquivo", "arquivos"),
                            r.substituidos.join(QStringLiteral(", ")));
    texto += QStringLiteral("\nNão substituídos, como estavam (%1): %2.")
                 .arg(conta(r.naoSubstituidos.size(), "arquivo", "arquivos"),
                      r.naoSubstituidos.join(QStringLiteral(", ")));
    if (!r.copias.isEmpty()) {
        texto += QStringLiteral("\nAs versões anteriores dos arquivos substituídos estão na pasta "
                                "%1: %2.")
                     .arg(QDir::toNativeSeparators(pasta_), r.copias.join(QStringLiteral(", ")));
    }
    return falha(erro, texto);
}

QString CopiaCompleta::mensagemRestaurada(const Resultado& r) const {
    QString texto = QStringLiteral("A cópia de segurança foi restaurada (%1%2).")
                        .arg(conta(r.substituidos.size(), "arquivo", "arquivos"),
                             r.substituidos.contains(FichaClientes::kArquivo)
                                 ? QStringLiteral(", com a ficha de clientes: %1")
                                       .arg(conta(clientesCopia_, "cliente", "clientes"))
                                 : QString());
    if (!r.copias.isEmpty()) {
        texto += QStringLiteral(" As versões anteriores ficaram guardadas na pasta %1 (%2).")
                     .arg(QDir::toNativeSeparators(pasta_), r.copias.join(QStringLiteral(", ")));
    }
    return texto;
}

} // namespace vidalume
