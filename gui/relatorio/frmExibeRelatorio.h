// The report window: one analysis inside the main window, shown a page at a time. The user
// scrolls the page with the scroll bars and the keys and turns pages with Ctrl and the left
// and right arrows; the main window's page buttons turn them through ExibePagina.
#pragma once

#include "composer/RelatorioComposto.h"
#include "gui/relatorio/ArmazemPaginas.h"
#include "gui/relatorio/FonteDePaginas.h"
#include "gui/relatorio/QuadroPagina.h"
#include "gui/relatorio/RolagemRelatorio.h"

#include <QDate>
#include <QImage>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QScrollBar;
class QTimer;

namespace vidalume {

// What a report window asks of the main window.
struct LigacoesRelatorio {
    std::function<void()> tocaSomPagina;               // the page-turn sound, when sounds are on
    std::function<void(const QString&)> escreveStatus; // the navigation line
    std::function<void()> apagaAjuda;                  // takes the toolbar button help away
};

// While the window is idle it renders the page shown and the pages next to it into images
// (as many of the three as kMemoriaImagens holds), so that turning to a neighbouring page or
// scrolling copies pixels instead of replaying the page's drawing.
class frmExibeRelatorio : public QWidget {
    Q_OBJECT
public:
    static const QString kTitulo;
    static const QString kConvite; // the navigation line once a report window closes
    static constexpr qint64 kMemoriaImagens = 18 * 1024 * 1024;

    // `telaPixels` is the size of the screen the page width and top offset are taken from.
    frmExibeRelatorio(QSize telaPixels, LigacoesRelatorio ligacoes, QWidget* parent = nullptr);

    float GetLarguraEmMm() const { return rolagem_.larguraPagina(); }
    void definePaginas(PaginasProntas paginas);
    // The page count, the page shown first and the analysis the pages show; the window is
    // titled "Relatório de Análise Numerológica — NOME" (kTitulo alone without a name).
    void GravaDados(int Paginas, int Atual, const AnalisePedida& pedido);
    int PaginaExibida() const { return armazem_.PaginaExibida(); }
    int TotalDePaginas() const { return armazem_.TotalDePaginas(); }
    // Puts the analysis shown (name, birth date, reference date) back into `pedido`.
    void AjustaDadosNaMemoria(AnalisePedida& pedido) const {
        armazem_.AjustaDadosNaMemoria(pedido);
    }
    const AnalisePedida& pedido() const { return armazem_.pedido(); }
    void ExibePagina(int Pagina);

    // A report composed once (the couple reading) keeps what it shows, so that printing and
    // export take it as it is instead of composing an analysis of its name and date again.
    void defineComposto(RelatorioComposto composto) { composto_ = std::move(composto); }
    // The composed report, or none for an analysis.
    const std::optional<RelatorioComposto>& composto() const { return composto_; }

    // The window became the active child of the main window.
    void Form_Activate();
    // The window has been shown for the first time.
    void mostrada();
    // Gives the keyboard focus to the page.
    void focaPagina();

    const RolagemRelatorio& rolagem() const { return rolagem_; }
    // The pages rendered so far, and whether more are still to be rendered.
    QList<int> paginasProntas() const;
    bool preparandoPaginas() const;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;

private:
    bool Form_KeyDown(const QKeyEvent* evento);
    void rolaComRoda(QWheelEvent* evento);
    void vScroll_Change(int valor);
    void hScroll_Change(int valor);
    void atualizaBarras();
    void posicionaPagina();
    void posicionaBarras();
    void preparaImagens();

    LigacoesRelatorio ligacoes_;
    ArmazemPaginas armazem_;
    RolagemRelatorio rolagem_;
    QuadroPagina* picExibe_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QTimer* preparo_ = nullptr;
    std::map<int, QImage> imagens_; // by page number
    AparenciaPagina aparenciaImagens_;
    std::optional<RelatorioComposto> composto_;
};

} // namespace vidalume
