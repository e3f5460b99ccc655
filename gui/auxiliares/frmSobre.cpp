#include "gui/auxiliares/frmSobre.h"

#include "gui/comum/ImagensPrograma.h"
#include "gui/comum/QuadroImagem.h"
#include "settings/PastaDados.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidalume {

namespace {

constexpr int kLarguraTexto = 400;

QLabel* rotulo(const QString& nome, const QString& texto, QWidget* pai) {
    auto* lbl = new QLabel(texto, pai);
    lbl->setObjectName(nome);
    return lbl;
}

QLabel* paragrafo(const QString& nome, const QString& texto, QWidget* pai) {
    auto* lbl = rotulo(nome, texto, pai);
    lbl->setWordWrap(true);
    lbl->setFixedWidth(kLarguraTexto);
    return lbl;
}

} // namespace

const QString frmSobre::kVersao = QStringLiteral(VIDALUME_VERSAO);

frmSobre::frmSobre(const QString& pastaPrograma, TocaSom tocaSom, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSobre"));
    setWindowTitle(QStringLiteral("Sobre o Programa de Vidalume"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    montaControles(pastaPrograma);
    if (tocaSom) {
        tocaSom(QDir(PastaDados::recursos(pastaPrograma)).filePath(QStringLiteral("welcomeb.wav")));
    }
}

void frmSobre::montaControles(const QString& pastaPrograma) {
    auto* imgIcone = new QuadroImagem(QuadroImagem::Modo::Ajustar, this);
    imgIcone->setObjectName(QStringLiteral("imgIcone"));
    imgIcone->setFixedSize(64, 64);
    imgIcone->mostra(ImagensPrograma::caminho(pastaPrograma, QStringLiteral("vidalume")));

    auto* lblNome = rotulo(QStringLiteral("lblNome"), QStringLiteral("Vidalume"), this);
    QFont grande = lblNome->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    grande.setBold(true);
    lblNome->setFont(grande);
    auto* lblVersao =
        rotulo(QStringLiteral("lblVersao"), QStringLiteral("Versão %1").arg(kVersao), this);
    auto* lblDescricao = paragrafo(
        QStringLiteral("lblDescricao"),
        QStringLiteral(
            "Programa de numerologia pitagórica para numerólogos. A partir do nome completo e "
            "da data de nascimento de uma pessoa, o Vidalume calcula o caminho da vida, os "
            "ciclos, as realizações, os desafios, as indicações para a saúde, os números "
            "universais e pessoais e os números do nome, e compõe uma análise numerológica de "
            "até 28 seções, que pode ser lida na tela, impressa ou copiada como texto. Os "
            "textos de interpretação de cada número podem ser reescritos pelo próprio "
            "usuário."),
        this);
    auto* lblLicenca = paragrafo(
        QStringLiteral("lblLicenca"),
        QStringLiteral(
            "Licença de uso: este programa é licenciado, não vendido. Cada licença permite "
            "instalar e usar uma cópia do Vidalume em um computador, para preparar análises "
            "para você e para os seus clientes. Não é permitido copiar, distribuir, alugar ou "
            "modificar o programa sem autorização por escrito. O programa é fornecido no "
            "estado em que se encontra, sem garantias além das previstas em lei.\n\n"
            "© Vidalume. Todos os direitos reservados."),
        this);

    auto* cmdSair = new QPushButton(QStringLiteral("O&k"), this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    cmdSair->setDefault(true);
    connect(cmdSair, &QPushButton::clicked, this, &frmSobre::accept);

    auto* cabeca = new QGridLayout;
    cabeca->addWidget(imgIcone, 0, 0, 2, 1);
    cabeca->addWidget(lblNome, 0, 1);
    cabeca->addWidget(lblVersao, 1, 1);
    cabeca->setColumnStretch(1, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdSair);
    auto* principal = new QVBoxLayout(this);
    principal->setSizeConstraint(QLayout::SetFixedSize);
    principal->setSpacing(12);
    principal->addLayout(cabeca);
    principal->addWidget(lblDescricao);
    principal->addWidget(lblLicenca);
    principal->addLayout(botoes);
}

} // namespace vidalume
