#include "report/CursorPagina.h"

#include "report/EscreveTexto.h"

#include <QStringList>

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
    topo_ = y_;
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
    topo_ = y_;
    if (gancho_) {
        // The hook may break no page of its own: it only writes what opens the page.
        const auto gancho = std::move(gancho_);
        gancho_ = nullptr;
        gancho();
        gancho_ = gancho;
    }
    fonteSalva_.RestaurarFontesTela(*atual_);
}

bool CursorPagina::mantemJunto(double altura) {
    if (cabe(altura) || y_ <= topo_ || altura > alturaUtil()) {
        return false;
    }
    quebraPagina();
    return true;
}

double CursorPagina::alturaBloco(const QString& texto) const {
    return EscreveTexto::contaLinhas(*atual_, esquerda(), direita(), texto) * alturaLinha();
}

void CursorPagina::escreveTitulo(const QString& texto) {
    QString resto = texto;
    while (!EscreveTexto::escreve(*atual_, y_, esquerda(), direita(), limite(), resto, false)) {
        quebraPagina();
    }
}

namespace {

bool ehSubtitulo(const QString& paragrafo) {
    return paragrafo.endsWith(u':');
}

} // namespace

void CursorPagina::escreveComSubtitulos(const QString& texto, int linhasJuntas) {
    const QStringList paragrafos = texto.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < paragrafos.size(); ++i) {
        const QString& p = paragrafos[i];
        if (i > 0) {
            avancaAbaixo(0);
        }
        const bool temSeguinte = i + 1 < paragrafos.size() && !paragrafos[i + 1].isEmpty();
        if (temSeguinte && ehSubtitulo(p) && alturaBloco(p) <= alturaLinha()) {
            mantemJunto((1 + linhasJuntas) * alturaLinha());
        }
        garanteEspaco(alturaLinha());
        escreveBloco(p);
    }
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
