// The report windows inside the main window's frame: opens one for a laid-out analysis,
// finds the one in front and all of them, and arranges them side by side or in cascade.
// A window being closed no longer counts, even before it is gone.
#pragma once

#include "composer/Diagramacao.h"
#include "engine/AnalisePedida.h"
#include "gui/relatorio/frmExibeRelatorio.h"

#include <QIcon>
#include <QList>
#include <QSize>

#include <functional>

class QMdiArea;
class QMdiSubWindow;

namespace vidalume {

struct Servicos;

class AreaRelatorios {
public:
    // `area` and `servicos` must outlive this object; `ligacoes` gives each new window what
    // it asks of the main window.
    AreaRelatorios(QMdiArea& area, Servicos& servicos, std::function<LigacoesRelatorio()> ligacoes);

    // A report window with the pages of `diagramacao`, showing `pedido`, maximised in front
    // of the others, with `icone`.
    frmExibeRelatorio* abre(const Diagramacao& diagramacao, const AnalisePedida& pedido,
                            const QIcon& icone);
    // The report window in front, or none when no analysis is shown.
    frmExibeRelatorio* ativo() const;
    QList<frmExibeRelatorio*> todos() const;
    static frmExibeRelatorio* relatorioDe(QMdiSubWindow* janela);

    void ladoALado();
    void cascata();

private:
    QList<QMdiSubWindow*> janelasParaOrganizar() const;
    static void organiza(const QList<QMdiSubWindow*>& janelas, const QList<QRect>& lugares);
    QSize tela() const;

    QMdiArea& area_;
    Servicos& servicos_;
    std::function<LigacoesRelatorio()> ligacoes_;
};

} // namespace vidalume
