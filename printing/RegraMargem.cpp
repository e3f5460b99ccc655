#include "printing/RegraMargem.h"
#include "engine/LeituraNumero.h"

#include <cmath>

namespace vidalume {

namespace {

QString inicioMensagem(RegraMargem::Lado lado) {
    switch (lado) {
    case RegraMargem::Lado::Direita:
        return QStringLiteral("A margem direita não pode ser maior que ");
    case RegraMargem::Lado::Esquerda:
        return QStringLiteral("A margem esquerda não pode ser maior que ");
    case RegraMargem::Lado::Superior:
        return QStringLiteral("A margem superior não pode ser maior que ");
    case RegraMargem::Lado::Inferior:
        break;
    }
    return QStringLiteral("A margem inferior não pode ser maior que ");
}

} // namespace

RegraMargem::Decisao RegraMargem::confere(const QString& texto, double extensaoMm) const {
    if (devolvendo_) {
        return Decisao::Devolvida;
    }
    // A number beyond what a margin record can hold (it would be stored as infinite) is
    // refused like one over the limit.
    const double valor = LeituraNumero::interpreta(texto);
    if (!std::isfinite(static_cast<float>(valor))) {
        return Decisao::Recusa;
    }
    return valor <= limite(extensaoMm) ? Decisao::Aceita : Decisao::Recusa;
}

QString RegraMargem::mensagem(double extensaoMm) const {
    const auto inteiro = static_cast<long long>(std::floor(limite(extensaoMm)));
    return inicioMensagem(lado_) + QString::number(inteiro) + QStringLiteral("mm");
}

void RegraMargem::devolve(float ultimoAceito, const std::function<void(const QString&)>& poeTexto) {
    devolvendo_ = true;
    poeTexto(Margens::texto(ultimoAceito));
    devolvendo_ = false;
}

float& RegraMargem::campo(Margens& m, Lado lado) {
    switch (lado) {
    case Lado::Superior:
        return m.MargemSuperior;
    case Lado::Esquerda:
        return m.MargemEsquerda;
    case Lado::Inferior:
        return m.MargemInferior;
    case Lado::Direita:
        break;
    }
    return m.MargemDireita;
}

float RegraMargem::campo(const Margens& m, Lado lado) {
    return campo(const_cast<Margens&>(m), lado);
}

} // namespace vidalume
