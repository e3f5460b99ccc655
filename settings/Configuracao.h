// The program settings record and its file "vidalume.dat".
//
// Record layout (76 bytes used of a 168-byte record; little-endian; flags are 16-bit
// integers, -1 on and 0 off, any non-zero value reading as on):
//   0 ImprimirDescricao   2 ImprimirNumero   4 PretoEmBranco   6 ImprimirFolhaRosto
//   8 ImprimirCabecalho  10 reserved (6 bytes, written back as read)
//  16 CalculosAtivos: 29 flags, index 0 (unused) to 28
//  74 EscutarSons
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace vidalume {

struct Configuracao {
    static constexpr int kTamanhoUsado = 76;
    static constexpr int kTamanhoRegistro = 168;
    static constexpr int kTotalCalculos = 28;
    static inline const QString kArquivo = QStringLiteral("vidalume.dat");
    using Selecao = std::array<qint16, kTotalCalculos + 1>; // flags 1 to 28; 0 unused

    // Raw flag values as stored; use ligado() to read them.
    qint16 ImprimirDescricao = -1;
    qint16 ImprimirNumero = 0;
    qint16 PretoEmBranco = -1;
    qint16 ImprimirFolhaRosto = 0;
    qint16 ImprimirCabecalho = 0;
    std::array<char, 6> reservado{};
    Selecao CalculosAtivos = padraoCalculos();
    qint16 EscutarSons = -1;

    static bool ligado(qint16 flag) { return flag != 0; }
    static qint16 flag(bool ligado) { return ligado ? -1 : 0; }
    static Selecao padraoCalculos();

    // Fields are read from `bytes` as far as it reaches; the rest keep their defaults.
    static Configuracao deBytes(const QByteArray& bytes);
    QByteArray paraBytes() const; // the 76 bytes of the record

    // Reads the file without ever writing it: defaults when it is missing or empty.
    static Configuracao le(const QString& pasta);
    // Reads the file, first creating it with the defaults when it is missing or empty.
    static Configuracao CarregaConfiguracao(const QString& pasta);
    // Writes the record over the start of the file, keeping any bytes after it.
    bool GravaConfiguracao(const QString& pasta, QString* erro = nullptr) const;

    bool operator==(const Configuracao&) const = default;
};

} // namespace vidalume
