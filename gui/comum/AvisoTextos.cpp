#include "gui/comum/AvisoTextos.h"

#include "gui/comum/Mensagens.h"
#include "texts/ArquivoInterpretacao.h"

#include <QStringList>

namespace vidalume {

void AvisoTextos::mostra(Mensagens* mensagens, QWidget* pai) {
    const QStringList avisos = ArquivoInterpretacao::avisosNovos();
    if (mensagens == nullptr || avisos.isEmpty()) {
        return;
    }
    mensagens->informa(pai, QStringLiteral("Atenção:"),
                       avisos.join(QStringLiteral("\n\n")) +
                           QStringLiteral("\n\nRestaure o arquivo pelo menu (textos originais ou "
                                          "cópia de segurança) para ter o texto de volta."),
                       Mensagens::Icone::Exclamacao);
}

} // namespace vidalume
