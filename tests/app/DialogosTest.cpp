// The entry dialog and the three settings dialogs: their checks, messages, and what OK and
// Cancel leave in memory and on disk.
#include "AmbienteTeste.h"
#include "Configuracao.h"
#include "EntradaDados.h"
#include "FontesAnalise.h"
#include "LinhasRodape.h"
#include "TamanhosFonte.h"
#include "frmConfiguraFonte.h"
#include "frmConfiguraPrograma.h"
#include "frmConfiguraRodape.h"
#include "frmEntraNome.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

// The entry dialog, shown and active in a program folder of its own.
struct Entrada {
    PastaPrograma pasta;
    MensagensTeste mensagens;
    frmEntraNome d;
    QLineEdit* nome = filho<QLineEdit>(&d, u"txtNome"_s);
    QLineEdit* data = filho<QLineEdit>(&d, u"txtDataNasc"_s);

    explicit Entrada(const QString& nomeAnterior = {}, const QString& dataAnterior = {})
        : d(nomeAnterior, dataAnterior, pasta.caminho(), mensagens) {
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
    }
    QString lidos() const { return d.NomeAnalise() + u'|' + d.DataNascimento(); }
    void digitaData(const QString& texto) {
        data->setFocus();
        QTest::keyClicks(data, texto);
    }
};

} // namespace

class DialogosTest : public QObject {
    Q_OBJECT

private slots:
    void entradaConfereDataENome() {
        Entrada e(u"ANTERIOR"_s);
        // The date is checked before the name.
        e.nome->setText(u"Ana"_s);
        e.data->setText(u"31/02/1990"_s);
        clica(&e.d, u"cmdOk"_s);
        QCOMPARE(
            e.mensagens.mostradas,
            QStringList{mensagem(u"Erro:"_s, EntradaDados::kMensagemDataInvalida, Icone::Critico)});
        QVERIFY(e.data->hasFocus());
        QCOMPARE(e.d.NomeAnalise(), u"ANTERIOR"_s);

        e.data->setText(u"01/01/2000"_s);
        e.nome->clear();
        clica(&e.d, u"cmdOk"_s); // empty name: focus only
        QCOMPARE(e.mensagens.mostradas.size(), 1);
        QVERIFY(e.nome->hasFocus());

        // Enter in the date box normalises the date before the checks.
        e.nome->setText(u"Zoé B"_s);
        e.data->clear();
        e.digitaData(u"20/8/78"_s);
        QTest::keyClick(e.data, Qt::Key_Return);
        QCOMPARE(e.d.result(), int(QDialog::Accepted));
        QCOMPARE(e.lidos(), u"ZOE B|20/08/1978"_s);
    }

    void entradaCancelarEscEFecharDescartam() {
        const std::function<void(frmEntraNome&)> saidas[] = {
            [](frmEntraNome& d) { clica(&d, u"cmdCancelar"_s); },
            [](frmEntraNome& d) { QTest::keyClick(&d, Qt::Key_Escape); },
            [](frmEntraNome& d) { d.close(); }};
        for (const auto& sai : saidas) {
            Entrada e(u"ANTIGO"_s, u"01/01/1990"_s);
            e.nome->setText(u"Outro Nome"_s);
            e.digitaData(u"5/5/55"_s);
            e.nome->setFocus();
            sai(e.d);
            QVERIFY(!e.d.isVisible());
            QVERIFY(e.d.cancelado());
            QCOMPARE(e.lidos(), u"Descartar|05/05/1955"_s);
        }
    }

    void programaMostraOkSoComCalculoCancelarNaoMuda() {
        MensagensTeste mensagens;
        Configuracao config;
        config.ImprimirNumero = 1; // any non-zero flag reads as on
        config.EscutarSons = 0;
        Configuracao::Selecao selecao = Configuracao::padraoCalculos();
        selecao[3] = 0;
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
            frmConfiguraPrograma d(config, selecao, mensagens);
            QVERIFY(filho<QCheckBox>(&d, u"chkImprimirNumero"_s)->isChecked());
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
        frmConfiguraPrograma d(config, selecao, mensagens);
        marca(d, 5);
        clica(&d, u"cmdOk"_s);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        for (int k = 1; k <= Configuracao::kTotalCalculos; ++k) {
            QCOMPARE(Configuracao::ligado(selecao[k]), k == 6);
        }
        QCOMPARE(config.EscutarSons, qint16(-1));
        QCOMPARE(mensagens.mostradas.size(), 1);
    }

    void fontesMostraGravaERele() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        FontesAnalise fontes;
        fontes.FonteTexto.Tamanho = 22;
        fontes.FonteTitulo.defineNome(u"Fonte Que Não Existe"_s);
        fontes.FonteTitulo.Tamanho = 9;
        {
            frmConfiguraFonte d(fontes, pasta.caminho(), mensagens,
                                {"Arial", "Courier New", "Times New Roman", "Arial"});
            QCOMPARE(filho<QComboBox>(&d, u"cmbFonte_0"_s)->currentIndex(), 3); // the later Arial
            QCOMPARE(filho<QComboBox>(&d, u"cmbTamanho_2"_s)->currentIndex(), 8);
            // A face and a size the dialog does not offer leave the row unselected, and filling
            // the dialog changes nothing in memory.
            QCOMPARE(filho<QComboBox>(&d, u"cmbFonte_1"_s)->currentIndex(), -1);
            QCOMPARE(filho<QComboBox>(&d, u"cmbTamanho_1"_s)->currentIndex(), -1);
            QCOMPARE(fontes.FonteTitulo.nomeAparado(), u"Fonte Que Não Existe"_s);
            QCOMPARE(fontes.FonteTitulo.Tamanho, qint16(9));
        }
        // Typed sizes: halves to the even neighbour, blanks and units ignored, clamped.
        QCOMPARE(TamanhosFonte::interpreta(u" 1 2.5pt"_s), qint16(12));
        QCOMPARE(TamanhosFonte::interpreta(u"99999999"_s), qint16(32767));

        // A change goes to memory at once; OK writes it, Esc reads the file back.
        fontes = FontesAnalise::CarregaFontes(pasta.caminho());
        const QByteArray antes = pasta.conteudo(FontesAnalise::kArquivo);
        const QStringList faces = {"Arial", "Courier New", "Times New Roman"};
        for (const bool esc : {true, false}) {
            frmConfiguraFonte d(fontes, pasta.caminho(), mensagens, faces);
            d.show();
            filho<QComboBox>(&d, u"cmbTamanho_1"_s)->setEditText(u"20"_s);
            QCOMPARE(fontes.FonteTitulo.Tamanho, qint16(20));
            if (esc) {
                QTest::keyClick(&d, Qt::Key_Escape); // reads the file back
            } else {
                d.close(); // keeps the changes for this run without writing them
            }
            QCOMPARE(fontes == FontesAnalise(), esc);
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
        QVERIFY(QTest::qWaitForWindowActive(&d));
        filho<QLineEdit>(&d, u"txtCabecalhoLinhaUm"_s)->clear();
        auto* rodape = filho<QLineEdit>(&d, u"txtRodapeLinhaDois"_s);
        rodape->setFocus();
        QTest::keyClicks(rodape, QString(200, u'y'));
        QCOMPARE(rodape->text().size(), 198);
        filho<QLineEdit>(&d, u"txtRodapeLinhaUm"_s)->setText(u"Ana Luz"_s);
        clica(&d, u"cmdOk"_s);
        QCOMPARE(
            mensagens.mostradas.last(),
            mensagem(u"Informação:"_s, frmConfiguraRodape::kMensagemGravado, Icone::Informacao));
        const LinhasRodape gravadas = LinhasRodape::CarregaLinhasRodape(pasta.caminho());
        QCOMPARE(gravadas.CabecalhoLinhaUm, QString());
        QCOMPARE(gravadas.RodapeLinhaUm, u"Ana Luz"_s);
        QCOMPARE(gravadas.RodapeLinhaDois, QString(198, u'y'));
    }
};

QTEST_MAIN(DialogosTest)
#include "DialogosTest.moc"
