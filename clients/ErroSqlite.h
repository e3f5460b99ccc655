// What an SQLite result code means to the person using the client file, whichever way it came
// (the Qt driver's native code, or the C library's result while a copy is made): the file is
// in use, protected, damaged, the disk is full... Each caller words its own message from it.
#pragma once

namespace vidalume {

class ErroSqlite {
public:
    // SQLite's primary result codes, as the library documents them.
    static constexpr int kPermissao = 3;
    static constexpr int kOcupado = 5;
    static constexpr int kTravado = 6;
    static constexpr int kSemMemoria = 7;
    static constexpr int kSomenteLeitura = 8;
    static constexpr int kEntradaSaida = 10;
    static constexpr int kDanificado = 11;
    static constexpr int kCheio = 13;
    static constexpr int kNaoAbre = 14;
    static constexpr int kRestricao = 19;
    static constexpr int kNaoEBanco = 26;

    enum class Causa {
        EmUso,        // busy or locked by another connection
        Protegido,    // read-only, or no permission
        Danificado,   // corrupt, or not a database
        Cheio,        // the disk is full
        GrandeDemais, // an I/O error while the process's file-size limit was passed
        EntradaSaida, // any other I/O error
        NaoAbre,
        SemMemoria,
        Restricao, // a constraint (a unique key) refused the change
        Outra,
    };

    // The cause of `codigo`, a primary or an extended result code.
    static Causa causa(int codigo);
};

} // namespace vidalume
