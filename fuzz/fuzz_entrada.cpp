// Date reading and name normalisation: any text is either refused or normalised to a
// date that reads back as itself; a normalised name normalises to itself in both schools
// and keeps no accented letter in the Pythagorean one; the checks never fail on any name.
#include "engine/EntradaDados.h"
#include "engine/RegrasCalculo.h"
#include "engine/Windows1252.h"

#include <cstdlib>

using namespace vidalume;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(dados), int(tamanho));
    if (const auto d = EntradaDados::normalizaData(texto)) {
        if (d->size() != 10 || EntradaDados::normalizaData(*d) != d) {
            std::abort();
        }
    }
    const QString nome = Windows1252::restringe(texto);
    const RegrasCalculo pitagorica = RegrasCalculo::pitagorica();
    const RegrasCalculo cabalistica = RegrasCalculo::de(EscolaCalculo::Cabalistica);
    const QString normal = pitagorica.normalizaNome(nome);
    const QString comSinais = cabalistica.normalizaNome(nome);
    if (pitagorica.normalizaNome(normal) != normal ||
        cabalistica.normalizaNome(comSinais) != comSinais) {
        std::abort();
    }
    for (QChar c : normal) {
        if (QStringLiteral("áàâãéêíîïóôõúûüçÁÀÂÃÉÊÍÎÏÓÔÕÚÛÜÇ").contains(c)) {
            std::abort();
        }
    }
    EntradaDados::valida(texto, texto);
    return 0;
}
