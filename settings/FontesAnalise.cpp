#include "settings/FontesAnalise.h"

#include "engine/Windows1252.h"
#include "settings/RegistroBinario.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

#include <algorithm>

namespace vidalume {

namespace {

constexpr int kPosNegrito = 50;
constexpr int kPosItalico = 52;
constexpr int kPosTamanho = 54;

bool leFonte(const QByteArray& b, int inicio, DadosFonte& f) {
    if (b.size() < inicio + DadosFonte::kTamanhoRegistro) {
        return false;
    }
    f.Nome = Windows1252::decodifica(b.mid(inicio, DadosFonte::kTamanhoNome));
    f.Negrito = *RegistroBinario::leInt16(b, inicio + kPosNegrito);
    f.Italico = *RegistroBinario::leInt16(b, inicio + kPosItalico);
    f.Tamanho = *RegistroBinario::leInt16(b, inicio + kPosTamanho);
    return true;
}

void escreveFonte(QByteArray& b, int inicio, const DadosFonte& f) {
    QByteArray nome = Windows1252::codifica(f.Nome).left(DadosFonte::kTamanhoNome);
    nome.append(QByteArray(DadosFonte::kTamanhoNome - nome.size(), ' '));
    b.replace(inicio, DadosFonte::kTamanhoNome, nome);
    RegistroBinario::escreveInt16(b, inicio + kPosNegrito, f.Negrito);
    RegistroBinario::escreveInt16(b, inicio + kPosItalico, f.Italico);
    RegistroBinario::escreveInt16(b, inicio + kPosTamanho, f.Tamanho);
}

} // namespace

DadosFonte DadosFonte::cria(const QString& nome, bool negrito, bool italico, int tamanho) {
    DadosFonte f;
    f.defineNome(nome);
    f.Negrito = negrito ? -1 : 0;
    f.Italico = italico ? -1 : 0;
    f.Tamanho = static_cast<qint16>(tamanho);
    return f;
}

int DadosFonte::tamanhoDesenho() const {
    return Tamanho < 1 ? 0 : std::clamp<int>(Tamanho, kMenorTamanho, kMaiorTamanho);
}

QString DadosFonte::nomeAparado() const {
    return Nome.trimmed();
}

void DadosFonte::defineNome(const QString& nome) {
    Nome = nome.left(kTamanhoNome).leftJustified(kTamanhoNome, u' ');
}

FontesAnalise FontesAnalise::deBytes(const QByteArray& b) {
    FontesAnalise f;
    leFonte(b, 0, f.FonteTitulo);
    leFonte(b, DadosFonte::kTamanhoRegistro, f.FonteDescricao);
    leFonte(b, 2 * DadosFonte::kTamanhoRegistro, f.FonteTexto);
    return f;
}

QByteArray FontesAnalise::paraBytes() const {
    QByteArray b(kTamanhoRegistro, '\0');
    escreveFonte(b, 0, FonteTitulo);
    escreveFonte(b, DadosFonte::kTamanhoRegistro, FonteDescricao);
    escreveFonte(b, 2 * DadosFonte::kTamanhoRegistro, FonteTexto);
    return b;
}

FontesAnalise FontesAnalise::le(const QString& pasta) {
    return deBytes(ArquivoRegistros::le(QDir(pasta).filePath(kArquivo), 0, kTamanhoRegistro));
}

FontesAnalise FontesAnalise::CarregaFontes(const QString& pasta) {
    const QString caminho = QDir(pasta).filePath(kArquivo);
    if (!ArquivoRegistros::temConteudo(caminho)) {
        ArquivoRegistros::grava(caminho, 0, FontesAnalise().paraBytes(), '\0');
    }
    return le(pasta);
}

bool FontesAnalise::GravaFontes(const QString& pasta, QString* erro) const {
    return ArquivoRegistros::grava(QDir(pasta).filePath(kArquivo), 0, paraBytes(), '\0', erro);
}

} // namespace vidalume
