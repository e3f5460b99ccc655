#include "app/AreaRelatorios.h"

#include "report/Relatorio.h"

#include "app/GeometriaPrincipal.h"
#include "app/Servicos.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace vidalume {

AreaRelatorios::AreaRelatorios(QMdiArea& area, Servicos& servicos,
                               std::function<LigacoesRelatorio()> ligacoes)
    : area_(area), servicos_(servicos), ligacoes_(std::move(ligacoes)) {}

QSize AreaRelatorios::tela() const {
    return servicos_.tamanhoTela ? servicos_.tamanhoTela() : QSize(1024, 768);
}

frmExibeRelatorio* AreaRelatorios::abre(const Diagramacao& diagramacao, const AnalisePedida& pedido,
                                        const QIcon& icone) {
    auto* relatorio = new frmExibeRelatorio(tela(), ligacoes_());
    PaginasProntas paginas = servicos_.paginas
                                 ? servicos_.paginas(diagramacao, relatorio->GetLarguraEmMm(),
                                                     relatorio->palette().color(QPalette::Text))
                                 : PaginasProntas{};
    const int total = int(paginas.paginas.size());
    relatorio->definePaginas(std::move(paginas));

    QMdiSubWindow* janela = area_.addSubWindow(relatorio);
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->setWindowIcon(icone);
    relatorio->GravaDados(total, 1, pedido);
    relatorio->setWindowTitle(Relatorio::de(diagramacao).tituloJanela(diagramacao));
    janela->showMaximized();
    relatorio->mostrada();
    relatorio->focaPagina();
    return relatorio;
}

frmExibeRelatorio* AreaRelatorios::relatorioDe(QMdiSubWindow* janela) {
    if (janela == nullptr || janela->isHidden()) {
        return nullptr;
    }
    return qobject_cast<frmExibeRelatorio*>(janela->widget());
}

frmExibeRelatorio* AreaRelatorios::ativo() const {
    return relatorioDe(area_.currentSubWindow());
}

QList<frmExibeRelatorio*> AreaRelatorios::todos() const {
    QList<frmExibeRelatorio*> lista;
    for (QMdiSubWindow* janela : area_.subWindowList()) {
        if (frmExibeRelatorio* relatorio = relatorioDe(janela)) {
            lista << relatorio;
        }
    }
    return lista;
}

QList<QMdiSubWindow*> AreaRelatorios::janelasParaOrganizar() const {
    QList<QMdiSubWindow*> janelas;
    // From the back to the front, so the active window ends on top.
    for (QMdiSubWindow* janela : area_.subWindowList(QMdiArea::StackingOrder)) {
        if (!janela->isHidden() && !janela->isMinimized()) {
            if (janela->isMaximized()) {
                janela->showNormal();
            }
            janelas << janela;
        }
    }
    return janelas;
}

void AreaRelatorios::organiza(const QList<QMdiSubWindow*>& janelas, const QList<QRect>& lugares) {
    for (int i = 0; i < janelas.size(); ++i) {
        janelas[i]->setGeometry(lugares[i]);
        janelas[i]->raise();
    }
}

void AreaRelatorios::ladoALado() {
    const QList<QMdiSubWindow*> janelas = janelasParaOrganizar();
    organiza(janelas, GeometriaPrincipal::ladoALado(area_.viewport()->rect(), int(janelas.size())));
}

void AreaRelatorios::cascata() {
    const QList<QMdiSubWindow*> janelas = janelasParaOrganizar();
    if (janelas.isEmpty()) {
        return;
    }
    // Each window steps down by the height of a title bar.
    const int passo = std::max(1, janelas.first()->widget()->geometry().top());
    organiza(janelas,
             GeometriaPrincipal::cascata(area_.viewport()->rect(), int(janelas.size()), passo));
}

} // namespace vidalume
