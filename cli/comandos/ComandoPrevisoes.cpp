#include "cli/comandos/ComandoPrevisoes.h"

#include "engine/CalendarioMes.h"
#include "engine/NumerosAnalise.h"

#include <QStringList>

namespace vidalume {

bool ComandoPrevisoes::leAno(const QString& texto, QDate referencia, const QString& nascimento,
                             int* ano, QString* erro) {
    bool ok = true;
    const int valor = texto.isEmpty() ? referencia.year() : texto.trimmed().toInt(&ok);
    if (!ok) {
        *erro = PrevisoesAno::kMensagemAno;
        return false;
    }
    if (!PrevisoesAno::aceitaAno(valor, nascimento, erro)) {
        return false;
    }
    *ano = valor;
    return true;
}

QByteArray ComandoPrevisoes::json(const EntradaCli& e, int ano) {
    const NumerosAnalise n = CalculaNumeros(e.nome, e.nascimento, QDate(ano, 1, 1), e.regras());
    const bool aniversario = e.inicioAnoPessoal == InicioAnoPessoal::Aniversario;
    QStringList meses;
    for (int m = 1; m <= 12; ++m) {
        const CalendarioMes c = CalendarioMes::calcula(ano, m, n.dia, n.mes, e.regras());
        QStringList dias;
        for (int d = 1; d <= c.dias.size(); ++d) {
            const NumerosDoDia& x = c.dias[d - 1];
            dias.append(QStringLiteral("        {\"dia\": %1, \"dia_universal\": %2, "
                                       "\"ano_pessoal\": %3, \"mes_pessoal\": %4, "
                                       "\"dia_pessoal\": %5}")
                            .arg(d)
                            .arg(x.diaUniversal)
                            .arg(x.anoPessoal)
                            .arg(x.mesPessoal)
                            .arg(x.diaPessoal));
        }
        meses.append(QStringLiteral("    {\"mes\": %1, \"mes_universal\": %2, \"dias\": [\n%3\n"
                                    "    ]}")
                         .arg(m)
                         .arg(c.dias.first().mesUniversal)
                         .arg(dias.join(QStringLiteral(",\n"))));
    }
    return QStringLiteral("{\n  \"ano\": %1,\n  \"inicio_ano_pessoal\": \"%2\",\n"
                          "  \"ano_universal\": %3,\n  \"meses\": [\n%4\n  ]\n}\n")
        .arg(ano)
        .arg(aniversario ? QStringLiteral("aniversario") : QStringLiteral("janeiro"))
        .arg(n.anoUniversal)
        .arg(meses.join(QStringLiteral(",\n")))
        .toUtf8();
}

PrevisoesAno ComandoPrevisoes::compoe(const EntradaCli& e, int ano, const QString& pasta) {
    return PrevisoesAno::compoe(e.nomeExibido(), e.nascimento, ano, e.regras(),
                                e.referencia.isValid() ? e.referencia : e.hoje,
                                ArquivoInterpretacao(pasta));
}

} // namespace vidalume
