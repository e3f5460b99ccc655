// The numerological analysis (and any report laid out as its sections, such as the
// compatibility reading, which derives from it): the sections chosen in the settings with
// their explanations, titles, pictures and texts.
#pragma once

#include "report/Relatorio.h"

namespace vidalume {

class RelatorioAnalise : public Relatorio {
public:
    static const QString kTitulo;       // "Análise Numerológica"
    static const QString kTituloJanela; // "Relatório de Análise Numerológica"

    QString titulo() const override { return kTitulo; }
    // "Relatório de Análise Numerológica — NOME" (the title alone without a name).
    QString tituloJanela(const Diagramacao& d) const override;
    // "Análise Numerológica — NOME".
    QString nomeTrabalho(const Diagramacao& d) const override;
    QString baseArquivo(const Diagramacao& d) const override { return d.NomeAnalise; }
    QString legendaSalvar(const QString& formato) const override;
    QString sujeito() const override { return QStringLiteral("A análise"); }

    int dispoe(const Diagramacao& d, FabricaFolhas& folhas, double largura,
               double altura) const override;
    // The shown sections, a text that returns in another position of the same kind said once.
    QList<ItemAnalise> blocos(const Diagramacao& d) const override;
    // The paragraph to the family of a young reader, when the analysis has one.
    QString abertura(const Diagramacao& d) const override;
    QString texto(const Diagramacao& d) const override;
};

} // namespace vidalume
