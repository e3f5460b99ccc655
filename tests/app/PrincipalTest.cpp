// The main window: start-up, creating analyses, page navigation, the clipboard export, the
// settings dialogs opened from it and the three ways out of the program.
#include "AmbienteTeste.h"
#include "ArquivoInterpretacao.h"
#include "ComporAnalise.h"
#include "Configuracao.h"
#include "FontesAnalise.h"
#include "GeometriaPrincipal.h"
#include "TextoExportacao.h"
#include "frmConfiguraFonte.h"
#include "frmConfiguraPrograma.h"
#include "frmConfiguraRodape.h"
#include "frmEntraNome.h"
#include "frmExibeRelatorio.h"
#include "frmPrincipal.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

const QDate kHoje(2024, 3, 15);

// A main window in its own program folder, with every service recorded.
struct Programa {
    PastaPrograma pasta;
    MensagensTeste mensagens;
    SomTeste som;
    int paginas = 3;
    int bipes = 0;
    int encerramentos = 0;
    int telasDeEntrada = 0;
    int impressorasPreparadas = 0;
    int dicasFechadas = 0;
    QList<QString> ajudasMostradas;
    QList<QUrl> enderecos;
    QList<QString> pedidos;   // "name|date" of each layout
    QList<QString> impressos; // the name in memory when the print dialog opened
    std::unique_ptr<frmPrincipal> janela;

    Servicos servicos() {
        Servicos s = Servicos::doSistema(mensagens, som);
        s.hoje = [] { return kHoje; };
        s.aguarda = [](int) {};
        s.bipe = [this] { ++bipes; };
        s.tamanhoTela = [] { return QSize(1600, 1000); };
        s.facesFonte = [] { return QStringList{QStringLiteral("Arial")}; };
        s.abreEndereco = [this](const QUrl& u) { enderecos << u; };
        s.encerra = [this] { ++encerramentos; };
        s.preparaImpressora = [this] {
            ++impressorasPreparadas;
            return std::unique_ptr<QPrinter>();
        };
        s.paginas = fonteDeTeste(paginas, &pedidos);
        s.mostraEntrada = [this](frmPrincipal&) { ++telasDeEntrada; };
        s.fechaDicas = [this] { ++dicasFechadas; };
        s.ajudaDoBotao = [this](frmPrincipal&, const QString& nome, QWidget*) {
            ajudasMostradas << nome;
        };
        s.imprime = [this](frmPrincipal& p) { impressos << p.padrao().NomeAnalise; };
        return s;
    }

    frmPrincipal& inicia() {
        janela = std::make_unique<frmPrincipal>(pasta.caminho(), servicos());
        janela->Form_Load();
        return *janela;
    }

    // Creates an analysis through the entry dialog; an empty name cancels the dialog.
    void cria(const QString& nome, const QString& data) {
        quandoAbrir<frmEntraNome>([nome, data](frmEntraNome* d) {
            if (nome.isEmpty()) {
                d->findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->click();
                return;
            }
            d->findChild<QLineEdit*>(QStringLiteral("txtNome"))->setText(nome);
            d->findChild<QLineEdit*>(QStringLiteral("txtDataNasc"))->setText(data);
            d->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
        janela->cmdCriaAnalise_Click();
    }

    QString status() const {
        return janela->findChild<QLabel*>(QStringLiteral("lblInfoNavega"))->text();
    }
    int relatorios() const { return int(janela->relatorios().size()); }
    QStringList sons() const {
        QStringList s;
        for (const SomTocado& t : som.tocados) {
            s << t.arquivo + (t.repete ? QStringLiteral("+") : QString());
        }
        return s;
    }
};

void clicaNaTela(QWidget* quadro) {
    QTest::mouseClick(quadro, Qt::LeftButton, {}, quadro->rect().center());
}

} // namespace

class PrincipalTest : public QObject {
    Q_OBJECT

private slots:
    void inicioCriaOsArquivosComPadroes() {
        Programa p;
        frmPrincipal& j = p.inicia();
        const QByteArray config = p.pasta.conteudo(Configuracao::kArquivo);
        QCOMPARE(config.size(), Configuracao::kTamanhoRegistro);
        QCOMPARE(config.mid(0, 10), QByteArray::fromHex("ffff0000ffff00000000"));
        QCOMPARE(config.mid(16, 2), QByteArray::fromHex("0000"));
        QCOMPARE(config.mid(18, 56), QByteArray(56, '\xff'));
        QCOMPARE(config.mid(74, 2), QByteArray::fromHex("ffff"));
        const QByteArray fontes = p.pasta.conteudo(FontesAnalise::kArquivo);
        QCOMPARE(fontes.size(), FontesAnalise::kTamanhoRegistro);
        QCOMPARE(FontesAnalise::deBytes(fontes), FontesAnalise());

        QCOMPARE(j.windowTitle(), QStringLiteral("Vidalume Comercial"));
        QVERIFY(j.isVisible());
        QCOMPARE(p.sons(), QStringList{QStringLiteral("welcomeb.wav")});
        QCOMPARE(p.telasDeEntrada, 1);
        QCOMPARE(p.impressorasPreparadas, 1);
        QCOMPARE(p.status(), frmExibeRelatorio::kConvite);
        QCOMPARE(j.padrao().CalculosSelecionados, Configuracao::padraoCalculos());
        QCOMPARE(j.padrao().LinhasRodape.CabecalhoLinhaUm, LinhasRodape::kCabecalhoPadrao);
        QVERIFY(j.cursor().shape() != Qt::WaitCursor);
    }

    void barrasNosLugaresDoDesenho() {
        Programa p;
        frmPrincipal& j = p.inicia();
        QCOMPARE(j.findChild<QPushButton*>(QStringLiteral("cmdCriaAnalise"))->geometry(),
                 QRect(3, 3, 43, 40));
        QCOMPARE(j.findChild<QPushButton*>(QStringLiteral("cmdSair"))->geometry(),
                 QRect(291, 3, 43, 40));
        j.resize(1000, 700);
        const double w = j.frameGeometry().width(); // outer width, frame included
        QCOMPARE(j.findChild<QLabel*>(QStringLiteral("lblInfoNavega"))->geometry().x(),
                 qRound(0.1 * w));
        QCOMPARE(j.findChild<QLabel*>(QStringLiteral("lblInfoNavega"))->width(), qRound(0.8 * w));
        QCOMPARE(j.findChild<QWidget*>(QStringLiteral("picVolta"))->x(), qRound(0.01 * w));
        QCOMPARE(j.findChild<QWidget*>(QStringLiteral("picVolta"))->width(), qRound(0.07 * w));
        QCOMPARE(j.findChild<QWidget*>(QStringLiteral("picAvanca"))->x(), qRound(0.91 * w));
    }

    void criarSemAnaliseAberta() {
        Programa p;
        frmPrincipal& j = p.inicia();
        p.cria(QStringLiteral("João d'Ávila"), QStringLiteral("20/8/78"));
        QCOMPARE(p.relatorios(), 1);
        QCOMPARE(p.pedidos, QList<QString>{QStringLiteral("JOAO D'AVILA|20/08/1978")});
        QCOMPARE(j.padrao().Analise,
                 ComporAnalise::compoe(QStringLiteral("JOAO D'AVILA"), QStringLiteral("20/08/1978"),
                                       kHoje, ArquivoInterpretacao(p.pasta.caminho())));
        // The waiting sound loops until the first page replaces it.
        QCOMPARE(p.sons(),
                 (QStringList{QStringLiteral("welcomeb.wav"), QStringLiteral("aguarda.wav+"),
                              QStringLiteral("virafolh.wav")}));
        QCOMPARE(p.status(), QStringLiteral("Navegando: Página 1 de 3"));
        QVERIFY(j.relatorioAtivo()->parentWidget()->isMaximized());
        QCOMPARE(j.relatorioAtivo()->PaginaExibida(), 1);
        QVERIFY(p.mensagens.mostradas.isEmpty());
        QCOMPARE(j.BotaoComAjuda(), frmPrincipal::kNenhum);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void semSonsNaoTocaEsperaNemFolha() {
        Programa p;
        Configuracao semSons;
        semSons.EscutarSons = 0;
        QVERIFY(semSons.GravaConfiguracao(p.pasta.caminho()));
        p.inicia();
        p.cria(QStringLiteral("Ana Luz"), QStringLiteral("01/01/1990"));
        p.janela->picAvanca_Click();
        QCOMPARE(p.sons(), QStringList{QStringLiteral("welcomeb.wav")});
    }

    void criarComAnaliseAberta() {
        Programa p;
        frmPrincipal& j = p.inicia();
        p.cria(QStringLiteral("Primeira Pessoa"), QStringLiteral("01/01/1990"));
        p.mensagens.respostas = {false};
        p.cria(QStringLiteral("Segunda Pessoa"), QStringLiteral("02/02/1992"));
        QCOMPARE(p.mensagens.mostradas.size(), 1);
        QCOMPARE(p.mensagens.mostradas[0].titulo, QStringLiteral("Advertência:"));
        QCOMPARE(p.mensagens.mostradas[0].texto, frmPrincipal::kM1);
        QCOMPARE(p.mensagens.mostradas[0].icone, Mensagens::Icone::Pergunta);
        QCOMPARE(p.relatorios(), 2);
        // Closing the window in front brings the other one forward, and the line follows it.
        j.relatorios().first()->ExibePagina(2);
        j.relatorioAtivo()->parentWidget()->close();
        QTRY_COMPARE(p.relatorios(), 1);
        QCOMPARE(p.status(), QStringLiteral("Navegando: Página 2 de 3"));
        p.mensagens.respostas = {false};
        p.cria(QStringLiteral("Segunda Pessoa"), QStringLiteral("02/02/1992"));

        p.mensagens.respostas = {true};
        p.cria(QStringLiteral("Terceira Pessoa"), QStringLiteral("03/03/1993"));
        QTRY_COMPARE(p.relatorios(), 2);
        QString nome, data;
        j.relatorioAtivo()->AjustaDadosNaMemoria(nome, data);
        QCOMPARE(nome, QStringLiteral("TERCEIRA PESSOA"));

        // Cancelling after Yes leaves the old window closed and nothing new.
        p.mensagens.respostas = {true};
        p.cria(QString(), QString());
        QTRY_COMPARE(p.relatorios(), 1);
        QCOMPARE(j.padrao().NomeAnalise, QStringLiteral("Descartar"));
        QCOMPARE(p.pedidos.size(), 4);
        p.mensagens.respostas = {true};
        p.cria(QString(), QString());
        QTRY_COMPARE(p.relatorios(), 0);
        QCOMPARE(p.status(), frmExibeRelatorio::kConvite);
    }

    void organizarJanelas() {
        Programa p;
        frmPrincipal& j = p.inicia();
        p.cria(QStringLiteral("Primeira Pessoa"), QStringLiteral("01/01/1990"));
        p.mensagens.respostas = {false};
        p.cria(QStringLiteral("Segunda Pessoa"), QStringLiteral("02/02/1992"));
        const int dicasFechadas = p.dicasFechadas;
        j.mnuJanelaLadoLado_Click();
        const QList<QMdiSubWindow*> janelas = j.areaRelatorios()->subWindowList();
        const QRect area = j.areaRelatorios()->viewport()->rect();
        QCOMPARE(janelas.size(), 2);
        for (QMdiSubWindow* w : janelas) {
            QVERIFY(!w->isMaximized());
            QCOMPARE(w->width(), area.width());
            QVERIFY(qAbs(w->height() - area.height() / 2) <= 1);
        }
        QVERIFY(janelas[0]->y() != janelas[1]->y());
        j.mnuJanelaEmCascata_Click();
        QVERIFY(janelas[0]->pos() != janelas[1]->pos());
        for (QMdiSubWindow* w : janelas) {
            QCOMPARE(w->size(), QSize(area.width() * 3 / 4, area.height() * 3 / 4));
        }
        QCOMPARE(p.dicasFechadas, dicasFechadas); // the window menu has no prologue
    }

    void geometriaDasJanelasOrganizadas() {
        const QRect area(0, 0, 900, 600);
        const QList<QRect> cinco = GeometriaPrincipal::ladoALado(area, 5);
        QCOMPARE(cinco.size(), 5);
        QCOMPARE(cinco[0], QRect(0, 0, 450, 300)); // two columns: two windows, then three
        QCOMPARE(cinco[2], QRect(450, 0, 450, 200));
        QCOMPARE(cinco[4].bottomRight(), area.bottomRight());
        const QList<QRect> cascata = GeometriaPrincipal::cascata(area, 12, 20);
        QCOMPARE(cascata[0], QRect(0, 0, 675, 450));
        QCOMPARE(cascata[2].topLeft(), QPoint(40, 40));
        QCOMPARE(cascata[8].topLeft(), QPoint(0, 0)); // past the area's edge: from the start
        for (const QRect& r : cascata) {
            QVERIFY(area.contains(r));
        }
    }

    void navegarComOsBotoes() {
        Programa p;
        frmPrincipal& j = p.inicia();
        j.picAvanca_Click();
        QCOMPARE(p.mensagens.mostradas.size(), 1);
        QCOMPARE(p.mensagens.mostradas[0].titulo, QStringLiteral("Importante:"));
        QCOMPARE(p.mensagens.mostradas[0].texto, frmPrincipal::kM6);
        QCOMPARE(p.mensagens.mostradas[0].icone, Mensagens::Icone::Informacao);

        p.cria(QStringLiteral("Ana Luz"), QStringLiteral("01/01/1990"));
        clicaNaTela(j.findChild<QWidget*>(QStringLiteral("picVolta")));
        QCOMPARE(p.bipes, 1);
        QCOMPARE(j.relatorioAtivo()->PaginaExibida(), 1);
        clicaNaTela(j.findChild<QWidget*>(QStringLiteral("picAvanca")));
        QCOMPARE(p.status(), QStringLiteral("Navegando: Página 2 de 3"));
        QTest::keyClick(j.relatorioAtivo()->findChild<QWidget*>(QStringLiteral("picExibe")),
                        Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(p.status(), QStringLiteral("Navegando: Página 3 de 3"));
        j.picAvanca_Click();
        QCOMPARE(p.bipes, 2);
        QCOMPARE(j.relatorioAtivo()->PaginaExibida(), 3);
        j.picVolta_Click();
        QCOMPARE(p.status(), QStringLiteral("Navegando: Página 2 de 3"));
        QCOMPARE(p.mensagens.mostradas.size(), 1);
        QVERIFY(j.cursor().shape() != Qt::WaitCursor);
    }

    void barraMostraAJanelaDaFrente() {
        Programa p;
        frmPrincipal& j = p.inicia();
        p.cria(QStringLiteral("Primeira Pessoa"), QStringLiteral("01/01/1990"));
        j.picAvanca_Click();
        p.mensagens.respostas = {false};
        p.cria(QStringLiteral("Segunda Pessoa"), QStringLiteral("02/02/1992"));
        QCOMPARE(p.status(), QStringLiteral("Navegando: Página 1 de 3"));
        j.areaRelatorios()->setActiveSubWindow(j.areaRelatorios()->subWindowList().first());
        QCOMPARE(p.status(), QStringLiteral("Navegando: Página 2 de 3"));
        j.picAvanca_Click(); // acts on the window in front
        QCOMPARE(j.relatorios().first()->PaginaExibida(), 3);
        QCOMPARE(j.relatorios().last()->PaginaExibida(), 1);
    }

    void exportarCopiaAAnaliseDaJanelaDaFrente() {
        Programa p;
        frmPrincipal& j = p.inicia();
        j.cmdExportar_Click();
        QCOMPARE(p.mensagens.mostradas.size(), 1);
        QCOMPARE(p.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(p.mensagens.mostradas[0].texto, frmPrincipal::kM3);
        QCOMPARE(p.mensagens.mostradas[0].icone, Mensagens::Icone::Critico);

        j.padrao().Configuracao.ImprimirNumero = -1;
        j.padrao().CalculosSelecionados[3] = 0;
        p.cria(QStringLiteral("Maria José"), QStringLiteral("29/11/1978"));
        p.mensagens.respostas = {false};
        p.cria(QStringLiteral("Outra Pessoa"), QStringLiteral("02/02/1992"));
        j.areaRelatorios()->setActiveSubWindow(j.areaRelatorios()->subWindowList().first());
        p.mensagens.mostradas.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));

        j.cmdExportar_Click();
        const Analise esperada =
            ComporAnalise::compoe(QStringLiteral("MARIA JOSE"), QStringLiteral("29/11/1978"), kHoje,
                                  ArquivoInterpretacao(p.pasta.caminho()));
        const QString texto = QGuiApplication::clipboard()->text();
        QCOMPARE(texto, TextoExportacao::monta(esperada, j.padrao().Configuracao,
                                               j.padrao().CalculosSelecionados));
        QVERIFY(texto.contains(QStringLiteral(" Número ")));
        QVERIFY(texto.contains(QStringLiteral("\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n")));
        QCOMPARE(texto.count(QLatin1Char('\n')), texto.count(QStringLiteral("\r\n")));
        QCOMPARE(j.padrao().NomeAnalise, QStringLiteral("MARIA JOSE"));
        QCOMPARE(p.mensagens.mostradas.size(), 1);
        QCOMPARE(p.mensagens.mostradas[0].titulo, QStringLiteral("Importante:"));
        QCOMPARE(p.mensagens.mostradas[0].texto, frmPrincipal::kM4);
        QCOMPARE(p.mensagens.mostradas[0].icone, Mensagens::Icone::Informacao);
    }

    void imprimirUsaAJanelaDaFrente() {
        Programa p;
        frmPrincipal& j = p.inicia();
        j.cmdImprimir_Click();
        QCOMPARE(p.mensagens.mostradas.size(), 1);
        QCOMPARE(p.mensagens.mostradas[0].titulo, QStringLiteral("Informação:"));
        QCOMPARE(p.mensagens.mostradas[0].texto, frmPrincipal::kM2);
        QVERIFY(p.impressos.isEmpty());
        p.cria(QStringLiteral("Primeira Pessoa"), QStringLiteral("01/01/1990"));
        p.mensagens.respostas = {false};
        p.cria(QStringLiteral("Segunda Pessoa"), QStringLiteral("02/02/1992"));
        j.areaRelatorios()->setActiveSubWindow(j.areaRelatorios()->subWindowList().first());
        j.cmdImprimir_Click();
        QCOMPARE(p.impressos, QList<QString>{QStringLiteral("PRIMEIRA PESSOA")});
        QCOMPARE(j.padrao().DataNascimento, QStringLiteral("01/01/1990"));
    }

    void dialogosAbremComPonteiroOcupado() {
        Programa p;
        frmPrincipal& j = p.inicia();
        bool ocupado = false;
        quandoAbrir<frmConfiguraPrograma>([&](frmConfiguraPrograma* d) {
            ocupado = j.cursor().shape() == Qt::WaitCursor;
            d->findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->click();
        });
        j.cmdConfiguraPrograma_Click();
        QVERIFY(ocupado);
        QVERIFY(j.cursor().shape() != Qt::WaitCursor);
        QCOMPARE(p.dicasFechadas, 1);

        ocupado = false;
        quandoAbrir<frmConfiguraFonte>([&](frmConfiguraFonte* d) {
            ocupado = j.cursor().shape() == Qt::WaitCursor;
            d->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
        j.cmdConfigurarFontes_Click();
        QVERIFY(ocupado);
        QCOMPARE(p.dicasFechadas, 2);

        // The footer dialog writes its file and the lines in memory are read back from it.
        quandoAbrir<frmConfiguraRodape>([](frmConfiguraRodape* d) {
            d->findChild<QLineEdit*>(QStringLiteral("txtRodapeLinhaUm"))
                ->setText(QStringLiteral("Consultório Luz"));
            d->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
        j.mnuConfigurarRodape_Click();
        QCOMPARE(j.padrao().LinhasRodape.RodapeLinhaUm, QStringLiteral("Consultório Luz"));
        QCOMPARE(p.mensagens.mostradas.last().texto, frmConfiguraRodape::kMensagemGravado);
    }

    void ajudaPerguntaEAbreAPagina() {
        Programa p;
        frmPrincipal& j = p.inicia();
        p.mensagens.respostas = {false, true};
        j.cmdAjuda_Click();
        QVERIFY(p.enderecos.isEmpty());
        j.cmdAjuda_Click();
        QCOMPARE(p.mensagens.mostradas[0].titulo, QStringLiteral("Aviso:"));
        QCOMPARE(p.mensagens.mostradas[0].texto, frmPrincipal::kM5);
        QCOMPARE(p.enderecos,
                 QList<QUrl>{QUrl::fromLocalFile(p.pasta.arquivo(QStringLiteral("ajuda.html")))});
    }

    void ajudaDosBotoes() {
        Programa p;
        frmPrincipal& j = p.inicia();
        auto* criar = j.findChild<QPushButton*>(QStringLiteral("cmdCriaAnalise"));
        auto* sair = j.findChild<QPushButton*>(QStringLiteral("cmdSair"));
        QTest::mouseMove(criar, QPoint(5, 5));
        QTest::mouseMove(criar, QPoint(10, 10));
        QTRY_COMPARE(p.ajudasMostradas, QList<QString>{QStringLiteral("Criar")});
        QTest::mouseMove(sair, QPoint(5, 5));
        QTRY_COMPARE(p.ajudasMostradas.size(), 2);
        QCOMPARE(j.BotaoComAjuda(), QStringLiteral("Sair"));
        QTest::mouseMove(j.findChild<QWidget*>(QStringLiteral("picMenu")), QPoint(600, 20));
        QTRY_COMPARE(j.BotaoComAjuda(), frmPrincipal::kNenhum);
        QVERIFY(p.dicasFechadas >= 1);
    }

    void sairPerguntaEGravaUmaVez() {
        Programa p;
        frmPrincipal& j = p.inicia();
        const QByteArray inicial = p.pasta.conteudo(Configuracao::kArquivo);
        j.padrao().CalculosSelecionados[5] = 0;
        p.mensagens.respostas = {false};
        j.cmdSair_Click();
        QCOMPARE(p.mensagens.mostradas[0].titulo, QStringLiteral("Vidalume:"));
        QCOMPARE(p.mensagens.mostradas[0].texto, frmPrincipal::kPerguntaSair);
        QCOMPARE(p.encerramentos, 0);
        QCOMPARE(p.pasta.conteudo(Configuracao::kArquivo), inicial);

        p.mensagens.respostas = {true};
        j.cmdSair_Click();
        QCOMPARE(p.encerramentos, 1);
        QVERIFY(!Configuracao::ligado(Configuracao::le(p.pasta.caminho()).CalculosAtivos[5]));
        // Nothing more is written on the way out.
        p.pasta.escreve(Configuracao::kArquivo, inicial);
        j.close();
        QCOMPARE(p.pasta.conteudo(Configuracao::kArquivo), inicial);
    }

    void encerrarPeloMenuGravaSemPerguntar() {
        Programa p;
        frmPrincipal& j = p.inicia();
        const QByteArray inicial = p.pasta.conteudo(Configuracao::kArquivo);
        j.padrao().Configuracao.ImprimirNumero = -1;
        j.findChild<QAction*>(QStringLiteral("mnuEncerrar"))->trigger();
        QVERIFY(p.mensagens.mostradas.isEmpty());
        QCOMPARE(p.encerramentos, 1);
        QCOMPARE(Configuracao::le(p.pasta.caminho()).ImprimirNumero, qint16(-1));
        p.pasta.escreve(Configuracao::kArquivo, inicial);
        j.close();
        QCOMPARE(p.pasta.conteudo(Configuracao::kArquivo), inicial);
    }

    void fecharAJanelaGravaSemPerguntar() {
        Programa p;
        frmPrincipal& j = p.inicia();
        j.padrao().Configuracao.EscutarSons = 0;
        j.close();
        QVERIFY(p.mensagens.mostradas.isEmpty());
        QCOMPARE(p.encerramentos, 0);
        QCOMPARE(p.dicasFechadas, 1);
        QCOMPARE(Configuracao::le(p.pasta.caminho()).EscutarSons, qint16(0));
    }
};

QTEST_MAIN(PrincipalTest)
#include "PrincipalTest.moc"
