// The client file from the desktop program: an analysis kept in the file with its forecast
// date, the client window's search and removal, and an analysis reopened from it.
#include "app/frmPrincipal.h"
#include "clients/FichaClientes.h"
#include "composer/ComporAnalise.h"
#include "gui/clientes/frmClientes.h"
#include "gui/entrada/frmEntraNome.h"
#include "gui/relatorio/frmExibeRelatorio.h"
#include "tests/app/AmbienteTeste.h"

#include <QPrinter>

using namespace vidalume;
using namespace vidalume::teste;

namespace {

const QDate kHoje(2024, 3, 15);

std::vector<Cliente> clientes(const QString& pasta) {
    FichaClientes f;
    QString erro;
    return f.abre(pasta, FichaClientes::Modo::Leitura, &erro) ? f.busca({}, &erro)
                                                              : std::vector<Cliente>{};
}

// Clients born on 06/05/1980, kept in the folder's client file.
void guarda(const QString& pasta, std::initializer_list<const char*> nomes) {
    FichaClientes f;
    QString erro;
    QVERIFY(f.abre(pasta, FichaClientes::Modo::Escrita, &erro));
    for (const char* nome : nomes) {
        Cliente c;
        c.nome = QString::fromUtf8(nome);
        c.nascimento = QDate(1980, 5, 6);
        QVERIFY(f.salva(c, &erro));
    }
}

// A program folder and the services of a main window over it: today fixed, no printer, pages
// drawn here, and every dialog but the start-up window shown for the test to drive.
struct Ambiente {
    PastaPrograma pasta;
    MensagensTeste mensagens;
    SomTeste som;
    Servicos servicos() {
        Servicos s = Servicos::doSistema(mensagens, som);
        s.hoje = [] { return kHoje; };
        s.tamanhoTela = [] { return QSize(1600, 1000); };
        s.preparaImpressora = [] { return std::unique_ptr<QPrinter>(); };
        s.paginas = [](const Diagramacao&, float larguraMm, const QColor&) {
            return paginasDeTeste(2, larguraMm);
        };
        s.exibe = [](QDialog& janela) {
            if (janela.objectName() != u"frmEntrada"_s) {
                janela.exec();
            }
        };
        return s;
    }
};

} // namespace

class ClientesTest : public QObject {
    Q_OBJECT

private slots:
    void guardaBuscaExcluiEReabre() {
        Ambiente a;
        const PastaPrograma& pasta = a.pasta;
        MensagensTeste& mensagens = a.mensagens;
        frmPrincipal j(pasta.caminho(), a.servicos());
        j.Form_Load();

        // An analysis for 01/01/2030, kept in the client file.
        quandoAbrir<frmEntraNome>([](frmEntraNome* d) {
            QCOMPARE(filho<QLineEdit>(d, u"txtReferencia"_s)->text(), u"15/03/2024"_s);
            filho<QLineEdit>(d, u"txtNome"_s)->setText(u"João da Silva"_s);
            filho<QLineEdit>(d, u"txtDataNasc"_s)->setText(u"29/11/1978"_s);
            filho<QLineEdit>(d, u"txtReferencia"_s)->setText(u"1/1/2030"_s);
            filho<QCheckBox>(d, u"chkGuardar"_s)->setChecked(true);
            clica(d, u"cmdOk"_s);
        });
        j.cmdCriaAnalise_Click();
        const QString nota = ComporAnalise::notaPrevisoes(QDate(2030, 1, 1));
        QVERIFY(j.padrao().Analise[17].Texto.startsWith(nota));
        QVERIFY(j.padrao().Analise[22].Texto.startsWith(nota));
        QVERIFY(!j.padrao().Analise[16].Texto.contains(nota));
        QCOMPARE(j.relatorioAtivo()->pedido().DataReferencia, QDate(2030, 1, 1));
        std::vector<Cliente> lista = clientes(pasta.caminho());
        QCOMPARE(lista.size(), std::size_t(1));
        QCOMPARE(lista[0].nome, u"João da Silva"_s);
        QCOMPARE(lista[0].ultimaAnalise.date(), kHoje);

        guarda(pasta.caminho(), {"Maria Joana Luz", "Ângela Maria"});

        // Search, a removal answered No then Yes, and the analysis reopened.
        mensagens.mostradas.clear();
        quandoAbrir<frmClientes>([&mensagens](frmClientes* d) {
            auto* busca = filho<QLineEdit>(d, u"txtBusca"_s);
            QCOMPARE(d->idsMostrados().size(), 3);
            busca->setText(u"angela"_s);
            QCOMPARE(d->idsMostrados().size(), 1);
            mensagens.respostas = {false};
            clica(d, u"cmdExcluir"_s);
            QCOMPARE(d->idsMostrados().size(), 1);
            mensagens.respostas = {true};
            clica(d, u"cmdExcluir"_s);
            QCOMPARE(d->idsMostrados().size(), 0);
            busca->setText(u"JOAO silva"_s);
            QCOMPARE(d->idsMostrados().size(), 1);
            QCOMPARE(filho<QListWidget>(d, u"lstAnalises"_s)->count(), 1);
            mensagens.respostas = {false}; // keep the open report window
            clica(d, u"cmdReabrir"_s);
        });
        j.padrao().Analise = {};
        j.mnuClientes_Click();
        QCOMPARE(mensagens.mostradas.size(), 3);
        QVERIFY(
            mensagens.mostradas[0].startsWith(u"Atenção:|Excluir o cliente \"Ângela Maria\""_s));
        QVERIFY(mensagens.mostradas[0].endsWith(u"?(não)"_s)); // No is the default
        QCOMPARE(clientes(pasta.caminho()).size(), std::size_t(2));
        QCOMPARE(j.relatorios().size(), 2);
        QCOMPARE(j.relatorioAtivo()->pedido().DataReferencia, QDate(2030, 1, 1));
        QVERIFY(j.padrao().Analise[19].Texto.startsWith(nota));
        QCOMPARE(j.padrao().Pedido.NomeAnalise, u"JOAO DA SILVA"_s);
    }

    // "Gerar PDFs" with one row selected (a search selects its first) acts on every client
    // listed and says so first; a second run offers to replace its own files, never another
    // program's.
    void gerarPdfsDeTodosOsListados() {
        Ambiente a;
        MensagensTeste& mensagens = a.mensagens;
        QTemporaryDir saida;
        Servicos s = a.servicos();
        s.escolhePasta = [&saida](QWidget*) { return saida.path(); };
        QList<QUrl> abertos;
        s.abreEndereco = [&abertos](const QUrl& u) {
            abertos << u;
            return true;
        };
        frmPrincipal j(a.pasta.caminho(), std::move(s));
        guarda(a.pasta.caminho(), {"Maria Joana Luz", "Maria Clara Dias", "Pedro Alves"});
        const QByteArray alheio = "%PDF-1.4 de outro programa";
        QFile outro(QDir(saida.path()).filePath(u"PEDRO_ALVES_06-05-1980.pdf"_s));
        QVERIFY(outro.open(QIODevice::WriteOnly) && outro.write(alheio) == alheio.size());
        outro.close();
        const auto arquivos = [&saida] { return QDir(saida.path()).entryList(QDir::Files); };

        quandoAbrir<frmClientes>([](frmClientes* d) {
            filho<QLineEdit>(d, u"txtBusca"_s)->setText(u"maria"_s);
            clica(d, u"cmdGerarPdfs"_s);
            clica(d, u"cmdFechar"_s);
        });
        j.mnuClientes_Click();
        QCOMPARE(mensagens.mostradas.size(), 2);
        QVERIFY2(mensagens.mostradas[0].startsWith(
                     u"Atenção:|Serão gravadas em PDF as análises dos 2 clientes listados"_s),
                 qPrintable(mensagens.mostradas[0]));
        QVERIFY(mensagens.mostradas[0].endsWith(u"Deseja continuar?|pergunta?"_s));
        QVERIFY(mensagens.mostradas[1].startsWith(u"Informação:|2 de 2 análises gravadas"_s));
        QVERIFY(mensagens.mostradas[1].endsWith(u"[Abrir a &pasta/&OK](&OK)"_s));
        QVERIFY(abertos.isEmpty());
        QCOMPARE(arquivos(), (QStringList{u"MARIA_CLARA_DIAS_06-05-1980.pdf"_s,
                                          u"MARIA_JOANA_LUZ_06-05-1980.pdf"_s,
                                          u"PEDRO_ALVES_06-05-1980.pdf"_s}));

        // All three: the two PDFs of the first run are replaced, the other program's file
        // stays and Pedro's analysis goes beside it.
        mensagens.mostradas.clear();
        mensagens.escolhas = {0, 0}; // replace, then open the folder
        quandoAbrir<frmClientes>([](frmClientes* d) {
            clica(d, u"cmdGerarPdfs"_s);
            clica(d, u"cmdFechar"_s);
        });
        j.mnuClientes_Click();
        QVERIFY(mensagens.mostradas[0].contains(u"dos 3 clientes listados"_s));
        QVERIFY(mensagens.mostradas[0].contains(u"Um arquivo com o mesmo nome, que não foi "
                                                "gravado pelo Vidalume"_s));
        QVERIFY(mensagens.mostradas[0].contains(u"2 dessas análises já estão nessa pasta"_s));
        QVERIFY(mensagens.mostradas[0].endsWith(u"[&Substituir/&Gravar cópias/&Cancelar]"_s));
        QCOMPARE(
            arquivos(),
            (QStringList{u"MARIA_CLARA_DIAS_06-05-1980.pdf"_s, u"MARIA_JOANA_LUZ_06-05-1980.pdf"_s,
                         u"PEDRO_ALVES_06-05-1980 (2).pdf"_s, u"PEDRO_ALVES_06-05-1980.pdf"_s}));
        QVERIFY(outro.open(QIODevice::ReadOnly));
        QCOMPARE(outro.readAll(), alheio);
        // Every analysis written, new or replaced, is readable by its owner only.
        for (const QString& f : arquivos()) {
            QVERIFY2(f == outro.fileName().section(u'/', -1) ||
                         !(QFile::permissions(saida.filePath(f)) & QFile::ReadOther),
                     qPrintable(f));
        }
        QCOMPARE(abertos, QList<QUrl>{QUrl::fromLocalFile(saida.path())});
    }

    // A damaged client file: a message, the file as it was, and analyses still made.
    void fichaDanificadaNaoImpedeAAnalise() {
        Ambiente a;
        const PastaPrograma& pasta = a.pasta;
        MensagensTeste& mensagens = a.mensagens;
        pasta.escreve(FichaClientes::kArquivo, QByteArray(5000, 'x'));
        frmPrincipal j(pasta.caminho(), a.servicos());
        j.mnuClientes_Click();
        QCOMPARE(mensagens.mostradas.size(), 1);
        QVERIFY(mensagens.mostradas[0].contains(u"danificado"_s));
        quandoAbrir<frmEntraNome>([](frmEntraNome* d) {
            filho<QLineEdit>(d, u"txtNome"_s)->setText(u"Carla Dias"_s);
            filho<QLineEdit>(d, u"txtDataNasc"_s)->setText(u"01/02/1990"_s);
            filho<QCheckBox>(d, u"chkGuardar"_s)->setChecked(true);
            clica(d, u"cmdOk"_s);
        });
        j.cmdCriaAnalise_Click();
        QCOMPARE(j.relatorios().size(), 1);
        QCOMPARE(mensagens.mostradas.size(), 2);
        QVERIFY(mensagens.mostradas[1].startsWith(u"Atenção:|A análise será exibida"_s));
        QCOMPARE(pasta.conteudo(FichaClientes::kArquivo), QByteArray(5000, 'x'));
    }
};

QTEST_MAIN(ClientesTest)
#include "ClientesTest.moc"
