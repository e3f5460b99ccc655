// The entry dialog and the three settings dialogs: their checks, messages, and what OK and
// Cancel leave in memory and on disk.
#include "engine/EntradaDados.h"
#include "gui/comum/DialogoArquivo.h"
#include "gui/configuracao/frmConfiguraFonte.h"
#include "gui/configuracao/frmConfiguraPrograma.h"
#include "gui/configuracao/frmConfiguraRodape.h"
#include "gui/configuracao/frmHarmonia.h"
#include "gui/configuracao/frmSecoesCabalisticas.h"
#include "gui/entrada/frmEntraNome.h"
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/OpcoesMapa.h"
#include "settings/TamanhosFonte.h"
#include "tests/app/AmbienteTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

class DialogosTest : public QObject {
    Q_OBJECT

private slots:
    // The date is checked before the name. Digits typed without separators are the date
    // they spell, on leaving the box and on Enter; a wrong "Previsões para" date is told as
    // that box's, not as the birth date.
    void entradaConfereDataENome() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmEntraNome d(u"ANTERIOR"_s, QString(), pasta.caminho(), mensagens);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* nome = filho<QLineEdit>(&d, u"txtNome"_s);
        auto* data = filho<QLineEdit>(&d, u"txtDataNasc"_s);
        auto* referencia = filho<QLineEdit>(&d, u"txtReferencia"_s);
        nome->setText(u"Ana"_s);
        data->setText(u"31/02/1990"_s);
        clica(&d, u"cmdOk"_s);
        QCOMPARE(
            mensagens.mostradas,
            QStringList{mensagem(u"Erro:"_s, EntradaDados::kMensagemDataInvalida, Icone::Critico)});
        QVERIFY(data->hasFocus());
        QCOMPARE(d.NomeAnalise(), u"ANTERIOR"_s);

        nome->setText(u"Zoé B"_s);
        data->setFocus();
        data->selectAll();
        QTest::keyClicks(data, u"291178"_s);
        QTest::keyClick(data, Qt::Key_Tab);
        QCOMPARE(data->text(), u"29/11/1978"_s);

        referencia->setText(u"31/02/2026"_s);
        clica(&d, u"cmdOk"_s);
        const QString previsoes = EntradaDados::mensagemOutraData(u"\"Previsões para\""_s);
        QVERIFY(previsoes.contains(u"Previsões para"_s));
        QCOMPARE(mensagens.mostradas.last(), mensagem(u"Erro:"_s, previsoes, Icone::Critico));
        QVERIFY(referencia->hasFocus());

        referencia->setText(u"01012030"_s);
        data->setFocus();
        data->selectAll();
        QTest::keyClicks(data, u"20/8/78"_s);
        QTest::keyClick(data, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.NomeAnalise() + u'|' + d.DataNascimento(), u"ZOE B|20/08/1978"_s);
        QCOMPARE(d.referencia(), QDate(2030, 1, 1));
        QCOMPARE(mensagens.mostradas.size(), 2);
    }

    // The file dialogs start in the documents folder, or in the home folder where there is
    // none, and speak Portuguese, the kind of a folder included.
    void dialogoDeArquivoEmPortuguesNaPastaCerta() {
        QTemporaryDir casa;
        const QByteArray homeAntes = qgetenv("HOME");
        const QByteArray xdgAntes = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(casa.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa.filePath(u".config"_s)));
        QCOMPARE(DialogoArquivo::pastaInicial(), casa.path());
        QVERIFY(QDir(casa.path()).mkdir(u"Documents"_s));
        QCOMPARE(DialogoArquivo::naPastaInicial(u"a.pdf"_s), casa.filePath(u"Documents/a.pdf"_s));

        QTranslator traducao;
        QVERIFY(traducao.load(QLocale(QLocale::Portuguese, QLocale::Brazil), u"qtbase"_s, u"_"_s,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&traducao);
        QString tipoDaPasta;
        QString salvar;
        quandoAbrir<QFileDialog>([&](QFileDialog* d) {
            auto* modelo = d->findChild<QFileSystemModel*>();
            const QModelIndex pasta = modelo->index(casa.filePath(u"Documents"_s));
            QTRY_VERIFY(pasta.isValid());
            tipoDaPasta = modelo->data(pasta.siblingAtColumn(2)).toString();
            salvar = d->labelText(QFileDialog::Accept);
            d->reject();
        });
        QCOMPARE(DialogoArquivo::paraGravar(nullptr, u"Salvar"_s, casa.filePath(u"x.pdf"_s),
                                            u"Documentos PDF (*.pdf)"_s),
                 QString());
        QCoreApplication::removeTranslator(&traducao);
        qputenv("HOME", homeAntes);
        qputenv("XDG_CONFIG_HOME", xdgAntes);
        QCOMPARE(tipoDaPasta, u"Pasta"_s);
        QCOMPARE(salvar, u"&Salvar"_s);
    }

    void programaMostraOkSoComCalculoCancelarNaoMuda() {
        MensagensTeste mensagens;
        Configuracao config;
        config.ImprimirNumero = 1; // any non-zero flag reads as on
        config.EscutarSons = 0;
        Configuracao::Selecao selecao = Configuracao::padraoCalculos();
        selecao[3] = 0;
        OpcoesMapa opcoes;
        opcoes.defineSecao(31, false);
        const OpcoesMapa opcoesAntes = opcoes;
        const Configuracao configAntes = config;
        const Configuracao::Selecao selecaoAntes = selecao;
        // Ticks only the calculation box `so` (none when -1), and the sounds on.
        const auto marca = [](frmConfiguraPrograma& d, int so) {
            for (QCheckBox* c :
                 d.findChildren<QCheckBox*>(QRegularExpression(u"^chkInterpretacoes_"_s))) {
                c->setChecked(c->objectName() == u"chkInterpretacoes_%1"_s.arg(so));
            }
            filho<QCheckBox>(&d, u"chkEscutarSons"_s)->setChecked(true);
        };
        {
            frmConfiguraPrograma d(config, selecao, opcoes, mensagens);
            QVERIFY(filho<QCheckBox>(&d, u"chkImprimirNumero"_s)->isChecked());
            QVERIFY(filho<QCheckBox>(&d, u"chkInterpretacoes_28"_s)->isChecked());
            QVERIFY(!filho<QCheckBox>(&d, u"chkInterpretacoes_30"_s)->isChecked());
            QVERIFY(filho<QRadioButton>(&d, u"optLimiteTendencias_4"_s)->isChecked());
            QCOMPARE(filho<QComboBox>(&d, u"cmbInicioAnoPessoal"_s)->currentIndex(), 0);
            filho<QComboBox>(&d, u"cmbInicioAnoPessoal"_s)->setCurrentIndex(1);
            d.show();
            marca(d, -1);
            clica(&d, u"cmdOk"_s);
            QCOMPARE(mensagens.mostradas.size(), 1);
            QVERIFY(d.isVisible());
            marca(d, 5);
            clica(&d, u"cmdCancelar"_s);
        }
        QCOMPARE(selecao, selecaoAntes);
        QCOMPARE(config, configAntes);
        QCOMPARE(opcoes, opcoesAntes); // cancelled: the start of the personal year is kept too
        {
            frmConfiguraPrograma d(config, selecao, opcoes, mensagens);
            marca(d, 5);
            filho<QComboBox>(&d, u"cmbInicioAnoPessoal"_s)->setCurrentIndex(1);
            clica(&d, u"cmdOk"_s);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(opcoes.inicioAnoPessoal, InicioAnoPessoal::Aniversario);
        for (int k = 1; k <= OpcoesMapa::kUltimaSecao; ++k) {
            const bool marcada = k <= Configuracao::kTotalCalculos
                                     ? Configuracao::ligado(selecao[k])
                                     : opcoes.secaoAtiva(k);
            QCOMPARE(marcada, k == 6);
        }
        QCOMPARE(config.EscutarSons, qint16(-1));
        QCOMPARE(mensagens.mostradas.size(), 1);

        // A section of the map alone is enough, and the threshold is kept.
        frmConfiguraPrograma d(config, selecao, opcoes, mensagens);
        marca(d, 28);
        filho<QRadioButton>(&d, u"optLimiteTendencias_3"_s)->setChecked(true);
        clica(&d, u"cmdOk"_s);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(opcoes.secaoAtiva(29) && !opcoes.secaoAtiva(34) &&
                !Configuracao::ligado(selecao[6]));
        QCOMPARE(opcoes.limiteTendencias, 3);
        QCOMPARE(mensagens.mostradas.size(), 1);

        // The school, a variant and the harmony table go back to the caller on Ok.
        TabelaHarmonia harmonia = TabelaHarmonia::padrao();
        frmConfiguraPrograma e(config, selecao, opcoes, mensagens, nullptr, &harmonia);
        filho<QComboBox>(&e, u"cmbEscola"_s)->setCurrentIndex(1);
        filho<QComboBox>(&e, u"cmbValorX"_s)->setCurrentIndex(1);
        frmHarmonia tabela(harmonia);
        auto* celula = qobject_cast<QComboBox*>(
            filho<QTableWidget>(&tabela, u"grdHarmonia"_s)->cellWidget(0, 1)); // 1 and 2
        QCOMPARE(celula->currentText(), u"neutra"_s);
        celula->setCurrentIndex(2);
        QCOMPARE(tabela.tabela().verdicto(1, 2), Harmonia::Desfavoravel);
        clica(&tabela, u"cmdOriginal"_s);
        QCOMPARE(tabela.tabela(), TabelaHarmonia::padrao());
        frmSecoesCabalisticas secoes(opcoes);
        filho<QCheckBox>(&secoes, u"chkSecao_3"_s)->setChecked(false);
        const OpcoesMapa semImpressao = secoes.aplicadas(opcoes);
        QVERIFY(!semImpressao.secaoCabalisticaAtiva(3) && semImpressao.secaoCabalisticaAtiva(4));
        clica(&e, u"cmdOk"_s);
        QCOMPARE(opcoes.escola, EscolaCalculo::Cabalistica);
        QCOMPARE(opcoes.variantes.valorX, 4);
        QCOMPARE(harmonia, TabelaHarmonia::padrao());
    }

    void fontesMostraGravaERele() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        FontesAnalise fontes;
        fontes.FonteTitulo.defineNome(u"Fonte Que Não Existe"_s);
        {
            // A face the dialog does not offer leaves the row unselected, and filling the dialog
            // changes nothing in memory.
            frmConfiguraFonte d(fontes, pasta.caminho(), mensagens, {"Arial", "Courier New"});
            QCOMPARE(filho<QComboBox>(&d, u"cmbFonte_1"_s)->currentIndex(), -1);
            QCOMPARE(fontes.FonteTitulo.nomeAparado(), u"Fonte Que Não Existe"_s);
        }
        // Typed sizes: halves to the even neighbour, blanks and units ignored, clamped.
        QCOMPARE(TamanhosFonte::interpreta(u" 1 2.5pt"_s), qint16(12));
        QCOMPARE(TamanhosFonte::interpreta(u"99999999"_s), qint16(32767));

        // A change goes to memory at once; Esc reads the file back, OK writes it.
        fontes = FontesAnalise::CarregaFontes(pasta.caminho());
        const QByteArray antes = pasta.conteudo(FontesAnalise::kArquivo);
        const QStringList faces = {"Arial", "Courier New", "Times New Roman"};
        {
            frmConfiguraFonte d(fontes, pasta.caminho(), mensagens, faces);
            d.show();
            filho<QComboBox>(&d, u"cmbTamanho_1"_s)->setEditText(u"20"_s);
            QCOMPARE(fontes.FonteTitulo.Tamanho, qint16(20));
            QTest::keyClick(&d, Qt::Key_Escape);
            QCOMPARE(fontes, FontesAnalise());
            QCOMPARE(pasta.conteudo(FontesAnalise::kArquivo), antes);
        }

        frmConfiguraFonte d(fontes, pasta.caminho(), mensagens, faces);
        filho<QComboBox>(&d, u"cmbTamanho_2"_s)->setEditText(u"13.5"_s);
        filho<QComboBox>(&d, u"cmbFonte_0"_s)->setCurrentIndex(1);
        QCOMPARE(fontes.FonteDescricao.nomeAparado(), u"Courier New"_s);
        clica(&d, u"cmdOk"_s);
        QCOMPARE(FontesAnalise::le(pasta.caminho()), fontes);
    }

    void rodapeCancelarPerguntaOkGrava() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmConfiguraRodape cancelado(LinhasRodape(), pasta.caminho(), mensagens);
        cancelado.show();
        auto* linha = filho<QLineEdit>(&cancelado, u"txtRodapeLinhaUm"_s);
        linha->setText(u"digitado"_s);
        mensagens.respostas = {false};
        clica(&cancelado, u"cmdCancelar"_s);
        QCOMPARE(mensagens.mostradas.size(), 1);
        QCOMPARE(linha->text(), u"digitado"_s);
        cancelado.close(); // the frame asks as Cancel does; Yes
        QVERIFY(!cancelado.isVisible());
        QCOMPARE(mensagens.mostradas.size(), 2);
        QVERIFY(!QFile::exists(pasta.arquivo(LinhasRodape::kArquivo)));

        // OK writes what the boxes hold, as much as the record keeps.
        frmConfiguraRodape d(LinhasRodape(), pasta.caminho(), mensagens);
        d.show();
        auto* rodape = filho<QLineEdit>(&d, u"txtRodapeLinhaDois"_s);
        rodape->setFocus();
        QTest::keyClicks(rodape, QString(200, u'y'));
        filho<QLineEdit>(&d, u"txtRodapeLinhaUm"_s)->setText(u"Ana Luz"_s);
        clica(&d, u"cmdOk"_s);
        const LinhasRodape gravadas = LinhasRodape::CarregaLinhasRodape(pasta.caminho());
        QCOMPARE(gravadas.RodapeLinhaUm, u"Ana Luz"_s);
        QCOMPARE(gravadas.RodapeLinhaDois, QString(198, u'y'));
    }
};

QTEST_MAIN(DialogosTest)
#include "DialogosTest.moc"
