#include "cli/comandos/ComandoCompatibilidade.h"

#include "cli/comandos/ValorJson.h"
#include "settings/Configuracao.h"

#include <QStringList>

namespace vidalume {

const QString ComandoCompatibilidade::kMensagemNome2Vazio =
    QStringLiteral("Informe o nome completo da segunda pessoa (--nome2).");

namespace {

QString pessoa(const PessoaLeitura& p) {
    return QStringLiteral("{\"caminho_da_vida\": %1, \"expressao\": %2, \"impulso_da_alma\": %3}")
        .arg(p.caminhoDaVida)
        .arg(p.expressao)
        .arg(p.impulsoDaAlma);
}

QString aspecto(const AspectoLeitura& a) {
    return QStringLiteral(
               "{\"aspecto\": %1, \"numeros\": [%2, %3], \"registro\": %4, \"harmonia\": %5}")
        .arg(ValorJson(a.chave()))
        .arg(a.numeros[0])
        .arg(a.numeros[1])
        .arg(a.registro > 0 ? ValorJson(a.registro) : ValorJson(QJsonValue()))
        .arg(ValorJson(a.harmonia));
}

} // namespace

bool ComandoCompatibilidade::le(const QString& nome1, const QString& nascimento1,
                                const QString& nome2, const QString& nascimento2,
                                LeituraCasal* leitura, QString* erro) {
    EntradaCli a;
    EntradaCli b;
    if (!EntradaCli::le(nome1, nascimento1, {}, QDate::currentDate(), &a, erro)) {
        return false;
    }
    if (!EntradaCli::le(nome2, nascimento2, {}, QDate::currentDate(), &b, erro)) {
        if (*erro == EntradaCli::kMensagemNomeVazio) {
            *erro = kMensagemNome2Vazio;
        }
        return false;
    }
    *leitura = LeituraCasal::calcula(a.nome, a.nascimento, b.nome, b.nascimento);
    return true;
}

QByteArray ComandoCompatibilidade::json(const LeituraCasal& l) {
    QStringList aspectos;
    for (const AspectoLeitura& a : l.aspectos) {
        aspectos << QStringLiteral("    ") + aspecto(a);
    }
    return QStringLiteral(
               "{\n  \"pessoa1\": %1,\n  \"pessoa2\": %2,\n  \"aspectos\": [\n%3\n  ]\n}\n")
        .arg(pessoa(l.pessoas[0]), pessoa(l.pessoas[1]), aspectos.join(QStringLiteral(",\n")))
        .toUtf8();
}

QString ComandoCompatibilidade::texto(const LeituraCasal& l, const QString& pasta) {
    return l.compoe(ArquivoInterpretacao(pasta)).texto(Configuracao::le(pasta));
}

} // namespace vidalume
