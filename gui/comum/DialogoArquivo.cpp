#include "gui/comum/DialogoArquivo.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

namespace vidalume {

namespace {

// The kind of each file as the dialog's list shows it. Qt's Portuguese translation leaves
// the kind of a folder in English ("Folder"); files keep the description the system gives
// their type.
class TiposArquivo : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override {
        return info.isDir() ? QStringLiteral("Pasta") : QFileIconProvider::type(info);
    }
};

// A file dialog of Qt itself, which the translation and the list above reach on every
// desktop alike; the kinds outlive the dialog.
struct Dialogo {
    TiposArquivo tipos;
    QFileDialog dialogo;

    Dialogo(QWidget* pai, const QString& titulo, const QString& inicio, const QString& filtro)
        : dialogo(pai, titulo, inicio, filtro) {
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.setIconProvider(&tipos);
        // Qt's first size cuts long file names and the translated captions: the dialog opens
        // wider, as far as the screen allows.
        const QScreen* tela = pai != nullptr ? pai->screen() : QGuiApplication::primaryScreen();
        const QSize livre = tela != nullptr ? tela->availableSize() * 9 / 10 : QSize(900, 560);
        dialogo.resize(std::min(900, livre.width()), std::min(560, livre.height()));
    }
};

QString escolhe(QFileDialog& dialogo) {
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().constFirst();
}

} // namespace

QString DialogoArquivo::paraGravar(QWidget* pai, const QString& titulo, const QString& sugestao,
                                   const QString& filtro) {
    Dialogo d(pai, titulo, sugestao, filtro);
    QFileDialog& dialogo = d.dialogo;
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setDefaultSuffix(QFileInfo(sugestao).suffix());
    return escolhe(dialogo);
}

QString DialogoArquivo::paraAbrir(QWidget* pai, const QString& titulo, const QString& inicio,
                                  const QString& filtro) {
    Dialogo d(pai, titulo, inicio, filtro);
    QFileDialog& dialogo = d.dialogo;
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    return escolhe(dialogo);
}

QString DialogoArquivo::paraPasta(QWidget* pai, const QString& titulo) {
    Dialogo d(pai, titulo, pastaInicial(), QString());
    QFileDialog& dialogo = d.dialogo;
    dialogo.setFileMode(QFileDialog::Directory);
    dialogo.setOption(QFileDialog::ShowDirsOnly);
    return escolhe(dialogo);
}

QString DialogoArquivo::pastaInicial() {
    // The documents folder is named even where it was never made; a dialog told to start in a
    // folder that does not exist opens in the working folder instead.
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documentos.isEmpty() && QFileInfo(documentos).isDir() ? documentos : QDir::homePath();
}

QString DialogoArquivo::naPastaInicial(const QString& nome) {
    return QDir(pastaInicial()).filePath(nome);
}

} // namespace vidalume
