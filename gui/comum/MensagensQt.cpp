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

// Shows the box modally, then gives the keyboard back to the window it was shown over: where
// no window manager does it, the closed box would leave no window active.
int exibe(QMessageBox& caixa, QWidget* pai) {
    const int resposta = caixa.exec();
    if (pai != nullptr && pai->window()->isVisible()) {
        pai->window()->activateWindow();
    }
    return resposta;
}

} // namespace

void MensagensQt::informa(QWidget* pai, const QString& titulo, const QString& texto, Icone icone) {
    QMessageBox caixa(iconeQt(icone), titulo, texto, QMessageBox::Ok, pai);
    exibe(caixa, pai);
}

bool MensagensQt::pergunta(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                           BotaoPadrao padrao) {
    QMessageBox caixa(iconeQt(icone), titulo, texto, QMessageBox::Yes | QMessageBox::No, pai);
    caixa.setDefaultButton(padrao == BotaoPadrao::Sim ? QMessageBox::Yes : QMessageBox::No);
    caixa.setEscapeButton(QMessageBox::No);
    return exibe(caixa, pai) == QMessageBox::Yes;
}

int MensagensQt::escolhe(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                         const QStringList& botoes, int padrao) {
    QMessageBox caixa(iconeQt(icone), titulo, texto, QMessageBox::NoButton, pai);
    QList<QPushButton*> criados;
    for (const QString& legenda : botoes) {
        criados << caixa.addButton(legenda, criados.size() + 1 == botoes.size()
                                                ? QMessageBox::RejectRole
                                                : QMessageBox::AcceptRole);
    }
    if (!criados.isEmpty()) {
        caixa.setDefaultButton(criados.value(padrao, criados.first()));
        caixa.setEscapeButton(criados.last());
    }
    exibe(caixa, pai);
    const auto indice = criados.indexOf(qobject_cast<QPushButton*>(caixa.clickedButton()));
    return indice >= 0 ? int(indice) : int(botoes.size()) - 1;
}

} // namespace vidalume
