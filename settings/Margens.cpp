#include "settings/Margens.h"

#include "settings/RegistroBinario.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vidalume {

namespace {

// Reads the field at `pos` into `campo`; true when a stored value had to be replaced.
bool leCampo(const QByteArray& b, int pos, float maior, float& campo) {
    const auto v = RegistroBinario::leFloat(b, pos);
    if (!v) {
        campo = Margens::kPadrao;
        return false;
    }
    campo = std::isfinite(*v) ? std::clamp(*v, 0.0f, maior) : Margens::kPadrao;
    return campo != *v;
}

} // namespace

Margens Margens::le(const QString& pasta, bool* ajustadas) {
    const QByteArray b = ArquivoRegistros::le(QDir(pasta).filePath(kArquivo), 0, kTamanhoUsado);
    Margens m;
    // Every field is read even after one was replaced (no short-circuit).
    const int trocados = int(leCampo(b, 0, kMaiorHorizontal, m.MargemEsquerda)) +
                         int(leCampo(b, 4, kMaiorVertical, m.MargemSuperior)) +
                         int(leCampo(b, 8, kMaiorHorizontal, m.MargemDireita)) +
                         int(leCampo(b, 12, kMaiorVertical, m.MargemInferior));
    if (ajustadas) {
        *ajustadas = trocados > 0;
    }
    return m;
}

Margens Margens::CarregaMargens(const QString& pasta) {
    const QString caminho = QDir(pasta).filePath(kArquivo);
    if (!ArquivoRegistros::temConteudo(caminho)) {
        padrao().GravaMargens(pasta);
    }
    return le(pasta);
}

bool Margens::GravaMargens(const QString& pasta, QString* erro) const {
    QByteArray b(kTamanhoUsado, '\0');
    RegistroBinario::escreveFloat(b, 0, MargemEsquerda);
    RegistroBinario::escreveFloat(b, 4, MargemSuperior);
    RegistroBinario::escreveFloat(b, 8, MargemDireita);
    RegistroBinario::escreveFloat(b, 12, MargemInferior);
    return ArquivoRegistros::grava(QDir(pasta).filePath(kArquivo), 0, b, '\0', erro);
}

QString Margens::texto(float valor) {
    // Shortest text that reads back as the same float.
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
    return QString::fromLatin1(buffer, r.ptr - buffer);
}

} // namespace vidalume
