// The dialog "Cliente": the name, birth date, telephone, e-mail and notes of one client,
// new or to change. "Ok" saves the client in the client file; a refusal (a name or date the
// entry dialog would refuse, the same client already in the file, a file that cannot be
// written) is told and the dialog stays open.
#pragma once

#include "clients/Cliente.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace vidalume {

class FichaClientes;
class Mensagens;

class frmFichaCliente : public QDialog {
    Q_OBJECT
public:
    // `cliente` with id 0 is a new client.
    frmFichaCliente(const Cliente& cliente, FichaClientes& ficha, Mensagens& mensagens,
                    QWidget* parent = nullptr);

    // The client as saved, once the dialog was accepted.
    const Cliente& cliente() const { return cliente_; }

private:
    void montaControles();
    void cmdOk_Click();

    Cliente cliente_;
    FichaClientes& ficha_;
    Mensagens& mensagens_;
    QLineEdit* txtNome_ = nullptr;
    QLineEdit* txtNascimento_ = nullptr;
    QLineEdit* txtTelefone_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QPlainTextEdit* txtObservacoes_ = nullptr;
};

} // namespace vidalume
