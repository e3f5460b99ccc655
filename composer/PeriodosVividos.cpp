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
    if (idade < 0) {
        return;
    }
    const auto& fins = numeros.idadesRealizacoes;
    for (int i = 0; i <= int(fins.size()); ++i) {
        QString& titulo = analise[8 + i].Titulo;
        // The first begins at birth, each other where the one before it ends.
        if (i == 0 || idade >= fins[i - 1]) {
            titulo.replace(QStringLiteral("realização tem início"),
                           QStringLiteral("realização teve início"));
        }
        if (i < int(fins.size()) && idade >= fins[i]) {
            titulo.replace(QStringLiteral(" e prolonga-se até"),
                           QStringLiteral(" e prolongou-se até"));
        }
    }
}

} // namespace vidalume
