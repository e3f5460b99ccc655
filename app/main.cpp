// Vidalume: the desktop program. It takes no arguments; everything it reads and writes lies
// in its own folder. main() joins the main window with the platform services and with the
// windows of the editor, the button help and the start-up and about windows.
#include "app/SomQt.h"
#include "app/auxiliares/ControleDicas.h"
#include "app/auxiliares/frmDicas.h"
#include "app/frmPrincipal.h"
#include "texts/GravacaoSegura.h"
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

void ligaDicas(Servicos& s, ControleDicas& dicas) {
    s.ajudaDoBotao = [&dicas](frmPrincipal&, const QString& nome, QWidget* botao) {
        if (botao != nullptr) {
            dicas.AjudaDoBotao(nome, *botao);
        }
    };
    s.fechaDicas = [&dicas] { dicas.descarregaDica(); };
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
    ligaDicas(servicos, dicas);

    frmPrincipal principal(pasta, std::move(servicos));
    principal.Form_Load();
    return QApplication::exec();
}
