#include "composer/ComporCorrecao.h"

#include "composer/AvisoFinal.h"
#include "composer/ComporCabalistica.h"
#include "composer/ComporPiramide.h"
#include "engine/MapaCabalistico.h"

namespace vidalume {

namespace {

const QString kCRLF = QStringLiteral("\r\n");
const QString kParagrafo = kCRLF + kCRLF;

QString lista(const QList<int>& numeros) {
    return CorrecaoNome::textoNumeros(numeros);
}

bool cabalistica(const CorrecaoNome& e) {
    return e.escola == EscolaCalculo::Cabalistica;
}

class Compositor {
public:
    Compositor(const CorrecaoNome& e, const ArquivoInterpretacao& arq) : e_(e), arq_(arq) {}

    Analise compoe(const QList<int>& escolhidos) {
        const AvaliacaoNome& original = e_.candidatos[e_.indiceOriginal()];
        apresentacao(escolhidos.isEmpty());
        comparacao(original, escolhidos);
        grafia(ComporCorrecao::kOriginal, QStringLiteral("Nome de registro: %1").arg(original.nome),
               original, nullptr);
        for (qsizetype i = 0; i < escolhidos.size(); ++i) {
            const AvaliacaoNome& c = e_.candidatos[escolhidos[i]];
            grafia(ComporCorrecao::kPrimeiroEscolhido + int(i),
                   QStringLiteral("Grafia %1: %2").arg(i + 1).arg(c.nome), c, &original);
        }
        if (!escolhidos.isEmpty()) {
            a_[ComporCorrecao::kAdocao] = {
                QStringLiteral("Como adotar a nova grafia"), {}, le(2), {}, {}};
        }
        a_[ComporCorrecao::kAssinatura] = {QStringLiteral("A assinatura"), {}, le(3), {}, {}};
        a_.Aviso = AvisoFinal::texto(arq_);
        return a_;
    }

private:
    QString le(int registro) const {
        return arq_.LeTextoInterpretacao(registro, QStringLiteral("ASSINAT.DAT"));
    }

    void apresentacao(bool semEscolhidos) {
        QStringList partes{le(1), e_.explicacaoOrdem(), e_.conclusao()};
        if (!e_.melhora()) {
            partes << le(6);
        } else if (semEscolhidos) {
            partes << QStringLiteral("Nenhuma grafia foi escolhida para este estudo; a tabela "
                                     "mostra apenas o nome de registro.");
        }
        partes.removeAll(QString());
        a_[ComporCorrecao::kApresentacao] = {
            CorrecaoNome::kTitulo, {}, partes.join(kParagrafo), {}, {}};
    }

    QStringList cabecalho() const {
        if (cabalistica(e_)) {
            return {QStringLiteral("Grafia"),  QStringLiteral("Mud."),   QStringLiteral("Expr."),
                    QStringLiteral("Motiv."),  QStringLiteral("Impr."),  QStringLiteral("Harmonia"),
                    QStringLiteral("Dívidas"), QStringLiteral("Lições"), QStringLiteral("Seq."),
                    QStringLiteral("Regente")};
        }
        return {QStringLiteral("Grafia"),  QStringLiteral("Mud."),    QStringLiteral("Expr."),
                QStringLiteral("Alma"),    QStringLiteral("Eu Sil."), QStringLiteral("Harmonia"),
                QStringLiteral("Dívidas"), QStringLiteral("Lições")};
    }

    QStringList celulas(const AvaliacaoNome& a) const {
        QStringList c{a.original ? a.nome + QStringLiteral(" (registro)") : a.marcado,
                      QString::number(a.totalMudancas),
                      QString::number(a.expressao),
                      QString::number(a.motivacao),
                      QString::number(a.impressao),
                      e_.textoHarmonia(a),
                      lista(a.dividas),
                      lista(a.licoes)};
        if (cabalistica(e_)) {
            c << QString::number(a.totalSequencias) << QString::number(a.arcanoRegente);
        }
        return c;
    }

    void comparacao(const AvaliacaoNome& original, const QList<int>& escolhidos) {
        ItemAnalise& i = a_[ComporCorrecao::kComparacao];
        i = {QStringLiteral("Comparação das grafias"), {}, {}, {}, {}};
        QuadroSecao& q = i.Quadro;
        q.tipo = QuadroSecao::Tipo::Tabela;
        q.cabecalho = cabecalho();
        q.pesos = cabalistica(e_) ? QList<double>{7, 1.2, 1.2, 1.3, 1.2, 2.4, 1.8, 2.2, 1, 1.6}
                                  : QList<double>{7, 1.2, 1.2, 1.2, 1.4, 1.8, 1.8, 2.4};
        q.celulas << celulas(original);
        for (int k : escolhidos) {
            q.celulas << celulas(e_.candidatos[k]);
        }
        q.destaque = 0;
        for (const QStringList& linha : QList<QStringList>{q.cabecalho} + q.celulas) {
            q.linhasTexto << linha.join(QStringLiteral(" | "));
        }
        i.Texto = QStringLiteral(
                      "A primeira linha, sombreada, é o nome de registro. Na coluna Grafia, as "
                      "letras mudadas estão entre colchetes. %1")
                      .arg(cabalistica(e_)
                               ? QStringLiteral("Seq. é o total de sequências negativas nos "
                                                "quatro triângulos; a harmonia é a do Destino "
                                                "%1 com a Expressão, pela tabela de harmonia.")
                                     .arg(e_.destino)
                               : QStringLiteral("A harmonia diz se a Expressão está em harmonia "
                                                "com o Caminho da Vida %1; Alma é o Impulso da "
                                                "Alma e Eu Sil. o Eu Silencioso.")
                                     .arg(e_.destino));
    }

    void grafia(int k, const QString& titulo, const AvaliacaoNome& a,
                const AvaliacaoNome* original) {
        ItemAnalise& i = a_[k];
        QStringList partes;
        if (original != nullptr) {
            partes << QStringLiteral("Mudanças: %1.").arg(CorrecaoNome::textoMudancas(a))
                   << ComporCorrecao::diferencas(e_, *original, a);
        }
        partes << e_.descricao(a).join(kCRLF);
        i = {titulo, {}, partes.join(kParagrafo), {}, {}};
        if (cabalistica(e_)) {
            triangulos(i, a);
        }
    }

    void triangulos(ItemAnalise& i, const AvaliacaoNome& a) const {
        const MapaCabalistico m = CalculaMapaCabalistico(
            a.nome, e_.pedido.nascimento, QDate(2000, 1, 1), e_.pedido.regras, e_.pedido.tabela);
        QStringList letras;
        for (const MapaCabalistico::Letra& l : m.letras) {
            letras << QString(l.letra);
        }
        QList<QuadroSecao> quadros;
        QStringList texto;
        for (int t = 0; t < PiramideNome::kTotalTriangulos; ++t) {
            const Triangulo& tri = m.piramide.triangulos[t];
            if (tri.linhas.isEmpty() || m.piramide.igualAVida(PiramideNome::Tipo(t))) {
                continue;
            }
            texto << ComporPiramide::nomeTriangulo(PiramideNome::Tipo(t));
            for (qsizetype r = 0; r < tri.linhas.size(); ++r) {
                QStringList digitos;
                for (int d : tri.linhas[r]) {
                    digitos << QString::number(d);
                }
                texto << QString(r, u' ') + digitos.join(u' ');
            }
            for (QuadroSecao::Parte parte : ComporPiramide::partes(int(tri.linhas.size()))) {
                QuadroSecao q;
                q.tipo = QuadroSecao::Tipo::Piramide;
                q.triangulo = tri;
                q.letrasBase = letras;
                parte.legenda = parte.legenda.isEmpty()
                                    ? ComporPiramide::nomeTriangulo(PiramideNome::Tipo(t))
                                    : ComporPiramide::nomeTriangulo(PiramideNome::Tipo(t)) +
                                          QStringLiteral(" — ") + parte.legenda;
                q.parte = parte;
                quadros << q;
            }
        }
        if (m.piramide.igualAVida(PiramideNome::Destino)) {
            i.Texto += kParagrafo + QStringLiteral("O Triângulo do Destino desta grafia é igual "
                                                   "ao Triângulo da Vida e não é desenhado de "
                                                   "novo.");
        }
        if (quadros.isEmpty()) {
            return;
        }
        quadros.first().linhasTexto = texto;
        i.Quadro = quadros.takeFirst();
        i.QuadrosSeguintes = quadros;
    }

    const CorrecaoNome& e_;
    const ArquivoInterpretacao& arq_;
    Analise a_;
};

QString passa(const QString& nome, const QString& de, const QString& para) {
    return de == para ? QString() : QStringLiteral("%1 passa de %2 para %3.").arg(nome, de, para);
}

} // namespace

QString ComporCorrecao::diferencas(const CorrecaoNome& e, const AvaliacaoNome& o,
                                   const AvaliacaoNome& c) {
    const bool cab = cabalistica(e);
    QStringList frases{
        passa(QStringLiteral("A Expressão"), QString::number(o.expressao),
              QString::number(c.expressao)),
        passa(cab ? QStringLiteral("A Motivação") : QStringLiteral("O Impulso da Alma"),
              QString::number(o.motivacao), QString::number(c.motivacao)),
        passa(cab ? QStringLiteral("A Impressão") : QStringLiteral("O Eu Silencioso"),
              QString::number(o.impressao), QString::number(c.impressao)),
        passa(cab ? QStringLiteral("A harmonia entre Destino e Expressão")
                  : QStringLiteral("A harmonia da Expressão com o Caminho da Vida"),
              e.textoHarmonia(o).toLower(), e.textoHarmonia(c).toLower()),
        passa(QStringLiteral("As dívidas cármicas que o nome pode mudar"), lista(o.dividas),
              lista(c.dividas)),
        passa(QStringLiteral("As lições cármicas"), lista(o.licoes), lista(c.licoes))};
    if (cab) {
        frases << passa(QStringLiteral("O total de sequências negativas"),
                        QString::number(o.totalSequencias), QString::number(c.totalSequencias))
               << passa(QStringLiteral("O Arcano Regente"),
                        QStringLiteral("%1 (%2)")
                            .arg(o.arcanoRegente)
                            .arg(ComporPiramide::tituloArcano(o.arcanoRegente)),
                        QStringLiteral("%1 (%2)")
                            .arg(c.arcanoRegente)
                            .arg(ComporPiramide::tituloArcano(c.arcanoRegente)));
    }
    frases.removeAll(QString());
    return frases.isEmpty()
               ? QStringLiteral("Nenhum dos números e verificações deste estudo "
                                "muda com esta grafia.")
               : QStringLiteral("Em relação ao nome de registro: ") + frases.join(u' ');
}

QList<int> ComporCorrecao::melhores(const CorrecaoNome& estudo, int quantos) {
    QList<int> l;
    for (qsizetype i = 0;
         i < estudo.candidatos.size() && l.size() < std::min(quantos, int(kMaximoEscolhidos));
         ++i) {
        if (!estudo.candidatos[i].original) {
            l << int(i);
        }
    }
    return l;
}

RelatorioComposto ComporCorrecao::compoe(const CorrecaoNome& estudo, const QList<int>& escolhidos,
                                         const ArquivoInterpretacao& arquivos) {
    QList<int> validos;
    for (int k : escolhidos) {
        if (k >= 0 && k < estudo.candidatos.size() && !estudo.candidatos[k].original &&
            !validos.contains(k) && validos.size() < kMaximoEscolhidos) {
            validos << k;
        }
    }
    RelatorioComposto r;
    r.tipo = TipoRelatorio::CorrecaoNome;
    r.NomeAnalise = RegrasCalculo::maiusculas(estudo.pedido.nome);
    r.DataNascimento = estudo.nascimento;
    r.escola =
        cabalistica(estudo) ? ComporCabalistica::kEscola : QStringLiteral("Numerologia Pitagórica");
    if (estudo.indiceOriginal() < 0) {
        return r; // a cancelled study has nothing to show
    }
    r.analise = Compositor(estudo, arquivos).compoe(validos);
    r.selecao.fill(0);
    for (int k = 1; k <= kUltimaSecao; ++k) {
        r.selecao[k] = Configuracao::flag(!r.analise[k].Titulo.isEmpty());
    }
    return r;
}

} // namespace vidalume
