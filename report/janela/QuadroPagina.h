// The display picture of a report window: the page now shown, replayed from its vector
// picture at the screen's scale, so it is sharp at any pixel density.
#pragma once

#include <QPicture>
#include <QWidget>

namespace vidalume {

class QuadroPagina : public QWidget {
    Q_OBJECT
public:
    explicit QuadroPagina(QWidget* parent = nullptr);

    // Shows `folha`, recorded in `unidadesPorMm` units per millimetre. Without a picture the
    // page shown so far stays.
    void mostra(const QPicture* folha, double unidadesPorMm);
    bool temFolha() const { return temFolha_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPicture folha_;
    double unidadesPorMm_ = 1.0;
    bool temFolha_ = false;
};

} // namespace vidalume
