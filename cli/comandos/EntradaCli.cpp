#include "cli/comandos/EntradaCli.h"

#include "engine/EntradaDados.h"
#include "engine/RegrasCalculo.h"
#include "engine/Windows1252.h"
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
    // The name as a Windows-1252 text box would hold it, once it was told apart from what
    // only looks like it (decomposed accents, invisible marks) and checked for what cannot be
    // held at all.
    const QString preparado = EntradaDados::preparaNome(nomeDigitado);
    const QString nome = Windows1252::restringe(preparado);
    const EntradaDados::Resultado resultado = EntradaDados::valida(nome, nascimento);
    if (resultado != EntradaDados::Resultado::DataInvalida && !preparado.trimmed().isEmpty()) {
        if (QString motivo = EntradaDados::confereCaracteres(preparado); !motivo.isEmpty()) {
            *erro = motivo;
            return false;
        }
    }
    switch (resultado) {
    case EntradaDados::Resultado::DataInvalida:
        *erro = EntradaDados::kMensagemDataInvalida;
        return false;
    case EntradaDados::Resultado::NomeVazio:
        *erro = kMensagemNomeVazio;
        return false;
    case EntradaDados::Resultado::NomeCurto:
        *erro = EntradaDados::kMensagemNomeCurto;
        return false;
    case EntradaDados::Resultado::Aceito:
        break;
    }
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
