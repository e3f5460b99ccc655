#include "LoteCsv.h"

#include "Windows1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace vidalume {

namespace {

const QString kFaltaCampo =
    QStringLiteral("A linha deve trazer o nome e a data de nascimento separados por \";\".");
const QString kCamposDemais =
    QStringLiteral("A linha traz mais campos que o nome e a data de nascimento.");

bool temDigito(const QString& s) {
    for (const QChar c : s) {
        if (c.isDigit()) {
            return true;
        }
    }
    return false;
}

LinhaLote le(int numero, const QString& texto) {
    LinhaLote linha;
    linha.numero = numero;
    QStringList c = LoteCsv::campos(texto);
    while (c.size() > 2 && c.constLast().isEmpty()) {
        c.removeLast();
    }
    if (c.size() < 2) {
        linha.erro = kFaltaCampo;
    } else if (c.size() > 2) {
        linha.erro = kCamposDemais;
    } else {
        linha.nome = c[0];
        linha.nascimento = c[1];
    }
    return linha;
}

} // namespace

QString LoteCsv::decodifica(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(bytes);
    if (!utf8.hasError()) {
        return texto;
    }
    return Windows1252::decodifica(bytes);
}

QStringList LoteCsv::campos(const QString& linha) {
    QStringList r;
    QString atual;
    bool entreAspas = false;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (entreAspas) {
            if (c != u'"') {
                atual += c;
            } else if (i + 1 < linha.size() && linha[i + 1] == u'"') {
                atual += c;
                ++i;
            } else {
                entreAspas = false;
            }
        } else if (c == u'"' && atual.trimmed().isEmpty()) {
            atual.clear();
            entreAspas = true;
        } else if (c == u';') {
            r << atual.trimmed();
            atual.clear();
        } else {
            atual += c;
        }
    }
    r << atual.trimmed();
    return r;
}

QList<LinhaLote> LoteCsv::linhas(const QString& texto) {
    static const QRegularExpression kFimLinha(QStringLiteral("\r\n|\r|\n"));
    const QStringList brutas = texto.split(kFimLinha);
    QList<LinhaLote> r;
    bool primeira = true;
    for (qsizetype i = 0; i < brutas.size(); ++i) {
        const QString& linha = brutas[i];
        if (linha.trimmed().isEmpty()) {
            continue;
        }
        const bool cabecalho = primeira && !temDigito(linha);
        primeira = false;
        if (!cabecalho) {
            r << le(static_cast<int>(i + 1), linha);
        }
    }
    return r;
}

} // namespace vidalume
