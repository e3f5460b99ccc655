// The about window: what the program is, its version and its licence. It greets with the
// welcome sound when it opens, whatever the sound setting says.
#pragma once

#include <QDialog>

#include <functional>

namespace vidalume {

class frmSobre : public QDialog {
    Q_OBJECT
public:
    // Plays a WAV file asynchronously; a missing file plays nothing.
    using TocaSom = std::function<void(const QString& arquivo)>;

    explicit frmSobre(const QString& pastaPrograma, TocaSom tocaSom = {},
                      QWidget* parent = nullptr);

    static const QString kVersao;

private:
    void montaControles(const QString& pastaPrograma);
};

} // namespace vidalume
