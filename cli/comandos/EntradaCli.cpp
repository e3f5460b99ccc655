#include "cli/comandos/EntradaCli.h"

#include "engine/EntradaDados.h"
#include "engine/RegrasCalculo.h"
#include "settings/OpcoesMapa.h"

namespace vidalume {

const QString EntradaCli::kMensagemNomeVazio =
    QStringLiteral("Informe o nome completo da pessoa a ser analisada (--nome).");

const QString EntradaCli::kMensagemEscola =
    QStringLiteral("A escola de cálculo deve ser pitagorica ou cabalistica (--escola).");

const QString EntradaCli::kMensagemInicioAnoPessoal =
    QStringLiteral("O início do ano pessoal deve ser janeiro ou aniversario "
                   "(--inicio-ano-pessoal).");

bool EntradaCli::le(const QString& nomeDigitado, const QString& nascimento,
                    const QString& hojeTexto, QDate hojeRelogio, EntradaCli* entrada,
                    QString* erro) {
    const EntradaDados::Conferencia conferida = EntradaDados::confere(nomeDigitado, nascimento);
    if (!conferida.aceita) {
        *erro = conferida.motivo.isEmpty() ? kMensagemNomeVazio : conferida.motivo;
        return false;
    }
    const QString& nome = conferida.nome;
    QDate hoje = hojeRelogio;
    if (!hojeTexto.isEmpty()) {
        const auto d = EntradaDados::leData(hojeTexto);
        if (!d) {
            *erro = EntradaDados::mensagemOutraData(QStringLiteral("--hoje"));
            return false;
        }
        hoje = *d;
    }
    *entrada = EntradaCli{};
    entrada->nome = RegrasCalculo::pitagorica().normalizaNome(nome);
    entrada->nascimento = *EntradaDados::normalizaData(nascimento);
    entrada->hoje = hoje;
    entrada->referencia = hoje;
    entrada->nomeDigitado = RegrasCalculo::maiusculas(nome.trimmed());
    return true;
}

bool EntradaCli::defineReferencia(const QString& texto, QString* erro) {
    if (texto.isEmpty()) {
        return true;
    }
    const auto d = EntradaDados::leData(texto);
    if (!d) {
        *erro = EntradaDados::mensagemOutraData(QStringLiteral("--referencia"));
        return false;
    }
    referencia = *d;
    return true;
}

bool EntradaCli::defineInicioAnoPessoal(const QString& texto, const QString& pasta, QString* erro) {
    if (texto.isEmpty()) {
        inicioAnoPessoal = OpcoesMapa::le(pasta).inicioAnoPessoal;
    } else if (texto == QLatin1String("janeiro")) {
        inicioAnoPessoal = InicioAnoPessoal::Janeiro;
    } else if (texto == QLatin1String("aniversario")) {
        inicioAnoPessoal = InicioAnoPessoal::Aniversario;
    } else {
        *erro = kMensagemInicioAnoPessoal;
        return false;
    }
    return true;
}

bool EntradaCli::defineEscola(const QString& texto, const QString& pasta, QString* erro) {
    const OpcoesMapa opcoes = OpcoesMapa::le(pasta);
    variantes = opcoes.variantes;
    if (texto.isEmpty()) {
        escola = opcoes.escola;
    } else if (texto == QLatin1String("pitagorica")) {
        escola = EscolaCalculo::Pitagorica;
    } else if (texto == QLatin1String("cabalistica")) {
        escola = EscolaCalculo::Cabalistica;
    } else {
        *erro = kMensagemEscola;
        return false;
    }
    if (escola == EscolaCalculo::Cabalistica) {
        nome = opcoes.regras(escola).normalizaNome(nomeDigitado);
    }
    return true;
}

} // namespace vidalume
