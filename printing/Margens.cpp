#include "Margens.h"

#include "ArquivoRegistros.h"
#include "RegistroBinario.h"

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

bool ehBranco(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
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

double Margens::interpreta(const QString& texto) {
    std::string s;
    s.reserve(texto.size());
    for (QChar c : texto) {
        if (ehBranco(c)) {
            continue;
        }
        // Only ASCII takes part in a number; anything else ends it.
        s.push_back(c.unicode() < 128 ? char(c.unicode()) : '#');
    }
    // Longest leading number: optional sign, digits with "." as decimal point, exponent.
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    const size_t inicioDigitos = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
        }
    }
    const std::string mantissa = s.substr(inicioDigitos, i - inicioDigitos);
    if (mantissa.empty() || mantissa == ".") {
        return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
                ++j;
            }
            i = j;
        }
    }
    const double v = QString::fromStdString(s.substr(0, i)).toDouble();
    return std::isfinite(v) ? v : 0;
}

} // namespace vidalume
