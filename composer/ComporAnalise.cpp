#include "composer/ComporAnalise.h"

#include "composer/AvisoFinal.h"
#include "composer/ComporMapa.h"
#include "composer/PeriodosVividos.h"
#include "composer/TextosInfantis.h"
#include "composer/TextosLongevos.h"
#include "engine/EntradaDados.h"

#include <QStringList>

namespace vidalume {

const QString ComporAnalise::kSemVogais =
    QStringLiteral(
        "O nome informado não possui vogais (%1). Como o Impulso da Alma é calculado a partir das "
        "vogais do nome, ele não pode ser interpretado nesta análise. Verifique se o nome completo "
        "foi digitado corretamente.")
        .arg(RegrasCalculo::descreveVogais());
const QString ComporAnalise::kSemVogaisPrimeiraVogal =
    QStringLiteral(
        "O nome informado não possui vogais (%1), por isso não há uma primeira vogal a ser "
        "interpretada nesta análise.")
        .arg(RegrasCalculo::descreveVogais());
const QString ComporAnalise::kSemConsoantes = QStringLiteral(
    "O nome informado não possui consoantes. Como o Eu Silencioso é calculado a partir das "
    "consoantes do nome, ele não pode ser interpretado nesta análise.");
const QString ComporAnalise::kSemValorExpressao = QStringLiteral(
    "O nome informado não possui letras com valor numérico (de A a Z). Como a Expressão é "
    "calculada a partir de todas as letras do nome, ela não pode ser interpretada nesta "
    "análise. Verifique se o nome completo foi digitado corretamente.");

namespace {

const QString kCRLF = QStringLiteral("\r\n");

QString n(int v) {
    return QString::number(v);
}

class Compositor {
public:
    Compositor(const NumerosAnalise& num, const QString& data, const ArquivoInterpretacao& arq)
        : num_(num), ddmm_(data.left(6)), arq_(arq) {}

    Analise compoe() {
        ciclos();
        diaDoNascimento();
        realizacoes();
        desafios();
        saude();
        numerosDoDia();
        numerosDoNome();
        a_.Aviso = AvisoFinal::texto(arq_);
        return a_;
    }

private:
    QString le(const char* radical, int registro) const {
        return arq_.LeTextoInterpretacao(registro, QString::fromLatin1(radical) + ".DAT");
    }
    QString explicacao(int registro) const { return le("CDATA", registro); }

    void item(int k, const QString& titulo, const QString& descricao, const QString& texto,
              const QString& numero) {
        a_[k] = {titulo, descricao, texto, numero};
    }

    void ciclos() {
        item(1, QStringLiteral("Interpretações do Caminho da Vida:"), explicacao(1),
             le("CVIDA", num_.caminhoDaVida), n(num_.caminhoDaVida));
        item(2, QStringLiteral("Dia em que Começa o Ciclo Formativo: ") + ddmm_ + n(num_.ano),
             explicacao(2) + kCRLF, le("CFORM", num_.M), n(num_.M));
        item(3,
             QStringLiteral("Dia em que Termina o Ciclo Formativo e Começa o Ciclo Produtivo: ") +
                 ddmm_ + n(num_.anoInicioCicloProdutivo),
             {}, le("CPROD", num_.D), n(num_.D));
        item(4,
             QStringLiteral("Dia em que Termina o Ciclo Produtivo e Começa o Ciclo da Colheita: ") +
                 ddmm_ + n(num_.anoInicioCicloColheita),
             {}, le("CCOLH", num_.A), n(num_.A));
    }

    void diaDoNascimento() {
        item(5, QStringLiteral("Vibrações do Dia do Nascimento:"), explicacao(3),
             le("CDNAS", num_.D), n(num_.D));
        const int c = num_.desafioDiaNascimento;
        QString desafio;
        if (c == 0) {
            // Record 1 says why a challenge 0 brings every lesson; the nine follow it.
            desafio = le("DESNASC", 1) + kCRLF;
            for (int d = 1; d <= 9; ++d) {
                desafio += le("DESNASC", d + 1) + kCRLF;
            }
        } else {
            desafio = le("DESNASC", c + 1);
        }
        item(6, QStringLiteral("Desafios do Dia do Nascimento: "),
             QStringLiteral(
                 "Esta é uma lição a ser aprendida. Esta vibração pode causar "
                 "ansiedade ou tensão na vida, até ser superada ou compreendida. O número é "
                 "a diferença entre os dois algarismos do dia do nascimento, com um "
                 "zero à frente do dia de um só algarismo: quem nasceu no dia 14 tem o "
                 "desafio 3, que é 4 menos 1."),
             desafio, n(c));
        const int g = num_.presenteDiaNascimento;
        item(7, QStringLiteral("Presente do Dia do Nascimento: "),
             QStringLiteral("Este é um dom oferecido para compensar o Desafio do Dia do "
                            "Nascimento. O número é 9 menos o desafio: a um desafio 3 "
                            "corresponde o presente 6."),
             QStringLiteral("O seu Presente do Dia do Nascimento é ") + le("PRESNASC", g + 1) + ".",
             n(g));
    }

    void realizacoes() {
        const auto& p = num_.realizacoes;
        const auto& idade = num_.idadesRealizacoes;
        item(8,
             QStringLiteral("Interpretação das Realizações") + kCRLF + kCRLF +
                 QStringLiteral("A sua primeira realização tem início na data de seu nascimento "
                                "e prolonga-se até os seus ") +
                 n(idade[0]) + QStringLiteral(" anos."),
             explicacao(4), le("APICES", p[0]) + ".", n(p[0]));
        item(9,
             QStringLiteral("A sua segunda realização tem início aos seus ") + n(idade[0]) +
                 QStringLiteral(" anos e prolonga-se até os seus ") + n(idade[1]) +
                 QStringLiteral(" anos."),
             {}, le("APICES", p[1]) + ".", n(p[1]));
        item(10,
             QStringLiteral("A sua terceira realização tem início aos seus ") + n(idade[1]) +
                 QStringLiteral(" anos e prolonga-se até os seus ") + n(idade[2]) +
                 QStringLiteral(" anos."),
             {}, le("APICES", p[2]) + ".", n(p[2]));
        item(11,
             QStringLiteral("A sua quarta realização tem início aos seus ") + n(idade[2]) +
                 QStringLiteral(" anos e prolonga-se até o fim de sua vida."),
             {}, le("APICES", p[3]) + ".", n(p[3]));
    }

    void desafios() {
        auto texto = [&](int desafio) { return le("DESVIDA", desafio + 1) + "."; };
        item(12,
             QStringLiteral("Interpretações dos Desafios da Vida") + kCRLF + kCRLF +
                 QStringLiteral("Desafio Maior (Sentido durante a vida inteira):"),
             explicacao(5), texto(num_.desafioMaior), n(num_.desafioMaior));
        item(13,
             QStringLiteral("1º Desafio Menor (Vibra principalmente durante a primeira metade "
                            "da vida):"),
             {}, texto(num_.desafioMenor1), n(num_.desafioMenor1));
        item(14,
             QStringLiteral("2º Desafio Menor (Vibra principalmente durante a última metade "
                            "da vida):"),
             {}, texto(num_.desafioMenor2), n(num_.desafioMenor2));
        item(15, QStringLiteral("Desafio Menor Adicional:"), {}, texto(num_.desafioMenorAdicional),
             n(num_.desafioMenorAdicional));
    }

    void saude() {
        item(16, QStringLiteral("Indicações para a Saúde"),
             QStringLiteral("Este número aponta os cuidados com a saúde que pedem mais atenção. "
                            "Ele não prevê doenças nem sintomas e não substitui o "
                            "acompanhamento de um profissional de saúde."),
             le("INDSAUDE", num_.saudeRegistro), n(num_.saudeNumero));
    }

    void numerosDoDia() {
        item(17, QStringLiteral("Interpretações do Ano Universal:"), explicacao(6),
             le("INTANOUN", num_.anoUniversal), n(num_.anoUniversal));
        item(18, QStringLiteral("Interpretações do Mês Universal:"), {},
             le("INTMESUN", num_.mesUniversal), n(num_.mesUniversal));
        item(19, QStringLiteral("Interpretações do Dia Universal:"), {},
             le("INTDIAUN", num_.diaUniversal), n(num_.diaUniversal));
        item(20, QStringLiteral("Interpretações do Ano Pessoal:"), explicacao(7),
             le("INTANOPS", num_.anoPessoal), n(num_.anoPessoal));
        item(21, QStringLiteral("Interpretações do Mês Pessoal:"), {},
             le("INTMESPS", num_.mesPessoal), n(num_.mesPessoal));
        item(22, QStringLiteral("Interpretações do Dia Pessoal:"), {},
             le("INTDIAPS", num_.diaPessoal), n(num_.diaPessoal));
    }

    // A name number of 0 has no interpretation record: the section says why instead.
    QString textoOuAviso(const char* radical, int numero, const QString& aviso) const {
        return numero > 0 ? le(radical, numero) : aviso;
    }

    void numerosDoNome() {
        item(23, QStringLiteral("Interpretações da Expressão:"), explicacao(8),
             textoOuAviso("INTEXEXP", num_.expressao, ComporAnalise::kSemValorExpressao),
             n(num_.expressao));
        item(24, QStringLiteral("Interpretações do Impulso da Alma:"), explicacao(9),
             textoOuAviso("IMPXALMA", num_.impulsoDaAlma, ComporAnalise::kSemVogais),
             n(num_.impulsoDaAlma));
        item(25, QStringLiteral("O Eu Silencioso:"), explicacao(10),
             textoOuAviso("EUXSILEN", num_.euSilencioso, ComporAnalise::kSemConsoantes) + kCRLF,
             n(num_.euSilencioso));
        const bool temVogal = num_.primeiraVogalCodigo > 0;
        item(26, QStringLiteral("Interpretação da Primeira Vogal:"), explicacao(11),
             (temVogal ? le("INTVOG", num_.primeiraVogalCodigo)
                       : ComporAnalise::kSemVogaisPrimeiraVogal) +
                 kCRLF,
             temVogal ? QString(num_.primeiraVogal) : QStringLiteral("-"));
        item(27, QStringLiteral("Interpretações da Característica do Nome:"), explicacao(12),
             le("INTNOME", num_.caracteristicaDoNome), n(num_.caracteristicaDoNome));
        item(28, QStringLiteral("Interpretações do Número da Realidade:"), explicacao(13),
             le("INTREALI", num_.numeroDaRealidade), n(num_.numeroDaRealidade));
    }

    const NumerosAnalise& num_;
    const QString ddmm_;
    const ArquivoInterpretacao& arq_;
    Analise a_;
};

} // namespace

Analise ComporAnalise::compoe(const NumerosAnalise& numeros, const QString& dataNascimento,
                              const ArquivoInterpretacao& arquivos) {
    return Compositor(numeros, dataNascimento, arquivos).compoe();
}

Analise ComporAnalise::compoe(const QString& nome, const QString& dataNascimento, QDate hoje,
                              const ArquivoInterpretacao& arquivos, const OpcoesMapa& opcoes) {
    const RegrasCalculo regras = opcoes.regras();
    const NumerosAnalise numeros = CalculaNumeros(nome, dataNascimento, hoje, regras);
    Analise a = compoe(numeros, dataNascimento, arquivos);
    const int idade = PeriodosVividos::idade(numeros, hoje);
    PeriodosVividos::ajustaRealizacoes(a, numeros, idade);
    TextosInfantis::aplica(a, numeros, idade, arquivos);
    TextosLongevos::aplica(a, numeros, idade, arquivos);
    ComporMapa::compoe(a, nome, numeros, regras, arquivos, hoje);
    return a;
}

QString ComporAnalise::notaInicioAnoPessoal(InicioAnoPessoal regra) {
    return QStringLiteral("O ano pessoal começa ") + DescreveInicioAnoPessoal(regra) + ".";
}

QString ComporAnalise::notaPrevisoes(QDate referencia) {
    return QStringLiteral("Previsões calculadas para ") + EntradaDados::formataData(referencia);
}

Analise ComporAnalise::compoe(const QString& nome, const QString& dataNascimento, QDate hoje,
                              QDate referencia, const ArquivoInterpretacao& arquivos,
                              const OpcoesMapa& opcoes) {
    if (!referencia.isValid() || referencia == hoje) {
        return compoe(nome, dataNascimento, hoje, arquivos, opcoes);
    }
    Analise a = compoe(nome, dataNascimento, referencia, arquivos, opcoes);
    // The note opens the text, so it stands right under the title in every output.
    const QString nota = notaPrevisoes(referencia) + kCRLF + kCRLF;
    for (int k = kPrimeiraPrevisao; k <= kUltimaPrevisao; ++k) {
        a[k].Texto.prepend(nota);
    }
    return a;
}

} // namespace vidalume
