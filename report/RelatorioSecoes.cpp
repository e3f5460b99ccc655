#include "report/RelatorioSecoes.h"

namespace vidalume {

QString RelatorioSecoes::tituloJanela(const Diagramacao& d) const {
    return QStringLiteral("%1 — %2").arg(nomes_.titulo, d.NomeAnalise);
}

QString RelatorioSecoes::baseArquivo(const Diagramacao& d) const {
    return nomes_.prefixoArquivo + d.NomeAnalise;
}

QString RelatorioSecoes::legendaSalvar(const QString& formato) const {
    return legendaDe(formato, nomes_.objeto);
}

} // namespace vidalume
