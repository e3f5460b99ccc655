// The main window's study commands: the name study (whose chosen name becomes the next
// analysis, and whose pages print through the analysis's print dialog), the name correction
// study, the compatibility reading of two people and the cabalística map, each opened in a
// report window of its own.
#pragma once

#include "app/AreaRelatorios.h"
#include "app/ContextoComandos.h"

#include <QStringList>

#include <optional>

class QPrinter;

namespace vidalume {

struct CorrecaoNome;
struct EstudoNomes;

class ComandosEstudos {
public:
    // `contexto` and `relatorios` must outlive this object; `impressora` gives the printer
    // of the moment (none when there is no printer).
    ComandosEstudos(const ContextoComandos& contexto, AreaRelatorios& relatorios,
                    std::function<QPrinter*()> impressora)
        : c_(contexto), relatorios_(relatorios), impressora_(std::move(impressora)) {}

    // Shows the name study; the analysis of the name the user chose to open, if any. A study
    // left for an analysis opens again with its date and names.
    std::optional<AnalisePedida> estudoNomes();
    // Shows the name correction window in front of `pai` (the main window when null), filled
    // with `nome` and `data` (either may be empty), its study started when both are accepted.
    void correcaoNome(const QString& nome, const QString& data, QWidget* pai = nullptr);
    // The same, filled with the person of the report window in front (or of the analysis
    // asked for last); empty after a cancelled entry.
    void correcaoNomeDaAnalise();
    // Asks for the two people and opens their compatibility reading.
    void compatibilidade(const QIcon& icone);
    // Opens the cabalística map of `pedido` (its name as typed, birth date and forecast
    // date) with the school's options and harmony table of the data folder.
    void mapaCabalistico(const AnalisePedida& pedido, const QIcon& icone);

private:
    void imprimeEstudo(QWidget* pai, const EstudoNomes& estudo);
    // Opens the report of the correction study with the spellings `marcados` (the best ones
    // when none is marked).
    void relatorioCorrecao(const CorrecaoNome& estudo, const QList<int>& marcados);

    const ContextoComandos& c_;
    AreaRelatorios& relatorios_;
    std::function<QPrinter*()> impressora_;
    QStringList nomesGuardados_; // of the study left for an analysis
    QString dataGuardada_;
};

} // namespace vidalume
