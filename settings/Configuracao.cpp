#include "settings/Configuracao.h"

#include "settings/RegistroBinario.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

namespace vidalume {

namespace {

constexpr int kPosImprimirDescricao = 0;
constexpr int kPosImprimirNumero = 2;
constexpr int kPosPretoEmBranco = 4;
constexpr int kPosImprimirFolhaRosto = 6;
constexpr int kPosImprimirCabecalho = 8;
constexpr int kPosReservado = 10;
constexpr int kPosCalculosAtivos = 16;
constexpr int kPosEscutarSons = 74;

void leFlag(const QByteArray& b, int pos, qint16& campo) {
    if (auto v = RegistroBinario::leInt16(b, pos)) {
        campo = *v;
    }
}

} // namespace

Configuracao::Selecao Configuracao::padraoCalculos() {
    Selecao a{};
    a.fill(-1);
    a[0] = 0;
    return a;
}

Configuracao Configuracao::deBytes(const QByteArray& b) {
    Configuracao c;
    leFlag(b, kPosImprimirDescricao, c.ImprimirDescricao);
    leFlag(b, kPosImprimirNumero, c.ImprimirNumero);
    leFlag(b, kPosPretoEmBranco, c.PretoEmBranco);
    leFlag(b, kPosImprimirFolhaRosto, c.ImprimirFolhaRosto);
    leFlag(b, kPosImprimirCabecalho, c.ImprimirCabecalho);
    if (b.size() >= kPosReservado + int(c.reservado.size())) {
        std::copy_n(b.constData() + kPosReservado, c.reservado.size(), c.reservado.begin());
    }
    for (int k = 0; k <= kTotalCalculos; ++k) {
        leFlag(b, kPosCalculosAtivos + 2 * k, c.CalculosAtivos[k]);
    }
    leFlag(b, kPosEscutarSons, c.EscutarSons);
    return c;
}

QByteArray Configuracao::paraBytes() const {
    QByteArray b(kTamanhoUsado, '\0');
    RegistroBinario::escreveInt16(b, kPosImprimirDescricao, ImprimirDescricao);
    RegistroBinario::escreveInt16(b, kPosImprimirNumero, ImprimirNumero);
    RegistroBinario::escreveInt16(b, kPosPretoEmBranco, PretoEmBranco);
    RegistroBinario::escreveInt16(b, kPosImprimirFolhaRosto, ImprimirFolhaRosto);
    RegistroBinario::escreveInt16(b, kPosImprimirCabecalho, ImprimirCabecalho);
    std::copy(reservado.begin(), reservado.end(), b.data() + kPosReservado);
    for (int k = 0; k <= kTotalCalculos; ++k) {
        RegistroBinario::escreveInt16(b, kPosCalculosAtivos + 2 * k, CalculosAtivos[k]);
    }
    RegistroBinario::escreveInt16(b, kPosEscutarSons, EscutarSons);
    return b;
}

Configuracao Configuracao::le(const QString& pasta) {
    return deBytes(ArquivoRegistros::le(QDir(pasta).filePath(kArquivo), 0, kTamanhoUsado));
}

Configuracao Configuracao::CarregaConfiguracao(const QString& pasta) {
    const QString caminho = QDir(pasta).filePath(kArquivo);
    if (!ArquivoRegistros::temConteudo(caminho)) {
        // A new file holds the whole 168-byte record, its unused tail zero.
        QByteArray registro = Configuracao().paraBytes();
        registro.append(QByteArray(kTamanhoRegistro - kTamanhoUsado, '\0'));
        ArquivoRegistros::grava(caminho, 0, registro, '\0');
    }
    return le(pasta);
}

bool Configuracao::GravaConfiguracao(const QString& pasta, QString* erro) const {
    // The whole 168-byte record, even over a file cut short: the tail keeps the bytes that
    // were there and is zero where the file had none.
    const QString caminho = QDir(pasta).filePath(kArquivo);
    QByteArray registro = paraBytes();
    registro.append(ArquivoRegistros::le(caminho, kTamanhoUsado, kTamanhoRegistro - kTamanhoUsado));
    registro.append(QByteArray(kTamanhoRegistro - registro.size(), '\0'));
    return ArquivoRegistros::grava(caminho, 0, registro, '\0', erro);
}

} // namespace vidalume
