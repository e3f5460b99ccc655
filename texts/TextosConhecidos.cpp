#include "texts/TextosConhecidos.h"

#include "texts/TabelaSecoes.h"

#include <QSet>

namespace vidalume {

const QStringList TextosConhecidos::kOutros = {
    QStringLiteral("LICCARM.DAT"),
    QStringLiteral("TENDOCUL.DAT"),
    QStringLiteral("RESPSUBC.DAT"),
    QStringLiteral("DIVCARM.DAT"),
    QStringLiteral("CMAPA.DAT"),
    QStringLiteral("INFANTIL.DAT"),
    QStringLiteral("LONGEVOS.DAT"),
    // The cabalística map's own texts.
    QStringLiteral("CABEXPL.DAT"),
    QStringLiteral("CABIMPR.DAT"),
    QStringLiteral("CABMISS.DAT"),
    QStringLiteral("CABPSIQ.DAT"),
    QStringLiteral("CABTALEN.DAT"),
    QStringLiteral("CABMESTR.DAT"),
    QStringLiteral("CABHARM.DAT"),
    // The pyramid of the name: its explanations, the negative sequences, the arcana.
    QStringLiteral("CABTRIEX.DAT"),
    QStringLiteral("CABSEQ.DAT"),
    QStringLiteral("ARCANOS.DAT"),
    QStringLiteral("ARCDIGIT.DAT"),
    // The name-correction study's advice.
    QStringLiteral("ASSINAT.DAT"),
};

const QStringList& TextosConhecidos::arquivos() {
    static const QStringList kArquivos = [] {
        QSet<QString> nomes(kOutros.cbegin(), kOutros.cend());
        for (int k = 1; k <= TabelaSecoes::kTotal; ++k) {
            nomes.insert(TabelaSecoes::arquivo(k));
        }
        nomes.insert(TabelaSecoes::kArquivoExplicacoes);
        nomes.insert(TabelaSecoes::kArquivoCompatibilidade);
        nomes.insert(TabelaSecoes::kArquivoAviso);
        QStringList lista(nomes.cbegin(), nomes.cend());
        lista.sort();
        return lista;
    }();
    return kArquivos;
}

bool TextosConhecidos::conhece(const QString& nome) {
    static const QSet<QString> kNomes(arquivos().cbegin(), arquivos().cend());
    return kNomes.contains(nome);
}

} // namespace vidalume
