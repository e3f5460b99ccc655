// The compatibility reading of two people: laid out and exported as the sections of an
// analysis, titled by the two names.
#pragma once

#include "report/RelatorioAnalise.h"

namespace vidalume {

class RelatorioCompatibilidade : public RelatorioAnalise {
public:
    static const QString kTitulo; // "Compatibilidade"

    QString titulo() const override { return kTitulo; }
    // "Compatibilidade — ANA E BRUNO" (the names as the page header gives them).
    QString tituloJanela(const Diagramacao& d) const override;
    QString nomeTrabalho(const Diagramacao& d) const override { return tituloJanela(d); }
    QString baseArquivo(const Diagramacao& d) const override;
    QString dataArquivo(const Diagramacao&) const override { return {}; }
    QString legendaSalvar(const QString& formato) const override;
    QString sujeito() const override { return QStringLiteral("A leitura de compatibilidade"); }
};

} // namespace vidalume
