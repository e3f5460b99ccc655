#include "printing/painter/CompressaoPdf.h"

#include <dlfcn.h>
#include <zlib.h>

namespace vidalume {

namespace {

thread_local int nivelEscolhido = Z_DEFAULT_COMPRESSION;

int nivelPara(int pedido) {
    return pedido == Z_DEFAULT_COMPRESSION ? nivelEscolhido : pedido;
}

// zlib's own function of the name, found past this program's definition.
template <typename Funcao> Funcao* daZlib(const char* nome) {
    return reinterpret_cast<Funcao*>(::dlsym(RTLD_NEXT, nome));
}

} // namespace

CompressaoPdf::CompressaoPdf(int nivel) : anterior_(nivelEscolhido) {
    nivelEscolhido = nivel;
}

CompressaoPdf::~CompressaoPdf() {
    nivelEscolhido = anterior_;
}

int CompressaoPdf::nivelAtual() {
    return nivelEscolhido;
}

} // namespace vidalume

// zlib's entry points, resolved here for the whole program: each forwards to zlib with the
// level the calling thread chose in place of the default one.
extern "C" {

int deflateInit_(z_streamp fluxo, int nivel, const char* versao, int tamanho) {
    using Funcao = int(z_streamp, int, const char*, int);
    static Funcao* const zlib = vidalume::daZlib<Funcao>("deflateInit_");
    return zlib(fluxo, vidalume::nivelPara(nivel), versao, tamanho);
}

int compress2(Bytef* destino, uLongf* tamanhoDestino, const Bytef* origem, uLong tamanhoOrigem,
              int nivel) {
    using Funcao = int(Bytef*, uLongf*, const Bytef*, uLong, int);
    static Funcao* const zlib = vidalume::daZlib<Funcao>("compress2");
    return zlib(destino, tamanhoDestino, origem, tamanhoOrigem, vidalume::nivelPara(nivel));
}

} // extern "C"
