#include "report/RelatorioCabalistico.h"

#include "composer/ComporCabalistica.h"

namespace vidalume {

QString RelatorioCabalistico::titulo() const {
    return ComporCabalistica::kTitulo;
}

QString RelatorioCabalistico::tituloJanela(const Diagramacao& d) const {
    return QStringLiteral("%1 — %2").arg(ComporCabalistica::kTitulo, d.NomeAnalise);
}

QString RelatorioCabalistico::baseArquivo(const Diagramacao& d) const {
    return QStringLiteral("MAPA CABALISTICO ") + d.NomeAnalise;
}

QString RelatorioCabalistico::legendaSalvar(const QString& formato) const {
    return legendaDe(formato, QStringLiteral("mapa cabalístico"));
}

} // namespace vidalume
