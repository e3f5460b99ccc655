// The dialog "Tabela de harmonia": for each Destino of the cabalística school (rows) which
// Expressões (columns) are favourable, neutral or unfavourable, each cell a list of the three
// verdicts, and a button that puts the shipped table back. It edits a table in memory; the
// caller keeps it.
#pragma once

#include "engine/TabelaHarmonia.h"

#include <QDialog>

class QComboBox;
class QTableWidget;

namespace vidalume {

class frmHarmonia : public QDialog {
    Q_OBJECT
public:
    frmHarmonia(const TabelaHarmonia& tabela, QWidget* parent = nullptr);

    // The table as the cells stand.
    TabelaHarmonia tabela() const;
    // Puts `tabela` in the cells.
    void mostra(const TabelaHarmonia& tabela);

private:
    QComboBox* celula(int linha, int coluna) const;

    QTableWidget* grdHarmonia_ = nullptr;
};

} // namespace vidalume
