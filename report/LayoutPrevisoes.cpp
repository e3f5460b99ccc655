#include "report/LayoutPrevisoes.h"

#include "report/EscreveTexto.h"
#include "report/LayoutAnalise.h"
#include "report/QuadroCalendario.h"
#include "report/QuadroLinhaVida.h"

#include <algorithm>
#include <utility>

namespace vidalume {

namespace {

const QString kLegendaCalendario =
    QStringLiteral("Em cada dia do calendário, a data no canto e o dia pessoal em destaque.");

} // namespace

LayoutPrevisoes::LayoutPrevisoes(Diagramacao diagramacao, double larguraPagina,
                                 double alturaPagina)
    : d_(std::move(diagramacao)), p_(d_.previsoes.value_or(PrevisoesAno())),
      largura_(larguraPagina), altura_(alturaPagina), desenhos_(d_),
      novaPagina_(desenhos_, Configuracao::ligado(d_.configuracao.ImprimirCabecalho)) {}

double LayoutPrevisoes::esquerda() const {
    return d_.margens.MargemEsquerda + LayoutAnalise::kMargemTexto;
}

double LayoutPrevisoes::direita() const {
    return largura_ - d_.margens.MargemDireita - LayoutAnalise::kMargemTexto;
}

double LayoutPrevisoes::limite() const {
    return LayoutAnalise::limiteTexto(altura_, d_.margens);
}

int LayoutPrevisoes::dispoe(FabricaFolhas& folhas) {
    folhas_ = &folhas;
    if (d_.folhaRosto) {
        desenhos_.DesenhaFolhaRosto(folhas.ProximaFolha());
    }
    atual_ = &folhas.ProximaFolha();
    atual_->EscalaMilimetros();
    y_ = d_.margens.MargemSuperior +
         novaPagina_.inicia(*atual_, largura_, altura_, NovaPagina::PrimeiraPagina);
    abertura();
    for (const PrevisoesAno::Mes& m : p_.meses) {
        mes(m);
    }
    folhas_ = nullptr;
    atual_ = nullptr;
    return novaPagina_.PaginaAtual();
}

// The title, what the report holds, the line of life, the universal and personal years.
void LayoutPrevisoes::abertura() {
    titulo(PrevisoesAno::kTitulo + QStringLiteral(" de ") + QString::number(p_.ano));
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    escreveBloco(p_.abertura);
    avancaAbaixo(kEspacoAposBloco);
    titulo(QStringLiteral("Linha da Vida"));
    quadro(QuadroLinhaVida(p_.linhaVida));
    divisoria();
    numero(p_.anoUniversal, {});
    for (const PrevisoesAno::Numero& py : p_.anosPessoais) {
        numero(py, p_.notaRegra);
    }
}

// A month starts on a page of its own; a page it goes on to repeats its heading.
void LayoutPrevisoes::mes(const PrevisoesAno::Mes& m) {
    continuacao_.clear();
    quebraPagina();
    titulo(m.titulo);
    continuacao_ = m.titulo + QStringLiteral(" (continuação)");
    nota(p_.notaRegra);
    numero(m.mesUniversal, {});
    for (const PrevisoesAno::Numero& pm : m.mesesPessoais) {
        numero(pm, {});
    }
    quadro(QuadroCalendario(m.calendario));
    nota(kLegendaCalendario);
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    atual_->DefineTamanhoFonte(std::min(atual_->TamanhoFonte(), kTamanhoTabela));
    for (const QString& linha : m.tabelaDias) {
        garanteEspaco(atual_->AlturaTexto(EscreveTexto::kAmostraLinha));
        escreveBloco(linha);
        avancaAbaixo(0);
    }
    continuacao_.clear();
}

// A number's title, an optional note under it, and its text.
void LayoutPrevisoes::numero(const PrevisoesAno::Numero& n, const QString& notaNumero) {
    titulo(n.titulo);
    if (!notaNumero.isEmpty()) {
        nota(notaNumero);
    }
    texto(n.texto);
}

void LayoutPrevisoes::titulo(const QString& t) {
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    // A title is kept with at least two lines of what follows it.
    garanteEspaco(3 * atual_->AlturaTexto(EscreveTexto::kAmostraLinha));
    escreveBloco(t);
    avancaAbaixo(kEspacoAposBloco / 2);
}

void LayoutPrevisoes::nota(const QString& t) {
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    atual_->DefineTamanhoFonte(std::min(atual_->TamanhoFonte(), kTamanhoNota));
    garanteEspaco(atual_->AlturaTexto(EscreveTexto::kAmostraLinha));
    escreveBloco(t);
    avancaAbaixo(kEspacoAposBloco / 2);
}

void LayoutPrevisoes::texto(const QString& t) {
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    garanteEspaco(atual_->AlturaTexto(EscreveTexto::kAmostraLinha));
    escreveBloco(t);
    avancaAbaixo(kEspacoAposBloco);
}

// A picture as wide as the text column, in the face of the text, on the next page when it
// does not fit here.
template <class Quadro> void LayoutPrevisoes::quadro(const Quadro& q) {
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    const double larguraQuadro = direita() - esquerda();
    garanteEspaco(q.altura(*atual_, larguraQuadro) + kEspacoQuadro);
    q.desenha(*atual_, esquerda(), y_, larguraQuadro);
    y_ += q.altura(*atual_, larguraQuadro) + kEspacoQuadro;
}

void LayoutPrevisoes::divisoria() {
    garanteEspaco(LayoutAnalise::kAlturaDivisoria + kEspacoAposBloco);
    const Margens& m = d_.margens;
    atual_->PintaFigura(Figura::divisoria(), m.MargemEsquerda + LayoutAnalise::kRecuoDivisoria, y_,
                        largura_ - m.MargemEsquerda - m.MargemDireita -
                            2 * LayoutAnalise::kRecuoDivisoria,
                        LayoutAnalise::kAlturaDivisoria);
    y_ += LayoutAnalise::kAvancoDivisoria;
}

// A block goes on over as many pages as it needs.
void LayoutPrevisoes::escreveBloco(const QString& t) {
    QString resto = t;
    while (!EscreveTexto::escreve(*atual_, y_, esquerda(), direita(), limite(), resto)) {
        quebraPagina();
    }
}

// The next block starts below the last line written, `espaco` further down.
void LayoutPrevisoes::avancaAbaixo(double espaco) {
    y_ = atual_->Y() + atual_->AlturaTexto(EscreveTexto::kAmostraLinha) + espaco;
}

bool LayoutPrevisoes::cabe(double altura) const {
    return y_ + altura <= limite();
}

void LayoutPrevisoes::garanteEspaco(double altura) {
    if (!cabe(altura)) {
        quebraPagina();
    }
}

// Starts the next page in the font that was in use; inside a month, the page opens with the
// month's heading and the rule note.
void LayoutPrevisoes::quebraPagina() {
    fonteSalva_.SalvarFontesTela(*atual_);
    atual_ = &folhas_->ProximaFolha();
    atual_->EscalaMilimetros();
    y_ = d_.margens.MargemSuperior +
         novaPagina_.inicia(*atual_, largura_, altura_, NovaPagina::ProximaPagina);
    if (!continuacao_.isEmpty()) {
        const QString repetir = std::exchange(continuacao_, QString());
        LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
        escreveBloco(repetir);
        avancaAbaixo(kEspacoAposBloco / 2);
        nota(p_.notaRegra);
        continuacao_ = repetir;
    }
    fonteSalva_.RestaurarFontesTela(*atual_);
}

} // namespace vidalume
