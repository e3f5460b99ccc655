// The keyboard over every window of the program: no two controls of one window answer the
// same Alt+letter, every window class of gui/ and app/ is among those checked, and Alt with
// a letter that is no mnemonic types nothing.
#include "app/frmPrincipal.h"
#include "clients/CopiaCompleta.h"
#include "clients/FichaClientes.h"
#include "gui/auxiliares/frmDicas.h"
#include "gui/auxiliares/frmEntrada.h"
#include "gui/auxiliares/frmSobre.h"
#include "gui/clientes/frmClientes.h"
#include "gui/clientes/frmFichaCliente.h"
#include "gui/clientes/frmRestauraCopia.h"
#include "gui/comum/FiltroAlt.h"
#include "gui/configuracao/frmConfiguraFonte.h"
#include "gui/configuracao/frmConfiguraPrograma.h"
#include "gui/configuracao/frmConfiguraRodape.h"
#include "gui/configuracao/frmHarmonia.h"
#include "gui/configuracao/frmRestauraTextos.h"
#include "gui/configuracao/frmSecoesCabalisticas.h"
#include "gui/entrada/frmEntraCasal.h"
#include "gui/entrada/frmEntraNome.h"
#include "gui/estudos/frmCorrecaoNome.h"
#include "gui/estudos/frmEstudoNomes.h"
#include "gui/estudos/frmPrevisoes.h"
#include "gui/impressao/frmImprimir.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "gui/textos/frmAlteraForm.h"
#include "gui/textos/frmSelecionaAlteracao.h"
#include "settings/LinhasRodape.h"
#include "tests/app/AmbienteTeste.h"

#include "gui/comum/ArquivoGravado.h"
#include "gui/comum/MensagensQt.h"

#include <QPrinter>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

// The key a caption's "&" marks, upper-cased as Qt matches it; none without one ("&&" is a
// plain ampersand).
QChar mnemonico(const QString& texto) {
    for (qsizetype i = 0; i + 1 < texto.size(); ++i) {
        if (texto[i] == u'&') {
            if (texto[i + 1] != u'&') {
                return texto[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

// The captions of `janela` that take an Alt+letter: buttons, check boxes and options, labels
// of a control, group boxes and the menu bar's titles; not those of a window inside it.
QMultiMap<QChar, QString> mnemonicos(QWidget* janela) {
    QMultiMap<QChar, QString> teclas;
    const auto anota = [&](const QString& texto) {
        if (const QChar c = mnemonico(texto); !c.isNull()) {
            teclas.insert(c, texto);
        }
    };
    for (QWidget* w : janela->findChildren<QWidget*>()) {
        if (w->window() != janela) {
            continue;
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            anota(b->text());
        } else if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && l->buddy() != nullptr) {
            anota(l->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            anota(g->title());
        } else if (auto* m = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : m->actions()) {
                anota(a->text());
            }
        }
    }
    return teclas;
}

// Each window's clashes, as "window: X = caption, caption".
QStringList choques(QWidget* janela) {
    QStringList achados;
    const QMultiMap<QChar, QString> teclas = mnemonicos(janela);
    for (const QChar c : teclas.uniqueKeys()) {
        if (teclas.count(c) > 1) {
            achados << u"%1: %2 = %3"_s.arg(QString::fromLatin1(janela->metaObject()->className()),
                                            c, QStringList(teclas.values(c)).join(u", "_s));
        }
    }
    return achados;
}

// The window classes of the program's sources: each frm*.h of gui/ and app/.
QStringList classesDeJanela() {
    QStringList nomes;
    for (const char* pasta : {"gui", "app"}) {
        QDirIterator it(QStringLiteral(VIDALUME_FONTES "/") + QLatin1String(pasta), {u"frm*.h"_s},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            nomes << u"vidalume::"_s + it.nextFileInfo().completeBaseName();
        }
    }
    nomes.sort();
    return nomes;
}

} // namespace

class MnemonicosTest : public QObject {
    Q_OBJECT

private slots:
    void nenhumaJanelaTemDuasTeclasIguais() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        SomTeste som;
        FichaClientes ficha;
        QString erro;
        QVERIFY2(ficha.abre(pasta.caminho(), FichaClientes::Modo::Escrita, &erro),
                 qPrintable(erro));
        FontesAnalise fontes;
        Configuracao config;
        Configuracao::Selecao selecao = Configuracao::padraoCalculos();
        OpcoesMapa opcoesMapa;
        QPrinter impressora;
        Servicos s = Servicos::doSistema(mensagens, som);
        s.exibe = [](QDialog&) {};

        std::vector<std::unique_ptr<QWidget>> janelas;
        const auto poe = [&janelas](QWidget* janela) { janelas.emplace_back(janela); };
        poe(new frmPrincipal(pasta.caminho(), s));
        poe(new frmEntraNome(QString(), QString(), pasta.caminho(), mensagens));
        poe(new frmEntraCasal(mensagens));
        poe(new frmEstudoNomes(QString(), pasta.caminho(), mensagens,
                               frmEstudoNomes::ImprimeEstudo()));
        poe(new frmCorrecaoNome(pasta.caminho(), mensagens,
                                [](QWidget*, const CorrecaoNome&, const QList<int>&) {}));
        poe(new frmClientes(ficha, mensagens, LigacoesClientes()));
        poe(new frmFichaCliente(Cliente(), ficha, mensagens));
        poe(new frmImprimir(nullptr, pasta.caminho(), mensagens, &impressora, config,
                            Diagramacao()));
        poe(new frmConfiguraFonte(fontes, pasta.caminho(), mensagens, QStringList{u"Arial"_s}));
        TabelaHarmonia harmonia = TabelaHarmonia::padrao();
        poe(new frmConfiguraPrograma(config, selecao, opcoesMapa, mensagens, nullptr, &harmonia));
        poe(new frmHarmonia(harmonia));
        poe(new frmSecoesCabalisticas(opcoesMapa));
        poe(new frmPrevisoes(QString(), QString(), 2026, InicioAnoPessoal::Janeiro, mensagens));
        poe(new frmConfiguraRodape(LinhasRodape(), pasta.caminho(), mensagens));
        poe(new frmRestauraTextos(QStringList{u"CVIDA.DAT"_s}));
        const CopiaCompleta copia(pasta.caminho());
        poe(new frmRestauraCopia(copia));
        poe(new frmSelecionaAlteracao(pasta.caminho(), mensagens));
        poe(new frmAlteraForm(pasta.caminho(),
                              TextoEscolhido{u"CVIDA.DAT"_s, 1, u"Caminho da Vida"_s}, u"texto"_s,
                              mensagens));
        poe(new frmExibeRelatorio(QSize(1024, 768), LigacoesRelatorio()));
        poe(new frmSobre(pasta.caminho()));
        poe(new frmEntrada(pasta.caminho()));
        poe(new frmDicas(pasta.caminho()));

        QStringList vistas;
        QStringList achados;
        for (const auto& janela : janelas) {
            vistas << QString::fromLatin1(janela->metaObject()->className());
            achados << choques(janela.get());
        }
        vistas.sort();
        QCOMPARE(vistas, classesDeJanela());
        QVERIFY2(achados.isEmpty(), qPrintable(achados.join(u"\n"_s)));
    }

    // The message boxes the program builds with its own buttons: every button has a key,
    // none twice, and Enter after a save only acknowledges it (nothing is opened).
    void caixasDoProgramaTemTeclas() {
        MensagensQt caixas;
        QStringList achados;
        quandoAbrir<QMessageBox>([&achados](QMessageBox* caixa) {
            achados << choques(caixa);
            for (QAbstractButton* b : caixa->buttons()) {
                if (mnemonico(b->text()).isNull()) {
                    achados << u"sem tecla: "_s + b->text();
                }
            }
            QTest::keyClick(caixa, Qt::Key_Return);
        });
        bool abriu = false;
        ArquivoGravado::avisa(nullptr, caixas, u"A análise foi gravada"_s, u"/tmp/a.pdf"_s,
                              [&abriu](const QUrl&) { return abriu = true; });
        QVERIFY(!abriu);
        QVERIFY2(achados.isEmpty(), qPrintable(achados.join(u"\n"_s)));
    }

    // Alt+J, no key of the study, adds no name; Alt+A still presses "Adicionar".
    void altSemMnemonicoNaoDigita() {
        FiltroAlt::instala(*QCoreApplication::instance());
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmEstudoNomes estudo(u"29/11/1978"_s, pasta.caminho(), mensagens,
                              frmEstudoNomes::ImprimeEstudo());
        estudo.show();
        QVERIFY(QTest::qWaitForWindowActive(&estudo));
        auto* nome = filho<QLineEdit>(&estudo, u"txtNome"_s);
        nome->setFocus();
        QTest::keyClick(nome, Qt::Key_J, Qt::AltModifier);
        QTest::keyClick(nome, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(nome->text(), QString());
        QVERIFY(estudo.nomes().isEmpty());
        QTest::keyClicks(nome, u"Ana Maria"_s);
        QTest::keyClick(nome, Qt::Key_J, Qt::AltModifier);
        QCOMPARE(estudo.nomes(), QStringList{u"Ana Maria"_s});
        QTest::keySequence(&estudo, QKeySequence(Qt::ALT | Qt::Key_A));
        QTRY_COMPARE(estudo.nomes().size(), 2);
    }
};

QTEST_MAIN(MnemonicosTest)
#include "MnemonicosTest.moc"
