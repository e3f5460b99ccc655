// The choice of "Restaurar textos originais": every shipped interpretation file, or one of
// them picked from a list by what it holds. The dialog only chooses; the main window asks for
// confirmation and puts the texts back.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace vidalume {

class frmRestauraTextos : public QDialog {
    Q_OBJECT
public:
    // `arquivos`: the shipped files that can be put back (TextosOriginais::arquivos).
    explicit frmRestauraTextos(const QStringList& arquivos, QWidget* parent = nullptr);

    // The files chosen: all of them (the first entry, selected at start) or one.
    QStringList escolhidos() const;

private:
    QStringList arquivos_;
    QComboBox* cmbArquivo_ = nullptr;
};

} // namespace vidalume
