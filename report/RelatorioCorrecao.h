// The name-correction study: laid out and exported as the sections of an analysis, titled
// "Estudo de Correção do Nome".
#pragma once

#include "report/RelatorioAnalise.h"

namespace vidalume {

class RelatorioCorrecao : public RelatorioAnalise {
public:
    QString titulo() const override;
    // "Estudo de Correção do Nome — NOME".
    QString tituloJanela(const Diagramacao& d) const override;
    QString nomeTrabalho(const Diagramacao& d) const override { return tituloJanela(d); }
    QString baseArquivo(const Diagramacao& d) const override;
    QString legendaSalvar(const QString& formato) const override;
    QString sujeito() const override { return QStringLiteral("O estudo de correção do nome"); }
    bool feminino() const override { return false; }
};

} // namespace vidalume
