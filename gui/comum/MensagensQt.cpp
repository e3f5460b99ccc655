#include "gui/comum/MensagensQt.h"

#include <QMessageBox>

namespace vidalume {

namespace {

QMessageBox::Icon iconeQt(Mensagens::Icone icone) {
    switch (icone) {
    case Mensagens::Icone::Critico:
        return QMessageBox::Critical;
    case Mensagens::Icone::Exclamacao:
        return QMessageBox::Warning;
    case Mensagens::Icone::Informacao:
        return QMessageBox::Information;
    case Mensagens::Icone::Pergunta:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MensagensQt::informa(QWidget* pai, const QString& titulo, const QString& texto, Icone icone) {
    QMessageBox caixa(iconeQt(icone), titulo, texto, QMessageBox::Ok, pai);
    caixa.exec();
}

bool MensagensQt::pergunta(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                           BotaoPadrao padrao) {
    QMessageBox caixa(iconeQt(icone), titulo, texto, QMessageBox::Yes | QMessageBox::No, pai);
    caixa.setDefaultButton(padrao == BotaoPadrao::Sim ? QMessageBox::Yes : QMessageBox::No);
    caixa.setEscapeButton(QMessageBox::No);
    return caixa.exec() == QMessageBox::Yes;
}

} // namespace vidalume
