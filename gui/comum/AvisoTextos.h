// Says which interpretation file is missing or damaged after an analysis came out without
// its text: each file and fault once per session, through the message boxes of every window.
#pragma once

class QWidget;

namespace vidalume {

class Mensagens;

class AvisoTextos {
public:
    // Shows, as "Atenção:", each new fault ArquivoInterpretacao noted; nothing when there is
    // none or `mensagens` is null.
    static void mostra(Mensagens* mensagens, QWidget* pai);
};

} // namespace vidalume
