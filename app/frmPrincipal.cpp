#include "app/frmPrincipal.h"

#include "app/GeometriaPrincipal.h"
#include "app/Som.h"
#include "app/auxiliares/frmEntrada.h"
#include "app/auxiliares/frmSobre.h"
#include "composer/ComporAnalise.h"
#include "composer/LeituraCasal.h"
#include "composer/TextoExportacao.h"
#include "composer/ui/frmEstudoNomes.h"
#include "engine/ui/frmEntraCasal.h"
#include "engine/ui/frmEntraNome.h"
#include "printing/ui/frmImprimir.h"
#include "report/ui/frmExibeRelatorio.h"
#include "settings/ui/frmConfiguraFonte.h"
#include "settings/ui/frmConfiguraPrograma.h"
#include "settings/ui/frmConfiguraRodape.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/ui/frmSelecionaAlteracao.h"
#include "widgets/ImagensPrograma.h"
#include "widgets/QuadroImagem.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidalume {

const QString frmPrincipal::kTitulo = QStringLiteral("Vidalume Comercial");
const QString frmPrincipal::kNenhum = QStringLiteral("Nenhum");
const QString frmPrincipal::kM1 = QStringLiteral(
    "Há uma análise sendo exibida atualmente. É aconselhável fechar esta análise antes de "
    "prosseguir com a criação de uma nova análise. Gostaria que o programa fechasse esta análise "
    "automaticamente antes de prosseguir com a criação desta nova análise?");
const QString frmPrincipal::kM2 = QStringLiteral(
    "Para você poder imprimir uma análise é fundamental que exista uma análise sendo exibida em "
    "seu monitor. Para isso, clique no primeiro botão e crie uma análise. Depois clique "
    "novamente neste botão para imprimir.");
const QString frmPrincipal::kM3 = QStringLiteral(
    "Para que você possa exportar uma análise é necessário que você a tenha gerada antes. Para "
    "isso, clique sobre o primeiro botão, crie uma análise e então repita a operação.");
const QString frmPrincipal::kM4 = QStringLiteral(
    "O texto da análise atualmente exibida em seu monitor foi copiado para a área de "
    "transferência do seu computador. Para transportá-la para qualquer editor de textos (ex. "
    "Word), primeiro inicie o programa, crie um novo documento em branco e então pressione CTRL "
    "+ V ou se preferir utilize a opção Editar -> Colar no menu do programa.");
const QString frmPrincipal::kM5 = QStringLiteral(
    "ATENÇÃO: A ajuda deste programa está disponível somente através da internet. Se você não "
    "possui acesso à internet neste computador e realmente necessita de ajuda, ligue para o "
    "nosso atendimento de suporte no telefone (99) 9999-9999. Você gostaria de obter a ajuda "
    "deste programa através da internet agora?");
const QString frmPrincipal::kM6 = QStringLiteral(
    "Para você poder navegar é fundamental que exista uma análise sendo exibida na tela de seu "
    "computador. Crie uma análise clicando no primeiro botão do menu e então este botão de "
    "navegação funcionará.");
const QString frmPrincipal::kPerguntaSair =
    QStringLiteral("Está certo de que deseja encerrar este programa agora?");

namespace {

const QString kSomBoasVindas = QStringLiteral("welcomeb.wav");
const QString kSomAguarda = QStringLiteral("aguarda.wav");
const QString kSomPagina = QStringLiteral("virafolh.wav");
const QString kPaginaAjuda = QStringLiteral("ajuda.html");

// The toolbar in its tab order: control name, help name and picture.
struct DefinicaoBotao {
    const char* nome;
    const char* ajuda;
    const char* imagem;
};
constexpr DefinicaoBotao kBotoes[GeometriaPrincipal::kBotoes] = {
    {"cmdCriaAnalise", "Criar", "criar"},
    {"cmdImprimir", "Imprimir", "imprimir"},
    {"cmdConfigurarFontes", "Fontes", "fontes"},
    {"cmdConfiguraPrograma", "ConfigPrograma", "calculos"},
    {"cmdAjuda", "Ajuda", "ajuda"},
    {"cmdExportar", "Exportar", "exportar"},
    {"cmdSair", "Sair", "sair"},
};

// The busy pointer over a widget, or over the whole screen, for as long as it lives.
class Ocupado {
public:
    static Ocupado tela() { return Ocupado(nullptr); }
    static Ocupado sobre(QWidget* janela) { return Ocupado(janela); }
    ~Ocupado() {
        if (tela_) {
            QApplication::restoreOverrideCursor();
        } else if (janela_) {
            janela_->unsetCursor();
        }
    }
    Ocupado(const Ocupado&) = delete;
    Ocupado& operator=(const Ocupado&) = delete;

private:
    explicit Ocupado(QWidget* janela) : janela_(janela), tela_(janela == nullptr) {
        if (tela_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            janela_->setCursor(Qt::WaitCursor);
        }
    }

    QPointer<QWidget> janela_;
    bool tela_;
};

} // namespace

frmPrincipal::frmPrincipal(const QString& pastaPrograma, Servicos servicos, QWidget* parent)
    : QMainWindow(parent), pastaPrograma_(pastaPrograma), servicos_(std::move(servicos)) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowIcon(ImagensPrograma::icone(pastaPrograma_, QStringLiteral("vidalume")));
    montaJanela();
    montaMenus();
}

frmPrincipal::~frmPrincipal() {
    // The report windows go with the frame; none of them may reach back into it meanwhile.
    disconnect(mdiArea_, nullptr, this, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Building the window

void frmPrincipal::montaJanela() {
    auto* centro = new QWidget(this);
    auto* coluna = new QVBoxLayout(centro);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);

    mdiArea_ = new QMdiArea(centro);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->viewport()->setMouseTracking(true);
    mdiArea_->viewport()->installEventFilter(this);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* janela) {
        if (frmExibeRelatorio* relatorio = relatorioDe(janela)) {
            relatorio->Form_Activate();
        }
    });

    coluna->addWidget(montaBarraFerramentas());
    coluna->addWidget(mdiArea_, 1);
    coluna->addWidget(montaBarraNavegacao());
    setCentralWidget(centro);

    const QSize tela = servicos_.tamanhoTela ? servicos_.tamanhoTela() : QSize(1024, 768);
    resize(tela.width() * 9 / 10, tela.height() * 9 / 10);
}

QWidget* frmPrincipal::montaBarraFerramentas() {
    picMenu_ = new QWidget(this);
    picMenu_->setObjectName(QStringLiteral("picMenu"));
    picMenu_->setFixedHeight(GeometriaPrincipal::alturaBarraFerramentas());
    picMenu_->setMouseTracking(true);
    picMenu_->installEventFilter(this);
    for (int i = 0; i < GeometriaPrincipal::kBotoes; ++i) {
        auto* botao = new QPushButton(picMenu_);
        botao->setObjectName(QString::fromLatin1(kBotoes[i].nome));
        botao->setProperty("nomeAjuda", QString::fromLatin1(kBotoes[i].ajuda));
        botao->setIcon(
            ImagensPrograma::icone(pastaPrograma_, QString::fromLatin1(kBotoes[i].imagem)));
        botao->setIconSize(QSize(32, 32));
        botao->setGeometry(GeometriaPrincipal::botao(i));
        botao->setMouseTracking(true);
        botao->installEventFilter(this);
        botoes_[i] = botao;
    }
    const auto liga = [this](int i, void (frmPrincipal::*comando)()) {
        connect(botoes_[i], &QPushButton::clicked, this, comando);
    };
    liga(0, &frmPrincipal::cmdCriaAnalise_Click);
    liga(1, &frmPrincipal::cmdImprimir_Click);
    liga(2, &frmPrincipal::cmdConfigurarFontes_Click);
    liga(3, &frmPrincipal::cmdConfiguraPrograma_Click);
    liga(4, &frmPrincipal::cmdAjuda_Click);
    liga(5, &frmPrincipal::cmdExportar_Click);
    liga(6, &frmPrincipal::cmdSair_Click);
    return picMenu_;
}

QWidget* frmPrincipal::montaBarraNavegacao() {
    picRodape_ = new QWidget(this);
    picRodape_->setObjectName(QStringLiteral("picRodape"));
    picRodape_->setFixedHeight(GeometriaPrincipal::alturaBarraNavegacao());

    picVolta_ = new QuadroImagem(QuadroImagem::Modo::Ajustar, picRodape_);
    picVolta_->setObjectName(QStringLiteral("picVolta"));
    picVolta_->mostra(ImagensPrograma::caminho(pastaPrograma_, QStringLiteral("volta")));
    picVolta_->setCursor(Qt::PointingHandCursor);
    connect(picVolta_, &QuadroImagem::clicado, this, &frmPrincipal::picVolta_Click);

    picAvanca_ = new QuadroImagem(QuadroImagem::Modo::Ajustar, picRodape_);
    picAvanca_->setObjectName(QStringLiteral("picAvanca"));
    picAvanca_->mostra(ImagensPrograma::caminho(pastaPrograma_, QStringLiteral("avanca")));
    picAvanca_->setCursor(Qt::PointingHandCursor);
    connect(picAvanca_, &QuadroImagem::clicado, this, &frmPrincipal::picAvanca_Click);

    lblInfoNavega_ = new QLabel(frmExibeRelatorio::kConvite, picRodape_);
    lblInfoNavega_->setObjectName(QStringLiteral("lblInfoNavega"));
    lblInfoNavega_->setAlignment(Qt::AlignCenter);
    QFont negrito = lblInfoNavega_->font();
    negrito.setBold(true);
    negrito.setPointSize(12);
    lblInfoNavega_->setFont(negrito);
    return picRodape_;
}

void frmPrincipal::montaMenus() {
    const auto item = [this](QMenu* menu, const char* nome, const QString& legenda,
                             void (frmPrincipal::*comando)()) {
        QAction* acao = menu->addAction(legenda);
        acao->setObjectName(QString::fromLatin1(nome));
        connect(acao, &QAction::triggered, this, comando);
        return acao;
    };
    QMenu* mnuArquivo = menuBar()->addMenu(QStringLiteral("Arquivo"));
    mnuArquivo->setObjectName(QStringLiteral("mnuArquivo"));
    item(mnuArquivo, "mnuConfigurarRodape", QStringLiteral("&Configurar Cabeçalho e Rodapé"),
         &frmPrincipal::mnuConfigurarRodape_Click);
    item(mnuArquivo, "mnuEstudoNomes", QStringLiteral("&Estudo de nomes…"),
         &frmPrincipal::mnuEstudoNomes_Click);
    item(mnuArquivo, "mnuCompatibilidade", QStringLiteral("Compatibilidade de c&asal…"),
         &frmPrincipal::mnuCompatibilidade_Click);
    mnuArquivo->addSeparator()->setObjectName(QStringLiteral("mnuNulo"));
    item(mnuArquivo, "mnuEncerrar", QStringLiteral("Encerrar Programa"),
         &frmPrincipal::mnuEncerrar_Click);

    QMenu* mnuJanela = menuBar()->addMenu(QStringLiteral("Janela"));
    mnuJanela->setObjectName(QStringLiteral("mnuJanela"));
    item(mnuJanela, "mnuJanelaLadoLado", QStringLiteral("Organizar Lado a Lado"),
         &frmPrincipal::mnuJanelaLadoLado_Click);
    item(mnuJanela, "mnuJanelaEmCascata", QStringLiteral("Organizar em Cascata"),
         &frmPrincipal::mnuJanelaEmCascata_Click);

    QMenu* mnuAlterar = menuBar()->addMenu(QStringLiteral("Alterar"));
    mnuAlterar->setObjectName(QStringLiteral("mnuAlterarNada"));
    item(mnuAlterar, "mnuAlterarConteudoDasAnalises", QStringLiteral("&Conteúdo das Análises"),
         &frmPrincipal::mnuAlterarConteudoDasAnalises_Click);

    QMenu* mnuSobre = menuBar()->addMenu(QStringLiteral("Sobre"));
    mnuSobre->setObjectName(QStringLiteral("mnuSobre"));
    item(mnuSobre, "mnuSobreEstePrograma", QStringLiteral("Sobre este Programa"),
         &frmPrincipal::mnuSobreEstePrograma_Click);
}

void frmPrincipal::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    posicionaNavegacao();
}

void frmPrincipal::posicionaNavegacao() {
    const auto n = GeometriaPrincipal::navegacao(frameGeometry().width(), picRodape_->height());
    picVolta_->setGeometry(n.volta);
    lblInfoNavega_->setGeometry(n.info);
    picAvanca_->setGeometry(n.avanca);
}

// ---------------------------------------------------------------------------------------------
// Start-up and the ways out

void frmPrincipal::Form_Load() {
    setCursor(Qt::WaitCursor);
    padrao_.FontesAnalise = FontesAnalise::CarregaFontes(pastaPrograma_);
    CarregaConfiguracao(padrao_, pastaPrograma_);
    CarregaLinhasRodape();
    setWindowTitle(kTitulo);
    // The welcome plays whatever the sound setting says.
    tocaSom(kSomBoasVindas, false);
    show();
    posicionaNavegacao();
    {
        frmEntrada entrada(pastaPrograma_, servicos_.aguarda, this);
        exibe(entrada);
    }
    if (servicos_.preparaImpressora) {
        impressora_ = servicos_.preparaImpressora();
    }
    unsetCursor();
}

bool frmPrincipal::gravaConfiguracao() {
    QString erro;
    if (GravaConfiguracao(padrao_, pastaPrograma_, &erro)) {
        return true;
    }
    informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
    return false;
}

void frmPrincipal::gravaEEncerra() {
    encerrado_ = true;
    gravaConfiguracao();
    if (servicos_.encerra) {
        servicos_.encerra();
    }
}

void frmPrincipal::closeEvent(QCloseEvent* evento) {
    if (!encerrado_) {
        encerrado_ = true;
        if (servicos_.fechaDicas) {
            servicos_.fechaDicas();
        }
        gravaConfiguracao();
    }
    evento->accept();
}

// ---------------------------------------------------------------------------------------------
// Shared pieces of the commands

void frmPrincipal::prologo() {
    botaoComAjuda_ = kNenhum;
    if (servicos_.fechaDicas) {
        servicos_.fechaDicas();
    }
}

void frmPrincipal::ApagaAjudaDoBotao() {
    botaoComAjuda_ = kNenhum;
}

void frmPrincipal::tiraAjuda() {
    ApagaAjudaDoBotao();
    if (servicos_.fechaDicas) {
        servicos_.fechaDicas();
    }
}

void frmPrincipal::botaoApontado(const QString& nomeAjuda, QWidget* botao) {
    // No help while a dialog opened from the toolbar is on the screen.
    if (testAttribute(Qt::WA_SetCursor) && cursor().shape() == Qt::WaitCursor) {
        return;
    }
    if (botaoComAjuda_ != nomeAjuda && servicos_.ajudaDoBotao) {
        servicos_.ajudaDoBotao(*this, nomeAjuda, botao);
    }
    botaoComAjuda_ = nomeAjuda;
}

bool frmPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        // A move over a button reaches the toolbar too when the button passes it on; only
        // the bare background takes the help away.
        auto* fundo = qobject_cast<QWidget*>(objeto);
        if ((objeto == picMenu_ || objeto == mdiArea_->viewport()) &&
            fundo->childAt(static_cast<QMouseEvent*>(evento)->position().toPoint()) == nullptr) {
            tiraAjuda();
        } else if (auto* botao = qobject_cast<QPushButton*>(objeto);
                   botao != nullptr && botao->parentWidget() == picMenu_) {
            botaoApontado(botao->property("nomeAjuda").toString(), botao);
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void frmPrincipal::tocaSom(const QString& arquivo, bool repete) {
    if (servicos_.som != nullptr) {
        servicos_.som->toca(QDir(pastaPrograma_).filePath(arquivo), repete);
    }
}

void frmPrincipal::informa(const QString& titulo, const QString& texto, Mensagens::Icone icone) {
    if (servicos_.mensagens != nullptr) {
        servicos_.mensagens->informa(this, titulo, texto, icone);
    }
}

bool frmPrincipal::pergunta(const QString& titulo, const QString& texto) {
    return servicos_.mensagens != nullptr &&
           servicos_.mensagens->pergunta(this, titulo, texto, Mensagens::Icone::Pergunta);
}

void frmPrincipal::escreveStatus(const QString& texto) {
    lblInfoNavega_->setText(texto);
}

frmExibeRelatorio* frmPrincipal::relatorioDe(QMdiSubWindow* janela) {
    // A window being closed no longer counts, even before it is gone.
    if (janela == nullptr || janela->isHidden()) {
        return nullptr;
    }
    return qobject_cast<frmExibeRelatorio*>(janela->widget());
}

frmExibeRelatorio* frmPrincipal::relatorioAtivo() const {
    return relatorioDe(mdiArea_->currentSubWindow());
}

QList<frmExibeRelatorio*> frmPrincipal::relatorios() const {
    QList<frmExibeRelatorio*> lista;
    for (QMdiSubWindow* janela : mdiArea_->subWindowList()) {
        if (frmExibeRelatorio* relatorio = relatorioDe(janela)) {
            lista << relatorio;
        }
    }
    return lista;
}

LigacoesRelatorio frmPrincipal::ligacoesRelatorio() {
    LigacoesRelatorio l;
    l.tocaSomPagina = [this] {
        if (Configuracao::ligado(padrao_.Configuracao.EscutarSons)) {
            tocaSom(kSomPagina, false);
        }
    };
    l.escreveStatus = [this](const QString& texto) { escreveStatus(texto); };
    l.apagaAjuda = [this] { tiraAjuda(); };
    return l;
}

// Every window the main window opens is shown here, modally, through the program's seam.
void frmPrincipal::exibe(QDialog& janela) {
    if (servicos_.exibe) {
        servicos_.exibe(janela);
    } else {
        janela.exec();
    }
}

void frmPrincipal::compoeAnalise() {
    const QDate hoje = servicos_.hoje ? servicos_.hoje() : QDate::currentDate();
    padrao_.Analise = ComporAnalise::compoe(padrao_.NomeAnalise, padrao_.DataNascimento, hoje,
                                            ArquivoInterpretacao(pastaPrograma_));
}

// ---------------------------------------------------------------------------------------------
// Public operations

void frmPrincipal::CarregaLinhasRodape() {
    padrao_.LinhasRodape = LinhasRodape::CarregaLinhasRodape(pastaPrograma_);
}

void frmPrincipal::EnviarAnaliseParaAreaTransf() {
    QClipboard* area = QGuiApplication::clipboard();
    area->clear();
    area->setText(TextoExportacao::monta(padrao_.Analise, padrao_.Configuracao,
                                         padrao_.CalculosSelecionados));
}

void frmPrincipal::ImprimirAnaliseNoMonitor() {
    abreRelatorio(padrao_.diagramacao(pastaPrograma_));
}

// A report window with the pages of `diagramacao`, maximised in front of the others.
frmExibeRelatorio* frmPrincipal::abreRelatorio(const Diagramacao& diagramacao) {
    const QSize tela = servicos_.tamanhoTela ? servicos_.tamanhoTela() : QSize(1024, 768);
    auto* relatorio = new frmExibeRelatorio(tela, ligacoesRelatorio());
    PaginasProntas paginas = servicos_.paginas
                                 ? servicos_.paginas(diagramacao, relatorio->GetLarguraEmMm(),
                                                     relatorio->palette().color(QPalette::Text))
                                 : PaginasProntas{};
    const int total = int(paginas.paginas.size());
    relatorio->definePaginas(std::move(paginas));

    QMdiSubWindow* janela = mdiArea_->addSubWindow(relatorio);
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->setWindowIcon(windowIcon());
    relatorio->GravaDados(total, 1, diagramacao.DataNascimento, diagramacao.NomeAnalise);
    janela->showMaximized();
    relatorio->mostrada();
    relatorio->focaPagina();
    return relatorio;
}

// What a report window prints: a composed report as it is, an analysis composed again from
// its name and date.
Diagramacao frmPrincipal::diagramacaoDe(const frmExibeRelatorio& relatorio) {
    if (const auto& composto = relatorio.composto()) {
        return composto->diagramacao(padrao_.diagramacao(pastaPrograma_));
    }
    relatorio.AjustaDadosNaMemoria(padrao_.NomeAnalise, padrao_.DataNascimento);
    compoeAnalise();
    return padrao_.diagramacao(pastaPrograma_);
}

// ---------------------------------------------------------------------------------------------
// Commands

void frmPrincipal::cmdCriaAnalise_Click() {
    prologo();
    if (frmExibeRelatorio* aberto = relatorioAtivo()) {
        if (pergunta(QStringLiteral("Advertência:"), kM1)) {
            aberto->parentWidget()->close();
        }
    }
    {
        frmEntraNome entrada(padrao_.NomeAnalise, padrao_.DataNascimento, pastaPrograma_,
                             *servicos_.mensagens, this);
        exibe(entrada);
        padrao_.NomeAnalise = entrada.NomeAnalise();
        padrao_.DataNascimento = entrada.DataNascimento();
        if (entrada.cancelado()) {
            return;
        }
    }
    mostraNovaAnalise();
}

// The analysis of the name and date now in the shared records, in a new report window.
void frmPrincipal::mostraNovaAnalise() {
    const Ocupado ocupado = Ocupado::tela();
    compoeAnalise();
    if (Configuracao::ligado(padrao_.Configuracao.EscutarSons)) {
        tocaSom(kSomAguarda, true);
    }
    ImprimirAnaliseNoMonitor();
}

void frmPrincipal::cmdImprimir_Click() {
    prologo();
    frmExibeRelatorio* relatorio = relatorioAtivo();
    if (relatorio == nullptr) {
        informa(QStringLiteral("Informação:"), kM2, Mensagens::Icone::Informacao);
        return;
    }
    const Ocupado ocupado = Ocupado::sobre(this);
    frmImprimir dialogo(this, pastaPrograma_, *servicos_.mensagens, impressora_.get(),
                        padrao_.Configuracao, diagramacaoDe(*relatorio));
    exibe(dialogo);
}

void frmPrincipal::cmdConfigurarFontes_Click() {
    prologo();
    const Ocupado ocupado = Ocupado::sobre(this);
    const QStringList faces = servicos_.facesFonte ? servicos_.facesFonte() : QStringList();
    frmConfiguraFonte dialogo(padrao_.FontesAnalise, pastaPrograma_, *servicos_.mensagens, faces,
                              this);
    exibe(dialogo);
}

void frmPrincipal::cmdConfiguraPrograma_Click() {
    prologo();
    const Ocupado ocupado = Ocupado::sobre(this);
    frmConfiguraPrograma dialogo(padrao_.Configuracao, padrao_.CalculosSelecionados,
                                 *servicos_.mensagens, this);
    exibe(dialogo);
}

void frmPrincipal::cmdAjuda_Click() {
    prologo();
    if (pergunta(QStringLiteral("Aviso:"), kM5) && servicos_.abreEndereco) {
        servicos_.abreEndereco(QUrl::fromLocalFile(QDir(pastaPrograma_).filePath(kPaginaAjuda)));
    }
}

void frmPrincipal::cmdExportar_Click() {
    prologo();
    frmExibeRelatorio* relatorio = relatorioAtivo();
    if (relatorio == nullptr) {
        informa(QStringLiteral("Erro:"), kM3, Mensagens::Icone::Critico);
        return;
    }
    {
        const Ocupado ocupado = Ocupado::sobre(this);
        if (const auto& composto = relatorio->composto()) {
            QGuiApplication::clipboard()->setText(composto->texto(padrao_.Configuracao));
        } else {
            relatorio->AjustaDadosNaMemoria(padrao_.NomeAnalise, padrao_.DataNascimento);
            compoeAnalise();
            EnviarAnaliseParaAreaTransf();
        }
    }
    informa(QStringLiteral("Importante:"), kM4, Mensagens::Icone::Informacao);
}

void frmPrincipal::cmdSair_Click() {
    prologo();
    if (pergunta(QStringLiteral("Vidalume:"), kPerguntaSair)) {
        gravaEEncerra();
    }
}

void frmPrincipal::mnuConfigurarRodape_Click() {
    prologo();
    {
        frmConfiguraRodape dialogo(padrao_.LinhasRodape, pastaPrograma_, *servicos_.mensagens,
                                   this);
        exibe(dialogo);
    }
    CarregaLinhasRodape();
}

void frmPrincipal::mnuEncerrar_Click() {
    gravaEEncerra();
}

QList<QMdiSubWindow*> frmPrincipal::janelasParaOrganizar() const {
    QList<QMdiSubWindow*> janelas;
    // From the back to the front, so the active window ends on top.
    for (QMdiSubWindow* janela : mdiArea_->subWindowList(QMdiArea::StackingOrder)) {
        if (!janela->isHidden() && !janela->isMinimized()) {
            if (janela->isMaximized()) {
                janela->showNormal();
            }
            janelas << janela;
        }
    }
    return janelas;
}

void frmPrincipal::organiza(const QList<QMdiSubWindow*>& janelas, const QList<QRect>& lugares) {
    for (int i = 0; i < janelas.size(); ++i) {
        janelas[i]->setGeometry(lugares[i]);
        janelas[i]->raise();
    }
}

void frmPrincipal::mnuJanelaLadoLado_Click() {
    const QList<QMdiSubWindow*> janelas = janelasParaOrganizar();
    organiza(janelas,
             GeometriaPrincipal::ladoALado(mdiArea_->viewport()->rect(), int(janelas.size())));
}

void frmPrincipal::mnuJanelaEmCascata_Click() {
    const QList<QMdiSubWindow*> janelas = janelasParaOrganizar();
    if (janelas.isEmpty()) {
        return;
    }
    // Each window steps down by the height of a title bar.
    const int passo = std::max(1, janelas.first()->widget()->geometry().top());
    organiza(janelas,
             GeometriaPrincipal::cascata(mdiArea_->viewport()->rect(), int(janelas.size()), passo));
}

void frmPrincipal::mnuAlterarConteudoDasAnalises_Click() {
    prologo();
    frmSelecionaAlteracao selecao(pastaPrograma_, *servicos_.mensagens, this);
    exibe(selecao);
}

void frmPrincipal::mnuSobreEstePrograma_Click() {
    prologo();
    frmSobre sobre(
        pastaPrograma_, [this](const QString& arquivo) { tocaSom(arquivo, false); }, this);
    exibe(sobre);
}

void frmPrincipal::mnuEstudoNomes_Click() {
    prologo();
    frmEstudoNomes estudo(
        padrao_.DataNascimento, pastaPrograma_, *servicos_.mensagens,
        [this](QWidget* pai, const EstudoNomes& e) { imprimeEstudo(pai, e); }, this);
    exibe(estudo);
    if (estudo.nomeEscolhido().isEmpty()) {
        return;
    }
    padrao_.NomeAnalise = estudo.nomeEscolhido();
    padrao_.DataNascimento = estudo.dataEscolhida();
    mostraNovaAnalise();
}

// The study goes through the print dialog of the analysis, in front of the study window.
void frmPrincipal::imprimeEstudo(QWidget* pai, const EstudoNomes& estudo) {
    frmImprimir dialogo(pai, pastaPrograma_, *servicos_.mensagens, impressora_.get(),
                        padrao_.Configuracao,
                        estudo.diagramacao(padrao_.diagramacao(pastaPrograma_)));
    exibe(dialogo);
}

void frmPrincipal::mnuCompatibilidade_Click() {
    prologo();
    frmEntraCasal entrada(*servicos_.mensagens, this);
    exibe(entrada);
    if (entrada.result() != QDialog::Accepted) {
        return;
    }
    const Ocupado ocupado = Ocupado::tela();
    const RelatorioComposto leitura = LeituraCasal::calcula(entrada.nome(0), entrada.nascimento(0),
                                                            entrada.nome(1), entrada.nascimento(1))
                                          .compoe(ArquivoInterpretacao(pastaPrograma_));
    abreRelatorio(leitura.diagramacao(padrao_.diagramacao(pastaPrograma_)))
        ->defineComposto(leitura);
}

void frmPrincipal::navega(int passo) {
    frmExibeRelatorio* relatorio = relatorioAtivo();
    if (relatorio == nullptr) {
        informa(QStringLiteral("Importante:"), kM6, Mensagens::Icone::Informacao);
        return;
    }
    const bool noFim = passo > 0 ? relatorio->TotalDePaginas() == relatorio->PaginaExibida()
                                 : relatorio->PaginaExibida() == 1;
    if (noFim) {
        if (servicos_.bipe) {
            servicos_.bipe();
        }
        return;
    }
    const Ocupado ocupado = Ocupado::sobre(this);
    relatorio->ExibePagina(relatorio->PaginaExibida() + passo);
    relatorio->focaPagina();
}

void frmPrincipal::picAvanca_Click() {
    navega(+1);
}

void frmPrincipal::picVolta_Click() {
    navega(-1);
}

} // namespace vidalume
