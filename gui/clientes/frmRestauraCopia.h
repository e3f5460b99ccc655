// The choice of "Restaurar cópia de segurança": what the archive holds (its date, its texts
// and settings, its clients against today's) and which parts to restore: everything, the
// texts and settings without the client file, or the client file alone. The dialog only
// shows and chooses; CopiaCompleta reads the archive and restores it.
#pragma once

#include "clients/CopiaCompleta.h"

#include <QDialog>

class QLabel;
class QRadioButton;

namespace vidalume {

class frmRestauraCopia : public QDialog {
    Q_OBJECT
public:
    // `copia` must have been opened (CopiaCompleta::abre) and outlive the dialog.
    explicit frmRestauraCopia(const CopiaCompleta& copia, QWidget* parent = nullptr);

    // The parts chosen; everything the archive holds at start.
    CopiaCompleta::Partes partes() const;

private:
    void mostraPergunta();

    const CopiaCompleta& copia_;
    QLabel* lblPergunta_ = nullptr;
    QRadioButton* optTudo_ = nullptr;
    QRadioButton* optSemClientes_ = nullptr;
    QRadioButton* optSoClientes_ = nullptr;
};

} // namespace vidalume
