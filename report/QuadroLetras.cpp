#include "report/QuadroLetras.h"

#include <algorithm>

namespace vidalume {

namespace {

void escreveCentrado(SuperficieDesenho& s, const QString& texto, double xCelula, double largura,
                     double y) {
    s.DefineX(xCelula + (largura - s.LarguraTexto(texto)) / 2);
    s.DefineY(y);
    s.Escreve(texto);
}

} // namespace

QList<QList<QuadroLetras::Trecho>> QuadroLetras::linhas(double largura) const {
    const int colunas = std::max(1, int(largura / kCelula));
    QList<QList<Trecho>> resultado;
    QList<Trecho> atual;
    int usadas = 0;
    for (int p = 0; p < letras_.palavras.size(); ++p) {
        const int tamanho = int(letras_.palavras[p].size());
        int inicio = 0;
        while (inicio < tamanho) {
            const int espaco = usadas > 0 ? 1 : 0;
            const int resto = tamanho - inicio;
            if (usadas > 0 && usadas + espaco + resto > colunas) {
                resultado.append(atual);
                atual.clear();
                usadas = 0;
                continue;
            }
            const int cabe = std::min(resto, colunas - usadas - espaco);
            atual.append({p, inicio, cabe, usadas + espaco});
            usadas += espaco + cabe;
            inicio += cabe;
            if (inicio < tamanho) {
                resultado.append(atual);
                atual.clear();
                usadas = 0;
            }
        }
    }
    if (!atual.isEmpty()) {
        resultado.append(atual);
    }
    return resultado;
}

double QuadroLetras::altura(const SuperficieDesenho&, double largura) const {
    const qsizetype n = linhas(largura).size();
    double h = n * alturaLinha() + std::max<qsizetype>(0, n - 1) * kEntreLinhas;
    if (!totais_.isEmpty()) {
        h += kAntesTotais + totais_.size() * kLinhaTotal;
    }
    return h;
}

void QuadroLetras::desenha(SuperficieDesenho& s, double x, double yTopo, double largura) const {
    const FonteSuperficie fonte = s.fonte();
    const quint32 cor = s.CorFrente();
    const double xAntes = s.X(), yAntes = s.Y();
    s.DefineCorFrente(SuperficieDesenho::kPreto);
    s.DefineItalico(false);

    double y = yTopo;
    for (const QList<Trecho>& linha : linhas(largura)) {
        const double yLetra = y + kLinhaValor;
        const double yConsoante = yLetra + kLinhaLetra;
        for (const Trecho& t : linha) {
            const double xTrecho = x + t.coluna * kCelula;
            s.Retangulo(xTrecho, yLetra - kTraco / 2, xTrecho + t.quantidade * kCelula,
                        yLetra + kTraco / 2);
            s.Retangulo(xTrecho, yConsoante - kTraco / 2, xTrecho + t.quantidade * kCelula,
                        yConsoante + kTraco / 2);
            for (int i = 0; i < t.quantidade; ++i) {
                const LetraMapa& l = letras_.palavras[t.palavra][t.inicio + i];
                const double xCelula = xTrecho + i * kCelula;
                s.DefineNegrito(true);
                s.DefineTamanhoFonte(kPontosLetra);
                escreveCentrado(s, QString(l.letra), xCelula, kCelula, yLetra + 0.8);
                if (l.tipo == LetraMapa::Tipo::Outro) {
                    continue;
                }
                s.DefineNegrito(false);
                s.DefineTamanhoFonte(kPontosValor);
                const bool vogal = l.tipo == LetraMapa::Tipo::Vogal;
                escreveCentrado(s, QString::number(l.valor), xCelula, kCelula,
                                vogal ? y + 0.5 : yConsoante + 0.5);
            }
        }
        y += alturaLinha() + kEntreLinhas;
    }
    if (!totais_.isEmpty()) {
        y += kAntesTotais - kEntreLinhas;
        s.DefineNegrito(false);
        s.DefineTamanhoFonte(kPontosTotal);
        for (const QString& total : totais_) {
            s.DefineX(x);
            s.DefineY(y + 0.8);
            s.Escreve(total);
            y += kLinhaTotal;
        }
    }

    s.DefineNomeFonte(fonte.nome);
    s.DefineTamanhoFonte(fonte.tamanho);
    s.DefineNegrito(fonte.negrito);
    s.DefineItalico(fonte.italico);
    s.DefineCorFrente(cor);
    s.DefineX(xAntes);
    s.DefineY(yAntes);
}

} // namespace vidalume
