// A report laid out and exported as the sections of an analysis under a name of its own (the
// cabalística map, the name-correction study): it differs from the analysis only in how the
// windows, the print job, the proposed file and the messages name it.
#pragma once

#include "report/RelatorioAnalise.h"

#include <utility>

namespace vidalume {

class RelatorioSecoes : public RelatorioAnalise {
public:
    struct Nomes {
        QString titulo;         // "Mapa Numerológico Cabalístico"
        QString prefixoArquivo; // "MAPA CABALISTICO ", followed by the name
        QString objeto;         // "mapa cabalístico", in the save dialogs' captions
        QString sujeito;        // "O mapa cabalístico" (masculine singular)
    };

    explicit RelatorioSecoes(Nomes nomes) : nomes_(std::move(nomes)) {}

    QString titulo() const override { return nomes_.titulo; }
    // "<titulo> — NOME".
    QString tituloJanela(const Diagramacao& d) const override;
    QString nomeTrabalho(const Diagramacao& d) const override { return tituloJanela(d); }
    QString baseArquivo(const Diagramacao& d) const override;
    QString legendaSalvar(const QString& formato) const override;
    QString sujeito() const override { return nomes_.sujeito; }
    bool feminino() const override { return false; }

private:
    Nomes nomes_;
};

} // namespace vidalume
