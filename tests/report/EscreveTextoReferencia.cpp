#include "tests/report/EscreveTextoReferencia.h"

#include <algorithm>

namespace vidalume {

namespace {
const QChar kCR = u'\r';
const QChar kEspaco = u' ';
const QString kAmostraLinha = QStringLiteral("ABZgzhj");
const QString kAmostraLimite = QStringLiteral("textoatual");
} // namespace

// Positions are 1-based as in the description of the algorithm; `pos` is the last
// character consumed.
bool EscreveTextoReferencia::escreve(SuperficieDesenho& d, double y, double esquerda,
                                     double direita, double limite, QString& textoBloco) {
    const QString t = textoBloco;
    const int n = static_cast<int>(t.size());
    const double largura = std::max(0.0, direita - esquerda);
    d.DefineY(y - d.AlturaTexto(kAmostraLinha));
    int pos = 0;
    for (;;) {
        QString linha;
        int espacos = 0;
        int ultimoEspaco = 0;
        const int inicio = pos + 1;
        QChar c;
        bool larga = false;
        for (;;) {
            ++pos;
            c = pos <= n ? t[pos - 1] : QChar();
            if (pos <= n && c != kCR) {
                linha += c;
            }
            if (c == kEspaco) {
                ++espacos;
                ultimoEspaco = pos;
            }
            larga = d.LarguraTexto(linha) > largura;
            if (pos >= n || c == kCR || larga) {
                break;
            }
        }
        if (larga) {
            if (linha.endsWith(kEspaco)) {
                linha.chop(1);
            } else if (ultimoEspaco > 0) {
                linha = t.mid(inicio - 1, ultimoEspaco - inicio);
                pos = ultimoEspaco;
            } else if (linha.size() > 1) { // a word wider than the column
                linha.chop(1);
                --pos;
            }
        }
        while (linha.endsWith(kEspaco)) {
            linha.chop(1);
            --espacos;
        }
        d.DefineY(d.Y() + d.AlturaTexto(kAmostraLinha));
        const double topo = d.Y();
        const bool cheia = topo + d.AlturaTexto(kAmostraLimite) > limite;
        const int lacunas = espacos - 1;
        if (!larga || lacunas <= 0) {
            d.DefineX(esquerda);
            d.Escreve(linha);
            if (!larga && c == kCR) {
                ++pos;
            }
        } else {
            const double extra = (largura - d.LarguraTexto(linha)) / lacunas;
            double x = esquerda;
            QString palavra;
            for (const QChar ch : linha) {
                if (ch != kEspaco) {
                    palavra += ch;
                } else {
                    d.DefineX(x);
                    d.Escreve(palavra + kEspaco);
                    x = x + d.LarguraTexto(palavra + kEspaco) + extra;
                    palavra.clear();
                }
            }
            d.DefineX(x);
            d.Escreve(palavra);
        }
        if (cheia) {
            QString resto = t.mid(pos);
            while (!resto.isEmpty() && resto[0].unicode() < 32) {
                resto.remove(0, 1);
            }
            if (resto.isEmpty()) {
                return true;
            }
            textoBloco = resto;
            return false;
        }
        if (pos >= n) {
            return true;
        }
    }
}

} // namespace vidalume
