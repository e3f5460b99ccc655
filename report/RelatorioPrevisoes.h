// The forecast of a year: the line of life, the universal and personal years, then month by
// month the universal and personal months with a calendar of the personal days.
#pragma once

#include "report/Relatorio.h"

namespace vidalume {

class RelatorioPrevisoes : public Relatorio {
public:
    QString titulo() const override;
    // "Previsões 2027 — NOME".
    QString tituloJanela(const Diagramacao& d) const override;
    QString baseArquivo(const Diagramacao& d) const override;
    QString legendaSalvar(const QString& formato) const override;
    QString sujeito() const override { return QStringLiteral("As previsões do ano"); }
    bool plural() const override { return true; }

    int dispoe(const Diagramacao& d, FabricaFolhas& folhas, double largura,
               double altura) const override;
    QList<ItemAnalise> blocos(const Diagramacao& d) const override;
    QString aviso(const Diagramacao& d) const override;
    QString texto(const Diagramacao& d) const override;
};

} // namespace vidalume
