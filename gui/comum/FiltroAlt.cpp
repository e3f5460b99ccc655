#include "gui/comum/FiltroAlt.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vidalume {

namespace {

// The controls that turn a character into text or into a jump to a row.
bool recebeTexto(const QObject* objeto) {
    return qobject_cast<const QLineEdit*>(objeto) != nullptr ||
           qobject_cast<const QTextEdit*>(objeto) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(objeto) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(objeto) != nullptr ||
           qobject_cast<const QComboBox*>(objeto) != nullptr ||
           qobject_cast<const QAbstractItemView*>(objeto) != nullptr;
}

} // namespace

void FiltroAlt::instala(QCoreApplication& aplicacao) {
    aplicacao.installEventFilter(new FiltroAlt(&aplicacao));
}

bool FiltroAlt::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && recebeTexto(objeto)) {
        const auto* tecla = static_cast<const QKeyEvent*>(evento);
        const Qt::KeyboardModifiers alt =
            tecla->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
        // Ctrl+Alt is AltGr on some systems: it types characters.
        if (alt == Qt::AltModifier && !tecla->text().isEmpty() && tecla->text().at(0).isPrint()) {
            return true;
        }
    }
    return QObject::eventFilter(objeto, evento);
}

} // namespace vidalume
