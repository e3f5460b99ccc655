// What the interpretation editor opens for a choice of the user: the file, the record and
// the line that tells what is being edited. Only records that an analysis reads can be
// chosen, and every such record can be.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vidalume {

struct TextoEscolhido {
    QString arquivo; // file name in the program folder, e.g. "DESNASC.DAT"
    int registro = 0;
    QString info; // what is being edited, as the edit window shows it
};

class EscolhaTexto {
public:
    static constexpr int kMenorNumero = 0; // "Número 0", where a section uses the number 0
    static constexpr int kMaiorNumero = 9;
    // A header text shorter than this is taken as "no header" and is not opened.
    static constexpr int kMinimoCabecalho = 10;
    static const QString kSemCabecalho;

    // Whether the option of `numero` (0 to 9) opens a record that an analysis reads for
    // the section `item` (1 to 34; the letter chart and the line of life have none, the
    // karmic debts 13, 14, 16 and 19 are the options 1 to 4).
    static bool numeroDisponivel(int item, int numero);
    // The interpretation of `numero` for `item`; none when the option is not available.
    static std::optional<TextoEscolhido> interpretacao(int item, int numero);
    // The caption of the option of `numero` while `item` is selected: "Número 1 (ou "a")" for
    // the numbers that are also vowel codes, "Número 1 (vindo do 9)" for the health record of
    // the digit 9, which an analysis shows as a second number 1, "Dívida 13" for the debts.
    static QString legenda(int item, int numero);
    // The explanation record of the item's group (in CMAPA.DAT for the sections after 28);
    // none for the sections whose explanation is a fixed sentence (the birth-day challenge
    // and gift, the health indication).
    static std::optional<TextoEscolhido> cabecalho(int item);
    static bool cabecalhoEditavel(const QString& texto) { return texto.size() >= kMinimoCabecalho; }

    // The compatibility texts, offered after the sections of the analysis: one option per
    // pair a <= b of 1 to 9, in record order ("1 e 1", "1 e 2", ... "9 e 9").
    static const QString kTituloCompatibilidade; // "Compatibilidade entre duas pessoas"
    static QStringList paresCompatibilidade();
    // The pair text of `a` and `b` (1 to 9, either order); none for any other number.
    static std::optional<TextoEscolhido> compatibilidade(int a, int b);
    // The pair text of option `opcao` (1 to 45) of paresCompatibilidade(); none for any
    // other option.
    static std::optional<TextoEscolhido> compatibilidadeDaOpcao(int opcao);

    // The closing paragraph of every report, offered after the compatibility texts; it has
    // no number to choose.
    static const QString kTituloAviso; // "Aviso ao final de cada estudo"
    static TextoEscolhido aviso();

private:
    static int registro(int item, int numero);
};

} // namespace vidalume
