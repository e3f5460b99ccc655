#include "report/RelatorioPrevisoes.h"

#include "composer/PrevisoesAno.h"
#include "report/LayoutPrevisoes.h"

namespace vidalume {

namespace {

int anoDe(const Diagramacao& d) {
    return d.previsoes ? d.previsoes->ano : 0;
}

} // namespace

QString RelatorioPrevisoes::titulo() const {
    return PrevisoesAno::kTitulo;
}

QString RelatorioPrevisoes::tituloJanela(const Diagramacao& d) const {
    return QStringLiteral("Previsões %1 — %2").arg(anoDe(d)).arg(d.NomeAnalise);
}

QString RelatorioPrevisoes::baseArquivo(const Diagramacao& d) const {
    return QStringLiteral("PREVISOES %1 %2").arg(anoDe(d)).arg(d.NomeAnalise);
}

QString RelatorioPrevisoes::legendaSalvar(const QString& formato) const {
    return legendaDe(formato, QStringLiteral("previsões"));
}

int RelatorioPrevisoes::dispoe(const Diagramacao& d, FabricaFolhas& folhas, double largura,
                               double altura) const {
    return LayoutPrevisoes(d, largura, altura).dispoe(folhas);
}

QList<ItemAnalise> RelatorioPrevisoes::blocos(const Diagramacao& d) const {
    return d.previsoes ? d.previsoes->blocos() : QList<ItemAnalise>();
}

QString RelatorioPrevisoes::aviso(const Diagramacao& d) const {
    return d.previsoes ? d.previsoes->aviso : QString();
}

QString RelatorioPrevisoes::texto(const Diagramacao& d) const {
    return d.previsoes ? d.previsoes->texto() : QString();
}

} // namespace vidalume
