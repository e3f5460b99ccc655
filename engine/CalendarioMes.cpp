#include "engine/CalendarioMes.h"

#include <QDate>

namespace vidalume {

CalendarioMes CalendarioMes::calcula(int ano, int mes, int diaNascimento, int mesNascimento,
                                     const RegrasCalculo& regras) {
    CalendarioMes c;
    c.ano = ano;
    c.mes = mes;
    const QDate primeiro(ano, mes, 1);
    if (!primeiro.isValid()) {
        return c;
    }
    const int total = primeiro.daysInMonth();
    // Qt numbers Monday 1 to Sunday 7; the rows start on Sunday.
    int coluna = primeiro.dayOfWeek() % kDiasSemana;
    Semana semana{};
    for (int d = 1; d <= total; ++d) {
        semana[coluna] = d;
        c.dias.append(
            NumerosDoDia::calcula(diaNascimento, mesNascimento, QDate(ano, mes, d), regras));
        if (++coluna == kDiasSemana) {
            c.semanas.append(semana);
            semana = {};
            coluna = 0;
        }
    }
    if (coluna != 0) {
        c.semanas.append(semana);
    }
    return c;
}

QList<int> CalendarioMes::diasComDiaPessoal(int numero) const {
    QList<int> r;
    for (int i = 0; i < dias.size(); ++i) {
        if (dias[i].diaPessoal == numero) {
            r.append(i + 1);
        }
    }
    return r;
}

QList<CalendarioMes::TrechoMesPessoal> CalendarioMes::mesesPessoais() const {
    QList<TrechoMesPessoal> r;
    for (int i = 0; i < dias.size(); ++i) {
        if (r.isEmpty() || r.last().mesPessoal != dias[i].mesPessoal ||
            r.last().anoPessoal != dias[i].anoPessoal) {
            r.append({i + 1, dias[i].anoPessoal, dias[i].mesPessoal});
        }
    }
    return r;
}

} // namespace vidalume
