#include "composer/PrevisoesAno.h"

#include "composer/AvisoFinal.h"
#include "composer/ComporAnalise.h"
#include "composer/DataPorExtenso.h"
#include "composer/Diagramacao.h"
#include "composer/TextoExportacao.h"
#include "engine/EntradaDados.h"
#include "engine/NumerosAnalise.h"

namespace vidalume {

const QString PrevisoesAno::kTitulo = QStringLiteral("Previsões do Ano");
const QString PrevisoesAno::kMensagemAno =
    QStringLiteral("O ano das previsões deve estar entre 1900 e 2100.");

namespace {

const QString kCRLF = QStringLiteral("\r\n");
constexpr int kEntradaAmostra = 23; // where the print dialog takes its sample text

QString diaMes(QDate d) {
    return d.toString(QStringLiteral("dd/MM"));
}

// "3, 12, 21 e 30"
QString listaDias(const QList<int>& dias) {
    QStringList partes;
    for (int d : dias) {
        partes.append(QString::number(d));
    }
    const QString ultimo = partes.takeLast();
    return partes.isEmpty() ? ultimo : partes.join(QStringLiteral(", ")) + " e " + ultimo;
}

class Compositor {
public:
    explicit Compositor(const ArquivoInterpretacao& arq) : arq_(arq) {}

    PrevisoesAno::Numero numero(const QString& titulo, const char* radical, int n) const {
        return {titulo + QStringLiteral(": Número ") + QString::number(n), n,
                arq_.LeTextoInterpretacao(n, QString::fromLatin1(radical) + ".DAT")};
    }

private:
    const ArquivoInterpretacao& arq_;
};

} // namespace

bool PrevisoesAno::aceitaAno(int ano, QString* erro) {
    if (ano >= kPrimeiroAno && ano <= kUltimoAno) {
        return true;
    }
    if (erro != nullptr) {
        *erro = kMensagemAno;
    }
    return false;
}

PrevisoesAno PrevisoesAno::compoe(const QString& nome, const QString& dataNascimento, int ano,
                                  const RegrasCalculo& regras, QDate referencia,
                                  const ArquivoInterpretacao& arquivos) {
    const Compositor c(arquivos);
    const InicioAnoPessoal regra = regras.inicioAnoPessoal();
    const NumerosAnalise n = CalculaNumeros(nome, dataNascimento, QDate(ano, 1, 1), regras);
    PrevisoesAno p;
    p.NomeAnalise = nome;
    p.DataNascimento = dataNascimento;
    p.ano = ano;
    p.inicioAnoPessoal = regra;
    p.notaRegra = ComporAnalise::notaInicioAnoPessoal(regra);
    p.abertura =
        QStringLiteral("Previsões de %1 para %2, com data de nascimento em %3, mês a mês, com o "
                       "calendário dos dias pessoais de cada mês. %4")
            .arg(QString::number(ano), nome, DataPorExtenso::formata(dataNascimento), p.notaRegra);
    p.linhaVida = LinhaVida::calcula(n, referencia);
    p.anoUniversal =
        c.numero(QStringLiteral("Ano Universal de %1").arg(ano), "INTANOUN", n.anoUniversal);

    QList<CalendarioMes> calendarios;
    for (int m = 1; m <= 12; ++m) {
        calendarios.append(CalendarioMes::calcula(ano, m, n.dia, n.mes, regras));
    }
    // The personal years of the year, in the order they hold: one on 1 January, two when
    // the year turns on the birthday.
    const QDate niver = NumerosDoDia::aniversario(n.dia, n.mes, ano);
    const int pyInicio = calendarios.first().dias.first().anoPessoal;
    const int pyFim = calendarios.last().dias.last().anoPessoal;
    if (regra == InicioAnoPessoal::Aniversario && niver.isValid() && niver.dayOfYear() > 1) {
        p.anosPessoais.append(
            c.numero(QStringLiteral("Ano Pessoal até %1").arg(diaMes(niver.addDays(-1))),
                     "INTANOPS", pyInicio));
        p.anosPessoais.append(c.numero(
            QStringLiteral("Ano Pessoal a partir de %1").arg(diaMes(niver)), "INTANOPS", pyFim));
    } else {
        p.anosPessoais.append(
            c.numero(QStringLiteral("Ano Pessoal de %1").arg(ano), "INTANOPS", pyFim));
    }

    for (const CalendarioMes& cal : calendarios) {
        Mes mes;
        mes.titulo = DataPorExtenso::nomeMes(cal.mes);
        mes.titulo[0] = mes.titulo[0].toUpper();
        mes.titulo += QStringLiteral(" de ") + QString::number(ano);
        mes.mesUniversal =
            c.numero(QStringLiteral("Mês Universal"), "INTMESUN", cal.dias.first().mesUniversal);
        const auto trechos = cal.mesesPessoais();
        for (int i = 0; i < trechos.size(); ++i) {
            QString titulo = QStringLiteral("Mês Pessoal");
            if (trechos.size() > 1) {
                titulo += i + 1 < trechos.size()
                              ? QStringLiteral(" até o dia %1").arg(trechos[i + 1].primeiroDia - 1)
                              : QStringLiteral(" a partir do dia %1").arg(trechos[i].primeiroDia);
            }
            mes.mesesPessoais.append(c.numero(titulo, "INTMESPS", trechos[i].mesPessoal));
        }
        for (int pd = 1; pd <= 9; ++pd) {
            const QList<int> dias = cal.diasComDiaPessoal(pd);
            if (!dias.isEmpty()) {
                mes.tabelaDias.append(
                    QStringLiteral("Dia pessoal %1: %2").arg(pd).arg(listaDias(dias)));
            }
        }
        mes.calendario = cal;
        p.meses.append(mes);
    }
    p.aviso = AvisoFinal::texto(arquivos);
    return p;
}

QStringList PrevisoesAno::linhasLinhaVida(const LinhaVida& l) {
    QStringList vida;
    // The periods by the names their sections of the analysis give them; the last period of
    // each kind lasts for the rest of the life.
    const QStringList nomesCiclos = {QStringLiteral("Ciclo Formativo"),
                                     QStringLiteral("Ciclo Produtivo"),
                                     QStringLiteral("Ciclo da Colheita")};
    const QStringList nomesRealizacoes = {
        QStringLiteral("Primeira Realização"), QStringLiteral("Segunda Realização"),
        QStringLiteral("Terceira Realização"), QStringLiteral("Quarta Realização")};
    const QStringList nomesDesafios = {
        QStringLiteral("Primeiro Desafio Menor"), QStringLiteral("Segundo Desafio Menor"),
        QStringLiteral("Desafio Maior"), QStringLiteral("Desafio Menor Adicional")};
    const auto periodo = [](int inicio, int fim, bool ultimo) {
        return ultimo ? QStringLiteral("a partir dos %1 anos").arg(inicio)
                      : QStringLiteral("dos %1 aos %2 anos").arg(inicio).arg(fim);
    };
    for (int i = 0; i < l.ciclos.size() && i < nomesCiclos.size(); ++i) {
        const auto& c = l.ciclos[i];
        const bool ultimo = i + 1 == l.ciclos.size();
        vida.append(QStringLiteral("%1 (número %2): %3, a partir de %4.")
                        .arg(nomesCiclos[i])
                        .arg(c.numero)
                        .arg(periodo(c.idadeInicio, c.idadeFim, ultimo))
                        .arg(c.anoInicio));
    }
    for (int i = 0;
         i < l.realizacoes.size() && i < l.desafios.size() && i < nomesRealizacoes.size(); ++i) {
        const auto& r = l.realizacoes[i];
        const auto& d = l.desafios[i];
        const bool ultimo = i + 1 == l.realizacoes.size();
        vida.append(QStringLiteral("%1 (número %2) com o %3 (número %4): %5.")
                        .arg(nomesRealizacoes[i])
                        .arg(r.numero)
                        .arg(nomesDesafios[i])
                        .arg(d.numero)
                        .arg(periodo(r.idadeInicio, r.idadeFim, ultimo)));
    }
    if (l.idadeReferencia >= 0) {
        vida.append(QStringLiteral("Idade na data das previsões: %1 anos.").arg(l.idadeReferencia));
    }
    return vida;
}

QList<ItemAnalise> PrevisoesAno::blocos() const {
    QList<ItemAnalise> b;
    b.append({kTitulo + QStringLiteral(" de ") + QString::number(ano), abertura, {}, {}});
    const QStringList vida = linhasLinhaVida(linhaVida);
    b.append({QStringLiteral("Linha da Vida"), {}, vida.join(kCRLF), {}});
    b.append({anoUniversal.titulo, {}, anoUniversal.texto, {}});
    for (const Numero& py : anosPessoais) {
        b.append({py.titulo, notaRegra, py.texto, {}});
    }
    for (const Mes& m : meses) {
        b.append({m.titulo, {}, m.mesUniversal.titulo + kCRLF + m.mesUniversal.texto, {}});
        for (const Numero& pm : m.mesesPessoais) {
            b.append({m.titulo + QStringLiteral(" - ") + pm.titulo, {}, pm.texto, {}});
        }
        b.append({m.titulo + QStringLiteral(" - Dias pessoais"),
                  notaRegra,
                  m.tabelaDias.join(kCRLF),
                  {}});
    }
    return b;
}

QString PrevisoesAno::texto() const {
    QString t;
    for (const ItemAnalise& item : blocos()) {
        if (!item.Descricao.isEmpty()) {
            t += item.Descricao + kCRLF + kCRLF;
        }
        t += item.Titulo + kCRLF + kCRLF;
        if (!item.Texto.isEmpty()) {
            t += item.Texto + kCRLF + kCRLF;
        }
        t += TextoExportacao::kSeparador + kCRLF + kCRLF;
    }
    if (!aviso.isEmpty()) {
        t += aviso + kCRLF;
    }
    return t;
}

Diagramacao PrevisoesAno::diagramacao(Diagramacao base) const {
    base.tipo = TipoRelatorio::Previsoes;
    base.NomeAnalise = NomeAnalise;
    base.DataNascimento = DataNascimento;
    base.analise = {};
    if (!anosPessoais.isEmpty()) {
        base.analise[kEntradaAmostra].Texto = anosPessoais.last().texto;
    }
    base.analise.Aviso = aviso;
    base.estudoNomes.reset();
    base.previsoes = *this;
    return base;
}

} // namespace vidalume
