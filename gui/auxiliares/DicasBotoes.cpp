#include "gui/auxiliares/DicasBotoes.h"

#include <cmath>

namespace vidalume {

QString DicasBotoes::texto(const QString& nomeAjuda) {
    struct Dica {
        const char16_t* nome;
        const char16_t* texto;
    };
    static constexpr Dica kDicas[] = {
        {u"Criar", u"Este botão gera a análise numerológica de uma pessoa."},
        {u"Imprimir", u"Utilize este botão para imprimir a análise atual na impressora."},
        {u"Fontes", u"Configurar a fonte dos textos exibidos na análise."},
        {u"ConfigPrograma", u"Selecionar os números a serem calculados pelo programa."},
        {u"Ajuda", u"Abrir uma janela da internet com a ajuda deste programa."},
        {u"Exportar", u"Cria uma cópia da análise atual na área de transferência."},
        {u"Sair", u"Este botão finaliza o programa de Vidalume."},
    };
    for (const Dica& dica : kDicas) {
        if (nomeAjuda == QStringView(dica.nome)) {
            return QString::fromUtf16(dica.texto);
        }
    }
    return {};
}

QPoint DicasBotoes::posicaoTwips(QPoint janelaTwips, QPoint botaoTwips, int direitaTelaTwips) {
    int esquerda = janelaTwips.x() + botaoTwips.x() + kAfastamentoEsquerda;
    const int topo = janelaTwips.y() + botaoTwips.y() + kAfastamentoTopo;
    if (esquerda + kLarguraTwips > direitaTelaTwips) {
        esquerda = direitaTelaTwips - kLarguraTwips - kFolgaDireita;
    }
    return {esquerda, topo};
}

QRect DicasBotoes::geometria(QPoint janela, QPoint botao, int direitaTela) {
    const QPoint posicao =
        posicaoTwips(janela * kTwipsPorPixel, botao * kTwipsPorPixel, direitaTela * kTwipsPorPixel);
    return {Unidades::pixels(posicao.x()), Unidades::pixels(posicao.y()),
            Unidades::pixels(kLarguraTwips), Unidades::pixels(kAlturaTwips)};
}

} // namespace vidalume
