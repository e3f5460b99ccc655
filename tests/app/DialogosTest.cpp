// The entry dialog and the three settings dialogs: their checks, messages, and what OK and
// Cancel leave in memory and on disk.
#include "AmbienteTeste.h"
#include "Configuracao.h"
#include "EntradaDados.h"
#include "FontesAnalise.h"
#include "LinhasRodape.h"
#include "QuadroImagem.h"
#include "TamanhosFonte.h"
#include "frmConfiguraFonte.h"
#include "frmConfiguraPrograma.h"
#include "frmConfiguraRodape.h"
#include "frmEntraNome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

template <typename T> T* filho(QWidget* pai, const QString& nome) {
    T* w = pai->findChild<T*>(nome);
    if (w == nullptr) {
        qFatal("controle %s não encontrado", qPrintable(nome));
    }
    return w;
}

QPushButton* botao(QWidget* pai, const char* nome) {
    return filho<QPushButton>(pai, QString::fromLatin1(nome));
}

} // namespace

class DialogosTest : public QObject {
    Q_OBJECT

private slots:
    // --- frmEntraNome -----------------------------------------------------------------------

    void entradaEnterNaDataNormalizaAntesDeConferir() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmEntraNome d(QString(), QString(), pasta.caminho(), mensagens);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* nome = filho<QLineEdit>(&d, QStringLiteral("txtNome"));
        auto* data = filho<QLineEdit>(&d, QStringLiteral("txtDataNasc"));
        nome->setText(QStringLiteral("maria josé da conceição"));
        data->setFocus();
        QTest::keyClicks(data, QStringLiteral("20/8/78"));
        QTest::keyClick(data, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.NomeAnalise(), QStringLiteral("MARIA JOSE DA CONCEICAO"));
        QCOMPARE(d.DataNascimento(), QStringLiteral("20/08/1978"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Gerando análise, aguarde..."));
        QVERIFY(mensagens.mostradas.isEmpty());
    }

    void entradaConfereDataAntesDoNome() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmEntraNome d(QStringLiteral("ANTERIOR"), QString(), pasta.caminho(), mensagens);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        filho<QLineEdit>(&d, QStringLiteral("txtNome"))->setText(QStringLiteral("Ana"));
        filho<QLineEdit>(&d, QStringLiteral("txtDataNasc"))->setText(QStringLiteral("31/02/1990"));
        botao(&d, "cmdOk")->click();
        QCOMPARE(mensagens.mostradas.size(), 1);
        QCOMPARE(mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(mensagens.mostradas[0].texto, EntradaDados::kMensagemDataInvalida);
        QCOMPARE(mensagens.mostradas[0].icone, Mensagens::Icone::Critico);
        QVERIFY(d.isVisible());
        QVERIFY(filho<QLineEdit>(&d, QStringLiteral("txtDataNasc"))->hasFocus());
        QCOMPARE(d.NomeAnalise(), QStringLiteral("ANTERIOR"));
    }

    void entradaNomeVazioCurtoEMinimo() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmEntraNome d(QString(), QString(), pasta.caminho(), mensagens);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* nome = filho<QLineEdit>(&d, QStringLiteral("txtNome"));
        filho<QLineEdit>(&d, QStringLiteral("txtDataNasc"))->setText(QStringLiteral("01/01/2000"));
        botao(&d, "cmdOk")->setFocus();

        botao(&d, "cmdOk")->click(); // empty name: focus only
        QVERIFY(mensagens.mostradas.isEmpty());
        QVERIFY(nome->hasFocus());

        nome->setText(QStringLiteral("Ana."));
        botao(&d, "cmdOk")->click();
        QCOMPARE(mensagens.mostradas.size(), 1);
        QCOMPARE(mensagens.mostradas[0].texto, EntradaDados::kMensagemNomeCurto);
        QVERIFY(d.isVisible());

        nome->setText(QStringLiteral("Ana B"));
        botao(&d, "cmdOk")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.NomeAnalise(), QStringLiteral("ANA B"));
    }

    void entradaSaidaDaDataMostraSignoOuSeleciona() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmEntraNome d(QString(), QString(), pasta.caminho(), mensagens);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* nome = filho<QLineEdit>(&d, QStringLiteral("txtNome"));
        auto* data = filho<QLineEdit>(&d, QStringLiteral("txtDataNasc"));
        data->setFocus();
        QTest::keyClicks(data, QStringLiteral("20/08/78"));
        nome->setFocus();
        QCOMPARE(data->text(), QStringLiteral("20/08/1978"));
        QCOMPARE(d.DataNascimento(), QStringLiteral("20/08/1978"));
        for (int i = 0; i < frmEntraNome::kQuadrosSigno; ++i) {
            auto* quadro = filho<QuadroImagem>(&d, QStringLiteral("picSigno_%1").arg(i));
            QVERIFY(quadro->temImagem());
            QVERIFY(quadro->arquivo().endsWith(QStringLiteral("signo04.svg"))); // Leo
        }

        data->setFocus();
        data->setText(QStringLiteral("ontem"));
        nome->setFocus();
        QCOMPARE(data->text(), QStringLiteral("ontem"));
        QTRY_COMPARE(data->selectedText(), QStringLiteral("ontem"));
        QVERIFY(mensagens.mostradas.isEmpty());
    }

    void entradaCancelarEscEFecharDescartam() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        for (int modo = 0; modo < 3; ++modo) {
            frmEntraNome d(QStringLiteral("ANTIGO"), QStringLiteral("01/01/1990"), pasta.caminho(),
                           mensagens);
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            filho<QLineEdit>(&d, QStringLiteral("txtNome"))->setText(QStringLiteral("Outro Nome"));
            auto* data = filho<QLineEdit>(&d, QStringLiteral("txtDataNasc"));
            data->setFocus();
            QTest::keyClicks(data, QStringLiteral("5/5/55"));
            filho<QLineEdit>(&d, QStringLiteral("txtNome"))->setFocus();
            if (modo == 0) {
                botao(&d, "cmdCancelar")->click();
            } else if (modo == 1) {
                QTest::keyClick(&d, Qt::Key_Escape);
            } else {
                d.close();
            }
            QVERIFY(!d.isVisible());
            QVERIFY(d.cancelado());
            QCOMPARE(d.NomeAnalise(), QStringLiteral("Descartar"));
            QCOMPARE(d.DataNascimento(), QStringLiteral("05/05/1955"));
        }
    }

    // --- frmConfiguraPrograma -------------------------------------------------------------

    void programaMostraORegistro() {
        MensagensTeste mensagens;
        Configuracao config;
        config.ImprimirNumero = 1; // any non-zero flag reads as on
        config.EscutarSons = 0;
        Configuracao::Selecao selecao = Configuracao::padraoCalculos();
        selecao[3] = 0;
        frmConfiguraPrograma d(config, selecao, mensagens);
        QVERIFY(filho<QCheckBox>(&d, QStringLiteral("chkImprimirNumero"))->isChecked());
        QVERIFY(!filho<QCheckBox>(&d, QStringLiteral("chkEscutarSons"))->isChecked());
        QVERIFY(filho<QCheckBox>(&d, QStringLiteral("chkImprimirDescricao"))->isChecked());
        QVERIFY(!filho<QCheckBox>(&d, QStringLiteral("chkInterpretacoes_2"))->isChecked());
        QVERIFY(filho<QCheckBox>(&d, QStringLiteral("chkInterpretacoes_27"))->isChecked());
        QCOMPARE(filho<QCheckBox>(&d, QStringLiteral("chkInterpretacoes_27"))->text(),
                 QStringLiteral("Número da Realidade"));
    }

    void programaOkSemCalculoAvisaENaoMuda() {
        MensagensTeste mensagens;
        Configuracao config;
        Configuracao::Selecao selecao = Configuracao::padraoCalculos();
        frmConfiguraPrograma d(config, selecao, mensagens);
        d.show();
        for (QCheckBox* c : d.findChildren<QCheckBox*>(
                 QRegularExpression(QStringLiteral("^chkInterpretacoes_")))) {
            c->setChecked(false);
        }
        filho<QCheckBox>(&d, QStringLiteral("chkEscutarSons"))->setChecked(false);
        botao(&d, "cmdOk")->click();
        QCOMPARE(mensagens.mostradas.size(), 1);
        QCOMPARE(mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(mensagens.mostradas[0].texto, frmConfiguraPrograma::kMensagemNenhumCalculo);
        QCOMPARE(mensagens.mostradas[0].icone, Mensagens::Icone::Critico);
        QVERIFY(d.isVisible());
        QCOMPARE(selecao, Configuracao::padraoCalculos());
        QCOMPARE(config, Configuracao());
    }

    void programaOkGuardaNaMemoriaCancelarNao() {
        MensagensTeste mensagens;
        PastaPrograma pasta;
        Configuracao config;
        Configuracao::Selecao selecao = Configuracao::padraoCalculos();
        const auto marcaSoASexta = [](frmConfiguraPrograma& d) {
            for (QCheckBox* c : d.findChildren<QCheckBox*>(
                     QRegularExpression(QStringLiteral("^chkInterpretacoes_")))) {
                c->setChecked(c->objectName() == QStringLiteral("chkInterpretacoes_5"));
            }
            filho<QCheckBox>(&d, QStringLiteral("chkEscutarSons"))->setChecked(false);
            filho<QCheckBox>(&d, QStringLiteral("chkImprimirCabecalho"))->setChecked(true);
        };
        {
            frmConfiguraPrograma d(config, selecao, mensagens);
            marcaSoASexta(d);
            botao(&d, "cmdCancelar")->click();
            QCOMPARE(selecao, Configuracao::padraoCalculos());
            QCOMPARE(config, Configuracao());
        }
        {
            frmConfiguraPrograma d(config, selecao, mensagens);
            marcaSoASexta(d);
            botao(&d, "cmdOk")->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        for (int k = 1; k <= Configuracao::kTotalCalculos; ++k) {
            QCOMPARE(Configuracao::ligado(selecao[k]), k == 6);
        }
        QCOMPARE(config.EscutarSons, qint16(0));
        QCOMPARE(config.ImprimirCabecalho, qint16(-1));
        QVERIFY(mensagens.mostradas.isEmpty());
        QVERIFY(!QFile::exists(pasta.arquivo(Configuracao::kArquivo)));
    }

    // --- frmConfiguraFonte ----------------------------------------------------------------

    void fontesMostraAsEscolhasGravadas() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        FontesAnalise fontes;
        fontes.FonteTexto.Tamanho = 22;
        fontes.FonteTitulo.defineNome(QStringLiteral("Fonte Que Não Existe"));
        fontes.FonteTitulo.Tamanho = 9;
        frmConfiguraFonte d(fontes, pasta.caminho(), mensagens,
                            {QStringLiteral("Arial"), QStringLiteral("Courier New"),
                             QStringLiteral("Times New Roman"), QStringLiteral("Arial")});
        auto* face0 = filho<QComboBox>(&d, QStringLiteral("cmbFonte_0"));
        QCOMPARE(face0->currentText(), QStringLiteral("Arial"));
        QCOMPARE(face0->currentIndex(), 3); // the later of two equal names
        QCOMPARE(filho<QComboBox>(&d, QStringLiteral("cmbTamanho_0"))->currentText(),
                 QStringLiteral("10"));
        QVERIFY(filho<QCheckBox>(&d, QStringLiteral("chkItalico_0"))->isChecked());
        QVERIFY(!filho<QCheckBox>(&d, QStringLiteral("chkNegrito_0"))->isChecked());
        // A face and a size the dialog does not offer leave the row unselected.
        QCOMPARE(filho<QComboBox>(&d, QStringLiteral("cmbFonte_1"))->currentIndex(), -1);
        QCOMPARE(filho<QComboBox>(&d, QStringLiteral("cmbFonte_1"))->currentText(), QString());
        QCOMPARE(filho<QComboBox>(&d, QStringLiteral("cmbTamanho_1"))->currentIndex(), -1);
        QVERIFY(filho<QCheckBox>(&d, QStringLiteral("chkNegrito_1"))->isChecked());
        QCOMPARE(filho<QComboBox>(&d, QStringLiteral("cmbTamanho_2"))->currentIndex(), 8);
        // Filling the dialog changed nothing in memory.
        QCOMPARE(fontes.FonteTitulo.nomeAparado(), QStringLiteral("Fonte Que Não Existe"));
    }

    void fontesMudancaVaiParaMemoriaOkGrava() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        FontesAnalise fontes = FontesAnalise::CarregaFontes(pasta.caminho());
        const QByteArray antes = pasta.conteudo(FontesAnalise::kArquivo);
        frmConfiguraFonte d(fontes, pasta.caminho(), mensagens,
                            {QStringLiteral("Arial"), QStringLiteral("Courier New"),
                             QStringLiteral("Times New Roman")});
        filho<QComboBox>(&d, QStringLiteral("cmbTamanho_2"))->setEditText(QStringLiteral("13.5"));
        filho<QCheckBox>(&d, QStringLiteral("chkNegrito_2"))->setChecked(true);
        filho<QComboBox>(&d, QStringLiteral("cmbFonte_0"))->setCurrentIndex(1);
        QCOMPARE(fontes.FonteTexto.Tamanho, qint16(14)); // halves go to the even neighbour
        QVERIFY(fontes.FonteTexto.negrito());
        QCOMPARE(fontes.FonteDescricao.nomeAparado(), QStringLiteral("Courier New"));
        QCOMPARE(fontes.FonteDescricao.Nome.size(), DadosFonte::kTamanhoNome);
        QCOMPARE(pasta.conteudo(FontesAnalise::kArquivo), antes);

        botao(&d, "cmdOk")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(FontesAnalise::le(pasta.caminho()), fontes);
    }

    void fontesCancelarLeOArquivoFecharNaoGrava() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        FontesAnalise fontes = FontesAnalise::CarregaFontes(pasta.caminho());
        const QStringList faces = {QStringLiteral("Arial"), QStringLiteral("Courier New")};
        {
            frmConfiguraFonte d(fontes, pasta.caminho(), mensagens, faces);
            d.show();
            filho<QComboBox>(&d, QStringLiteral("cmbTamanho_1"))->setEditText(QStringLiteral("20"));
            QCOMPARE(fontes.FonteTitulo.Tamanho, qint16(20));
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
            QCOMPARE(fontes, FontesAnalise());
        }
        {
            // The frame's close keeps the changes for this run without writing them.
            frmConfiguraFonte d(fontes, pasta.caminho(), mensagens, faces);
            d.show();
            filho<QComboBox>(&d, QStringLiteral("cmbTamanho_1"))->setEditText(QStringLiteral("20"));
            d.close();
            QCOMPARE(fontes.FonteTitulo.Tamanho, qint16(20));
            QCOMPARE(FontesAnalise::le(pasta.caminho()), FontesAnalise());
        }
    }

    void fontesTamanhoDigitado() {
        QCOMPARE(TamanhosFonte::interpreta(QStringLiteral("12.5")), qint16(12));
        QCOMPARE(TamanhosFonte::interpreta(QStringLiteral(" 1 4pt")), qint16(14));
        QCOMPARE(TamanhosFonte::interpreta(QStringLiteral("grande")), qint16(0));
        QCOMPARE(TamanhosFonte::interpreta(QStringLiteral("99999999")), qint16(32767));
        QCOMPARE(TamanhosFonte::lista().first(), QStringLiteral("6"));
        QCOMPARE(TamanhosFonte::lista().size(), 9);
    }

    // --- frmConfiguraRodape ---------------------------------------------------------------

    void rodapeOkGravaEAvisa() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        LinhasRodape linhas;
        frmConfiguraRodape d(linhas, pasta.caminho(), mensagens);
        auto* cabecalho = filho<QLineEdit>(&d, QStringLiteral("txtCabecalhoLinhaUm"));
        QCOMPARE(cabecalho->text(), LinhasRodape::kCabecalhoPadrao);
        cabecalho->setText(QString());
        filho<QLineEdit>(&d, QStringLiteral("txtRodapeLinhaUm"))
            ->setText(QStringLiteral("Ana Luz"));
        filho<QLineEdit>(&d, QStringLiteral("txtRodapeLinhaDois"))
            ->setText(QStringLiteral("(11) 5555-0000 ana@exemplo.com.br"));
        botao(&d, "cmdOk")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(mensagens.mostradas.size(), 1);
        QCOMPARE(mensagens.mostradas[0].titulo, QStringLiteral("Informação:"));
        QCOMPARE(mensagens.mostradas[0].texto, frmConfiguraRodape::kMensagemGravado);
        QCOMPARE(mensagens.mostradas[0].icone, Mensagens::Icone::Informacao);
        const LinhasRodape gravadas = LinhasRodape::CarregaLinhasRodape(pasta.caminho());
        QCOMPARE(gravadas.CabecalhoLinhaUm, QString());
        QCOMPARE(gravadas.RodapeLinhaUm, QStringLiteral("Ana Luz"));
        QCOMPARE(gravadas.RodapeLinhaDois, QStringLiteral("(11) 5555-0000 ana@exemplo.com.br"));
    }

    void rodapeCancelarPerguntaAntes() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmConfiguraRodape d(LinhasRodape(), pasta.caminho(), mensagens);
        d.show();
        auto* linha = filho<QLineEdit>(&d, QStringLiteral("txtRodapeLinhaUm"));
        linha->setText(QStringLiteral("digitado"));
        mensagens.respostas = {false};
        botao(&d, "cmdCancelar")->click();
        QCOMPARE(mensagens.mostradas.size(), 1);
        QCOMPARE(mensagens.mostradas[0].titulo, QStringLiteral("Atenção:"));
        QCOMPARE(mensagens.mostradas[0].texto, frmConfiguraRodape::kPerguntaCancelar);
        QVERIFY(mensagens.mostradas[0].pergunta);
        QVERIFY(d.isVisible());
        QCOMPARE(linha->text(), QStringLiteral("digitado"));

        mensagens.respostas = {true};
        d.close(); // the frame asks as Cancel does
        QVERIFY(!d.isVisible());
        QCOMPARE(mensagens.mostradas.size(), 2);
        QVERIFY(!QFile::exists(pasta.arquivo(LinhasRodape::kArquivo)));
    }

    void rodapeLimitesDasCaixas() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        frmConfiguraRodape d(LinhasRodape(), pasta.caminho(), mensagens);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* cabecalho = filho<QLineEdit>(&d, QStringLiteral("txtCabecalhoLinhaUm"));
        cabecalho->clear();
        cabecalho->setFocus();
        QTest::keyClicks(cabecalho, QString(41, QLatin1Char('x')));
        QCOMPARE(cabecalho->text().size(), 40);
        auto* rodape = filho<QLineEdit>(&d, QStringLiteral("txtRodapeLinhaDois"));
        rodape->setFocus();
        QTest::keyClicks(rodape, QString(200, QLatin1Char('y')));
        QCOMPARE(rodape->text().size(), 198);
        botao(&d, "cmdOk")->click();
        QCOMPARE(LinhasRodape::CarregaLinhasRodape(pasta.caminho()).RodapeLinhaDois,
                 QString(198, QLatin1Char('y')));
    }
};

QTEST_MAIN(DialogosTest)
#include "DialogosTest.moc"
