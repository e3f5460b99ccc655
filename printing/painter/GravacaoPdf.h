// The analysis as a PDF file: A4 portrait unless another paper is asked for, the whole sheet
// printable. The file is written
// whole or not at all, through the program's safe save: the document takes the file's place
// only once every byte is on the disk, so a failure never leaves a half-written or damaged
// PDF and an existing file stays as it was. A target that is not a regular file (a folder,
// a device, a FIFO) is refused.
#pragma once

#include "composer/Diagramacao.h"
#include "report/FolhaA4.h"
#include "texts/GravacaoSegura.h"

#include <QPageSize>
#include <QRectF>
#include <QString>

namespace vidalume {

class GravacaoPdf {
public:
    // The printable area of the PDF page in millimetres.
    static QRectF area() { return {0, 0, FolhaA4::kLargura, FolhaA4::kAltura}; }
    // The whole sheet of `papel` in portrait, in millimetres from its top-left corner.
    static QRectF area(const QPageSize& papel);

    // Writes the analysis to `arquivo` on A4 sheets, or on sheets of `papel`. False, with what
    // went wrong in Portuguese (starting with the fact) in `erro`, when the file was not
    // written.
    static bool grava(const QString& arquivo, const Diagramacao& diagramacao, QString* erro);
    static bool grava(const QString& arquivo, const Diagramacao& diagramacao, QString* erro,
                      const QPageSize& papel);

    // Opens `saida` and draws the whole document into it without giving it its name, for
    // callers that choose the name afterwards. False, with the reason in `erro`, on failure.
    static bool escreve(GravacaoSegura& saida, const Diagramacao& diagramacao, QString* erro,
                        const QPageSize& papel = QPageSize(QPageSize::A4));

    // How many sheets of `papel` the document takes, laid out exactly as it is printed;
    // 0 when the margins leave no room.
    static int paginas(const Diagramacao& diagramacao,
                       const QPageSize& papel = QPageSize(QPageSize::A4));

    // Writes the analysis into `pasta` under the first free name made from `sugestao`
    // ("nome.pdf", "nome (2).pdf", ...), never replacing a file, even one that appears
    // meanwhile, and puts that name in `nome`. False, with the reason in `erro`, on failure.
    static bool gravaComNomeLivre(const QString& pasta, const QString& sugestao,
                                  const Diagramacao& diagramacao, QString* nome, QString* erro);

    // Gives `saida`, a document already written by `escreve` into `pasta` with
    // Destino::NomeNovo, the first free name made from `sugestao`, as gravaComNomeLivre does.
    // Kept apart so that documents written on other threads are named in the caller's order.
    static bool concluiComNomeLivre(GravacaoSegura& saida, const QString& pasta,
                                    const QString& sugestao, QString* nome, QString* erro);

    // Whether `arquivo` is a PDF this program wrote: its document information names the
    // program as its creator, as `escreve` leaves it:
    //
    //     /Creator (<FE FF> V i d a l u m e)   the text in UTF-16, high byte first
    //
    // False for any other file, one that cannot be read, or one over 64 MiB.
    static bool feitoPeloPrograma(const QString& arquivo);

    // "Não foi possível terminar de gravar o arquivo ...: motivo"
    static QString naoTerminou(const QString& arquivo, const QString& motivo);
};

} // namespace vidalume
