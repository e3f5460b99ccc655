#include "app/frmPrincipal.h"

#include "app/GeometriaPrincipal.h"
#include "app/Som.h"
#include "app/auxiliares/DicasBotoes.h"
#include "app/auxiliares/frmEntrada.h"
#include "app/auxiliares/frmSobre.h"
#include "clients/FichaClientes.h"
#include "clients/ui/frmClientes.h"
#include "composer/ComporAnalise.h"
#include "composer/LeituraCasal.h"
#include "composer/TextoExportacao.h"
#include "composer/ui/frmEstudoNomes.h"
#include "engine/EntradaDados.h"
#include "engine/Windows1252.h"
#include "engine/ui/frmEntraCasal.h"
#include "engine/ui/frmEntraNome.h"
#include "printing/NomeArquivoPdf.h"
#include "printing/painter/ExportacaoOdt.h"
#include "printing/painter/GravacaoPdf.h"
#include "printing/ui/frmImprimir.h"
#include "report/ui/frmExibeRelatorio.h"
#include "settings/CopiaSeguranca.h"
#include "settings/PastaDados.h"
#include "settings/TextosOriginais.h"
#include "settings/ui/frmConfiguraFonte.h"
#include "settings/ui/frmConfiguraPrograma.h"
#include "settings/ui/frmConfiguraRodape.h"
#include "settings/ui/frmRestauraTextos.h"
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
#include <QStandardPaths>
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
    "A ajuda deste programa será aberta no seu navegador. Ela explica cada cálculo, cada "
    "botão e onde ficam os seus textos e configurações. Deseja abrir a ajuda agora?");
const QString frmPrincipal::kSemNavegador = QStringLiteral(
    "Não foi possível abrir a ajuda: nenhum navegador está disponível neste computador. A "
    "página de ajuda é o arquivo \"%1\"; abra-o com um navegador quando houver um.");
const QString frmPrincipal::kSemAnalise = QStringLiteral(
    "Para %1 é preciso que exista uma análise sendo exibida em seu monitor. Clique no "
    "primeiro botão, crie uma análise e então repita a operação.");
const QString frmPrincipal::kTituloPdf = QStringLiteral("Salvar análise em PDF");
const QString frmPrincipal::kTituloOdt = QStringLiteral("Exportar para editor de textos");
const QString frmPrincipal::kM6 = QStringLiteral(
    "Para você poder navegar é fundamental que exista uma análise sendo exibida na tela de seu "
    "computador. Crie uma análise clicando no primeiro botão do menu e então este botão de "
    "navegação funcionará.");
const QString frmPrincipal::kPerguntaSair =
    QStringLiteral("Está certo de que deseja encerrar este programa agora?");
const QString frmPrincipal::kCopiaFeita =
    QStringLiteral("A cópia de segurança dos seus textos e configurações foi gravada em %1. "
                   "Guarde este arquivo num pen drive, num disco externo ou na nuvem.");
const QString frmPrincipal::kPerguntaRestaurarCopia = QStringLiteral(
    "Os textos e as configurações deste computador serão substituídos pelos da cópia de "
    "segurança. Deseja continuar?");
const QString frmPrincipal::kCopiaRestaurada =
    QStringLiteral("A cópia de segurança foi restaurada (%1 arquivos).");
const QString frmPrincipal::kSemOriginais =
    QStringLiteral("Os textos originais do programa não foram encontrados em %1.");
const QString frmPrincipal::kPerguntaOriginalUm = QStringLiteral(
    "Os textos de \"%1\" voltarão a ser os originais do programa. Deseja continuar?");
const QString frmPrincipal::kPerguntaOriginaisTodos = QStringLiteral(
    "Todos os textos das análises voltarão a ser os originais do programa. Deseja continuar?");
const QString frmPrincipal::kOriginaisRestaurados =
    QStringLiteral("Os textos originais foram restaurados.");
const QString frmPrincipal::kTextosGuardados =
    QStringLiteral("Os seus textos anteriores foram guardados na pasta %1 com os nomes: %2.");
const QString frmPrincipal::kNadaGuardado =
    QStringLiteral("Os textos escolhidos já eram os originais.");

namespace {

const QString kSomBoasVindas = QStringLiteral("welcomeb.wav");
const QString kSomAguarda = QStringLiteral("aguarda.wav");
const QString kSomPagina = QStringLiteral("virafolh.wav");
const QString kPaginaAjuda = QStringLiteral("ajuda.html");

// The toolbar in its tab order: control name, help name, picture and the name a screen
// reader says.
struct DefinicaoBotao {
    const char* nome;
    const char* ajuda;
    const char* imagem;
    const char16_t* nomeAcessivel;
};
constexpr DefinicaoBotao kBotoes[GeometriaPrincipal::kBotoes] = {
    {"cmdCriaAnalise", "Criar", "criar", u"Nova análise"},
    {"cmdImprimir", "Imprimir", "imprimir", u"Imprimir"},
    {"cmdConfigurarFontes", "Fontes", "fontes", u"Fontes"},
    {"cmdConfiguraPrograma", "ConfigPrograma", "calculos", u"Cálculos e opções"},
    {"cmdAjuda", "Ajuda", "ajuda", u"Ajuda"},
    {"cmdExportar", "Exportar", "exportar", u"Exportar"},
    {"cmdSair", "Sair", "sair", u"Sair"},
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
        // Screen readers get the name and the help sentence; no tooltip would cover the
        // button help window.
        botao->setAccessibleName(QString::fromUtf16(kBotoes[i].nomeAcessivel));
        botao->setAccessibleDescription(DicasBotoes::texto(QString::fromLatin1(kBotoes[i].ajuda)));
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
    picVolta_->setAccessibleName(QStringLiteral("Página anterior"));
    picVolta_->setAccessibleDescription(
        QStringLiteral("Mostra a página anterior da análise (Ctrl + seta para a esquerda)."));

    picAvanca_ = new QuadroImagem(QuadroImagem::Modo::Ajustar, picRodape_);
    picAvanca_->setObjectName(QStringLiteral("picAvanca"));
    picAvanca_->mostra(ImagensPrograma::caminho(pastaPrograma_, QStringLiteral("avanca")));
    picAvanca_->setCursor(Qt::PointingHandCursor);
    connect(picAvanca_, &QuadroImagem::clicado, this, &frmPrincipal::picAvanca_Click);
    picAvanca_->setAccessibleName(QStringLiteral("Próxima página"));
    picAvanca_->setAccessibleDescription(
        QStringLiteral("Mostra a próxima página da análise (Ctrl + seta para a direita)."));

    lblInfoNavega_ = new QLabel(frmExibeRelatorio::kConvite, picRodape_);
    lblInfoNavega_->setObjectName(QStringLiteral("lblInfoNavega"));
    lblInfoNavega_->setAlignment(Qt::AlignCenter);
    QFont negrito = lblInfoNavega_->font();
    negrito.setBold(true);
    negrito.setPointSize(12);
    lblInfoNavega_->setFont(negrito);
    return picRodape_;
}

// Every toolbar command is also a menu item with its standard shortcut, beside the menu
// items of their own.
void frmPrincipal::montaMenus() {
    const auto item = [this](QMenu* menu, const char* nome, const QString& legenda,
                             void (frmPrincipal::*comando)(),
                             const QKeySequence& atalho = QKeySequence()) {
        QAction* acao = menu->addAction(legenda);
        acao->setObjectName(QString::fromLatin1(nome));
        acao->setShortcut(atalho);
        acao->setShortcutContext(Qt::ApplicationShortcut);
        connect(acao, &QAction::triggered, this, comando);
        return acao;
    };
    QMenu* mnuArquivo = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    mnuArquivo->setObjectName(QStringLiteral("mnuArquivo"));
    item(mnuArquivo, "mnuNovaAnalise", QStringLiteral("&Nova análise…"),
         &frmPrincipal::cmdCriaAnalise_Click, QKeySequence(QKeySequence::New));
    item(mnuArquivo, "mnuImprimir", QStringLiteral("&Imprimir…"), &frmPrincipal::cmdImprimir_Click,
         QKeySequence(QKeySequence::Print));
    item(mnuArquivo, "mnuSalvarPdf", QStringLiteral("Salvar como &PDF…"),
         &frmPrincipal::mnuSalvarPdf_Click, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    item(mnuArquivo, "mnuExportar", QStringLiteral("&Exportar para a área de transferência"),
         &frmPrincipal::cmdExportar_Click, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    item(mnuArquivo, "mnuExportarOdt", QStringLiteral("Exportar para editor de &textos…"),
         &frmPrincipal::mnuExportarOdt_Click);
    item(mnuArquivo, "mnuClientes", QStringLiteral("C&lientes…"), &frmPrincipal::mnuClientes_Click,
         QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuArquivo->addSeparator();
    item(mnuArquivo, "mnuConfigurarRodape", QStringLiteral("&Configurar Cabeçalho e Rodapé"),
         &frmPrincipal::mnuConfigurarRodape_Click);
    item(mnuArquivo, "mnuEstudoNomes", QStringLiteral("Est&udo de nomes…"),
         &frmPrincipal::mnuEstudoNomes_Click);
    item(mnuArquivo, "mnuCompatibilidade", QStringLiteral("Compatibilidade de c&asal…"),
         &frmPrincipal::mnuCompatibilidade_Click);
    mnuArquivo->addSeparator()->setObjectName(QStringLiteral("mnuNulo"));
    item(mnuArquivo, "mnuFazerCopia", QStringLiteral("&Fazer cópia de segurança…"),
         &frmPrincipal::mnuFazerCopia_Click);
    item(mnuArquivo, "mnuRestaurarCopia", QStringLiteral("&Restaurar cópia de segurança…"),
         &frmPrincipal::mnuRestaurarCopia_Click);
    mnuArquivo->addSeparator()->setObjectName(QStringLiteral("mnuNulo2"));
    item(mnuArquivo, "mnuSair", QStringLiteral("&Sair"), &frmPrincipal::cmdSair_Click,
         QKeySequence(Qt::CTRL | Qt::Key_Q));
    item(mnuArquivo, "mnuEncerrar", QStringLiteral("Encerrar Programa"),
         &frmPrincipal::mnuEncerrar_Click);

    QMenu* mnuJanela = menuBar()->addMenu(QStringLiteral("&Janela"));
    mnuJanela->setObjectName(QStringLiteral("mnuJanela"));
    item(mnuJanela, "mnuJanelaLadoLado", QStringLiteral("Organizar Lado a Lado"),
         &frmPrincipal::mnuJanelaLadoLado_Click);
    item(mnuJanela, "mnuJanelaEmCascata", QStringLiteral("Organizar em Cascata"),
         &frmPrincipal::mnuJanelaEmCascata_Click);

    QMenu* mnuAlterar = menuBar()->addMenu(QStringLiteral("A&lterar"));
    mnuAlterar->setObjectName(QStringLiteral("mnuAlterarNada"));
    item(mnuAlterar, "mnuFontes", QStringLiteral("&Fontes…"),
         &frmPrincipal::cmdConfigurarFontes_Click);
    item(mnuAlterar, "mnuConfiguraPrograma", QStringLiteral("Cálculos e &opções…"),
         &frmPrincipal::cmdConfiguraPrograma_Click);
    item(mnuAlterar, "mnuAlterarConteudoDasAnalises", QStringLiteral("&Conteúdo das Análises"),
         &frmPrincipal::mnuAlterarConteudoDasAnalises_Click);
    item(mnuAlterar, "mnuRestaurarTextosOriginais", QStringLiteral("&Restaurar textos originais…"),
         &frmPrincipal::mnuRestaurarTextosOriginais_Click);

    QMenu* mnuSobre = menuBar()->addMenu(QStringLiteral("&Sobre"));
    mnuSobre->setObjectName(QStringLiteral("mnuSobre"));
    item(mnuSobre, "mnuAjuda", QStringLiteral("&Ajuda"), &frmPrincipal::cmdAjuda_Click,
         QKeySequence(Qt::Key_F1));
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
    CarregaConfiguracoes();
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
        servicos_.som->toca(QDir(PastaDados::recursos(pastaPrograma_)).filePath(arquivo), repete);
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

bool frmPrincipal::perguntaPadraoNao(const QString& texto) {
    return servicos_.mensagens != nullptr &&
           servicos_.mensagens->pergunta(this, QStringLiteral("Atenção:"), texto,
                                         Mensagens::Icone::Pergunta, Mensagens::BotaoPadrao::Nao);
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

QDate frmPrincipal::hoje() const {
    return servicos_.hoje ? servicos_.hoje() : QDate::currentDate();
}

void frmPrincipal::compoeAnalise() {
    padrao_.Analise = ComporAnalise::compoe(
        padrao_.NomeAnalise, padrao_.DataNascimento, hoje(), padrao_.DataReferencia,
        ArquivoInterpretacao(pastaPrograma_), padrao_.OpcoesMapa);
}

// ---------------------------------------------------------------------------------------------
// Public operations

void frmPrincipal::CarregaLinhasRodape() {
    padrao_.LinhasRodape = LinhasRodape::CarregaLinhasRodape(pastaPrograma_);
}

void frmPrincipal::CarregaConfiguracoes() {
    padrao_.FontesAnalise = FontesAnalise::CarregaFontes(pastaPrograma_);
    CarregaConfiguracao(padrao_, pastaPrograma_);
    CarregaLinhasRodape();
}

void frmPrincipal::EnviarAnaliseParaAreaTransf() {
    QClipboard* area = QGuiApplication::clipboard();
    area->clear();
    area->setText(TextoExportacao::monta(padrao_.Analise, padrao_.Configuracao,
                                         padrao_.CalculosSelecionados, padrao_.OpcoesMapa));
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
    relatorio->defineReferencia(padrao_.DataReferencia);

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
    padrao_.DataReferencia = relatorio.referencia();
    compoeAnalise();
    return padrao_.diagramacao(pastaPrograma_);
}

// ---------------------------------------------------------------------------------------------
// Commands

void frmPrincipal::cmdCriaAnalise_Click() {
    prologo();
    if (pedeEntrada(nullptr)) {
        mostraNovaAnalise();
    }
}

// The entry dialog, filled with the client's name and birth date when one is given. False
// when it was cancelled.
bool frmPrincipal::pedeEntrada(const Cliente* cliente) {
    if (frmExibeRelatorio* aberto = relatorioAtivo()) {
        if (pergunta(QStringLiteral("Advertência:"), kM1)) {
            aberto->parentWidget()->close();
        }
    }
    frmEntraNome entrada(padrao_.NomeAnalise, padrao_.DataNascimento, pastaPrograma_,
                         *servicos_.mensagens, this);
    entrada.defineHoje(hoje());
    if (cliente != nullptr) {
        entrada.preenche(cliente->nome, EntradaDados::formataData(cliente->nascimento), true);
    }
    exibe(entrada);
    padrao_.NomeAnalise = entrada.NomeAnalise();
    padrao_.DataNascimento = entrada.DataNascimento();
    if (entrada.cancelado()) {
        return false;
    }
    padrao_.DataReferencia = entrada.referencia();
    if (entrada.guardarNaFicha()) {
        guardaNaFicha(entrada.nomeDigitado(), entrada.referencia());
    }
    return true;
}

void frmPrincipal::mostraNovaAnalise() {
    const Ocupado ocupado = Ocupado::tela();
    compoeAnalise();
    if (Configuracao::ligado(padrao_.Configuracao.EscutarSons)) {
        tocaSom(kSomAguarda, true);
    }
    ImprimirAnaliseNoMonitor();
}

// Keeps the person of the analysis just made in the client file, with the analysis. A file
// that cannot be used is told; the analysis is shown anyway.
void frmPrincipal::guardaNaFicha(const QString& nomeDigitado, QDate referencia) {
    FichaClientes ficha;
    Cliente c;
    c.nome = nomeDigitado;
    c.nascimento = EntradaDados::leData(padrao_.DataNascimento).value_or(QDate());
    AnaliseCliente a;
    a.feita = QDateTime(hoje(), QTime::currentTime());
    a.referencia = referencia;
    QString erro;
    bool jaExistia = false;
    if (ficha.abre(pastaPrograma_, FichaClientes::Modo::Escrita, &erro) &&
        ficha.guarda(c, &jaExistia, &erro)) {
        a.cliente = c.id;
        if (ficha.registraAnalise(a, &erro)) {
            return;
        }
    }
    informa(QStringLiteral("Atenção:"),
            QStringLiteral("A análise será exibida, mas não foi guardada na ficha de "
                           "clientes.\n\n") +
                erro,
            Mensagens::Icone::Exclamacao);
}

void frmPrincipal::reabre(const Cliente& cliente, const AnaliseCliente& analise) {
    if (frmExibeRelatorio* aberto = relatorioAtivo()) {
        if (pergunta(QStringLiteral("Advertência:"), kM1)) {
            aberto->parentWidget()->close();
        }
    }
    padrao_.NomeAnalise = EntradaDados::normalizaNome(Windows1252::restringe(cliente.nome));
    padrao_.DataNascimento = EntradaDados::formataData(cliente.nascimento);
    padrao_.DataReferencia = analise.referencia;
    mostraNovaAnalise();
}

// The PDF of the client's analysis for today, with the program's settings, margins and print
// options.
bool frmPrincipal::geraPdf(const Cliente& cliente, const QString& pasta, QString* nome,
                           QString* erro) const {
    Padrao p = padrao_;
    p.NomeAnalise = EntradaDados::normalizaNome(Windows1252::restringe(cliente.nome));
    p.DataNascimento = EntradaDados::formataData(cliente.nascimento);
    p.Analise = ComporAnalise::compoe(p.NomeAnalise, p.DataNascimento, hoje(),
                                      ArquivoInterpretacao(pastaPrograma_), p.OpcoesMapa);
    Diagramacao d = p.diagramacao(pastaPrograma_);
    d.margens = Margens::le(pastaPrograma_);
    d.pretoEmBranco = Configuracao::ligado(p.Configuracao.PretoEmBranco);
    d.folhaRosto = Configuracao::ligado(p.Configuracao.ImprimirFolhaRosto);
    return GravacaoPdf::gravaComNomeLivre(
        pasta, NomeArquivoPdf::sugere(d.NomeAnalise, d.DataNascimento), d, nome, erro);
}

void frmPrincipal::mnuClientes_Click() {
    prologo();
    Cliente cliente;
    AnaliseCliente analise;
    frmClientes::Pedido pedido = frmClientes::Pedido::Nenhum;
    {
        FichaClientes ficha;
        QString erro;
        if (!ficha.abre(pastaPrograma_, FichaClientes::Modo::Escrita, &erro)) {
            informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
            return;
        }
        LigacoesClientes l;
        l.hoje = [this] { return hoje(); };
        l.geraPdf = [this](const Cliente& c, const QString& pasta, QString* falha) {
            QString nome;
            return geraPdf(c, pasta, &nome, falha) ? nome : QString();
        };
        l.escolheCsv = servicos_.escolheCsv;
        l.escolhePasta = servicos_.escolhePasta;
        frmClientes janela(ficha, *servicos_.mensagens, std::move(l), this);
        exibe(janela);
        pedido = janela.pedido();
        cliente = janela.clientePedido();
        analise = janela.analisePedida();
    }
    if (pedido == frmClientes::Pedido::NovaAnalise && pedeEntrada(&cliente)) {
        mostraNovaAnalise();
    } else if (pedido == frmClientes::Pedido::Reabre) {
        reabre(cliente, analise);
    }
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
                                 padrao_.OpcoesMapa, *servicos_.mensagens, this);
    exibe(dialogo);
}

void frmPrincipal::cmdAjuda_Click() {
    prologo();
    if (!pergunta(QStringLiteral("Aviso:"), kM5) || !servicos_.abreEndereco) {
        return;
    }
    const QString pagina = QDir(PastaDados::recursos(pastaPrograma_)).filePath(kPaginaAjuda);
    if (!servicos_.abreEndereco(QUrl::fromLocalFile(pagina))) {
        informa(QStringLiteral("Atenção:"), kSemNavegador.arg(QDir::toNativeSeparators(pagina)),
                Mensagens::Icone::Exclamacao);
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
            padrao_.DataReferencia = relatorio->referencia();
            compoeAnalise();
            EnviarAnaliseParaAreaTransf();
        }
    }
    informa(QStringLiteral("Importante:"), kM4, Mensagens::Icone::Informacao);
}

// The analysis of the active report window, composed now, with the margins and print
// options the print dialog last kept; none, after a message, when no analysis is shown.
std::optional<Diagramacao> frmPrincipal::analiseParaArquivo(const QString& acao) {
    frmExibeRelatorio* relatorio = relatorioAtivo();
    if (relatorio == nullptr) {
        informa(QStringLiteral("Informação:"), kSemAnalise.arg(acao), Mensagens::Icone::Informacao);
        return std::nullopt;
    }
    Diagramacao d = diagramacaoDe(*relatorio);
    d.margens = Margens::le(pastaPrograma_);
    return d;
}

// Where to save a file made from the analysis: the documents folder, the name as a batch
// names it, with `sufixo`; an empty text when the user gives up.
QString frmPrincipal::escolheArquivo(const Diagramacao& analise, const QString& titulo,
                                     const QString& sufixo, const QString& filtro) {
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString nome = NomeArquivoPdf::sugere(analise.NomeAnalise, analise.DataNascimento);
    nome.chop(3); // "pdf"
    const QString sugestao =
        QDir(pasta.isEmpty() ? QDir::homePath() : pasta).filePath(nome + sufixo);
    return servicos_.escolheArquivo ? servicos_.escolheArquivo(this, titulo, sugestao, filtro)
                                    : QString();
}

void frmPrincipal::mnuSalvarPdf_Click() {
    prologo();
    const auto analise = analiseParaArquivo(QStringLiteral("salvar em PDF"));
    if (!analise) {
        return;
    }
    const QString arquivo = escolheArquivo(*analise, kTituloPdf, QStringLiteral("pdf"),
                                           QStringLiteral("Documentos PDF (*.pdf)"));
    if (arquivo.isEmpty()) {
        return;
    }
    QString erro;
    const Ocupado ocupado = Ocupado::sobre(this);
    if (!GravacaoPdf::grava(arquivo, *analise, &erro)) {
        informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
    }
}

void frmPrincipal::mnuExportarOdt_Click() {
    prologo();
    const auto analise = analiseParaArquivo(QStringLiteral("exportar para um editor de textos"));
    if (!analise) {
        return;
    }
    const QString arquivo = escolheArquivo(*analise, kTituloOdt, QStringLiteral("odt"),
                                           QStringLiteral("Documentos de texto (*.odt)"));
    if (arquivo.isEmpty()) {
        return;
    }
    QString erro;
    const Ocupado ocupado = Ocupado::sobre(this);
    if (!ExportacaoOdt::grava(arquivo, *analise, &erro)) {
        informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
    }
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

void frmPrincipal::mnuFazerCopia_Click() {
    prologo();
    const QDate hoje = servicos_.hoje ? servicos_.hoje() : QDate::currentDate();
    const QString sugestao = QDir::home().filePath(
        QStringLiteral("vidalume-copia-%1.zip").arg(hoje.toString(QStringLiteral("yyyy-MM-dd"))));
    const QString arquivo =
        servicos_.escolheCopia ? servicos_.escolheCopia(*this, true, sugestao) : QString();
    if (arquivo.isEmpty()) {
        return;
    }
    // The settings in use go into the copy as they are now.
    if (!gravaConfiguracao()) {
        return;
    }
    QString erro;
    const Ocupado ocupado = Ocupado::tela();
    if (!CopiaSeguranca::grava(pastaPrograma_, arquivo, &erro)) {
        informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    informa(QStringLiteral("Informação:"), kCopiaFeita.arg(QDir::toNativeSeparators(arquivo)),
            Mensagens::Icone::Informacao);
}

void frmPrincipal::mnuRestaurarCopia_Click() {
    prologo();
    const QString arquivo =
        servicos_.escolheCopia ? servicos_.escolheCopia(*this, false, QDir::homePath()) : QString();
    if (arquivo.isEmpty() || !perguntaPadraoNao(kPerguntaRestaurarCopia)) {
        return;
    }
    QString erro;
    QStringList restaurados;
    const bool ok = CopiaSeguranca::restaura(arquivo, pastaPrograma_, &restaurados, &erro);
    // Whatever was written is in use from now on, and is what the way out saves.
    CarregaConfiguracoes();
    if (!ok) {
        informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    informa(QStringLiteral("Informação:"), kCopiaRestaurada.arg(restaurados.size()),
            Mensagens::Icone::Informacao);
}

void frmPrincipal::mnuRestaurarTextosOriginais_Click() {
    prologo();
    const QStringList originais = TextosOriginais::arquivos(servicos_.pastaOriginais);
    if (originais.isEmpty()) {
        informa(QStringLiteral("Erro:"),
                kSemOriginais.arg(QDir::toNativeSeparators(servicos_.pastaOriginais)),
                Mensagens::Icone::Critico);
        return;
    }
    frmRestauraTextos escolha(originais, this);
    exibe(escolha);
    if (escolha.result() != QDialog::Accepted) {
        return;
    }
    const QStringList escolhidos = escolha.escolhidos();
    const QString pergunta =
        escolhidos.size() == 1 ? kPerguntaOriginalUm.arg(TextosOriginais::descricao(escolhidos[0]))
                               : kPerguntaOriginaisTodos;
    if (!perguntaPadraoNao(pergunta)) {
        return;
    }
    const QDateTime agora = servicos_.agora ? servicos_.agora() : QDateTime::currentDateTime();
    QStringList copias;
    QString erro;
    if (!TextosOriginais::restaura(servicos_.pastaOriginais, pastaPrograma_, escolhidos, agora,
                                   &copias, nullptr, &erro)) {
        informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    const QString guardados = copias.isEmpty()
                                  ? kNadaGuardado
                                  : kTextosGuardados.arg(QDir::toNativeSeparators(pastaPrograma_),
                                                         copias.join(QStringLiteral(", ")));
    informa(QStringLiteral("Informação:"), kOriginaisRestaurados + u' ' + guardados,
            Mensagens::Icone::Informacao);
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
