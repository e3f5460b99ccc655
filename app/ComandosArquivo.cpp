#include "app/ComandosArquivo.h"

#include <memory>

#include "gui/comum/DialogoArquivo.h"

#include "app/Ocupado.h"
#include "clients/CopiaCompleta.h"
#include "gui/clientes/frmRestauraCopia.h"
#include "gui/configuracao/frmRestauraTextos.h"
#include "gui/impressao/frmImprimir.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "printing/NomeArquivoPdf.h"
#include "printing/painter/ExportacaoOdt.h"
#include "printing/painter/GravacaoPdf.h"
#include "report/Relatorio.h"
#include "settings/Margens.h"
#include "settings/TextosOriginais.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

namespace vidalume {

const QString ComandosArquivo::kM2 = QStringLiteral(
    "Para você poder imprimir uma análise é fundamental que exista uma análise sendo exibida em "
    "seu monitor. Para isso, clique no primeiro botão e crie uma análise. Depois clique "
    "novamente neste botão para imprimir.");
const QString ComandosArquivo::kM3 = QStringLiteral(
    "Para que você possa exportar uma análise é necessário que você a tenha gerada antes. Para "
    "isso, clique sobre o primeiro botão, crie uma análise e então repita a operação.");
const QString ComandosArquivo::kM4 = QStringLiteral(
    "O texto da análise atualmente exibida em seu monitor foi copiado para a área de "
    "transferência do seu computador. Para transportá-la para qualquer editor de textos (ex. "
    "Word), primeiro inicie o programa, crie um novo documento em branco e então pressione CTRL "
    "+ V ou se preferir utilize a opção Editar -> Colar no menu do programa.");
const QString ComandosArquivo::kSemAnalise = QStringLiteral(
    "Para %1 é preciso que exista uma análise sendo exibida em seu monitor. Clique no "
    "primeiro botão, crie uma análise e então repita a operação.");
const QString ComandosArquivo::kSemOriginais =
    QStringLiteral("Os textos originais do programa não foram encontrados em %1.");
const QString ComandosArquivo::kPerguntaOriginalUm = QStringLiteral(
    "Os textos de \"%1\" voltarão a ser os originais do programa. Deseja continuar?");
const QString ComandosArquivo::kPerguntaOriginaisTodos = QStringLiteral(
    "Todos os textos das análises voltarão a ser os originais do programa. Deseja continuar?");
const QString ComandosArquivo::kOriginaisRestaurados =
    QStringLiteral("Os textos originais foram restaurados em: %1.");
const QString ComandosArquivo::kTextosGuardados =
    QStringLiteral("Os seus textos anteriores foram guardados na pasta %1 com os nomes: %2.");
const QString ComandosArquivo::kNadaGuardado =
    QStringLiteral("Os textos escolhidos já eram os originais.");

namespace {

struct DadosFormato {
    QString nome; // "PDF" or "ODT", as the report kinds name the save dialogs
    QString acao;
    QString sufixo;
    QString filtro;
    bool (*grava)(const QString&, const Diagramacao&, QString*);
    QString feito; // what the message after the save says, after the report's subject
};

DadosFormato dados(ComandosArquivo::Formato formato) {
    if (formato == ComandosArquivo::Formato::Pdf) {
        return {QStringLiteral("PDF"), QStringLiteral("salvar em PDF"),
                QStringLiteral("pdf"), QStringLiteral("Documentos PDF (*.pdf)"),
                &GravacaoPdf::grava,   QStringLiteral("gravad")};
    }
    return {QStringLiteral("ODT"), QStringLiteral("exportar para um editor de textos"),
            QStringLiteral("odt"), QStringLiteral("Documentos de texto (*.odt)"),
            &ExportacaoOdt::grava, QStringLiteral("exportad")};
}

// "A análise foi gravada em PDF", "As previsões do ano foram exportadas para o editor de
// textos".
QString feito(const Relatorio& relatorio, const DadosFormato& f) {
    return relatorio.foi(f.feito) + (f.sufixo == QLatin1String("pdf")
                                         ? QStringLiteral(" em PDF")
                                         : QStringLiteral(" para o editor de textos"));
}

} // namespace

// The analysis of the active report window, composed now, with the margins the print dialog
// last kept; none, after a message, when no analysis is shown.
std::optional<Diagramacao> ComandosArquivo::analiseParaArquivo(const QString& acao) {
    frmExibeRelatorio* relatorio = relatorios_.ativo();
    if (relatorio == nullptr) {
        c_.informa(QStringLiteral("Informação:"), kSemAnalise.arg(acao),
                   Mensagens::Icone::Informacao);
        return std::nullopt;
    }
    Diagramacao d = c_.diagramacaoDe(*relatorio);
    d.margens = Margens::le(c_.pasta());
    return d;
}

// Where to save a file made from the analysis: the documents folder (the home folder where
// there is none), the name as a batch names it, with `sufixo`; an empty text when the user
// gives up.
QString ComandosArquivo::escolheArquivo(const Diagramacao& analise, const QString& titulo,
                                        const QString& sufixo, const QString& filtro) {
    const Relatorio& relatorio = Relatorio::de(analise);
    QString nome =
        NomeArquivoPdf::sugere(relatorio.baseArquivo(analise), relatorio.dataArquivo(analise));
    nome.chop(3); // "pdf"
    const QString sugestao = DialogoArquivo::naPastaInicial(nome + sufixo);
    const Servicos& s = c_.servicos();
    const QString arquivo =
        s.escolheArquivo ? s.escolheArquivo(c_.janela(), titulo, sugestao, filtro) : QString();
    return c_.recusaArquivoProprio(arquivo) ? QString() : arquivo;
}

void ComandosArquivo::salva(Formato formato) {
    const DadosFormato f = dados(formato);
    const auto analise = analiseParaArquivo(f.acao);
    if (!analise) {
        return;
    }
    const Relatorio& relatorio = Relatorio::de(*analise);
    const QString arquivo =
        escolheArquivo(*analise, relatorio.legendaSalvar(f.nome), f.sufixo, f.filtro);
    if (arquivo.isEmpty()) {
        return;
    }
    QString erro;
    bool gravado = false;
    {
        const Ocupado ocupado = Ocupado::sobre(c_.janela());
        gravado = f.grava(arquivo, *analise, &erro);
    }
    if (!gravado) {
        c_.informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    // The dialog closed: say where the file went.
    c_.avisaGravado(feito(relatorio, f), arquivo);
}

void ComandosArquivo::imprime(QPrinter* impressora) {
    frmExibeRelatorio* relatorio = relatorios_.ativo();
    if (relatorio == nullptr) {
        c_.informa(QStringLiteral("Informação:"), kM2, Mensagens::Icone::Informacao);
        return;
    }
    const Ocupado ocupado = Ocupado::sobre(c_.janela());
    frmImprimir dialogo(c_.janela(), c_.pasta(), *c_.servicos().mensagens, impressora,
                        c_.padrao().Configuracao, c_.diagramacaoDe(*relatorio));
    c_.preparaImpressao(dialogo, impressora);
    c_.exibe(dialogo);
}

void ComandosArquivo::exporta() {
    frmExibeRelatorio* relatorio = relatorios_.ativo();
    if (relatorio == nullptr) {
        c_.informa(QStringLiteral("Erro:"), kM3, Mensagens::Icone::Critico);
        return;
    }
    {
        const Ocupado ocupado = Ocupado::sobre(c_.janela());
        const Diagramacao d = c_.diagramacaoDe(*relatorio);
        EnviarAnaliseParaAreaTransf(Relatorio::de(d).texto(d));
    }
    c_.informa(QStringLiteral("Importante:"), kM4, Mensagens::Icone::Informacao);
}

void ComandosArquivo::EnviarAnaliseParaAreaTransf(const QString& texto) {
    QClipboard* area = QGuiApplication::clipboard();
    area->clear();
    area->setText(texto);
}

void ComandosArquivo::fazCopia() {
    const QString sugestao = QDir::home().filePath(
        QStringLiteral("vidalume-copia-%1.zip").arg(c_.hoje().toString(u"yyyy-MM-dd")));
    const Servicos& s = c_.servicos();
    const QString arquivo =
        s.escolheCopia ? s.escolheCopia(c_.janela(), true, sugestao) : QString();
    if (arquivo.isEmpty() || c_.recusaArquivoProprio(arquivo)) {
        return;
    }
    // The settings in use go into the copy as they are now.
    QString erro;
    if (!GravaConfiguracao(c_.padrao(), c_.pasta(), &erro)) {
        c_.informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    const Ocupado ocupado = Ocupado::tela();
    QStringList deixados;
    if (!CopiaCompleta::grava(c_.pasta(), arquivo, c_.agora(), &erro, &deixados)) {
        c_.informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    c_.informa(QStringLiteral("Informação:"), CopiaCompleta::mensagemGravada(arquivo, deixados),
               deixados.isEmpty() ? Mensagens::Icone::Informacao : Mensagens::Icone::Exclamacao);
}

void ComandosArquivo::restauraCopia() {
    const Servicos& s = c_.servicos();
    const QString arquivo =
        s.escolheCopia ? s.escolheCopia(c_.janela(), false, QDir::homePath()) : QString();
    if (arquivo.isEmpty()) {
        return;
    }
    // The whole archive is read and checked before the user is asked anything.
    auto copia = std::make_unique<CopiaCompleta>(c_.pasta());
    QString erro;
    if (!copia->abre(arquivo, &erro)) {
        c_.informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    frmRestauraCopia escolha(*copia, c_.janela());
    c_.exibe(escolha);
    if (escolha.result() != QDialog::Accepted) {
        return;
    }
    CopiaCompleta::Resultado resultado;
    const bool ok = copia->restaura(escolha.partes(), c_.agora(), &resultado, &erro);
    const QString feito = ok ? copia->mensagemRestaurada(resultado) : erro;
    // The extracted files (a whole copy of the client file among them) leave the data folder
    // as soon as the restore ends, not when the program does.
    copia.reset();
    // Whatever was written is in use from now on, and is what the way out saves.
    CarregaConfiguracoes(c_.padrao(), c_.pasta());
    c_.informa(ok ? QStringLiteral("Informação:") : QStringLiteral("Erro:"), feito,
               ok ? Mensagens::Icone::Informacao : Mensagens::Icone::Critico);
}

void ComandosArquivo::restauraOriginais() {
    const QString& originaisPasta = c_.servicos().pastaOriginais;
    const QStringList originais = TextosOriginais::arquivos(originaisPasta);
    if (originais.isEmpty()) {
        c_.informa(QStringLiteral("Erro:"),
                   kSemOriginais.arg(QDir::toNativeSeparators(originaisPasta)),
                   Mensagens::Icone::Critico);
        return;
    }
    frmRestauraTextos escolha(originais, c_.janela());
    c_.exibe(escolha);
    if (escolha.result() != QDialog::Accepted) {
        return;
    }
    const QStringList escolhidos = escolha.escolhidos();
    const QString pergunta =
        escolhidos.size() == 1 ? kPerguntaOriginalUm.arg(TextosOriginais::descricao(escolhidos[0]))
                               : kPerguntaOriginaisTodos;
    if (!c_.perguntaPadraoNao(pergunta)) {
        return;
    }
    QStringList copias;
    QStringList restaurados;
    QString erro;
    if (!TextosOriginais::restaura(originaisPasta, c_.pasta(), escolhidos, c_.agora(), &copias,
                                   &restaurados, &erro)) {
        c_.informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    // Says what changed: the files written (a missing one is written too) and the copies
    // kept of the user's own texts; only when nothing was written, that they already were.
    QString texto = kNadaGuardado;
    if (!restaurados.isEmpty()) {
        texto = kOriginaisRestaurados.arg(restaurados.join(QStringLiteral(", ")));
        if (!copias.isEmpty()) {
            texto += u' ' + kTextosGuardados.arg(QDir::toNativeSeparators(c_.pasta()),
                                                 copias.join(QStringLiteral(", ")));
        }
    }
    c_.informa(QStringLiteral("Informação:"), texto, Mensagens::Icone::Informacao);
}

} // namespace vidalume
