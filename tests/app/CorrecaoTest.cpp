// The name correction window: its study off the GUI thread, the table's order, filter and
// marks, Cancel, and the ways the program opens it (menu, name study, client window).
#include "app/frmPrincipal.h"
#include "clients/FichaClientes.h"
#include "gui/estudos/ModeloCorrecao.h"
#include "gui/estudos/QuadroTriangulos.h"
#include "gui/estudos/frmCorrecaoNome.h"
#include "gui/estudos/frmEstudoNomes.h"
#include "tests/app/AmbienteTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

struct Correcao {
    PastaPrograma pasta;
    MensagensTeste avisos;
    QList<QList<int>> relatorios;
    frmCorrecaoNome dlg{pasta.caminho(), avisos,
                        [this](QWidget*, const CorrecaoNome&, const QList<int>& marcados) {
                            relatorios << marcados;
                        }};
    QTableView* tabela = filho<QTableView>(&dlg, u"tblCandidatos"_s);

    void escola(int i) { filho<QComboBox>(&dlg, u"cmbEscola"_s)->setCurrentIndex(i); }
    QString conclusao() const { return filho<QLabel>(&dlg, u"lblConclusao"_s)->text(); }
    QString celula(int linha, int coluna) const {
        return tabela->model()->index(linha, coluna).data().toString();
    }
};

} // namespace

class CorrecaoTest : public QObject {
    Q_OBJECT

private slots:
    // A study with nothing to improve says so; the original is first and the selected
    // candidate's numbers are listed; the school decides the columns and the boxes.
    void calculaForaDaTelaEMostraOriginal() {
        Correcao c;
        c.escola(1);
        c.dlg.preenche(u"Caio Nunes"_s, u"15/08/1985"_s);
        QTRY_VERIFY(!c.dlg.calculando());
        QVERIFY(c.conclusao().startsWith(u"Nenhum candidato melhora o nome original"_s));
        QCOMPARE(c.celula(0, ModeloCorrecao::Ordem), u"1 (original)"_s);
        QCOMPARE(c.celula(0, ModeloCorrecao::Nome), u"CAIO NUNES"_s);
        QVERIFY(filho<QLabel>(&c.dlg, u"lblDetalhe"_s)->text().contains(u"Arcano Regente"_s));
        QVERIFY(!filho<QuadroTriangulos>(&c.dlg, u"picTriangulos"_s)->vazio());
        QVERIFY(!c.tabela->isColumnHidden(ModeloCorrecao::Sequencias));

        c.escola(0);
        QVERIFY(!filho<QCheckBox>(&c.dlg, u"chkAcentos"_s)->isEnabled());
        clica(&c.dlg, u"cmdCalcular"_s);
        QTRY_VERIFY(!c.dlg.calculando());
        QVERIFY(c.tabela->isColumnHidden(ModeloCorrecao::Sequencias));
        QVERIFY(!filho<QCheckBox>(&c.dlg, u"chkSoSemSequencias"_s)->isEnabled());
        QVERIFY(filho<QuadroTriangulos>(&c.dlg, u"picTriangulos"_s)->vazio());
        QVERIFY(c.avisos.mostradas.isEmpty());
    }

    // The filter keeps only candidates without sequences; a column sorts; five marks at most,
    // and the report is given the marked ones.
    void filtroOrdemEMarcas() {
        Correcao c;
        c.escola(1);
        c.dlg.preenche(u"Ana Cruz"_s, u"03/04/1990"_s);
        QTRY_VERIFY(!c.dlg.calculando());
        QAbstractItemModel* m = c.tabela->model();
        const int todos = m->rowCount();
        filho<QCheckBox>(&c.dlg, u"chkSoSemSequencias"_s)->setChecked(true);
        QVERIFY(m->rowCount() > 0 && m->rowCount() < todos);
        for (int i = 0; i < m->rowCount(); ++i) {
            QCOMPARE(c.celula(i, ModeloCorrecao::Sequencias), u"0"_s);
        }
        c.tabela->sortByColumn(ModeloCorrecao::Mudancas, Qt::DescendingOrder);
        QCOMPARE(c.celula(0, ModeloCorrecao::Mudancas), u"2"_s);

        for (int i = 0; i < 6; ++i) {
            m->setData(m->index(i, ModeloCorrecao::Relatorio), Qt::Checked, Qt::CheckStateRole);
        }
        QCOMPARE(c.dlg.marcados().size(), 5);
        QCOMPARE(c.avisos.mostradas,
                 QStringList{mensagem(u"Atenção:"_s, frmCorrecaoNome::kMensagemMarcados,
                                      Icone::Exclamacao)});
        clica(&c.dlg, u"cmdRelatorio"_s);
        QCOMPARE(c.relatorios, QList<QList<int>>{c.dlg.marcados()});
    }

    // A long study is cancelled while it runs; a date that is no date starts nothing.
    void cancelaEConfereEntradas() {
        Correcao c;
        c.escola(1);
        filho<QComboBox>(&c.dlg, u"cmbMudancas"_s)->setCurrentIndex(2);
        c.dlg.preenche(u"Maria Aparecida Souza Lima Rocha"_s, u"22/11/1972"_s);
        QVERIFY(c.dlg.calculando());
        clica(&c.dlg, u"cmdCancelar"_s);
        QTRY_VERIFY(!c.dlg.calculando());
        QCOMPARE(c.conclusao(), u"O cálculo foi cancelado."_s);
        QCOMPARE(c.tabela->model()->rowCount(), 0);

        filho<QLineEdit>(&c.dlg, u"txtDataNasc"_s)->setText(u"31/02/1990"_s);
        clica(&c.dlg, u"cmdCalcular"_s);
        QVERIFY(!c.dlg.calculando());
        QCOMPARE(c.avisos.mostradas.size(), 1);
        QVERIFY(c.avisos.mostradas.first().startsWith(u"Erro:|"_s));
    }

    // The menu item and the name study's button open the window, the latter with the
    // selected name and the date; a cancelled entry leaves no name behind to study. Its
    // report opens as a report window of the main window.
    void abreDoMenuEDoEstudo() {
        PastaPrograma pasta;
        MensagensTeste mensagens;
        SomTeste som;
        QStringList abertas;
        Servicos s = Servicos::doSistema(mensagens, som);
        s.exibe = [&abertas](QDialog& janela) {
            if (janela.objectName() == u"frmCorrecaoNome"_s) {
                const QString nome = filho<QLineEdit>(&janela, u"txtNome"_s)->text();
                abertas << nome + u';' + filho<QLineEdit>(&janela, u"txtDataNasc"_s)->text();
                if (!nome.isEmpty()) {
                    QTRY_VERIFY(!static_cast<frmCorrecaoNome&>(janela).calculando());
                    clica(&janela, u"cmdRelatorio"_s);
                }
            } else if (janela.objectName() == u"frmClientes"_s) {
                filho<QLineEdit>(&janela, u"txtBusca"_s)->setText(u"rafael"_s);
                clica(&janela, u"cmdCorrecao"_s);
            } else {
                filho<QLineEdit>(&janela, u"txtNome"_s)->setText(u"Ana Lima"_s);
                janela.reject();
            }
        };
        {
            FichaClientes ficha;
            QString erro;
            QVERIFY(ficha.abre(pasta.caminho(), FichaClientes::Modo::Escrita, &erro));
            Cliente c;
            c.nome = u"Rafael Souza"_s;
            c.nascimento = QDate(1980, 5, 6);
            QVERIFY(ficha.salva(c, &erro));
        }
        frmPrincipal j(pasta.caminho(), s);
        j.findChild<QAction*>(u"mnuNovaAnalise"_s)->trigger();
        j.findChild<QAction*>(u"mnuCorrecaoNome"_s)->trigger();
        j.findChild<QAction*>(u"mnuClientes"_s)->trigger();
        QCOMPARE(abertas, (QStringList{u";"_s, u"Rafael Souza;06/05/1980"_s}));
        QStringList titulos;
        for (const QMdiSubWindow* sub : j.findChildren<QMdiSubWindow*>()) {
            titulos << sub->widget()->windowTitle();
        }
        QVERIFY2(titulos.contains(u"Estudo de Correção do Nome — RAFAEL SOUZA"_s),
                 qPrintable(titulos.join(u" | ")));

        frmEstudoNomes estudo(u"29/11/1978"_s, pasta.caminho(), mensagens, {});
        QVERIFY(filho<QPushButton>(&estudo, u"cmdCorrecao"_s)->isHidden());
        QStringList pedidos;
        estudo.defineCorrecao([&pedidos](QWidget*, const QString& nome, const QString& data) {
            pedidos << nome + u';' + data;
        });
        estudo.preenche({u"Ana Lima"_s, u"Rafael Souza"_s});
        filho<QTableWidget>(&estudo, u"grdNomes"_s)->selectRow(1);
        clica(&estudo, u"cmdCorrecao"_s);
        QCOMPARE(pedidos, QStringList{u"Rafael Souza;29/11/1978"_s});
    }
};

QTEST_MAIN(CorrecaoTest)
#include "CorrecaoTest.moc"
