#include "report/LayoutEstudoNomes.h"

#include "composer/DataPorExtenso.h"
#include "report/EscreveTexto.h"
#include "report/LayoutAnalise.h"

#include <algorithm>

namespace vidalume {

namespace {

constexpr double kEspessuraRegua = 0.3;

} // namespace

LayoutEstudoNomes::LayoutEstudoNomes(Diagramacao diagramacao, double larguraPagina,
                                     double alturaPagina)
    : d_(std::move(diagramacao)), estudo_(d_.estudoNomes.value_or(EstudoNomes())),
      cursor_(d_, larguraPagina, alturaPagina) {}

void LayoutEstudoNomes::aplica(const DadosFonte& fonte, const DadosFonte& padrao) {
    LayoutAnalise::AplicaFonte(folha(), fonte, padrao);
}

int LayoutEstudoNomes::dispoe(FabricaFolhas& folhas) {
    cursor_.inicia(folhas);
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
    return cursor_.termina();
}

// The number of the birth date as a heading, then what the table shows, in the words of the
// study's school.
void LayoutEstudoNomes::abertura() {
    const RotulosEstudo& rotulos = estudo_.rotulos();
    aplica(d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    cursor_.escreveTitulo(
        QStringLiteral("%1: Número %2").arg(rotulos.numeroData).arg(estudo_.caminhoDaVida));
    cursor_.avancaAbaixo(CursorPagina::kEspacoAposBloco);
    aplica(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    cursor_.escreveBloco(rotulos.explicacao.arg(DataPorExtenso::formata(estudo_.DataNascimento)));
    cursor_.avancaAbaixo(CursorPagina::kEspacoAposBloco);
}

void LayoutEstudoNomes::fonteTabela(bool negrito) {
    aplica(d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    folha().DefineTamanhoFonte(std::min(folha().TamanhoFonte(), kTamanhoTabela));
    folha().DefineNegrito(negrito);
    folha().DefineItalico(false);
}

// The table; a page break inside it repeats the column headings.
void LayoutEstudoNomes::tabela() {
    cabecalhoTabela();
    cursor_.aoQuebrar([this] { cabecalhoTabela(); });
    for (const CandidatoNome& c : estudo_.candidatos) {
        if (c.aceito) {
            linhaTabela(c.celulas(), false);
        }
    }
    cursor_.aoQuebrar(nullptr);
    const double y = cursor_.y();
    folha().Retangulo(cursor_.esquerda(), y, cursor_.direita(), y + kEspessuraRegua);
    cursor_.avancaAbaixo(CursorPagina::kEspacoAposBloco + 2);
}

void LayoutEstudoNomes::cabecalhoTabela() {
    linhaTabela(estudo_.rotulos().colunas, true);
    const double y = cursor_.y();
    folha().Retangulo(cursor_.esquerda(), y - kEspacoLinha, cursor_.direita(),
                      y - kEspacoLinha + kEspessuraRegua);
    cursor_.defineY(y + kEspessuraRegua);
}

// One row: the name in as many left-aligned lines as its column needs, every other cell
// centred in its own. A row that does not fit starts on the next page.
void LayoutEstudoNomes::linhaTabela(const std::array<QString, kColunas>& c, bool negrito) {
    fonteTabela(negrito);
    const double alturaLinha = cursor_.alturaLinha();
    const double fimNome = cursor_.direita() - 6 * kLarguraNumero - kLarguraHarmonia;
    const QStringList linhasNome = quebraNome(c[0], fimNome - 2 - cursor_.esquerda());
    if (cursor_.garanteEspaco(linhasNome.size() * alturaLinha)) {
        fonteTabela(negrito);
    }
    double y = cursor_.y();
    double x = fimNome;
    for (int i = 1; i < kColunas; ++i) {
        const double coluna = i == kColunas - 1 ? kLarguraHarmonia : kLarguraNumero;
        folha().DefineX(x + (coluna - folha().LarguraTexto(c[i])) / 2);
        folha().DefineY(y);
        folha().Escreve(c[i]);
        x += coluna;
    }
    for (const QString& linha : linhasNome) {
        folha().DefineX(cursor_.esquerda());
        folha().DefineY(y);
        folha().Escreve(linha);
        y += alturaLinha;
    }
    cursor_.defineY(y + kEspacoLinha);
}

// The words of `nome` in lines no wider than `largura` in the current font; a word wider
// than that has a line of its own.
QStringList LayoutEstudoNomes::quebraNome(const QString& nome, double largura) const {
    QStringList linhas;
    QString linha;
    for (const QString& palavra : nome.split(u' ', Qt::SkipEmptyParts)) {
        const QString maior = linha.isEmpty() ? palavra : linha + u' ' + palavra;
        if (!linha.isEmpty() && folha().LarguraTexto(maior) > largura) {
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

// The name's heading keeps at least three lines of room, its text at least one.
// The closing paragraph, in the font of the explanations, below the last divider.
void LayoutEstudoNomes::aviso() {
    aplica(d_.fontes.FonteDescricao, FontesAnalise().FonteDescricao);
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveBloco(d_.analise.Aviso);
}

void LayoutEstudoNomes::interpretacao(const CandidatoNome& c) {
    aplica(d_.fontes.FonteTitulo, FontesAnalise().FonteTitulo);
    const QString titulo = QStringLiteral("%1 - Expressão %2").arg(c.nome).arg(c.expressao);
    cursor_.garanteEspaco(3 * cursor_.alturaLinha());
    cursor_.mantemJunto(cursor_.alturaBloco(titulo) + CursorPagina::kEspacoAposBloco +
                        2 * cursor_.alturaLinha());
    cursor_.escreveTitulo(titulo);
    cursor_.avancaAbaixo(CursorPagina::kEspacoAposBloco);
    aplica(d_.fontes.FonteTexto, FontesAnalise().FonteTexto);
    cursor_.garanteEspaco(cursor_.alturaLinha());
    cursor_.escreveBloco(c.textoExpressao);
    cursor_.avancaAbaixo(CursorPagina::kEspacoAposBloco);
    cursor_.divisoria();
}

} // namespace vidalume
