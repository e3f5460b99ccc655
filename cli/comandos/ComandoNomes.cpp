#include "cli/comandos/ComandoNomes.h"

#include "settings/HarmoniaCabalistica.h"
#include "settings/OpcoesMapa.h"

#include "cli/comandos/EntradaCli.h"
#include "cli/comandos/ValorJson.h"
#include "composer/EstudoNomes.h"
#include "engine/EntradaDados.h"

namespace vidalume {

namespace {

QString objeto(const CandidatoNome& c) {
    const bool temVogal = !c.primeiraVogal.isNull();
    const std::pair<const char*, QJsonValue> campos[] = {
        {"nome", c.nome},
        {"expressao", c.expressao},
        {"impulso_da_alma", c.impulsoDaAlma},
        {"eu_silencioso", c.euSilencioso},
        {"primeira_vogal", temVogal ? QJsonValue(QString(c.primeiraVogal)) : QJsonValue()},
        {"caracteristica_do_nome", c.caracteristicaDoNome},
        {"numero_da_realidade", c.numeroDaRealidade},
        {"harmonia_com_caminho_da_vida", c.harmonia},
    };
    QStringList partes;
    for (const auto& [chave, v] : campos) {
        partes << QStringLiteral("\"%1\": %2").arg(QLatin1String(chave), ValorJson(v));
    }
    return u'{' + partes.join(QStringLiteral(", ")) + u'}';
}

} // namespace

bool ComandoNomes::executa(const QString& nascimento, const QStringList& nomes,
                           const QString& hojeTexto, QDate hojeRelogio, QByteArray* json,
                           QString* erro) {
    return executa(nascimento, nomes, hojeTexto, hojeRelogio, QStringLiteral("pitagorica"),
                   QString(), json, erro);
}

bool ComandoNomes::executa(const QString& nascimento, const QStringList& nomes,
                           const QString& hojeTexto, QDate hojeRelogio, const QString& escola,
                           const QString& pasta, QByteArray* json, QString* erro) {
    EntradaCli entrada;
    for (const QString& nome : nomes.isEmpty() ? QStringList{QString()} : nomes) {
        if (!EntradaCli::le(nome, nascimento, hojeTexto, hojeRelogio, &entrada, erro)) {
            return false;
        }
    }
    if (!entrada.defineEscola(escola, pasta, erro)) {
        return false;
    }
    QStringList preparados;
    for (const QString& nome : nomes) {
        preparados << EntradaDados::preparaNome(nome);
    }
    const EstudoNomes estudo = EstudoNomes::calcula(
        entrada.nascimento, preparados, entrada.regras(OpcoesMapa::le(pasta).limiteTendencias),
        HarmoniaCabalistica::le(pasta));
    QStringList linhas;
    for (const CandidatoNome& c : estudo.candidatos) {
        linhas << QStringLiteral("    ") + objeto(c);
    }
    *json = QStringLiteral("{\n  \"caminho_da_vida\": %1,\n  \"nomes\": [\n%2\n  ]\n}\n")
                .arg(estudo.caminhoDaVida)
                .arg(linhas.join(QStringLiteral(",\n")))
                .toUtf8();
    return true;
}

} // namespace vidalume
