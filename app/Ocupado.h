// The busy pointer over a window, or over the whole screen, for as long as the object lives:
// a command that makes the user wait shows it and cannot forget to take it away.
#pragma once

#include <QPointer>
#include <QWidget>

namespace vidalume {

class Ocupado {
public:
    static Ocupado tela() { return Ocupado(nullptr); }
    static Ocupado sobre(QWidget* janela) { return Ocupado(janela); }
    ~Ocupado();
    Ocupado(const Ocupado&) = delete;
    Ocupado& operator=(const Ocupado&) = delete;

private:
    explicit Ocupado(QWidget* janela);

    QPointer<QWidget> janela_;
    bool tela_;
};

} // namespace vidalume
