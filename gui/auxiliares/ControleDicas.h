// When the toolbar help shows and goes away. The main window tells it where the pointer is
// (over a button, or over anything else that takes the help away) and when a command
// starts; it keeps the help name of the button whose help is showing and places, shows and
// hides the help window, of which at most one exists.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>

class QWidget;

namespace vidalume {

class frmDicas;

class ControleDicas {
public:
    static inline const QString kNenhum = QStringLiteral("Nenhum");

    // `janelaPrincipal` is the window whose toolbar carries the buttons; its pointer tells
    // whether the program is busy and the help window is its child. Without it, the
    // button's own window is used.
    ControleDicas(const QString& pastaPrograma, QWidget* janelaPrincipal);
    ~ControleDicas();
    ControleDicas(const ControleDicas&) = delete;
    ControleDicas& operator=(const ControleDicas&) = delete;

    // The pointer moved over the toolbar button `botao` whose help name is `nomeAjuda`. The
    // help is placed once, when the pointer comes onto the button, and never while busy.
    void ponteiroSobreBotao(const QString& nomeAjuda, const QWidget& botao);
    // The same with the geometry in pixels: the main window's outer top-left corner on the
    // screen, the button's top-left corner on the toolbar and the x of the screen's right
    // edge.
    void ponteiroSobreBotao(const QString& nomeAjuda, const QPoint& janela, const QPoint& botao,
                            int direitaTela);

    // Shows the help of `nomeAjuda` below `botao` (nothing for a name without help), whatever
    // the state above: for a main window that keeps the help name and the busy rule itself.
    void AjudaDoBotao(const QString& nomeAjuda, const QWidget& botao);

    // The pointer is over something that is not a button (the frame's empty area, the
    // toolbar background, a report window), or a command starts: the help goes away and
    // the next button the pointer reaches shows its help.
    void retiraAjuda();
    // Forgets which button has its help showing, leaving the window as it is.
    void ApagaAjudaDoBotao();
    // Takes the help window away only (the main window is closing).
    void descarregaDica();

    // Busy work of the main window that does not show on its own pointer; the busy pointer
    // of the main window counts by itself.
    void defineOcupado(bool ocupado) { ocupado_ = ocupado; }

    const QString& BotaoComAjuda() const { return botaoComAjuda_; }
    // The help window while it is loaded, else none.
    frmDicas* dica() const { return dica_; }

private:
    struct Lugar {
        QPoint janela; // the main window's outer top-left corner on the screen
        QPoint botao;  // the button's top-left corner on the toolbar
        int direitaTela;
    };
    Lugar lugarDe(const QWidget& botao) const;
    bool ocupado() const;
    void AjudaDoBotao(const QString& nomeAjuda, const QPoint& janela, const QPoint& botao,
                      int direitaTela);
    void ExibeAjudaDoBotao(const QString& texto, const QPoint& janela, const QPoint& botao,
                           int direitaTela);

    QString pastaPrograma_;
    QPointer<QWidget> janelaPrincipal_;
    QPointer<frmDicas> dica_;
    QString botaoComAjuda_;
    bool ocupado_ = false;
};

} // namespace vidalume
