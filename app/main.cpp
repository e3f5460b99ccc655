// Vidalume: the desktop program. It takes no arguments; what it reads and writes lies in the
// data folder PastaDados resolves (its own folder when portable, the user's folder when
// installed). main() joins the main window with the platform services and the button help.
//
// With the environment variable VIDALUME_ENCERRAR_AO_ABRIR=1 the program prepares its data
// folder, loads and shows the main window without the start-up window, then closes it at
// once as the user would, saving its settings: the package check uses it to start the
// installed program unattended.
#include "app/SomQt.h"
#include "app/frmPrincipal.h"
#include "gui/auxiliares/ControleDicas.h"
#include "gui/auxiliares/frmDicas.h"
#include "gui/comum/FiltroAlt.h"
#include "gui/comum/MensagensQt.h"
#include "settings/PastaDados.h"
#include "settings/TextosOriginais.h"
#include "texts/GravacaoSegura.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
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
    FiltroAlt::instala(aplicacao);

    MensagensQt mensagens;
    QString erro;
    const auto local = PastaDados::doPrograma(&erro);
    if (!local) {
        mensagens.informa(nullptr, QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return 1;
    }
    const QString pasta = local->dados;
    PastaDados::usaRecursos(local->recursos);
    // Hidden files left by saves that a crash or a kill interrupted.
    GravacaoSegura::limpaRestos(pasta);
    SomQt som;
    ControleDicas dicas(pasta, nullptr);
    Servicos servicos = Servicos::doSistema(mensagens, som);
    servicos.pastaOriginais = TextosOriginais::origem(local->originais);
    ligaDicas(servicos, dicas);
    const bool encerraAoAbrir = qEnvironmentVariableIntValue("VIDALUME_ENCERRAR_AO_ABRIR") == 1;
    if (encerraAoAbrir) {
        servicos.exibe = [](QDialog&) {}; // no start-up window, no dialog
    }

    // A folder of an older version lacks the newer texts: they come from the program, once.
    QString erroTextos;
    const QStringList recriados =
        TextosOriginais::recriaFaltantes(servicos.pastaOriginais, pasta, &erroTextos);
    frmPrincipal principal(pasta, std::move(servicos));
    principal.Form_Load();
    if (!recriados.isEmpty() && !encerraAoAbrir) {
        mensagens.informa(&principal, QStringLiteral("Informação:"),
                          TextosOriginais::avisoRecriados(recriados), Mensagens::Icone::Informacao);
    }
    if (!erroTextos.isEmpty() && !encerraAoAbrir) {
        mensagens.informa(&principal, QStringLiteral("Erro:"), erroTextos,
                          Mensagens::Icone::Critico);
    }
    if (encerraAoAbrir) {
        QTimer::singleShot(0, &principal, &QWidget::close);
    }
    return QApplication::exec();
}
