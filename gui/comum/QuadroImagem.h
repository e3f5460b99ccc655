// A picture box that shows one SVG picture, drawn as vectors at the screen's pixel density:
// stretched over the whole box or fitted inside it keeping its proportions. A click on it is
// reported, so it can serve as a button.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace vidalume {

class QuadroImagem : public QWidget {
    Q_OBJECT
public:
    enum class Modo { Esticar, Ajustar };

    explicit QuadroImagem(Modo modo = Modo::Esticar, QWidget* parent = nullptr);

    // Shows the picture of the file; a missing or unreadable file leaves the box empty.
    void mostra(const QString& arquivo);
    void limpa();
    bool temImagem() const { return renderizador_.isValid(); }
    const QString& arquivo() const { return arquivo_; }

signals:
    void clicado();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    QRectF area() const;

    Modo modo_;
    QString arquivo_;
    QSvgRenderer renderizador_;
};

} // namespace vidalume
