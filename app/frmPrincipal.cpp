#include "app/frmPrincipal.h"

#include "app/GeometriaPrincipal.h"
#include "app/MenusPrincipal.h"
#include "app/Ocupado.h"
#include "app/Som.h"
#include "engine/EntradaDados.h"
#include "gui/auxiliares/frmEntrada.h"
#include "gui/auxiliares/frmSobre.h"
#include "gui/comum/ImagensPrograma.h"
#include "gui/comum/QuadroImagem.h"
#include "gui/configuracao/frmConfiguraFonte.h"
#include "gui/configuracao/frmConfiguraPrograma.h"
#include "gui/configuracao/frmConfiguraRodape.h"
#include "gui/entrada/frmEntraNome.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "gui/textos/frmSelecionaAlteracao.h"
#include "settings/HarmoniaCabalistica.h"
#include "settings/PastaDados.h"
#include "texts/ArquivoInterpretacao.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
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
const QString frmPrincipal::kM5 = QStringLiteral(
    "A ajuda deste programa será aberta no seu navegador. Ela explica cada cálculo, cada "
    "botão e onde ficam os seus textos e configurações. Deseja abrir a ajuda agora?");
const QString frmPrincipal::kSemNavegador = QStringLiteral(
    "Não foi possível abrir a ajuda: nenhum navegador está disponível neste computador. A "
    "página de ajuda é o arquivo \"%1\"; abra-o com um navegador quando houver um.");
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

} // namespace

frmPrincipal::frmPrincipal(const QString& pastaPrograma, Servicos servicos, QWidget* parent)
    : QMainWindow(parent), pastaPrograma_(pastaPrograma), servicos_(std::move(servicos)),
      contexto_(*this, pastaPrograma_, servicos_, padrao_), clientes_(contexto_) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowIcon(ImagensPrograma::icone(pastaPrograma_, QStringLiteral("vidalume")));
    montaJanela();
    relatorios_.emplace(*mdiArea_, servicos_, [this] { return ligacoesRelatorio(); });
    arquivo_.emplace(contexto_, *relatorios_);
    estudos_.emplace(contexto_, *relatorios_, [this] { return impressoraAtual(); });
    previsoes_.emplace(contexto_, *relatorios_);
    MenusPrincipal::monta(*this);
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
        if (frmExibeRelatorio* relatorio = AreaRelatorios::relatorioDe(janela)) {
            relatorio->Form_Activate();
        }
    });

    barras_.emplace(*this, pastaPrograma_, *this);
    ligaBarras();
    coluna->addWidget(barras_->ferramentas());
    coluna->addWidget(mdiArea_, 1);
    coluna->addWidget(barras_->navegacao());
    setCentralWidget(centro);

    const QSize tela = servicos_.tamanhoTela ? servicos_.tamanhoTela() : QSize(1024, 768);
    resize(tela.width() * 9 / 10, tela.height() * 9 / 10);
}

// The toolbar buttons and the page arrows run their commands.
void frmPrincipal::ligaBarras() {
    const auto liga = [this](int i, void (frmPrincipal::*comando)()) {
        connect(barras_->botao(i), &QPushButton::clicked, this, comando);
    };
    liga(0, &frmPrincipal::cmdCriaAnalise_Click);
    liga(1, &frmPrincipal::cmdImprimir_Click);
    liga(2, &frmPrincipal::cmdConfigurarFontes_Click);
    liga(3, &frmPrincipal::cmdConfiguraPrograma_Click);
    liga(4, &frmPrincipal::cmdAjuda_Click);
    liga(5, &frmPrincipal::cmdExportar_Click);
    liga(6, &frmPrincipal::cmdSair_Click);
    connect(barras_->volta(), &QuadroImagem::clicado, this, &frmPrincipal::picVolta_Click);
    connect(barras_->avanca(), &QuadroImagem::clicado, this, &frmPrincipal::picAvanca_Click);
}

void frmPrincipal::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    posicionaNavegacao();
}

void frmPrincipal::posicionaNavegacao() {
    barras_->posiciona(frameGeometry().width());
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
        contexto_.exibe(entrada);
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
    contexto_.informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
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
        if ((objeto == barras_->ferramentas() || objeto == mdiArea_->viewport()) &&
            fundo->childAt(static_cast<QMouseEvent*>(evento)->position().toPoint()) == nullptr) {
            tiraAjuda();
        } else if (auto* botao = qobject_cast<QPushButton*>(objeto);
                   botao != nullptr && botao->parentWidget() == barras_->ferramentas()) {
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

void frmPrincipal::escreveStatus(const QString& texto) {
    barras_->escreveStatus(texto);
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

// ---------------------------------------------------------------------------------------------
// Public operations

void frmPrincipal::CarregaLinhasRodape() {
    padrao_.LinhasRodape = LinhasRodape::CarregaLinhasRodape(pastaPrograma_);
}

void frmPrincipal::CarregaConfiguracoes() {
    vidalume::CarregaConfiguracoes(padrao_, pastaPrograma_);
}

void frmPrincipal::ImprimirAnaliseNoMonitor() {
    relatorios_->abre(padrao_.diagramacao(pastaPrograma_), padrao_.Pedido, windowIcon());
}

// ---------------------------------------------------------------------------------------------
// Commands

void frmPrincipal::cmdCriaAnalise_Click() {
    prologo();
    if (pedeEntrada(nullptr)) {
        mostraNovaAnalise();
    }
}

// An analysis in front may be closed before the next one is made.
void frmPrincipal::fechaAnaliseAberta() {
    if (frmExibeRelatorio* aberto = relatorioAtivo()) {
        if (contexto_.pergunta(QStringLiteral("Advertência:"), kM1)) {
            aberto->parentWidget()->close();
        }
    }
}

// The entry dialog, filled with the client's name and birth date when one is given. False
// when it was cancelled.
bool frmPrincipal::pedeEntrada(const Cliente* cliente) {
    fechaAnaliseAberta();
    AnalisePedida& pedido = padrao_.Pedido;
    frmEntraNome entrada(pedido.NomeAnalise, pedido.DataNascimento, pastaPrograma_,
                         *servicos_.mensagens, this);
    entrada.defineHoje(contexto_.hoje());
    if (cliente != nullptr) {
        entrada.preenche(cliente->nome, EntradaDados::formataData(cliente->nascimento), true);
    }
    contexto_.exibe(entrada);
    pedido.NomeAnalise = entrada.NomeAnalise();
    pedido.DataNascimento = entrada.DataNascimento();
    if (entrada.cancelado()) {
        return false;
    }
    pedido.DataReferencia = entrada.referencia();
    pedido.NomeDigitado = RegrasCalculo::maiusculas(entrada.nomeDigitado());
    pedido.Escola = entrada.escola();
    if (entrada.guardarNaFicha()) {
        clientes_.guardaNaFicha(entrada.nomeDigitado());
    }
    return true;
}

void frmPrincipal::mostraNovaAnalise() {
    if (padrao_.Pedido.Escola == EscolaCalculo::Cabalistica) {
        estudos_->mapaCabalistico(padrao_.Pedido, windowIcon());
        return;
    }
    const Ocupado ocupado = Ocupado::tela();
    contexto_.compoeAnalise();
    if (Configuracao::ligado(padrao_.Configuracao.EscutarSons)) {
        tocaSom(kSomAguarda, true);
    }
    ImprimirAnaliseNoMonitor();
}

void frmPrincipal::mnuClientes_Click() {
    prologo();
    const ComandosClientes::Resultado r = clientes_.abre();
    if (r.pedido == frmClientes::Pedido::NovaAnalise && pedeEntrada(&r.cliente)) {
        mostraNovaAnalise();
    } else if (r.pedido == frmClientes::Pedido::Previsoes) {
        previsoes_->abre(ComandosClientes::pedidoDe(r.cliente, AnaliseCliente()), windowIcon());
    } else if (r.pedido == frmClientes::Pedido::Correcao) {
        estudos_->correcaoNome(r.cliente.nome, EntradaDados::formataData(r.cliente.nascimento));
    } else if (r.pedido == frmClientes::Pedido::Reabre) {
        fechaAnaliseAberta();
        padrao_.Pedido = ComandosClientes::pedidoDe(r.cliente, r.analise);
        mostraNovaAnalise();
    }
}

// The default printer as it is now: one installed, removed or made the default while the
// program runs is the one the print dialog offers.
QPrinter* frmPrincipal::impressoraAtual() {
    if (servicos_.preparaImpressora) {
        impressora_ = servicos_.preparaImpressora();
    }
    return impressora_.get();
}

void frmPrincipal::cmdImprimir_Click() {
    prologo();
    arquivo_->imprime(impressoraAtual());
}

void frmPrincipal::cmdConfigurarFontes_Click() {
    prologo();
    const Ocupado ocupado = Ocupado::sobre(this);
    const QStringList faces = servicos_.facesFonte ? servicos_.facesFonte() : QStringList();
    frmConfiguraFonte dialogo(padrao_.FontesAnalise, pastaPrograma_, *servicos_.mensagens, faces,
                              this);
    contexto_.exibe(dialogo);
}

void frmPrincipal::cmdConfiguraPrograma_Click() {
    prologo();
    const Ocupado ocupado = Ocupado::sobre(this);
    const TabelaHarmonia anterior = HarmoniaCabalistica::le(pastaPrograma_);
    TabelaHarmonia harmonia = anterior;
    frmConfiguraPrograma dialogo(padrao_.Configuracao, padrao_.CalculosSelecionados,
                                 padrao_.OpcoesMapa, *servicos_.mensagens, this, &harmonia);
    contexto_.exibe(dialogo);
    QString erro;
    if (!(harmonia == anterior) && !HarmoniaCabalistica::grava(pastaPrograma_, harmonia, &erro)) {
        contexto_.informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
    }
}

void frmPrincipal::cmdAjuda_Click() {
    prologo();
    if (!contexto_.pergunta(QStringLiteral("Aviso:"), kM5) || !servicos_.abreEndereco) {
        return;
    }
    const QString pagina = QDir(PastaDados::recursos(pastaPrograma_)).filePath(kPaginaAjuda);
    if (!servicos_.abreEndereco(QUrl::fromLocalFile(pagina))) {
        contexto_.informa(QStringLiteral("Atenção:"),
                          kSemNavegador.arg(QDir::toNativeSeparators(pagina)),
                          Mensagens::Icone::Exclamacao);
    }
}

void frmPrincipal::cmdExportar_Click() {
    prologo();
    arquivo_->exporta();
}

void frmPrincipal::mnuSalvarPdf_Click() {
    prologo();
    arquivo_->salva(ComandosArquivo::Formato::Pdf);
}

void frmPrincipal::mnuExportarOdt_Click() {
    prologo();
    arquivo_->salva(ComandosArquivo::Formato::Odt);
}

void frmPrincipal::cmdSair_Click() {
    prologo();
    if (contexto_.pergunta(QStringLiteral("Vidalume:"), kPerguntaSair)) {
        gravaEEncerra();
    }
}

void frmPrincipal::mnuConfigurarRodape_Click() {
    prologo();
    {
        frmConfiguraRodape dialogo(padrao_.LinhasRodape, pastaPrograma_, *servicos_.mensagens,
                                   this);
        contexto_.exibe(dialogo);
    }
    CarregaLinhasRodape();
}

void frmPrincipal::mnuFazerCopia_Click() {
    prologo();
    arquivo_->fazCopia();
}

void frmPrincipal::mnuRestaurarCopia_Click() {
    prologo();
    arquivo_->restauraCopia();
}

void frmPrincipal::mnuRestaurarTextosOriginais_Click() {
    prologo();
    arquivo_->restauraOriginais();
}

void frmPrincipal::mnuEncerrar_Click() {
    gravaEEncerra();
}

void frmPrincipal::mnuJanelaLadoLado_Click() {
    relatorios_->ladoALado();
}

void frmPrincipal::mnuJanelaEmCascata_Click() {
    relatorios_->cascata();
}

void frmPrincipal::mnuAlterarConteudoDasAnalises_Click() {
    prologo();
    frmSelecionaAlteracao selecao(pastaPrograma_, *servicos_.mensagens, this);
    contexto_.exibe(selecao);
}

void frmPrincipal::mnuSobreEstePrograma_Click() {
    prologo();
    frmSobre sobre(
        pastaPrograma_, [this](const QString& arquivo) { tocaSom(arquivo, false); }, this);
    contexto_.exibe(sobre);
}

void frmPrincipal::mnuEstudoNomes_Click() {
    prologo();
    if (const auto escolhido = estudos_->estudoNomes()) {
        padrao_.Pedido = *escolhido;
        mostraNovaAnalise();
    }
}

void frmPrincipal::mnuCorrecaoNome_Click() {
    prologo();
    estudos_->correcaoNomeDaAnalise();
}

void frmPrincipal::mnuCompatibilidade_Click() {
    prologo();
    estudos_->compatibilidade(windowIcon());
}

void frmPrincipal::mnuPrevisoes_Click() {
    prologo();
    previsoes_->abre(windowIcon());
}

void frmPrincipal::navega(int passo) {
    frmExibeRelatorio* relatorio = relatorioAtivo();
    if (relatorio == nullptr) {
        contexto_.informa(QStringLiteral("Importante:"), kM6, Mensagens::Icone::Informacao);
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
