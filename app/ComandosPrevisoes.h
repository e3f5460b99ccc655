// The main window's forecast command: asks whose forecast and which year (the person of the
// active report window, of a chosen client or of the analysis being made, typed again if
// need be) and opens the forecast of that year in a report window of its own, where it
// turns, prints, saves and exports like an analysis.
#pragma once

#include "app/AreaRelatorios.h"
#include "app/ContextoComandos.h"
#include "engine/AnalisePedida.h"

#include <QIcon>

namespace vidalume {

class ComandosPrevisoes {
public:
    // `contexto` and `relatorios` must outlive this object.
    ComandosPrevisoes(const ContextoComandos& contexto, AreaRelatorios& relatorios)
        : c_(contexto), relatorios_(relatorios) {}

    // The dialog filled with `pessoa` (its name and birth date; the year of its reference
    // date, or of today without one), then the forecast in a report window with `icone`.
    // Nothing when the dialog is cancelled.
    void abre(const AnalisePedida& pessoa, const QIcon& icone);
    // As abre(), with the person of the active report window, or of the analysis being made
    // when no report window is shown.
    void abre(const QIcon& icone);

private:
    const ContextoComandos& c_;
    AreaRelatorios& relatorios_;
};

} // namespace vidalume
