#include "cli/comandos/ComandoNumeros.h"

#include "engine/MapaCabalistico.h"

#include "cli/comandos/ValorJson.h"
#include "engine/EntradaDados.h"
#include "engine/NumerosAnalise.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

namespace vidalume {

namespace {

QJsonArray lista(const auto& numeros) {
    QJsonArray a;
    for (int v : numeros) {
        a.append(v);
    }
    return a;
}

} // namespace

QString ComandoNumeros::chaveOrigem(OrigemDivida origem) {
    switch (origem) {
    case OrigemDivida::DiaDoNascimento:
        return QStringLiteral("dia_do_nascimento");
    case OrigemDivida::CaminhoDaVida:
        return QStringLiteral("caminho_da_vida");
    case OrigemDivida::Expressao:
        return QStringLiteral("expressao");
    case OrigemDivida::ImpulsoDaAlma:
        return QStringLiteral("impulso_da_alma");
    case OrigemDivida::EuSilencioso:
        return QStringLiteral("eu_silencioso");
    }
    return {};
}

QByteArray ComandoNumeros::json(const EntradaCli& e, int limiteTendencias) {
    const RegrasCalculo regras = e.regras(limiteTendencias);
    const NumerosAnalise n = CalculaNumeros(e.nome, e.nascimento, e.dataPrevisoes(), regras);
    const MapaCarmico mapa = CalculaMapaCarmico(e.nome, n, regras);
    QJsonArray dividas;
    for (const DividaCarmica& d : mapa.dividas) {
        dividas.append(QJsonObject{{QStringLiteral("numero"), d.numero},
                                   {QStringLiteral("origem"), chaveOrigem(d.origem)}});
    }
    const bool temVogal = n.primeiraVogalCodigo > 0;
    const std::pair<const char*, QJsonValue> campos[] = {
        {"nome", e.nome},
        {"nascimento", e.nascimento},
        {"hoje", EntradaDados::formataData(e.hoje)},
        {"referencia", EntradaDados::formataData(e.dataPrevisoes())},
        {"caminho_da_vida", n.caminhoDaVida},
        {"ciclo_formativo", n.cicloFormativo},
        {"ciclo_produtivo", n.cicloProdutivo},
        {"ciclo_colheita", n.cicloColheita},
        {"ano_inicio_ciclo_produtivo", n.anoInicioCicloProdutivo},
        {"ano_inicio_ciclo_colheita", n.anoInicioCicloColheita},
        {"dia_do_nascimento", n.diaDoNascimento},
        {"desafio_dia_nascimento", n.desafioDiaNascimento},
        {"presente_dia_nascimento", n.presenteDiaNascimento},
        {"realizacoes", lista(n.realizacoes)},
        {"idades_realizacoes", lista(n.idadesRealizacoes)},
        {"desafio_menor_1", n.desafioMenor1},
        {"desafio_menor_2", n.desafioMenor2},
        {"desafio_maior", n.desafioMaior},
        {"desafio_menor_adicional", n.desafioMenorAdicional},
        {"saude_registro", n.saudeRegistro},
        {"saude_numero", n.saudeNumero},
        {"ano_universal", n.anoUniversal},
        {"mes_universal", n.mesUniversal},
        {"dia_universal", n.diaUniversal},
        {"ano_pessoal", n.anoPessoal},
        {"mes_pessoal", n.mesPessoal},
        {"dia_pessoal", n.diaPessoal},
        {"expressao", n.expressao},
        {"impulso_da_alma", n.impulsoDaAlma},
        {"eu_silencioso", n.euSilencioso},
        {"primeira_vogal", temVogal ? QJsonValue(QString(n.primeiraVogal)) : QJsonValue()},
        {"primeira_vogal_codigo", temVogal ? QJsonValue(n.primeiraVogalCodigo) : QJsonValue()},
        {"caracteristica_do_nome", n.caracteristicaDoNome},
        {"numero_da_realidade", n.numeroDaRealidade},
        {"signo", n.signo},
        {"inclusao", lista(mapa.inclusao)},
        {"licoes_carmicas", lista(mapa.licoesCarmicas)},
        {"tendencias_ocultas", lista(mapa.tendenciasOcultas)},
        {"resposta_subconsciente", mapa.respostaSubconsciente},
        {"dividas_carmicas", dividas},
    };
    QStringList partes;
    for (const auto& [chave, v] : campos) {
        partes.append(QStringLiteral("  \"%1\": %2").arg(QLatin1String(chave), ValorJson(v)));
    }
    return ("{\n" + partes.join(QStringLiteral(",\n")) + "\n}\n").toUtf8();
}

namespace {

QString origemCabalistica(MapaCabalistico::OrigemDivida origem) {
    switch (origem) {
    case MapaCabalistico::OrigemDivida::DiaNatalicio:
        return QStringLiteral("dia_natalicio");
    case MapaCabalistico::OrigemDivida::Destino:
        return QStringLiteral("destino");
    case MapaCabalistico::OrigemDivida::Motivacao:
        return QStringLiteral("motivacao");
    case MapaCabalistico::OrigemDivida::Expressao:
        return QStringLiteral("expressao");
    }
    return {};
}

QJsonObject jsonTriangulo(const Triangulo& t) {
    QJsonArray linhas, sequencias;
    for (const QList<int>& linha : t.linhas) {
        linhas.append(lista(linha));
    }
    for (const SequenciaNegativa& s : t.sequencias) {
        sequencias.append(QJsonObject{{QStringLiteral("linha"), s.linha},
                                      {QStringLiteral("digito"), s.digito},
                                      {QStringLiteral("posicao"), s.posicao},
                                      {QStringLiteral("tamanho"), s.tamanho}});
    }
    return {{QStringLiteral("linhas"), linhas},
            {QStringLiteral("arcano_regente"), t.arcanoRegente},
            {QStringLiteral("sequencias"), sequencias}};
}

double duasCasas(double anos) {
    return std::round(anos * 100) / 100;
}

QJsonArray jsonArcanos(const PiramideNome& p) {
    QJsonArray arcanos;
    for (const ArcanoPassagem& a : p.arcanos) {
        arcanos.append(QJsonObject{{QStringLiteral("arcano"), a.arcano},
                                   {QStringLiteral("de"), duasCasas(a.de)},
                                   {QStringLiteral("ate"), duasCasas(a.ate)}});
    }
    return arcanos;
}

} // namespace

QByteArray ComandoNumeros::jsonCabalistico(const EntradaCli& e, int limiteTendencias,
                                           const TabelaHarmonia& tabela) {
    const MapaCabalistico m = CalculaMapaCabalistico(
        e.nomeDigitado, e.nascimento, e.dataPrevisoes(), e.regras(limiteTendencias), tabela);
    QJsonArray letras;
    for (const MapaCabalistico::Letra& l : m.letras) {
        letras.append(QJsonObject{{QStringLiteral("letra"), QString(l.letra)},
                                  {QStringLiteral("valor"), l.valor},
                                  {QStringLiteral("vogal"), l.vogal}});
    }
    QJsonArray dividas;
    for (const MapaCabalistico::Divida& d : m.dividas) {
        dividas.append(QJsonObject{{QStringLiteral("numero"), d.numero},
                                   {QStringLiteral("origem"), origemCabalistica(d.origem)},
                                   {QStringLiteral("muda_com_o_nome"), d.mudaComONome}});
    }
    const std::pair<const char*, QJsonValue> campos[] = {
        {"escola", QStringLiteral("cabalistica")},
        {"nome", e.nomeDigitado},
        {"nascimento", e.nascimento},
        {"letras", letras},
        {"motivacao", m.motivacao},
        {"impressao", m.impressao},
        {"expressao", m.expressao},
        {"destino", m.destino},
        {"missao", m.missao},
        {"numero_psiquico", m.numeroPsiquico},
        {"talento_oculto", m.talentoOculto},
        {"inclusao", lista(m.inclusao)},
        {"licoes_carmicas", lista(m.licoesCarmicas)},
        {"tendencias_ocultas", lista(m.tendenciasOcultas)},
        {"resposta_subconsciente", m.respostaSubconsciente},
        {"dividas_carmicas", dividas},
        {"ciclos", lista(m.ciclos)},
        {"fim_ciclos", lista(m.fimCiclos)},
        {"momentos_decisivos", lista(m.momentos)},
        {"fim_momentos", lista(m.fimMomentos)},
        {"desafios", lista(m.desafios)},
        {"harmonia_destino_expressao", ComandoNumeros::chaveHarmonia(m.harmonia)},
        {"ano_pessoal", m.numerosDoDia.anoPessoal},
        {"mes_pessoal", m.numerosDoDia.mesPessoal},
        {"dia_pessoal", m.numerosDoDia.diaPessoal},
        {"triangulos",
         QJsonObject{
             {QStringLiteral("vida"), jsonTriangulo(m.piramide.triangulos[PiramideNome::Vida])},
             {QStringLiteral("pessoal"),
              jsonTriangulo(m.piramide.triangulos[PiramideNome::Pessoal])},
             {QStringLiteral("social"), jsonTriangulo(m.piramide.triangulos[PiramideNome::Social])},
             {QStringLiteral("destino"),
              jsonTriangulo(m.piramide.triangulos[PiramideNome::Destino])}}},
        {"arcanos", jsonArcanos(m.piramide)},
    };
    QStringList partes;
    for (const auto& [chave, v] : campos) {
        partes.append(QStringLiteral("  \"%1\": %2").arg(QLatin1String(chave), ValorJson(v)));
    }
    return ("{\n" + partes.join(QStringLiteral(",\n")) + "\n}\n").toUtf8();
}

QString ComandoNumeros::chaveHarmonia(Harmonia h) {
    switch (h) {
    case Harmonia::Favoravel:
        return QStringLiteral("favoravel");
    case Harmonia::Desfavoravel:
        return QStringLiteral("desfavoravel");
    case Harmonia::Neutra:
        break;
    }
    return QStringLiteral("neutra");
}

} // namespace vidalume
