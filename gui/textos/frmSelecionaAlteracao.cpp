#include "gui/textos/frmSelecionaAlteracao.h"

#include "composer/AvisoFinal.h"
#include "gui/comum/BotaoJanela.h"
#include "gui/comum/Mensagens.h"
#include "gui/textos/frmAlteraForm.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/EscolhaTexto.h"
#include "texts/TabelaSecoes.h"
#include "texts/TextosAvulsos.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vidalume {

frmSelecionaAlteracao::frmSelecionaAlteracao(const QString& pastaPrograma, Mensagens& mensagens,
                                             QWidget* parent)
    : QDialog(parent), pastaPrograma_(pastaPrograma), mensagens_(mensagens) {
    setObjectName(QStringLiteral("frmSelecionaAlteracao"));
    setWindowTitle(QStringLiteral("Informe o texto a ser alterado..."));
    montaControles();
    PreencheCombo();
    optNumeros_[1]->setChecked(true);
}

frmSelecionaAlteracao::~frmSelecionaAlteracao() = default;

void frmSelecionaAlteracao::montaControles() {
    lblInfo_ = new QLabel(QStringLiteral("Selecione abaixo o item onde está localizado o texto "
                                         "que você desja alterar:"),
                          this);
    lblInfo_->setObjectName(QStringLiteral("lblInfo"));
    cmbItem_ = new QComboBox(this);
    cmbItem_->setObjectName(QStringLiteral("cmbItem"));
    cmbItem_->setMaxVisibleItems(kItemAviso);
    connect(cmbItem_, &QComboBox::currentIndexChanged, this, &frmSelecionaAlteracao::cmbItem_Click);

    frmInfo_ = new QGroupBox(QStringLiteral("Selecione o número que corresponde ao texto que "
                                            "você deseja alterar:"),
                             this);
    frmInfo_->setObjectName(QStringLiteral("frmInfo"));
    grupoNumeros_ = new QButtonGroup(this);
    auto* grade = new QGridLayout(frmInfo_);
    // Numbers 1 to 9 in three columns, then the number 0 that a few sections use.
    for (int numero = 0; numero <= EscolhaTexto::kMaiorNumero; ++numero) {
        auto* opt = new QRadioButton(EscolhaTexto::legenda(1, numero), frmInfo_);
        opt->setObjectName(QStringLiteral("optNumeros_%1").arg(numero));
        grupoNumeros_->addButton(opt, numero);
        optNumeros_[numero] = opt;
        if (numero == 0) {
            grade->addWidget(opt, 3, 0);
        } else {
            grade->addWidget(opt, (numero - 1) % 3, (numero - 1) / 3);
        }
    }

    fraPares_ = new QGroupBox(QStringLiteral("Selecione o par de números que corresponde ao "
                                             "texto que você deseja alterar:"),
                              this);
    fraPares_->setObjectName(QStringLiteral("fraPares"));
    cmbPar_ = new QComboBox(fraPares_);
    cmbPar_->setObjectName(QStringLiteral("cmbPar"));
    cmbPar_->addItems(EscolhaTexto::paresCompatibilidade());
    cmbPar_->setMaxVisibleItems(9);
    auto* linhaPar = new QHBoxLayout(fraPares_);
    linhaPar->addWidget(cmbPar_);
    linhaPar->addStretch();
    fraPares_->hide();

    fraRegistros_ =
        new QGroupBox(QStringLiteral("Selecione o texto que você deseja alterar:"), this);
    fraRegistros_->setObjectName(QStringLiteral("fraRegistros"));
    cmbRegistro_ = new QComboBox(fraRegistros_);
    cmbRegistro_->setObjectName(QStringLiteral("cmbRegistro"));
    cmbRegistro_->setMaxVisibleItems(22);
    cmbRegistro_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* linhaRegistro = new QHBoxLayout(fraRegistros_);
    linhaRegistro->addWidget(cmbRegistro_);
    linhaRegistro->addStretch();
    fraRegistros_->hide();

    cmdAlterarTexto_ = BotaoJanela::cria(QStringLiteral("cmdAlterarTexto"),
                                         QStringLiteral("A&lterar Texto"), this);
    cmdAlterarTexto_->setDefault(true);
    cmdAlterarHeader_ = BotaoJanela::cria(QStringLiteral("cmdAlterarHeader"),
                                          QStringLiteral("Alterar o &Cabeçalho"), this);
    cmdRetornar_ = BotaoJanela::cria(QStringLiteral("cmdRetornar"),
                                     QStringLiteral("Retorna&r ao Programa"), this);
    connect(cmdAlterarTexto_, &QPushButton::clicked, this,
            &frmSelecionaAlteracao::cmdAlterarTexto_Click);
    connect(cmdAlterarHeader_, &QPushButton::clicked, this,
            &frmSelecionaAlteracao::cmdAlterarHeader_Click);
    connect(cmdRetornar_, &QPushButton::clicked, this, &frmSelecionaAlteracao::reject);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdAlterarTexto_);
    botoes->addWidget(cmdAlterarHeader_);
    botoes->addStretch();
    botoes->addWidget(cmdRetornar_);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(lblInfo_);
    principal->addWidget(cmbItem_);
    principal->addWidget(frmInfo_);
    principal->addWidget(fraPares_);
    principal->addWidget(fraRegistros_);
    // The dialog keeps the size of the number buttons; a smaller choice leaves the room below.
    principal->addStretch(1);
    principal->addLayout(botoes);
}

void frmSelecionaAlteracao::PreencheCombo() {
    cmbItem_->clear();
    for (int k = 1; k <= TabelaSecoes::kUltima; ++k) {
        cmbItem_->addItem(QString::fromUtf16(TabelaSecoes::secao(k).titulo));
    }
    cmbItem_->addItem(EscolhaTexto::kTituloCompatibilidade);
    cmbItem_->addItem(EscolhaTexto::kTituloAviso);
    for (const TextoAvulso& t : TextosAvulsos::lista()) {
        cmbItem_->addItem(t.titulo);
    }
    cmbItem_->setCurrentIndex(0);
}

int frmSelecionaAlteracao::itemSelecionado() const {
    return cmbItem_->currentIndex() + 1;
}

int frmSelecionaAlteracao::numeroSelecionado() const {
    return grupoNumeros_->checkedId();
}

int frmSelecionaAlteracao::parSelecionado() const {
    return cmbPar_->currentIndex() + 1;
}

int frmSelecionaAlteracao::registroSelecionado() const {
    return cmbRegistro_->currentIndex() + 1;
}

int frmSelecionaAlteracao::avulsoSelecionado() const {
    const int indice = itemSelecionado() - kPrimeiroAvulso;
    return indice >= 0 && indice < TextosAvulsos::lista().size() ? indice : -1;
}

// Offers only the numbers whose records the selected section reads; a number that goes
// away gives its place to the number 1.
void frmSelecionaAlteracao::cmbItem_Click() {
    const int item = itemSelecionado();
    // The compatibility texts are chosen by a pair of numbers, the sections by a number.
    // The closing paragraph is one text: neither a number nor a pair to choose. The files
    // outside the sections are chosen by the label of each record.
    const bool pares = item == kItemCompatibilidade;
    const int avulso = avulsoSelecionado();
    fraPares_->setVisible(pares);
    fraRegistros_->setVisible(avulso >= 0);
    frmInfo_->setVisible(!pares && item != kItemAviso && avulso < 0);
    if (avulso >= 0) {
        cmbRegistro_->clear();
        cmbRegistro_->addItems(TextosAvulsos::lista()[avulso].rotulos);
        return;
    }
    if (pares || item == kItemAviso) {
        return;
    }
    for (int numero = 0; numero <= EscolhaTexto::kMaiorNumero; ++numero) {
        optNumeros_[numero]->setEnabled(EscolhaTexto::numeroDisponivel(item, numero));
        optNumeros_[numero]->setText(EscolhaTexto::legenda(item, numero));
    }
    const int numero = numeroSelecionado();
    if (numero >= 0 && !optNumeros_[numero]->isEnabled()) {
        optNumeros_[1]->setChecked(true);
    }
}

std::unique_ptr<frmAlteraForm> frmSelecionaAlteracao::preparaAlteracaoTexto() {
    const ArquivoInterpretacao arquivos(pastaPrograma_);
    if (itemSelecionado() == kItemAviso) {
        return std::make_unique<frmAlteraForm>(pastaPrograma_, EscolhaTexto::aviso(),
                                               AvisoFinal::texto(arquivos), mensagens_, this);
    }
    if (const int avulso = avulsoSelecionado(); avulso >= 0) {
        const auto alvo = TextosAvulsos::escolha(avulso, registroSelecionado());
        if (!alvo) {
            return nullptr;
        }
        return std::make_unique<frmAlteraForm>(
            pastaPrograma_, *alvo, TextosAvulsos::le(arquivos, *alvo), mensagens_, this);
    }
    std::optional<TextoEscolhido> alvo;
    if (itemSelecionado() == kItemCompatibilidade) {
        alvo = EscolhaTexto::compatibilidadeDaOpcao(parSelecionado());
    } else {
        alvo = EscolhaTexto::interpretacao(itemSelecionado(), numeroSelecionado());
    }
    if (!alvo) {
        return nullptr;
    }
    return std::make_unique<frmAlteraForm>(
        pastaPrograma_, *alvo, arquivos.LeTextoInterpretacao(alvo->registro, alvo->arquivo),
        mensagens_, this);
}

std::unique_ptr<frmAlteraForm> frmSelecionaAlteracao::preparaAlteracaoCabecalho() {
    const auto alvo = EscolhaTexto::cabecalho(itemSelecionado());
    QString texto;
    if (alvo) {
        texto = ArquivoInterpretacao(pastaPrograma_)
                    .LeTextoInterpretacao(alvo->registro, alvo->arquivo);
    }
    if (!alvo || !EscolhaTexto::cabecalhoEditavel(texto)) {
        mensagens_.informa(this, QStringLiteral("Erro:"), EscolhaTexto::kSemCabecalho,
                           Mensagens::Icone::Critico);
        return nullptr;
    }
    return std::make_unique<frmAlteraForm>(pastaPrograma_, *alvo, texto, mensagens_, this);
}

void frmSelecionaAlteracao::cmdAlterarTexto_Click() {
    exibe(preparaAlteracaoTexto());
}

void frmSelecionaAlteracao::cmdAlterarHeader_Click() {
    exibe(preparaAlteracaoCabecalho());
}

void frmSelecionaAlteracao::exibe(std::unique_ptr<frmAlteraForm> edicao) {
    if (edicao) {
        edicao->exec();
    }
}

} // namespace vidalume
