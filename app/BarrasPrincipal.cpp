#include "app/BarrasPrincipal.h"

#include "gui/auxiliares/DicasBotoes.h"
#include "gui/comum/ImagensPrograma.h"
#include "gui/comum/QuadroImagem.h"
#include "gui/relatorio/frmExibeRelatorio.h"

#include <QLabel>
#include <QPushButton>

namespace vidalume {

namespace {

// The toolbar in its tab order: control name, help name, picture and the name a screen
// reader says.
struct DefinicaoBotao {
    const char* nome;
    const char* ajuda;
    const char* imagem;
    const char16_t* nomeAcessivel;
};
constexpr DefinicaoBotao kBotoes[GeometriaPrincipal::kBotoes] = {
    {"cmdCriaAnalise", "Criar", "criar", u"Nova análise"},
    {"cmdImprimir", "Imprimir", "imprimir", u"Imprimir"},
    {"cmdConfigurarFontes", "Fontes", "fontes", u"Fontes"},
    {"cmdConfiguraPrograma", "ConfigPrograma", "calculos", u"Cálculos e opções"},
    {"cmdAjuda", "Ajuda", "ajuda", u"Ajuda"},
    {"cmdExportar", "Exportar", "exportar", u"Exportar"},
    {"cmdSair", "Sair", "sair", u"Sair"},
};

QuadroImagem* seta(QWidget* pai, const QString& pasta, const char* nome, const char* imagem,
                   const QString& nomeAcessivel, const QString& descricao) {
    auto* quadro = new QuadroImagem(QuadroImagem::Modo::Ajustar, pai);
    quadro->setObjectName(QString::fromLatin1(nome));
    quadro->mostra(ImagensPrograma::caminho(pasta, QString::fromLatin1(imagem)));
    quadro->setCursor(Qt::PointingHandCursor);
    quadro->setAccessibleName(nomeAcessivel);
    quadro->setAccessibleDescription(descricao);
    return quadro;
}

} // namespace

BarrasPrincipal::BarrasPrincipal(QWidget& janela, const QString& pastaPrograma, QObject& filtro) {
    montaFerramentas(janela, pastaPrograma, filtro);
    montaNavegacao(janela, pastaPrograma);
}

void BarrasPrincipal::montaFerramentas(QWidget& janela, const QString& pasta, QObject& filtro) {
    picMenu_ = new QWidget(&janela);
    picMenu_->setObjectName(QStringLiteral("picMenu"));
    picMenu_->setFixedHeight(GeometriaPrincipal::alturaBarraFerramentas());
    picMenu_->setMouseTracking(true);
    picMenu_->installEventFilter(&filtro);
    for (int i = 0; i < GeometriaPrincipal::kBotoes; ++i) {
        auto* botao = new QPushButton(picMenu_);
        botao->setObjectName(QString::fromLatin1(kBotoes[i].nome));
        botao->setProperty("nomeAjuda", QString::fromLatin1(kBotoes[i].ajuda));
        botao->setIcon(ImagensPrograma::icone(pasta, QString::fromLatin1(kBotoes[i].imagem)));
        botao->setIconSize(QSize(32, 32));
        botao->setGeometry(GeometriaPrincipal::botao(i));
        botao->setMouseTracking(true);
        botao->installEventFilter(&filtro);
        // Screen readers get the name and the help sentence; no tooltip would cover the
        // button help window.
        botao->setAccessibleName(QString::fromUtf16(kBotoes[i].nomeAcessivel));
        botao->setAccessibleDescription(DicasBotoes::texto(QString::fromLatin1(kBotoes[i].ajuda)));
        botoes_[i] = botao;
    }
}

void BarrasPrincipal::montaNavegacao(QWidget& janela, const QString& pasta) {
    picRodape_ = new QWidget(&janela);
    picRodape_->setObjectName(QStringLiteral("picRodape"));
    picRodape_->setFixedHeight(GeometriaPrincipal::alturaBarraNavegacao());
    picVolta_ =
        seta(picRodape_, pasta, "picVolta", "volta", QStringLiteral("Página anterior"),
             QStringLiteral("Mostra a página anterior da análise (Ctrl + seta para a esquerda)."));
    picAvanca_ =
        seta(picRodape_, pasta, "picAvanca", "avanca", QStringLiteral("Próxima página"),
             QStringLiteral("Mostra a próxima página da análise (Ctrl + seta para a direita)."));

    lblInfoNavega_ = new QLabel(frmExibeRelatorio::kConvite, picRodape_);
    lblInfoNavega_->setObjectName(QStringLiteral("lblInfoNavega"));
    lblInfoNavega_->setAlignment(Qt::AlignCenter);
    QFont negrito = lblInfoNavega_->font();
    negrito.setBold(true);
    negrito.setPointSize(12);
    lblInfoNavega_->setFont(negrito);
}

void BarrasPrincipal::escreveStatus(const QString& texto) {
    lblInfoNavega_->setText(texto);
}

void BarrasPrincipal::posiciona(int largura) {
    const auto n = GeometriaPrincipal::navegacao(largura, picRodape_->height());
    picVolta_->setGeometry(n.volta);
    lblInfoNavega_->setGeometry(n.info);
    picAvanca_->setGeometry(n.avanca);
}

} // namespace vidalume
