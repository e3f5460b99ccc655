#include "clients/Cliente.h"

#include "engine/EntradaDados.h"

namespace vidalume {

void Cliente::ajusta() {
    nome = nome.trimmed();
    telefone = telefone.trimmed();
    email = email.trimmed();
    observacoes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    observacoes.replace(u'\r', u'\n');
    observacoes = observacoes.trimmed();
}

QString Cliente::confere() const {
    // NUL and the other control characters are invisible and cut or garble the lists and
    // files the fields end up in; only the notes keep their line ends and tabs.
    const auto controle = [](const QString& campo, const char* oQue, bool linhas) {
        for (const QChar c : campo) {
            if (c.category() == QChar::Other_Control && !(linhas && (c == u'\n' || c == u'\t'))) {
                return QStringLiteral("%1 contém um caractere de controle (invisível), que não "
                                      "pode ser gravado.")
                    .arg(QString::fromUtf8(oQue));
            }
        }
        return QString();
    };
    for (const QString& erro :
         {controle(nome, "O nome", false), controle(telefone, "O telefone", false),
          controle(email, "O e-mail", false), controle(observacoes, "O campo Observações", true)}) {
        if (!erro.isEmpty()) {
            return erro;
        }
    }
    if (!nascimento.isValid()) {
        return EntradaDados::kMensagemDataInvalida;
    }
    switch (EntradaDados::valida(nome, EntradaDados::formataData(nascimento))) {
    case EntradaDados::Resultado::DataInvalida:
        return EntradaDados::kMensagemDataInvalida;
    case EntradaDados::Resultado::NomeVazio:
        return QStringLiteral("Informe o nome completo do cliente.");
    case EntradaDados::Resultado::NomeCurto:
        return EntradaDados::kMensagemNomeCurto;
    case EntradaDados::Resultado::Aceito:
        break;
    }
    const auto longo = [](const QString& campo, int maximo, const char* oQue) {
        return campo.size() > maximo ? QStringLiteral("%1 tem mais de %2 caracteres.")
                                           .arg(QString::fromUtf8(oQue))
                                           .arg(maximo)
                                     : QString();
    };
    for (const QString& erro :
         {longo(nome, kMaximoNome, "O nome"), longo(telefone, kMaximoTelefone, "O telefone"),
          longo(email, kMaximoEmail, "O e-mail"),
          longo(observacoes, kMaximoObservacoes, "O campo Observações")}) {
        if (!erro.isEmpty()) {
            return erro;
        }
    }
    return {};
}

int Cliente::idade(QDate nascimento, QDate hoje) {
    if (!nascimento.isValid() || !hoje.isValid() || hoje < nascimento) {
        return 0;
    }
    int anos = hoje.year() - nascimento.year();
    if (hoje.month() < nascimento.month() ||
        (hoje.month() == nascimento.month() && hoje.day() < nascimento.day())) {
        --anos;
    }
    return anos;
}

} // namespace vidalume
