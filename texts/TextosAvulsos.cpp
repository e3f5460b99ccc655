#include "texts/TextosAvulsos.h"

#include <QFileInfo>

#include <initializer_list>

namespace vidalume {

namespace {

// `modelo` with %1 replaced by each of `primeiro` to `ultimo`.
QStringList numerados(const QString& modelo, int primeiro = 1, int ultimo = 9) {
    QStringList rotulos;
    for (int n = primeiro; n <= ultimo; ++n) {
        rotulos << modelo.arg(n);
    }
    return rotulos;
}

// The children's texts: the family paragraph, then the first pinnacle and the personal year,
// month and day, each for the numbers 1 to 9.
QStringList infantis() {
    return QStringList{QStringLiteral("Parágrafo à família")} +
           numerados(QStringLiteral("Primeira Realização %1")) +
           numerados(QStringLiteral("Ano Pessoal %1")) +
           numerados(QStringLiteral("Mês Pessoal %1")) +
           numerados(QStringLiteral("Dia Pessoal %1"));
}

// The 11 and the 22 of each number that keeps them, in pairs, in the order of the map.
QStringList mestres() {
    QStringList rotulos;
    for (const char* numero : {"Motivação", "Impressão", "Expressão", "Destino", "Missão",
                               "Ciclo de Vida", "Momento Decisivo"}) {
        const QString nome = QString::fromUtf8(numero);
        rotulos << nome + QStringLiteral(" 11") << nome + QStringLiteral(" 22");
    }
    return rotulos;
}

// The 22 major arcana, then the two-digit arcana up to 99 that the numerologist may write.
QStringList arcanos() {
    QStringList rotulos;
    for (int n = 1; n <= 22; ++n) {
        rotulos << QStringLiteral("Arcano %1 — %2").arg(n).arg(TextosAvulsos::nomeArcano(n));
    }
    return rotulos + numerados(QStringLiteral("Arcano %1"), 23, 99);
}

QStringList sequencias() {
    QStringList rotulos;
    for (int d = 1; d <= 9; ++d) {
        rotulos << QStringLiteral("Sequência ") + QString(3, QChar(u'0' + d));
    }
    return rotulos;
}

QStringList textos(std::initializer_list<const char*> rotulos) {
    QStringList r;
    for (const char* rotulo : rotulos) {
        r << QString::fromUtf8(rotulo);
    }
    return r;
}

} // namespace

const QList<TextoAvulso>& TextosAvulsos::lista() {
    static const QList<TextoAvulso> kLista = {
        {QStringLiteral("INFANTIL.DAT"), QStringLiteral("Textos para crianças"), 37, infantis()},
        {QStringLiteral("LONGEVOS.DAT"),
         QStringLiteral("Ano Pessoal para quem tem 80 anos ou mais"), 9,
         numerados(QStringLiteral("Ano Pessoal %1"))},
        {QStringLiteral("CABEXPL.DAT"), QStringLiteral("Cabalística: explicações das seções"), 21,
         textos({"Mapa das Letras",
                 "Motivação",
                 "Impressão",
                 "Expressão",
                 "Destino",
                 "Missão",
                 "Número Psíquico",
                 "Talento Oculto",
                 "Tabela de Inclusão",
                 "Lições Cármicas",
                 "Tendências Ocultas",
                 "Resposta Subconsciente",
                 "Dívidas Cármicas",
                 "Ciclos de Vida",
                 "Momentos Decisivos",
                 "Desafios",
                 "Ano Pessoal",
                 "Mês Pessoal",
                 "Dia Pessoal",
                 "Harmonia entre Destino e Expressão",
                 "Os números mestres 11 e 22"})},
        {QStringLiteral("CABIMPR.DAT"), QStringLiteral("Cabalística: Impressão"), 9,
         numerados(QStringLiteral("Impressão %1"))},
        {QStringLiteral("CABMISS.DAT"), QStringLiteral("Cabalística: Missão"), 9,
         numerados(QStringLiteral("Missão %1"))},
        {QStringLiteral("CABPSIQ.DAT"), QStringLiteral("Cabalística: Número Psíquico"), 9,
         numerados(QStringLiteral("Número Psíquico %1"))},
        {QStringLiteral("CABTALEN.DAT"), QStringLiteral("Cabalística: Talento Oculto"), 9,
         numerados(QStringLiteral("Talento Oculto %1"))},
        {QStringLiteral("CABMESTR.DAT"), QStringLiteral("Cabalística: números mestres 11 e 22"), 14,
         mestres()},
        {QStringLiteral("CABHARM.DAT"),
         QStringLiteral("Cabalística: Harmonia entre Destino e Expressão"), 3,
         textos({"Harmonia favorável", "Harmonia desfavorável", "Harmonia neutra"})},
        {QStringLiteral("CABTRIEX.DAT"), QStringLiteral("Pirâmide do nome: explicações"), 8,
         textos({"Como a pirâmide é construída", "Triângulo da Vida", "Triângulo Pessoal",
                 "Triângulo Social", "Triângulo do Destino", "O que é uma sequência negativa",
                 "Arcano Regente", "Arcanos de Passagem"})},
        {QStringLiteral("CABSEQ.DAT"), QStringLiteral("Pirâmide do nome: sequências negativas"), 9,
         sequencias()},
        {QStringLiteral("ARCANOS.DAT"), QStringLiteral("Pirâmide do nome: arcanos"), 99, arcanos()},
        {QStringLiteral("ARCDIGIT.DAT"),
         QStringLiteral("Pirâmide do nome: algarismos dos períodos"), 18,
         numerados(QStringLiteral("Dígito %1 como terreno")) +
             numerados(QStringLiteral("Dígito %1 como movimento"))},
        {QStringLiteral("ASSINAT.DAT"), QStringLiteral("Estudo de correção do nome"), 6,
         textos({"O que é o estudo e os seus limites", "Como adotar a nova grafia", "A assinatura",
                 "Nome comercial", "Nome de bebê", "Quando o nome original já é bom"})},
    };
    return kLista;
}

const TextoAvulso* TextosAvulsos::doArquivo(const QString& arquivo) {
    for (const TextoAvulso& t : lista()) {
        if (t.arquivo == arquivo) {
            return &t;
        }
    }
    return nullptr;
}

std::optional<TextoEscolhido> TextosAvulsos::escolha(int indice, int registro) {
    if (indice < 0 || indice >= lista().size()) {
        return std::nullopt;
    }
    const TextoAvulso& t = lista()[indice];
    if (registro < 1 || registro > t.registros()) {
        return std::nullopt;
    }
    return TextoEscolhido{t.arquivo, registro,
                          QStringLiteral("Texto referente a ") + t.titulo +
                              QStringLiteral("\r\nVocê está alterando: ") +
                              t.rotulos[registro - 1]};
}

QString TextosAvulsos::le(const ArquivoInterpretacao& arquivos, const TextoEscolhido& alvo) {
    const TextoAvulso* t = doArquivo(alvo.arquivo);
    const qint64 fim = qint64(alvo.registro) * ArquivoInterpretacao::kTamanhoRegistro;
    if (t != nullptr && alvo.registro > t->entregues &&
        QFileInfo(arquivos.caminho(alvo.arquivo)).size() < fim) {
        return {};
    }
    return arquivos.LeTextoInterpretacao(alvo.registro, alvo.arquivo);
}

QString TextosAvulsos::nomeArcano(int arcano) {
    static const char* const kNomes[] = {
        "O Mago",        "A Sacerdotisa", "A Imperatriz", "O Imperador",  "O Papa",
        "Os Enamorados", "O Carro",       "A Justiça",    "O Eremita",    "A Roda da Fortuna",
        "A Força",       "O Enforcado",   "A Morte",      "A Temperança", "O Diabo",
        "A Torre",       "A Estrela",     "A Lua",        "O Sol",        "O Julgamento",
        "O Mundo",       "O Louco"};
    return arcano >= 1 && arcano <= 22 ? QString::fromUtf8(kNomes[arcano - 1]) : QString();
}

} // namespace vidalume
