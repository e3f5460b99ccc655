#include "report/CursorPagina.h"

#include "report/EscreveTexto.h"

namespace vidalume {

CursorPagina::CursorPagina(const Diagramacao& diagramacao, double larguraPagina,
                           double alturaPagina)
    : d_(diagramacao), largura_(larguraPagina), altura_(alturaPagina), desenhos_(d_),
      novaPagina_(desenhos_, Configuracao::ligado(d_.configuracao.ImprimirCabecalho)) {}

void CursorPagina::inicia(FabricaFolhas& folhas) {
    folhas_ = &folhas;
    if (d_.folhaRosto) {
        desenhos_.DesenhaFolhaRosto(folhas.ProximaFolha());
    }
    atual_ = &folhas.ProximaFolha();
    atual_->EscalaMilimetros();
    y_ = d_.margens.MargemSuperior +
         novaPagina_.inicia(*atual_, largura_, altura_, NovaPagina::PrimeiraPagina);
}

int CursorPagina::termina() {
    folhas_ = nullptr;
    atual_ = nullptr;
    return novaPagina_.PaginaAtual();
}

double CursorPagina::esquerda() const {
    return d_.margens.MargemEsquerda + kMargemTexto;
}

double CursorPagina::direita() const {
    return largura_ - d_.margens.MargemDireita - kMargemTexto;
}

bool CursorPagina::garanteEspaco(double altura) {
    if (cabe(altura)) {
        return false;
    }
    quebraPagina();
    return true;
}

void CursorPagina::quebraPagina() {
    fonteSalva_.SalvarFontesTela(*atual_);
    atual_ = &folhas_->ProximaFolha();
    atual_->EscalaMilimetros();
    y_ = d_.margens.MargemSuperior +
         novaPagina_.inicia(*atual_, largura_, altura_, NovaPagina::ProximaPagina);
    if (gancho_) {
        // The hook may break no page of its own: it only writes what opens the page.
        const auto gancho = std::move(gancho_);
        gancho_ = nullptr;
        gancho();
        gancho_ = gancho;
    }
    fonteSalva_.RestaurarFontesTela(*atual_);
}

void CursorPagina::escreveBloco(const QString& texto) {
    escreveBloco(texto, esquerda(), direita());
}

void CursorPagina::escreveBloco(const QString& texto, double esquerdaBloco, double direitaBloco) {
    QString resto = texto;
    while (!EscreveTexto::escreve(*atual_, y_, esquerdaBloco, direitaBloco, limite(), resto)) {
        quebraPagina();
    }
}

void CursorPagina::avancaAbaixo(double espaco) {
    y_ = atual_->Y() + alturaLinha() + espaco;
}

double CursorPagina::alturaLinha() const {
    return atual_->AlturaTexto(EscreveTexto::kAmostraLinha);
}

void CursorPagina::divisoria() {
    garanteEspaco(kEspacoAposBloco);
    const Margens& m = d_.margens;
    atual_->PintaFigura(Figura::divisoria(), m.MargemEsquerda + kRecuoDivisoria, y_,
                        largura_ - m.MargemEsquerda - m.MargemDireita - 2 * kRecuoDivisoria,
                        kAlturaDivisoria);
    y_ += kAvancoDivisoria;
}

} // namespace vidalume
