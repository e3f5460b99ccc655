// Lays a name study out on pages: the number of the birth date with a short explanation, a
// table of the accepted names (their six numbers and the harmony of the expression with the
// birth date's number, headed as the study's school calls them), then for
// each name its expression interpretation, separated by dividers, and the closing paragraph
// in the explanation font. Pages start and end like
// the pages of an analysis (header with the study's title and the date, footer with the
// page number) and follow the same fonts and margins: the table and the headings in the
// title font, the explanation in the explanation font, the interpretations in the text font.
// A table row or a text that does not fit on its page goes on on the next one; the table's
// column headings are repeated there.
#pragma once

#include "composer/Diagramacao.h"
#include "composer/EstudoNomes.h"
#include "report/CursorPagina.h"
#include "report/FabricaFolhas.h"
#include "report/FolhaA4.h"

#include <QStringList>

#include <array>

namespace vidalume {

class LayoutEstudoNomes {
public:
    static constexpr double kTamanhoTabela = 10; // points: the table at most this size
    static constexpr double kLarguraNumero = 16; // mm: each number column
    static constexpr double kLarguraHarmonia = 20;
    static constexpr double kEspacoLinha = 1; // mm between two table rows
    static constexpr int kColunas = 8;

    // Lays `diagramacao.estudoNomes` out on pages `larguraPagina` x `alturaPagina`
    // millimetres inside the diagramacao's margins, with its fonts, header and footer lines.
    LayoutEstudoNomes(Diagramacao diagramacao, double larguraPagina,
                      double alturaPagina = FolhaA4::kAltura);
    LayoutEstudoNomes(const LayoutEstudoNomes&) = delete;
    LayoutEstudoNomes& operator=(const LayoutEstudoNomes&) = delete;

    // Lays the study out, taking sheets from `folhas`, after the cover sheet when one is
    // asked for. Returns the number of pages (the cover sheet not counted).
    int dispoe(FabricaFolhas& folhas);

private:
    void abertura();
    void tabela();
    void cabecalhoTabela();
    void linhaTabela(const std::array<QString, kColunas>& celulas, bool negrito);
    QStringList quebraNome(const QString& nome, double largura) const;
    void interpretacao(const CandidatoNome& candidato);
    void aviso();
    void fonteTabela(bool negrito);
    void aplica(const DadosFonte& fonte, const DadosFonte& padrao);
    SuperficieDesenho& folha() const { return cursor_.folha(); }

    const Diagramacao d_;
    const EstudoNomes estudo_;
    CursorPagina cursor_;
};

} // namespace vidalume
