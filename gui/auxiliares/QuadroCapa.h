// The picture box of the start-up window: clear, with the cover picture painted into one
// rectangle of it, as large as fits without distorting it.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace vidalume {

class QuadroCapa : public QWidget {
    Q_OBJECT
public:
    explicit QuadroCapa(const QString& arquivo, QWidget* parent = nullptr);

    // Clears the box and paints the picture into `area` (in pixels, fractions kept), centred.
    void pinta(const QRectF& area);
    const QRectF& area() const { return area_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QSvgRenderer renderizador_;
    QRectF area_;
};

} // namespace vidalume
