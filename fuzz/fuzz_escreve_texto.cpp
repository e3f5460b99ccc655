// The text writer on the deterministic surface, with any text, font size, column and limit
// (the first five bytes choose the numbers, the rest is the text in Latin-1):
// - it ends, and draws the same strings at the same places as the character-by-character
//   reference, with the same answer and the same text handed back;
// - every string lies inside the column: x >= esquerda and x + width <= direita, the right
//   edge taken as esquerda when the column is narrower than nothing; the one exception is a
//   line of a single character wider than the whole column, drawn at esquerda;
// - the lines are one line height apart, the first at y, and Y ends on the last one;
// - the words drawn plus the text handed back are exactly the words given: the characters
//   that are neither blanks (spaces and control characters) nor the character the writer
//   skips after each CR it consumes come out in order, words split where the text has
//   blanks, and a word goes on over a line break only when it alone was wider than the
//   column (it then fills its line: at least one more character would not have fitted);
// - what is handed back is the end of the text, after the consumed part and the control
//   characters that follow it.
#include "report/EscreveTexto.h"
#include "tests/report/EscreveTextoReferencia.h"
#include "tests/suporte/SuperficieTeste.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace vidalume;

namespace {

void confere(bool ok) {
    if (!ok) {
        std::abort();
    }
}

// Cannot come from Latin-1 text.
constexpr QChar kSeparador = QChar(0xFFFF);

bool branco(QChar c) {
    return c == u' ' || c.unicode() < 32;
}

// The non-blank characters with a separator wherever blanks separate two of them.
QString assinatura(const QString& texto) {
    QString s;
    bool separa = false;
    for (const QChar c : texto) {
        if (branco(c)) {
            separa = !s.isEmpty();
            continue;
        }
        if (separa) {
            s += kSeparador;
            separa = false;
        }
        s += c;
    }
    return s;
}

// The consumed text as the lines show it: every CR takes the character after it away.
QString consumidoVisivel(const QString& consumido) {
    QString s;
    for (qsizetype i = 0; i < consumido.size(); ++i) {
        s += consumido[i];
        if (consumido[i] == u'\r') {
            ++i;
        }
    }
    return s;
}

struct Linha {
    QString texto;
    double y = 0;
    QList<const SuperficieTeste::TextoDesenhado*> pecas;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    if (tamanho < 5) {
        return 0;
    }
    const double pontos = 1 + dados[0] % 40;
    const double esquerda = dados[1] % 50;
    const double direita = esquerda + (dados[2] - 20) * 0.37;
    const double y = dados[3] - 60.0;
    const double limite = y + (dados[4] - 40) * 1.3;
    const QString texto =
        QString::fromLatin1(reinterpret_cast<const char*>(dados + 5), qsizetype(tamanho - 5));

    SuperficieTeste rapida, literal;
    rapida.DefineTamanhoFonte(pontos);
    literal.DefineTamanhoFonte(pontos);
    QString resto = texto, restoLiteral = texto;
    const bool tudo = EscreveTexto::escreve(rapida, y, esquerda, direita, limite, resto);
    confere(tudo ==
            EscreveTextoReferencia::escreve(literal, y, esquerda, direita, limite, restoLiteral));
    confere(resto == restoLiteral);
    confere(rapida.Y() == literal.Y());
    const auto& desenhos = rapida.textos();
    confere(desenhos.size() == literal.textos().size());
    for (qsizetype i = 0; i < desenhos.size(); ++i) {
        const auto& a = desenhos[i];
        const auto& b = literal.textos()[i];
        confere(a.texto == b.texto && a.x == b.x && a.y == b.y);
    }

    // The lines, by their tops.
    QList<Linha> linhas;
    for (const auto& d : desenhos) {
        if (linhas.isEmpty() || d.y != linhas.last().y) {
            linhas.append({QString(), d.y, {}});
        }
        linhas.last().texto += d.texto;
        linhas.last().pecas.append(&d);
    }
    confere(!linhas.isEmpty());
    const double altura = rapida.AlturaTexto(QString());
    const double largura = std::max(0.0, direita - esquerda);
    const double tolerancia = 1e-9 * (1 + std::abs(esquerda) + largura);
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const Linha& l = linhas[i];
        confere(std::abs(l.y - (y + double(i) * altura)) <= 1e-9 * (1 + std::abs(l.y)));
        const bool caractereLargo = l.texto.size() == 1 && rapida.LarguraTexto(l.texto) > largura;
        for (const auto* d : l.pecas) {
            confere(d->x >= esquerda);
            confere(caractereLargo ||
                    d->x + rapida.LarguraTexto(d->texto) <= esquerda + largura + tolerancia);
        }
        if (caractereLargo) {
            confere(l.pecas.size() == 1 && l.pecas.first()->x == esquerda);
        }
    }
    confere(rapida.Y() == linhas.last().y);

    // What was handed back, and what was consumed.
    qsizetype fimConsumido = texto.size();
    if (!tudo) {
        confere(!resto.isEmpty() && resto.front().unicode() >= 32);
        confere(texto.endsWith(resto));
        fimConsumido = texto.size() - resto.size();
        while (fimConsumido > 0 && texto[fimConsumido - 1].unicode() < 32) {
            --fimConsumido;
        }
    } else {
        confere(resto == texto);
    }
    const QString visivel = consumidoVisivel(texto.left(fimConsumido));

    // The words: the lines' own signatures, joined with a separator unless the break falls
    // inside a word of the text.
    QString desenhado;
    qsizetype q = 0; // next character of `visivel` to match
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const QString& t = linhas[i].texto;
        const QString propria = assinatura(t);
        if (propria.isEmpty()) {
            continue;
        }
        qsizetype ultimo = -1;
        for (const QChar c : t) {
            if (branco(c)) {
                continue;
            }
            while (q < visivel.size() && branco(visivel[q])) {
                ++q;
            }
            confere(q < visivel.size() && visivel[q] == c);
            ultimo = q++;
        }
        desenhado += propria;
        const bool quebraNaPalavra = ultimo + 1 < visivel.size() && !branco(visivel[ultimo + 1]);
        if (quebraNaPalavra) {
            confere(!t.contains(u' '));
            confere(rapida.LarguraTexto(t + visivel[ultimo + 1]) > largura);
        } else {
            desenhado += kSeparador;
        }
    }
    while (desenhado.endsWith(kSeparador)) {
        desenhado.chop(1);
    }
    confere(desenhado == assinatura(visivel));
    return 0;
}
