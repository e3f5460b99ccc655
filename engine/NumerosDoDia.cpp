#include "engine/NumerosDoDia.h"

#include "engine/Reducao.h"

namespace vidalume {

QDate NumerosDoDia::aniversario(int diaNascimento, int mesNascimento, int ano) {
    if (mesNascimento == 2 && diaNascimento == 29 && !QDate::isLeapYear(ano)) {
        return QDate(ano, 3, 1);
    }
    return QDate(ano, mesNascimento, diaNascimento);
}

NumerosDoDia NumerosDoDia::calcula(int diaNascimento, int mesNascimento, QDate dia,
                                   InicioAnoPessoal regra) {
    NumerosDoDia n;
    const int mes = ReduzNumero(dia.month());
    n.anoUniversal = ReduzNumero(dia.year());
    n.mesUniversal = ReduzNumero(mes + n.anoUniversal);
    n.diaUniversal = ReduzNumero(ReduzNumero(dia.day()) + n.mesUniversal);

    int anoDoPessoal = dia.year();
    if (regra == InicioAnoPessoal::Aniversario) {
        const QDate niver = aniversario(diaNascimento, mesNascimento, dia.year());
        if (niver.isValid() && dia < niver) {
            anoDoPessoal -= 1;
        }
    }
    const int somaNascimento = ReduzNumero(diaNascimento) + ReduzNumero(mesNascimento);
    n.anoPessoal = ReduzNumero(somaNascimento + ReduzNumero(anoDoPessoal));
    n.mesPessoal = ReduzNumero(mes + n.anoPessoal);
    n.diaPessoal = ReduzNumero(ReduzNumero(dia.day()) + n.mesPessoal);
    return n;
}

} // namespace vidalume
