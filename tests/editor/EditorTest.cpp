// The interpretation editor's windows: the choices offered, the record opened, saving and
// reading back, leaving without saving, a failed save and the header refusal.
#include "ArquivoInterpretacao.h"
#include "AvisosQt.h"
#include "AvisosTeste.h"
#include "EscolhaTexto.h"
#include "frmAlteraForm.h"
#include "frmSelecionaAlteracao.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vidalume;

namespace {

// Runs `acao` on the next modal window that opens over `dono`.
void quandoAbrirModal(QWidget* dono, std::function<void(QWidget*)> acao) {
    auto* relogio = new QTimer;
    QObject::connect(relogio, &QTimer::timeout, [relogio, dono, acao] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != dono) {
            relogio->deleteLater();
            relogio->stop();
            acao(modal);
        }
    });
    relogio->start(10);
}

template <typename T> T* filho(QWidget& janela, const QString& nome) {
    return janela.findChild<T*>(nome);
}
QRadioButton* opcao(QWidget& janela, int numero) {
    return filho<QRadioButton>(janela, QStringLiteral("optNumeros_%1").arg(numero));
}
QString rotulo(QWidget& janela, const char* nome) {
    return filho<QLabel>(janela, QString::fromLatin1(nome))->text();
}
void clica(QWidget& janela, const char* nome) {
    QTest::mouseClick(filho<QPushButton>(janela, QString::fromLatin1(nome)), Qt::LeftButton);
}
QStringList aviso(const char* tipo, const char* titulo, const QString& texto) {
    return {QString::fromLatin1(tipo), QString::fromUtf8(titulo), texto};
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

private slots:
    void selecaoAbreNoNumeroUmEOfereceSoOQueExiste();
    void alteraSalvaELeDeVolta();
    void cancelarPerguntaENaoGrava();
    void salvarQueFalhaMantemOTexto();
    void caixaNaoPassaDoRegistro();
    void cabecalhoDoGrupoOuRecusa();
    void perguntaTemNaoComoPadrao();
};

void EditorTest::selecaoAbreNoNumeroUmEOfereceSoOQueExiste() {
    QTemporaryDir pasta;
    AvisosTeste avisos;
    frmSelecionaAlteracao dlg(pasta.path(), nullptr, &avisos);
    auto* cmb = filho<QComboBox>(dlg, QStringLiteral("cmbItem"));
    QCOMPARE(cmb->count(), 28);
    QCOMPARE(cmb->currentText(), QStringLiteral("Caminho da Vida"));
    QCOMPARE(dlg.numeroSelecionado(), 1);
    QCOMPARE(opcao(dlg, 1)->text(), QStringLiteral("Número 1 (ou \"a\")"));
    QVERIFY(!opcao(dlg, 0)->isEnabled());

    // The number 0 only where a section uses it; the first vowel has no 7 to 9. A chosen
    // number that the new section does not use gives way to the number 1.
    cmb->setCurrentIndex(5); // birth-day challenge
    opcao(dlg, 0)->setChecked(true);
    QCOMPARE(dlg.numeroSelecionado(), 0);
    cmb->setCurrentIndex(25); // first vowel
    QVERIFY(!opcao(dlg, 7)->isEnabled());
    QVERIFY(opcao(dlg, 6)->isEnabled());
    QCOMPARE(dlg.numeroSelecionado(), 1);
    opcao(dlg, 6)->setChecked(true);
    cmb->setCurrentIndex(0);
    QCOMPARE(dlg.numeroSelecionado(), 6);

    dlg.show();
    clica(dlg, "cmdRetornar");
    QVERIFY(!dlg.isVisible());
}

void EditorTest::alteraSalvaELeDeVolta() {
    QTemporaryDir pasta;
    const ArquivoInterpretacao arquivos(pasta.path());
    const QString desnasc = QStringLiteral("DESNASC.DAT");
    for (int r = 1; r <= 3; ++r) {
        QVERIFY(arquivos.GravaTextoInterpretacao(r, desnasc, QStringLiteral("Registro %1").arg(r)));
    }
    AvisosTeste avisos;
    frmSelecionaAlteracao dlg(pasta.path(), nullptr, &avisos);
    filho<QComboBox>(dlg, QStringLiteral("cmbItem"))->setCurrentIndex(5);
    dlg.show();

    QString info, arquivo, posicao, lido;
    quandoAbrirModal(&dlg, [&](QWidget* janela) {
        info = rotulo(*janela, "lblInfo");
        arquivo = rotulo(*janela, "lblArquivo");
        posicao = rotulo(*janela, "lblPosicao");
        auto* txt = filho<QPlainTextEdit>(*janela, QStringLiteral("txtTexto"));
        lido = txt->toPlainText();
        txt->setPlainText(QStringLiteral("  Novo texto\n\nsegundo parágrafo  "));
        clica(*janela, "cmdSalvar");
    });
    clica(dlg, "cmdAlterarTexto");

    // The option of the number 1 opens record 2, and the info line says number 1.
    QCOMPARE(info, QStringLiteral("Texto referente ao cálculo Desafios do Dia do Nascimento\n"
                                  "Você está alterando a interpretação do número 1"));
    QCOMPARE(arquivo, QDir::toNativeSeparators(QDir(pasta.path()).filePath(desnasc)));
    QCOMPARE(posicao, QStringLiteral("2"));
    QCOMPARE(lido, QStringLiteral("Registro 2"));
    QVERIFY(avisos.avisos.isEmpty()); // saving asks and tells nothing
    QCOMPARE(arquivos.LeTextoInterpretacao(2, desnasc),
             QStringLiteral("Novo texto\r\n\r\nsegundo parágrafo"));
    QCOMPARE(arquivos.LeTextoInterpretacao(1, desnasc), QStringLiteral("Registro 1"));
    QCOMPARE(arquivos.LeTextoInterpretacao(3, desnasc), QStringLiteral("Registro 3"));
    QVERIFY(dlg.isVisible()); // ready for the next edit
}

void EditorTest::cancelarPerguntaENaoGrava() {
    QTemporaryDir pasta;
    const ArquivoInterpretacao arquivos(pasta.path());
    QVERIFY(arquivos.GravaTextoInterpretacao(4, QStringLiteral("APICES.DAT"), "Original"));
    AvisosTeste avisos;
    frmSelecionaAlteracao dlg(pasta.path(), nullptr, &avisos);
    filho<QComboBox>(dlg, QStringLiteral("cmbItem"))->setCurrentIndex(10);
    opcao(dlg, 4)->setChecked(true);
    auto edicao = dlg.preparaAlteracaoTexto();
    edicao->show();

    // Asked even when nothing changed; No keeps the window open.
    clica(*edicao, "cmdRetornar");
    QCOMPARE(avisos.avisos, QList<QStringList>{aviso(
                                "pergunta", "Importante:", frmAlteraForm::kPerguntaCancelar)});
    QVERIFY(edicao->isVisible());

    // Esc asks the same; Yes closes without writing.
    filho<QPlainTextEdit>(*edicao, QStringLiteral("txtTexto"))->setPlainText("Mudado");
    avisos.resposta = true;
    QTest::keyClick(edicao.get(), Qt::Key_Escape);
    QCOMPARE(avisos.avisos.size(), 2);
    QVERIFY(!edicao->isVisible());
    QCOMPARE(arquivos.LeTextoInterpretacao(4, QStringLiteral("APICES.DAT")), QString("Original"));
}

void EditorTest::salvarQueFalhaMantemOTexto() {
    QTemporaryDir pasta;
    QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("CVIDA.DAT"))); // the write must fail
    AvisosTeste avisos;
    frmSelecionaAlteracao dlg(pasta.path(), nullptr, &avisos);
    auto edicao = dlg.preparaAlteracaoTexto();
    auto* txt = filho<QPlainTextEdit>(*edicao, QStringLiteral("txtTexto"));
    txt->setPlainText(QStringLiteral("Texto que não pode se perder"));
    edicao->show();
    clica(*edicao, "cmdSalvar");
    QCOMPARE(avisos.avisos.size(), 1);
    QCOMPARE(avisos.avisos[0].mid(0, 2), (QStringList{"erro", "Erro:"}));
    QVERIFY(avisos.avisos[0][2].contains(QStringLiteral("CVIDA.DAT")));
    QVERIFY(edicao->isVisible());
    QCOMPARE(txt->toPlainText(), QStringLiteral("Texto que não pode se perder"));
}

void EditorTest::caixaNaoPassaDoRegistro() {
    QTemporaryDir pasta;
    const ArquivoInterpretacao arquivos(pasta.path());
    AvisosTeste avisos;
    frmAlteraForm edicao(pasta.path(), *EscolhaTexto::interpretacao(1, 3), QString(), avisos);
    auto* txt = filho<QPlainTextEdit>(edicao, QStringLiteral("txtTexto"));
    const int limite = ArquivoInterpretacao::kTamanhoRegistro;
    QString longo;
    for (int i = 0; i < limite + 900; ++i) {
        longo.append(QChar(u'a' + i % 26));
    }

    // A paste beyond the record keeps what fits: refused at once, not cut silently on save.
    txt->insertPlainText(longo);
    QCOMPARE(edicao.texto(), longo.left(limite));

    // A line break takes two bytes: one byte short of full, a break does not fit, a letter does.
    txt->setPlainText(longo.left(limite - 1));
    txt->moveCursor(QTextCursor::End);
    QTest::keyClick(txt, Qt::Key_Return);
    QCOMPARE(edicao.texto().size(), limite - 1);
    QTest::keyClick(txt, 'z');
    QTest::keyClick(txt, 'z');
    QCOMPARE(edicao.texto().size(), limite);

    edicao.show();
    clica(edicao, "cmdSalvar");
    QCOMPARE(arquivos.LeTextoInterpretacao(3, QStringLiteral("CVIDA.DAT")),
             longo.left(limite - 1) + QStringLiteral("z"));
}

void EditorTest::cabecalhoDoGrupoOuRecusa() {
    QTemporaryDir pasta;
    const ArquivoInterpretacao arquivos(pasta.path());
    const QString cdata = QStringLiteral("CDATA.DAT");
    QVERIFY(arquivos.GravaTextoInterpretacao(4, cdata, "As realizações são quatro."));
    QVERIFY(arquivos.GravaTextoInterpretacao(13, cdata, "Curto"));
    AvisosTeste avisos;
    frmSelecionaAlteracao dlg(pasta.path(), nullptr, &avisos);
    auto* cmb = filho<QComboBox>(dlg, QStringLiteral("cmbItem"));

    // Any pinnacle title opens the pinnacles' explanation, record 4.
    cmb->setCurrentIndex(9);
    auto edicao = dlg.preparaAlteracaoCabecalho();
    QVERIFY(edicao);
    QCOMPARE(rotulo(*edicao, "lblInfo"), QStringLiteral("Texto referente ao cabeçalho do "
                                                        "cálculo Terceira Realização (=primeira)"));
    QCOMPARE(rotulo(*edicao, "lblArquivo"),
             QDir::toNativeSeparators(QDir(pasta.path()).filePath(cdata)));
    QCOMPARE(rotulo(*edicao, "lblPosicao"), QStringLiteral("4"));
    QCOMPARE(edicao->texto(), QStringLiteral("As realizações são quatro."));

    // No explanation record (birth-day challenge, gift, health) or one too short: refused,
    // and the button opens no window.
    for (int indice : {5, 6, 15, 27}) {
        cmb->setCurrentIndex(indice);
        avisos.avisos.clear();
        dlg.show();
        clica(dlg, "cmdAlterarHeader");
        QCOMPARE(avisos.avisos,
                 QList<QStringList>{aviso("erro", "Erro:",
                                          QStringLiteral("Desculpe mas não há cabeçalho "
                                                         "referente ao item selecionado. "
                                                         "Impossível continuar."))});
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
}

void EditorTest::perguntaTemNaoComoPadrao() {
    AvisosQt avisos;
    QMessageBox::StandardButton padrao = QMessageBox::NoButton;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    quandoAbrirModal(nullptr, [&](QWidget* janela) {
        auto* caixa = qobject_cast<QMessageBox*>(janela);
        padrao = caixa->standardButton(caixa->defaultButton());
        icone = caixa->icon();
        QTest::keyClick(caixa, Qt::Key_Return); // Enter answers the default
    });
    QVERIFY(!avisos.perguntaPadraoNao(nullptr, "Importante:", frmAlteraForm::kPerguntaCancelar));
    QCOMPARE(padrao, QMessageBox::No);
    QCOMPARE(icone, QMessageBox::Question);
}

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
