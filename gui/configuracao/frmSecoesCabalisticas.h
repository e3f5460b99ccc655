// The dialog "Seções do mapa cabalístico": which sections the cabalística map shows, one box
// per section in the map's order. It edits the options in memory; the caller keeps them.
#pragma once

#include "settings/OpcoesMapa.h"

#include <QDialog>
#include <QList>

class QCheckBox;

namespace vidalume {

class frmSecoesCabalisticas : public QDialog {
    Q_OBJECT
public:
    frmSecoesCabalisticas(const OpcoesMapa& opcoes, QWidget* parent = nullptr);

    // `opcoes` with the sections as the boxes stand.
    OpcoesMapa aplicadas(OpcoesMapa opcoes) const;

private:
    QList<std::pair<int, QCheckBox*>> caixas_; // section, its box
};

} // namespace vidalume
