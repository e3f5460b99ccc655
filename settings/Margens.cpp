#include "settings/Margens.h"

#include "settings/RegistroBinario.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vidalume {

namespace {

void leCampo(const QByteArray& b, int pos, float& campo) {
    const auto v = RegistroBinario::leFloat(b, pos);
    campo = (v && std::isfinite(*v)) ? *v : Margens::kPadrao;
}

} // namespace

Margens Margens::le(const QString& pasta) {
    const QByteArray b = ArquivoRegistros::le(QDir(pasta).filePath(kArquivo), 0, kTamanhoUsado);
    Margens m;
    leCampo(b, 0, m.MargemEsquerda);
    leCampo(b, 4, m.MargemSuperior);
    leCampo(b, 8, m.MargemDireita);
    leCampo(b, 12, m.MargemInferior);
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
