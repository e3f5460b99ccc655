#include "gui/relatorio/frmExibeRelatorio.h"
#include "gui/comum/Unidades.h"

#include "gui/relatorio/QuadroPagina.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace vidalume {

const QString frmExibeRelatorio::kTitulo = QStringLiteral("Relatório de Análise Numerológica");
const QString frmExibeRelatorio::kConvite =
    QStringLiteral("Para obter a sua análise clique no primeiro botão !");

namespace {

const QColor kFundo(224, 224, 224);

int pixels(double mm) {
    return Unidades::pixelsDeMm(mm);
}

// The key code of a handled key, 0 for any other.
int codigoDaTecla(int tecla) {
    switch (tecla) {
    case Qt::Key_PageUp:
        return RolagemRelatorio::PageUp;
    case Qt::Key_PageDown:
        return RolagemRelatorio::PageDown;
    case Qt::Key_End:
        return RolagemRelatorio::End;
    case Qt::Key_Home:
        return RolagemRelatorio::Home;
    case Qt::Key_Left:
        return RolagemRelatorio::Esquerda;
    case Qt::Key_Up:
        return RolagemRelatorio::Acima;
    case Qt::Key_Right:
        return RolagemRelatorio::Direita;
    case Qt::Key_Down:
        return RolagemRelatorio::Abaixo;
    default:
        return 0;
    }
}

} // namespace

frmExibeRelatorio::frmExibeRelatorio(QSize telaPixels, LigacoesRelatorio ligacoes, QWidget* parent)
    : QWidget(parent), ligacoes_(std::move(ligacoes)), rolagem_(QSizeF(telaPixels)) {
    setObjectName(QStringLiteral("frmExibeRelatorio"));
    setWindowTitle(kTitulo);
    setAutoFillBackground(true);
    QPalette cores = palette();
    cores.setColor(QPalette::Window, kFundo);
    setPalette(cores);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    picExibe_ = new QuadroPagina(this);
    picExibe_->setObjectName(QStringLiteral("picExibe"));
    vScroll_ = new QScrollBar(Qt::Vertical, this);
    vScroll_->setObjectName(QStringLiteral("vScroll"));
    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    hScroll_->setObjectName(QStringLiteral("hScroll"));
    hScroll_->setSingleStep(RolagemRelatorio::kPequenaH);
    hScroll_->setPageStep(RolagemRelatorio::kGrandeH);
    for (QWidget* controle : {static_cast<QWidget*>(picExibe_), static_cast<QWidget*>(vScroll_),
                              static_cast<QWidget*>(hScroll_)}) {
        controle->installEventFilter(this);
    }
    setFocusProxy(picExibe_);
    connect(vScroll_, &QScrollBar::valueChanged, this, &frmExibeRelatorio::vScroll_Change);
    connect(hScroll_, &QScrollBar::valueChanged, this, &frmExibeRelatorio::hScroll_Change);
    preparo_ = new QTimer(this);
    preparo_->setSingleShot(true);
    preparo_->setInterval(0);
    connect(preparo_, &QTimer::timeout, this, &frmExibeRelatorio::preparaImagens);
    posicionaPagina();
}

void frmExibeRelatorio::definePaginas(PaginasProntas paginas) {
    armazem_.definePaginas(std::move(paginas));
}

void frmExibeRelatorio::GravaDados(int Paginas, int Atual, const AnalisePedida& pedido) {
    armazem_.GravaDados(Paginas, Atual, pedido);
    // Several analyses can be open at once: each window is told apart by its person.
    setWindowTitle(pedido.NomeAnalise.isEmpty()
                       ? kTitulo
                       : QStringLiteral("%1 — %2").arg(kTitulo, pedido.NomeAnalise));
    armazem_.guardaPosicao({float(rolagem_.valorH()), float(rolagem_.valorV())});
    ExibePagina(Atual);
}

void frmExibeRelatorio::ExibePagina(int Pagina) {
    setCursor(Qt::WaitCursor);
    if (ligacoes_.tocaSomPagina) {
        ligacoes_.tocaSomPagina();
    }
    const ArmazemPaginas::Posicao volta =
        armazem_.trocaPagina(Pagina, {float(rolagem_.valorH()), float(rolagem_.valorV())});
    picExibe_->mostra(armazem_.folha(Pagina), armazem_.unidadesPorMm());
    if (const auto pronta = imagens_.find(Pagina);
        pronta != imagens_.end() && armazem_.folha(Pagina) != nullptr) {
        picExibe_->usaImagem(pronta->second, aparenciaImagens_);
    }
    preparo_->start();
    rolagem_.defineValorV(RolagemRelatorio::inteiro(volta.v));
    rolagem_.defineValorH(RolagemRelatorio::inteiro(volta.h));
    atualizaBarras();
    posicionaPagina();
    if (ligacoes_.escreveStatus) {
        ligacoes_.escreveStatus(armazem_.linhaNavegacao());
    }
    unsetCursor();
}

// Renders one page per turn of the event loop: the page shown, then the next, then the
// previous one, as many as the memory allowed for them holds. Images of other pages, or
// made for another size, density or colours, are dropped.
void frmExibeRelatorio::preparaImagens() {
    const AparenciaPagina aparencia =
        picExibe_->aparencia(armazem_.unidadesPorMm(), picExibe_->devicePixelRatioF());
    if (!(aparencia == aparenciaImagens_)) {
        imagens_.clear();
        aparenciaImagens_ = aparencia;
    }
    const int atual = armazem_.PaginaExibida();
    const qint64 cabem =
        std::min<qint64>(3, kMemoriaImagens / std::max<qint64>(1, aparencia.bytes()));
    std::vector<int> desejadas;
    for (const int p : {atual, atual + 1, atual - 1}) {
        if (qint64(desejadas.size()) < cabem && armazem_.folha(p) != nullptr) {
            desejadas.push_back(p);
        }
    }
    std::erase_if(imagens_, [&](const auto& par) {
        return std::find(desejadas.begin(), desejadas.end(), par.first) == desejadas.end();
    });
    for (const int p : desejadas) {
        if (imagens_.contains(p)) {
            continue;
        }
        const QImage imagem = QuadroPagina::renderiza(*armazem_.folha(p), aparencia);
        imagens_[p] = imagem;
        if (p == atual) {
            picExibe_->usaImagem(imagem, aparencia);
        }
        preparo_->start();
        return;
    }
}

QList<int> frmExibeRelatorio::paginasProntas() const {
    QList<int> paginas;
    for (const auto& [p, imagem] : imagens_) {
        paginas << p;
    }
    return paginas;
}

bool frmExibeRelatorio::preparandoPaginas() const {
    return preparo_->isActive();
}

void frmExibeRelatorio::Form_Activate() {
    if (ligacoes_.escreveStatus) {
        ligacoes_.escreveStatus(armazem_.linhaNavegacao());
    }
}

void frmExibeRelatorio::mostrada() {
    vScroll_->setVisible(true);
    rolagem_.mostrada();
    atualizaBarras();
}

void frmExibeRelatorio::focaPagina() {
    picExibe_->setFocus();
}

void frmExibeRelatorio::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    rolagem_.redimensiona(RolagemRelatorio::pixelsParaMm(width()),
                          RolagemRelatorio::pixelsParaMm(height()));
    posicionaBarras();
    atualizaBarras();
    posicionaPagina();
}

void frmExibeRelatorio::posicionaBarras() {
    const int larguraV = vScroll_->sizeHint().width();
    const int alturaH = hScroll_->sizeHint().height();
    vScroll_->setGeometry(width() - larguraV, 0, larguraV, height());
    hScroll_->setGeometry(0, height() - alturaH, width() - larguraV, alturaH);
}

void frmExibeRelatorio::atualizaBarras() {
    const QSignalBlocker bloqueioV(vScroll_);
    const QSignalBlocker bloqueioH(hScroll_);
    const int maximoV = rolagem_.maximoV();
    vScroll_->setRange(std::min(0, maximoV), std::max(0, maximoV));
    // With a negative maximum the bar still reads 0 at its top.
    vScroll_->setInvertedAppearance(maximoV < 0);
    vScroll_->setSingleStep(std::max(1, rolagem_.pequenaV()));
    vScroll_->setPageStep(std::max(1, rolagem_.grandeV()));
    vScroll_->setValue(rolagem_.valorV());
    hScroll_->setRange(0, rolagem_.maximoH());
    hScroll_->setValue(rolagem_.valorH());
    hScroll_->setVisible(rolagem_.hVisivel());
}

void frmExibeRelatorio::posicionaPagina() {
    picExibe_->setGeometry(pixels(rolagem_.esquerdaPagina()), pixels(rolagem_.topoPagina()),
                           pixels(rolagem_.larguraPagina()),
                           pixels(RolagemRelatorio::kAlturaPagina));
}

void frmExibeRelatorio::vScroll_Change(int valor) {
    rolagem_.defineValorV(valor);
    posicionaPagina();
    picExibe_->setFocus();
}

void frmExibeRelatorio::hScroll_Change(int valor) {
    rolagem_.defineValorH(valor);
    posicionaPagina();
    picExibe_->setFocus();
}

bool frmExibeRelatorio::Form_KeyDown(const QKeyEvent* evento) {
    const int codigo = codigoDaTecla(evento->key());
    if (codigo == 0) {
        return false;
    }
    const bool ctrl = evento->modifiers().testFlag(Qt::ControlModifier);
    switch (rolagem_.tecla(codigo, ctrl)) {
    case RolagemRelatorio::Acao::Rolou:
        atualizaBarras();
        posicionaPagina();
        break;
    case RolagemRelatorio::Acao::PaginaAnterior:
        if (!armazem_.naPrimeira()) {
            ExibePagina(armazem_.PaginaExibida() - 1);
        }
        break;
    case RolagemRelatorio::Acao::ProximaPagina:
        if (!armazem_.naUltima()) {
            ExibePagina(armazem_.PaginaExibida() + 1);
        }
        break;
    case RolagemRelatorio::Acao::Nenhuma:
        break;
    }
    return true;
}

bool frmExibeRelatorio::eventFilter(QObject* objeto, QEvent* evento) {
    switch (evento->type()) {
    case QEvent::KeyPress:
        // The window sees the keys before its controls, whichever has the focus.
        if (Form_KeyDown(static_cast<QKeyEvent*>(evento))) {
            return true;
        }
        break;
    case QEvent::PaletteChange:
        if (objeto == picExibe_) {
            preparo_->start(); // the pages rendered so far have the old colours
        }
        break;
    case QEvent::MouseMove:
        if (objeto == picExibe_ && ligacoes_.apagaAjuda) {
            ligacoes_.apagaAjuda();
        }
        break;
    case QEvent::Wheel:
        if (objeto == picExibe_) {
            rolaComRoda(static_cast<QWheelEvent*>(evento));
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

void frmExibeRelatorio::keyPressEvent(QKeyEvent* evento) {
    if (!Form_KeyDown(evento)) {
        QWidget::keyPressEvent(evento);
    }
}

void frmExibeRelatorio::mouseMoveEvent(QMouseEvent* evento) {
    if (ligacoes_.apagaAjuda) {
        ligacoes_.apagaAjuda();
    }
    QWidget::mouseMoveEvent(evento);
}

void frmExibeRelatorio::wheelEvent(QWheelEvent* evento) {
    rolaComRoda(evento);
}

void frmExibeRelatorio::rolaComRoda(QWheelEvent* evento) {
    // The wheel over the page moves the vertical bar; a copy goes there, so the bar's answer
    // never travels back up to this window.
    const std::unique_ptr<QEvent> copia(evento->clone());
    QCoreApplication::sendEvent(vScroll_, copia.get());
    evento->accept();
}

void frmExibeRelatorio::closeEvent(QCloseEvent* evento) {
    if (ligacoes_.escreveStatus) {
        ligacoes_.escreveStatus(kConvite);
    }
    evento->accept();
}

} // namespace vidalume
