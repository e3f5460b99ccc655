// The small help window of the toolbar buttons: a light-yellow strip without border or
// title bar with a lamp and one sentence. It never takes the focus. Pointing at its text
// asks for it to go away.
#pragma once

#include <QWidget>

class QLabel;

namespace vidalume {

class QuadroImagem;

class frmDicas : public QWidget {
    Q_OBJECT
public:
    explicit frmDicas(const QString& pastaPrograma, QWidget* parent = nullptr);

    void defineTexto(const QString& texto);
    QString texto() const;

signals:
    void ponteiroSobreTexto();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* picHelp_ = nullptr;
    QuadroImagem* imgLuz_ = nullptr;
    QLabel* lblDica_ = nullptr;
};

} // namespace vidalume
