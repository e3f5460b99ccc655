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
    quadro(QuadroLinhaVida(p_.linhaVida, PrevisoesAno::rotuloIdade(p_.ano)));
    cursor_.divisoria();
    numero(p_.anoUniversal);
    for (const PrevisoesAno::Numero& py : p_.anosPessoais) {
        numero(py);
    }
    titulo(PrevisoesAno::kTituloChaveDias);
    linhasTabela(p_.chaveDias);
}

// Lines in the face of the text at most kTamanhoTabela points, one under the other.
void LayoutPrevisoes::linhasTabela(const QStringList& linhas) {
    fonte(d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    cursor_.folha().DefineTamanhoFonte(std::min(cursor_.folha().TamanhoFonte(), kTamanhoTabela));
    for (const QString& linha : linhas) {
        cursor_.garanteEspaco(cursor_.alturaLinha());
        cursor_.escreveBloco(linha);
        cursor_.avancaAbaixo(0);
    }
}

// A month starts on a page of its own; a page it goes on to repeats its heading.
void LayoutPrevisoes::mes(const PrevisoesAno::Mes& m) {
    cursor_.aoQuebrar(nullptr);
    cursor_.quebraPagina();
    titulo(m.titulo);
    cursor_.aoQuebrar([this, m] { continuacao(m.titulo); });
    numero(m.mesUniversal);
    for (const PrevisoesAno::Numero& pm : m.mesesPessoais) {
        numero(pm);
    }
    quadro(QuadroCalendario(m.calendario));
    // The calendar reads the same every month: its key stands under the first one only.
    if (&m == &p_.meses.first()) {
        nota(kLegendaCalendario);
    }
    linhasTabela(m.tabelaDias);
    cursor_.aoQuebrar(nullptr);
}

// The top of a page a month goes on to: the month's heading.
void LayoutPrevisoes::continuacao(const QString& tituloMes) {
    fonte(d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    cursor_.escreveTitulo(tituloMes + QStringLiteral(" (continuação)"));
    cursor_.avancaAbaixo(kEspacoAposBloco / 2);
}

// A number's title and its text.
void LayoutPrevisoes::numero(const PrevisoesAno::Numero& n) {
    titulo(n.titulo);
    texto(n.texto);
}

void LayoutPrevisoes::titulo(const QString& t) {
    fonte(d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    // A title is kept with at least two lines of what follows it, and never stretched.
    cursor_.garanteEspaco(3 * cursor_.alturaLinha());
    cursor_.mantemJunto(cursor_.alturaBloco(t) + kEspacoAposBloco / 2 + 2 * cursor_.alturaLinha());
    cursor_.escreveTitulo(t);
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
