#include "report/LayoutAnalise.h"

#include "composer/PartesSecao.h"
#include "composer/TextosRepetidos.h"
#include "report/EscreveTexto.h"
#include "report/QuadrosSecao.h"

#include <algorithm>

namespace vidalume {

namespace {

// The pages show a repeated text once, as the export does.
Diagramacao semRepeticoes(Diagramacao d) {
    d.analise = TextosRepetidos::resume(std::move(d.analise), d.selecao, d.opcoesMapa);
    return d;
}

} // namespace

LayoutAnalise::LayoutAnalise(Diagramacao diagramacao, double larguraPagina, double alturaPagina)
    : d_(semRepeticoes(std::move(diagramacao))), cursor_(d_, larguraPagina, alturaPagina) {}

void LayoutAnalise::AplicaFonte(SuperficieDesenho& destino, const DadosFonte& fonte) {
    if (const QString nome = fonte.nomeAparado(); !nome.isEmpty()) {
        destino.DefineNomeFonte(nome);
    }
    if (const int tamanho = fonte.tamanhoDesenho(); tamanho > 0) {
        destino.DefineTamanhoFonte(tamanho);
    }
    destino.DefineItalico(fonte.italico());
    destino.DefineNegrito(fonte.negrito());
}

void LayoutAnalise::AplicaFonte(SuperficieDesenho& destino, const DadosFonte& fonte,
                                const DadosFonte& padrao) {
    DadosFonte efetiva = fonte;
    if (fonte.nomeAparado().isEmpty()) {
        efetiva.Nome = padrao.Nome;
    }
    if (fonte.Tamanho < 1) {
        efetiva.Tamanho = padrao.Tamanho;
    }
    AplicaFonte(destino, efetiva);
}

int LayoutAnalise::dispoe(FabricaFolhas& folhas) {
    cursor_.inicia(folhas);
    if (!d_.analise.Abertura.isEmpty()) {
        // The opening paragraph, in the font of the explanations, above a divider.
        aplica(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
        cursor_.escreveBloco(d_.analise.Abertura);
        cursor_.avancaAbaixo(kEspacoAposBloco);
        cursor_.divisoria();
    }
    int ultima = 0;
    for (int k = 1; k <= PartesSecao::kUltimaSecao; ++k) {
        if (PartesSecao::mostrada(d_.analise, d_.selecao, d_.opcoesMapa, k)) {
            ultima = k;
        }
    }
    for (int k = 1; k <= ultima; ++k) {
        if (PartesSecao::mostrada(d_.analise, d_.selecao, d_.opcoesMapa, k)) {
            dispoeEntrada(k, k == ultima ? alturaAviso() : 0);
        }
    }
    if (!d_.analise.Aviso.isEmpty()) {
        dispoeAviso();
    }
    return cursor_.termina();
}

// The room the closing paragraph needs below the last line of the last section: the space
// and the divider between them, then the paragraph as the writer fits it (its last line may
// start up to one line above the limit, its first one needs a whole line). None without it.
double LayoutAnalise::alturaAviso() {
    if (d_.analise.Aviso.isEmpty()) {
        return 0;
    }
    aplica(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    const double linha = cursor_.alturaLinha();
    return kEspacoAposBloco + kAvancoDivisoria +
           std::max(cursor_.alturaBloco(d_.analise.Aviso) - linha, linha);
}

// The closing paragraph, in the font of the explanations, below the last divider.
void LayoutAnalise::dispoeAviso() {
    aplica(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveBloco(d_.analise.Aviso);
}

// Explanation (optional), title, note (see PartesSecao::nota), picture, interpretation and
// divider of entry k. The explanation, the title, the note, the picture and the first lines
// of the text go on one page when they fit on one; otherwise the title still goes with its
// note, its picture and the first lines of the text. Titles are never stretched. `cauda` is
// the room what follows the last section needs (see alturaAviso): its last lines go with it.
void LayoutAnalise::dispoeEntrada(int k, double cauda) {
    const ItemAnalise& item = d_.analise[k];
    const FontesAnalise& fontes = d_.fontes;
    const bool comDescricao = PartesSecao::comDescricao(item, d_.configuracao);
    const QString titulo = PartesSecao::titulo(d_.analise, k, d_.configuracao);
    const QString nota = PartesSecao::nota(k, d_.inicioAnoPessoal);

    aplica(fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    const double descricao =
        comDescricao ? cursor_.alturaBloco(item.Descricao) + kEspacoAposBloco : 0;
    const double alturaNota = nota.isEmpty() ? 0 : cursor_.alturaBloco(nota) + kEspacoAposBloco;
    aplica(fontes.FonteTexto, FontesAnalise().FonteTexto);
    const double quadro = alturaQuadro(item.Quadro);
    // A text no longer than the lines kept with the title takes what follows it along too.
    const bool textoCurto =
        cursor_.alturaBloco(item.Texto) <= kLinhasComTitulo * cursor_.alturaLinha();
    const double aposTitulo = alturaNota + (quadro > 0 ? quadro + kEspacoAposBloco : 0) +
                              kLinhasComTitulo * cursor_.alturaLinha() + (textoCurto ? cauda : 0);
    aplica(fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    const double cabecalho = cursor_.alturaBloco(titulo) + kEspacoAposBloco + aposTitulo;

    if (comDescricao) {
        cursor_.mantemJunto(descricao + cabecalho);
        aplica(fontes.FonteDescricao, FontesAnalise().FonteDescricao);
        cursor_.escreveBloco(item.Descricao);
        cursor_.avancaAbaixo(kEspacoAposBloco);
        aplica(fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    }
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.mantemJunto(cabecalho);
    cursor_.escreveTitulo(titulo);
    cursor_.avancaAbaixo(kEspacoAposBloco);
    if (!nota.isEmpty()) {
        aplica(fontes.FonteDescricao, FontesAnalise().FonteDescricao);
        cursor_.garanteEspaco(cursor_.alturaLinha());
        cursor_.escreveBloco(nota);
        cursor_.avancaAbaixo(kEspacoAposBloco);
    }

    aplica(fontes.FonteTexto, FontesAnalise().FonteTexto);
    desenhaQuadro(item.Quadro);
    for (const QuadroSecao& seguinte : item.QuadrosSeguintes) {
        desenhaQuadro(seguinte);
    }
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveComSubtitulos(item.Texto, kLinhasComTitulo, cauda);
    cursor_.avancaAbaixo(kEspacoAposBloco);
    cursor_.divisoria();
}

double LayoutAnalise::alturaQuadro(const QuadroSecao& quadro) const {
    return QuadrosSecao::altura(quadro, cursor_.folha(), cursor_.direita() - cursor_.esquerda());
}

// A picture is never cut across pages: it starts a new one when it does not fit. A letter
// chart taller than a page goes in bands of rows, each on a page.
void LayoutAnalise::desenhaQuadro(const QuadroSecao& quadro) {
    for (const QuadroSecao& parte :
         QuadrosSecao::partes(quadro, cursor_.folha(), cursor_.direita() - cursor_.esquerda(),
                              cursor_.alturaUtil())) {
        desenhaQuadroInteiro(parte);
    }
}

void LayoutAnalise::desenhaQuadroInteiro(const QuadroSecao& quadro) {
    const double altura = alturaQuadro(quadro);
    if (altura <= 0) {
        return;
    }
    cursor_.garanteEspaco(altura);
    QuadrosSecao::desenha(quadro, cursor_.folha(), cursor_.esquerda(), cursor_.y(),
                          cursor_.direita() - cursor_.esquerda());
    cursor_.defineY(cursor_.y() + altura + kEspacoAposBloco);
}

} // namespace vidalume
