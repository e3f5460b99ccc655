#include "app/MenusPrincipal.h"

#include "app/frmPrincipal.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace vidalume {

namespace {

// Marks the items of the Janela menu that stand for open report windows.
constexpr const char* kJanelaAberta = "janelaAberta";

// A menu item of `janela` that runs `comando`, its shortcut valid in every window.
QAction* item(frmPrincipal& janela, QMenu* menu, const char* nome, const QString& legenda,
              void (frmPrincipal::*comando)(), const QKeySequence& atalho = QKeySequence()) {
    QAction* acao = menu->addAction(legenda);
    acao->setObjectName(QString::fromLatin1(nome));
    acao->setShortcut(atalho);
    acao->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(acao, &QAction::triggered, &janela, comando);
    return acao;
}

} // namespace

// Every toolbar command is also a menu item with its standard shortcut, beside the menu
// items of their own.
void MenusPrincipal::monta(frmPrincipal& janela) {
    menuArquivo(janela);
    menuJanela(janela);
    QMenu* mnuAlterar = janela.menuBar()->addMenu(QStringLiteral("A&lterar"));
    mnuAlterar->setObjectName(QStringLiteral("mnuAlterarNada"));
    item(janela, mnuAlterar, "mnuFontes", QStringLiteral("&Fontes…"),
         &frmPrincipal::cmdConfigurarFontes_Click);
    item(janela, mnuAlterar, "mnuConfiguraPrograma", QStringLiteral("Cálculos e &opções…"),
         &frmPrincipal::cmdConfiguraPrograma_Click);
    item(janela, mnuAlterar, "mnuAlterarConteudoDasAnalises",
         QStringLiteral("&Conteúdo das Análises"),
         &frmPrincipal::mnuAlterarConteudoDasAnalises_Click);
    item(janela, mnuAlterar, "mnuRestaurarTextosOriginais",
         QStringLiteral("&Restaurar textos originais…"),
         &frmPrincipal::mnuRestaurarTextosOriginais_Click);

    QMenu* mnuSobre = janela.menuBar()->addMenu(QStringLiteral("&Sobre"));
    mnuSobre->setObjectName(QStringLiteral("mnuSobre"));
    item(janela, mnuSobre, "mnuAjuda", QStringLiteral("&Ajuda"), &frmPrincipal::cmdAjuda_Click,
         QKeySequence(Qt::Key_F1));
    item(janela, mnuSobre, "mnuSobreEstePrograma", QStringLiteral("Sobre este Programa"),
         &frmPrincipal::mnuSobreEstePrograma_Click);
}

void MenusPrincipal::menuArquivo(frmPrincipal& janela) {
    QMenu* mnuArquivo = janela.menuBar()->addMenu(QStringLiteral("&Arquivo"));
    mnuArquivo->setObjectName(QStringLiteral("mnuArquivo"));
    item(janela, mnuArquivo, "mnuNovaAnalise", QStringLiteral("&Nova análise…"),
         &frmPrincipal::cmdCriaAnalise_Click, QKeySequence(QKeySequence::New));
    item(janela, mnuArquivo, "mnuImprimir", QStringLiteral("&Imprimir…"),
         &frmPrincipal::cmdImprimir_Click, QKeySequence(QKeySequence::Print));
    item(janela, mnuArquivo, "mnuSalvarPdf", QStringLiteral("Salvar como &PDF…"),
         &frmPrincipal::mnuSalvarPdf_Click, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    item(janela, mnuArquivo, "mnuExportar",
         QStringLiteral("&Exportar para a área de transferência"), &frmPrincipal::cmdExportar_Click,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    item(janela, mnuArquivo, "mnuExportarOdt", QStringLiteral("Exportar para editor de &textos…"),
         &frmPrincipal::mnuExportarOdt_Click);
    item(janela, mnuArquivo, "mnuClientes", QStringLiteral("C&lientes…"),
         &frmPrincipal::mnuClientes_Click, QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuArquivo->addSeparator();
    item(janela, mnuArquivo, "mnuConfigurarRodape",
         QStringLiteral("&Configurar Cabeçalho e Rodapé"),
         &frmPrincipal::mnuConfigurarRodape_Click);
    item(janela, mnuArquivo, "mnuEstudoNomes", QStringLiteral("Est&udo de nomes…"),
         &frmPrincipal::mnuEstudoNomes_Click);
    item(janela, mnuArquivo, "mnuCorrecaoNome", QStringLiteral("Correção &de nome…"),
         &frmPrincipal::mnuCorrecaoNome_Click);
    item(janela, mnuArquivo, "mnuCompatibilidade",
         QStringLiteral("Compatibilidade entre du&as pessoas…"),
         &frmPrincipal::mnuCompatibilidade_Click);
    item(janela, mnuArquivo, "mnuPrevisoes", QStringLiteral("Pre&visões do ano…"),
         &frmPrincipal::mnuPrevisoes_Click);
    mnuArquivo->addSeparator()->setObjectName(QStringLiteral("mnuNulo"));
    item(janela, mnuArquivo, "mnuFazerCopia", QStringLiteral("&Fazer cópia de segurança…"),
         &frmPrincipal::mnuFazerCopia_Click);
    item(janela, mnuArquivo, "mnuRestaurarCopia", QStringLiteral("&Restaurar cópia de segurança…"),
         &frmPrincipal::mnuRestaurarCopia_Click);
    mnuArquivo->addSeparator()->setObjectName(QStringLiteral("mnuNulo2"));
    item(janela, mnuArquivo, "mnuSair", QStringLiteral("&Sair"), &frmPrincipal::cmdSair_Click,
         QKeySequence(Qt::CTRL | Qt::Key_Q));
    item(janela, mnuArquivo, "mnuEncerrar", QStringLiteral("Encerrar Programa"),
         &frmPrincipal::mnuEncerrar_Click);
}

void MenusPrincipal::menuJanela(frmPrincipal& janela) {
    QMenu* mnuJanela = janela.menuBar()->addMenu(QStringLiteral("&Janela"));
    mnuJanela->setObjectName(QStringLiteral("mnuJanela"));
    item(janela, mnuJanela, "mnuJanelaLadoLado", QStringLiteral("Organizar &Lado a Lado"),
         &frmPrincipal::mnuJanelaLadoLado_Click);
    item(janela, mnuJanela, "mnuJanelaEmCascata", QStringLiteral("Organizar em &Cascata"),
         &frmPrincipal::mnuJanelaEmCascata_Click);
    // Below the two arrangements, one item per open report window, by its title (which names
    // its person), the window in front checked; choosing one brings it to the front.
    QObject::connect(mnuJanela, &QMenu::aboutToShow, &janela, [mnuJanela, &janela] {
        for (QAction* acao : mnuJanela->actions()) {
            if (acao->property(kJanelaAberta).toBool()) {
                mnuJanela->removeAction(acao);
                acao->deleteLater();
            }
        }
        QMdiArea* area = janela.areaRelatorios();
        const QList<QMdiSubWindow*> abertas = area->subWindowList();
        if (!abertas.isEmpty()) {
            mnuJanela->addSeparator()->setProperty(kJanelaAberta, true);
        }
        for (QMdiSubWindow* aberta : abertas) {
            QString titulo = aberta->windowTitle();
            QAction* acao = mnuJanela->addAction(titulo.replace(u'&', QStringLiteral("&&")));
            acao->setProperty(kJanelaAberta, true);
            acao->setCheckable(true);
            acao->setChecked(aberta == area->activeSubWindow());
            QObject::connect(acao, &QAction::triggered, area,
                             [area, aberta] { area->setActiveSubWindow(aberta); });
        }
    });
}

} // namespace vidalume
