// The main window: start-up, creating analyses, page navigation, the commands on the window in
// front, the footer lines read back after their dialog, the shipped texts and the backup
// through the menus, and the three ways out of the program.
#include "app/GeometriaPrincipal.h"
#include "app/frmPrincipal.h"
#include "clients/FichaClientes.h"
#include "composer/ComporAnalise.h"
#include "composer/TextoExportacao.h"
#include "gui/auxiliares/DicasBotoes.h"
#include "gui/clientes/frmRestauraCopia.h"
#include "gui/configuracao/frmConfiguraRodape.h"
#include "gui/configuracao/frmRestauraTextos.h"
#include "gui/entrada/frmEntraNome.h"
#include "gui/impressao/frmImprimir.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/Margens.h"
#include "tests/app/AmbienteTeste.h"
#include "texts/ArquivoInterpretacao.h"

#include <QPrinter>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

const QDate kHoje(2024, 3, 15);

// A main window in its own program folder, with every service recorded.
struct Programa {
    PastaPrograma pasta;
    MensagensTeste mensagens;
    SomTeste som;
    int bipes = 0, encerramentos = 0, telasDeEntrada = 0, impressoras = 0, dicasFechadas = 0;
    // The help names shown, "name|date" of each layout, the name in memory when the print
    // dialog opened.
    QStringList ajudasMostradas, pedidos, impressos;
    QList<QUrl> enderecos;
    bool navegador = true; // whether a browser opens the help page
    QTemporaryDir copias;  // where the backup archive goes
    std::unique_ptr<frmPrincipal> janela;
    frmPrincipal& j;

    // Started at once unless told otherwise; with a printer when asked (a PDF printer
    // stands for it).
    explicit Programa(bool iniciar = true, bool comImpressora = false)
        : janela(std::make_unique<frmPrincipal>(pasta.caminho(), servicos(comImpressora))),
          j(*janela) {
        if (iniciar) {
            j.Form_Load();
        }
    }

    Servicos servicos(bool comImpressora) {
        Servicos s = Servicos::doSistema(mensagens, som);
        s.hoje = [] { return kHoje; };
        s.bipe = [this] { ++bipes; };
        s.tamanhoTela = [] { return QSize(1600, 1000); };
        s.abreEndereco = [this](const QUrl& u) {
            enderecos << u;
            return navegador;
        };
        s.encerra = [this] { ++encerramentos; };
        s.preparaImpressora = [this, comImpressora] {
            ++impressoras;
            auto impressora = std::make_unique<QPrinter>();
            impressora->setOutputFileName(pasta.arquivo(u"impressora.pdf"_s));
            return comImpressora ? std::move(impressora) : std::unique_ptr<QPrinter>();
        };
        s.paginas = [this](const Diagramacao& d, float larguraMm, const QColor&) {
            pedidos << d.NomeAnalise + u'|' + d.DataNascimento;
            return paginasDeTeste(3, larguraMm);
        };
        // The start-up window and the print dialog are counted, not shown; every other
        // window is shown for the test to drive.
        s.exibe = [this](QDialog& janela) {
            if (janela.objectName() == u"frmEntrada"_s) {
                ++telasDeEntrada;
            } else if (janela.objectName() == u"frmImprimir"_s) {
                impressos << j.padrao().Pedido.NomeAnalise;
            } else {
                janela.exec();
            }
        };
        s.fechaDicas = [this] { ++dicasFechadas; };
        s.ajudaDoBotao = [this](frmPrincipal&, const QString& nome, QWidget*) {
            ajudasMostradas << nome;
        };
        s.pastaOriginais = QStringLiteral(VIDALUME_DADOS_TESTE);
        s.agora = [] { return QDateTime(kHoje, QTime(9, 30)); };
        s.escolheCopia = [this](QWidget*, bool, const QString&) {
            return copias.filePath(u"copia.zip"_s);
        };
        return s;
    }

    // Creates an analysis through the entry dialog; an empty name cancels the dialog.
    void cria(const QString& nome, const QString& data) {
        quandoAbrir<frmEntraNome>([nome, data](frmEntraNome* d) {
            filho<QLineEdit>(d, u"txtNome"_s)->setText(nome);
            filho<QLineEdit>(d, u"txtDataNasc"_s)->setText(data);
            clica(d, nome.isEmpty() ? u"cmdCancelar"_s : u"cmdOk"_s);
        });
        j.cmdCriaAnalise_Click();
    }
    // Two analyses in two windows: No to closing the first one.
    void criaDuas() {
        cria(u"Primeira Pessoa"_s, u"01/01/1990"_s);
        mensagens.respostas = {false};
        cria(u"Segunda Pessoa"_s, u"02/02/1992"_s);
    }
    void ativa(bool primeira) {
        const QList<QMdiSubWindow*> janelas = j.areaRelatorios()->subWindowList();
        j.areaRelatorios()->setActiveSubWindow(primeira ? janelas.first() : janelas.last());
    }

    QString status() const { return filho<QLabel>(&j, u"lblInfoNavega"_s)->text(); }
    int relatorios() const { return int(j.relatorios().size()); }
};

} // namespace

class PrincipalTest : public QObject {
    Q_OBJECT

private slots:
    // Start-up, the commands before any analysis, creating one and turning its pages.
    void iniciarCriarENavegar() {
        Programa p;
        QCOMPARE(p.pasta.conteudo(FontesAnalise::kArquivo).size(), 168);
        QCOMPARE(p.telasDeEntrada + p.impressoras, 2);
        // Without an analysis each command says so and does nothing else.
        p.j.picAvanca_Click();
        p.j.cmdExportar_Click();
        p.j.cmdImprimir_Click();
        QCOMPARE(p.mensagens.mostradas.size(), 3);
        QVERIFY(p.impressos.isEmpty() && p.bipes == 0);

        p.cria(u"João d'Ávila"_s, u"20/8/78"_s);
        QCOMPARE(p.pedidos, QStringList{u"JOÃO D'ÁVILA|20/08/1978"_s});
        QCOMPARE(p.j.padrao().Analise,
                 ComporAnalise::compoe(u"JOÃO D'ÁVILA"_s, u"20/08/1978"_s, kHoje,
                                       ArquivoInterpretacao(p.pasta.caminho())));
        // The waiting sound loops until the first page replaces it.
        QCOMPARE(p.som.tocados, (QStringList{"welcomeb.wav", "aguarda.wav+", "virafolh.wav"}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        QTest::mouseClick(filho(&p.j, u"picVolta"_s), Qt::LeftButton); // before the first: a beep
        QTest::mouseClick(filho(&p.j, u"picAvanca"_s), Qt::LeftButton);
        p.j.picAvanca_Click();
        QCOMPARE(p.bipes, 1);
        QCOMPARE(p.status(), u"Navegando: Página 3 de 3"_s);
    }

    // Without sounds nothing plays; a damaged margins file is named once, not at each analysis.
    void semSonsEMargensDanificadas() {
        Programa p(false);
        QVERIFY((Configuracao{.EscutarSons = 0}).GravaConfiguracao(p.pasta.caminho()));
        p.pasta.escreve(Margens::kArquivo, QByteArray("\0\0\xA0\xC0", 4)); // left -5 mm
        p.j.Form_Load();
        p.cria(u"Ana Luz"_s, u"01/01/1990"_s);
        p.cria(u"Bia Luz"_s, u"01/01/1990"_s);
        p.j.picAvanca_Click();
        QCOMPARE(p.som.tocados, QStringList{u"welcomeb.wav"_s});
        const QStringList avisos = p.mensagens.mostradas.filter(Margens::kArquivo);
        QCOMPARE(avisos.size(), 1);
        QVERIFY(avisos[0].startsWith(u"Atenção:|O arquivo margens.dat tem margens"_s));
    }

    // With two windows open the commands act on the one in front; creating another asks to
    // close it first.
    void duasAnalisesEAJanelaDaFrente() {
        Programa p;
        p.j.padrao().Configuracao.ImprimirNumero = -1;
        p.j.padrao().CalculosSelecionados[3] = 0;
        p.criaDuas();
        QCOMPARE(p.mensagens.mostradas, QStringList{mensagem(u"Advertência:"_s, frmPrincipal::kM1,
                                                             Icone::Pergunta, true)});
        p.ativa(true);
        p.j.picAvanca_Click();
        QCOMPARE(p.j.relatorios().first()->PaginaExibida(), 2);
        QCOMPARE(p.j.relatorios().last()->PaginaExibida(), 1);

        // Export: exactly the composed text of the analysis in front, with the settings in memory.
        p.j.cmdExportar_Click();
        const Analise esperada = ComporAnalise::compoe(u"PRIMEIRA PESSOA"_s, u"01/01/1990"_s, kHoje,
                                                       ArquivoInterpretacao(p.pasta.caminho()));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 TextoExportacao::monta(esperada, p.j.padrao().Configuracao,
                                        p.j.padrao().CalculosSelecionados,
                                        p.j.padrao().OpcoesMapa));

        // Printing takes the name and date of the window in front into memory.
        p.ativa(false);
        p.j.cmdImprimir_Click();
        QCOMPARE(p.impressos, QStringList{u"SEGUNDA PESSOA"_s});

        p.cria(u"Terceira Pessoa"_s, u"03/03/1993"_s); // Yes: the window in front closes
        QTRY_COMPARE(p.relatorios(), 2);
        // Cancelling after Yes leaves the old window closed and nothing new.
        p.cria(QString(), QString());
        QTRY_COMPARE(p.relatorios(), 1);
        QCOMPARE(p.j.padrao().Pedido.NomeAnalise, u"Descartar"_s);
        QCOMPARE(p.pedidos.size(), 3);

        // Five tiles reach the area's corner; a long cascade starts over inside the area.
        const QRect area(0, 0, 900, 600);
        QCOMPARE(GeometriaPrincipal::ladoALado(area, 5)[4].bottomRight(), area.bottomRight());
        for (const QRect& r : GeometriaPrincipal::cascata(area, 12, 20)) {
            QVERIFY(area.contains(r));
        }
    }

    // A dialog that closes right after a message box of its own (the header and footer Ok,
    // a print that says where it went) gives the keyboard back to the main window: Ctrl+N
    // works without a click.
    void tecladoVoltaAJanelaAposDialogoComMensagem() {
        Programa p;
        p.j.show();
        p.j.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.j));
        p.j.servicos().exibe = [](QDialog& janela) {
            QTimer::singleShot(0, &janela, [&janela] {
                QMessageBox caixa(QMessageBox::Information, u"Informação:"_s, u"Gravado."_s,
                                  QMessageBox::Ok, &janela);
                QTimer::singleShot(0, &caixa, &QMessageBox::accept);
                caixa.exec();
                janela.accept();
            });
            janela.exec();
        };
        p.j.mnuConfigurarRodape_Click();
        QTRY_COMPARE(QApplication::activeWindow(), &p.j);
        int entradas = 0;
        p.j.servicos().exibe = [&entradas](QDialog& janela) {
            entradas += janela.objectName() == u"frmEntraNome"_s;
        };
        QTest::keySequence(QApplication::activeWindow(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(entradas, 1);
    }

    // The footer dialog writes its file and the lines in memory are read back from it.
    void rodapeVoltaDoArquivoParaAMemoria() {
        Programa p;
        quandoAbrir<frmConfiguraRodape>([](frmConfiguraRodape* d) {
            filho<QLineEdit>(d, u"txtRodapeLinhaUm"_s)->setText(u"Consultório Luz"_s);
            clica(d, u"cmdOk"_s);
        });
        p.j.mnuConfigurarRodape_Click();
        QCOMPARE(p.j.padrao().LinhasRodape.RodapeLinhaUm, u"Consultório Luz"_s);
    }

    // No keeps the edited text; Yes puts the shipped one back and keeps the edited one in a
    // dated copy.
    void restaurarTextosOriginais() {
        Programa p;
        p.pasta.escreve(u"CVIDA.DAT"_s, "meu texto");
        const auto restaura = [&p] {
            quandoAbrir<frmRestauraTextos>([](frmRestauraTextos* d) {
                auto* cmb = filho<QComboBox>(d, u"cmbArquivo"_s);
                cmb->setCurrentIndex(cmb->findText(u"Caminho da Vida (CVIDA.DAT)"_s));
                clica(d, u"cmdOk"_s);
            });
            filho<QAction>(&p.j, u"mnuRestaurarTextosOriginais"_s)->trigger();
        };
        p.mensagens.respostas = {false};
        restaura();
        QVERIFY(p.mensagens.mostradas.last().endsWith(u"?(não)"_s)); // No is the default
        QCOMPARE(p.pasta.conteudo(u"CVIDA.DAT"_s), QByteArray("meu texto"));

        restaura();
        QFile shipped(QStringLiteral(VIDALUME_DADOS_TESTE "/CVIDA.DAT"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(p.pasta.conteudo(u"CVIDA.DAT"_s), shipped.readAll());
        QCOMPARE(p.pasta.conteudo(u"CVIDA.DAT.copia-2024-03-15-093000"_s), QByteArray("meu texto"));
        const QString copiaFeita = ComandosArquivo::kTextosGuardados.arg(
            QDir::toNativeSeparators(p.pasta.caminho()), u"CVIDA.DAT.copia-2024-03-15-093000"_s);
        QCOMPARE(
            p.mensagens.mostradas.last(),
            mensagem(u"Informação:"_s,
                     ComandosArquivo::kOriginaisRestaurados.arg(u"CVIDA.DAT"_s) + u' ' + copiaFeita,
                     Icone::Informacao));
        // A missing file is written back, and the message names no copy.
        QVERIFY(QFile::remove(p.pasta.arquivo(u"CVIDA.DAT"_s)));
        restaura();
        QCOMPARE(p.mensagens.mostradas.last(),
                 mensagem(u"Informação:"_s,
                          ComandosArquivo::kOriginaisRestaurados.arg(u"CVIDA.DAT"_s),
                          Icone::Informacao));
        QVERIFY(QFile::exists(p.pasta.arquivo(u"CVIDA.DAT"_s)));
    }

    // The backup holds the settings in use and the client file; restoring it brings the
    // settings back into memory too, so the way out does not write over what was restored, and
    // the dialog says what will be replaced and lets the client file stay or go alone.
    void copiaDeSegurancaPeloMenu() {
        Programa p;
        const bool numero = Configuracao::ligado(p.j.padrao().Configuracao.ImprimirNumero);
        p.j.padrao().CalculosSelecionados[5] = 0;
        QString erro;
        const auto guardaCliente = [&p, &erro](const QString& nome) {
            FichaClientes ficha;
            QVERIFY(ficha.abre(p.pasta.caminho(), FichaClientes::Modo::Escrita, &erro));
            Cliente c;
            c.nome = nome;
            c.nascimento = QDate(1980, 1, 1);
            QVERIFY2(ficha.salva(c, &erro), qPrintable(erro));
        };
        const auto clientes = [&p, &erro] {
            FichaClientes ficha;
            return ficha.abre(p.pasta.caminho(), FichaClientes::Modo::Leitura, &erro)
                       ? ficha.total(&erro)
                       : qint64(-1);
        };
        guardaCliente(u"Cliente Antes Da Copia"_s);
        filho<QAction>(&p.j, u"mnuFazerCopia"_s)->trigger();
        QVERIFY(QFileInfo::exists(p.copias.filePath(u"copia.zip"_s)));
        QVERIFY(p.mensagens.mostradas.last().contains(u"ficha de clientes"_s));
        QVERIFY(!Configuracao::ligado(Configuracao::le(p.pasta.caminho()).CalculosAtivos[5]));

        p.j.padrao().CalculosSelecionados[5] = -1;
        p.j.padrao().Configuracao.ImprimirNumero = Configuracao::flag(!numero);
        p.pasta.escreve(u"CVIDA.DAT"_s, "depois da cópia");
        guardaCliente(u"Cliente Depois Da Copia"_s);
        const auto restaura = [&p](const QString& opcao, bool aceita) {
            QString pergunta;
            quandoAbrir<frmRestauraCopia>([&pergunta, opcao, aceita](frmRestauraCopia* d) {
                filho<QRadioButton>(d, opcao)->setChecked(true);
                pergunta = filho<QLabel>(d, u"lblPergunta"_s)->text();
                clica(d, aceita ? u"cmdOk"_s : u"cmdCancelar"_s);
            });
            filho<QAction>(&p.j, u"mnuRestaurarCopia"_s)->trigger();
            return pergunta;
        };
        // Cancelled: nothing changes.
        QString pergunta = restaura(u"optTudo"_s, false);
        QVERIFY2(pergunta.contains(u"feita em 15/03/2024 às 09:30"_s), qPrintable(pergunta));
        QVERIFY2(pergunta.contains(u"a da cópia tem 1 cliente; a deste computador tem hoje 2 "
                                   u"clientes"_s),
                 qPrintable(pergunta));
        QCOMPARE(p.pasta.conteudo(u"CVIDA.DAT"_s), QByteArray("depois da cópia"));

        // Texts and settings without the client file.
        pergunta = restaura(u"optSemClientes"_s, true);
        QVERIFY(pergunta.contains(u"fica como está"_s));
        QVERIFY(p.pasta.conteudo(u"CVIDA.DAT"_s) != QByteArray("depois da cópia"));
        QCOMPARE(p.pasta.conteudo(u"CVIDA.DAT.copia-2024-03-15-093000"_s),
                 QByteArray("depois da cópia"));
        QCOMPARE(clientes(), qint64(2));
        QCOMPARE(Configuracao::ligado(p.j.padrao().Configuracao.ImprimirNumero), numero);
        QVERIFY(p.mensagens.mostradas.last().startsWith(
            u"Informação:|A cópia de segurança foi restaurada ("_s));

        // The client file alone.
        restaura(u"optSoClientes"_s, true);
        QCOMPARE(clientes(), qint64(1));
        QVERIFY2(p.mensagens.mostradas.last().contains(u"com a ficha de clientes: 1 cliente)"_s),
                 qPrintable(p.mensagens.mostradas.last()));
        QVERIFY(QFileInfo::exists(p.pasta.arquivo(u"clientes.sqlite.copia-2024-03-15-093000"_s)));
        p.j.close();
        QVERIFY(!Configuracao::ligado(Configuracao::le(p.pasta.caminho()).CalculosAtivos[5]));
    }

    void ajudaDoProgramaEDosBotoes() {
        Programa p;
        p.mensagens.respostas = {false};
        p.j.cmdAjuda_Click();
        QVERIFY(p.enderecos.isEmpty());
        p.j.cmdAjuda_Click();
        QCOMPARE(p.mensagens.mostradas.size(), 2); // asked each time
        QCOMPARE(p.enderecos, QList<QUrl>{QUrl::fromLocalFile(p.pasta.arquivo(u"ajuda.html"_s))});
        // Without a browser the program says so instead of failing silently.
        p.navegador = false;
        p.j.cmdAjuda_Click();
        QVERIFY(
            p.mensagens.mostradas.last().startsWith(u"Atenção:|Não foi possível abrir a ajuda"_s));

        // The help of a toolbar button shows when the pointer reaches it, and the toolbar's
        // background takes it away.
        QTest::mouseMove(filho(&p.j, u"cmdCriaAnalise"_s), QPoint(10, 10));
        QTRY_COMPARE(p.ajudasMostradas, QStringList{u"Criar"_s});
        QTest::mouseMove(filho(&p.j, u"picMenu"_s), QPoint(600, 20));
        QTRY_COMPARE(p.j.BotaoComAjuda(), frmPrincipal::kNenhum);
        QVERIFY(p.dicasFechadas >= 1);
    }

    // The help page names every command of the menus, as the menu shows it (without its
    // mnemonic and its "…"), so a new command comes with its help.
    void ajudaNomeiaCadaComandoDosMenus() {
        Programa p;
        QFile arquivo(QStringLiteral(VIDALUME_AJUDA));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QTextDocument pagina;
        pagina.setHtml(QString::fromUtf8(arquivo.readAll()));
        const QString texto = pagina.toPlainText().simplified();
        const auto semMarcas = [](QString nome) {
            nome.remove(QRegularExpression(u"&(?!&)"_s));
            return nome.remove(u'…').remove(u"..."_s).simplified();
        };
        QStringList ausentes;
        for (QAction* menu : p.j.menuBar()->actions()) {
            QStringList nomes{menu->text()};
            for (QAction* acao : menu->menu()->actions()) {
                if (!acao->isSeparator() && acao->objectName().startsWith(u"mnu"_s)) {
                    nomes << acao->text();
                }
            }
            for (const QString& nome : nomes) {
                if (!texto.contains(semMarcas(nome))) {
                    ausentes << semMarcas(nome);
                }
            }
        }
        QVERIFY2(ausentes.isEmpty(), qPrintable(ausentes.join(u", "_s)));
    }

    // The shortcuts reach their commands, each mnemonic letter of a menu reaches one item,
    // and screen readers get a name and the help sentence of each control.
    void atalhosMenusENomesAcessiveis() {
        Programa p;
        for (QAction* menu : p.j.menuBar()->actions()) {
            QStringList letras;
            for (QAction* acao : menu->menu()->actions()) {
                const qsizetype e = acao->text().indexOf(u'&');
                if (e >= 0 && e + 1 < acao->text().size()) {
                    const QString letra = acao->text().mid(e + 1, 1).toLower();
                    QVERIFY2(!letras.contains(letra), qPrintable(acao->text()));
                    letras << letra;
                }
            }
        }

        // The keys reach the commands: without an analysis the commands say so; F1 and Ctrl+Q
        // ask first.
        p.j.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.j));
        QTest::keySequence(&p.j, QKeySequence(Qt::CTRL | Qt::Key_P));
        QTest::keySequence(&p.j, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        QTest::keySequence(&p.j, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        QCOMPARE(p.mensagens.mostradas.size(), 3);
        QCOMPARE(p.mensagens.mostradas[1],
                 mensagem(u"Informação:"_s, ComandosArquivo::kSemAnalise.arg(u"salvar em PDF"_s),
                          Mensagens::Icone::Informacao));
        p.mensagens.respostas = {false, false};
        QTest::keyClick(&p.j, Qt::Key_F1);
        QTest::keySequence(&p.j, QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(p.mensagens.mostradas.size(), 5);
        QCOMPARE(p.encerramentos, 0);

        for (const char* nome : {"cmdCriaAnalise", "cmdImprimir", "cmdConfigurarFontes",
                                 "cmdConfiguraPrograma", "cmdAjuda", "cmdExportar", "cmdSair"}) {
            auto* botao = filho<QPushButton>(&p.j, QString::fromLatin1(nome));
            QVERIFY2(!botao->accessibleName().isEmpty(), nome);
            QCOMPARE(botao->accessibleDescription(),
                     DicasBotoes::texto(botao->property("nomeAjuda").toString()));
            QVERIFY(!botao->accessibleDescription().isEmpty());
            QVERIFY(botao->toolTip().isEmpty()); // the button help window has the place
        }
        for (const char* nome : {"picVolta", "picAvanca"}) {
            QVERIFY(!filho(&p.j, QString::fromLatin1(nome))->accessibleName().isEmpty());
        }
    }

    // Salvar como PDF with a printer present: the analysis of the active window, with the
    // margins and options the print dialog kept, in the documents folder under the batch's
    // file name; giving up the file dialog writes nothing.
    void salvarComoPdfEExportarOdt() {
        Programa p(true, true);
        QVERIFY(p.j.impressora() != nullptr);
        QVERIFY((Margens{30, 10, 30, 10}).GravaMargens(p.pasta.caminho()));
        p.cria(u"Maria da Silva"_s, u"29/11/1978"_s);
        QStringList sugestoes;
        QString destino;
        p.j.servicos().escolheArquivo = [&](QWidget*, const QString& titulo,
                                            const QString& sugestao, const QString&) {
            sugestoes << titulo + u'|' + QFileInfo(sugestao).fileName();
            return destino;
        };
        filho<QAction>(&p.j, u"mnuSalvarPdf"_s)->trigger();
        QCOMPARE(sugestoes, QStringList{u"Salvar análise em PDF|MARIA_DA_SILVA_29-11-1978.pdf"_s});
        QVERIFY(QDir(p.pasta.caminho()).entryList({u"*.pdf"_s}).isEmpty());

        destino = p.pasta.arquivo(u"cliente.pdf"_s);
        filho<QAction>(&p.j, u"mnuSalvarPdf"_s)->trigger();
        const QByteArray pdf = p.pasta.conteudo(u"cliente.pdf"_s);
        QVERIFY(pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF"));

        destino = p.pasta.arquivo(u"cliente.odt"_s);
        filho<QAction>(&p.j, u"mnuExportarOdt"_s)->trigger();
        QCOMPARE(sugestoes.last(),
                 u"Exportar para editor de textos|MARIA_DA_SILVA_29-11-1978.odt"_s);
        QVERIFY(p.pasta.conteudo(u"cliente.odt"_s).startsWith("PK"));
        // Each save says where the file went; asked to, the file or its folder opens.
        QCOMPARE(p.mensagens.mostradas.size(), 2);
        QVERIFY(p.mensagens.mostradas[0].contains(p.pasta.arquivo(u"cliente.pdf"_s)));
        QVERIFY(p.mensagens.mostradas[1].startsWith(
            u"Informação:|A análise foi exportada para o editor de textos em:"_s));
        QVERIFY(p.enderecos.isEmpty());
        p.mensagens.escolhas = {0, 1};
        filho<QAction>(&p.j, u"mnuExportarOdt"_s)->trigger();
        destino = p.pasta.arquivo(u"cliente.pdf"_s);
        filho<QAction>(&p.j, u"mnuSalvarPdf"_s)->trigger();
        QCOMPARE(p.enderecos, (QList<QUrl>{QUrl::fromLocalFile(p.pasta.arquivo(u"cliente.odt"_s)),
                                           QUrl::fromLocalFile(p.pasta.caminho())}));

        // Neither a save nor a backup aimed at the client file replaces it.
        destino = p.pasta.arquivo(FichaClientes::kArquivo);
        p.pasta.escreve(FichaClientes::kArquivo, "ficha");
        p.j.servicos().escolheCopia = [&](QWidget*, bool, const QString&) { return destino; };
        for (const char* acao : {"mnuSalvarPdf", "mnuFazerCopia"}) {
            filho<QAction>(&p.j, QString::fromLatin1(acao))->trigger();
            QVERIFY(p.mensagens.mostradas.last().startsWith(u"Erro:|\""_s + destino));
        }
        QCOMPARE(p.pasta.conteudo(FichaClientes::kArquivo), QByteArray("ficha"));
    }

    // The Janela menu lists each open analysis by its person, the one in front checked, and
    // brings the one chosen to the front.
    void menuJanelaNomeiaCadaAnalise() {
        Programa p;
        p.criaDuas();
        auto* menu = filho<QMenu>(&p.j, u"mnuJanela"_s);
        const auto itens = [menu] {
            emit menu->aboutToShow();
            QStringList textos;
            for (QAction* a : menu->actions()) {
                if (a->isCheckable()) {
                    textos << a->text() + (a->isChecked() ? u" *"_s : QString());
                }
            }
            return textos;
        };
        const QString titulo = u"Relatório de Análise Numerológica — "_s;
        QCOMPARE(itens(),
                 (QStringList{titulo + u"PRIMEIRA PESSOA"_s, titulo + u"SEGUNDA PESSOA *"_s}));
        for (QAction* a : menu->actions()) {
            if (a->text().endsWith(u"PRIMEIRA PESSOA"_s)) {
                a->trigger();
            }
        }
        QCOMPARE(p.j.relatorioAtivo()->pedido().NomeAnalise, u"PRIMEIRA PESSOA"_s);
        QCOMPARE(itens(),
                 (QStringList{titulo + u"PRIMEIRA PESSOA *"_s, titulo + u"SEGUNDA PESSOA"_s}));
    }

    // The printers are read each time the print dialog opens: a printer installed, or made
    // the default, while the program runs is offered by its description.
    void impressorasLidasAoAbrirOImprimir() {
        Programa p(true, false);
        QList<ListaImpressoras::Impressora> instaladas;
        bool haPadrao = false;
        p.j.servicos().impressoras = [&] { return instaladas; };
        p.j.servicos().preparaImpressora = [&] {
            // A default printer without a queue name, whatever the machine has installed.
            auto impressora = std::make_unique<QPrinter>();
            impressora->setOutputFormat(QPrinter::PdfFormat);
            return haPadrao ? std::move(impressora) : std::unique_ptr<QPrinter>();
        };
        QList<QStringList> listas;
        p.j.servicos().exibe = [&](QDialog& janela) {
            if (janela.objectName() == u"frmEntraNome"_s) {
                janela.exec();
                return;
            }
            listas << itens(filho<QComboBox>(&janela, u"cmbImpressora"_s));
        };
        p.cria(u"Maria da Silva"_s, u"29/11/1978"_s);
        p.j.cmdImprimir_Click();
        instaladas = {{u"Laser_Sala"_s, u"Laser da Sala"_s}, {u"PDF"_s, u"Cups PDF"_s}};
        haPadrao = true;
        p.j.cmdImprimir_Click();
        // (Without a print system the default printer keeps no queue name: it is offered as
        // "Impressora padrão" before the others.)
        QCOMPARE(listas, (QList<QStringList>{{frmImprimir::kSalvarComoPdf},
                                             {frmImprimir::kImpressoraPadrao, u"Laser da Sala"_s,
                                              u"Cups PDF"_s, frmImprimir::kSalvarComoPdf}}));
    }

    // Sair after its question, Encerrar at once and the frame's close each write the settings
    // in memory; No to the question writes nothing.
    void asTresSaidasGravam() {
        for (int saida = 0; saida < 3; ++saida) {
            Programa p;
            const QByteArray inicial = p.pasta.conteudo(Configuracao::kArquivo);
            p.j.padrao().CalculosSelecionados[5] = 0;
            if (saida == 0) {
                p.mensagens.respostas = {false};
                p.j.cmdSair_Click();
                QCOMPARE(p.mensagens.mostradas.size(), 1);
                QCOMPARE(p.encerramentos, 0);
                QCOMPARE(p.pasta.conteudo(Configuracao::kArquivo), inicial);
                p.j.cmdSair_Click();
            } else if (saida == 1) {
                filho<QAction>(&p.j, u"mnuEncerrar"_s)->trigger();
                QVERIFY(p.mensagens.mostradas.isEmpty());
            } else {
                p.j.close();
                QVERIFY(p.mensagens.mostradas.isEmpty());
            }
            QCOMPARE(p.encerramentos, saida < 2 ? 1 : 0);
            QVERIFY(!Configuracao::ligado(Configuracao::le(p.pasta.caminho()).CalculosAtivos[5]));
        }
    }
};

QTEST_MAIN(PrincipalTest)
#include "PrincipalTest.moc"
