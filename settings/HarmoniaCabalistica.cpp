#include "settings/HarmoniaCabalistica.h"

#include "settings/RegistroBinario.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

namespace vidalume {

TabelaHarmonia HarmoniaCabalistica::deBytes(const QByteArray& bytes) {
    TabelaHarmonia t = TabelaHarmonia::padrao();
    for (std::size_t i = 0; i < TabelaHarmonia::kNumeros.size(); ++i) {
        const auto fav = RegistroBinario::leInt16(bytes, int(4 * i));
        const auto desf = RegistroBinario::leInt16(bytes, int(4 * i + 2));
        if (fav && desf) {
            t.defineMascaras(TabelaHarmonia::kNumeros[i], std::uint16_t(*fav),
                             std::uint16_t(*desf));
        }
    }
    return t;
}

QByteArray HarmoniaCabalistica::paraBytes(const TabelaHarmonia& tabela) {
    QByteArray b(kTamanhoRegistro, '\0');
    for (std::size_t i = 0; i < TabelaHarmonia::kNumeros.size(); ++i) {
        const auto m = tabela.mascaras(TabelaHarmonia::kNumeros[i]);
        RegistroBinario::escreveInt16(b, int(4 * i), qint16(m[0]));
        RegistroBinario::escreveInt16(b, int(4 * i + 2), qint16(m[1]));
    }
    return b;
}

TabelaHarmonia HarmoniaCabalistica::le(const QString& pasta) {
    return deBytes(ArquivoRegistros::le(QDir(pasta).filePath(kArquivo), 0, kTamanhoRegistro));
}

bool HarmoniaCabalistica::grava(const QString& pasta, const TabelaHarmonia& tabela, QString* erro) {
    return ArquivoRegistros::grava(QDir(pasta).filePath(kArquivo), 0, paraBytes(tabela), '\0',
                                   erro);
}

} // namespace vidalume
