#include "report/RelatorioAnalise.h"

#include "composer/PartesSecao.h"
#include "composer/TextoExportacao.h"
#include "composer/TextosRepetidos.h"
#include "report/LayoutAnalise.h"

namespace vidalume {

const QString RelatorioAnalise::kTitulo = QStringLiteral("Análise Numerológica");
const QString RelatorioAnalise::kTituloJanela = QStringLiteral("Relatório de Análise Numerológica");

QString RelatorioAnalise::tituloJanela(const Diagramacao& d) const {
    return d.NomeAnalise.isEmpty() ? kTituloJanela
                                   : QStringLiteral("%1 — %2").arg(kTituloJanela, d.NomeAnalise);
}

QString RelatorioAnalise::nomeTrabalho(const Diagramacao& d) const {
    return QStringLiteral("%1 — %2").arg(kTitulo, d.NomeAnalise);
}

QString RelatorioAnalise::legendaSalvar(const QString& formato) const {
    return formato == QLatin1String("PDF") ? QStringLiteral("Salvar análise em PDF")
                                           : QStringLiteral("Exportar para editor de textos");
}

int RelatorioAnalise::dispoe(const Diagramacao& d, FabricaFolhas& folhas, double largura,
                             double altura) const {
    return LayoutAnalise(d, largura, altura).dispoe(folhas);
}

QString RelatorioAnalise::abertura(const Diagramacao& d) const {
    return d.analise.Abertura;
}

QList<ItemAnalise> RelatorioAnalise::blocos(const Diagramacao& d) const {
    const Analise resumida = TextosRepetidos::resume(d.analise, d.selecao, d.opcoesMapa);
    QList<ItemAnalise> blocos;
    for (int k = 1; k <= PartesSecao::kUltimaSecao; ++k) {
        if (!PartesSecao::mostrada(d.analise, d.selecao, d.opcoesMapa, k)) {
            continue;
        }
        ItemAnalise bloco = resumida[k];
        if (!PartesSecao::comDescricao(bloco, d.configuracao)) {
            bloco.Descricao.clear();
        }
        bloco.Titulo = PartesSecao::titulo(d.analise, k, d.configuracao);
        blocos.append(bloco);
    }
    return blocos;
}

QString RelatorioAnalise::texto(const Diagramacao& d) const {
    return TextoExportacao::monta(d.analise, d.configuracao, d.selecao, d.opcoesMapa);
}

} // namespace vidalume
