#include "settings/OpcoesMapa.h"

#include "settings/RegistroBinario.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

namespace vidalume {

namespace {

constexpr int kPosLimite = 12;
constexpr int kPosInicio = 14;
constexpr int kPosRepetidos = 16;
constexpr int kPosEscola = 18;
constexpr int kPosDividas = 20;
constexpr int kPosCiclo = 22;
constexpr int kPosX = 24;
constexpr int kPosLicoes = 26;
constexpr int kPosSecoesCabalisticas = 28;

bool um(const QByteArray& bytes, int pos) {
    const auto v = RegistroBinario::leInt16(bytes, pos);
    return v && *v == 1;
}

} // namespace

RegrasCalculo OpcoesMapa::regras(EscolaCalculo escola) const {
    return RegrasCalculo::de(escola, inicioAnoPessoal, limiteTendencias, variantes);
}

bool OpcoesMapa::secaoCabalisticaAtiva(int k) const {
    return k >= 1 && k <= 32 && !((secoesCabalisticasOcultas >> (k - 1)) & 1u);
}

void OpcoesMapa::defineSecaoCabalistica(int k, bool ativa) {
    if (k >= 1 && k <= 32) {
        const quint32 bit = 1u << (k - 1);
        secoesCabalisticasOcultas =
            ativa ? (secoesCabalisticasOcultas & ~bit) : (secoesCabalisticasOcultas | bit);
    }
}

bool OpcoesMapa::secaoAtiva(int k) const {
    return k >= kPrimeiraSecao && k <= kUltimaSecao && secoes[k - kPrimeiraSecao];
}

void OpcoesMapa::defineSecao(int k, bool ativa) {
    if (k >= kPrimeiraSecao && k <= kUltimaSecao) {
        secoes[k - kPrimeiraSecao] = ativa;
    }
}

OpcoesMapa OpcoesMapa::deBytes(const QByteArray& bytes) {
    OpcoesMapa o;
    for (int i = 0; i < kTotalSecoes; ++i) {
        if (const auto v = RegistroBinario::leInt16(bytes, 2 * i)) {
            o.secoes[i] = *v != 0;
        }
    }
    if (const auto v = RegistroBinario::leInt16(bytes, kPosLimite)) {
        o.limiteTendencias = *v == 3 ? 3 : 4;
    }
    if (const auto v = RegistroBinario::leInt16(bytes, kPosInicio)) {
        o.inicioAnoPessoal = *v == 1 ? InicioAnoPessoal::Aniversario : InicioAnoPessoal::Janeiro;
    }
    if (const auto v = RegistroBinario::leInt16(bytes, kPosRepetidos)) {
        o.textosRepetidosInteiros = *v != 0;
    }
    o.escola = um(bytes, kPosEscola) ? EscolaCalculo::Cabalistica : EscolaCalculo::Pitagorica;
    using Dividas = VariantesCabalistica::Dividas;
    o.variantes.dividas = um(bytes, kPosDividas) ? Dividas::PelasSomas : Dividas::PeloNumeroFinal;
    o.variantes.fimPrimeiroCiclo = um(bytes, kPosCiclo) ? 37 : 36;
    o.variantes.valorX = um(bytes, kPosX) ? 4 : 6;
    o.variantes.ultimaLicao = um(bytes, kPosLicoes) ? 8 : 9;
    if (bytes.size() >= kPosSecoesCabalisticas + 4) {
        for (int i = 0; i < 4; ++i) {
            o.secoesCabalisticasOcultas |= quint32(quint8(bytes.at(kPosSecoesCabalisticas + i)))
                                           << (8 * i);
        }
    }
    return o;
}

QByteArray OpcoesMapa::paraBytes() const {
    QByteArray b(kTamanhoRegistro, '\0');
    for (int i = 0; i < kTotalSecoes; ++i) {
        RegistroBinario::escreveInt16(b, 2 * i, secoes[i] ? -1 : 0);
    }
    RegistroBinario::escreveInt16(b, kPosLimite, qint16(limiteTendencias == 3 ? 3 : 4));
    RegistroBinario::escreveInt16(
        b, kPosInicio, qint16(inicioAnoPessoal == InicioAnoPessoal::Aniversario ? 1 : 0));
    RegistroBinario::escreveInt16(b, kPosRepetidos, textosRepetidosInteiros ? -1 : 0);
    RegistroBinario::escreveInt16(b, kPosEscola, escola == EscolaCalculo::Cabalistica ? 1 : 0);
    RegistroBinario::escreveInt16(
        b, kPosDividas, variantes.dividas == VariantesCabalistica::Dividas::PelasSomas ? 1 : 0);
    RegistroBinario::escreveInt16(b, kPosCiclo, variantes.fimPrimeiroCiclo == 37 ? 1 : 0);
    RegistroBinario::escreveInt16(b, kPosX, variantes.valorX == 4 ? 1 : 0);
    RegistroBinario::escreveInt16(b, kPosLicoes, variantes.ultimaLicao == 8 ? 1 : 0);
    for (int i = 0; i < 4; ++i) {
        b[kPosSecoesCabalisticas + i] = char((secoesCabalisticasOcultas >> (8 * i)) & 0xFF);
    }
    return b;
}

OpcoesMapa OpcoesMapa::le(const QString& pasta) {
    return deBytes(ArquivoRegistros::le(QDir(pasta).filePath(kArquivo), 0, kTamanhoRegistro));
}

bool OpcoesMapa::grava(const QString& pasta, QString* erro) const {
    return ArquivoRegistros::grava(QDir(pasta).filePath(kArquivo), 0, paraBytes(), '\0', erro);
}

} // namespace vidalume
