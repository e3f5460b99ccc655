#include "clients/ErroSqlite.h"

#include "texts/GravacaoSegura.h"

namespace vidalume {

ErroSqlite::Causa ErroSqlite::causa(int codigo) {
    // An extended code keeps its primary code in the low byte.
    switch (codigo & 0xFF) {
    case kOcupado:
    case kTravado:
        return Causa::EmUso;
    case kSomenteLeitura:
    case kPermissao:
        return Causa::Protegido;
    case kDanificado:
    case kNaoEBanco:
        return Causa::Danificado;
    case kCheio:
        return Causa::Cheio;
    case kEntradaSaida:
        // SQLite says only "I/O error" when a write passes the process's file-size limit.
        return GravacaoSegura::limiteDeTamanho() ? Causa::GrandeDemais : Causa::EntradaSaida;
    case kNaoAbre:
        return Causa::NaoAbre;
    case kSemMemoria:
        return Causa::SemMemoria;
    case kRestricao:
        return Causa::Restricao;
    default:
        return Causa::Outra;
    }
}

} // namespace vidalume
