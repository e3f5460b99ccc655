#include "engine/MapaCabalistico.h"

#include <cstdlib>

namespace vidalume {

namespace {

using Origem = MapaCabalistico::OrigemDivida;

bool ehDivida(long long n) {
    return n == 13 || n == 14 || n == 16 || n == 19;
}

// The debt a final value stands for: 4 -> 13, 5 -> 14, 7 -> 16, 1 -> 19; 0 for any other.
int dividaDoFinal(int valor) {
    switch (valor) {
    case 4:
        return 13;
    case 5:
        return 14;
    case 7:
        return 16;
    case 1:
        return 19;
    default:
        return 0;
    }
}

// The debt met on the way from `total` to its value: the first 13, 14, 16 or 19 among the
// reduction steps; 0 when none is met.
int dividaNasSomas(const RegrasCalculo& regras, long long total) {
    for (long long passo : regras.passosReducao(total)) {
        if (ehDivida(passo)) {
            return int(passo);
        }
    }
    return 0;
}

void calculaLetras(MapaCabalistico& m, const QString& nome, const RegrasCalculo& regras) {
    for (QChar c : nome) {
        const QString normal = regras.normalizaNome(QString(c));
        const QString exibida = RegrasCalculo::maiusculas(QString(c));
        for (QChar n : normal) {
            if (!regras.ehLetra(n)) {
                continue;
            }
            const MapaCabalistico::Letra l{normal.size() == 1 ? exibida.at(0) : n,
                                           regras.valorLetra(n), regras.ehVogal(n)};
            m.letras.append(l);
            (l.vogal ? m.totalVogais : m.totalConsoantes) += l.valor;
            m.totalLetras += l.valor;
            if (l.valor >= 1 && l.valor <= 9) {
                m.inclusao[l.valor - 1] += 1;
            }
        }
    }
}

void calculaMapaDoNome(MapaCabalistico& m, const RegrasCalculo& regras) {
    m.motivacao = regras.reduz(m.totalVogais);
    m.impressao = regras.reduz(m.totalConsoantes);
    m.expressao = regras.reduz(m.totalLetras);
    for (int v = 1; v <= 9; ++v) {
        const int vezes = m.inclusao[v - 1];
        if (vezes == 0 && v <= regras.variantes().ultimaLicao) {
            m.licoesCarmicas.append(v);
        } else if (regras.ehTendencia(vezes)) {
            m.tendenciasOcultas.append(v);
        }
    }
    m.respostaSubconsciente = 9 - int(m.licoesCarmicas.size());
}

void calculaData(MapaCabalistico& m, const QString& data, const RegrasCalculo& regras) {
    m.dia = data.mid(0, 2).toInt();
    m.mes = data.mid(3, 2).toInt();
    m.ano = data.mid(6, 4).toInt();
    for (QChar c : data) {
        if (c.isDigit()) {
            m.totalData += c.digitValue();
        }
    }
    m.destino = regras.reduz(m.totalData);
    m.numeroPsiquico = RegrasCalculo::reduzDigito(m.dia);
}

void calculaPeriodos(MapaCabalistico& m, const RegrasCalculo& regras) {
    const auto rm = [&regras](long long n) { return regras.reduz(n); };
    m.ciclos = {rm(m.mes), rm(m.dia), rm(m.ano)};
    const int fim1 = regras.variantes().fimPrimeiroCiclo - RegrasCalculo::reduzDigito(m.destino);
    m.fimCiclos = {fim1, fim1 + 27};
    const auto& c = m.ciclos;
    const int md1 = rm(c[1] + c[0]), md2 = rm(c[1] + c[2]);
    m.momentos = {md1, md2, rm(md1 + md2), rm(c[0] + c[2])};
    m.fimMomentos = {fim1, fim1 + 9, fim1 + 18};
    const int d = RegrasCalculo::reduzDigito(m.dia), mes = RegrasCalculo::reduzDigito(m.mes),
              a = RegrasCalculo::reduzDigito(m.ano);
    const int d1 = std::abs(mes - d), d2 = std::abs(a - d);
    m.desafios = {d1, d2, std::abs(d1 - d2)};
}

void calculaDividas(MapaCabalistico& m, const RegrasCalculo& regras) {
    if (ehDivida(m.dia)) {
        m.dividas.append({m.dia, Origem::DiaNatalicio, false});
    }
    const bool pelasSomas = regras.variantes().dividas == VariantesCabalistica::Dividas::PelasSomas;
    const struct {
        Origem origem;
        long long total;
        int valor;
        bool doNome;
    } lugares[] = {{Origem::Destino, m.totalData, m.destino, false},
                   {Origem::Motivacao, m.totalVogais, m.motivacao, true},
                   {Origem::Expressao, m.totalLetras, m.expressao, true}};
    for (const auto& l : lugares) {
        const int divida = pelasSomas ? dividaNasSomas(regras, l.total) : dividaDoFinal(l.valor);
        if (divida != 0) {
            m.dividas.append({divida, l.origem, l.doNome});
        }
    }
}

} // namespace

MapaCabalistico CalculaMapaCabalistico(const QString& nome, const QString& dataNascimento,
                                       QDate dia, const RegrasCalculo& regras,
                                       const TabelaHarmonia& tabela) {
    MapaCabalistico m;
    calculaLetras(m, nome, regras);
    calculaMapaDoNome(m, regras);
    calculaData(m, dataNascimento, regras);
    m.missao = regras.reduz(m.destino + m.expressao);
    m.talentoOculto = RegrasCalculo::reduzDigito(m.motivacao + m.expressao);
    calculaPeriodos(m, regras);
    calculaDividas(m, regras);
    m.numerosDoDia = NumerosDoDia::calcula(m.dia, m.mes, dia, regras);
    m.harmonia = tabela.verdicto(m.destino, m.expressao);
    QList<int> valores;
    valores.reserve(m.letras.size());
    for (const MapaCabalistico::Letra& l : m.letras) {
        valores.append(l.valor);
    }
    m.piramide = CalculaPiramide(valores, m.dia, m.mes);
    return m;
}

} // namespace vidalume
