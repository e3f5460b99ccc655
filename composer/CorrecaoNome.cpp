#include "composer/CorrecaoNome.h"

#include "composer/EstudoNomes.h"
#include "engine/EntradaDados.h"
#include "engine/MapaCabalistico.h"
#include "engine/MapaCarmico.h"
#include "engine/NumerosAnalise.h"

#include <QDate>

#include <algorithm>

namespace vidalume {

const QString CorrecaoNome::kTitulo = QStringLiteral("Estudo de Correção do Nome");

namespace {

// Today's date only shapes the numbers of the day, which the study does not use.
const QDate kQualquerDia(2000, 1, 1);

// How many names are checked between two looks at the cancel flag and two reports of progress.
constexpr int kLote = 256;

using Tipo = MudancaNome::Tipo;

bool cancelou(const std::atomic<bool>* cancelar) {
    return cancelar && cancelar->load();
}

AvaliacaoNome avaliacaoDe(const CandidatoGerado& c, const QString& original) {
    AvaliacaoNome a;
    a.nome = c.nome;
    a.mudancas = c.mudancas;
    a.proprio = c.proprio;
    a.totalMudancas = c.totalMudancas;
    a.marcado = CandidatosNome::marcado(CandidatosNome::trechos(original, c.mudancas));
    if (c.mudancas.isEmpty()) {
        a.marcado = c.nome;
    }
    return a;
}

void verificaCabalistica(AvaliacaoNome& a, const CorrecaoNome::Pedido& p) {
    const MapaCabalistico m =
        CalculaMapaCabalistico(a.nome, p.nascimento, kQualquerDia, p.regras, p.tabela);
    a.expressao = m.expressao;
    a.motivacao = m.motivacao;
    a.impressao = m.impressao;
    a.harmonia = m.harmonia;
    for (const MapaCabalistico::Divida& d : m.dividas) {
        if (d.mudaComONome) {
            a.dividas.append(d.numero);
        }
    }
    a.licoes = m.licoesCarmicas;
    a.totalSequencias = m.piramide.totalSequencias();
    a.arcanoRegente = m.piramide.triangulos[PiramideNome::Vida].arcanoRegente;
}

bool ehDoNome(OrigemDivida origem) {
    return origem == OrigemDivida::Expressao || origem == OrigemDivida::ImpulsoDaAlma ||
           origem == OrigemDivida::EuSilencioso;
}

// The pitagórica checks of `lote` at once: the name study judges the harmony (its life path
// computed once per batch), the karmic map gives the debts and lessons.
void verificaPitagorica(QList<AvaliacaoNome>& avaliacoes, qsizetype de, qsizetype ate,
                        const CorrecaoNome::Pedido& p, const NumerosAnalise& data) {
    QStringList nomes;
    for (qsizetype i = de; i < ate; ++i) {
        nomes << avaliacoes[i].nome;
    }
    const EstudoNomes estudo = EstudoNomes::calcula(p.nascimento, nomes, p.regras, p.tabela);
    for (qsizetype i = de; i < ate; ++i) {
        AvaliacaoNome& a = avaliacoes[i];
        const CandidatoNome& c = estudo.candidatos[i - de];
        a.expressao = c.expressao;
        a.motivacao = c.impulsoDaAlma;
        a.impressao = c.euSilencioso;
        a.harmonia = c.harmonia ? Harmonia::Favoravel : Harmonia::Neutra;
        const MapaCarmico carmico = CalculaMapaCarmico(c.nomeNormalizado, data, p.regras);
        for (const DividaCarmica& d : carmico.dividas) {
            if (ehDoNome(d.origem)) {
                a.dividas.append(d.numero);
            }
        }
        a.licoes = carmico.licoesCarmicas;
    }
}

// The key of the alphabetical tie: the letters without marks first, then the spelling.
struct ChaveAlfabetica {
    QString semMarcas, nome;
    bool operator<(const ChaveAlfabetica& o) const {
        return std::tie(semMarcas, nome) < std::tie(o.semMarcas, o.nome);
    }
};

ChaveAlfabetica chave(const QString& nome) {
    static const RegrasCalculo kSemMarcas = RegrasCalculo::pitagorica();
    return {kSemMarcas.normalizaNome(nome), nome};
}

// The order of the school, the alphabetical tie left out: negative for `a` first.
int comparaCriterios(const AvaliacaoNome& a, const AvaliacaoNome& b, EscolaCalculo escola) {
    const auto primeiro = [](bool x, bool y) { return x == y ? 0 : (x ? -1 : 1); };
    if (escola == EscolaCalculo::Cabalistica) {
        if (const int c = primeiro(a.semSequencias(), b.semSequencias())) {
            return c;
        }
    }
    if (const int c = primeiro(a.favoravel(), b.favoravel())) {
        return c;
    }
    if (const int c = primeiro(a.semDividas(), b.semDividas())) {
        return c;
    }
    if (a.totalMudancas != b.totalMudancas) {
        return a.totalMudancas < b.totalMudancas ? -1 : 1;
    }
    if (a.licoes.size() != b.licoes.size()) {
        return a.licoes.size() < b.licoes.size() ? -1 : 1;
    }
    return 0;
}

void ordena(QList<AvaliacaoNome>& lista, EscolaCalculo escola) {
    QList<ChaveAlfabetica> chaves;
    QList<qsizetype> indices;
    for (qsizetype i = 0; i < lista.size(); ++i) {
        chaves << chave(lista[i].nome);
        indices << i;
    }
    std::sort(indices.begin(), indices.end(), [&](qsizetype x, qsizetype y) {
        const int c = comparaCriterios(lista[x], lista[y], escola);
        return c != 0 ? c < 0 : chaves[x] < chaves[y];
    });
    QList<AvaliacaoNome> ordenada;
    ordenada.reserve(lista.size());
    for (qsizetype i : indices) {
        ordenada.append(std::move(lista[i]));
    }
    lista = std::move(ordenada);
}

QString ordinal(int n) {
    return QString::number(n) + QStringLiteral("ª");
}

QString nomeTriangulo(int t) {
    switch (t) {
    case PiramideNome::Vida:
        return QStringLiteral("Vida");
    case PiramideNome::Pessoal:
        return QStringLiteral("Pessoal");
    case PiramideNome::Social:
        return QStringLiteral("Social");
    default:
        return QStringLiteral("Destino");
    }
}

QString textoMudanca(const MudancaNome& m) {
    const QString letra(m.letra);
    switch (m.tipo) {
    case Tipo::Acento:
    case Tipo::Cedilha:
        return QStringLiteral("%1 na %2 letra").arg(letra, ordinal(m.posicao));
    case Tipo::Dobra:
        return QStringLiteral("%1 dobrado na %2 letra").arg(letra, ordinal(m.posicao));
    case Tipo::Final:
        return QStringLiteral("%1 final").arg(letra);
    case Tipo::Nome:
        return m.letra.isNull() ? QStringLiteral("nome do meio retirado")
                                : QStringLiteral("nome do meio abreviado");
    }
    return {};
}

} // namespace

CorrecaoNome CorrecaoNome::calcula(const Pedido& pedido, const std::atomic<bool>* cancelar,
                                   const Progresso& progresso) {
    CorrecaoNome r;
    r.escola = pedido.regras.escola();
    r.nascimento = pedido.nascimento;
    r.pedido = pedido;
    CandidatosNome::Opcoes opcoes = pedido.opcoes;
    opcoes.proprios.clear();
    for (const QString& proprio : pedido.opcoes.proprios) {
        if (recusaProprio(proprio, pedido.nascimento).isEmpty()) {
            opcoes.proprios << proprio;
        }
    }
    const CandidatosNome::Resultado gerados =
        CandidatosNome::gera(pedido.nome, opcoes, pedido.regras, cancelar);
    if (gerados.cancelado) {
        r.cancelado = true;
        return r;
    }
    r.completo = gerados.completo;
    QList<AvaliacaoNome> lista;
    lista.reserve(gerados.candidatos.size() + 1);
    lista.append(avaliacaoDe({gerados.original, {}, false, 0}, gerados.original));
    lista.first().original = true;
    for (const CandidatoGerado& c : gerados.candidatos) {
        lista.append(avaliacaoDe(c, gerados.original));
    }
    const NumerosAnalise data =
        CalculaNumeros(QString(), pedido.nascimento, kQualquerDia, pedido.regras);
    const bool cabalistica = r.escola == EscolaCalculo::Cabalistica;
    r.destino = cabalistica ? CalculaMapaCabalistico(QString(), pedido.nascimento, kQualquerDia,
                                                     pedido.regras, pedido.tabela)
                                  .destino
                            : data.caminhoDaVida;
    const int total = int(lista.size());
    for (int de = 0; de < total; de += kLote) {
        if (cancelou(cancelar)) {
            r.cancelado = true;
            return r;
        }
        const int ate = std::min(total, de + kLote);
        if (cabalistica) {
            for (int i = de; i < ate; ++i) {
                verificaCabalistica(lista[i], pedido);
            }
        } else {
            verificaPitagorica(lista, de, ate, pedido, data);
        }
        if (progresso) {
            progresso(ate, total);
        }
    }
    ordena(lista, r.escola);
    r.candidatos = std::move(lista);
    return r;
}

QString CorrecaoNome::recusaProprio(const QString& nome, const QString& nascimento) {
    const EntradaDados::Conferencia c = EntradaDados::confere(nome, nascimento);
    if (c.aceita) {
        return {};
    }
    return c.motivo.isEmpty() ? EntradaDados::kMensagemNomeCurto : c.motivo;
}

bool CorrecaoNome::antes(const AvaliacaoNome& a, const AvaliacaoNome& b, EscolaCalculo escola) {
    const int c = comparaCriterios(a, b, escola);
    return c != 0 ? c < 0 : chave(a.nome) < chave(b.nome);
}

int CorrecaoNome::indiceOriginal() const {
    for (int i = 0; i < candidatos.size(); ++i) {
        if (candidatos[i].original) {
            return i;
        }
    }
    return -1;
}

bool CorrecaoNome::melhora() const {
    return indiceOriginal() > 0;
}

QString CorrecaoNome::explicacaoOrdem() const {
    const QString inicio =
        escola == EscolaCalculo::Cabalistica
            ? QStringLiteral("Os candidatos estão em ordem: primeiro os que não têm sequências "
                             "negativas nos quatro triângulos, depois os de Expressão favorável "
                             "ao Destino na tabela de harmonia, depois os sem dívida cármica que "
                             "o nome possa mudar (na Motivação ou na Expressão), ")
            : QStringLiteral("Os candidatos estão em ordem: primeiro os de Expressão em harmonia "
                             "com o Caminho da Vida, depois os sem dívida cármica nos números do "
                             "nome, ");
    return inicio + QStringLiteral("depois os com menos mudanças e, por fim, os com menos lições "
                                   "cármicas; os empates ficam em ordem alfabética. O nome "
                                   "original está na lista, marcado, para comparação.");
}

QString CorrecaoNome::conclusao() const {
    if (cancelado) {
        return QStringLiteral("O cálculo foi cancelado.");
    }
    const int frente = indiceOriginal();
    QString texto =
        frente <= 0 ? QStringLiteral("Nenhum candidato melhora o nome original: com as mudanças "
                                     "permitidas, nenhuma grafia fica à frente dele nesta ordem.")
        : frente == 1
            ? QStringLiteral("Um candidato fica à frente do nome original.")
            : QStringLiteral("%1 candidatos ficam à frente do nome original.").arg(frente);
    if (!completo) {
        texto += QStringLiteral(" A busca parou em %1 candidatos; permita menos mudanças para "
                                "examinar todas as grafias.")
                     .arg(candidatos.size() - 1);
    }
    return texto;
}

QString CorrecaoNome::textoHarmonia(const AvaliacaoNome& a) const {
    if (escola == EscolaCalculo::Pitagorica) {
        return a.favoravel() ? QStringLiteral("Sim") : QStringLiteral("Não");
    }
    switch (a.harmonia) {
    case Harmonia::Favoravel:
        return QStringLiteral("Favorável");
    case Harmonia::Desfavoravel:
        return QStringLiteral("Desfavorável");
    case Harmonia::Neutra:
        break;
    }
    return QStringLiteral("Neutra");
}

QList<SequenciaNoTriangulo> CorrecaoNome::sequencias(const AvaliacaoNome& a) const {
    QList<SequenciaNoTriangulo> lista;
    if (escola != EscolaCalculo::Cabalistica || a.totalSequencias == 0) {
        return lista;
    }
    const PiramideNome p = mapa(a.nome, pedido).piramide;
    for (int t = 0; t < PiramideNome::kTotalTriangulos; ++t) {
        for (const SequenciaNegativa& s : p.triangulos[t].sequencias) {
            lista.append({t, s});
        }
    }
    return lista;
}

QString CorrecaoNome::textoSequencias(const AvaliacaoNome& a) const {
    QStringList partes;
    for (const SequenciaNoTriangulo& s : sequencias(a)) {
        partes << QStringLiteral("%1 %2, %3 linha")
                      .arg(QString(s.sequencia.tamanho, QChar(u'0' + s.sequencia.digito)),
                           nomeTriangulo(s.triangulo), ordinal(s.sequencia.linha));
    }
    return partes.isEmpty() ? QStringLiteral("nenhuma") : partes.join(QStringLiteral("; "));
}

QString CorrecaoNome::textoMudancas(const AvaliacaoNome& a) {
    if (a.mudancas.isEmpty()) {
        return a.proprio && !a.original ? QStringLiteral("digitado") : QStringLiteral("nenhuma");
    }
    QStringList partes;
    for (const MudancaNome& m : a.mudancas) {
        partes << textoMudanca(m);
    }
    return partes.join(QStringLiteral(", "));
}

QString CorrecaoNome::textoNumeros(const QList<int>& numeros) {
    QStringList partes;
    for (int n : numeros) {
        partes << QString::number(n);
    }
    return partes.isEmpty() ? QStringLiteral("nenhuma") : partes.join(QStringLiteral(", "));
}

QStringList CorrecaoNome::descricao(const AvaliacaoNome& a) const {
    const bool cabalistica = escola == EscolaCalculo::Cabalistica;
    const auto linha = [](const QString& nome, const QString& valor) {
        return nome + QStringLiteral(": ") + valor;
    };
    QStringList linhas{
        linha(QStringLiteral("Nome"), a.nome),
        linha(QStringLiteral("Mudanças"), textoMudancas(a)),
        linha(QStringLiteral("Expressão"), QString::number(a.expressao)),
        linha(cabalistica ? QStringLiteral("Motivação") : QStringLiteral("Impulso da Alma"),
              QString::number(a.motivacao)),
        linha(cabalistica ? QStringLiteral("Impressão") : QStringLiteral("Eu Silencioso"),
              QString::number(a.impressao)),
        linha(cabalistica ? QStringLiteral("Destino") : QStringLiteral("Caminho da Vida"),
              QString::number(destino)),
        linha(cabalistica ? QStringLiteral("Harmonia entre Destino e Expressão")
                          : QStringLiteral("Expressão em harmonia com o Caminho da Vida"),
              textoHarmonia(a)),
        linha(QStringLiteral("Dívidas cármicas que o nome pode mudar"), textoNumeros(a.dividas)),
        linha(QStringLiteral("Lições cármicas"), textoNumeros(a.licoes)),
    };
    if (cabalistica) {
        linhas << linha(QStringLiteral("Sequências negativas"), textoSequencias(a))
               << linha(QStringLiteral("Arcano Regente"), QString::number(a.arcanoRegente));
    }
    return linhas;
}

MapaCabalistico CorrecaoNome::mapa(const QString& nome, const Pedido& pedido) {
    return CalculaMapaCabalistico(nome, pedido.nascimento, kQualquerDia, pedido.regras,
                                  pedido.tabela);
}

} // namespace vidalume
