#include "report/EscreveTexto.h"

#include <algorithm>

namespace vidalume {

const QString EscreveTexto::kAmostraLinha = QStringLiteral("ABZgzhj");
const QString EscreveTexto::kAmostraLimite = QStringLiteral("textoatual");

namespace {

constexpr QChar kCR = u'\r';
constexpr QChar kEspaco = u' ';

struct Linha {
    QString texto;
    int espacos = 0;      // spaces consumed for the line, less the trailing ones dropped
    bool cortada = false; // the line was too wide and was cut back
};

class Escritor {
public:
    Escritor(SuperficieDesenho& destino, double esquerda, double direita, QString texto,
             bool justifica = true)
        : d_(destino), esquerda_(esquerda), largura_(std::max(0.0, direita - esquerda)),
          t_(std::move(texto)), justifica_(justifica) {}

    int conta() {
        int linhas = 0;
        do {
            proximaLinha();
            ++linhas;
        } while (pos_ < t_.size());
        return linhas;
    }

    bool escreve(double y, double limite, QString& resto) {
        d_.DefineY(y - d_.AlturaTexto(EscreveTexto::kAmostraLinha));
        for (;;) {
            const Linha linha = proximaLinha();
            d_.DefineY(d_.Y() + d_.AlturaTexto(EscreveTexto::kAmostraLinha));
            const double topo = d_.Y();
            const bool cheia = topo + d_.AlturaTexto(EscreveTexto::kAmostraLimite) > limite;
            desenha(linha);
            if (cheia) {
                return devolveResto(resto);
            }
            if (pos_ >= t_.size()) {
                return true;
            }
        }
    }

private:
    // Consumes the next line from pos_: up to the first character that makes it too wide,
    // or up to a CR (the CR and the character after it are consumed too), or to the end.
    Linha proximaLinha() {
        const int inicio = pos_;
        const int n = static_cast<int>(t_.size());
        int fim = static_cast<int>(t_.indexOf(kCR, inicio));
        if (fim < 0) {
            fim = n;
        }
        const int excesso =
            fim == inicio
                ? 0
                : static_cast<int>(d_.PrimeiroExcesso(QStringView(t_).mid(inicio, fim - inicio),
                                                      largura_, estimativaInicial()));
        Linha linha;
        int consumidos = fim - inicio;
        if (excesso > 0) {
            consumidos = excesso;
            linha.cortada = true;
            pos_ = inicio + excesso;
        } else if (fim < n) {
            pos_ = std::min(n, fim + 2);
        } else {
            pos_ = n;
        }
        estimativa_ = std::max(1, consumidos);
        const QStringView consumida = QStringView(t_).mid(inicio, consumidos);
        linha.espacos = static_cast<int>(std::count(consumida.begin(), consumida.end(), kEspaco));
        const int ultimoEspaco = static_cast<int>(consumida.lastIndexOf(kEspaco));
        linha.texto = t_.mid(inicio, consumidos);
        if (linha.cortada) {
            corta(linha, inicio, ultimoEspaco);
        }
        while (linha.texto.endsWith(kEspaco)) {
            linha.texto.chop(1);
            --linha.espacos;
        }
        return linha;
    }

    // Cuts a too-wide line back: at its last character when that is a space, else at its
    // last space; a word without any space is broken before the character that did not fit
    // (a single character always stays, so every line consumes at least one).
    void corta(Linha& linha, int inicio, int ultimoEspaco) {
        if (linha.texto.endsWith(kEspaco)) {
            linha.texto.chop(1);
        } else if (ultimoEspaco >= 0) {
            linha.texto.truncate(ultimoEspaco);
            pos_ = inicio + ultimoEspaco + 1;
        } else if (linha.texto.size() > 1) {
            linha.texto.chop(1);
            --pos_;
        }
    }

    // The first line starts from the number of average characters the column holds.
    int estimativaInicial() {
        if (estimativa_ == 0) {
            const QString& amostra = EscreveTexto::kAmostraLimite;
            const double media = d_.LarguraTexto(amostra) / amostra.size();
            estimativa_ = media > 0 ? static_cast<int>(std::min(largura_ / media, 1e6)) + 1 : 1;
        }
        return estimativa_;
    }

    void desenha(const Linha& linha) {
        const int lacunas = linha.espacos - 1; // the space at the cut is not drawn
        if (!justifica_ || !linha.cortada || lacunas <= 0) {
            d_.DefineX(esquerda_);
            d_.Escreve(linha.texto);
            return;
        }
        d_.DefineX(esquerda_);
        if (d_.EscreveJustificada(linha.texto, largura_, lacunas)) {
            return;
        }
        // Each word with the space after it, then the last word.
        const double extra = (largura_ - d_.LarguraTexto(linha.texto)) / lacunas;
        double x = esquerda_;
        qsizetype inicio = 0;
        const QChar* c = linha.texto.constData();
        for (qsizetype i = 0; i < linha.texto.size(); ++i) {
            if (c[i] != kEspaco) {
                continue;
            }
            const QString palavra = linha.texto.mid(inicio, i + 1 - inicio);
            d_.DefineX(x);
            d_.Escreve(palavra);
            x = d_.X() + extra; // Escreve moved X past the word

            inicio = i + 1;
        }
        d_.DefineX(x);
        d_.Escreve(linha.texto.mid(inicio));
    }

    bool devolveResto(QString& resto) const {
        int i = pos_;
        while (i < t_.size() && t_[i].unicode() < 32) {
            ++i;
        }
        if (i >= t_.size()) {
            return true;
        }
        resto = t_.mid(i);
        return false;
    }

    SuperficieDesenho& d_;
    const double esquerda_;
    const double largura_;
    const QString t_;
    const bool justifica_;
    int pos_ = 0;        // characters consumed so far; the next line starts here
    int estimativa_ = 0; // characters consumed by the previous line
};

} // namespace

bool EscreveTexto::escreve(SuperficieDesenho& destino, double y, double esquerda, double direita,
                           double limite, QString& textoBloco) {
    return escreve(destino, y, esquerda, direita, limite, textoBloco, true);
}

bool EscreveTexto::escreve(SuperficieDesenho& destino, double y, double esquerda, double direita,
                           double limite, QString& textoBloco, bool justifica) {
    return Escritor(destino, esquerda, direita, textoBloco, justifica)
        .escreve(y, limite, textoBloco);
}

int EscreveTexto::contaLinhas(SuperficieDesenho& destino, double esquerda, double direita,
                              const QString& texto) {
    return Escritor(destino, esquerda, direita, texto).conta();
}

} // namespace vidalume
