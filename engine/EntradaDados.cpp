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

} // namespace

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

} // namespace vidalume
