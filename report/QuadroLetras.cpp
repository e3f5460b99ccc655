#include "report/QuadroLetras.h"

#include "report/EstadoSuperficie.h"

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

QList<QList<QuadroLetras::Trecho>> QuadroLetras::linhasDesenhadas(double largura,
                                                                  bool* comTotais) const {
    const QList<QList<Trecho>> todas = linhas(largura);
    const qsizetype inicio = std::clamp<qsizetype>(primeira_ - 1, 0, todas.size());
    const qsizetype fim =
        ultima_ <= 0 ? todas.size() : std::clamp<qsizetype>(ultima_, inicio, todas.size());
    *comTotais = fim == todas.size();
    return todas.mid(inicio, fim - inicio);
}

double QuadroLetras::altura(qsizetype n, bool comTotais) const {
    double h = n * alturaLinha() + std::max<qsizetype>(0, n - 1) * kEntreLinhas;
    if (comTotais && !totais_.isEmpty()) {
        h += kAntesTotais + totais_.size() * kLinhaTotal;
    }
    return h;
}

double QuadroLetras::altura(const SuperficieDesenho&, double largura) const {
    bool comTotais = false;
    const qsizetype n = linhasDesenhadas(largura, &comTotais).size();
    return altura(n, comTotais);
}

QList<std::pair<int, int>> QuadroLetras::faixas(const SuperficieDesenho&, double largura,
                                                double alturaMaxima) const {
    const int total = int(linhas(largura).size());
    // Rows a to b fit in one band; the totals count in the band that ends with the last row.
    const auto cabem = [&](int a, int b) { return altura(b - a + 1, b == total) <= alturaMaxima; };
    QList<std::pair<int, int>> resultado;
    for (int primeira = 1; primeira <= total;) {
        int ultima = primeira;
        while (ultima < total && cabem(primeira, ultima + 1)) {
            ++ultima;
        }
        resultado.append({primeira, ultima});
        primeira = ultima + 1;
    }
    if (resultado.isEmpty()) {
        resultado.append({1, 0});
    }
    return resultado;
}

void QuadroLetras::desenha(SuperficieDesenho& s, double x, double yTopo, double largura) const {
    const EstadoSuperficie estado(s);
    s.DefineCorFrente(SuperficieDesenho::kPreto);
    s.DefineItalico(false);

    bool comTotais = false;
    double y = yTopo;
    for (const QList<Trecho>& linha : linhasDesenhadas(largura, &comTotais)) {
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
    if (comTotais && !totais_.isEmpty()) {
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
}

} // namespace vidalume
