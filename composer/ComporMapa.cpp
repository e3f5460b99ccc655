#include "composer/ComporMapa.h"

#include "composer/PrevisoesAno.h"
#include "engine/MapaLetras.h"
#include "texts/TabelaSecoes.h"

#include <QStringList>

namespace vidalume {

const QString ComporMapa::kSemLicoes = QStringLiteral(
    "Não há lições cármicas neste nome: todos os números de 1 a 9 aparecem nas suas letras.");
const QString ComporMapa::kSemDividas = QStringLiteral(
    "Não há dívidas cármicas neste mapa: nenhum 13, 14, 16 ou 19 aparece no Dia do "
    "Nascimento, no Caminho da Vida, na Expressão, no Impulso da Alma ou no Eu Silencioso.");
const QString ComporMapa::kSemLetras = QStringLiteral(
    "O nome informado não possui letras com valor numérico (de A a Z), por isso não há "
    "Resposta Subconsciente a ser interpretada nesta análise. Verifique se o nome completo "
    "foi digitado corretamente.");
const QString ComporMapa::kLegendaInclusao =
    QStringLiteral("Em cinza, os números que faltam no nome: as lições cármicas.");

namespace {

const QString kCRLF = QStringLiteral("\r\n");
constexpr int kLetrasPorLinhaTexto = 22; // three characters each

QString lista(const QList<int>& numeros) {
    QStringList partes;
    for (int n : numeros) {
        partes << QString::number(n);
    }
    return partes.join(QStringLiteral(", "));
}

QString passos(const RegrasCalculo& regras, long long total) {
    QStringList partes;
    for (long long p : regras.passosReducao(total)) {
        partes << QString::number(p);
    }
    return partes.join(QStringLiteral(" → "));
}

QString celula(const QString& texto) {
    return (QStringLiteral(" ") + texto).leftJustified(3);
}

QString semEspacosFinais(QString linha) {
    while (linha.endsWith(u' ')) {
        linha.chop(1);
    }
    return linha;
}

} // namespace

QStringList ComporMapa::linhasLetras(const MapaLetras& mapa) {
    QStringList linhas;
    QString vogais, letras, consoantes;
    int usadas = 0;
    const auto fechaLinha = [&] {
        if (usadas > 0) {
            linhas << semEspacosFinais(vogais) << semEspacosFinais(letras)
                   << semEspacosFinais(consoantes);
        }
        vogais.clear();
        letras.clear();
        consoantes.clear();
        usadas = 0;
    };
    for (const QList<LetraMapa>& palavra : mapa.palavras) {
        if (usadas > 0 && usadas + 1 + palavra.size() > kLetrasPorLinhaTexto) {
            fechaLinha();
        }
        if (usadas > 0) {
            vogais += celula({});
            letras += celula({});
            consoantes += celula({});
            ++usadas;
        }
        for (const LetraMapa& l : palavra) {
            const QString valor = QString::number(l.valor);
            vogais += celula(l.tipo == LetraMapa::Tipo::Vogal ? valor : QString());
            letras += celula(l.letra);
            consoantes += celula(l.tipo == LetraMapa::Tipo::Consoante ? valor : QString());
            ++usadas;
        }
    }
    fechaLinha();
    return linhas;
}

namespace {

class CompositorMapa {
public:
    CompositorMapa(Analise& a, const QString& nome, const NumerosAnalise& num,
                   const RegrasCalculo& regras, const ArquivoInterpretacao& arq, QDate referencia)
        : a_(a), nome_(nome), mapa_(CalculaMapaCarmico(nome, num, regras)), regras_(regras),
          arq_(arq), vida_(LinhaVida::calcula(num, referencia)) {}

    void compoe() {
        mapaLetras();
        licoes();
        tendencias();
        resposta();
        dividas();
        linhaVida();
    }

private:
    // The explanation of section k. A missing file reads as a blank text and is noted for
    // the warning every section gives; nothing about it reaches the client's document.
    QString explicacao(int k) const {
        return arq_.LeTextoInterpretacao(TabelaSecoes::secao(k).grupoExplicacao,
                                         TabelaSecoes::kArquivoExplicacoesMapa);
    }

    ItemAnalise& item(int k, const QString& numero) {
        ItemAnalise& i = a_[k];
        i = ItemAnalise{
            QString::fromUtf16(TabelaSecoes::secao(k).titulo), explicacao(k), {}, numero, {}};
        return i;
    }

    // One heading and one record of section k's file per entry of `numeros`, a blank line
    // between them; only the headings where the file has no text (a missing file is noted
    // for the usual warning).
    QString textos(int k, const QList<std::pair<QString, int>>& entradas) const {
        const QString arquivo = TabelaSecoes::arquivo(k);
        QStringList blocos;
        for (const auto& [titulo, registro] : entradas) {
            const QString texto = arq_.LeTextoInterpretacao(registro, arquivo);
            blocos << (texto.isEmpty() ? titulo : titulo + kCRLF + texto);
        }
        return blocos.join(kCRLF + kCRLF);
    }

    void mapaLetras() {
        ItemAnalise& i = item(ComporMapa::kMapaLetras, {});
        const MapaLetras letras = MontaMapaLetras(nome_, regras_);
        QuadroSecao& q = i.Quadro;
        q.tipo = QuadroSecao::Tipo::Letras;
        q.letras = letras;
        q.totais = {
            QStringLiteral("Vogais (Impulso da Alma): ") + passos(regras_, letras.totalVogais),
            QStringLiteral("Consoantes (Eu Silencioso): ") +
                passos(regras_, letras.totalConsoantes),
            QStringLiteral("Todas as letras (Expressão): ") + passos(regras_, letras.totalNome),
        };
        q.linhasTexto = ComporMapa::linhasLetras(letras) + QStringList{QString()} + q.totais;
        i.Texto = regras_.descreveLetras();
    }

    void licoes() {
        ItemAnalise& i = item(ComporMapa::kLicoes, lista(mapa_.licoesCarmicas));
        QuadroSecao& q = i.Quadro;
        q.tipo = QuadroSecao::Tipo::Inclusao;
        q.inclusao = mapa_.inclusao;
        q.legenda = ComporMapa::kLegendaInclusao;
        for (int linha = 0; linha < 3; ++linha) {
            QStringList celulas;
            for (int coluna = 0; coluna < 3; ++coluna) {
                const int d = 3 * linha + coluna + 1;
                const int vezes = mapa_.inclusao[d - 1];
                celulas << QStringLiteral("%1: %2%3").arg(d).arg(vezes).arg(vezes == 0 ? "*" : " ");
            }
            q.linhasTexto << celulas.join(QStringLiteral("   "));
        }
        // The key explains the stars, so it only stands when a cell has one.
        if (!mapa_.licoesCarmicas.isEmpty()) {
            q.linhasTexto << QStringLiteral("* número que falta no nome: uma lição cármica");
        }
        if (mapa_.licoesCarmicas.isEmpty()) {
            i.Texto = ComporMapa::kSemLicoes;
            return;
        }
        QList<std::pair<QString, int>> entradas;
        for (int d : mapa_.licoesCarmicas) {
            entradas.append({QStringLiteral("Lição Cármica %1:").arg(d), d});
        }
        i.Texto = textos(ComporMapa::kLicoes, entradas);
    }

    void tendencias() {
        ItemAnalise& i = item(ComporMapa::kTendencias, lista(mapa_.tendenciasOcultas));
        if (mapa_.tendenciasOcultas.isEmpty()) {
            i.Texto = QStringLiteral("Não há tendências ocultas neste nome: nenhum valor "
                                     "aparece %1 vezes ou mais nas suas letras.")
                          .arg(regras_.limiteTendencias());
            return;
        }
        QList<std::pair<QString, int>> entradas;
        for (int d : mapa_.tendenciasOcultas) {
            entradas.append({QStringLiteral("Tendência Oculta %1 (%2 letras):")
                                 .arg(d)
                                 .arg(mapa_.inclusao[d - 1]),
                             d});
        }
        // The threshold in force, so the reader never has to look it up.
        i.Texto = QStringLiteral("Nesta análise, um valor é tendência oculta quando aparece %1 "
                                 "vezes ou mais entre as letras do nome.")
                      .arg(regras_.limiteTendencias()) +
                  kCRLF + kCRLF + textos(ComporMapa::kTendencias, entradas);
    }

    void resposta() {
        const int r = mapa_.respostaSubconsciente;
        ItemAnalise& i = item(ComporMapa::kResposta, QString::number(r));
        if (r == 0) {
            i.Texto = ComporMapa::kSemLetras;
            return;
        }
        const QString arquivo = TabelaSecoes::arquivo(ComporMapa::kResposta);
        i.Texto = arq_.LeTextoInterpretacao(r, arquivo);
    }

    // A debt found in several places has one heading that names them all, and its text once.
    void dividas() {
        QList<int> numeros;
        QList<QStringList> lugares;
        for (const DividaCarmica& d : mapa_.dividas) {
            const qsizetype j = numeros.indexOf(d.numero);
            if (j < 0) {
                numeros.append(d.numero);
                lugares.append({ComporMapa::origem(d.origem)});
            } else {
                lugares[j].append(ComporMapa::origem(d.origem));
            }
        }
        ItemAnalise& i = item(ComporMapa::kDividas, lista(numeros));
        if (numeros.isEmpty()) {
            i.Texto = ComporMapa::kSemDividas;
            return;
        }
        QList<std::pair<QString, int>> entradas;
        for (qsizetype j = 0; j < numeros.size(); ++j) {
            QString onde = lugares[j].takeLast();
            if (!lugares[j].isEmpty()) {
                onde = lugares[j].join(QStringLiteral(", ")) + QStringLiteral(" e ") + onde;
            }
            entradas.append(
                {QStringLiteral("Dívida Cármica %1, encontrada %2:").arg(numeros[j]).arg(onde),
                 ComporMapa::registroDivida(numeros[j])});
        }
        i.Texto = textos(ComporMapa::kDividas, entradas);
    }

    void linhaVida() {
        ItemAnalise& i = item(ComporMapa::kLinhaVida, {});
        i.Quadro.tipo = QuadroSecao::Tipo::LinhaVida;
        i.Quadro.linhaVida = vida_;
        i.Quadro.linhasTexto = PrevisoesAno::linhasLinhaVida(vida_);
    }

    Analise& a_;
    const QString& nome_;
    const MapaCarmico mapa_;
    const RegrasCalculo regras_;
    const ArquivoInterpretacao& arq_;
    const LinhaVida vida_;
};

} // namespace

QString ComporMapa::origem(OrigemDivida origem) {
    switch (origem) {
    case OrigemDivida::DiaDoNascimento:
        return QStringLiteral("no Dia do Nascimento");
    case OrigemDivida::CaminhoDaVida:
        return QStringLiteral("no Caminho da Vida");
    case OrigemDivida::Expressao:
        return QStringLiteral("na Expressão");
    case OrigemDivida::ImpulsoDaAlma:
        return QStringLiteral("no Impulso da Alma");
    case OrigemDivida::EuSilencioso:
        return QStringLiteral("no Eu Silencioso");
    }
    return {};
}

int ComporMapa::registroDivida(int divida) {
    for (int r = 0; r < int(MapaCarmico::kDividas.size()); ++r) {
        if (MapaCarmico::kDividas[r] == divida) {
            return r + 1;
        }
    }
    return 0;
}

void ComporMapa::compoe(Analise& analise, const QString& nome, const NumerosAnalise& numeros,
                        const RegrasCalculo& regras, const ArquivoInterpretacao& arquivos,
                        QDate referencia) {
    CompositorMapa(analise, nome, numeros, regras, arquivos, referencia).compoe();
}

} // namespace vidalume
