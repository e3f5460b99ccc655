#include "composer/LeituraCasal.h"

#include "composer/AvisoFinal.h"
#include "engine/Compatibilidade.h"
#include "engine/NumerosAnalise.h"
#include "texts/TabelaSecoes.h"

#include <QStringList>

#include <algorithm>

namespace vidalume {

const QString LeituraCasal::kExplicacaoLeitura = QStringLiteral(
    "A compatibilidade compara os números de duas pessoas (cônjuges, sócios, familiares ou "
    "amigos) em três aspectos: o Caminho da Vida, a Expressão e o Impulso da Alma. Números "
    "iguais ou do mesmo grupo (1, 5 e 7; 2, 4 e 8; 3, 6 e 9) estão em harmonia e se entendem "
    "com naturalidade; números de grupos diferentes pedem mais atenção, paciência e diálogo.");
const QString LeituraCasal::kExplicacaoCaminhoDaVida = QStringLiteral(
    "O Caminho da Vida, calculado pela data de nascimento, mostra a direção e as lições de "
    "cada pessoa. Compará-lo revela se as duas caminham no mesmo ritmo e buscam metas "
    "parecidas ao longo da vida.");
const QString LeituraCasal::kExplicacaoExpressao = QStringLiteral(
    "A Expressão, calculada por todas as letras do nome, mostra os talentos e a maneira de "
    "agir de cada pessoa. Compará-la revela como as duas trabalham juntas, dividem tarefas e "
    "enfrentam o dia a dia.");
const QString LeituraCasal::kExplicacaoImpulsoDaAlma = QStringLiteral(
    "O Impulso da Alma, calculado pelas vogais do nome, mostra os desejos íntimos e o que traz "
    "satisfação a cada pessoa. Compará-lo revela se as duas valorizam as mesmas coisas e se "
    "sentem compreendidas uma pela outra.");

namespace {

const QString kCRLF = QStringLiteral("\r\n");

// Today's date only shapes the numbers of the day, which the reading does not use.
const QDate kQualquerDia(2000, 1, 1);

// The reading compares the numbers of the Pythagorean school, whose pair texts it reads.
PessoaLeitura pessoa(const QString& nome, const QString& nascimento) {
    const NumerosAnalise n =
        CalculaNumeros(nome, nascimento, kQualquerDia, RegrasCalculo::pitagorica());
    return {nome, nascimento, n.caminhoDaVida, n.expressao, n.impulsoDaAlma};
}

AspectoLeitura aspecto(AspectoLeitura::Tipo tipo, int a, int b) {
    return {tipo, {a, b}, Compatibilidade::registroPar(a, b), Compatibilidade::emHarmonia(a, b)};
}

QString numeros(const AspectoLeitura& a) {
    return QStringLiteral("%1 e %2").arg(a.numeros[0]).arg(a.numeros[1]);
}

QString grupo(int n) {
    for (const char* g : {"1, 5 e 7", "2, 4 e 8", "3, 6 e 9"}) {
        if (QString::fromLatin1(g).contains(QString::number(n))) {
            return QString::fromLatin1(g);
        }
    }
    return {};
}

// "a", "a e b", "a, b e c".
QString enumera(const QStringList& itens) {
    if (itens.size() < 2) {
        return itens.join(QString());
    }
    return itens.mid(0, itens.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") +
           itens.last();
}

// Why a number is 0: the name gives no value for that aspect.
QString semNumero(const AspectoLeitura& a, const std::array<PessoaLeitura, 2>& pessoas) {
    QStringList nomes;
    for (int i = 0; i < 2; ++i) {
        if (a.numeros[i] == 0) {
            nomes << pessoas[i].nome;
        }
    }
    const bool vogais = a.tipo == AspectoLeitura::Tipo::ImpulsoDaAlma;
    const QString motivo =
        nomes.size() == 1 ? (vogais ? QStringLiteral("O nome %1 não possui vogais (A, E, I, O, "
                                                     "U ou Y)")
                                    : QStringLiteral("O nome %1 não possui letras com valor "
                                                     "numérico (de A a Z)"))
                          : (vogais ? QStringLiteral("Os nomes %1 não possuem vogais (A, E, "
                                                     "I, O, U ou Y)")
                                    : QStringLiteral("Os nomes %1 não possuem letras com "
                                                     "valor numérico (de A a Z)"));
    return motivo.arg(enumera(nomes)) +
           QStringLiteral(", por isso o número deste aspecto é 0. Sem um número de 1 a 9 não há "
                          "texto de compatibilidade para este aspecto, e ele não é contado como "
                          "harmonia. Verifique se o nome completo foi digitado corretamente.");
}

QString sintonia(const AspectoLeitura& a) {
    const int x = a.numeros[0];
    const int y = a.numeros[1];
    if (x == y) {
        return QStringLiteral("As duas pessoas têm o mesmo número, %1, e números iguais estão em "
                              "harmonia.")
            .arg(x);
    }
    if (a.harmonia) {
        return QStringLiteral("Os números %1 estão em harmonia: pertencem ao mesmo grupo (%2).")
            .arg(numeros(a), grupo(x));
    }
    // Said as a difference to work with, not as a verdict: the pair text below often finds
    // real strengths in the very same pair.
    return QStringLiteral("Os números %1 não estão em harmonia: o %2 pertence ao grupo %3, e o "
                          "%4, ao grupo %5. Isso não impede o entendimento, mas pede mais "
                          "atenção às diferenças, que o texto abaixo descreve junto com o que "
                          "os dois têm a oferecer um ao outro.")
        .arg(numeros(a))
        .arg(x)
        .arg(grupo(x))
        .arg(y)
        .arg(grupo(y));
}

QString linhaPessoa(const PessoaLeitura& p) {
    return QStringLiteral("%1 (%2): Caminho da Vida %3, Expressão %4 e Impulso da Alma %5.")
        .arg(p.nome, p.nascimento)
        .arg(p.caminhoDaVida)
        .arg(p.expressao)
        .arg(p.impulsoDaAlma);
}

QString resumo(const LeituraCasal& l) {
    QStringList emHarmonia;
    for (const AspectoLeitura& a : l.aspectos) {
        if (a.harmonia) {
            emHarmonia << a.nome();
        }
    }
    QString abertura;
    switch (emHarmonia.size()) {
    case 0:
        abertura = QStringLiteral("Nenhum dos três aspectos comparados está em harmonia.");
        break;
    case 1:
        abertura = QStringLiteral("Dos três aspectos comparados, 1 está em harmonia: %1.");
        break;
    case 2:
        abertura = QStringLiteral("Dos três aspectos comparados, 2 estão em harmonia: %1.");
        break;
    default:
        abertura = QStringLiteral("Os três aspectos comparados estão em harmonia: %1.");
        break;
    }
    if (!emHarmonia.isEmpty()) {
        abertura = abertura.arg(enumera(emHarmonia));
    }
    return abertura +
           QStringLiteral(" A harmonia mostra onde a convivência flui com naturalidade; onde ela "
                          "falta, os textos acima apontam o que ajuda as duas pessoas a se "
                          "entenderem. Nenhuma combinação de números impede uma boa relação: o "
                          "que a sustenta é o cuidado de cada dia.");
}

} // namespace

QString AspectoLeitura::chave() const {
    switch (tipo) {
    case Tipo::CaminhoDaVida:
        return QStringLiteral("caminho_da_vida");
    case Tipo::Expressao:
        return QStringLiteral("expressao");
    case Tipo::ImpulsoDaAlma:
        break;
    }
    return QStringLiteral("impulso_da_alma");
}

QString AspectoLeitura::nome() const {
    switch (tipo) {
    case Tipo::CaminhoDaVida:
        return QStringLiteral("Caminho da Vida");
    case Tipo::Expressao:
        return QStringLiteral("Expressão");
    case Tipo::ImpulsoDaAlma:
        break;
    }
    return QStringLiteral("Impulso da Alma");
}

LeituraCasal LeituraCasal::calcula(const QString& nome1, const QString& nascimento1,
                                   const QString& nome2, const QString& nascimento2) {
    LeituraCasal l;
    l.pessoas = {pessoa(nome1, nascimento1), pessoa(nome2, nascimento2)};
    const PessoaLeitura& a = l.pessoas[0];
    const PessoaLeitura& b = l.pessoas[1];
    using Tipo = AspectoLeitura::Tipo;
    l.aspectos = {aspecto(Tipo::CaminhoDaVida, a.caminhoDaVida, b.caminhoDaVida),
                  aspecto(Tipo::Expressao, a.expressao, b.expressao),
                  aspecto(Tipo::ImpulsoDaAlma, a.impulsoDaAlma, b.impulsoDaAlma)};
    return l;
}

int LeituraCasal::emHarmonia() const {
    return int(std::count_if(aspectos.cbegin(), aspectos.cend(),
                             [](const AspectoLeitura& a) { return a.harmonia; }));
}

RelatorioComposto LeituraCasal::compoe(const ArquivoInterpretacao& arquivos) const {
    RelatorioComposto r;
    r.NomeAnalise = pessoas[0].nome + QStringLiteral(" e ") + pessoas[1].nome;
    r.selecao.fill(0);
    const auto item = [&r](int k, const QString& titulo, const QString& descricao,
                           const QString& texto, const QString& numero) {
        r.analise[k] = {titulo, descricao, texto, numero};
        r.selecao[k] = Configuracao::flag(true);
    };
    item(1, QStringLiteral("Compatibilidade: os Números de Cada Pessoa"), kExplicacaoLeitura,
         linhaPessoa(pessoas[0]) + kCRLF + linhaPessoa(pessoas[1]), {});
    const QString explicacoes[] = {kExplicacaoCaminhoDaVida, kExplicacaoExpressao,
                                   kExplicacaoImpulsoDaAlma};
    for (int i = 0; i < 3; ++i) {
        const AspectoLeitura& a = aspectos[i];
        QString texto;
        if (a.registro == 0) {
            texto = semNumero(a, pessoas);
        } else {
            texto =
                sintonia(a) + kCRLF + kCRLF +
                arquivos.LeTextoInterpretacao(a.registro, TabelaSecoes::kArquivoCompatibilidade);
        }
        item(2 + i, QStringLiteral("%1: %2").arg(a.nome(), numeros(a)), explicacoes[i], texto,
             numeros(a));
    }
    item(
        5,
        QStringLiteral("Resumo da Compatibilidade: %1 de 3 Aspectos em Harmonia").arg(emHarmonia()),
        {}, resumo(*this), QString::number(emHarmonia()));
    r.analise.Aviso = AvisoFinal::texto(arquivos);
    return r;
}

} // namespace vidalume
