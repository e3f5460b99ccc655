#include "engine/LeituraNumero.h"

#include <cctype>
#include <cmath>
#include <string>

namespace vidalume {

namespace {

bool ehBranco(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}
} // namespace

double LeituraNumero::interpreta(const QString& texto) {
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
