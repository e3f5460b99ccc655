// The sample box of the fonts dialog: one line in each of the three fonts of an analysis,
// placed in millimetres from the box's top left corner.
#pragma once

#include "settings/FontesAnalise.h"

#include <QFont>
#include <QWidget>

namespace vidalume {

class QuadroAmostra : public QWidget {
    Q_OBJECT
public:
    static const QString kLinhaDescricao; // "Este é o número..."
    static const QString kLinhaTitulo;    // "Interpretação:"
    static const QString kLinhaTexto;     // "Você é uma pessoa..."

    explicit QuadroAmostra(QWidget* parent = nullptr);

    void Visualizar(const FontesAnalise& fontes);

    // The font a choice stands for. An empty face name takes the face of the role's default
    // choice; a size below 1 point is drawn at 1 point.
    static QFont fonteDe(const DadosFonte& escolha, const DadosFonte& padrao);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    FontesAnalise fontes_;
};

} // namespace vidalume
