#include "report/Relatorio.h"

#include "composer/ComporCabalistica.h"
#include "composer/CorrecaoNome.h"
#include "report/RelatorioAnalise.h"
#include "report/RelatorioCompatibilidade.h"
#include "report/RelatorioEstudoNomes.h"
#include "report/RelatorioPrevisoes.h"
#include "report/RelatorioSecoes.h"

namespace vidalume {

const Relatorio& Relatorio::de(const Diagramacao& diagramacao) {
    static const RelatorioAnalise analise;
    static const RelatorioEstudoNomes estudoNomes;
    static const RelatorioCompatibilidade compatibilidade;
    static const RelatorioPrevisoes previsoes;
    static const RelatorioSecoes cabalistico(
        {ComporCabalistica::kTitulo, QStringLiteral("MAPA CABALISTICO "),
         QStringLiteral("mapa cabalístico"), QStringLiteral("O mapa cabalístico")});
    static const RelatorioSecoes correcao({CorrecaoNome::kTitulo,
                                           QStringLiteral("CORRECAO DO NOME "),
                                           QStringLiteral("estudo de correção do nome"),
                                           QStringLiteral("O estudo de correção do nome")});
    switch (diagramacao.tipo) {
    case TipoRelatorio::EstudoNomes:
        return estudoNomes;
    case TipoRelatorio::Compatibilidade:
        return compatibilidade;
    case TipoRelatorio::Previsoes:
        return previsoes;
    case TipoRelatorio::MapaCabalistico:
        return cabalistico;
    case TipoRelatorio::CorrecaoNome:
        return correcao;
    case TipoRelatorio::Analise:
        break;
    }
    return analise;
}

QString Relatorio::legendaDe(const QString& formato, const QString& objeto) {
    return formato == QLatin1String("PDF")
               ? QStringLiteral("Salvar %1 em PDF").arg(objeto)
               : QStringLiteral("Exportar %1 para editor de textos").arg(objeto);
}

QString Relatorio::foi(const QString& radical) const {
    const QString fim =
        QString(feminino() ? u'a' : u'o') + (plural() ? QStringLiteral("s") : QString());
    return QStringLiteral("%1 %2 %3%4")
        .arg(sujeito(), plural() ? QStringLiteral("foram") : QStringLiteral("foi"), radical, fim);
}

} // namespace vidalume
