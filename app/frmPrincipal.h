// The main window: the frame in which report windows open, with its toolbar, menus and page
// navigation bar. It loads the settings at start-up, runs every command of the program,
// copies an analysis to the clipboard and writes the settings once on every way out.
#pragma once

#include "app/Padrao.h"
#include "app/Servicos.h"
#include "widgets/Mensagens.h"

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
    static const QString kM1, kM2, kM3, kM4, kM5, kM6;
    static const QString kSemNavegador, kSemAnalise, kTituloPdf, kTituloOdt;
    static const QString kPerguntaSair;
    static const QString kSemOriginais, kPerguntaOriginalUm, kPerguntaOriginaisTodos;
    static const QString kOriginaisRestaurados, kTextosGuardados, kNadaGuardado;

    frmPrincipal(const QString& pastaPrograma, Servicos servicos, QWidget* parent = nullptr);
    ~frmPrincipal() override;

    // The start-up: loads the settings, greets and shows the window.
    void Form_Load();

    void ImprimirAnaliseNoMonitor();
    void ApagaAjudaDoBotao();
    void CarregaLinhasRodape();
    // Reads the settings files again, after a backup replaced them.
    void CarregaConfiguracoes();
    void EnviarAnaliseParaAreaTransf();

    Padrao& padrao() { return padrao_; }
    const QString& pastaPrograma() const { return pastaPrograma_; }
    Servicos& servicos() { return servicos_; }
    QPrinter* impressora() const { return impressora_.get(); }
    const QString& BotaoComAjuda() const { return botaoComAjuda_; }
    QMdiArea* areaRelatorios() const { return mdiArea_; }
    // The report window in front, or none when no analysis is shown.
    frmExibeRelatorio* relatorioAtivo() const;
    QList<frmExibeRelatorio*> relatorios() const;

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
    void mnuCompatibilidade_Click();
    void picAvanca_Click();
    void picVolta_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct BotaoFerramenta;

    void montaJanela();
    QWidget* montaBarraFerramentas();
    QWidget* montaBarraNavegacao();
    void montaMenus();
    void posicionaNavegacao();

    void prologo();
    void tiraAjuda();
    void botaoApontado(const QString& nomeAjuda, QWidget* botao);
    void tocaSom(const QString& arquivo, bool repete);
    void informa(const QString& titulo, const QString& texto, Mensagens::Icone icone);
    bool pergunta(const QString& titulo, const QString& texto);
    // A question titled "Atenção:" whose default answer is No.
    bool perguntaPadraoNao(const QString& texto);
    void gravaEEncerra();
    bool gravaConfiguracao();
    void navega(int passo);
    QList<QMdiSubWindow*> janelasParaOrganizar() const;
    static void organiza(const QList<QMdiSubWindow*>& janelas, const QList<QRect>& lugares);
    void compoeAnalise();
    bool pedeEntrada(const Cliente* cliente);
    void mostraNovaAnalise();
    void guardaNaFicha(const QString& nomeDigitado, QDate referencia);
    void reabre(const Cliente& cliente, const AnaliseCliente& analise);
    bool geraPdf(const Cliente& cliente, const QString& pasta, QString* nome, QString* erro) const;
    QDate hoje() const;
    frmExibeRelatorio* abreRelatorio(const Diagramacao& diagramacao);
    Diagramacao diagramacaoDe(const frmExibeRelatorio& relatorio);
    void imprimeEstudo(QWidget* pai, const EstudoNomes& estudo);
    void exibe(QDialog& janela);
    std::optional<Diagramacao> analiseParaArquivo(const QString& acao);
    QString escolheArquivo(const Diagramacao& analise, const QString& titulo, const QString& sufixo,
                           const QString& filtro);
    LigacoesRelatorio ligacoesRelatorio();
    void escreveStatus(const QString& texto);
    static frmExibeRelatorio* relatorioDe(QMdiSubWindow* janela);

    QString pastaPrograma_;
    Servicos servicos_;
    Padrao padrao_;
    QString botaoComAjuda_;
    bool encerrado_ = false;
    std::unique_ptr<QPrinter> impressora_;

    QWidget* picMenu_ = nullptr;
    QWidget* picRodape_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QLabel* lblInfoNavega_ = nullptr;
    QuadroImagem* picVolta_ = nullptr;
    QuadroImagem* picAvanca_ = nullptr;
    std::array<QPushButton*, 7> botoes_{};
};

} // namespace vidalume
