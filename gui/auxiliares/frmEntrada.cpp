#include "gui/auxiliares/frmEntrada.h"
#include "gui/comum/Unidades.h"

#include "gui/auxiliares/AnimacaoEntrada.h"
#include "gui/auxiliares/DicasBotoes.h"
#include "gui/auxiliares/QuadroCapa.h"
#include "gui/comum/ImagensPrograma.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace vidalume {

namespace {

constexpr int kLarguraTwips = 3915;
constexpr int kAlturaTwips = 3930;
constexpr int kLadoQuadroTwips = 3900;

QRectF emPixels(const QRectF& twips) {
    return Unidades::pixelsExatos(twips);
}

} // namespace

frmEntrada::frmEntrada(const QString& pastaPrograma, Espera espera, QWidget* parent)
    : QDialog(parent), espera_(espera ? std::move(espera) : Espera(&esperaComEventos)) {
    setObjectName(QStringLiteral("frmEntrada"));
    setWindowTitle(QStringLiteral("Programa de Vidalume"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(Unidades::pixels(kLarguraTwips), Unidades::pixels(kAlturaTwips));

    imgEntrada_ =
        new QuadroCapa(ImagensPrograma::caminho(pastaPrograma, QStringLiteral("capa")), this);
    imgEntrada_->setObjectName(QStringLiteral("imgEntrada"));
    imgEntrada_->setGeometry(0, 0, Unidades::pixels(kLadoQuadroTwips),
                             Unidades::pixels(kLadoQuadroTwips));
}

void frmEntrada::esperaComEventos(int milissegundos) {
    QEventLoop laco;
    QTimer::singleShot(milissegundos, &laco, &QEventLoop::quit);
    laco.exec();
}

void frmEntrada::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!animacaoIniciada_) {
        animacaoIniciada_ = true;
        // Starts once the window is on the screen, from the event loop that shows it.
        QTimer::singleShot(0, this, &frmEntrada::anima);
    }
}

void frmEntrada::anima() {
    const QPointer<frmEntrada> viva(this);
    setCursor(Qt::WaitCursor);
    const double lado = Unidades::twips(imgEntrada_->width());
    for (const QRectF& quadro : AnimacaoEntrada::quadros(lado)) {
        imgEntrada_->pinta(emPixels(quadro));
        espera_(AnimacaoEntrada::kIntervaloMs);
        if (!viva || encerrada_) {
            return;
        }
    }
    espera_(AnimacaoEntrada::kEsperaFinalMs);
    if (!viva || encerrada_) {
        return;
    }
    unsetCursor();
    accept();
}

void frmEntrada::done(int resultado) {
    encerrada_ = true;
    unsetCursor();
    QDialog::done(resultado);
}

} // namespace vidalume
