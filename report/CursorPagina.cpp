#include "report/CursorPagina.h"

#include "report/EscreveTexto.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

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
    escreveComSubtitulos(texto, linhasJuntas, 0);
}

void CursorPagina::escreveComSubtitulos(const QString& texto, int linhasJuntas, double cauda) {
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
        if (cauda > 0 && i + 1 == paragrafos.size()) {
            escreveComCauda(p, linhasJuntas, cauda);
        } else {
            escreveBloco(p);
        }
    }
}

void CursorPagina::escreveComCauda(const QString& paragrafo, int linhasJuntas, double cauda) {
    QString resto = paragrafo;
    for (;;) {
        const double h = alturaLinha();
        const int linhas = EscreveTexto::contaLinhas(*atual_, esquerda(), direita(), resto);
        const double juntas = std::min(linhas, linhasJuntas) * h;
        if (juntas + cauda > alturaUtil()) {
            escreveBloco(resto); // no page could hold them together
            return;
        }
        // The writer still draws the line whose top is within one line of the limit.
        const int cabem = std::max(1, static_cast<int>(std::floor((limite() - y_) / h)) + 1);
        if (linhas > cabem) {
            // The paragraph goes on over the next page: this one ends early enough for the
            // lines kept with what follows to go along.
            const int aqui = linhas - cabem < linhasJuntas ? linhas - linhasJuntas : cabem;
            if (aqui >= 1) {
                escreveLinhas(resto, aqui);
            } else if (y_ <= topo_) {
                escreveBloco(resto);
                return;
            }
            quebraPagina();
            continue;
        }
        if (!cabe(linhas * h + cauda)) {
            if (linhas > linhasJuntas) {
                escreveLinhas(resto, linhas - linhasJuntas);
                quebraPagina();
            } else if (y_ > topo_) {
                quebraPagina();
            }
        }
        escreveBloco(resto);
        return;
    }
}

void CursorPagina::escreveLinhas(QString& resto, int linhas) {
    // The writer stops after the line whose top plus the limit sample passes the limit: a
    // limit half a line above that point for line `linhas` ends the page there.
    const double h = alturaLinha();
    const double fim =
        y_ + (linhas - 1) * h + atual_->AlturaTexto(EscreveTexto::kAmostraLimite) - h / 2;
    EscreveTexto::escreve(*atual_, y_, esquerda(), direita(), std::min(fim, limite()), resto);
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
