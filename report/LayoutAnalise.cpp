#include "report/LayoutAnalise.h"

#include "composer/PartesSecao.h"
#include "report/EscreveTexto.h"
#include "report/QuadrosSecao.h"

namespace vidalume {

LayoutAnalise::LayoutAnalise(Diagramacao diagramacao, double larguraPagina, double alturaPagina)
    : d_(std::move(diagramacao)), cursor_(d_, larguraPagina, alturaPagina) {}

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
    for (int k = 1; k <= PartesSecao::kUltimaSecao; ++k) {
        if (PartesSecao::mostrada(d_.analise, d_.selecao, d_.opcoesMapa, k)) {
            dispoeEntrada(k);
        }
    }
    if (!d_.analise.Aviso.isEmpty()) {
        dispoeAviso();
    }
    return cursor_.termina();
}

// The closing paragraph, in the font of the explanations, below the last divider.
void LayoutAnalise::dispoeAviso() {
    aplica(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveBloco(d_.analise.Aviso);
}

// Explanation (optional), title, note (see PartesSecao::nota), picture, interpretation and
// divider of entry k. A title or a text whose first line would no longer fit above the limit
// starts on a new page; a title goes with its picture.
void LayoutAnalise::dispoeEntrada(int k) {
    const ItemAnalise& item = d_.analise[k];
    const FontesAnalise& fontes = d_.fontes;
    if (PartesSecao::comDescricao(item, d_.configuracao)) {
        aplica(fontes.FonteDescricao, FontesAnalise().FonteDescricao);
        cursor_.escreveBloco(item.Descricao);
        cursor_.avancaAbaixo(kEspacoAposBloco);
    }
    aplica(fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    const double quadro = alturaQuadro(item.Quadro);
    cursor_.garanteEspaco(cursor_.alturaLinha() + (quadro > 0 ? kEspacoAposBloco + quadro : 0));
    cursor_.escreveBloco(PartesSecao::titulo(d_.analise, k, d_.configuracao));
    cursor_.avancaAbaixo(kEspacoAposBloco);
    if (const QString nota = PartesSecao::nota(k, d_.inicioAnoPessoal); !nota.isEmpty()) {
        aplica(fontes.FonteDescricao, FontesAnalise().FonteDescricao);
        cursor_.garanteEspaco(cursor_.alturaLinha());
        cursor_.escreveBloco(nota);
        cursor_.avancaAbaixo(kEspacoAposBloco);
    }

    aplica(fontes.FonteTexto, FontesAnalise().FonteTexto);
    desenhaQuadro(item.Quadro);
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveBloco(item.Texto);
    cursor_.avancaAbaixo(kEspacoAposBloco);
    cursor_.divisoria();
}

double LayoutAnalise::alturaQuadro(const QuadroSecao& quadro) const {
    return QuadrosSecao::altura(quadro, cursor_.folha(), cursor_.direita() - cursor_.esquerda());
}

// A picture is never cut across pages: it starts a new one when it does not fit.
void LayoutAnalise::desenhaQuadro(const QuadroSecao& quadro) {
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
