// The analysis as a PDF file: A4 portrait, the whole sheet printable. The file is written
// whole or not at all, through the program's safe save: the document takes the file's place
// only once every byte is on the disk, so a failure never leaves a half-written or damaged
// PDF and an existing file stays as it was. A target that is not a regular file (a folder,
// a device, a FIFO) is refused.
#pragma once

#include "printing/PedidoImpressao.h"
#include "texts/GravacaoSegura.h"

#include <QRectF>
#include <QString>

namespace vidalume {

class GravacaoPdf {
public:
    // The printable area of the PDF page in millimetres.
    static QRectF area() { return {0, 0, 210, 297}; }

    // Writes the analysis to `arquivo`. Returns an empty text when the file was written,
    // otherwise what went wrong, in Portuguese, starting with the fact.
    static QString grava(const QString& arquivo, const PedidoImpressao& pedido);

    // Opens `saida` and draws the whole document into it without giving it its name, for
    // callers that choose the name afterwards. An empty text when drawn, else the failure.
    static QString escreve(GravacaoSegura& saida, const PedidoImpressao& pedido);

    // Writes the analysis into `pasta` under the first free name made from `sugestao`
    // ("nome.pdf", "nome (2).pdf", ...), never replacing a file, even one that appears
    // meanwhile. Returns the file name, or nothing with the reason in `erro`.
    static QString gravaComNomeLivre(const QString& pasta, const QString& sugestao,
                                     const PedidoImpressao& pedido, QString* erro);

    // "Não foi possível terminar de gravar o arquivo ...: motivo"
    static QString naoTerminouDeGravar(const QString& arquivo, const QString& motivo);
};

} // namespace vidalume
