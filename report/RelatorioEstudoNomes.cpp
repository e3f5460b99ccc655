#include "report/RelatorioEstudoNomes.h"

#include "composer/EstudoNomes.h"
#include "composer/TextoExportacao.h"
#include "report/LayoutEstudoNomes.h"

#include <QStringList>

namespace vidalume {

QString RelatorioEstudoNomes::titulo() const {
    return EstudoNomes::kTitulo;
}

QString RelatorioEstudoNomes::tituloJanela(const Diagramacao& d) const {
    return QStringLiteral("Estudo de nomes — %1").arg(d.DataNascimento);
}

QString RelatorioEstudoNomes::baseArquivo(const Diagramacao& d) const {
    return d.NomeAnalise;
}

QString RelatorioEstudoNomes::legendaSalvar(const QString& formato) const {
    return legendaDe(formato, QStringLiteral("estudo de nomes"));
}

int RelatorioEstudoNomes::dispoe(const Diagramacao& d, FabricaFolhas& folhas, double largura,
                                 double altura) const {
    return LayoutEstudoNomes(d, largura, altura).dispoe(folhas);
}

QList<ItemAnalise> RelatorioEstudoNomes::blocos(const Diagramacao& d) const {
    QList<ItemAnalise> blocos;
    if (!d.estudoNomes) {
        return blocos;
    }
    const auto& cabecalhos = d.estudoNomes->rotulos().colunas;
    for (const CandidatoNome& c : d.estudoNomes->candidatos) {
        if (!c.aceito) {
            continue;
        }
        const auto celulas = c.celulas();
        QStringList numeros;
        for (std::size_t i = 1; i < celulas.size(); ++i) {
            numeros << cabecalhos[i] + QStringLiteral(" ") + celulas[i];
        }
        blocos.append({c.nome, numeros.join(QStringLiteral(" · ")), c.textoExpressao, {}});
    }
    return blocos;
}

QString RelatorioEstudoNomes::texto(const Diagramacao& d) const {
    const QString kCRLF = QStringLiteral("\r\n");
    QStringList partes;
    for (const ItemAnalise& b : blocos(d)) {
        partes << b.Titulo + kCRLF + b.Descricao + kCRLF + kCRLF + b.Texto + kCRLF + kCRLF +
                      TextoExportacao::kSeparador;
    }
    partes << aviso(d);
    return partes.join(kCRLF + kCRLF);
}

} // namespace vidalume
