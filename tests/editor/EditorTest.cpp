// The interpretation editor: the choices offered and the record each one opens, saving and
// reading back, leaving without saving, a failed save, the text box that keeps to its record
// and the header of each title or its refusal; the files outside the sections, chosen by the
// label of a record, up to the arcana the user writes past the shipped ones.
#include "gui/comum/MensagensQt.h"
#include "gui/textos/frmAlteraForm.h"
#include "gui/textos/frmSelecionaAlteracao.h"
#include "settings/CopiaSeguranca.h"
#include "tests/app/AmbienteTeste.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/EscolhaTexto.h"
#include "texts/TabelaSecoes.h"
#include "texts/TextoCaixa.h"
#include "texts/TextosAvulsos.h"
#include "texts/TextosConhecidos.h"

#include <numeric>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

// The selection window over an empty folder of its own.
struct Editor {
    QTemporaryDir pasta;
    ArquivoInterpretacao arquivos{pasta.path()};
    MensagensTeste avisos;
    frmSelecionaAlteracao dlg{pasta.path(), avisos};
    QComboBox* item = filho<QComboBox>(&dlg, u"cmbItem"_s);

    QRadioButton* opcao(int numero) {
        return filho<QRadioButton>(&dlg, u"optNumeros_%1"_s.arg(numero));
    }
};

QPlainTextEdit* caixa(const QWidget* janela) {
    return filho<QPlainTextEdit>(janela, u"txtTexto"_s);
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

private slots:
    void escolhasOferecidasEORegistroDeCadaUma() {
        Editor e;
        QVERIFY(!e.opcao(0)->isEnabled());
        // The number 0 only where a section uses it; the first vowel has no 7 to 9. A chosen
        // number that the new section does not use gives way to the number 1.
        e.item->setCurrentIndex(5); // birth-day challenge
        e.opcao(0)->setChecked(true);
        QCOMPARE(e.dlg.numeroSelecionado(), 0);
        e.item->setCurrentIndex(25); // first vowel
        QVERIFY(!e.opcao(7)->isEnabled());
        QCOMPARE(e.dlg.numeroSelecionado(), 1);

        // Each choice opens the record its number stands for. Item and number: the birth-day
        // challenge (record = number + 1), the gift 0, the challenges of life (9 stands for the
        // challenge 0), and the health records under the number an analysis shows above them:
        // "Número 3" is record 3, and the second "Número 1" (from the digit 9) is record 10.
        const int casos[][2] = {{6, 1}, {7, 0}, {15, 8}, {16, 3}, {16, 9}, {16, 0}};
        QList<int> registros;
        for (const auto& c : casos) {
            registros << EscolhaTexto::interpretacao(c[0], c[1])->registro;
        }
        QCOMPARE(registros, (QList<int>{2, 1, 9, 3, 9, 10}));
        e.item->setCurrentIndex(15); // health
        QCOMPARE(e.opcao(0)->text(), u"Número 1 (vindo do 9)"_s);
        e.item->setCurrentIndex(0);
        QCOMPARE(e.opcao(0)->text(), u"Número 0"_s);
        QVERIFY(!EscolhaTexto::interpretacao(29, 1) && !EscolhaTexto::interpretacao(1, 10));

        // The map: the debts 13, 14, 16, 19 are records 1 to 4; the explanations of sections 29
        // to 34 are records 1 to 6 of their own file.
        e.item->setCurrentIndex(32);
        QCOMPARE(e.opcao(2)->text(), u"Dívida 14"_s);
        QVERIFY(e.opcao(4)->isEnabled() && !e.opcao(5)->isEnabled());
        const auto divida = EscolhaTexto::interpretacao(33, 3);
        QCOMPARE(divida->arquivo + u' ' + QString::number(divida->registro), u"DIVCARM.DAT 3"_s);
        QVERIFY(divida->info.endsWith(u"número 16"_s));
        const auto cabecalho = EscolhaTexto::cabecalho(34);
        QCOMPARE(cabecalho->arquivo + u' ' + QString::number(cabecalho->registro),
                 u"CMAPA.DAT 6"_s);

        // The choices of a section reach, once each, exactly the records an analysis reads: 1
        // to 9; 1 to 10 where the number 0 is used (birth-day challenge and gift, health); 1 to
        // 6 for the first vowel (A 1 to Y 6); 1 to 4 for the debts; none for the letter chart
        // and the line of life.
        QList<QList<int>> alcancados, lidos; // the records, one list per section
        for (int item = 1; item <= TabelaSecoes::kUltima; ++item) {
            QList<int> deste;
            for (int numero = 0; numero <= 9; ++numero) {
                const auto alvo = EscolhaTexto::interpretacao(item, numero);
                QCOMPARE(bool(alvo), EscolhaTexto::numeroDisponivel(item, numero));
                if (alvo) {
                    deste << alvo->registro;
                }
            }
            std::sort(deste.begin(), deste.end());
            QList<int> esperados(item == 6 || item == 7 || item == 16 ? 10
                                 : item == 26                         ? 6
                                 : item == 33                         ? 4
                                 : item == 29 || item == 34           ? 0
                                                                      : 9);
            std::iota(esperados.begin(), esperados.end(), 1);
            alcancados << deste;
            lidos << esperados;
        }
        QCOMPARE(alcancados, lidos);
    }

    void alteraSalvaELeDeVoltaOuDizQueFalhou() {
        Editor e;
        const QString desnasc = u"DESNASC.DAT"_s;
        for (int r = 1; r <= 3; ++r) {
            QVERIFY(e.arquivos.GravaTextoInterpretacao(r, desnasc, u"Registro %1"_s.arg(r)));
        }
        e.item->setCurrentIndex(5);
        e.dlg.show();
        QString lido;
        quandoAbrir<frmAlteraForm>([&](frmAlteraForm* janela) {
            lido = caixa(janela)->toPlainText();
            caixa(janela)->setPlainText(u"  Novo texto\n\nsegundo parágrafo  "_s);
            clica(janela, u"cmdSalvar"_s);
        });
        clica(&e.dlg, u"cmdAlterarTexto"_s);

        // The option of the number 1 opens record 2.
        QCOMPARE(lido, u"Registro 2"_s);
        QVERIFY(e.avisos.mostradas.isEmpty()); // saving asks and tells nothing
        QCOMPARE(e.arquivos.LeTextoInterpretacao(2, desnasc),
                 u"Novo texto\r\n\r\nsegundo parágrafo"_s);
        QCOMPARE(e.arquivos.LeTextoInterpretacao(3, desnasc), u"Registro 3"_s);

        // A save that fails says so and keeps the window open with its text.
        QVERIFY(QDir(e.pasta.path()).mkdir(u"CVIDA.DAT"_s));
        e.item->setCurrentIndex(0);
        auto edicao = e.dlg.preparaAlteracaoTexto();
        caixa(edicao.get())->setPlainText(u"Texto que não pode se perder"_s);
        edicao->show();
        clica(edicao.get(), u"cmdSalvar"_s);
        QCOMPARE(e.avisos.mostradas.size(), 1);
        QVERIFY(e.avisos.mostradas[0].startsWith(u"Erro:|"_s));
        QVERIFY(edicao->isVisible());
        QCOMPARE(caixa(edicao.get())->toPlainText(), u"Texto que não pode se perder"_s);
    }

    void cancelarPerguntaComNaoPorPadraoENaoGrava() {
        Editor e;
        QVERIFY(e.arquivos.GravaTextoInterpretacao(4, u"APICES.DAT"_s, u"Original"_s));
        e.item->setCurrentIndex(10);
        e.opcao(4)->setChecked(true);
        auto edicao = e.dlg.preparaAlteracaoTexto();
        edicao->show();

        // Esc asks even when nothing changed: No keeps the window open, Yes closes it without
        // writing.
        caixa(edicao.get())->setPlainText(u"Mudado"_s);
        e.avisos.respostas = {false, true};
        QTest::keyClick(edicao.get(), Qt::Key_Escape);
        QVERIFY(edicao->isVisible());
        QTest::keyClick(edicao.get(), Qt::Key_Escape);
        QCOMPARE(e.avisos.mostradas.size(), 2);
        QVERIFY(!edicao->isVisible());
        QCOMPARE(e.arquivos.LeTextoInterpretacao(4, u"APICES.DAT"_s), u"Original"_s);

        // The program's own question box: Enter answers its default, No.
        MensagensQt avisos;
        quandoAbrir<QMessageBox>(
            [](QMessageBox* pergunta) { QTest::keyClick(pergunta, Qt::Key_Return); });
        QVERIFY(!avisos.pergunta(nullptr, u"Importante:"_s, frmAlteraForm::kPerguntaCancelar,
                                 Mensagens::Icone::Pergunta, Mensagens::BotaoPadrao::Nao));
    }

    void caixaNaoPassaDoRegistro() {
        Editor e;
        e.opcao(3)->setChecked(true);
        auto edicao = e.dlg.preparaAlteracaoTexto();
        QPlainTextEdit* txt = caixa(edicao.get());
        const int limite = 5120;
        const QString longo = u"abcdefghij"_s.repeated((limite + 900) / 10);
        auto* aviso = filho<QLabel>(edicao.get(), u"lblAviso"_s);

        // A paste beyond the record keeps what fits and says how much was left out.
        edicao->show();
        txt->insertPlainText(longo);
        QCOMPARE(edicao->texto(), longo.left(limite));
        QVERIFY(aviso->isVisible());
        QVERIFY2(aviso->text().contains(u": 900 caracteres"_s), qPrintable(aviso->text()));

        // A line break takes two bytes: one byte short of full, a break does not fit, a letter
        // does.
        txt->setPlainText(longo.left(limite - 1));
        txt->moveCursor(QTextCursor::End);
        QTest::keyClick(txt, Qt::Key_Return);
        QCOMPARE(edicao->texto().size(), limite - 1);
        QTest::keyClicks(txt, u"zz"_s);
        QCOMPARE(edicao->texto().size(), limite);

        clica(edicao.get(), u"cmdSalvar"_s);
        QCOMPARE(e.arquivos.LeTextoInterpretacao(3, u"CVIDA.DAT"_s),
                 longo.left(limite - 1) + u"z"_s);

        // Characters the record cannot hold are named before saving; No keeps the window open.
        auto outra = e.dlg.preparaAlteracaoTexto();
        outra->show();
        caixa(outra.get())->setPlainText(u"A → B ≠ C → D "_s + QString::fromUtf16(u"\U0001F600"));
        e.avisos.respostas = {false, true};
        clica(outra.get(), u"cmdSalvar"_s);
        QVERIFY(outra->isVisible());
        QCOMPARE(e.avisos.mostradas.last(),
                 mensagem(u"Atenção:"_s,
                          u"Os caracteres → ≠ "_s + QString::fromUtf16(u"\U0001F600") +
                              u" não existem nos arquivos de interpretação e serão gravados "
                              "como \"?\". Deseja salvar assim mesmo?"_s,
                          Mensagens::Icone::Exclamacao, true) +
                     u"(não)"_s);
        clica(outra.get(), u"cmdSalvar"_s);
        QCOMPARE(e.arquivos.LeTextoInterpretacao(3, u"CVIDA.DAT"_s), u"A ? B ? C ? D ?"_s);

        // Paragraph and line separators of the document, a lone CR and a CR LF: one CR LF each.
        const QString documento = u"a"_s + QChar(QChar::ParagraphSeparator) + u"b"_s +
                                  QChar(QChar::LineSeparator) + u"c\rd\r\ne"_s;
        QCOMPARE(TextoCaixa::paraRegistro(documento), u"a\r\nb\r\nc\r\nd\r\ne"_s);
        // Cutting never splits a surrogate pair.
        const QString texto = u"ab\ncé"_s + QString::fromUtf16(u"\U0001F600");
        QCOMPARE(TextoCaixa::tamanhoNoRegistro(texto), 7);
        QCOMPARE(TextoCaixa::corteDoFim(texto, 4), 5);
    }

    void arquivosForaDasSecoesPorRotulo() {
        // Every file read beside the sections opens somewhere: as a section, as the header of
        // one, or as a row of the table, which offers at least the shipped records, a label
        // each, no more than a backup takes.
        QSet<QString> alcancados;
        for (int item = 1; item <= TabelaSecoes::kUltima; ++item) {
            alcancados << TabelaSecoes::arquivo(item);
            if (const auto alvo = EscolhaTexto::cabecalho(item)) {
                alcancados << alvo->arquivo;
            }
        }
        for (const TextoAvulso& t : TextosAvulsos::lista()) {
            alcancados << t.arquivo;
            const QFileInfo entregue(
                QDir(QStringLiteral(VIDALUME_DADOS_TESTE)).filePath(t.arquivo));
            QVERIFY2(entregue.size() ==
                             qint64(t.entregues) * ArquivoInterpretacao::kTamanhoRegistro &&
                         t.registros() >= t.entregues,
                     qPrintable(t.arquivo));
            QCOMPARE(CopiaSeguranca::confereTamanho(
                         t.arquivo, qint64(t.registros()) * ArquivoInterpretacao::kTamanhoRegistro),
                     QString());
            QCOMPARE(QSet<QString>(t.rotulos.cbegin(), t.rotulos.cend()).size(), t.registros());
        }
        for (const QString& nome : TextosConhecidos::kOutros) {
            QVERIFY2(alcancados.contains(nome), qPrintable(nome));
        }

        // An arcanum of the user's own past the 22 shipped texts: it opens empty without being
        // taken for a damaged file, and saving it keeps the shipped ones.
        Editor e;
        const QString arcanos = u"ARCANOS.DAT"_s;
        QVERIFY(QFile::copy(QDir(QStringLiteral(VIDALUME_DADOS_TESTE)).filePath(arcanos),
                            e.arquivos.caminho(arcanos)));
        const QString louco = e.arquivos.LeTextoInterpretacao(22, arcanos);
        ArquivoInterpretacao::avisosNovos();
        e.dlg.show();
        e.item->setCurrentIndex(e.item->findText(u"Pirâmide do nome: arcanos"_s));
        auto* registro = filho<QComboBox>(&e.dlg, u"cmbRegistro"_s);
        QVERIFY(registro->isVisible() && !filho<QGroupBox>(&e.dlg, u"frmInfo"_s)->isVisible());
        QCOMPARE(registro->itemText(21), u"Arcano 22 — O Louco"_s);
        registro->setCurrentIndex(39);
        QString lido = u"?"_s;
        quandoAbrir<frmAlteraForm>([&](frmAlteraForm* janela) {
            lido = caixa(janela)->toPlainText();
            QVERIFY(filho<QLabel>(janela, u"lblInfo"_s)->text().endsWith(u"Arcano 40"_s));
            caixa(janela)->setPlainText(u"O arcano 40 da numeróloga."_s);
            clica(janela, u"cmdSalvar"_s);
        });
        clica(&e.dlg, u"cmdAlterarTexto"_s);
        QCOMPARE(lido, QString());
        QVERIFY(ArquivoInterpretacao::avisosNovos().isEmpty());
        QCOMPARE(e.arquivos.LeTextoInterpretacao(40, arcanos), u"O arcano 40 da numeróloga."_s);
        QVERIFY(e.arquivos.LeTextoInterpretacao(22, arcanos) == louco &&
                louco.startsWith(u"O Louco"_s));
        QCOMPARE(QFileInfo(e.arquivos.caminho(arcanos)).size(), 99 * 5120);
    }

    void cabecalhoDoGrupoOuRecusa() {
        Editor e;
        QVERIFY(
            e.arquivos.GravaTextoInterpretacao(4, u"CDATA.DAT"_s, u"As realizações são quatro."_s));
        QVERIFY(e.arquivos.GravaTextoInterpretacao(13, u"CDATA.DAT"_s, u"Curto"_s));

        // Any pinnacle title opens the pinnacles' explanation, record 4.
        e.item->setCurrentIndex(9);
        auto edicao = e.dlg.preparaAlteracaoCabecalho();
        QVERIFY(edicao);
        QCOMPARE(edicao->texto(), u"As realizações são quatro."_s);

        // An explanation record too short is refused, and the button opens no window (the titles
        // without one are in the table below).
        e.dlg.show();
        e.item->setCurrentIndex(27);
        clica(&e.dlg, u"cmdAlterarHeader"_s);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(e.avisos.mostradas,
                 QStringList(1, mensagem(u"Erro:"_s,
                                         u"Desculpe mas não há cabeçalho referente ao item "
                                         "selecionado. Impossível continuar."_s,
                                         Mensagens::Icone::Critico)));
        QVERIFY(!EscolhaTexto::cabecalhoEditavel(u"123456789"_s));
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
