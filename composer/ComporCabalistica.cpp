#include "composer/ComporCabalistica.h"

#include "composer/AvisoFinal.h"
#include "composer/ComporAnalise.h"
#include "composer/ComporMapa.h"
#include "composer/ComporPiramide.h"
#include "composer/PrevisoesAno.h"
#include "engine/MapaLetras.h"

#include <QStringList>

namespace vidalume {

const QString ComporCabalistica::kTitulo = QStringLiteral("Mapa Numerológico Cabalístico");
const QString ComporCabalistica::kEscola = QStringLiteral("Numerologia Cabalística");

namespace {

const QString kCRLF = QStringLiteral("\r\n");
const QString kParagrafo = kCRLF + kCRLF;
constexpr int kRegistroMestres = 21; // the explanation of 11 and 22 in CABEXPL

// Where the text of a number comes from: the file of 1 to 9 and the pair of records of 11
// and 22 in CABMESTR (0 when the number is never a master one there).
struct FonteNumero {
    const char* arquivo;
    int mestre;
    bool pontoFinal = false; // the file's records end without a full stop
};

QString lista(const QList<int>& numeros) {
    QStringList partes;
    for (int n : numeros) {
        partes << QString::number(n);
    }
    return partes.join(QStringLiteral(", "));
}

QString faixaIdades(int inicio, int fim, int anoNascimento) {
    if (fim < 0) {
        return QStringLiteral("a partir dos %1 anos (%2)").arg(inicio).arg(anoNascimento + inicio);
    }
    if (inicio == 0) {
        return QStringLiteral("do nascimento aos %1 anos (%2 a %3)")
            .arg(fim)
            .arg(anoNascimento)
            .arg(anoNascimento + fim);
    }
    return QStringLiteral("dos %1 aos %2 anos (%3 a %4)")
        .arg(inicio)
        .arg(fim)
        .arg(anoNascimento + inicio)
        .arg(anoNascimento + fim);
}

class Compositor {
public:
    Compositor(const QString& nome, const MapaCabalistico& m, const RegrasCalculo& regras,
               const ArquivoInterpretacao& arq)
        : nome_(nome), m_(m), regras_(regras), arq_(arq) {}

    Analise compoe(QDate referencia) {
        letras();
        numerosDoNome();
        numerosDaData();
        mapaCarmico();
        periodos();
        pessoais();
        harmonia();
        linhaVida(referencia);
        ComporPiramide::compoe(a_, ComporCabalistica::kTrianguloVida,
                               ComporCabalistica::kArcanoRegente,
                               ComporCabalistica::kArcanosPassagem, m_, referencia, arq_);
        a_.Aviso = AvisoFinal::texto(arq_);
        return a_;
    }

private:
    QString le(const char* arquivo, int registro) const {
        return arq_.LeTextoInterpretacao(registro, QString::fromLatin1(arquivo) + ".DAT");
    }
    QString explicacao(int registro) const { return le("CABEXPL", registro); }

    void item(int k, const QString& titulo, int registroExplicacao, const QString& texto,
              int numero = -1) {
        a_[k] = {titulo,
                 registroExplicacao > 0 ? explicacao(registroExplicacao) : QString(),
                 texto,
                 numero >= 0 ? QString::number(numero) : QString(),
                 {}};
    }

    // The text of `n` from its file, or from the school's texts of 11 and 22.
    QString textoNumero(int n, const FonteNumero& f) const {
        if (f.mestre > 0 && regras_.ehMestre(n)) {
            return le("CABMESTR", f.mestre + (n == 22 ? 1 : 0));
        }
        if (n < 1 || n > 9) {
            return {};
        }
        const QString t = le(f.arquivo, n);
        return f.pontoFinal && !t.isEmpty() ? t + u'.' : t;
    }

    void letras() {
        const MapaLetras mapa = MontaMapaLetras(nome_, regras_);
        ItemAnalise& i = a_[ComporCabalistica::kLetras];
        i = {QStringLiteral("Mapa das Letras"),
             explicacao(1),
             regras_.descreveLetras() + kParagrafo + ComporCabalistica::variantes(regras_),
             {},
             {}};
        QuadroSecao& q = i.Quadro;
        q.tipo = QuadroSecao::Tipo::Letras;
        q.letras = mapa;
        const auto passos = [this](long long total) {
            QStringList partes;
            for (long long p : regras_.passosReducao(total)) {
                partes << QString::number(p);
            }
            return partes.join(QStringLiteral(" → "));
        };
        q.totais = {QStringLiteral("Vogais (Motivação): ") + passos(m_.totalVogais),
                    QStringLiteral("Consoantes (Impressão): ") + passos(m_.totalConsoantes),
                    QStringLiteral("Todas as letras (Expressão): ") + passos(m_.totalLetras)};
        q.linhasTexto = ComporMapa::linhasLetras(mapa) + QStringList{QString()} + q.totais;
    }

    void numerosDoNome() {
        using S = ComporCabalistica::Secao;
        const QString semVogais = ComporAnalise::kSemVogais;
        item(S::kMotivacao, QStringLiteral("Motivação: %1").arg(m_.motivacao), 2,
             m_.totalVogais > 0 ? textoNumero(m_.motivacao, {"IMPXALMA", 1}) : semVogais,
             m_.motivacao);
        item(S::kImpressao, QStringLiteral("Impressão: %1").arg(m_.impressao), 3,
             m_.totalConsoantes > 0 ? textoNumero(m_.impressao, {"CABIMPR", 3})
                                    : ComporAnalise::kSemConsoantes,
             m_.impressao);
        item(S::kExpressao, QStringLiteral("Expressão: %1").arg(m_.expressao), 4,
             m_.totalLetras > 0 ? textoNumero(m_.expressao, {"INTEXEXP", 5})
                                : ComporAnalise::kSemValorExpressao,
             m_.expressao);
    }

    void numerosDaData() {
        using S = ComporCabalistica::Secao;
        item(S::kDestino, QStringLiteral("Destino: %1").arg(m_.destino), 5,
             textoNumero(m_.destino, {"CVIDA", 7}), m_.destino);
        item(S::kMissao, QStringLiteral("Missão: %1").arg(m_.missao), 6,
             textoNumero(m_.missao, {"CABMISS", 9}), m_.missao);
        item(S::kPsiquico, QStringLiteral("Número Psíquico: %1").arg(m_.numeroPsiquico), 7,
             textoNumero(m_.numeroPsiquico, {"CABPSIQ", 0}), m_.numeroPsiquico);
        item(S::kTalento, QStringLiteral("Talento Oculto: %1").arg(m_.talentoOculto), 8,
             m_.totalLetras > 0 ? textoNumero(m_.talentoOculto, {"CABTALEN", 0})
                                : ComporAnalise::kSemValorExpressao,
             m_.talentoOculto);
    }

    void mapaCarmico() {
        using S = ComporCabalistica::Secao;
        item(S::kInclusao, QStringLiteral("Tabela de Inclusão"), 9, inclusaoTexto());
        QuadroSecao& q = a_[S::kInclusao].Quadro;
        q.tipo = QuadroSecao::Tipo::Inclusao;
        q.inclusao = m_.inclusao;
        q.legenda = ComporMapa::kLegendaInclusao;
        for (int linha = 0; linha < 3; ++linha) {
            QStringList celulas;
            for (int coluna = 0; coluna < 3; ++coluna) {
                const int d = 3 * linha + coluna + 1;
                celulas << QStringLiteral("%1: %2").arg(d).arg(m_.inclusao[d - 1]);
            }
            q.linhasTexto << celulas.join(QStringLiteral("   "));
        }
        licoes();
        tendencias();
        const int r = m_.respostaSubconsciente;
        item(S::kResposta, QStringLiteral("Resposta Subconsciente: %1").arg(r), 12,
             m_.letras.isEmpty() ? ComporMapa::kSemLetras : le("RESPSUBC", r), r);
        dividas();
    }

    QString inclusaoTexto() const {
        QStringList partes;
        for (int v = 1; v <= 9; ++v) {
            if (const int n = m_.inclusao[v - 1]) {
                partes << QStringLiteral("%1 (%2 %3)")
                              .arg(v)
                              .arg(n)
                              .arg(n == 1 ? QStringLiteral("letra") : QStringLiteral("letras"));
            }
        }
        return partes.isEmpty() ? ComporMapa::kSemLetras
                                : QStringLiteral("Valores presentes no nome: %1.")
                                      .arg(partes.join(QStringLiteral(", ")));
    }

    void licoes() {
        const int ultima = regras_.variantes().ultimaLicao;
        QStringList blocos;
        for (int d : m_.licoesCarmicas) {
            blocos << QStringLiteral("Lição Cármica %1:").arg(d) + kCRLF + le("LICCARM", d);
        }
        item(ComporCabalistica::kLicoes,
             QStringLiteral("Lições Cármicas: %1")
                 .arg(m_.licoesCarmicas.isEmpty() ? QStringLiteral("nenhuma")
                                                  : lista(m_.licoesCarmicas)),
             10,
             blocos.isEmpty()
                 ? QStringLiteral("Não há lições cármicas neste nome: todos os valores de 1 a "
                                  "%1 aparecem nas suas letras.")
                       .arg(ultima)
                 : blocos.join(kParagrafo));
    }

    void tendencias() {
        QStringList blocos;
        for (int d : m_.tendenciasOcultas) {
            blocos << QStringLiteral("Tendência Oculta %1 (%2 letras):")
                              .arg(d)
                              .arg(m_.inclusao[d - 1]) +
                          kCRLF + le("TENDOCUL", d);
        }
        item(ComporCabalistica::kTendencias,
             QStringLiteral("Tendências Ocultas: %1")
                 .arg(m_.tendenciasOcultas.isEmpty() ? QStringLiteral("nenhuma")
                                                     : lista(m_.tendenciasOcultas)),
             11,
             blocos.isEmpty() ? QStringLiteral("Não há tendências ocultas neste nome: nenhum "
                                               "valor aparece %1 vezes ou mais nas suas letras.")
                                    .arg(regras_.limiteTendencias())
                              : blocos.join(kParagrafo));
    }

    static QString origem(MapaCabalistico::OrigemDivida o) {
        switch (o) {
        case MapaCabalistico::OrigemDivida::DiaNatalicio:
            return QStringLiteral("no Dia Natalício");
        case MapaCabalistico::OrigemDivida::Destino:
            return QStringLiteral("no Destino");
        case MapaCabalistico::OrigemDivida::Motivacao:
            return QStringLiteral("na Motivação");
        case MapaCabalistico::OrigemDivida::Expressao:
            return QStringLiteral("na Expressão");
        }
        return {};
    }

    void dividas() {
        QStringList blocos, numeros;
        for (const MapaCabalistico::Divida& d : m_.dividas) {
            numeros << QString::number(d.numero);
            blocos << QStringLiteral("Dívida Cármica %1 %2 (%3):")
                              .arg(d.numero)
                              .arg(origem(d.origem))
                              .arg(d.mudaComONome
                                       ? QStringLiteral("vem do nome e pode mudar com ele")
                                       : QStringLiteral("vem da data de nascimento e não muda")) +
                          kCRLF + le("DIVCARM", ComporMapa::registroDivida(d.numero));
        }
        item(ComporCabalistica::kDividas,
             QStringLiteral("Dívidas Cármicas: %1")
                 .arg(numeros.isEmpty() ? QStringLiteral("nenhuma")
                                        : numeros.join(QStringLiteral(", "))),
             13,
             blocos.isEmpty()
                 ? QStringLiteral("Não há dívidas cármicas neste mapa: nem o dia natalício, nem "
                                  "o Destino, a Motivação ou a Expressão trazem um 13, 14, 16 "
                                  "ou 19.")
                 : blocos.join(kParagrafo));
    }

    void periodos() {
        const int ano = m_.ano;
        const char* arquivosCiclos[] = {"CFORM", "CPROD", "CCOLH"};
        const QString ordinais[] = {QStringLiteral("Primeiro"), QStringLiteral("Segundo"),
                                    QStringLiteral("Terceiro"), QStringLiteral("Quarto")};
        QStringList ciclos;
        for (int i = 0; i < 3; ++i) {
            const int inicio = i == 0 ? 0 : m_.fimCiclos[i - 1];
            const int fim = i < 2 ? m_.fimCiclos[i] : -1;
            ciclos << QStringLiteral("%1 Ciclo de Vida, número %2, %3:")
                              .arg(ordinais[i])
                              .arg(m_.ciclos[i])
                              .arg(faixaIdades(inicio, fim, ano)) +
                          kCRLF + textoNumero(m_.ciclos[i], {arquivosCiclos[i], 11});
        }
        item(ComporCabalistica::kCiclos,
             QStringLiteral("Ciclos de Vida: %1, %2 e %3")
                 .arg(m_.ciclos[0])
                 .arg(m_.ciclos[1])
                 .arg(m_.ciclos[2]),
             14, ciclos.join(kParagrafo));
        QStringList momentos;
        for (int i = 0; i < 4; ++i) {
            const int inicio = i == 0 ? 0 : m_.fimMomentos[i - 1];
            const int fim = i < 3 ? m_.fimMomentos[i] : -1;
            momentos << QStringLiteral("%1 Momento Decisivo, número %2, %3:")
                                .arg(ordinais[i])
                                .arg(m_.momentos[i])
                                .arg(faixaIdades(inicio, fim, ano)) +
                            kCRLF + textoNumero(m_.momentos[i], {"APICES", 13, true});
        }
        item(ComporCabalistica::kMomentos,
             QStringLiteral("Momentos Decisivos: %1, %2, %3 e %4")
                 .arg(m_.momentos[0])
                 .arg(m_.momentos[1])
                 .arg(m_.momentos[2])
                 .arg(m_.momentos[3]),
             15, momentos.join(kParagrafo));
        const QString nomes[] = {QStringLiteral("Primeiro Desafio"),
                                 QStringLiteral("Segundo Desafio"),
                                 QStringLiteral("Desafio Principal")};
        QStringList desafios;
        for (int i = 0; i < 3; ++i) {
            desafios << QStringLiteral("%1: %2").arg(nomes[i]).arg(m_.desafios[i]) + kCRLF +
                            le("DESVIDA", m_.desafios[i] + 1) + u'.';
        }
        item(ComporCabalistica::kDesafios,
             QStringLiteral("Desafios: %1, %2 e %3")
                 .arg(m_.desafios[0])
                 .arg(m_.desafios[1])
                 .arg(m_.desafios[2]),
             16, desafios.join(kParagrafo));
    }

    void pessoais() {
        const NumerosDoDia& n = m_.numerosDoDia;
        item(ComporCabalistica::kAnoPessoal, QStringLiteral("Ano Pessoal: %1").arg(n.anoPessoal),
             17, le("INTANOPS", n.anoPessoal), n.anoPessoal);
        item(ComporCabalistica::kMesPessoal, QStringLiteral("Mês Pessoal: %1").arg(n.mesPessoal),
             18, le("INTMESPS", n.mesPessoal), n.mesPessoal);
        item(ComporCabalistica::kDiaPessoal, QStringLiteral("Dia Pessoal: %1").arg(n.diaPessoal),
             19, le("INTDIAPS", n.diaPessoal), n.diaPessoal);
    }

    void harmonia() {
        const int registro = m_.harmonia == Harmonia::Favoravel      ? 1
                             : m_.harmonia == Harmonia::Desfavoravel ? 2
                                                                     : 3;
        item(ComporCabalistica::kHarmonia,
             QStringLiteral("Harmonia entre Destino e Expressão: %1")
                 .arg(ComporCabalistica::nomeHarmonia(m_.harmonia)),
             20,
             QStringLiteral("Destino %1 e Expressão %2.").arg(m_.destino).arg(m_.expressao) +
                 kParagrafo + le("CABHARM", registro));
    }

    void linhaVida(QDate referencia) {
        LinhaVida l;
        const int fim2 = m_.fimCiclos[1];
        l.idadeFinal = (std::max(fim2 + LinhaVida::kAnosAposUltimaMudanca,
                                 m_.fimMomentos[2] + LinhaVida::kAnosAposUltimaMudanca) +
                        9) /
                       10 * 10;
        l.idadeReferencia = -1;
        if (referencia.isValid() && QDate(m_.ano, m_.mes, m_.dia).isValid()) {
            const QDate nascimento(m_.ano, m_.mes, m_.dia);
            int idade = referencia.year() - m_.ano;
            if (referencia < nascimento.addYears(idade)) {
                --idade;
            }
            l.idadeReferencia = idade >= 0 ? idade : -1;
            l.idadeFinal = std::max(l.idadeFinal, (idade + 10) / 10 * 10);
        }
        const auto periodo = [&](int numero, int inicio, int fim) {
            return LinhaVida::Periodo{numero, inicio, fim, m_.ano + inicio};
        };
        const int c1 = m_.fimCiclos[0];
        l.ciclos = {periodo(m_.ciclos[0], 0, c1), periodo(m_.ciclos[1], c1, fim2),
                    periodo(m_.ciclos[2], fim2, l.idadeFinal)};
        const auto& f = m_.fimMomentos;
        l.realizacoes = {periodo(m_.momentos[0], 0, f[0]), periodo(m_.momentos[1], f[0], f[1]),
                         periodo(m_.momentos[2], f[1], f[2]),
                         periodo(m_.momentos[3], f[2], l.idadeFinal)};
        // The first challenge rules the first half of life, the second the rest; the main
        // one is felt throughout.
        l.desafios = {periodo(m_.desafios[0], 0, fim2), periodo(m_.desafios[1], fim2, l.idadeFinal),
                      periodo(m_.desafios[2], 0, l.idadeFinal)};
        item(ComporCabalistica::kLinhaVida, QStringLiteral("Linha da Vida"), 0,
             QStringLiteral(
                 "A figura reúne os Ciclos de Vida, os Momentos Decisivos e os "
                 "Desafios, com a idade em que cada período começa. O primeiro desafio vale "
                 "até o fim do segundo ciclo, o segundo daí em diante, e o Desafio "
                 "Principal, %1, acompanha a vida inteira.")
                 .arg(m_.desafios[2]));
        QuadroSecao& q = a_[ComporCabalistica::kLinhaVida].Quadro;
        q.tipo = QuadroSecao::Tipo::LinhaVida;
        q.linhaVida = l;
        q.periodosNumerados = true;
        q.linhasTexto = PrevisoesAno::linhasLinhaVida(l);
    }

    const QString nome_;
    const MapaCabalistico& m_;
    const RegrasCalculo& regras_;
    const ArquivoInterpretacao& arq_;
    Analise a_;
};

} // namespace

QString ComporCabalistica::nomeSecao(int k) {
    switch (k) {
    case kLetras:
        return QStringLiteral("Mapa das Letras");
    case kMotivacao:
        return QStringLiteral("Motivação");
    case kImpressao:
        return QStringLiteral("Impressão");
    case kExpressao:
        return QStringLiteral("Expressão");
    case kDestino:
        return QStringLiteral("Destino");
    case kMissao:
        return QStringLiteral("Missão");
    case kPsiquico:
        return QStringLiteral("Número Psíquico");
    case kTalento:
        return QStringLiteral("Talento Oculto");
    case kInclusao:
        return QStringLiteral("Tabela de Inclusão");
    case kLicoes:
        return QStringLiteral("Lições Cármicas");
    case kTendencias:
        return QStringLiteral("Tendências Ocultas");
    case kResposta:
        return QStringLiteral("Resposta Subconsciente");
    case kDividas:
        return QStringLiteral("Dívidas Cármicas");
    case kCiclos:
        return QStringLiteral("Ciclos de Vida");
    case kMomentos:
        return QStringLiteral("Momentos Decisivos");
    case kDesafios:
        return QStringLiteral("Desafios");
    case kAnoPessoal:
        return QStringLiteral("Ano Pessoal");
    case kMesPessoal:
        return QStringLiteral("Mês Pessoal");
    case kDiaPessoal:
        return QStringLiteral("Dia Pessoal");
    case kHarmonia:
        return QStringLiteral("Harmonia entre Destino e Expressão");
    case kLinhaVida:
        return QStringLiteral("Linha da Vida");
    case kTrianguloVida:
        return QStringLiteral("Triângulo da Vida");
    case kTrianguloPessoal:
        return QStringLiteral("Triângulo Pessoal");
    case kTrianguloSocial:
        return QStringLiteral("Triângulo Social");
    case kTrianguloDestino:
        return QStringLiteral("Triângulo do Destino");
    case kArcanoRegente:
        return QStringLiteral("Arcano Regente");
    case kArcanosPassagem:
        return QStringLiteral("Arcanos de Passagem");
    default:
        return {};
    }
}

QString ComporCabalistica::nomeHarmonia(Harmonia h) {
    switch (h) {
    case Harmonia::Favoravel:
        return QStringLiteral("favorável");
    case Harmonia::Desfavoravel:
        return QStringLiteral("desfavorável");
    case Harmonia::Neutra:
        break;
    }
    return QStringLiteral("neutra");
}

QString ComporCabalistica::variantes(const RegrasCalculo& regras) {
    const VariantesCabalistica& v = regras.variantes();
    const bool somas = v.dividas == VariantesCabalistica::Dividas::PelasSomas;
    return QStringLiteral(
               "Escolhas de cálculo deste mapa: as dívidas cármicas são procuradas %1; o "
               "primeiro ciclo termina aos %2 anos menos o Destino reduzido a um algarismo; a "
               "letra X vale %3; as lições cármicas são os valores de 1 a %4 que faltam no nome. "
               "As tendências ocultas são os valores que aparecem %5 vezes ou mais.")
        .arg(somas ? QStringLiteral("pelas somas (um 13, 14, 16 ou 19 encontrado no caminho "
                                    "da redução da data, das vogais ou de todas as letras, "
                                    "além do dia natalício)")
                   : QStringLiteral("pelo número final (4 vem do 13, 5 do 14, 7 do 16 e 1 do "
                                    "19, no Destino, na Motivação e na Expressão, além do dia "
                                    "natalício 13, 14, 16 ou 19)"))
        .arg(v.fimPrimeiroCiclo)
        .arg(v.valorX)
        .arg(v.ultimaLicao)
        .arg(regras.limiteTendencias());
}

RelatorioComposto ComporCabalistica::compoe(const QString& nome, const QString& dataNascimento,
                                            QDate referencia, const RegrasCalculo& regras,
                                            const TabelaHarmonia& tabela,
                                            const ArquivoInterpretacao& arquivos,
                                            const std::function<bool(int)>& secaoAtiva) {
    const MapaCabalistico m =
        CalculaMapaCabalistico(nome, dataNascimento, referencia, regras, tabela);
    RelatorioComposto r;
    r.tipo = TipoRelatorio::MapaCabalistico;
    r.NomeAnalise = RegrasCalculo::maiusculas(nome);
    r.DataNascimento = dataNascimento;
    r.escola = kEscola;
    r.explicacoesSempre = false;
    r.analise = Compositor(nome, m, regras, arquivos).compoe(referencia);
    r.selecao.fill(0);
    for (int k = 1; k <= kUltimaSecao; ++k) {
        const bool ativa = !nomeSecao(k).isEmpty() && secaoAtiva(k);
        if (k <= Configuracao::kTotalCalculos) {
            r.selecao[k] = Configuracao::flag(ativa);
        } else {
            r.alemDaSelecao.defineSecao(k, ativa);
        }
    }
    return r;
}

} // namespace vidalume
