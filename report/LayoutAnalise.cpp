#include "report/LayoutAnalise.h"

#include "composer/TextoExportacao.h"
#include "report/EscreveTexto.h"

namespace vidalume {

namespace {

const QString kAmostraBloco = QStringLiteral("Agê");
const QString kAmostraTexto = QStringLiteral("êGg");

DadosMoldura moldura(const ParametrosLayout& p) {
    return {p.margens, p.linhas, p.NomeAnalise, p.DataNascimento};
}

} // namespace

LayoutAnalise::LayoutAnalise(ParametrosLayout parametros)
    : p_(std::move(parametros)), desenhos_(moldura(p_)),
      novaPagina_(desenhos_, Configuracao::ligado(p_.configuracao.ImprimirCabecalho)) {}

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

int LayoutAnalise::dispoe(const Analise& analise, FabricaFolhas& folhas) {
    folhas_ = &folhas;
    if (p_.folhaRosto) {
        desenhos_.DesenhaFolhaRosto(folhas.ProximaFolha());
    }
    atual_ = &folhas.ProximaFolha();
    atual_->EscalaMilimetros();
    y_ = novaPagina_.inicia(*atual_, p_.larguraPagina, p_.alturaPagina, NovaPagina::PrimeiraPagina);
    for (int k = 1; k <= Configuracao::kTotalCalculos; ++k) {
        if (Configuracao::ligado(p_.selecao[k])) {
            dispoeEntrada(analise, k);
        }
    }
    folhas_ = nullptr;
    atual_ = nullptr;
    return novaPagina_.PaginaAtual();
}

// Explanation (optional), title, interpretation and divider of entry k.
void LayoutAnalise::dispoeEntrada(const Analise& analise, int k) {
    const ItemAnalise& item = analise[k];
    const FontesAnalise& fontes = p_.fontes;
    if (Configuracao::ligado(p_.configuracao.ImprimirDescricao) &&
        item.Descricao.size() >= kMinimoDescricao) {
        AplicaFonte(*atual_, fontes.FonteDescricao, FontesAnalise().FonteDescricao);
        escreveBloco(item.Descricao);
        y_ = atual_->Y() + alturaLinha(kAmostraBloco) + kEspacoAposBloco - topo();
    }
    AplicaFonte(*atual_, fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    quebraPaginaSeNaoCouber();
    escreveBloco(TextoExportacao::tituloComNumero(analise, k, p_.configuracao));
    y_ = atual_->Y() + alturaLinha(kAmostraBloco) + kEspacoAposBloco - topo();

    AplicaFonte(*atual_, fontes.FonteTexto, FontesAnalise().FonteTexto);
    quebraPaginaSeNaoCouber();
    escreveBloco(item.Texto);

    double yDivisoria = atual_->Y() + alturaLinha(kAmostraTexto) + kEspacoAposBloco;
    if (yDivisoria + kEspacoAposBloco > p_.limiteTexto()) {
        yDivisoria = quebraPagina() + topo();
    }
    const Margens& m = p_.margens;
    atual_->PintaFigura(Figura::divisoria(), m.MargemEsquerda + kRecuoDivisoria, yDivisoria,
                        p_.larguraPagina - m.MargemEsquerda - m.MargemDireita - 2 * kRecuoDivisoria,
                        kAlturaDivisoria);
    y_ = yDivisoria + kAvancoDivisoria - topo();
}

// A block goes on over as many pages as it needs.
void LayoutAnalise::escreveBloco(const QString& texto) {
    const double esquerda = p_.margens.MargemEsquerda + kMargemTexto;
    const double direita = p_.larguraPagina - p_.margens.MargemDireita - kMargemTexto;
    QString resto = texto;
    while (
        !EscreveTexto::escreve(*atual_, y_ + topo(), esquerda, direita, p_.limiteTexto(), resto)) {
        y_ = quebraPagina();
    }
}

// A block whose first line would no longer fit above the limit starts on a new page.
void LayoutAnalise::quebraPaginaSeNaoCouber() {
    if (y_ + topo() + alturaLinha(kAmostraBloco) > p_.limiteTexto()) {
        y_ = quebraPagina();
    }
}

// Starts the next page in the font the text was using; returns where its content begins,
// relative to the top margin.
double LayoutAnalise::quebraPagina() {
    fonteSalva_.SalvarFontesTela(*atual_);
    atual_ = &folhas_->ProximaFolha();
    atual_->EscalaMilimetros();
    const double inicio =
        novaPagina_.inicia(*atual_, p_.larguraPagina, p_.alturaPagina, NovaPagina::ProximaPagina);
    fonteSalva_.RestaurarFontesTela(*atual_);
    return inicio;
}

} // namespace vidalume
