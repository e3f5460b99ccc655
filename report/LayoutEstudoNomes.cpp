#include "report/LayoutEstudoNomes.h"

#include "composer/DataPorExtenso.h"
#include "report/EscreveTexto.h"
#include "report/LayoutAnalise.h"

#include <algorithm>

namespace vidalume {

const std::array<QString, LayoutEstudoNomes::kColunas> LayoutEstudoNomes::kCabecalhos = {
    QStringLiteral("Nome"),    QStringLiteral("Expr."),   QStringLiteral("Alma"),
    QStringLiteral("Eu Sil."), QStringLiteral("Vogal"),   QStringLiteral("Caract."),
    QStringLiteral("Real."),   QStringLiteral("Harmonia")};

namespace {

constexpr double kEspessuraRegua = 0.3;

} // namespace

LayoutEstudoNomes::LayoutEstudoNomes(Diagramacao diagramacao, double larguraPagina,
                                     double alturaPagina)
    : d_(std::move(diagramacao)), estudo_(d_.estudoNomes.value_or(EstudoNomes())),
      largura_(larguraPagina), altura_(alturaPagina), desenhos_(d_),
      novaPagina_(desenhos_, Configuracao::ligado(d_.configuracao.ImprimirCabecalho)) {}

double LayoutEstudoNomes::esquerda() const {
    return d_.margens.MargemEsquerda + LayoutAnalise::kMargemTexto;
}

double LayoutEstudoNomes::direita() const {
    return largura_ - d_.margens.MargemDireita - LayoutAnalise::kMargemTexto;
}

double LayoutEstudoNomes::limite() const {
    return LayoutAnalise::limiteTexto(altura_, d_.margens);
}

int LayoutEstudoNomes::dispoe(FabricaFolhas& folhas) {
    folhas_ = &folhas;
    if (d_.folhaRosto) {
        desenhos_.DesenhaFolhaRosto(folhas.ProximaFolha());
    }
    atual_ = &folhas.ProximaFolha();
    atual_->EscalaMilimetros();
    y_ = topo() + novaPagina_.inicia(*atual_, largura_, altura_, NovaPagina::PrimeiraPagina);
    abertura();
    tabela();
    for (const CandidatoNome& c : estudo_.candidatos) {
        if (c.aceito) {
            interpretacao(c);
        }
    }
    if (!d_.analise.Aviso.isEmpty()) {
        aviso();
    }
    folhas_ = nullptr;
    atual_ = nullptr;
    return novaPagina_.PaginaAtual();
}

// The life path as a heading, then what the table shows.
void LayoutEstudoNomes::abertura() {
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    escreveBloco(QStringLiteral("Caminho da Vida: Número %1").arg(estudo_.caminhoDaVida),
                 esquerda(), direita());
    avancaAbaixo(LayoutAnalise::kEspacoAposBloco);
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    escreveBloco(
        QStringLiteral("Os nomes abaixo foram calculados para quem nasceu em %1. Um nome está "
                       "em harmonia com o Caminho da Vida quando a sua Expressão é igual a ele "
                       "ou do mesmo grupo: 1, 5 e 7; 2, 4 e 8; 3, 6 e 9. Colunas: Expressão, "
                       "Impulso da Alma, Eu Silencioso, Primeira Vogal, Característica do Nome "
                       "e Número da Realidade.")
            .arg(DataPorExtenso::formata(estudo_.DataNascimento)),
        esquerda(), direita());
    avancaAbaixo(LayoutAnalise::kEspacoAposBloco);
}

void LayoutEstudoNomes::fonteTabela(bool negrito) {
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    atual_->DefineTamanhoFonte(std::min(atual_->TamanhoFonte(), kTamanhoTabela));
    atual_->DefineNegrito(negrito);
    atual_->DefineItalico(false);
}

void LayoutEstudoNomes::tabela() {
    naTabela_ = true;
    cabecalhoTabela();
    for (const CandidatoNome& c : estudo_.candidatos) {
        if (c.aceito) {
            linhaTabela(c.celulas(), false);
        }
    }
    atual_->Retangulo(esquerda(), y_, direita(), y_ + kEspessuraRegua);
    naTabela_ = false;
    avancaAbaixo(LayoutAnalise::kEspacoAposBloco + 2);
}

void LayoutEstudoNomes::cabecalhoTabela() {
    linhaTabela(kCabecalhos, true);
    atual_->Retangulo(esquerda(), y_ - kEspacoLinha, direita(),
                      y_ - kEspacoLinha + kEspessuraRegua);
    y_ += kEspessuraRegua;
}

// One row: the name in as many left-aligned lines as its column needs, every other cell
// centred in its own. A row that does not fit starts on the next page.
void LayoutEstudoNomes::linhaTabela(const std::array<QString, kColunas>& c, bool negrito) {
    fonteTabela(negrito);
    const double alturaLinha = atual_->AlturaTexto(EscreveTexto::kAmostraLinha);
    const double fimNome = direita() - 6 * kLarguraNumero - kLarguraHarmonia;
    const QStringList linhasNome = quebraNome(c[0], fimNome - 2 - esquerda());
    if (!cabe(linhasNome.size() * alturaLinha)) {
        y_ = quebraPagina();
        fonteTabela(negrito);
    }
    double x = fimNome;
    for (int i = 1; i < kColunas; ++i) {
        const double coluna = i == kColunas - 1 ? kLarguraHarmonia : kLarguraNumero;
        atual_->DefineX(x + (coluna - atual_->LarguraTexto(c[i])) / 2);
        atual_->DefineY(y_);
        atual_->Escreve(c[i]);
        x += coluna;
    }
    for (const QString& linha : linhasNome) {
        atual_->DefineX(esquerda());
        atual_->DefineY(y_);
        atual_->Escreve(linha);
        y_ += alturaLinha;
    }
    y_ += kEspacoLinha;
}

// The words of `nome` in lines no wider than `largura` in the current font; a word wider
// than that has a line of its own.
QStringList LayoutEstudoNomes::quebraNome(const QString& nome, double largura) const {
    QStringList linhas;
    QString linha;
    for (const QString& palavra : nome.split(u' ', Qt::SkipEmptyParts)) {
        const QString maior = linha.isEmpty() ? palavra : linha + u' ' + palavra;
        if (!linha.isEmpty() && atual_->LarguraTexto(maior) > largura) {
            linhas << linha;
            linha = palavra;
        } else {
            linha = maior;
        }
    }
    if (!linha.isEmpty() || linhas.isEmpty()) {
        linhas << linha;
    }
    return linhas;
}

void LayoutEstudoNomes::interpretacao(const CandidatoNome& c) {
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    if (!cabe(3 * atual_->AlturaTexto(EscreveTexto::kAmostraLinha))) {
        y_ = quebraPagina();
    }
    escreveBloco(QStringLiteral("%1 - Expressão %2").arg(c.nome).arg(c.expressao), esquerda(),
                 direita());
    avancaAbaixo(LayoutAnalise::kEspacoAposBloco);
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    if (!cabe(atual_->AlturaTexto(EscreveTexto::kAmostraLinha))) {
        y_ = quebraPagina();
    }
    escreveBloco(c.textoExpressao, esquerda(), direita());
    avancaAbaixo(LayoutAnalise::kEspacoAposBloco);
    divisoria();
}

// The closing paragraph, in the font of the explanations, below the last divider.
void LayoutEstudoNomes::aviso() {
    LayoutAnalise::AplicaFonte(*atual_, d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    if (!cabe(atual_->AlturaTexto(EscreveTexto::kAmostraLinha))) {
        y_ = quebraPagina();
    }
    escreveBloco(d_.analise.Aviso, esquerda(), direita());
}

void LayoutEstudoNomes::divisoria() {
    if (!cabe(LayoutAnalise::kAlturaDivisoria + LayoutAnalise::kEspacoAposBloco)) {
        y_ = quebraPagina();
    }
    const Margens& m = d_.margens;
    atual_->PintaFigura(Figura::divisoria(), m.MargemEsquerda + LayoutAnalise::kRecuoDivisoria, y_,
                        largura_ - m.MargemEsquerda - m.MargemDireita -
                            2 * LayoutAnalise::kRecuoDivisoria,
                        LayoutAnalise::kAlturaDivisoria);
    y_ += LayoutAnalise::kAvancoDivisoria;
}

// A block goes on over as many pages as it needs.
void LayoutEstudoNomes::escreveBloco(const QString& texto, double esquerdaBloco,
                                     double direitaBloco) {
    QString resto = texto;
    while (!EscreveTexto::escreve(*atual_, y_, esquerdaBloco, direitaBloco, limite(), resto)) {
        y_ = quebraPagina();
    }
}

// The next block starts below the last line written, `espaco` further down.
void LayoutEstudoNomes::avancaAbaixo(double espaco) {
    y_ = atual_->Y() + atual_->AlturaTexto(EscreveTexto::kAmostraLinha) + espaco;
}

bool LayoutEstudoNomes::cabe(double altura) const {
    return y_ + altura <= limite();
}

// Starts the next page in the font that was in use (and, inside the table, with its column
// headings); returns where its content begins.
double LayoutEstudoNomes::quebraPagina() {
    fonteSalva_.SalvarFontesTela(*atual_);
    atual_ = &folhas_->ProximaFolha();
    atual_->EscalaMilimetros();
    y_ = topo() + novaPagina_.inicia(*atual_, largura_, altura_, NovaPagina::ProximaPagina);
    if (naTabela_) {
        naTabela_ = false;
        cabecalhoTabela();
        naTabela_ = true;
    }
    fonteSalva_.RestaurarFontesTela(*atual_);
    return y_;
}

} // namespace vidalume
