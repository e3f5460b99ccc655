#include "composer/PrevisoesAno.h"

#include "composer/AvisoFinal.h"
#include "composer/ComporAnalise.h"
#include "composer/DataPorExtenso.h"
#include "composer/Diagramacao.h"
#include "composer/PeriodosVividos.h"
#include "composer/TextoExportacao.h"
#include "composer/TextosInfantis.h"
#include "composer/TextosLongevos.h"
#include "engine/EntradaDados.h"
#include "engine/NumerosAnalise.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <array>

namespace vidalume {

const QString PrevisoesAno::kTitulo = QStringLiteral("Previsões do Ano");
const QString PrevisoesAno::kTituloChaveDias = QStringLiteral("O que cada dia pessoal pede");
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

// What each personal day asks for, in one line, for the key printed before the months.
const std::array<const char16_t*, 9> kChaveDias = {
    u"começar, decidir e agir por iniciativa própria.",
    u"cooperar, ouvir e cuidar dos detalhes com paciência.",
    u"conversar, criar e estar com pessoas queridas.",
    u"organizar, trabalhar com método e cumprir o combinado.",
    u"mudar de ares, aceitar imprevistos e experimentar.",
    u"cuidar da família, da casa e de quem está por perto.",
    u"refletir, estudar e guardar um tempo para si.",
    u"resolver questões práticas e buscar resultados concretos.",
    u"concluir, desapegar-se do que sobra e perdoar.",
};

QString mesMinusculo(int mes) {
    return DataPorExtenso::nomeMes(mes);
}

// Where a month number was first met: the month and the numbers around it there.
struct PrimeiraVez {
    int mes = 0;
    int outro = 0; // the universal month beside a personal month
    int anoPessoal = 0;
};

// The paragraph that replaces a universal month's text met again.
QString universalDeNovo(int numero, const PrimeiraVez& antes) {
    return QStringLiteral("O Mês Universal %1 volta, como em %2: o clima geral descrito "
                          "naquele mês vale também agora. Veja, abaixo, o que ele traz "
                          "para você neste mês.")
        .arg(numero)
        .arg(mesMinusculo(antes.mes));
}

// The paragraph that replaces a personal month's text met again: a pointer to the first
// month and what is different this time.
QString pessoalDeNovo(int numero, const PrimeiraVez& antes, int universal, int anoPessoal) {
    QString t = QStringLiteral("O Mês Pessoal %1 volta, como em %2: releia o texto daquele mês, "
                               "que vale também agora.")
                    .arg(numero)
                    .arg(mesMinusculo(antes.mes));
    if (anoPessoal != antes.anoPessoal) {
        t += QStringLiteral(" A diferença é que agora ele chega dentro do Ano Pessoal %1, e não "
                            "do %2: o tema do novo ano dá o tom destas semanas.")
                 .arg(anoPessoal)
                 .arg(antes.anoPessoal);
    } else if (universal != antes.outro) {
        t += QStringLiteral(" Desta vez o clima geral é o do Mês Universal %1, e não o do %2.")
                 .arg(universal)
                 .arg(antes.outro);
    } else {
        t += QStringLiteral(" Ele volta mais perto do fim do ano, quando convém usar a mesma "
                            "energia para completar o que começou em %1.")
                 .arg(mesMinusculo(antes.mes));
    }
    return t;
}

// `texto` without its closing sentence when an earlier text already closed with it: the
// universal months all end on the same reminder, said once is enough.
QString semFechoRepetido(const QString& texto, QSet<QString>& fechos) {
    static const QRegularExpression fimDeFrase(QStringLiteral(R"((?<=[.!?])\s+)"));
    const QString corpo = texto.trimmed();
    const qsizetype corte = corpo.lastIndexOf(fimDeFrase);
    if (corte < 0) {
        return texto;
    }
    const QString fecho = corpo.mid(corte).trimmed();
    if (!fechos.contains(fecho)) {
        fechos.insert(fecho);
        return texto;
    }
    return corpo.left(corte);
}

class Compositor {
public:
    Compositor(const ArquivoInterpretacao& arq, bool crianca, bool longevo)
        : arq_(arq), crianca_(crianca), longevo_(longevo) {}

    // The personal year and month of a child come from the child variants, the personal
    // year of a reader of 80 or more from theirs.
    PrevisoesAno::Numero numero(const QString& titulo, const char* radical, int n) const {
        const QString r = QString::fromLatin1(radical);
        QString texto;
        if (crianca_ && (r == QStringLiteral("INTANOPS") || r == QStringLiteral("INTMESPS"))) {
            texto = TextosInfantis::texto(r == QStringLiteral("INTANOPS")
                                              ? TextosInfantis::Tipo::AnoPessoal
                                              : TextosInfantis::Tipo::MesPessoal,
                                          n, arq_);
        } else if (longevo_ && r == QStringLiteral("INTANOPS")) {
            texto = TextosLongevos::anoPessoal(n, arq_);
        }
        if (texto.trimmed().isEmpty()) {
            texto = arq_.LeTextoInterpretacao(n, r + ".DAT");
        }
        return {titulo + QStringLiteral(": Número ") + QString::number(n), n, texto};
    }

private:
    const ArquivoInterpretacao& arq_;
    const bool crianca_;
    const bool longevo_;
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

bool PrevisoesAno::aceitaAno(int ano, const QString& dataNascimento, QString* erro) {
    if (!aceitaAno(ano, erro)) {
        return false;
    }
    const int nascimento = dataNascimento.section(u'/', 2, 2).toInt();
    if (ano >= nascimento) {
        return true;
    }
    if (erro != nullptr) {
        *erro = QStringLiteral("O ano das previsões (%1) é anterior ao nascimento, em %2: as "
                               "previsões são feitas a partir do ano em que a pessoa nasceu.")
                    .arg(ano)
                    .arg(nascimento);
    }
    return false;
}

PrevisoesAno PrevisoesAno::compoe(const QString& nome, const QString& dataNascimento, int ano,
                                  const RegrasCalculo& regras, QDate,
                                  const ArquivoInterpretacao& arquivos) {
    const InicioAnoPessoal regra = regras.inicioAnoPessoal();
    const NumerosAnalise n = CalculaNumeros(nome, dataNascimento, QDate(ano, 1, 1), regras);
    // The age the person reaches in the year of the forecast.
    const QDate fimDoAno(ano, 12, 31);
    const int idade = PeriodosVividos::idade(n, fimDoAno);
    const bool crianca = TextosInfantis::valem(idade, arquivos);
    const Compositor c(arquivos, crianca, TextosLongevos::valem(idade, arquivos));
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
    if (crianca) {
        p.abertura += kCRLF + kCRLF + arquivos.LeTextoInterpretacao(1, TextosInfantis::kArquivo);
    }
    p.linhaVida = LinhaVida::calcula(n, fimDoAno);
    for (int d = 1; d <= 9; ++d) {
        p.chaveDias.append(
            QStringLiteral("Dia pessoal %1: %2").arg(d).arg(QString::fromUtf16(kChaveDias[d - 1])));
    }
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

    QMap<int, PrimeiraVez> universais;
    QMap<int, PrimeiraVez> pessoais;
    QSet<QString> fechos;
    for (const CalendarioMes& cal : calendarios) {
        Mes mes;
        mes.titulo = DataPorExtenso::nomeMes(cal.mes);
        mes.titulo[0] = mes.titulo[0].toUpper();
        mes.titulo += QStringLiteral(" de ") + QString::number(ano);
        const int universal = cal.dias.first().mesUniversal;
        mes.mesUniversal = c.numero(QStringLiteral("Mês Universal"), "INTMESUN", universal);
        if (universais.contains(universal)) {
            mes.mesUniversal.texto = universalDeNovo(universal, universais.value(universal));
        } else {
            universais.insert(universal, {cal.mes, 0, 0});
            mes.mesUniversal.texto = semFechoRepetido(mes.mesUniversal.texto, fechos);
        }
        const auto trechos = cal.mesesPessoais();
        for (int i = 0; i < trechos.size(); ++i) {
            QString titulo = QStringLiteral("Mês Pessoal");
            if (trechos.size() > 1) {
                titulo += i + 1 < trechos.size()
                              ? QStringLiteral(" até o dia %1").arg(trechos[i + 1].primeiroDia - 1)
                              : QStringLiteral(" a partir do dia %1").arg(trechos[i].primeiroDia);
            }
            const int pm = trechos[i].mesPessoal;
            const int anoPessoal = cal.dias[trechos[i].primeiroDia - 1].anoPessoal;
            Numero numero = c.numero(titulo, "INTMESPS", pm);
            if (pessoais.contains(pm)) {
                numero.texto = pessoalDeNovo(pm, pessoais.value(pm), universal, anoPessoal);
            } else {
                pessoais.insert(pm, {cal.mes, universal, anoPessoal});
            }
            mes.mesesPessoais.append(numero);
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

QString PrevisoesAno::rotuloIdade(int ano) {
    return QStringLiteral("Idade alcançada em %1").arg(ano);
}

QStringList PrevisoesAno::linhasLinhaVida(const LinhaVida& l, const QString& rotuloIdade) {
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
        vida.append(QStringLiteral("%1 (número %2): %3, com início em %4.")
                        .arg(nomesCiclos[i])
                        .arg(c.numero)
                        .arg(periodo(c.idadeInicio, c.idadeFim, ultimo))
                        .arg(c.anoInicio));
    }
    for (int i = 0; i < l.realizacoes.size() && i < nomesRealizacoes.size(); ++i) {
        const auto& r = l.realizacoes[i];
        vida.append(QStringLiteral("%1 (número %2): %3.")
                        .arg(nomesRealizacoes[i])
                        .arg(r.numero)
                        .arg(periodo(r.idadeInicio, r.idadeFim, i + 1 == l.realizacoes.size())));
    }
    // The challenges in the order of their headings: main, first and second minor, additional.
    for (int i : {2, 0, 1, 3}) {
        if (i >= l.desafios.size()) {
            continue;
        }
        const auto& d = l.desafios[i];
        const bool vidaInteira = d.idadeInicio == 0 && d.idadeFim >= l.idadeFinal;
        vida.append(QStringLiteral("%1 (número %2): %3.")
                        .arg(nomesDesafios[i])
                        .arg(d.numero)
                        .arg(vidaInteira
                                 ? QStringLiteral("a vida inteira")
                                 : periodo(d.idadeInicio, d.idadeFim, d.idadeFim >= l.idadeFinal)));
    }
    if (l.idadeReferencia >= 0) {
        vida.append(QStringLiteral("%1: %2 anos.").arg(rotuloIdade).arg(l.idadeReferencia));
    }
    return vida;
}

QList<ItemAnalise> PrevisoesAno::blocos() const {
    QList<ItemAnalise> b;
    b.append({kTitulo + QStringLiteral(" de ") + QString::number(ano), abertura, {}, {}});
    const QStringList vida = linhasLinhaVida(linhaVida, rotuloIdade(ano));
    b.append({QStringLiteral("Linha da Vida"), {}, vida.join(kCRLF), {}});
    b.append({anoUniversal.titulo, {}, anoUniversal.texto, {}});
    for (const Numero& py : anosPessoais) {
        b.append({py.titulo, {}, py.texto, {}});
    }
    b.append({kTituloChaveDias, {}, chaveDias.join(kCRLF), {}});
    for (const Mes& m : meses) {
        b.append({m.titulo, {}, m.mesUniversal.titulo + kCRLF + m.mesUniversal.texto, {}});
        for (const Numero& pm : m.mesesPessoais) {
            b.append({m.titulo + QStringLiteral(" - ") + pm.titulo, {}, pm.texto, {}});
        }
        b.append({m.titulo + QStringLiteral(" - Dias pessoais"), {}, m.tabelaDias.join(kCRLF), {}});
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
