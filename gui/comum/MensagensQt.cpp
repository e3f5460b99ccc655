#include "gui/comum/MensagensQt.h"

#include <QMessageBox>
#include <QPushButton>

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

int MensagensQt::escolhe(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                         const QStringList& botoes) {
    QMessageBox caixa(iconeQt(icone), titulo, texto, QMessageBox::NoButton, pai);
    QList<QPushButton*> criados;
    for (const QString& legenda : botoes) {
        criados << caixa.addButton(legenda, criados.size() + 1 == botoes.size()
                                                ? QMessageBox::RejectRole
                                                : QMessageBox::AcceptRole);
    }
    if (!criados.isEmpty()) {
        caixa.setDefaultButton(criados.first());
        caixa.setEscapeButton(criados.last());
    }
    caixa.exec();
    const auto indice = criados.indexOf(qobject_cast<QPushButton*>(caixa.clickedButton()));
    return indice >= 0 ? int(indice) : int(botoes.size()) - 1;
}

} // namespace vidalume
