// The dialog "Configuração do cabeçalho e do rodapé...": the header line and the two footer
// lines of the pages. "Ok" writes them to their file at once; the caller then reloads them.
#pragma once

#include "settings/LinhasRodape.h"

#include <QDialog>

class QLineEdit;

namespace vidalume {

class Mensagens;

class frmConfiguraRodape : public QDialog {
    Q_OBJECT
public:
    static const QString kMensagemGravado;
    static const QString kPerguntaCancelar;

    frmConfiguraRodape(const LinhasRodape& linhas, const QString& pastaPrograma,
                       Mensagens& mensagens, QWidget* parent = nullptr);

    // Esc and the window frame's close button ask as "Cancelar" does.
    void reject() override;

private:
    void montaControles();
    void cmdOk_Click();
    void cmdCancelar_Click();

    QString pastaPrograma_;
    Mensagens& mensagens_;
    QLineEdit* txtCabecalhoLinhaUm_ = nullptr;
    QLineEdit* txtRodapeLinhaUm_ = nullptr;
    QLineEdit* txtRodapeLinhaDois_ = nullptr;
};

} // namespace vidalume
