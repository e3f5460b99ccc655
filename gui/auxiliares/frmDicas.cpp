#include "gui/auxiliares/frmDicas.h"
#include "gui/comum/Unidades.h"

#include "gui/auxiliares/DicasBotoes.h"
#include "gui/comum/ImagensPrograma.h"
#include "gui/comum/QuadroImagem.h"

#include <QEvent>
#include <QLabel>

namespace vidalume {

namespace {

const QColor kAmareloClaro(255, 255, 192);
constexpr double kTamanhoFonte = 8.25;
constexpr double kMenorTamanhoFonte = 6;

QFont fonteDica(double tamanho) {
    QFont fonte;
    fonte.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                       QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    fonte.setPointSizeF(tamanho);
    fonte.setBold(true);
    return fonte;
}

QRect emPixels(int esquerda, int topo, int largura, int altura) {
    return {Unidades::pixels(esquerda), Unidades::pixels(topo), Unidades::pixels(largura),
            Unidades::pixels(altura)};
}

} // namespace

frmDicas::frmDicas(const QString& pastaPrograma, QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("frmDicas"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(Unidades::pixels(DicasBotoes::kLarguraTwips),
                 Unidades::pixels(DicasBotoes::kAlturaTwips));

    picHelp_ = new QWidget(this);
    picHelp_->setObjectName(QStringLiteral("picHelp"));
    picHelp_->setGeometry(rect());
    QPalette fundo = picHelp_->palette();
    fundo.setColor(QPalette::Window, kAmareloClaro);
    fundo.setColor(QPalette::WindowText, Qt::black);
    picHelp_->setPalette(fundo);
    picHelp_->setAutoFillBackground(true);

    imgLuz_ = new QuadroImagem(QuadroImagem::Modo::Ajustar, picHelp_);
    imgLuz_->setObjectName(QStringLiteral("imgLuz"));
    imgLuz_->setGeometry(emPixels(90, 90, 465, 465));
    imgLuz_->mostra(ImagensPrograma::caminho(pastaPrograma, QStringLiteral("dicas")));

    lblDica_ = new QLabel(picHelp_);
    lblDica_->setObjectName(QStringLiteral("lblDica"));
    lblDica_->setGeometry(emPixels(630, 90, 2850, 420));
    lblDica_->setWordWrap(true);
    lblDica_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblDica_->setAutoFillBackground(true);
    lblDica_->setFont(fonteDica(kTamanhoFonte));
    lblDica_->setMouseTracking(true);
    lblDica_->installEventFilter(this);
}

// The sentence keeps to the label's box: where the designed face is missing and the one
// that stands in is wider, the size steps down until the text fits.
void frmDicas::defineTexto(const QString& texto) {
    lblDica_->setText(texto);
    const QRect caixa(QPoint(), lblDica_->size());
    double tamanho = kTamanhoFonte;
    QFont fonte = fonteDica(tamanho);
    while (tamanho > kMenorTamanhoFonte &&
           QFontMetrics(fonte).boundingRect(caixa, Qt::TextWordWrap, texto).height() >
               caixa.height()) {
        tamanho -= 0.25;
        fonte = fonteDica(tamanho);
    }
    lblDica_->setFont(fonte);
}

QString frmDicas::texto() const {
    return lblDica_->text();
}

bool frmDicas::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lblDica_ &&
        (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove)) {
        emit ponteiroSobreTexto();
    }
    return QWidget::eventFilter(objeto, evento);
}

} // namespace vidalume
