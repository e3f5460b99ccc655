// The printers installed on the system as the print dialog offers them: each queue's name,
// which the print job needs, and its description, which the user knows it by ("Laser da
// Sala" rather than "HP_LaserJet_1020"). Read anew each time it is asked for, so that a
// printer added while the program runs is offered the next time the dialog opens.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace vidalume {

class ListaImpressoras {
public:
    struct Impressora {
        QString nome;      // the queue name
        QString descricao; // what the system shows of it; may be empty
        bool operator==(const Impressora&) const = default;
    };

    // The installed printers, in the system's order, whether or not one is the default.
    static QList<Impressora> doSistema();
    // Test seam: when set, what doSistema() answers instead of the print system.
    static inline std::function<QList<Impressora>()> sistemaTeste;

    // What the list shows for each of `impressoras`: its description, or its name when it has
    // none; a description that two printers share is followed by the queue name in
    // parentheses, so that every line is told apart.
    static QStringList rotulos(const QList<Impressora>& impressoras);
};

} // namespace vidalume
