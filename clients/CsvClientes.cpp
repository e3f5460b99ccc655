#include "clients/CsvClientes.h"

#include "clients/LoteCsv.h"
#include "engine/EntradaDados.h"
#include "texts/Mensagem.h"

namespace vidalume {

bool CsvClientes::importa(FichaClientes& ficha, QIODevice& entrada, Resultado& r,
                          const std::function<void(const QString&)>& recusada, QString* erro) {
    r = Resultado{};
    LoteCsv leitor(entrada);
    leitor.aceitaColunas(
        {QStringLiteral("telefone"), QStringLiteral("email"), QStringLiteral("observacoes")});
    const auto recusa = [&](const LinhaLote& linha, const QString& motivo) {
        ++r.recusadas;
        if (recusada) {
            recusada(QStringLiteral("Linha %1: %2").arg(linha.numero).arg(motivo));
        }
    };
    const auto proximo = [&](Cliente& c) {
        LinhaLote linha;
        while (leitor.proxima(linha)) {
            if (!linha.erro.isEmpty()) {
                recusa(linha, linha.erro);
                continue;
            }
            c.nome = rearma(linha.nome);
            c.nascimento = EntradaDados::leData(linha.nascimento).value_or(QDate());
            c.telefone = rearma(linha.extras.value(0));
            c.email = rearma(linha.extras.value(1));
            c.observacoes = rearma(linha.extras.value(2));
            c.ajusta();
            if (const QString motivo = c.confere(); !motivo.isEmpty()) {
                recusa(linha, motivo);
                continue;
            }
            return true;
        }
        return false;
    };
    return ficha.importa(proximo, &r.importados, &r.existiam, erro);
}

QString CsvClientes::resumo(const Resultado& r) {
    return Mensagem::conta(r.importados, "cliente importado", "clientes importados") +
           QStringLiteral(", ") + Mensagem::conta(r.existiam, "já existia", "já existiam") +
           QStringLiteral(", ") +
           Mensagem::conta(r.recusadas, "linha recusada", "linhas recusadas");
}

bool CsvClientes::formula(const QString& valor) {
    static const QString kInicios = QStringLiteral("=+-@\t\r'");
    return !valor.isEmpty() && kInicios.contains(valor.front());
}

QString CsvClientes::desarma(const QString& valor) {
    return formula(valor) ? u'\'' + valor : valor;
}

QString CsvClientes::rearma(const QString& valor) {
    return valor.startsWith(u'\'') && formula(valor.mid(1)) ? valor.mid(1) : valor;
}

QString CsvClientes::campo(const QString& bruto) {
    const QString valor = desarma(bruto);
    if (!valor.contains(u';') && !valor.contains(u'"') && !valor.contains(u'\n') &&
        !valor.contains(u'\r')) {
        return valor;
    }
    QString dentro = valor;
    dentro.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + dentro + u'"';
}

QByteArray CsvClientes::exporta(const std::vector<Cliente>& clientes) {
    QString texto = QStringLiteral("nome;nascimento;telefone;email;observacoes\r\n");
    for (const Cliente& c : clientes) {
        texto += QStringList{campo(c.nome), EntradaDados::formataData(c.nascimento),
                             campo(c.telefone), campo(c.email), campo(c.observacoes)}
                     .join(u';') +
                 QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + texto.toUtf8();
}

} // namespace vidalume
