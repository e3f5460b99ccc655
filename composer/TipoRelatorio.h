// Which kind of report a composed document is: what the report windows, the printer, the PDF
// and the text document ask to know how to title, lay out and export it. Each kind is one
// class in report/ (see report/Relatorio), found by this tag.
#pragma once

namespace vidalume {

enum class TipoRelatorio {
    Analise,
    EstudoNomes,
    Compatibilidade,
    Previsoes,
    MapaCabalistico,
    CorrecaoNome
};

} // namespace vidalume
