#include "composer/EstudoNomes.h"

#include "engine/MapaCabalistico.h"

#include "composer/AvisoFinal.h"
#include "composer/ComporAnalise.h"
#include "composer/Diagramacao.h"
#include "engine/Compatibilidade.h"
#include "engine/EntradaDados.h"
#include "engine/NumerosAnalise.h"
#include "engine/Windows1252.h"

#include <algorithm>

namespace vidalume {

const QString EstudoNomes::kTitulo = QStringLiteral("Estudo de Nomes");

namespace {

constexpr int kEntradaExpressao = 23;

// The texts of an Expressão 11 and 22, which only the cabalística school keeps, are records 5
// and 6 of its file of master numbers.
const QString kArquivoMestres = QStringLiteral("CABMESTR.DAT");
constexpr int kRegistroExpressao11 = 5;

// Today's date only shapes the numbers of the day, which the study does not show.
const QDate kQualquerDia(2000, 1, 1);

// The name's numbers of the cabalística map in the study's columns.
void numerosCabalisticos(CandidatoNome& c, const QString& data, const RegrasCalculo& regras,
                         const TabelaHarmonia& tabela) {
    const MapaCabalistico m = CalculaMapaCabalistico(c.nome, data, kQualquerDia, regras, tabela);
    c.expressao = m.expressao;
    c.impulsoDaAlma = m.motivacao;
    c.euSilencioso = m.impressao;
    c.numeroDaRealidade = m.missao;
    c.harmonia = m.harmonia == Harmonia::Favoravel;
}

CandidatoNome candidato(const QString& digitado, const QString& data, const RegrasCalculo& regras,
                        const TabelaHarmonia& tabela) {
    CandidatoNome c;
    c.nome = digitado;
    const QString restrito = Windows1252::restringe(digitado);
    c.nomeNormalizado = regras.normalizaNome(restrito);
    c.aceito = EntradaDados::valida(restrito, data) == EntradaDados::Resultado::Aceito;
    if (!c.aceito) {
        return c;
    }
    const NumerosAnalise n = CalculaNumeros(c.nomeNormalizado, data, kQualquerDia, regras);
    c.expressao = n.expressao;
    c.impulsoDaAlma = n.impulsoDaAlma;
    c.euSilencioso = n.euSilencioso;
    c.primeiraVogal = n.primeiraVogal;
    c.caracteristicaDoNome = n.caracteristicaDoNome;
    c.numeroDaRealidade = n.numeroDaRealidade;
    c.harmonia = Compatibilidade::emHarmonia(n.expressao, n.caminhoDaVida);
    if (regras.escola() == EscolaCalculo::Cabalistica) {
        numerosCabalisticos(c, data, regras, tabela);
    }
    return c;
}

} // namespace

std::array<QString, 8> CandidatoNome::celulas() const {
    const auto n = [](int v) { return QString::number(v); };
    return {nome,
            n(expressao),
            n(impulsoDaAlma),
            n(euSilencioso),
            primeiraVogal.isNull() ? QStringLiteral("-") : QString(primeiraVogal),
            n(caracteristicaDoNome),
            n(numeroDaRealidade),
            harmonia ? QStringLiteral("Sim") : QStringLiteral("Não")};
}

EstudoNomes EstudoNomes::calcula(const QString& data, const QStringList& nomes,
                                 const RegrasCalculo& regras, const TabelaHarmonia& tabela) {
    EstudoNomes e;
    e.escola = regras.escola();
    e.DataNascimento = EntradaDados::normalizaData(data).value_or(QString());
    if (!e.DataNascimento.isEmpty()) {
        e.caminhoDaVida =
            regras.escola() == EscolaCalculo::Cabalistica
                ? CalculaMapaCabalistico(QString(), e.DataNascimento, kQualquerDia, regras, tabela)
                      .destino
                : CalculaNumeros(QString(), e.DataNascimento, kQualquerDia, regras).caminhoDaVida;
    }
    for (const QString& nome : nomes) {
        e.candidatos << candidato(nome, e.DataNascimento, regras, tabela);
    }
    return e;
}

EstudoNomes EstudoNomes::compoe(const QString& data, const QStringList& nomes,
                                const ArquivoInterpretacao& arquivos, const RegrasCalculo& regras,
                                const TabelaHarmonia& tabela) {
    EstudoNomes e = calcula(data, nomes, regras, tabela);
    e.aviso = AvisoFinal::texto(arquivos);
    for (CandidatoNome& c : e.candidatos) {
        if (!c.aceito) {
            continue;
        }
        if (c.expressao <= 0) {
            c.textoExpressao = ComporAnalise::kSemValorExpressao;
        } else if (regras.ehMestre(c.expressao)) {
            c.textoExpressao = arquivos.LeTextoInterpretacao(
                kRegistroExpressao11 + (c.expressao == 22 ? 1 : 0), kArquivoMestres);
        } else {
            c.textoExpressao = arquivos.LeTextoInterpretacao(c.expressao, "INTEXEXP.DAT");
        }
    }
    return e;
}

const RotulosEstudo& EstudoNomes::rotulosDa(EscolaCalculo escola) {
    static const RotulosEstudo kPitagorica{
        QStringLiteral("Caminho da Vida"),
        {QStringLiteral("Nome"), QStringLiteral("Expr."), QStringLiteral("Alma"),
         QStringLiteral("Eu Sil."), QStringLiteral("Vogal"), QStringLiteral("Caract."),
         QStringLiteral("Real."), QStringLiteral("Harmonia")},
        {QStringLiteral("Nome"), QStringLiteral("Expressão"), QStringLiteral("Impulso\nda Alma"),
         QStringLiteral("Eu\nSilencioso"), QStringLiteral("Primeira\nVogal"),
         QStringLiteral("Característica\ndo Nome"), QStringLiteral("Número da\nRealidade"),
         QStringLiteral("Harmonia com o\nCaminho da Vida")},
        QStringLiteral("Os nomes abaixo foram calculados para quem nasceu em %1. Um nome está "
                       "em harmonia com o Caminho da Vida quando a sua Expressão é igual a ele "
                       "ou do mesmo grupo: 1, 5 e 7; 2, 4 e 8; 3, 6 e 9. Colunas: Expressão, "
                       "Impulso da Alma, Eu Silencioso, Primeira Vogal, Característica do Nome "
                       "e Número da Realidade.")};
    static const RotulosEstudo kCabalistica{
        QStringLiteral("Destino"),
        {QStringLiteral("Nome"), QStringLiteral("Expr."), QStringLiteral("Motiv."),
         QStringLiteral("Impr."), QStringLiteral("Vogal"), QStringLiteral("Caract."),
         QStringLiteral("Missão"), QStringLiteral("Harmonia")},
        {QStringLiteral("Nome"), QStringLiteral("Expressão"), QStringLiteral("Motivação"),
         QStringLiteral("Impressão"), QStringLiteral("Primeira\nVogal"),
         QStringLiteral("Característica\ndo Nome"), QStringLiteral("Missão"),
         QStringLiteral("Harmonia com\no Destino")},
        QStringLiteral("Os nomes abaixo foram calculados pela numerologia cabalística para quem "
                       "nasceu em %1. Um nome está em harmonia com o Destino quando a tabela de "
                       "harmonia entre Destino e Expressão dá a sua Expressão como favorável. "
                       "Colunas: Expressão, Motivação, Impressão, Primeira Vogal, "
                       "Característica do Nome e Missão.")};
    return escola == EscolaCalculo::Cabalistica ? kCabalistica : kPitagorica;
}

int EstudoNomes::aceitos() const {
    return int(std::count_if(candidatos.cbegin(), candidatos.cend(),
                             [](const CandidatoNome& c) { return c.aceito; }));
}

Diagramacao EstudoNomes::diagramacao(Diagramacao base) const {
    base.tipo = TipoRelatorio::EstudoNomes;
    base.NomeAnalise = kTitulo;
    base.DataNascimento = DataNascimento;
    base.analise = {};
    base.analise.Aviso = aviso;
    for (const CandidatoNome& c : candidatos) {
        if (c.aceito) {
            base.analise[kEntradaExpressao].Texto = c.textoExpressao;
            break;
        }
    }
    base.estudoNomes = *this;
    base.previsoes.reset();
    return base;
}

} // namespace vidalume
