#include "report/LayoutPrevisoes.h"

#include "report/LayoutAnalise.h"
#include "report/QuadroCalendario.h"
#include "report/QuadroLinhaVida.h"

#include <algorithm>

namespace vidalume {

const QString LayoutPrevisoes::kLegendaCalendario =
    QStringLiteral("Em cada dia do calendário, a data no canto e o dia pessoal em destaque.");

LayoutPrevisoes::LayoutPrevisoes(Diagramacao diagramacao, double larguraPagina, double alturaPagina)
    : d_(std::move(diagramacao)), p_(d_.previsoes.value_or(PrevisoesAno())),
      cursor_(d_, larguraPagina, alturaPagina) {}

int LayoutPrevisoes::dispoe(FabricaFolhas& folhas) {
    cursor_.inicia(folhas);
    abertura();
    for (const PrevisoesAno::Mes& m : p_.meses) {
        mes(m);
    }
    // The closing paragraph, below December's days.
    cursor_.avancaAbaixo(kEspacoAposBloco);
    fonte(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveBloco(p_.aviso);
    return cursor_.termina();
}

void LayoutPrevisoes::fonte(const DadosFonte& f, const DadosFonte& padrao) {
    LayoutAnalise::AplicaFonte(cursor_.folha(), f, padrao);
}

// The title, what the report holds, the line of life, the universal and personal years.
void LayoutPrevisoes::abertura() {
    titulo(PrevisoesAno::kTitulo + QStringLiteral(" de ") + QString::number(p_.ano));
    fonte(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    cursor_.escreveBloco(p_.abertura);
    cursor_.avancaAbaixo(kEspacoAposBloco);
    titulo(QStringLiteral("Linha da Vida"));
    quadro(QuadroLinhaVida(p_.linhaVida));
    cursor_.divisoria();
    numero(p_.anoUniversal, {});
    cursor_.aoQuebrar([this] { continuacao({}); });
    for (const PrevisoesAno::Numero& py : p_.anosPessoais) {
        numero(py, p_.notaRegra);
    }
    cursor_.aoQuebrar(nullptr);
}

// A month starts on a page of its own; a page it goes on to repeats its heading.
void LayoutPrevisoes::mes(const PrevisoesAno::Mes& m) {
    cursor_.aoQuebrar(nullptr);
    cursor_.quebraPagina();
    titulo(m.titulo);
    nota(p_.notaRegra);
    cursor_.aoQuebrar([this, m] { continuacao(m.titulo); });
    numero(m.mesUniversal, {});
    for (const PrevisoesAno::Numero& pm : m.mesesPessoais) {
        numero(pm, {});
    }
    quadro(QuadroCalendario(m.calendario));
    nota(kLegendaCalendario);
    fonte(d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    cursor_.folha().DefineTamanhoFonte(std::min(cursor_.folha().TamanhoFonte(), kTamanhoTabela));
    for (const QString& linha : m.tabelaDias) {
        cursor_.garanteEspaco(cursor_.alturaLinha());
        cursor_.escreveBloco(linha);
        cursor_.avancaAbaixo(0);
    }
    cursor_.aoQuebrar(nullptr);
}

// The top of a page a month (or the personal year) goes on to: the month's heading, if
// any, and the rule of the personal year.
void LayoutPrevisoes::continuacao(const QString& tituloMes) {
    if (!tituloMes.isEmpty()) {
        fonte(d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
        cursor_.escreveBloco(tituloMes + QStringLiteral(" (continuação)"));
        cursor_.avancaAbaixo(kEspacoAposBloco / 2);
    }
    fonte(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    cursor_.folha().DefineTamanhoFonte(std::min(cursor_.folha().TamanhoFonte(), kTamanhoNota));
    cursor_.escreveBloco(p_.notaRegra);
    cursor_.avancaAbaixo(kEspacoAposBloco / 2);
    notaNoTopo_ = true;
}

// A number's title, an optional note under it, and its text.
void LayoutPrevisoes::numero(const PrevisoesAno::Numero& n, const QString& notaNumero) {
    titulo(n.titulo);
    // A page break before the title has just written the rule at the top of the page.
    if (!notaNumero.isEmpty() && !notaNoTopo_) {
        nota(notaNumero);
    }
    texto(n.texto);
}

void LayoutPrevisoes::titulo(const QString& t) {
    fonte(d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    // A title is kept with at least two lines of what follows it.
    cursor_.garanteEspaco(3 * cursor_.alturaLinha());
    cursor_.escreveBloco(t);
    cursor_.avancaAbaixo(kEspacoAposBloco / 2);
}

void LayoutPrevisoes::nota(const QString& t) {
    fonte(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    cursor_.folha().DefineTamanhoFonte(std::min(cursor_.folha().TamanhoFonte(), kTamanhoNota));
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveBloco(t);
    cursor_.avancaAbaixo(kEspacoAposBloco / 2);
}

void LayoutPrevisoes::texto(const QString& t) {
    fonte(d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveBloco(t);
    cursor_.avancaAbaixo(kEspacoAposBloco);
    notaNoTopo_ = false;
}

// A picture as wide as the text column, in the face of the text, on the next page when it
// does not fit here.
template <class Quadro> void LayoutPrevisoes::quadro(const Quadro& q) {
    fonte(d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    const double largura = cursor_.direita() - cursor_.esquerda();
    const double altura = q.altura(cursor_.folha(), largura);
    cursor_.garanteEspaco(altura + kEspacoQuadro);
    q.desenha(cursor_.folha(), cursor_.esquerda(), cursor_.y(), largura);
    cursor_.defineY(cursor_.y() + altura + kEspacoQuadro);
}

} // namespace vidalume
