#include "gui/auxiliares/ControleDicas.h"

#include "gui/auxiliares/DicasBotoes.h"
#include "gui/auxiliares/frmDicas.h"

#include <QScreen>
#include <QWidget>

namespace vidalume {

ControleDicas::ControleDicas(const QString& pastaPrograma, QWidget* janelaPrincipal)
    : pastaPrograma_(pastaPrograma), janelaPrincipal_(janelaPrincipal) {}

ControleDicas::~ControleDicas() {
    delete dica_.data();
}

bool ControleDicas::ocupado() const {
    return ocupado_ || (janelaPrincipal_ && janelaPrincipal_->testAttribute(Qt::WA_SetCursor) &&
                        janelaPrincipal_->cursor().shape() == Qt::WaitCursor);
}

ControleDicas::Lugar ControleDicas::lugarDe(const QWidget& botao) const {
    const QWidget* janela = janelaPrincipal_ ? janelaPrincipal_.data() : botao.window();
    const QScreen* tela = janela->screen();
    const int direitaTela = tela ? tela->geometry().x() + tela->geometry().width() : 0;
    return {janela->frameGeometry().topLeft(), botao.pos(), direitaTela};
}

void ControleDicas::ponteiroSobreBotao(const QString& nomeAjuda, const QWidget& botao) {
    const Lugar lugar = lugarDe(botao);
    ponteiroSobreBotao(nomeAjuda, lugar.janela, lugar.botao, lugar.direitaTela);
}

void ControleDicas::AjudaDoBotao(const QString& nomeAjuda, const QWidget& botao) {
    const Lugar lugar = lugarDe(botao);
    AjudaDoBotao(nomeAjuda, lugar.janela, lugar.botao, lugar.direitaTela);
}

void ControleDicas::ponteiroSobreBotao(const QString& nomeAjuda, const QPoint& janela,
                                       const QPoint& botao, int direitaTela) {
    if (ocupado()) {
        return;
    }
    if (botaoComAjuda_ != nomeAjuda) {
        AjudaDoBotao(nomeAjuda, janela, botao, direitaTela);
    }
    botaoComAjuda_ = nomeAjuda;
}

void ControleDicas::AjudaDoBotao(const QString& nomeAjuda, const QPoint& janela,
                                 const QPoint& botao, int direitaTela) {
    const QString texto = DicasBotoes::texto(nomeAjuda);
    if (!texto.isEmpty()) {
        ExibeAjudaDoBotao(texto, janela, botao, direitaTela);
    }
}

void ControleDicas::ExibeAjudaDoBotao(const QString& texto, const QPoint& janela,
                                      const QPoint& botao, int direitaTela) {
    if (!dica_) {
        dica_ = new frmDicas(pastaPrograma_, janelaPrincipal_);
        // Pointing at the help text takes the window away but keeps the button's name, so
        // coming straight back to the same button shows nothing.
        QObject::connect(dica_, &frmDicas::ponteiroSobreTexto, dica_, [this] { descarregaDica(); });
    }
    dica_->defineTexto(texto);
    dica_->setGeometry(DicasBotoes::geometria(janela, botao, direitaTela));
    dica_->show();
    dica_->raise();
}

void ControleDicas::retiraAjuda() {
    ApagaAjudaDoBotao();
    descarregaDica();
}

void ControleDicas::ApagaAjudaDoBotao() {
    botaoComAjuda_ = kNenhum;
}

void ControleDicas::descarregaDica() {
    if (!dica_) {
        return;
    }
    // The window may be in the middle of its own event handling: delete it later.
    frmDicas* dica = dica_.data();
    dica_.clear();
    dica->disconnect();
    dica->hide();
    dica->deleteLater();
}

} // namespace vidalume
