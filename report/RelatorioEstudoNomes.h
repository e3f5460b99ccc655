// The name study: the names compared for one birth date in a table, then the interpretation
// of each accepted name's expression. Printed and saved, never shown in a report window.
#pragma once

#include "report/Relatorio.h"

namespace vidalume {

class RelatorioEstudoNomes : public Relatorio {
public:
    QString titulo() const override;
    // "Estudo de nomes — dd/mm/aaaa".
    QString tituloJanela(const Diagramacao& d) const override;
    QString baseArquivo(const Diagramacao& d) const override;
    QString legendaSalvar(const QString& formato) const override;
    QString sujeito() const override { return QStringLiteral("O estudo de nomes"); }
    bool feminino() const override { return false; }

    int dispoe(const Diagramacao& d, FabricaFolhas& folhas, double largura,
               double altura) const override;
    // One block per accepted name: its numbers in the title line, then its expression's text.
    QList<ItemAnalise> blocos(const Diagramacao& d) const override;
    QString texto(const Diagramacao& d) const override;
};

} // namespace vidalume
