// The main window: the frame in which report windows open, with its toolbar, menus and page
// navigation bar. It loads the settings at start-up, routes every menu item and button to
// its command (the file commands, the client file and the report windows have classes of
// their own), copies an analysis to the clipboard and writes the settings once on every way
// out.
#pragma once

#include "app/AreaRelatorios.h"
#include "app/BarrasPrincipal.h"
#include "app/ComandosArquivo.h"
#include "app/ComandosClientes.h"
#include "app/ComandosEstudos.h"
#include "app/ComandosPrevisoes.h"
#include "app/ContextoComandos.h"
#include "app/Padrao.h"
#include "app/Servicos.h"
#include "gui/comum/Mensagens.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace vidalume {

class QuadroImagem;
struct AnaliseCliente;
struct Cliente;
class frmExibeRelatorio;
struct EstudoNomes;
struct LigacoesRelatorio;

class frmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    static const QString kTitulo;
    static const QString kNenhum; // BotaoComAjuda once the help is taken away
    static const QString kM1, kM5, kM6;
    static const QString kSemNavegador;
    static const QString kPerguntaSair;

    frmPrincipal(const QString& pastaPrograma, Servicos servicos, QWidget* parent = nullptr);
    ~frmPrincipal() override;

    // The start-up: loads the settings, greets and shows the window.
    void Form_Load();

    void ImprimirAnaliseNoMonitor();
    void ApagaAjudaDoBotao();
    void CarregaLinhasRodape();
    // Reads the settings files again, after a backup replaced them.
    void CarregaConfiguracoes();

    Padrao& padrao() { return padrao_; }
    const QString& pastaPrograma() const { return pastaPrograma_; }
    Servicos& servicos() { return servicos_; }
    QPrinter* impressora() const { return impressora_.get(); }
    const QString& BotaoComAjuda() const { return botaoComAjuda_; }
    QMdiArea* areaRelatorios() const { return mdiArea_; }
    // The report window in front, or none when no analysis is shown.
    frmExibeRelatorio* relatorioAtivo() const { return relatorios_->ativo(); }
    QList<frmExibeRelatorio*> relatorios() const { return relatorios_->todos(); }

    void cmdCriaAnalise_Click();
    void cmdImprimir_Click();
    void cmdConfigurarFontes_Click();
    void cmdConfiguraPrograma_Click();
    void cmdAjuda_Click();
    void cmdExportar_Click();
    void cmdSair_Click();
    void mnuClientes_Click();
    void mnuConfigurarRodape_Click();
    void mnuFazerCopia_Click();
    void mnuRestaurarCopia_Click();
    void mnuRestaurarTextosOriginais_Click();
    void mnuEncerrar_Click();
    void mnuJanelaLadoLado_Click();
    void mnuJanelaEmCascata_Click();
    void mnuAlterarConteudoDasAnalises_Click();
    void mnuSobreEstePrograma_Click();
    void mnuSalvarPdf_Click();
    void mnuExportarOdt_Click();
    void mnuEstudoNomes_Click();
    void mnuCorrecaoNome_Click();
    void mnuCompatibilidade_Click();
    void mnuPrevisoes_Click();
    void picAvanca_Click();
    void picVolta_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void montaJanela();
    void ligaBarras();
    void posicionaNavegacao();

    void prologo();
    void tiraAjuda();
    void botaoApontado(const QString& nomeAjuda, QWidget* botao);
    void tocaSom(const QString& arquivo, bool repete);
    void gravaEEncerra();
    bool gravaConfiguracao();
    void navega(int passo);
    bool pedeEntrada(const Cliente* cliente);
    void fechaAnaliseAberta();
    // The program's printer read again (see Servicos::preparaImpressora).
    QPrinter* impressoraAtual();
    void mostraNovaAnalise();
    LigacoesRelatorio ligacoesRelatorio();
    void escreveStatus(const QString& texto);

    QString pastaPrograma_;
    Servicos servicos_;
    Padrao padrao_;
    ContextoComandos contexto_;
    QString botaoComAjuda_;
    bool encerrado_ = false;
    std::unique_ptr<QPrinter> impressora_;

    QMdiArea* mdiArea_ = nullptr;
    std::optional<BarrasPrincipal> barras_;
    // The commands, made once the frame exists.
    std::optional<AreaRelatorios> relatorios_;
    std::optional<ComandosArquivo> arquivo_;
    std::optional<ComandosEstudos> estudos_;
    std::optional<ComandosPrevisoes> previsoes_;
    ComandosClientes clientes_;
};

} // namespace vidalume
