#include "cli/comandos/ComandoAssinatura.h"

#include "cli/comandos/ComandoNumeros.h"
#include "cli/comandos/ValorJson.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace vidalume {

namespace {

// The "numeros" object of one spelling, indented to sit inside a candidate.
QString numerosDe(const AvaliacaoNome& a, const EntradaCli& entrada, int limite,
                  const TabelaHarmonia& tabela) {
    EntradaCli e = entrada;
    e.nomeDigitado = a.nome;
    e.nome = RegrasCalculo::pitagorica().normalizaNome(a.nome);
    const QByteArray objeto = e.escola == EscolaCalculo::Cabalistica
                                  ? ComandoNumeros::jsonCabalistico(e, limite, tabela)
                                  : ComandoNumeros::json(e, limite);
    return QString::fromUtf8(objeto).trimmed().replace(u'\n', QStringLiteral("\n      "));
}

QString candidato(const CorrecaoNome& estudo, const AvaliacaoNome& a, const QString& numeros) {
    QJsonArray mudancas;
    for (const MudancaNome& m : a.mudancas) {
        mudancas.append(QJsonObject{{QStringLiteral("tipo"), ComandoAssinatura::chaveTipo(m.tipo)},
                                    {QStringLiteral("posicao"), m.posicao}});
    }
    QStringList partes{
        QStringLiteral("\"nome\": %1").arg(ValorJson(a.nome)),
        QStringLiteral("\"original\": %1").arg(ValorJson(a.original)),
        QStringLiteral("\"mudancas\": %1").arg(ValorJson(mudancas)),
        QStringLiteral("\"numeros\": %1").arg(numeros),
    };
    if (estudo.escola == EscolaCalculo::Cabalistica) {
        partes << QStringLiteral("\"sequencias\": %1").arg(a.totalSequencias)
               << QStringLiteral("\"harmonia_destino_expressao\": %1")
                      .arg(ValorJson(ComandoNumeros::chaveHarmonia(a.harmonia)));
    }
    return QStringLiteral("    {\n      ") + partes.join(QStringLiteral(",\n      ")) +
           QStringLiteral("\n    }");
}

// The cells of one line of the table.
QStringList celulas(const CorrecaoNome& estudo, const AvaliacaoNome& a, int posicao) {
    QStringList c{QString::number(posicao + 1) + (a.original ? QStringLiteral("*") : QString()),
                  a.marcado, QString::number(a.totalMudancas)};
    if (estudo.escola == EscolaCalculo::Cabalistica) {
        c << QString::number(a.totalSequencias);
    }
    c << estudo.textoHarmonia(a) << CorrecaoNome::textoNumeros(a.dividas)
      << CorrecaoNome::textoNumeros(a.licoes);
    if (estudo.escola == EscolaCalculo::Cabalistica) {
        c << QString::number(a.arcanoRegente);
    }
    return c;
}

QStringList titulos(EscolaCalculo escola) {
    if (escola == EscolaCalculo::Cabalistica) {
        return {QStringLiteral("Nº"),       QStringLiteral("Nome"),
                QStringLiteral("Mudanças"), QStringLiteral("Sequências"),
                QStringLiteral("Harmonia"), QStringLiteral("Dívidas"),
                QStringLiteral("Lições"),   QStringLiteral("Regente")};
    }
    return {QStringLiteral("Nº"),       QStringLiteral("Nome"),    QStringLiteral("Mudanças"),
            QStringLiteral("Harmonia"), QStringLiteral("Dívidas"), QStringLiteral("Lições")};
}

} // namespace

QString ComandoAssinatura::chaveTipo(MudancaNome::Tipo tipo) {
    switch (tipo) {
    case MudancaNome::Tipo::Acento:
        return QStringLiteral("acento");
    case MudancaNome::Tipo::Cedilha:
        return QStringLiteral("cedilha");
    case MudancaNome::Tipo::Dobra:
        return QStringLiteral("dobra");
    case MudancaNome::Tipo::Final:
        return QStringLiteral("final");
    case MudancaNome::Tipo::Nome:
        break;
    }
    return QStringLiteral("nome");
}

bool ComandoAssinatura::leOpcoes(const QString& mudancas, const QString& sem, const QString& maximo,
                                 CandidatosNome::Opcoes* opcoes, int* maximoLido, QString* erro) {
    if (!mudancas.isEmpty()) {
        const int n = mudancas.toInt();
        if (n < 1 || n > CandidatosNome::kProfundidadeMaxima || mudancas != QString::number(n)) {
            *erro = QStringLiteral("O número de mudanças por candidato deve ser 1, 2 ou 3 "
                                   "(--mudancas).");
            return false;
        }
        opcoes->profundidade = n;
    }
    for (const QString& parte : sem.split(u',', Qt::SkipEmptyParts)) {
        const QString tipo = parte.trimmed();
        bool* caixa = tipo == QLatin1String("acentos")  ? &opcoes->acentos
                      : tipo == QLatin1String("dobras") ? &opcoes->dobras
                      : tipo == QLatin1String("finais") ? &opcoes->finais
                      : tipo == QLatin1String("nomes")  ? &opcoes->nomes
                                                        : nullptr;
        if (!caixa) {
            *erro = QStringLiteral("As mudanças que podem ser deixadas de fora são acentos, "
                                   "dobras, finais e nomes, separadas por vírgulas (--sem).");
            return false;
        }
        *caixa = false;
    }
    *maximoLido = kMaximoPadrao;
    if (!maximo.isEmpty()) {
        bool ok = false;
        const int k = maximo.toInt(&ok);
        if (!ok || k < 1) {
            *erro = QStringLiteral("O número de candidatos a mostrar deve ser um número inteiro "
                                   "a partir de 1 (--max).");
            return false;
        }
        *maximoLido = k;
    }
    return true;
}

QList<int> ComandoAssinatura::mostrados(const CorrecaoNome& estudo, int maximo) {
    QList<int> indices;
    const int n = std::min(int(estudo.candidatos.size()), maximo);
    for (int i = 0; i < n; ++i) {
        indices << i;
    }
    if (const int original = estudo.indiceOriginal(); original >= n) {
        indices << original;
    }
    return indices;
}

QByteArray ComandoAssinatura::json(const CorrecaoNome& estudo, const EntradaCli& entrada,
                                   int limiteTendencias, const TabelaHarmonia& tabela, int maximo) {
    QStringList lista;
    for (int i : mostrados(estudo, maximo)) {
        const AvaliacaoNome& a = estudo.candidatos[i];
        lista << candidato(estudo, a, numerosDe(a, entrada, limiteTendencias, tabela));
    }
    const QString escola = estudo.escola == EscolaCalculo::Cabalistica
                               ? QStringLiteral("cabalistica")
                               : QStringLiteral("pitagorica");
    return QStringLiteral("{\n  \"escola\": %1,\n  \"nascimento\": %2,\n  \"candidatos\": [\n%3\n  "
                          "]\n}\n")
        .arg(ValorJson(escola), ValorJson(estudo.nascimento), lista.join(QStringLiteral(",\n")))
        .toUtf8();
}

QString ComandoAssinatura::texto(const CorrecaoNome& estudo, int maximo) {
    QList<QStringList> linhas{titulos(estudo.escola)};
    for (int i : mostrados(estudo, maximo)) {
        linhas << celulas(estudo, estudo.candidatos[i], i);
    }
    QList<qsizetype> larguras(linhas.first().size(), 0);
    for (const QStringList& l : linhas) {
        for (qsizetype c = 0; c < l.size(); ++c) {
            larguras[c] = std::max(larguras[c], l[c].size());
        }
    }
    QString texto = estudo.explicacaoOrdem() + u'\n' + estudo.conclusao() + QStringLiteral("\n\n");
    for (const QStringList& l : linhas) {
        QStringList alinhadas;
        for (qsizetype c = 0; c < l.size(); ++c) {
            alinhadas << l[c].leftJustified(larguras[c]);
        }
        texto += alinhadas.join(QStringLiteral("  ")).trimmed() + u'\n';
    }
    return texto + QStringLiteral("\n* o nome original. Entre colchetes, as letras mudadas; "
                                  "[-NOME], um nome do meio retirado.\n");
}

} // namespace vidalume
