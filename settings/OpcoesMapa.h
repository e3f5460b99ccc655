// The options of the sections that follow the 28 of an analysis (the complete map and the
// line of life) and of the personal numbers, in their own file "opcoes.dat", so that the
// older settings files keep their bytes and an older folder opens with the defaults.
//
// Record layout (one 32-byte record, little-endian 16-bit integers; a missing or short file
// gives the defaults for the fields it does not reach):
//   0 SecoesExtras: 6 flags for sections 29 to 34, -1 on and 0 off, any non-zero value
//     reading as on (default: all on)
//  12 LimiteTendencias: repetitions that make a hidden tendency, 3 or 4 (default 4; any
//     other value reads as 4)
//  14 InicioAnoPessoal: 0 on 1 January, 1 on the birthday (default 0; any other value
//     reads as 0)
//  16 TextosRepetidosInteiros: -1 when a number that returns in another position of the same
//     kind prints its whole text again, 0 when it prints a short sentence that points to
//     the first (default 0; any non-zero value reads as -1)
//  18 EscolaCalculo: 0 pitagórica, 1 cabalística (default 0; any other value reads as 0)
//  20 DividasPelasSomas: 0 by the final number, 1 by the sums (cabalística; default 0)
//  22 FimPrimeiroCiclo37: 0 the first cycle ends at 36 - Destino, 1 at 37 - Destino
//  24 XValeQuatro: 0 the letter X is worth 6, 1 worth 4 (cabalística)
//  26 LicoesAteOito: 0 karmic lessons from 1 to 9, 1 from 1 to 8 (cabalística)
//  28 SecoesCabalisticas: 32-bit mask, bit k - 1 set when section k of the cabalística map
//     is left out (default 0: every section shown)
// Older files hold zeros from byte 16 on, which read as the defaults.
#pragma once

#include "engine/RegrasCalculo.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace vidalume {

struct OpcoesMapa {
    static constexpr int kPrimeiraSecao = 29;
    static constexpr int kUltimaSecao = 34;
    static constexpr int kTotalSecoes = kUltimaSecao - kPrimeiraSecao + 1;
    static constexpr int kTamanhoRegistro = 32;
    static inline const QString kArquivo = QStringLiteral("opcoes.dat");

    std::array<bool, kTotalSecoes> secoes{true, true, true, true, true, true};
    int limiteTendencias = 4;
    InicioAnoPessoal inicioAnoPessoal = InicioAnoPessoal::Janeiro;
    bool textosRepetidosInteiros = false;
    EscolaCalculo escola = EscolaCalculo::Pitagorica;
    VariantesCabalistica variantes;
    quint32 secoesCabalisticasOcultas = 0; // bit k - 1: section k of the cabalística map

    // The rules of the school in use with these options.
    RegrasCalculo regras() const { return regras(escola); }
    // The rules of `escola` with these options (threshold, personal year, variants).
    RegrasCalculo regras(EscolaCalculo escola) const;
    // Whether section k (1 to 32) of the cabalística map is shown.
    bool secaoCabalisticaAtiva(int k) const;
    void defineSecaoCabalistica(int k, bool ativa);

    // Whether section k (29 to 34) is chosen; false for any other k.
    bool secaoAtiva(int k) const;
    // Chooses section k (29 to 34); any other k is ignored.
    void defineSecao(int k, bool ativa);

    // Fields are read from `bytes` as far as it reaches; the rest keep their defaults.
    static OpcoesMapa deBytes(const QByteArray& bytes);
    QByteArray paraBytes() const; // the whole 32-byte record

    // Reads the file without ever writing it: defaults when it is missing or short.
    static OpcoesMapa le(const QString& pasta);
    // Writes the whole record through the checked writer.
    bool grava(const QString& pasta, QString* erro = nullptr) const;

    bool operator==(const OpcoesMapa&) const = default;
};

} // namespace vidalume
