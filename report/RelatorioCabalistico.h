// The cabalística map: laid out and exported as the sections of an analysis, titled by the
// school.
#pragma once

#include "report/RelatorioAnalise.h"

namespace vidalume {

class RelatorioCabalistico : public RelatorioAnalise {
public:
    QString titulo() const override;
    // "Mapa Numerológico Cabalístico — NOME".
    QString tituloJanela(const Diagramacao& d) const override;
    QString nomeTrabalho(const Diagramacao& d) const override { return tituloJanela(d); }
    QString baseArquivo(const Diagramacao& d) const override;
    QString legendaSalvar(const QString& formato) const override;
    QString sujeito() const override { return QStringLiteral("O mapa cabalístico"); }
    bool feminino() const override { return false; }
};

} // namespace vidalume
