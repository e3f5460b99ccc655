#include "settings/OpcoesMapa.h"

#include "settings/RegistroBinario.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

namespace vidalume {

namespace {

constexpr int kPosLimite = 12;
constexpr int kPosInicio = 14;
constexpr int kPosRepetidos = 16;
constexpr int kPosReservado = 18;

} // namespace

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
    for (int i = 0; i < int(o.reservado.size()) && kPosReservado + i < bytes.size(); ++i) {
        o.reservado[i] = bytes.at(kPosReservado + i);
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
    for (int i = 0; i < int(reservado.size()); ++i) {
        b[kPosReservado + i] = reservado[i];
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
