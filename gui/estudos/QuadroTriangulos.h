// The four triangles of the candidate selected in the name correction window, drawn by
// report/QuadroTriangulosNome on the widget (the same picture as on paper), as wide as the
// widget; its height follows, so that it sits in a scroll area. Empty until given a map.
#pragma once

#include "engine/PiramideNome.h"

#include <QStringList>
#include <QWidget>

namespace vidalume {

class QuadroTriangulos : public QWidget {
    Q_OBJECT
public:
    static constexpr double kMargemMm = 2;

    explicit QuadroTriangulos(QWidget* parent = nullptr);

    // Shows the triangles of `piramide` with `letras` over their bases.
    void define(const PiramideNome& piramide, const QStringList& letras);
    // Shows nothing.
    void limpa();
    bool vazio() const { return letras_.isEmpty(); }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    double pixelsPorMm() const;
    void ajustaAltura();

    PiramideNome piramide_;
    QStringList letras_;
};

} // namespace vidalume
