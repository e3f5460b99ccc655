// The main window's two bars: the toolbar of seven picture buttons (each with its help name
// and the name and help sentence a screen reader says) and the page navigation bar with its
// two arrows and the status line between them. The bars only show; the main window connects
// the buttons and arrows to its commands.
#pragma once

#include "app/GeometriaPrincipal.h"

#include <QString>

#include <array>

class QLabel;
class QObject;
class QPushButton;
class QWidget;

namespace vidalume {

class QuadroImagem;

class BarrasPrincipal {
public:
    // Builds both bars as children of `janela`, with the pictures of `pastaPrograma`; the
    // mouse moves over the toolbar and its buttons go to `filtro`.
    BarrasPrincipal(QWidget& janela, const QString& pastaPrograma, QObject& filtro);

    QWidget* ferramentas() const { return picMenu_; }
    QWidget* navegacao() const { return picRodape_; }
    QPushButton* botao(int i) const { return botoes_[i]; }
    QuadroImagem* volta() const { return picVolta_; }
    QuadroImagem* avanca() const { return picAvanca_; }

    void escreveStatus(const QString& texto);
    // Places the arrows and the status line for a window `largura` pixels wide.
    void posiciona(int largura);

private:
    void montaFerramentas(QWidget& janela, const QString& pastaPrograma, QObject& filtro);
    void montaNavegacao(QWidget& janela, const QString& pastaPrograma);

    QWidget* picMenu_ = nullptr;
    QWidget* picRodape_ = nullptr;
    QLabel* lblInfoNavega_ = nullptr;
    QuadroImagem* picVolta_ = nullptr;
    QuadroImagem* picAvanca_ = nullptr;
    std::array<QPushButton*, GeometriaPrincipal::kBotoes> botoes_{};
};

} // namespace vidalume
