#include "engine/NumerosDoDia.h"

namespace vidalume {

QDate NumerosDoDia::aniversario(int diaNascimento, int mesNascimento, int ano) {
    if (mesNascimento == 2 && diaNascimento == 29 && !QDate::isLeapYear(ano)) {
        return QDate(ano, 3, 1);
    }
    return QDate(ano, mesNascimento, diaNascimento);
}

NumerosDoDia NumerosDoDia::calcula(int diaNascimento, int mesNascimento, QDate dia,
                                   const RegrasCalculo& regras) {
    const auto r = &RegrasCalculo::reduzDigito;
    NumerosDoDia n;
    const int mes = r(dia.month());
    n.anoUniversal = r(dia.year());
    n.mesUniversal = r(mes + n.anoUniversal);
    n.diaUniversal = r(r(dia.day()) + n.mesUniversal);

    int anoDoPessoal = dia.year();
    if (regras.inicioAnoPessoal() == InicioAnoPessoal::Aniversario) {
        const QDate niver = aniversario(diaNascimento, mesNascimento, dia.year());
        if (niver.isValid() && dia < niver) {
            anoDoPessoal -= 1;
        }
    }
    n.anoPessoal = RegrasCalculo::anoPessoal(diaNascimento, mesNascimento, anoDoPessoal);
    n.mesPessoal = r(mes + n.anoPessoal);
    n.diaPessoal = r(r(dia.day()) + n.mesPessoal);
    return n;
}

} // namespace vidalume
