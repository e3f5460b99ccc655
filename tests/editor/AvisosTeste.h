// A stand-in for the editor's message boxes: answers questions as told, records everything.
#pragma once

#include "Avisos.h"

#include <QList>
#include <QStringList>

namespace vidalume {

class AvisosTeste : public Avisos {
public:
    void erro(QWidget*, const QString& titulo, const QString& texto) override {
        avisos.append({QStringLiteral("erro"), titulo, texto});
    }
    bool perguntaPadraoNao(QWidget*, const QString& titulo, const QString& texto) override {
        avisos.append({QStringLiteral("pergunta"), titulo, texto});
        return resposta;
    }

    bool resposta = false;
    QList<QStringList> avisos; // kind, title, text
};

} // namespace vidalume
