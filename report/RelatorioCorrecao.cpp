#include "report/RelatorioCorrecao.h"

#include "composer/CorrecaoNome.h"

namespace vidalume {

QString RelatorioCorrecao::titulo() const {
    return CorrecaoNome::kTitulo;
}

QString RelatorioCorrecao::tituloJanela(const Diagramacao& d) const {
    return QStringLiteral("%1 — %2").arg(CorrecaoNome::kTitulo, d.NomeAnalise);
}

QString RelatorioCorrecao::baseArquivo(const Diagramacao& d) const {
    return QStringLiteral("CORRECAO DO NOME ") + d.NomeAnalise;
}

QString RelatorioCorrecao::legendaSalvar(const QString& formato) const {
    return legendaDe(formato, QStringLiteral("estudo de correção do nome"));
}

} // namespace vidalume
