// The main window's client-file commands: the client window (with its batch of PDFs), the
// person of a new analysis kept in the client file with the analysis, and the analysis a
// client's past analysis asks for again.
#pragma once

#include "app/ContextoComandos.h"
#include "clients/FichaClientes.h"
#include "gui/clientes/frmClientes.h"

namespace vidalume {

class ComandosClientes {
public:
    // What the user asked of the client window when it closed.
    struct Resultado {
        frmClientes::Pedido pedido = frmClientes::Pedido::Nenhum;
        Cliente cliente;
        AnaliseCliente analise;
    };

    // `contexto` must outlive this object.
    explicit ComandosClientes(const ContextoComandos& contexto) : c_(contexto) {}

    // Shows the client window over the client file; a file that cannot be opened is told
    // and nothing is asked.
    Resultado abre();
    // Keeps the person of the analysis asked for in Padrao, as typed (`nomeDigitado`), with
    // the analysis. A file that cannot be used is told; the analysis is shown anyway.
    void guardaNaFicha(const QString& nomeDigitado);
    // The analysis `analise` of `cliente` asked for again: its name, birth date and
    // reference date.
    static AnalisePedida pedidoDe(const Cliente& cliente, const AnaliseCliente& analise);

    // The name the PDF of the client's analysis takes in a folder.
    static QString nomePdf(const Cliente& cliente);

private:
    bool geraPdf(const Cliente& cliente, const QString& pasta, bool substitui, QString* nome,
                 QString* erro) const;

    const ContextoComandos& c_;
};

} // namespace vidalume
