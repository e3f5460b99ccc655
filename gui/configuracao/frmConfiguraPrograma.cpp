#include "gui/configuracao/frmConfiguraPrograma.h"

#include "gui/comum/Mensagens.h"
#include "gui/configuracao/BotoesOkCancela.h"
#include "gui/configuracao/frmHarmonia.h"
#include "gui/configuracao/frmSecoesCabalisticas.h"
#include "texts/TabelaSecoes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vidalume {

const QString frmConfiguraPrograma::kMensagemNenhumCalculo = QStringLiteral(
    "Impossível prosseguir sem que haja ao menos um cálculo a ser executado pelo programa. "
    "Marque pelo menos um cálculo e então repita a operação.");

namespace {

constexpr int kLinhasPorColuna = 14;
constexpr int kDistanciaCaixas = 18; // 270 twips

QCheckBox* caixa(const QString& nome, const QString& legenda, QWidget* pai) {
    auto* c = new QCheckBox(legenda, pai);
    c->setObjectName(nome);
    return c;
}

} // namespace

frmConfiguraPrograma::frmConfiguraPrograma(Configuracao& configuracao,
                                           Configuracao::Selecao& calculosSelecionados,
                                           OpcoesMapa& opcoesMapa, Mensagens& mensagens,
                                           QWidget* parent, TabelaHarmonia* harmonia)
    : QDialog(parent), configuracao_(configuracao), calculosSelecionados_(calculosSelecionados),
      opcoesMapa_(opcoesMapa), harmonia_(harmonia),
      harmoniaEditada_(harmonia != nullptr ? *harmonia : TabelaHarmonia::padrao()),
      mensagens_(mensagens) {
    setObjectName(QStringLiteral("frmConfiguraPrograma"));
    setWindowTitle(QStringLiteral("Configuração..."));
    setModal(true);
    montaControles();
    Form_Load();
}

void frmConfiguraPrograma::montaControles() {
    auto* fraFundo = new QGroupBox(
        QStringLiteral("Marque abaixo os números que deverão ser calculados em cada análise:"),
        this);
    fraFundo->setObjectName(QStringLiteral("fraFundo"));
    auto* grade = new QGridLayout(fraFundo);
    grade->setVerticalSpacing(0);
    grade->setHorizontalSpacing(24);
    for (int i = 0; i < OpcoesMapa::kUltimaSecao; ++i) {
        const QString legenda = QString::fromUtf16(TabelaSecoes::secao(i + 1).legenda);
        chkInterpretacoes_[i] =
            caixa(QStringLiteral("chkInterpretacoes_%1").arg(i), legenda, fraFundo);
        chkInterpretacoes_[i]->setMinimumHeight(kDistanciaCaixas);
        grade->addWidget(chkInterpretacoes_[i], i % kLinhasPorColuna, i / kLinhasPorColuna);
    }

    auto* fraTendencias = new QGroupBox(
        QStringLiteral("Um número forma uma Tendência Oculta quando se repete no nome:"), this);
    fraTendencias->setObjectName(QStringLiteral("fraTendencias"));
    optLimite3_ = new QRadioButton(QStringLiteral("&3 vezes ou mais"), fraTendencias);
    optLimite3_->setObjectName(QStringLiteral("optLimiteTendencias_3"));
    optLimite4_ = new QRadioButton(QStringLiteral("&4 vezes ou mais"), fraTendencias);
    optLimite4_->setObjectName(QStringLiteral("optLimiteTendencias_4"));
    auto* linhaTendencias = new QHBoxLayout(fraTendencias);
    linhaTendencias->addWidget(optLimite3_);
    linhaTendencias->addWidget(optLimite4_);
    linhaTendencias->addStretch();

    chkImprimirDescricao_ = caixa(QStringLiteral("chkImprimirDescricao"),
                                  QStringLiteral("Imprimir comentário sobre o significado de cada "
                                                 "cálculo antes da sua interpretação"),
                                  this);
    chkImprimirNumero_ = caixa(
        QStringLiteral("chkImprimirNumero"),
        QStringLiteral("Imprimir o resultado do cálculo de cada análise ao lado do título"), this);
    chkImprimirCabecalho_ =
        caixa(QStringLiteral("chkImprimirCabecalho"),
              QStringLiteral("Imprimir o cabeçalho em todas as folhas da análise"), this);
    chkTextosRepetidos_ = caixa(
        QStringLiteral("chkTextosRepetidos"),
        QStringLiteral("Repetir o texto inteiro quando um número volta em outra posição"), this);
    chkEscutarSons_ = caixa(QStringLiteral("chkEscutarSons"),
                            QStringLiteral("Tocar sons durante a execução do programa"), this);

    cmbInicioAnoPessoal_ = new QComboBox(this);
    cmbInicioAnoPessoal_->setObjectName(QStringLiteral("cmbInicioAnoPessoal"));
    cmbInicioAnoPessoal_->addItems(
        {QStringLiteral("1º de janeiro"), QStringLiteral("cada aniversário")});
    auto* linhaInicio = new QFormLayout;
    linhaInicio->addRow(QStringLiteral("O ano pessoal começa em"), cmbInicioAnoPessoal_);

    auto* botoes = new BotoesOkCancela(this);
    connect(botoes->ok(), &QPushButton::clicked, this, &frmConfiguraPrograma::cmdOk_Click);
    connect(botoes->cancela(), &QPushButton::clicked, this, &QDialog::reject);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(fraFundo);
    principal->addWidget(fraTendencias);
    principal->addWidget(chkImprimirDescricao_);
    principal->addWidget(chkImprimirNumero_);
    principal->addWidget(chkImprimirCabecalho_);
    principal->addWidget(chkTextosRepetidos_);
    principal->addWidget(chkEscutarSons_);
    principal->addLayout(linhaInicio);
    principal->addWidget(montaEscola());
    principal->addWidget(botoes);
}

// The school of the analyses and the four points on which teachers of the cabalística school
// differ.
QGroupBox* frmConfiguraPrograma::montaEscola() {
    auto* fraEscola = new QGroupBox(QStringLiteral("Escola de cálculo"), this);
    fraEscola->setObjectName(QStringLiteral("fraEscola"));
    const auto lista = [fraEscola](const char* nome, const QStringList& itens) {
        auto* cmb = new QComboBox(fraEscola);
        cmb->setObjectName(QString::fromLatin1(nome));
        cmb->addItems(itens);
        return cmb;
    };
    cmbEscola_ = lista("cmbEscola", {QStringLiteral("Pitagórica"), QStringLiteral("Cabalística")});
    cmbDividas_ =
        lista("cmbDividas", {QStringLiteral("pelo número final"), QStringLiteral("pelas somas")});
    cmbCiclo_ = lista("cmbCiclo", {QStringLiteral("36 − Destino"), QStringLiteral("37 − Destino")});
    cmbValorX_ = lista("cmbValorX", {QStringLiteral("6"), QStringLiteral("4")});
    cmbLicoes_ = lista("cmbLicoes", {QStringLiteral("de 1 a 9"), QStringLiteral("de 1 a 8")});
    auto* formulario = new QFormLayout(fraEscola);
    formulario->addRow(QStringLiteral("&Escola das análises:"), cmbEscola_);
    formulario->addRow(QStringLiteral("Cabalística — dívidas cármicas:"), cmbDividas_);
    formulario->addRow(QStringLiteral("Cabalística — o primeiro ciclo termina aos:"), cmbCiclo_);
    formulario->addRow(QStringLiteral("Cabalística — a letra X vale:"), cmbValorX_);
    formulario->addRow(QStringLiteral("Cabalística — lições cármicas:"), cmbLicoes_);
    auto* cmdSecoes = new QPushButton(QStringLiteral("Seções do &mapa cabalístico..."), fraEscola);
    cmdSecoes->setObjectName(QStringLiteral("cmdSecoesCabalisticas"));
    connect(cmdSecoes, &QPushButton::clicked, this, [this] {
        OpcoesMapa editadas = opcoesMapa_;
        editadas.secoesCabalisticasOcultas = secoesCabalisticasOcultas_;
        frmSecoesCabalisticas dialogo(editadas, this);
        if (dialogo.exec() == QDialog::Accepted) {
            secoesCabalisticasOcultas_ = dialogo.aplicadas(editadas).secoesCabalisticasOcultas;
        }
    });
    formulario->addRow(QString(), cmdSecoes);
    if (harmonia_ != nullptr) {
        auto* cmdHarmonia = new QPushButton(QStringLiteral("&Tabela de harmonia..."), fraEscola);
        cmdHarmonia->setObjectName(QStringLiteral("cmdHarmonia"));
        connect(cmdHarmonia, &QPushButton::clicked, this, [this] {
            frmHarmonia dialogo(harmoniaEditada_, this);
            if (dialogo.exec() == QDialog::Accepted) {
                harmoniaEditada_ = dialogo.tabela();
            }
        });
        formulario->addRow(QString(), cmdHarmonia);
    }
    return fraEscola;
}

void frmConfiguraPrograma::Form_Load() {
    for (int i = 0; i < Configuracao::kTotalCalculos; ++i) {
        chkInterpretacoes_[i]->setChecked(Configuracao::ligado(calculosSelecionados_[i + 1]));
    }
    for (int k = OpcoesMapa::kPrimeiraSecao; k <= OpcoesMapa::kUltimaSecao; ++k) {
        chkInterpretacoes_[k - 1]->setChecked(opcoesMapa_.secaoAtiva(k));
    }
    (opcoesMapa_.limiteTendencias == 3 ? optLimite3_ : optLimite4_)->setChecked(true);
    chkImprimirCabecalho_->setChecked(Configuracao::ligado(configuracao_.ImprimirCabecalho));
    chkImprimirDescricao_->setChecked(Configuracao::ligado(configuracao_.ImprimirDescricao));
    chkImprimirNumero_->setChecked(Configuracao::ligado(configuracao_.ImprimirNumero));
    chkEscutarSons_->setChecked(Configuracao::ligado(configuracao_.EscutarSons));
    chkTextosRepetidos_->setChecked(opcoesMapa_.textosRepetidosInteiros);
    cmbInicioAnoPessoal_->setCurrentIndex(
        opcoesMapa_.inicioAnoPessoal == InicioAnoPessoal::Aniversario ? 1 : 0);
    const VariantesCabalistica& v = opcoesMapa_.variantes;
    cmbEscola_->setCurrentIndex(opcoesMapa_.escola == EscolaCalculo::Cabalistica ? 1 : 0);
    cmbDividas_->setCurrentIndex(v.dividas == VariantesCabalistica::Dividas::PelasSomas ? 1 : 0);
    cmbCiclo_->setCurrentIndex(v.fimPrimeiroCiclo == 37 ? 1 : 0);
    cmbValorX_->setCurrentIndex(v.valorX == 4 ? 1 : 0);
    cmbLicoes_->setCurrentIndex(v.ultimaLicao == 8 ? 1 : 0);
    secoesCabalisticasOcultas_ = opcoesMapa_.secoesCabalisticasOcultas;
}

void frmConfiguraPrograma::cmdOk_Click() {
    const bool algumMarcado = std::any_of(chkInterpretacoes_.begin(), chkInterpretacoes_.end(),
                                          [](QCheckBox* c) { return c->isChecked(); });
    if (!algumMarcado) {
        mensagens_.informa(this, QStringLiteral("Erro:"), kMensagemNenhumCalculo,
                           Mensagens::Icone::Critico);
        return;
    }
    for (int i = 0; i < Configuracao::kTotalCalculos; ++i) {
        calculosSelecionados_[i + 1] = Configuracao::flag(chkInterpretacoes_[i]->isChecked());
    }
    for (int k = OpcoesMapa::kPrimeiraSecao; k <= OpcoesMapa::kUltimaSecao; ++k) {
        opcoesMapa_.defineSecao(k, chkInterpretacoes_[k - 1]->isChecked());
    }
    opcoesMapa_.limiteTendencias = optLimite3_->isChecked() ? 3 : 4;
    opcoesMapa_.textosRepetidosInteiros = chkTextosRepetidos_->isChecked();
    configuracao_.ImprimirCabecalho = Configuracao::flag(chkImprimirCabecalho_->isChecked());
    configuracao_.ImprimirDescricao = Configuracao::flag(chkImprimirDescricao_->isChecked());
    configuracao_.ImprimirNumero = Configuracao::flag(chkImprimirNumero_->isChecked());
    configuracao_.EscutarSons = Configuracao::flag(chkEscutarSons_->isChecked());
    opcoesMapa_.inicioAnoPessoal = cmbInicioAnoPessoal_->currentIndex() == 1
                                       ? InicioAnoPessoal::Aniversario
                                       : InicioAnoPessoal::Janeiro;
    opcoesMapa_.escola =
        cmbEscola_->currentIndex() == 1 ? EscolaCalculo::Cabalistica : EscolaCalculo::Pitagorica;
    VariantesCabalistica& v = opcoesMapa_.variantes;
    v.dividas = cmbDividas_->currentIndex() == 1 ? VariantesCabalistica::Dividas::PelasSomas
                                                 : VariantesCabalistica::Dividas::PeloNumeroFinal;
    v.fimPrimeiroCiclo = cmbCiclo_->currentIndex() == 1 ? 37 : 36;
    v.valorX = cmbValorX_->currentIndex() == 1 ? 4 : 6;
    v.ultimaLicao = cmbLicoes_->currentIndex() == 1 ? 8 : 9;
    opcoesMapa_.secoesCabalisticasOcultas = secoesCabalisticasOcultas_;
    if (harmonia_ != nullptr) {
        *harmonia_ = harmoniaEditada_;
    }
    accept();
}

} // namespace vidalume
