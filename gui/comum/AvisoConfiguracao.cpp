#include "gui/comum/AvisoConfiguracao.h"

#include "gui/comum/Mensagens.h"
#include "settings/AvisosConfiguracao.h"

namespace vidalume {

void AvisoConfiguracao::mostra(Mensagens* mensagens, QWidget* pai, const QString& pasta) {
    if (mensagens == nullptr) {
        return;
    }
    QStringList novos;
    for (const QString& aviso : AvisosConfiguracao::confere(pasta)) {
        if (!mostrados_.contains(aviso)) {
            mostrados_ << aviso;
            novos << aviso[0].toUpper() + aviso.mid(1);
        }
    }
    if (!novos.isEmpty()) {
        mensagens->informa(pai, QStringLiteral("Atenção:"), novos.join(QStringLiteral("\n\n")),
                           Mensagens::Icone::Exclamacao);
    }
}

} // namespace vidalume
