// The name study window, the compatibility entry and reading in the main window, and the
// compatibility texts and the closing paragraph in the interpretation editor.
#include "app/frmPrincipal.h"
#include "composer/AvisoFinal.h"
#include "composer/LeituraCasal.h"
#include "composer/PrevisoesAno.h"
#include "engine/EntradaDados.h"
#include "gui/entrada/frmEntraCasal.h"
#include "gui/estudos/frmEstudoNomes.h"
#include "gui/estudos/frmPrevisoes.h"
#include "gui/impressao/frmImprimir.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "gui/textos/frmAlteraForm.h"
#include "gui/textos/frmSelecionaAlteracao.h"
#include "tests/app/AmbienteTeste.h"
#include "texts/ArquivoInterpretacao.h"

#include <QPrinter>
#include <QSpinBox>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

// Types `texto` key by key, accented letters too.
void digita(QWidget* caixa, const QString& texto) {
    for (const QChar c : texto) {
        QTest::sendKeyEvent(QTest::Click, caixa, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The study window over the shipped texts; what it hands to the print dialog is kept.
struct Estudo {
    PastaPrograma pasta;
    MensagensTeste avisos;
    QList<EstudoNomes> impressos;
    frmEstudoNomes dlg{u"29/11/1978"_s, pasta.caminho(), avisos,
                       [this](QWidget*, const EstudoNomes& e) { impressos << e; }};
    QLineEdit* nome = filho<QLineEdit>(&dlg, u"txtNome"_s);
    QLineEdit* data = filho<QLineEdit>(&dlg, u"txtDataNasc"_s);
    QTableWidget* tabela = filho<QTableWidget>(&dlg, u"grdNomes"_s);

    void acrescenta(const QString& texto) {
        clica(&dlg, u"cmdAdicionar"_s);
        digita(nome, texto);
    }
    QStringList linha(int i) const {
        QStringList l;
        for (int c = 0; c < tabela->columnCount(); ++c) {
            l << tabela->item(i, c)->text();
        }
        return l;
    }
};

// A main window whose windows the tests drive; print dialogs are recorded, not shown.
struct Programa {
    PastaPrograma pasta;
    MensagensTeste mensagens;
    SomTeste som;
    QList<Diagramacao> impressos;
    QStringList pedidos;
    frmPrincipal j{pasta.caminho(), servicos()};

    Servicos servicos() {
        Servicos s = Servicos::doSistema(mensagens, som);
        s.hoje = [] { return QDate(2024, 3, 15); };
        s.tamanhoTela = [] { return QSize(1600, 1000); };
        s.preparaImpressora = [] { return std::unique_ptr<QPrinter>(); };
        s.paginas = [this](const Diagramacao& d, float larguraMm, const QColor&) {
            pedidos << d.NomeAnalise;
            return paginasDeTeste(2, larguraMm);
        };
        s.exibe = [this](QDialog& janela) {
            if (janela.objectName() == u"frmImprimir"_s) {
                impressos << Diagramacao();
            } else if (janela.objectName() != u"frmEntrada"_s) {
                janela.exec();
            }
        };
        return s;
    }
};

} // namespace

class EstudosTest : public QObject {
    Q_OBJECT

private slots:
    // The table follows every keystroke; names keep their accents; refused names show no
    // numbers; the row edited is the selected one.
    void tabelaAcompanhaADigitacao() {
        Estudo e;
        QCOMPARE(filho<QLabel>(&e.dlg, u"lblCaminho"_s)->text(), u"Caminho da Vida: 2"_s);
        e.acrescenta(u"Ana"_s);
        QCOMPARE(e.linha(0), (QStringList{"Ana", "", "", "", "", "", "", ""}));
        digita(e.nome, u" Maria Souza"_s);
        QCOMPARE(e.linha(0)[0], u"Ana Maria Souza"_s);
        QVERIFY(!e.linha(0)[1].isEmpty());
        e.acrescenta(u"Maria José da Conceição"_s);
        QCOMPARE(e.linha(1),
                 (QStringList{"Maria José da Conceição", "2", "5", "6", "A", "2", "4", "Sim"}));
        // Selecting a row brings its name back to the box, and typing edits that row.
        e.tabela->selectRow(0);
        QCOMPARE(e.nome->text(), u"Ana Maria Souza"_s);
        e.nome->clear();
        digita(e.nome, u"Brr Kst Lmn"_s);
        QCOMPARE(e.linha(0), (QStringList{"Brr Kst Lmn", "1", "0", "1", "-", "9", "3", "Não"}));
        QCOMPARE(e.dlg.nomes(), (QStringList{"Brr Kst Lmn", "Maria José da Conceição"}));
        // A date that is no date leaves every row without numbers.
        e.data->setText(u"31/02/1978"_s);
        QCOMPARE(e.linha(1)[1], QString());
        QVERIFY(filho<QLabel>(&e.dlg, u"lblCaminho"_s)->text().contains(u"válida"_s));

        clica(&e.dlg, u"cmdRemover"_s);
        QCOMPARE(e.dlg.nomes(), QStringList{"Maria José da Conceição"});
        QVERIFY(e.avisos.mostradas.isEmpty());

        // Enter after a name starts the next one; on an empty box it adds nothing.
        QTest::keyClick(e.nome, Qt::Key_Return);
        digita(e.nome, u"Maria Conceição Alves"_s);
        QTest::keyClick(e.nome, Qt::Key_Return);
        QTest::keyClick(e.nome, Qt::Key_Return);
        QCOMPARE(e.dlg.nomes(),
                 (QStringList{"Maria José da Conceição", "Maria Conceição Alves", ""}));
    }

    void ateVinteNomes() {
        Estudo e;
        for (int i = 0; i < 20; ++i) {
            e.acrescenta(u"Nome Número %1"_s.arg(i));
        }
        QVERIFY(!filho<QPushButton>(&e.dlg, u"cmdAdicionar"_s)->isEnabled());
        e.dlg.cmdAdicionar_Click();
        e.tabela->clearSelection();
        digita(e.nome, u"x"_s); // typing with no row selected would start a 21st
        QCOMPARE(e.dlg.nomes().size(), 20);
        QCOMPARE(e.avisos.mostradas,
                 QStringList(2, mensagem(u"Atenção:"_s, frmEstudoNomes::kMensagemLimite,
                                         Icone::Exclamacao)));
    }

    // Printing hands over the study with each accepted name's expression text; opening an
    // analysis checks the name and the date as the entry dialog does.
    void imprimeEAbreAnalise() {
        Estudo e;
        e.dlg.cmdImprimir_Click();
        QCOMPARE(e.avisos.mostradas.takeFirst(),
                 mensagem(u"Atenção:"_s, frmEstudoNomes::kMensagemSemNomes, Icone::Exclamacao));
        e.acrescenta(u"Ana"_s);
        e.acrescenta(u"Zoë Conceição"_s);
        e.dlg.cmdImprimir_Click();
        QCOMPARE(e.impressos.size(), 1);
        const CandidatoNome& zoe = e.impressos[0].candidatos[1];
        QCOMPARE(zoe.nome, u"Zoë Conceição"_s);
        QCOMPARE(zoe.textoExpressao, ArquivoInterpretacao(e.pasta.caminho())
                                         .LeTextoInterpretacao(zoe.expressao, "INTEXEXP.DAT"));

        e.tabela->selectRow(0);
        e.dlg.cmdAnalise_Click();
        QCOMPARE(e.avisos.mostradas.takeFirst(),
                 mensagem(u"Erro:"_s, EntradaDados::kMensagemNomeCurto, Icone::Critico));
        e.data->setText(u"1/2/3"_s);
        e.tabela->selectRow(1);
        e.dlg.cmdAnalise_Click();
        QCOMPARE(e.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(e.dlg.nomeEscolhido(), u"ZOE CONCEICAO"_s);
        QCOMPARE(e.dlg.dataEscolhida(), u"01/02/2003"_s);
        QVERIFY(e.avisos.mostradas.isEmpty());
    }

    // The entry dialog's checks and messages, the first person before the second; accents
    // typed as separate marks join their letters instead of becoming '?'.
    void entradaDoCasalConfereAsDuasPessoas() {
        MensagensTeste avisos;
        frmEntraCasal dlg(avisos);
        const auto caixa = [&dlg](const char* nome) {
            return filho<QLineEdit>(&dlg, QString::fromLatin1(nome));
        };
        caixa("txtNome_1")->setText(u"Maria José"_s);
        caixa("txtDataNasc_1")->setText(u"29/11/78"_s);
        caixa("txtNome_2")->setText(u"Ana"_s);
        caixa("txtDataNasc_2")->setText(u"31/02/1980"_s);
        clica(&dlg, u"cmdOk"_s);
        caixa("txtDataNasc_2")->setText(u"3-5-1980"_s);
        clica(&dlg, u"cmdOk"_s);
        QCOMPARE(
            avisos.mostradas,
            (QStringList{mensagem(u"Erro:"_s, EntradaDados::kMensagemDataInvalida, Icone::Critico),
                         mensagem(u"Erro:"_s, EntradaDados::kMensagemNomeCurto, Icone::Critico)}));
        QCOMPARE(caixa("txtDataNasc_1")->text(), u"29/11/1978"_s);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        caixa("txtNome_2")->setText(u"Joa\u0303o A\u0301vila"_s);
        clica(&dlg, u"cmdOk"_s);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.nome(0), u"MARIA JOSE"_s);
        QCOMPARE(dlg.nome(1), u"JOAO AVILA"_s);
        QCOMPARE(dlg.nascimento(1), u"03/05/1980"_s);
    }

    // The reading opens in a report window and is exported as it was composed, not as an
    // analysis of its header line.
    void leituraDoCasalNaJanelaDeRelatorio() {
        Programa p;
        quandoAbrir<frmEntraCasal>([](frmEntraCasal* d) {
            filho<QLineEdit>(d, u"txtNome_1"_s)->setText(u"Maria José da Conceição"_s);
            filho<QLineEdit>(d, u"txtDataNasc_1"_s)->setText(u"29/11/1978"_s);
            filho<QLineEdit>(d, u"txtNome_2"_s)->setText(u"Brr Kst Lmn"_s);
            filho<QLineEdit>(d, u"txtDataNasc_2"_s)->setText(u"03/05/1980"_s);
            clica(d, u"cmdOk"_s);
        });
        filho<QAction>(&p.j, u"mnuCompatibilidade"_s)->trigger();
        QCOMPARE(p.pedidos, QStringList{u"MARIA JOSE DA CONCEICAO e BRR KST LMN"_s});
        frmExibeRelatorio* relatorio = p.j.relatorioAtivo();
        QVERIFY(relatorio != nullptr && relatorio->composto());
        const RelatorioComposto esperado =
            LeituraCasal::calcula(u"MARIA JOSE DA CONCEICAO"_s, u"29/11/1978"_s, u"BRR KST LMN"_s,
                                  u"03/05/1980"_s)
                .compoe(ArquivoInterpretacao(p.pasta.caminho()));
        QCOMPARE(*relatorio->composto(), esperado);

        p.j.cmdExportar_Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), esperado.texto(p.j.padrao().Configuracao));
        p.j.cmdImprimir_Click();
        QCOMPARE(p.impressos.size(), 1);
        // The shared name and date of the analyses are left alone.
        QVERIFY(p.j.padrao().Pedido.NomeAnalise.isEmpty() &&
                p.j.padrao().Pedido.DataNascimento.isEmpty());
    }

    // The forecast dialog checks its person as the entry dialog does and hands back the
    // normalised name, the date and the year.
    void previsoesConfereAPessoaEOAno() {
        MensagensTeste avisos;
        frmPrevisoes dlg(u"Ana"_s, u"31/02/1980"_s, 1850, InicioAnoPessoal::Aniversario, avisos);
        QCOMPARE(filho<QSpinBox>(&dlg, u"txtAno"_s)->value(), PrevisoesAno::kPrimeiroAno);
        QVERIFY(filho<QLabel>(&dlg, u"lblRegra"_s)->text().contains(u"no aniversário"_s));
        clica(&dlg, u"cmdOk"_s);
        QCOMPARE(
            avisos.mostradas,
            QStringList{mensagem(u"Erro:"_s, EntradaDados::kMensagemDataInvalida, Icone::Critico)});
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        filho<QLineEdit>(&dlg, u"txtDataNasc"_s)->setText(u"3-5-80"_s);
        filho<QLineEdit>(&dlg, u"txtNome"_s)->setText(u"João Ávila"_s);
        filho<QSpinBox>(&dlg, u"txtAno"_s)->setValue(2027);
        clica(&dlg, u"cmdOk"_s);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.nome() + u'|' + dlg.nascimento(), u"JOAO AVILA|03/05/1980"_s);
        QCOMPARE(dlg.ano(), 2027);
    }

    // Arquivo > Previsões do ano opens the forecast of the year asked for in a report window,
    // with the rule of "Cálculos e opções"; printing and export take the forecast as it is.
    void previsoesNaJanelaDeRelatorio() {
        Programa p;
        p.j.padrao().OpcoesMapa.inicioAnoPessoal = InicioAnoPessoal::Aniversario;
        quandoAbrir<frmPrevisoes>([](frmPrevisoes* d) {
            // Nothing shown yet: the boxes start empty, in the year of today.
            QVERIFY(filho<QLineEdit>(d, u"txtNome"_s)->text().isEmpty());
            QCOMPARE(filho<QSpinBox>(d, u"txtAno"_s)->value(), 2024);
            filho<QLineEdit>(d, u"txtNome"_s)->setText(u"Maria José"_s);
            filho<QLineEdit>(d, u"txtDataNasc"_s)->setText(u"29/11/1978"_s);
            filho<QSpinBox>(d, u"txtAno"_s)->setValue(2026);
            clica(d, u"cmdOk"_s);
        });
        filho<QAction>(&p.j, u"mnuPrevisoes"_s)->trigger();
        // The pages show the name as typed; the numbers come from its normalised form.
        QCOMPARE(p.pedidos, QStringList{u"MARIA JOSÉ"_s});
        frmExibeRelatorio* relatorio = p.j.relatorioAtivo();
        QVERIFY(relatorio != nullptr && relatorio->composto() && relatorio->composto()->previsoes);
        QCOMPARE(relatorio->pedido().NomeAnalise, u"MARIA JOSE"_s);
        const PrevisoesAno esperado =
            PrevisoesAno::compoe(u"MARIA JOSÉ"_s, u"29/11/1978"_s, 2026,
                                 RegrasCalculo::pitagorica(InicioAnoPessoal::Aniversario),
                                 QDate(2026, 3, 15), ArquivoInterpretacao(p.pasta.caminho()));
        QCOMPARE(*relatorio->composto()->previsoes, esperado);
        p.j.cmdExportar_Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), esperado.texto());
        p.j.cmdImprimir_Click();
        QCOMPARE(p.impressos.size(), 1);

        // Asked again over that window: its person fills the dialog, as typed.
        quandoAbrir<frmPrevisoes>([](frmPrevisoes* d) {
            QCOMPARE(filho<QLineEdit>(d, u"txtNome"_s)->text(), u"MARIA JOSÉ"_s);
            QCOMPARE(filho<QLineEdit>(d, u"txtDataNasc"_s)->text(), u"29/11/1978"_s);
            clica(d, u"cmdCancelar"_s);
        });
        filho<QAction>(&p.j, u"mnuPrevisoes"_s)->trigger();
        QCOMPARE(p.pedidos.size(), 1);
    }

    // A study with names is never closed without asking, by Esc or the window's close button
    // alike; No (the default) keeps it open with its names.
    void estudoComNomesPerguntaAntesDeFechar() {
        Estudo e;
        e.dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&e.dlg));
        e.acrescenta(u"Maria José"_s);
        e.acrescenta(u"Ana Lúcia"_s);
        e.avisos.respostas = {false, false};
        QTest::keyClick(e.nome, Qt::Key_Escape);
        e.dlg.close();
        QVERIFY(e.dlg.isVisible());
        QCOMPARE(e.avisos.mostradas,
                 QStringList(2, mensagem(u"Atenção:"_s,
                                         frmEstudoNomes::kPerguntaFechar.arg(
                                             u"Os 2 nomes digitados serão descartados."_s),
                                         Icone::Pergunta, true) +
                                    u"(não)"_s));
        QCOMPARE(e.dlg.nomes().size(), 2);
    }

    // The study's chosen name becomes a full analysis in a report window.
    // The study is not lost to it: it opens again with its date and every name, until the
    // user closes it (after a question).
    void estudoAbreAnaliseDoNomeEscolhido() {
        Programa p;
        quandoAbrir<frmEstudoNomes>([](frmEstudoNomes* d) {
            filho<QLineEdit>(d, u"txtDataNasc"_s)->setText(u"29111978"_s);
            d->cmdAdicionar_Click();
            digita(filho<QLineEdit>(d, u"txtNome"_s), u"Ana Lúcia Reis"_s);
            d->cmdAdicionar_Click();
            digita(filho<QLineEdit>(d, u"txtNome"_s), u"Maria José"_s);
            d->cmdAnalise_Click();
        });
        filho<QAction>(&p.j, u"mnuEstudoNomes"_s)->trigger();
        QCOMPARE(p.pedidos, QStringList{u"MARIA JOSE"_s});
        QCOMPARE(p.j.padrao().Pedido.DataNascimento, u"29/11/1978"_s);
        QVERIFY(p.j.relatorioAtivo() != nullptr && !p.j.relatorioAtivo()->composto());

        QStringList nomes;
        QString data;
        const auto reabreEFecha = [&] {
            quandoAbrir<frmEstudoNomes>([&](frmEstudoNomes* d) {
                nomes = d->nomes();
                data = filho<QLineEdit>(d, u"txtDataNasc"_s)->text();
                clica(d, u"cmdFechar"_s);
            });
            filho<QAction>(&p.j, u"mnuEstudoNomes"_s)->trigger();
        };
        p.mensagens.respostas = {true};
        reabreEFecha();
        QCOMPARE(nomes, (QStringList{u"Ana Lúcia Reis"_s, u"Maria José"_s}));
        QCOMPARE(data, u"29/11/1978"_s);
        QCOMPARE(p.mensagens.mostradas.size(), 1); // closing it asked first
        reabreEFecha();
        QVERIFY(nomes.isEmpty());
    }

    // The compatibility texts follow the 34 sections in the editor, one option per pair; the
    // closing paragraph is the last entry, one text without number or pair. A folder from
    // before it existed opens the shipped wording, and saving creates the file the next
    // analysis reads. Neither has a header.
    void editorAbreCadaParEOAvisoFinal() {
        PastaPrograma pasta;
        QFile::remove(pasta.arquivo(u"AVISO.DAT"_s));
        MensagensTeste avisos;
        frmSelecionaAlteracao dlg(pasta.caminho(), avisos);
        auto* item = filho<QComboBox>(&dlg, u"cmbItem"_s);
        auto* par = filho<QComboBox>(&dlg, u"cmbPar"_s);
        QCOMPARE(item->itemText(34), u"Compatibilidade entre duas pessoas"_s);
        dlg.show();
        QVERIFY(!par->isVisible());
        item->setCurrentIndex(34);
        QVERIFY(par->isVisible() && !filho(&dlg, u"frmInfo"_s)->isVisible());
        QCOMPARE(par->count(), 45);
        par->setCurrentIndex(9);
        QCOMPARE(par->currentText(), u"2 e 2"_s);
        auto edicao = dlg.preparaAlteracaoTexto();
        QVERIFY(edicao != nullptr);
        QCOMPARE(filho<QPlainTextEdit>(edicao.get(), u"txtTexto"_s)
                     ->toPlainText()
                     .replace(u'\n', u"\r\n"_s),
                 ArquivoInterpretacao(pasta.caminho()).LeTextoInterpretacao(10, "COMPATIB.DAT"));
        QVERIFY(dlg.preparaAlteracaoCabecalho() == nullptr);
        QCOMPARE(avisos.mostradas.size(), 1);
        item->setCurrentIndex(0);
        QVERIFY(!par->isVisible() && filho(&dlg, u"frmInfo"_s)->isVisible());

        QCOMPARE(item->itemText(35), u"Aviso ao final de cada estudo"_s);
        item->setCurrentIndex(35);
        QVERIFY(!par->isVisible() && !filho(&dlg, u"frmInfo"_s)->isVisible());
        edicao = dlg.preparaAlteracaoTexto();
        QVERIFY(edicao != nullptr);
        auto* caixa = filho<QPlainTextEdit>(edicao.get(), u"txtTexto"_s);
        QCOMPARE(caixa->toPlainText(), AvisoFinal::kTextoOriginal);
        caixa->setPlainText(u"Leitura de tendências."_s);
        clica(edicao.get(), u"cmdSalvar"_s);
        QCOMPARE(avisos.mostradas.size(), 1);
        QCOMPARE(AvisoFinal::texto(ArquivoInterpretacao(pasta.caminho())),
                 u"Leitura de tendências."_s);
        QVERIFY(dlg.preparaAlteracaoCabecalho() == nullptr);
    }
};

QTEST_MAIN(EstudosTest)
#include "EstudosTest.moc"
