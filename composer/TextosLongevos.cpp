#include "composer/TextosLongevos.h"

#include <QFileInfo>

namespace vidalume {

bool TextosLongevos::valem(int idade, const ArquivoInterpretacao& arquivos) {
    return idade >= kIdadeMinima && QFileInfo::exists(arquivos.caminho(kArquivo));
}

QString TextosLongevos::anoPessoal(int numero, const ArquivoInterpretacao& arquivos) {
    if (numero < 1 || numero > 9) {
        return {};
    }
    return arquivos.LeTextoInterpretacao(numero, kArquivo);
}

void TextosLongevos::aplica(Analise& analise, const NumerosAnalise& numeros, int idade,
                            const ArquivoInterpretacao& arquivos) {
    if (!valem(idade, arquivos)) {
        return;
    }
    if (const QString t = anoPessoal(numeros.anoPessoal, arquivos); !t.trimmed().isEmpty()) {
        analise[20].Texto = t;
    }
}

} // namespace vidalume
