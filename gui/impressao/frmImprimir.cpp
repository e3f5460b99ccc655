#include "gui/impressao/frmImprimir.h"
#include "engine/LeituraNumero.h"
#include "gui/comum/Unidades.h"

#include "gui/comum/DialogoArquivo.h"
#include "gui/comum/Mensagens.h"
#include "gui/impressao/DesenhoExemplo.h"
#include "gui/impressao/QuadroExemplo.h"
#include "gui/impressao/TrabalhoImpressao.h"
#include "printing/NomeArquivoPdf.h"
#include "printing/painter/DocumentoAnalise.h"
#include "printing/painter/GravacaoPdf.h"
#include "report/painter/FigurasSvg.h"
#include "settings/PastaDados.h"
#include "texts/Mensagem.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cmath>
#include <memory>

namespace vidalume {

namespace {

constexpr int kEntradaExemplo = 23;  // the expression interpretation
constexpr int kLarguraColuna = 2400; // the buttons and the printer list, twips
constexpr int kLarguraTwips = 4680 + kLarguraColuna + 90;

QRect retangulo(int esquerda, int topo, int largura, int altura) {
    return Unidades::pixels(esquerda, topo, largura, altura);
}

template <typename T> T* controle(T* c, const QString& nome, const QRect& lugar) {
    c->setObjectName(nome);
    c->setGeometry(lugar);
    return c;
}

// The design's labels were measured in a small system font: a label whose text is wider
// than its place takes a smaller size, down to kMenorFonte points.
void cabeNaLargura(QLabel* rotulo) {
    constexpr double kMenorFonte = 6;
    QFont fonte = rotulo->font();
    while (fonte.pointSizeF() > kMenorFonte &&
           QFontMetrics(fonte).horizontalAdvance(rotulo->text()) > rotulo->width()) {
        fonte.setPointSizeF(std::max(kMenorFonte, fonte.pointSizeF() - 0.5));
    }
    rotulo->setFont(fonte);
}

// Another installed printer than the program's, in portrait orientation.
std::unique_ptr<QPrinter> impressoraDeNome(const QString& nome) {
    auto impressora = std::make_unique<QPrinter>(QPrinter::HighResolution);
    impressora->setPrinterName(nome);
    impressora->setPageOrientation(QPageLayout::Portrait);
    return impressora;
}

QString escolhePdfNoDisco(QWidget* pai, const QString& titulo, const QString& sugestao) {
    return DialogoArquivo::paraGravar(pai, titulo, DialogoArquivo::naPastaInicial(sugestao),
                                      QStringLiteral("Documentos PDF (*.pdf)"));
}

} // namespace

const QString frmImprimir::kSalvarComoPdf = QStringLiteral("Salvar como PDF");
const QString frmImprimir::kImpressoraPadrao = QStringLiteral("Impressora padrão");

frmImprimir::frmImprimir(QWidget* parent, const QString& pastaDados, Mensagens& mensagens,
                         QPrinter* impressora, Configuracao& configuracao, Diagramacao diagramacao)
    : QDialog(parent), pastaDados_(pastaDados), mensagens_(mensagens), impressora_(impressora),
      configuracao_(configuracao), diagramacao_(std::move(diagramacao)),
      escolheArquivoPdf_([this](QWidget* pai, const QString& sugestao) {
          return escolhePdfNoDisco(pai, tituloArquivoPdf(), sugestao);
      }),
      trabalho_(&TrabalhoImpressao::imprime), criaImpressora_(impressoraDeNome),
      abre_([](const QUrl& endereco) { return QDesktopServices::openUrl(endereco); }),
      areaImpressora_(GravacaoPdf::area(QPageSize(QPageSize::A4))) {
    setObjectName(QStringLiteral("frmImprimir"));
    setWindowTitle(QStringLiteral("Imprimir:"));
    setModal(true);
    montaControles();
    Form_Load();
}

frmImprimir::~frmImprimir() = default;

void frmImprimir::montaControles() {
    // The design's 6315 twips, widened for the printer list beside the buttons.
    setFixedSize(Unidades::pixels(kLarguraTwips), Unidades::pixels(3735));
    montaMargens();
    picExemplo_ =
        controle(new QuadroExemplo(&FigurasSvg::daPasta(diagramacao_.pastaPrograma), this),
                 QStringLiteral("picExemplo"), retangulo(2430, 450, 2040, 2580));
    picExemplo_->setFocusPolicy(Qt::TabFocus);
    montaOpcoesEBotoes();
    QWidget* ordem[] = {txtSuperior_,           txtEsquerda_,      txtInferior_, txtDireita_,
                        chkImprimirFolhaRosto_, chkPretoEmBranco_, cmdImprimir_, cmdCancelar_,
                        cmbImpressora_,         spnCopias_,        cmbPapel_,    picExemplo_};
    for (size_t i = 1; i < std::size(ordem); ++i) {
        setTabOrder(ordem[i - 1], ordem[i]);
    }
}

// The heading, the four margin boxes with their labels and their checks.
void frmImprimir::montaMargens() {
    const auto rotulo = [this](int indice, const char* texto, int topo, int largura) {
        auto* l =
            controle(new QLabel(QString::fromUtf8(texto), this),
                     QStringLiteral("lblInfo_%1").arg(indice), retangulo(90, topo, largura, 240));
        cabeNaLargura(l);
        return l;
    };
    const auto caixa = [&](const char* nome, const char* texto, int indice, int topo) {
        auto* c = controle(new QLineEdit(this), QString::fromLatin1(nome),
                           retangulo(1485, topo, 870, 330));
        c->installEventFilter(this);
        rotulo(indice, texto, topo + 45, 2265)->setBuddy(c);
        return c;
    };
    rotulo(0, "Defina abaixo as margens para impressão (em milímetros):", 90, 4380);
    txtSuperior_ = caixa("txtSuperior", "Superior:", 1, 450);
    txtEsquerda_ = caixa("txtEsquerda", "Esquerda:", 2, 810);
    txtInferior_ = caixa("txtInferior", "Inferior:", 3, 1170);
    txtDireita_ = caixa("txtDireita", "Direita:", 4, 1530);
    // The boxes cover the right part of their labels.
    for (QLineEdit* c : {txtSuperior_, txtEsquerda_, txtInferior_, txtDireita_}) {
        c->raise();
    }
    caixas_ = {{txtDireita_, RegraMargem(RegraMargem::Lado::Direita)},
               {txtEsquerda_, RegraMargem(RegraMargem::Lado::Esquerda)},
               {txtSuperior_, RegraMargem(RegraMargem::Lado::Superior)},
               {txtInferior_, RegraMargem(RegraMargem::Lado::Inferior)}};
    for (CaixaMargem& c : caixas_) {
        connect(c.txt, &QLineEdit::textChanged, this, [this, &c] { margemMudou(c); });
    }
}

// The two options below the margins, the buttons at the right and the lines between.
void frmImprimir::montaOpcoesEBotoes() {
    const auto marca = [this](const char* nome, const char* texto, int topo) {
        auto* c = controle(new QCheckBox(QString::fromUtf8(texto), this), QString::fromLatin1(nome),
                           retangulo(45, topo, 4425, 195));
        // The design's 13 pixels are less than a check box needs on most styles.
        c->resize(c->width(),
                  std::max(c->height(), std::min(c->sizeHint().height(), Unidades::pixels(270))));
        return c;
    };
    chkImprimirFolhaRosto_ = marca("chkImprimirFolhaRosto", "Imprimir Folha de Rosto", 3195);
    chkPretoEmBranco_ = marca("chkPretoEmBranco", "Imprimir em Preto e Branco", 3465);

    cmdImprimir_ =
        controle(new QPushButton(QStringLiteral("I&mprimir"), this), QStringLiteral("cmdImprimir"),
                 retangulo(4680, 90, kLarguraColuna, 420));
    cmdImprimir_->setDefault(true);
    cmdCancelar_ =
        controle(new QPushButton(QStringLiteral("Cancela&r"), this), QStringLiteral("cmdCancelar"),
                 retangulo(4680, 585, kLarguraColuna, 420));
    montaImpressoras();
    montaPapel();
    connect(cmdImprimir_, &QPushButton::clicked, this, &frmImprimir::cmdImprimir_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &frmImprimir::cmdCancelar_Click);

    auto* linha1 = controle(new QFrame(this), QStringLiteral("Line1"),
                            QRect(Unidades::pixels(4545) - 1, 0, 2, height()));
    linha1->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    auto* linha2 = controle(new QFrame(this), QStringLiteral("Line2"),
                            QRect(0, Unidades::pixels(3105) - 1, Unidades::pixels(4545), 2));
    linha2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
}

// The printer and the number of copies, below the buttons.
void frmImprimir::montaImpressoras() {
    auto* lblImpressora =
        controle(new QLabel(QStringLiteral("&Impressora:"), this), QStringLiteral("lblImpressora"),
                 retangulo(4680, 1170, kLarguraColuna, 240));
    cmbImpressora_ = controle(new QComboBox(this), QStringLiteral("cmbImpressora"),
                              retangulo(4680, 1425, kLarguraColuna, 330));
    cmbImpressora_->view()->setMinimumWidth(Unidades::pixels(4000));
    lblImpressora->setBuddy(cmbImpressora_);
    auto* lblCopias =
        controle(new QLabel(QStringLiteral("&Cópias:"), this), QStringLiteral("lblCopias"),
                 retangulo(4680, 1890, kLarguraColuna, 240));
    spnCopias_ =
        controle(new QSpinBox(this), QStringLiteral("spnCopias"), retangulo(4680, 2145, 870, 330));
    spnCopias_->setRange(1, kMaximoCopias);
    lblCopias->setBuddy(spnCopias_);
    // A long description does not fit the box: the tip shows it whole.
    connect(cmbImpressora_, &QComboBox::currentIndexChanged, this, [this] {
        spnCopias_->setEnabled(!salvaEmPdf());
        cmbImpressora_->setToolTip(cmbImpressora_->currentText());
    });
    // The printers as they are now: one added while the program runs is offered too, and
    // all of them when the system names no default.
    defineImpressoras(ListaImpressoras::doSistema(),
                      impressora_ != nullptr ? impressora_->printerName() : QString());
}

QList<QPageSize> frmImprimir::papeis() {
    return {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter), QPageSize(QPageSize::Legal)};
}

QPageSize frmImprimir::papel() const {
    return papeis().value(cmbPapel_->currentIndex(), QPageSize(QPageSize::A4));
}

// The paper below the copies, and the pages the analysis takes on it.
void frmImprimir::montaPapel() {
    auto* lblPapel =
        controle(new QLabel(QStringLiteral("&Papel:"), this), QStringLiteral("lblPapel"),
                 retangulo(4680, 2550, kLarguraColuna, 240));
    cmbPapel_ = controle(new QComboBox(this), QStringLiteral("cmbPapel"),
                         retangulo(4680, 2805, kLarguraColuna, 330));
    lblPapel->setBuddy(cmbPapel_);
    const QStringList nomes = {QStringLiteral("A4 (210 × 297 mm)"),
                               QStringLiteral("Carta (216 × 279 mm)"),
                               QStringLiteral("Ofício (216 × 356 mm)")};
    cmbPapel_->addItems(nomes);
    lblPaginas_ = controle(new QLabel(this), QStringLiteral("lblPaginas"),
                           retangulo(4680, 3240, kLarguraColuna, 240));
    contagem_ = new QTimer(this);
    contagem_->setSingleShot(true);
    contagem_->setInterval(400);
    connect(contagem_, &QTimer::timeout, this, &frmImprimir::contaPaginas);
    connect(cmbPapel_, &QComboBox::currentIndexChanged, this, &frmImprimir::papelMudou);
}

// A new paper changes the room the margins leave: the preview and the page count follow it.
// The margins were checked against the former paper, so each one is checked again; one over
// the new paper's limit is told once, as a stored one is on opening, and kept for the user
// to correct.
void frmImprimir::papelMudou() {
    areaImpressora_ = GravacaoPdf::area(papel());
    for (const CaixaMargem& c : caixas_) {
        const double extensao = extensaoDe(c.regra);
        if (c.regra.confere(c.txt->text(), extensao) == RegraMargem::Decisao::Recusa) {
            mensagens_.informa(this, QStringLiteral("Informação:"), c.regra.mensagem(extensao),
                               Mensagens::Icone::Exclamacao);
        }
    }
    if (!Desenhando_) {
        DesenhaExemplo();
    }
}

double frmImprimir::extensaoDe(const RegraMargem& regra) const {
    return regra.horizontal() ? areaImpressora_.width() : areaImpressora_.height();
}

void frmImprimir::contaPaginas() {
    contagem_->stop();
    const Diagramacao d = diagramacao();
    const int paginas =
        DocumentoAnalise::cabe(areaImpressora_, d) ? GravacaoPdf::paginas(d, papel()) : 0;
    lblPaginas_->setText(paginas == 0 ? QString()
                                      : Mensagem::conta(paginas, "página", "páginas") +
                                            QStringLiteral(" neste papel"));
}

QString frmImprimir::textoPaginas() const {
    return lblPaginas_->text();
}

// The program's printer first (by its description, or "Impressora padrão" when it has no
// name), the other printers, then "Salvar como PDF"; the program's printer selected, or the
// PDF where there is no printer. Each line keeps its queue name for the print job.
void frmImprimir::defineImpressoras(const QList<ListaImpressoras::Impressora>& impressoras,
                                    const QString& padrao) {
    cmbImpressora_->clear();
    QList<ListaImpressoras::Impressora> ordem;
    if (impressora_ != nullptr) {
        ordem.append({padrao, padrao.isEmpty() ? kImpressoraPadrao : QString()});
        for (const ListaImpressoras::Impressora& i : impressoras) {
            if (i.nome == padrao) {
                ordem.first().descricao = i.descricao;
            }
        }
    }
    for (const ListaImpressoras::Impressora& i : impressoras) {
        if (i.nome != padrao || impressora_ == nullptr) {
            ordem.append(i);
        }
    }
    const QStringList rotulos = ListaImpressoras::rotulos(ordem);
    for (qsizetype k = 0; k < ordem.size(); ++k) {
        cmbImpressora_->addItem(rotulos[k], ordem[k].nome);
    }
    cmbImpressora_->addItem(kSalvarComoPdf);
    // The open list is as wide as its longest line: no description is cut.
    int largura = Unidades::pixels(4000);
    for (const QString& r : rotulos) {
        largura = std::max(largura, cmbImpressora_->fontMetrics().horizontalAdvance(r) + 40);
    }
    cmbImpressora_->view()->setMinimumWidth(largura);
    cmbImpressora_->setCurrentIndex(impressora_ != nullptr ? 0 : cmbImpressora_->count() - 1);
    spnCopias_->setEnabled(!salvaEmPdf());
}

QString frmImprimir::tituloArquivoPdf() const {
    return relatorio().legendaSalvar(QStringLiteral("PDF"));
}

bool frmImprimir::salvaEmPdf() const {
    return cmbImpressora_->currentIndex() == cmbImpressora_->count() - 1;
}

// Options from the settings, margins from their file into the boxes, then one preview.
void frmImprimir::Form_Load() {
    Desenhando_ = true;
    chkPretoEmBranco_->setChecked(Configuracao::ligado(configuracao_.PretoEmBranco));
    chkImprimirFolhaRosto_->setChecked(Configuracao::ligado(configuracao_.ImprimirFolhaRosto));
    margens_ = Margens::CarregaMargens(pastaDados_);
    for (CaixaMargem& c : caixas_) {
        c.txt->setText(Margens::texto(RegraMargem::campo(margens_, c.regra.lado())));
    }
    textoExemplo_ = diagramacao_.analise[kEntradaExemplo].Texto;
    DesenhaExemplo();
}

void frmImprimir::RedefinirMargens() {
    for (const CaixaMargem& c : caixas_) {
        RegraMargem::campo(margens_, c.regra.lado()) =
            static_cast<float>(LeituraNumero::interpreta(c.txt->text()));
    }
}

void frmImprimir::DesenhaExemplo() {
    setCursor(Qt::WaitCursor);
    Desenhando_ = true;
    RedefinirMargens();
    const QSizeF papel = areaImpressora_.size();
    picExemplo_->desenha([&](SuperficieDesenho& superficie) {
        DesenhoExemplo::desenha(superficie, papel, margens_, textoExemplo_);
    });
    ++desenhosExemplo_;
    contagem_->start();
    Desenhando_ = false;
    unsetCursor();
}

void frmImprimir::margemMudou(CaixaMargem& caixa) {
    const double extensao = extensaoDe(caixa.regra);
    switch (caixa.regra.confere(caixa.txt->text(), extensao)) {
    case RegraMargem::Decisao::Aceita:
        if (!Desenhando_) {
            DesenhaExemplo();
        }
        return;
    case RegraMargem::Decisao::Devolvida:
        return;
    case RegraMargem::Decisao::Recusa:
        break;
    }
    mensagens_.informa(this, QStringLiteral("Informação:"), caixa.regra.mensagem(extensao),
                       Mensagens::Icone::Exclamacao);
    caixa.regra.devolve(RegraMargem::campo(margens_, caixa.regra.lado()),
                        [&caixa](const QString& texto) { caixa.txt->setText(texto); });
}

bool frmImprimir::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn) {
        if (auto* caixa = qobject_cast<QLineEdit*>(objeto)) {
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, caixa, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmImprimir::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        cmdCancelar_->click();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void frmImprimir::guardaOpcoes() {
    configuracao_.PretoEmBranco = Configuracao::flag(chkPretoEmBranco_->isChecked());
    configuracao_.ImprimirFolhaRosto = Configuracao::flag(chkImprimirFolhaRosto_->isChecked());
}

void frmImprimir::cmdCancelar_Click() {
    guardaOpcoes();
    QDialog::reject();
}

// The margins and options are kept first, whatever happens next: a PDF file dialog given up
// or a printer that fails does not lose them. The default printer with one copy prints
// exactly as the program's printer always did.
void frmImprimir::cmdImprimir_Click() {
    guardaMargensEOpcoes();
    if (salvaEmPdf()) {
        const QString arquivo =
            escolheArquivoPdf_(this, NomeArquivoPdf::sugere(relatorio().baseArquivo(diagramacao_),
                                                            relatorio().dataArquivo(diagramacao_)));
        if (arquivo.isEmpty()) {
            return;
        }
        if (PastaDados::arquivoProprio(pastaDados_, arquivo)) {
            mensagens_.informa(this, QStringLiteral("Erro:"),
                               PastaDados::recusaProprio(pastaDados_, arquivo),
                               Mensagens::Icone::Critico);
            return;
        }
        QPrinter pdf(QPrinter::HighResolution);
        TrabalhoImpressao::preparaPdf(pdf, arquivo, papel());
        if (imprimeEm(pdf)) {
            ArquivoGravado::avisa(this, mensagens_, relatorio().foi(QStringLiteral("gravad")),
                                  arquivo, abre_);
            accept();
        }
        return;
    }
    std::unique_ptr<QPrinter> outra;
    QPrinter* destino = impressora_;
    if (destino == nullptr || cmbImpressora_->currentIndex() != 0) {
        outra = criaImpressora_(cmbImpressora_->currentData().toString());
        destino = outra.get();
    }
    const int copias = spnCopias_->value();
    destino->setCopyCount(copias);
    TrabalhoImpressao::definePapel(*destino, papel());
    if (imprimeEm(*destino)) {
        QString texto =
            relatorio().foi(QStringLiteral("enviad")) +
            QStringLiteral(" para a impressora \"%1\"").arg(cmbImpressora_->currentText());
        texto += copias > 1 ? QStringLiteral(" (%1 cópias).").arg(copias) : QStringLiteral(".");
        mensagens_.informa(this, QStringLiteral("Informação:"), texto,
                           Mensagens::Icone::Informacao);
        accept();
    }
}

void frmImprimir::guardaMargensEOpcoes() {
    RedefinirMargens();
    guardaOpcoes();
    QString erro;
    if (!margens_.GravaMargens(pastaDados_, &erro)) {
        mensagens_.informa(this, QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
    }
}

// The analysis with the margins and options of the dialog.
Diagramacao frmImprimir::diagramacao() const {
    Diagramacao d = diagramacao_;
    d.margens = margens_;
    d.pretoEmBranco = chkPretoEmBranco_->isChecked();
    d.folhaRosto = chkImprimirFolhaRosto_->isChecked();
    return d;
}

// Saves the margins, keeps the options and prints. On failure the user is told, the
// preview comes back and the dialog stays open with the margins typed.
bool frmImprimir::imprimeEm(QPrinter& impressora) {
    setCursor(Qt::WaitCursor);
    picExemplo_->desenhaAgora(DesenhoExemplo::desenhaAviso);
    QString erro;
    const bool impresso = trabalho_(impressora, diagramacao(), &erro);
    unsetCursor();
    if (impresso) {
        return true;
    }
    mensagens_.informa(this, QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
    DesenhaExemplo();
    return false;
}

} // namespace vidalume
