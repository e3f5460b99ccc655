#include "settings/LinhasRodape.h"

#include "engine/Windows1252.h"
#include "settings/RegistroBinario.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

namespace vidalume {

namespace {

void leLinha(const QByteArray& b, int registro, QString& linha) {
    const int inicio = (registro - 1) * LinhasRodape::kTamanhoRegistro;
    const auto n = RegistroBinario::leUInt16(b, inicio);
    if (!n || *n > LinhasRodape::kMaximoCaracteres || b.size() < inicio + 2 + *n) {
        return;
    }
    linha = Windows1252::decodifica(b.mid(inicio + 2, *n));
}

QByteArray registroDe(const QString& linha) {
    const QByteArray texto = Windows1252::codifica(linha).left(LinhasRodape::kMaximoCaracteres);
    QByteArray r(LinhasRodape::kTamanhoRegistro, '\0');
    RegistroBinario::escreveUInt16(r, 0, static_cast<quint16>(texto.size()));
    r.replace(2, texto.size(), texto);
    return r;
}

} // namespace

LinhasRodape LinhasRodape::CarregaLinhasRodape(const QString& pasta) {
    const QByteArray b =
        ArquivoRegistros::le(QDir(pasta).filePath(kArquivo), 0, 3 * kTamanhoRegistro);
    LinhasRodape l;
    leLinha(b, 1, l.RodapeLinhaUm);
    leLinha(b, 2, l.RodapeLinhaDois);
    leLinha(b, 3, l.CabecalhoLinhaUm);
    return l;
}

bool LinhasRodape::GravaLinhasRodape(const QString& pasta, QString* erro) const {
    const QByteArray bytes =
        registroDe(RodapeLinhaUm) + registroDe(RodapeLinhaDois) + registroDe(CabecalhoLinhaUm);
    return ArquivoRegistros::grava(QDir(pasta).filePath(kArquivo), 0, bytes, '\0', erro);
}

} // namespace vidalume
