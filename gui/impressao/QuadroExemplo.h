// The preview box of the print dialog: a white box that shows the last picture drawn for
// it, scaled from millimetres to the box's inside.
#pragma once

#include "gui/comum/Unidades.h"

#include <QFrame>
#include <QPicture>
#include <QSizeF>

#include <functional>

namespace vidalume {

class SuperficieDesenho;
class FigurasSvg;

class QuadroExemplo : public QFrame {
    Q_OBJECT
public:
    // Screen millimetres: 56.7 twips per millimetre and 15 twips per pixel.
    static constexpr double kPixelsPorMm = Unidades::kPixelsPorMm;

    explicit QuadroExemplo(FigurasSvg* figuras, QWidget* parent = nullptr);

    // The inside of the box in millimetres.
    QSizeF tamanhoMm() const;
    // Records a new picture with `desenho` on a surface of the box's inside in millimetres,
    // and shows it.
    void desenha(const std::function<void(SuperficieDesenho&)>& desenho);
    // Like desenha, and paints the box at once (for a notice shown during a long task).
    void desenhaAgora(const std::function<void(SuperficieDesenho&)>& desenho);

    const QPicture& figura() const { return figura_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    FigurasSvg* figuras_;
    QPicture figura_;
};

} // namespace vidalume
