#include "app/Servicos.h"
#include "gui/comum/DialogoArquivo.h"

#include "app/frmPrincipal.h"
#include "printing/painter/GravacaoPdf.h"
#include "report/painter/LayoutTela.h"
#include "settings/FamiliasFonte.h"
#include "settings/FontesAnalise.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>

namespace vidalume {

namespace {

void aguardaTratandoEventos(int ms) {
    QEventLoop laco;
    QTimer::singleShot(ms, &laco, &QEventLoop::quit);
    laco.exec();
}

QSize tamanhoDaTela() {
    const QScreen* tela = QGuiApplication::primaryScreen();
    return tela != nullptr ? tela->size() : QSize(1024, 768);
}

// The face the system draws for a face name.
QString faceDesenhada(const QString& face) {
    return QFontInfo(QFont(face)).family();
}

// The installed faces, and the faces of the default fonts when the system draws them with a
// face chosen for that name (Arial, Courier New and Times New Roman through the Liberation
// faces, for example) rather than with its fallback for unknown names, as printing does.
QStringList facesInstaladas() {
    QStringList faces = FamiliasFonte::limpa(QFontDatabase::families());
    const QString reserva = faceDesenhada(QStringLiteral("Vidalume Face Inexistente"));
    const FontesAnalise padrao;
    for (const DadosFonte* fonte :
         {&padrao.FonteDescricao, &padrao.FonteTitulo, &padrao.FonteTexto}) {
        const QString face = fonte->nomeAparado();
        if (!faces.contains(face) && faceDesenhada(face) != reserva) {
            faces << face;
        }
    }
    faces.sort(Qt::CaseInsensitive);
    return faces;
}

std::unique_ptr<QPrinter> impressoraPadrao() {
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (padrao.isNull()) {
        return nullptr;
    }
    auto impressora = std::make_unique<QPrinter>(padrao, QPrinter::HighResolution);
    impressora->setPageOrientation(QPageLayout::Portrait);
    return impressora;
}

QString escolheArquivoCopia(QWidget* janela, bool gravar, const QString& sugestao) {
    const QString filtro = QStringLiteral("Cópia de segurança do Vidalume (*.zip)");
    return gravar ? DialogoArquivo::paraGravar(janela, QStringLiteral("Fazer cópia de segurança"),
                                               sugestao, filtro)
                  : DialogoArquivo::paraAbrir(
                        janela, QStringLiteral("Restaurar cópia de segurança"), sugestao, filtro);
}

} // namespace

Servicos Servicos::doSistema(Mensagens& mensagens, Som& som) {
    Servicos s;
    s.mensagens = &mensagens;
    s.som = &som;
    s.hoje = [] { return QDate::currentDate(); };
    s.aguarda = aguardaTratandoEventos;
    s.bipe = [] { QApplication::beep(); };
    s.tamanhoTela = tamanhoDaTela;
    s.facesFonte = facesInstaladas;
    s.abreEndereco = [](const QUrl& endereco) { return QDesktopServices::openUrl(endereco); };
    s.escolheArquivo = DialogoArquivo::paraGravar;
    s.encerra = [] { QCoreApplication::exit(0); };
    s.preparaImpressora = impressoraPadrao;
    s.escolheCsv = [](QWidget* pai, bool salvar) {
        const QString filtro = QStringLiteral("Listas CSV (*.csv *.txt);;Todos os arquivos (*)");
        return salvar ? DialogoArquivo::paraGravar(
                            pai, QStringLiteral("Exportar clientes"),
                            DialogoArquivo::naPastaInicial(QStringLiteral("clientes.csv")), filtro)
                      : DialogoArquivo::paraAbrir(pai, QStringLiteral("Importar clientes"),
                                                  DialogoArquivo::pastaInicial(), filtro);
    };
    s.escolhePasta = [](QWidget* pai) {
        return DialogoArquivo::paraPasta(pai, QStringLiteral("Pasta onde gravar os PDFs"));
    };
    s.agora = [] { return QDateTime::currentDateTime(); };
    s.escolheCopia = escolheArquivoCopia;
    s.exibe = [](QDialog& janela) { janela.exec(); };
    s.paginas = [](const Diagramacao& d, float larguraMm, const QColor& corTexto) {
        return PaginasProntas{LayoutTela::ImprimirAnaliseNoMonitor(d, larguraMm, corTexto), 1.0,
                              GravacaoPdf::paginas(d)};
    };
    return s;
}

} // namespace vidalume
