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
                                const ArquivoInterpretacao& arquivos, const RegrasCalculo& regras) {
    EstudoNomes e = calcula(data, nomes, regras);
    e.aviso = AvisoFinal::texto(arquivos);
    for (CandidatoNome& c : e.candidatos) {
        if (!c.aceito) {
            continue;
        }
        c.textoExpressao = c.expressao > 0
                               ? arquivos.LeTextoInterpretacao(c.expressao, "INTEXEXP.DAT")
                               : ComporAnalise::kSemValorExpressao;
    }
    return e;
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
