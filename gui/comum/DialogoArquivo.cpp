#include "gui/comum/DialogoArquivo.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vidalume {

namespace {

QString escolhe(QFileDialog& dialogo) {
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().constFirst();
}

} // namespace

QString DialogoArquivo::paraGravar(QWidget* pai, const QString& titulo, const QString& sugestao,
                                   const QString& filtro) {
    QFileDialog dialogo(pai, titulo, sugestao, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setDefaultSuffix(QFileInfo(sugestao).suffix());
    return escolhe(dialogo);
}

QString DialogoArquivo::paraAbrir(QWidget* pai, const QString& titulo, const QString& inicio,
                                  const QString& filtro) {
    QFileDialog dialogo(pai, titulo, inicio, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    return escolhe(dialogo);
}

} // namespace vidalume
