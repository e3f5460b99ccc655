#include "cli/pdf/ComandoLote.h"
#include "cli/comandos/ListaIlegivel.h"

#include "clients/LoteCsv.h"
#include "engine/EntradaDados.h"
#include "printing/NomeArquivoPdf.h"
#include "printing/painter/GravacaoPdf.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/GravacaoSegura.h"
#include "texts/Mensagem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QThreadPool>

#include <deque>
#include <future>
#include <memory>

namespace vidalume {

namespace {

// Creates the missing folders of `pasta`, each readable by its owner only when `privada`.
bool criaPasta(const QString& pasta, bool privada) {
    if (!privada) {
        return QDir().mkpath(pasta);
    }
    QStringList faltando;
    for (QFileInfo f(QDir::cleanPath(QDir(pasta).absolutePath())); !f.exists() && !f.isSymLink();
         f = QFileInfo(f.absolutePath())) {
        faltando.prepend(f.absoluteFilePath());
        if (f.isRoot()) {
            break;
        }
    }
    for (const QString& nova : faltando) {
        if (!QDir().mkdir(nova, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner) &&
            !QFileInfo(nova).isDir()) {
            return false;
        }
    }
    return QFileInfo(pasta).isDir();
}

// Whether a new file can be made in the folder; the reason when it cannot.
QString pastaGravavel(const QString& pasta, bool privada) {
    if (!criaPasta(pasta, privada)) {
        return QStringLiteral("Não foi possível criar a pasta de saída \"%1\".")
            .arg(QDir::toNativeSeparators(pasta));
    }
    GravacaoSegura teste(QDir(pasta).filePath(QStringLiteral("teste.pdf")),
                         GravacaoSegura::Destino::NomeNovo);
    QString motivo;
    if (!teste.abre(&motivo)) {
        return QStringLiteral("Não é possível gravar na pasta de saída \"%1\": %2")
            .arg(QDir::toNativeSeparators(pasta), motivo);
    }
    return {};
}

int contaLinhas(QFile& lista) {
    if (lista.isSequential()) {
        return 0;
    }
    int total = 0;
    LinhaLote linha;
    for (LoteCsv leitor(lista); leitor.proxima(linha);) {
        ++total;
    }
    lista.seek(0);
    return total;
}

// One row of the list on its way: read on the calling thread, drawn on a worker, then named
// and reported on the calling thread. The worker writes only into `saida`, `erro` and
// `avisos`, which stay where they are while the row waits in its queue, and keeps its own
// share of the promise it fulfils last.
struct Pedido {
    int numero = 0;
    QString progresso; // "n de N"
    QString sugestao;  // the file name the PDF is given when it is free
    std::unique_ptr<GravacaoSegura> saida;
    std::unique_ptr<QString> erro = std::make_unique<QString>();
    // The interpretation files this row's analysis missed, said with the row.
    std::unique_ptr<QStringList> avisos = std::make_unique<QStringList>();
    std::future<bool> resultado;
};

} // namespace

bool ComandoLote::geraPdf(const EntradaCli& entrada, const QString& pastaSaida,
                          const ComandoPdf::Opcoes& opcoes, QString* nome, QString* erro) {
    return GravacaoPdf::gravaComNomeLivre(pastaSaida,
                                          NomeArquivoPdf::sugere(entrada.nome, entrada.nascimento),
                                          ComandoPdf::diagramacao(entrada, opcoes), nome, erro);
}

int ComandoLote::executa(const QString& arquivoLista, const QString& pastaSaida, const Datas& datas,
                         const ComandoPdf::Opcoes& opcoes,
                         const std::function<void(const QString&)>& relata, int tarefas) {
    QFile lista(arquivoLista);
    if (!ListaIlegivel::lista(arquivoLista) || !lista.open(QIODevice::ReadOnly)) {
        relata(ListaIlegivel::mensagem(arquivoLista));
        return 2;
    }
    const QString vazia = QStringLiteral("A lista \"%1\" não tem nenhuma linha com nome e data "
                                         "de nascimento.")
                              .arg(QDir::toNativeSeparators(arquivoLista));
    const int total = contaLinhas(lista);
    if (total == 0 && !lista.isSequential()) {
        relata(vazia);
        return 2;
    }
    LoteCsv leitor(lista);
    return gravaTodos([&leitor](LinhaLote& linha) { return leitor.proxima(linha); }, total, vazia,
                      pastaSaida, GravacaoSegura::Acesso::Comum, datas, opcoes, relata, tarefas);
}

int ComandoLote::executaClientes(const std::vector<Cliente>& clientes, const QString& pastaSaida,
                                 const Datas& datas, const ComandoPdf::Opcoes& opcoes,
                                 const std::function<void(const QString&)>& relata, int tarefas) {
    std::size_t i = 0;
    const auto proxima = [&](LinhaLote& linha) {
        if (i >= clientes.size()) {
            return false;
        }
        const Cliente& c = clientes[i++];
        linha = LinhaLote{};
        linha.numero = int(i);
        linha.nome = c.nome;
        linha.nascimento = EntradaDados::formataData(c.nascimento);
        return true;
    };
    return gravaTodos(proxima, int(clientes.size()),
                      QStringLiteral("Nenhum cliente da ficha atende à busca."), pastaSaida,
                      GravacaoSegura::Acesso::SoDono, datas, opcoes, relata, tarefas);
}

int ComandoLote::gravaTodos(const std::function<bool(LinhaLote&)>& proxima, int total,
                            const QString& vazia, const QString& pastaSaida,
                            GravacaoSegura::Acesso acesso, const Datas& datas,
                            const ComandoPdf::Opcoes& opcoes,
                            const std::function<void(const QString&)>& relata, int tarefas) {
    if (const QString falha = pastaGravavel(pastaSaida, acesso == GravacaoSegura::Acesso::SoDono);
        !falha.isEmpty()) {
        relata(falha);
        return 2;
    }
    GravacaoSegura::limpaRestos(pastaSaida);

    const Diagramacao configuracao = ComandoPdf::configuracaoDaPasta(opcoes);
    QThreadPool trabalhadores;
    trabalhadores.setMaxThreadCount(tarefas > 0 ? tarefas : QThread::idealThreadCount());
    // Enough rows ahead for every thread to find the next one waiting, few enough that the
    // open files and composed analyses stay a handful.
    const std::size_t kEmVoo = std::size_t(2 * trabalhadores.maxThreadCount());
    std::deque<Pedido> fila;

    int gravados = 0;
    int recusadas = 0;
    int n = 0;
    // Names and reports the oldest row once its PDF is done.
    const auto entregaPrimeiro = [&] {
        Pedido& p = fila.front();
        QString arquivo;
        const bool feito =
            p.resultado.get() && GravacaoPdf::concluiComNomeLivre(*p.saida, pastaSaida, p.sugestao,
                                                                  &arquivo, p.erro.get());
        if (!feito) {
            ++recusadas;
            relata(QStringLiteral("%1 - Linha %2: %3")
                       .arg(p.progresso, QString::number(p.numero), *p.erro));
        } else {
            ++gravados;
            relata(QStringLiteral("%1 - %2").arg(p.progresso, arquivo));
        }
        for (const QString& aviso : std::as_const(*p.avisos)) {
            relata(QStringLiteral("%1 - Atenção: %2").arg(p.progresso, aviso));
        }
        fila.pop_front();
    };

    LinhaLote linha;
    while (proxima(linha)) {
        ++n;
        Pedido& p = fila.emplace_back();
        p.numero = linha.numero;
        p.progresso = total > 0 ? QStringLiteral("%1 de %2").arg(n).arg(total) : QString::number(n);
        *p.erro = linha.erro;
        auto pronto = std::make_shared<std::promise<bool>>();
        p.resultado = pronto->get_future();
        EntradaCli entrada;
        if (p.erro->isEmpty() &&
            EntradaCli::le(linha.nome, linha.nascimento, datas.hojeTexto, datas.hojeRelogio,
                           &entrada, p.erro.get()) &&
            entrada.defineReferencia(datas.referenciaTexto, p.erro.get()) &&
            entrada.defineEscola(datas.escolaTexto, configuracao.pastaPrograma, p.erro.get())) {
            p.sugestao = NomeArquivoPdf::sugere(entrada.nome, entrada.nascimento);
            p.saida = std::make_unique<GravacaoSegura>(QDir(pastaSaida).filePath(p.sugestao),
                                                       GravacaoSegura::Destino::NomeNovo, acesso);
            trabalhadores.start([&configuracao, entrada, saida = p.saida.get(), erro = p.erro.get(),
                                 avisos = p.avisos.get(), pronto] {
                bool escrito = false;
                {
                    const ArquivoInterpretacao::Coleta coleta;
                    escrito = GravacaoPdf::escreve(
                        *saida, ComandoPdf::diagramacao(entrada, configuracao), erro);
                    *avisos = coleta.avisos();
                }
                pronto->set_value(escrito);
            });
        } else {
            pronto->set_value(false);
        }
        while (fila.size() >= kEmVoo) {
            entregaPrimeiro();
        }
    }
    while (!fila.empty()) {
        entregaPrimeiro();
    }
    if (n == 0) {
        relata(vazia);
        return 2;
    }
    relata(Mensagem::conta(gravados, "PDF gravado", "PDFs gravados") + QStringLiteral(", ") +
           Mensagem::conta(recusadas, "linha recusada", "linhas recusadas") + u'.');
    if (gravados == 0) {
        return 2;
    }
    return recusadas > 0 ? 1 : 0;
}

} // namespace vidalume
