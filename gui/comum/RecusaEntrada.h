// How an entry window answers a name and birth date its checks refused: the message, when
// there is one, as an error, and the focus on the box that has to change.
#pragma once

#include "engine/EntradaDados.h"

class QLineEdit;
class QWidget;

namespace vidalume {

class Mensagens;

class RecusaEntrada {
public:
    // Shows `conferida.motivo` (nothing for an empty name) in front of `janela`, then puts the
    // focus on `data` with its text selected when the date was refused, else on `nome`.
    static void mostra(Mensagens& mensagens, QWidget* janela,
                       const EntradaDados::Conferencia& conferida, QLineEdit* nome,
                       QLineEdit* data);
};

} // namespace vidalume
