#include "composer/PeriodosVividos.h"

namespace vidalume {

int PeriodosVividos::idade(const NumerosAnalise& numeros, QDate data) {
    if (!data.isValid() || numeros.ano <= 0) {
        return -1;
    }
    int anos = data.year() - numeros.ano;
    if (data.month() < numeros.mes || (data.month() == numeros.mes && data.day() < numeros.dia)) {
        --anos;
    }
    return anos >= 0 ? anos : -1;
}

void PeriodosVividos::ajustaRealizacoes(Analise& analise, const NumerosAnalise& numeros,
                                        int idade) {
    for (int i = 0; i < int(numeros.idadesRealizacoes.size()); ++i) {
        if (idade < numeros.idadesRealizacoes[i]) {
            continue;
        }
        QString& titulo = analise[8 + i].Titulo;
        titulo.replace(QStringLiteral("realização tem início"),
                       QStringLiteral("realização teve início"));
        titulo.replace(QStringLiteral(" e prolonga-se até"), QStringLiteral(" e prolongou-se até"));
    }
}

} // namespace vidalume
