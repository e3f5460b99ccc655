#include "report/LayoutAnalise.h"

#include "composer/PartesSecao.h"
#include "report/EscreveTexto.h"
#include "report/QuadrosSecao.h"

namespace vidalume {

namespace {

const QString kAmostraBloco = QStringLiteral("Agê");
const QString kAmostraTexto = QStringLiteral("êGg");

} // namespace

LayoutAnalise::LayoutAnalise(Diagramacao diagramacao, double larguraPagina, double alturaPagina)
    : d_(std::move(diagramacao)), largura_(larguraPagina), altura_(alturaPagina), desenhos_(d_),
      novaPagina_(desenhos_, Configuracao::ligado(d_.configuracao.ImprimirCabecalho)) {}

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
    folhas_ = &folhas;
    if (d_.folhaRosto) {
        desenhos_.DesenhaFolhaRosto(folhas.ProximaFolha());
    }
    atual_ = &folhas.ProximaFolha();
    atual_->EscalaMilimetros();
    y_ = novaPagina_.inicia(*atual_, largura_, altura_, NovaPagina::PrimeiraPagina);
    for (int k = 1; k <= PartesSecao::kUltimaSecao; ++k) {
        if (PartesSecao::mostrada(d_.analise, d_.selecao, d_.opcoesMapa, k)) {
            dispoeEntrada(k);
        }
    }
    folhas_ = nullptr;
    atual_ = nullptr;
    return novaPagina_.PaginaAtual();
}

// Explanation (optional), title, interpretation and divider of entry k.
void LayoutAnalise::dispoeEntrada(int k) {
    const ItemAnalise& item = d_.analise[k];
    const FontesAnalise& fontes = d_.fontes;
    if (PartesSecao::comDescricao(item, d_.configuracao)) {
        AplicaFonte(*atual_, fontes.FonteDescricao, FontesAnalise().FonteDescricao);
        escreveBloco(item.Descricao);
        y_ = atual_->Y() + alturaLinha(kAmostraBloco) + kEspacoAposBloco - topo();
    }
    AplicaFonte(*atual_, fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    quebraPaginaSeNaoCouber();
    escreveBloco(PartesSecao::titulo(d_.analise, k, d_.configuracao));
    y_ = atual_->Y() + alturaLinha(kAmostraBloco) + kEspacoAposBloco - topo();

    AplicaFonte(*atual_, fontes.FonteTexto, FontesAnalise().FonteTexto);
    desenhaQuadro(item.Quadro);
    quebraPaginaSeNaoCouber();
    escreveBloco(item.Texto);

    double yDivisoria = atual_->Y() + alturaLinha(kAmostraTexto) + kEspacoAposBloco;
    if (yDivisoria + kEspacoAposBloco > limiteTexto()) {
        yDivisoria = quebraPagina() + topo();
    }
    const Margens& m = d_.margens;
    atual_->PintaFigura(Figura::divisoria(), m.MargemEsquerda + kRecuoDivisoria, yDivisoria,
                        largura_ - m.MargemEsquerda - m.MargemDireita - 2 * kRecuoDivisoria,
                        kAlturaDivisoria);
    y_ = yDivisoria + kAvancoDivisoria - topo();
}

// A picture starts a new page when it does not fit on this one.
void LayoutAnalise::desenhaQuadro(const QuadroSecao& quadro) {
    const double esquerda = d_.margens.MargemEsquerda + kMargemTexto;
    const double largura = largura_ - d_.margens.MargemDireita - kMargemTexto - esquerda;
    const double altura = QuadrosSecao::altura(quadro, *atual_, largura);
    if (altura <= 0) {
        return;
    }
    if (y_ + topo() + altura > limiteTexto()) {
        y_ = quebraPagina();
    }
    QuadrosSecao::desenha(quadro, *atual_, esquerda, y_ + topo(), largura);
    y_ += altura + kEspacoAposBloco;
}

// A block goes on over as many pages as it needs.
void LayoutAnalise::escreveBloco(const QString& texto) {
    const double esquerda = d_.margens.MargemEsquerda + kMargemTexto;
    const double direita = largura_ - d_.margens.MargemDireita - kMargemTexto;
    QString resto = texto;
    while (!EscreveTexto::escreve(*atual_, y_ + topo(), esquerda, direita, limiteTexto(), resto)) {
        y_ = quebraPagina();
    }
}

// A block whose first line would no longer fit above the limit starts on a new page.
void LayoutAnalise::quebraPaginaSeNaoCouber() {
    if (y_ + topo() + alturaLinha(kAmostraBloco) > limiteTexto()) {
        y_ = quebraPagina();
    }
}

// Starts the next page in the font the text was using; returns where its content begins,
// relative to the top margin.
double LayoutAnalise::quebraPagina() {
    fonteSalva_.SalvarFontesTela(*atual_);
    atual_ = &folhas_->ProximaFolha();
    atual_->EscalaMilimetros();
    const double inicio = novaPagina_.inicia(*atual_, largura_, altura_, NovaPagina::ProximaPagina);
    fonteSalva_.RestaurarFontesTela(*atual_);
    return inicio;
}

} // namespace vidalume
