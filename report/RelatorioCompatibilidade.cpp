#include "report/RelatorioCompatibilidade.h"

namespace vidalume {

const QString RelatorioCompatibilidade::kTitulo = QStringLiteral("Compatibilidade");

QString RelatorioCompatibilidade::tituloJanela(const Diagramacao& d) const {
    return QStringLiteral("%1 — %2").arg(kTitulo, d.NomeAnalise);
}

QString RelatorioCompatibilidade::baseArquivo(const Diagramacao& d) const {
    return QStringLiteral("COMPATIBILIDADE ") + d.NomeAnalise;
}

QString RelatorioCompatibilidade::legendaSalvar(const QString& formato) const {
    return legendaDe(formato, QStringLiteral("compatibilidade"));
}

} // namespace vidalume
