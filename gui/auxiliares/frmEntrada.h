// The start-up window: the cover picture grows from the centre of its box in 24 frames,
// stays a moment and the window closes itself. Window events are handled during every
// wait, so the program stays responsive; the wait can be replaced (tests pass their own).
#pragma once

#include <QDialog>

#include <functional>

namespace vidalume {

class QuadroCapa;

class frmEntrada : public QDialog {
    Q_OBJECT
public:
    // Waits `milissegundos`, handling window events meanwhile.
    using Espera = std::function<void(int milissegundos)>;

    // Without `espera` the waits run a local event loop.
    explicit frmEntrada(const QString& pastaPrograma, Espera espera = {},
                        QWidget* parent = nullptr);

    static void esperaComEventos(int milissegundos);
    const QuadroCapa* imgEntrada() const { return imgEntrada_; }

protected:
    void showEvent(QShowEvent* evento) override;
    // Closing the window by hand ends the animation at once.
    void done(int resultado) override;

private:
    void anima();

    Espera espera_;
    QuadroCapa* imgEntrada_ = nullptr;
    bool animacaoIniciada_ = false;
    bool encerrada_ = false;
};

} // namespace vidalume
