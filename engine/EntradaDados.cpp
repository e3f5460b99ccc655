#include "engine/EntradaDados.h"

#include "engine/Windows1252.h"

#include <QRegularExpression>

namespace vidalume {

const QString EntradaDados::kMensagemDataInvalida = QStringLiteral(
    "A data informada não é uma data válida. Se você informou o ano com apenas dois dígitos, "
    "tente informá-lo com quatro. (ex. 20/08/78 = 20/08/1978)");
const QString EntradaDados::kMensagemNomeCurto =
    QStringLiteral("Para gerar uma análise numerológica você precisa informar um nome completo. "
                   "Tente novamente.");
const QString EntradaDados::kMarcadorCancelado = QStringLiteral("Descartar");

namespace {

// Two-digit years: 30-99 are 1930-1999, 00-29 are 2000-2029.
int anoDaJanela(int ano) {
    return ano < 30 ? 2000 + ano : 1900 + ano;
}

std::optional<QDate> dataValida(int dia, int mes, int ano) {
    if (ano < 1 || ano > 9999) {
        return std::nullopt;
    }
    QDate d(ano, mes, dia);
    if (!d.isValid()) {
        return std::nullopt;
    }
    return d;
}

// Whether Windows-1252 holds the code point `c`.
bool naPagina(char32_t c) {
    const QString texto = QString::fromUcs4(&c, 1);
    return c == U'?' || Windows1252::codifica(texto) != "?";
}

// The base letter of a Latin letter with marks ("Ă" gives "A"), or 0 for any other character.
char32_t letraBase(char32_t c) {
    const QString decomposta = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    const QChar base = decomposta.isEmpty() ? QChar() : decomposta.front();
    return decomposta.size() > 1 && base.isLetter() && base.unicode() < 0x80 ? base.unicode() : 0;
}

} // namespace

QString EntradaDados::preparaNome(const QString& digitado) {
    const QString composto = digitado.normalized(QString::NormalizationForm_C);
    QString preparado;
    preparado.reserve(composto.size());
    for (const char32_t c : composto.toUcs4()) {
        if (QChar::category(c) == QChar::Other_Format) {
            continue;
        }
        const char32_t base = naPagina(c) ? 0 : letraBase(c);
        const char32_t escolhido = base != 0 ? base : c;
        preparado += QString::fromUcs4(&escolhido, 1);
    }
    return preparado;
}

QString EntradaDados::confereCaracteres(const QString& nome) {
    QString estranhos;
    for (const char32_t c : nome.toUcs4()) {
        if (QChar::category(c) == QChar::Other_Control) {
            return QStringLiteral("O nome contém um caractere de controle (uma tabulação, uma "
                                  "quebra de linha ou outro invisível). Informe o nome só com "
                                  "letras, espaços, hífens e apóstrofos.");
        }
        const QString caractere = QString::fromUcs4(&c, 1);
        if (!naPagina(c) && !estranhos.contains(caractere) && estranhos.size() < 20) {
            estranhos += caractere;
        }
    }
    if (estranhos.isEmpty()) {
        return {};
    }
    return QStringLiteral("O nome contém caracteres que o programa não sabe calcular (%1). "
                          "Informe o nome com as letras do alfabeto latino, com ou sem acentos.")
        .arg(estranhos);
}

std::optional<QDate> EntradaDados::leData(const QString& texto) {
    static const QRegularExpression dma(
        QStringLiteral(R"(^\s*([0-9]{1,2})\s*[/.\-]\s*([0-9]{1,2})\s*[/.\-]\s*([0-9]{1,4})\s*$)"));
    static const QRegularExpression amd(
        QStringLiteral(R"(^\s*([0-9]{4})\s*[/.\-]\s*([0-9]{1,2})\s*[/.\-]\s*([0-9]{1,2})\s*$)"));
    if (auto m = amd.match(texto); m.hasMatch()) {
        return dataValida(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    }
    // Eight or six digits typed without separators: ddmmaaaa or ddmmaa.
    static const QRegularExpression corrido(
        QStringLiteral(R"(^\s*([0-9]{2})([0-9]{2})([0-9]{4}|[0-9]{2})\s*$)"));
    auto m = dma.match(texto);
    if (!m.hasMatch()) {
        m = corrido.match(texto);
    }
    if (m.hasMatch()) {
        const QString anoTexto = m.captured(3);
        int ano = anoTexto.toInt();
        if (anoTexto.size() <= 2) {
            ano = anoDaJanela(ano);
        }
        return dataValida(m.captured(1).toInt(), m.captured(2).toInt(), ano);
    }
    return std::nullopt;
}

QString EntradaDados::formataData(QDate data) {
    return QStringLiteral("%1/%2/%3")
        .arg(data.day(), 2, 10, QLatin1Char('0'))
        .arg(data.month(), 2, 10, QLatin1Char('0'))
        .arg(data.year(), 4, 10, QLatin1Char('0'));
}

QString EntradaDados::mensagemOutraData(const QString& campo) {
    return QStringLiteral("A data informada em %1 não é uma data válida. Informe o dia, o mês e "
                          "o ano (ex. 20/08/2026 ou 20082026).")
        .arg(campo);
}

std::optional<QString> EntradaDados::normalizaData(const QString& texto) {
    if (auto d = leData(texto)) {
        return formataData(*d);
    }
    return std::nullopt;
}

EntradaDados::Resultado EntradaDados::valida(const QString& nome, const QString& data) {
    if (!leData(data)) {
        return Resultado::DataInvalida;
    }
    // A name of blanks only is no name: it would give an analysis of nothing.
    if (nome.trimmed().isEmpty()) {
        return Resultado::NomeVazio;
    }
    if (Windows1252::restringe(nome).size() < kMinimoCaracteresNome) {
        return Resultado::NomeCurto;
    }
    return Resultado::Aceito;
}

EntradaDados::Conferencia EntradaDados::confere(const QString& nomeDigitado, const QString& data) {
    Conferencia c;
    const QString preparado = preparaNome(nomeDigitado);
    c.nome = Windows1252::restringe(preparado);
    switch (valida(c.nome, data)) {
    case Resultado::DataInvalida:
        c.naData = true;
        c.motivo = kMensagemDataInvalida;
        return c;
    case Resultado::NomeVazio:
        return c;
    case Resultado::NomeCurto:
        c.motivo = kMensagemNomeCurto;
        break;
    case Resultado::Aceito:
        c.aceita = true;
        break;
    }
    // A character that cannot be held is named before the name is judged short: the '?' it
    // would become is what made it short.
    if (QString motivo = confereCaracteres(preparado);
        !motivo.isEmpty() && !preparado.trimmed().isEmpty()) {
        c.aceita = false;
        c.motivo = std::move(motivo);
    }
    return c;
}

} // namespace vidalume
