#include "gui/comum/BotaoJanela.h"

namespace vidalume {

QPushButton* BotaoJanela::cria(const QString& nome, const QString& texto, QWidget* pai) {
    auto* cmd = new QPushButton(texto, pai);
    cmd->setObjectName(nome);
    cmd->setAutoDefault(false);
    return cmd;
}

} // namespace vidalume
