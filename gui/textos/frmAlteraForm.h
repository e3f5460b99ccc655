// The edit window of the interpretation editor: one record of one interpretation file in a
// multi-line box, written back on "Atualizar Interpretação (&Salvar)". A write that fails
// is reported and leaves the window open with its text; leaving without saving is asked
// first, whichever way the user leaves. What the record cannot hold is never lost unseen: a
// paste beyond its size says how much was left out, and characters it cannot store are
// named before saving.
#pragma once

#include "texts/ArquivoInterpretacao.h"
#include "texts/EscolhaTexto.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vidalume {

class Mensagens;

class frmAlteraForm : public QDialog {
    Q_OBJECT
public:
    static const QString kPerguntaCancelar;

    // `texto` is the record as read; `alvo` says where it is written back.
    frmAlteraForm(const QString& pastaPrograma, const TextoEscolhido& alvo, const QString& texto,
                  Mensagens& mensagens, QWidget* parent = nullptr);

    const TextoEscolhido& alvo() const { return alvo_; }
    // The box's content as the record will keep it (line breaks as CR LF).
    QString texto() const;

    // Esc, the window's close box and "Retornar sem Salva&r (Cancelar)" all ask first.
    void reject() override;

private:
    void montaControles(const QString& texto);
    void cmdSalvar_Click();
    void txtTexto_Change(int posicao, int removidos, int inseridos);
    bool confirmaCaracteres();

    ArquivoInterpretacao arquivos_;
    TextoEscolhido alvo_;
    Mensagens& mensagens_;
    bool limitando_ = false;

    QLabel* lblInfo_ = nullptr;
    QLabel* lblArquivo_ = nullptr;
    QLabel* lblPosicao_ = nullptr;
    QPlainTextEdit* txtTexto_ = nullptr;
    QLabel* lblAviso_ = nullptr; // what a paste or a typing left out
    QPushButton* cmdSalvar_ = nullptr;
    QPushButton* cmdRetornar_ = nullptr;
};

} // namespace vidalume
