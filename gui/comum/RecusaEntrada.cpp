#include "gui/comum/RecusaEntrada.h"

#include "gui/comum/Mensagens.h"

#include <QLineEdit>

namespace vidalume {

void RecusaEntrada::mostra(Mensagens& mensagens, QWidget* janela,
                           const EntradaDados::Conferencia& conferida, QLineEdit* nome,
                           QLineEdit* data) {
    if (!conferida.motivo.isEmpty()) {
        mensagens.informa(janela, QStringLiteral("Erro:"), conferida.motivo,
                          Mensagens::Icone::Critico);
    }
    if (conferida.naData) {
        data->setFocus();
        data->selectAll();
    } else {
        nome->setFocus();
    }
}

} // namespace vidalume
