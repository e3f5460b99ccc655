// Vidalume: the desktop program. It takes no arguments; everything it reads and writes lies
// in its own folder. main() joins the main window with the platform services and with the
// windows of the editor, the button help and the start-up and about windows.
#include "app/SomQt.h"
#include "app/auxiliares/ControleDicas.h"
#include "app/auxiliares/frmDicas.h"
#include "app/auxiliares/frmEntrada.h"
#include "app/auxiliares/frmSobre.h"
#include "app/frmPrincipal.h"
#include "printing/ui/frmImprimir.h"
#include "texts/GravacaoSegura.h"
#include "texts/ui/frmSelecionaAlteracao.h"
#include "widgets/MensagensQt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace vidalume;

namespace {

void instalaTraducao(QTranslator& traducao) {
    // Standard buttons and dialogs of Qt in Portuguese ("Sim", "Não", ...).
    if (traducao.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traducao);
    }
}

void ligaJanelas(Servicos& s, ControleDicas& dicas, Som& som) {
    s.mostraEntrada = [espera = s.aguarda](frmPrincipal& p) {
        frmEntrada entrada(p.pastaPrograma(), espera, &p);
        entrada.exec();
    };
    s.ajudaDoBotao = [&dicas](frmPrincipal&, const QString& nome, QWidget* botao) {
        if (botao != nullptr) {
            dicas.AjudaDoBotao(nome, *botao);
        }
    };
    s.fechaDicas = [&dicas] { dicas.descarregaDica(); };
    s.imprime = [](frmPrincipal& p) {
        Padrao& d = p.padrao();
        frmImprimir dialogo(&p, p.pastaPrograma(), *p.servicos().mensagens, p.impressora(),
                            d.Configuracao, d.CalculosSelecionados, d.FontesAnalise, d.LinhasRodape,
                            d.NomeAnalise, d.DataNascimento, p.servicos().hoje());
        dialogo.defineReferencia(d.DataReferencia);
        dialogo.exec();
    };
    s.alteraConteudo = [](frmPrincipal& p) {
        frmSelecionaAlteracao selecao(p.pastaPrograma(), &p);
        selecao.exec();
    };
    s.mostraSobre = [&som](frmPrincipal& p) {
        frmSobre sobre(
            p.pastaPrograma(), [&som](const QString& arquivo) { som.toca(arquivo, false); }, &p);
        sobre.exec();
    };
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QTranslator traducao;
    instalaTraducao(traducao);

    const QString pasta = QCoreApplication::applicationDirPath();
    // Hidden files left by saves that a crash or a kill interrupted.
    GravacaoSegura::limpaRestos(pasta);
    MensagensQt mensagens;
    SomQt som;
    ControleDicas dicas(pasta, nullptr);
    Servicos servicos = Servicos::doSistema(mensagens, som);
    ligaJanelas(servicos, dicas, som);

    frmPrincipal principal(pasta, std::move(servicos));
    principal.Form_Load();
    return QApplication::exec();
}
