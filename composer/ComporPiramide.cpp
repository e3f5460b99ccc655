#include "composer/ComporPiramide.h"

#include "composer/ComporMapa.h"
#include "texts/TextosAvulsos.h"

#include <QSet>

#include <cmath>

namespace vidalume {

namespace {

const QString kCRLF = QStringLiteral("\r\n");
const QString kParagrafo = kCRLF + kCRLF;

// 30 -> "30", 6.923 -> "6,92".
QString idade(double anos) {
    const double arredondada = std::round(anos * 100) / 100;
    QString t = QString::number(arredondada, 'f', 2);
    while (t.endsWith(u'0')) {
        t.chop(1);
    }
    if (t.endsWith(u'.')) {
        t.chop(1);
    }
    return t.replace(u'.', u',');
}

QString ordinal(int n) {
    return QString::number(n) + QStringLiteral("ª");
}

class Compositor {
public:
    Compositor(Analise& a, const MapaCabalistico& m, const ArquivoInterpretacao& arq)
        : a_(a), m_(m), p_(m.piramide), arq_(arq) {
        for (const MapaCabalistico::Letra& l : m.letras) {
            letras_ << QString(l.letra);
        }
    }

    void triangulos(int primeira) {
        for (int t = 0; t < PiramideNome::kTotalTriangulos; ++t) {
            triangulo(primeira + t, PiramideNome::Tipo(t));
        }
    }

    void regente(int k) {
        const int r = p_.triangulos[PiramideNome::Vida].arcanoRegente;
        a_[k] = {r > 0 ? QStringLiteral("Arcano Regente: %1 — %2")
                             .arg(r)
                             .arg(ComporPiramide::nomeArcano(r))
                       : QStringLiteral("Arcano Regente"),
                 le("CABTRIEX", 7),
                 r > 0 ? ComporPiramide::textoArcano(r, arq_) : ComporMapa::kSemLetras,
                 r > 0 ? QString::number(r) : QString(),
                 {}};
    }

    void passagem(int k, QDate referencia) {
        ItemAnalise& i = a_[k];
        i = {QStringLiteral("Arcanos de Passagem"), le("CABTRIEX", 8), {}, {}, {}};
        if (p_.arcanos.isEmpty()) {
            i.Texto = m_.letras.isEmpty()
                          ? ComporMapa::kSemLetras
                          : QStringLiteral("Um nome de uma só letra não forma pares de letras "
                                           "vizinhas e por isso não tem Arcanos de Passagem.");
            return;
        }
        const QDate nascimento(m_.ano, m_.mes, m_.dia);
        const double anos = ComporPiramide::idadeFracionada(nascimento, referencia);
        const int atual = p_.arcanoNaIdade(anos);
        linhaDoTempo(i, atual);
        i.Texto = textoPassagem(atual, anos);
    }

private:
    QString le(const char* arquivo, int registro) const {
        return arq_.LeTextoInterpretacao(registro, QString::fromLatin1(arquivo) + ".DAT");
    }

    void triangulo(int k, PiramideNome::Tipo tipo) {
        const Triangulo& t = p_.triangulos[tipo];
        ItemAnalise& i = a_[k];
        QString descricao = le("CABTRIEX", 2 + tipo);
        if (tipo == PiramideNome::Vida) {
            descricao = le("CABTRIEX", 1) + kParagrafo + descricao + kParagrafo + le("CABTRIEX", 6);
        }
        i = {ComporPiramide::nomeTriangulo(tipo), descricao, {}, {}, {}};
        if (t.linhas.isEmpty()) {
            i.Texto = ComporMapa::kSemLetras;
            return;
        }
        if (p_.igualAVida(tipo)) {
            i.Texto = igualAVida(tipo);
            return;
        }
        desenho(i, t);
        i.Texto = sequencias(t, tipo);
    }

    QString igualAVida(PiramideNome::Tipo tipo) const {
        return QStringLiteral(
                   "Neste nome, o %1 é igual ao Triângulo da Vida: cada letra recebe um 9, e "
                   "somar 9 a um algarismo e reduzir o resultado devolve o mesmo algarismo. Ele "
                   "não é desenhado de novo; as linhas, o vértice e as sequências são os do "
                   "Triângulo da Vida, lidos aqui pelo tema deste triângulo.")
            .arg(ComporPiramide::nomeTriangulo(tipo));
    }

    void desenho(ItemAnalise& i, const Triangulo& t) {
        const QList<QuadroSecao::Parte> partes = ComporPiramide::partes(int(t.linhas.size()));
        for (qsizetype n = 0; n < partes.size(); ++n) {
            QuadroSecao q;
            q.tipo = QuadroSecao::Tipo::Piramide;
            q.triangulo = t;
            q.letrasBase = letras_;
            q.parte = partes[n];
            (n == 0 ? i.Quadro : i.QuadrosSeguintes.emplace_back()) = std::move(q);
        }
        i.Quadro.linhasTexto = linhasTexto(t);
    }

    // The pyramid as text: the letters, then each row one space further in.
    QStringList linhasTexto(const Triangulo& t) const {
        QStringList linhas{letras_.join(u' ')};
        for (qsizetype r = 0; r < t.linhas.size(); ++r) {
            QStringList digitos;
            for (int d : t.linhas[r]) {
                digitos << QString::number(d);
            }
            linhas << QString(r, u' ') + digitos.join(u' ');
        }
        return linhas;
    }

    QString sequencias(const Triangulo& t, PiramideNome::Tipo tipo) {
        const QString nome = ComporPiramide::nomeTriangulo(tipo);
        if (t.sequencias.isEmpty()) {
            return QStringLiteral("O %1 deste nome não tem sequências negativas: em nenhuma "
                                  "das suas linhas aparecem três algarismos iguais lado a lado.")
                .arg(nome);
        }
        QStringList blocos;
        blocos << (t.sequencias.size() == 1
                       ? QStringLiteral("O %1 tem uma sequência negativa, marcada na figura.")
                             .arg(nome)
                       : QStringLiteral("O %1 tem %2 sequências negativas, marcadas na figura.")
                             .arg(nome)
                             .arg(t.sequencias.size()));
        for (const SequenciaNegativa& s : t.sequencias) {
            QString titulo =
                QStringLiteral("Sequência negativa %1 no %2, %3 linha")
                    .arg(QString(s.tamanho, QChar(u'0' + s.digito)), nome, ordinal(s.linha));
            if (s.linha == 1) {
                titulo += QStringLiteral(" (a base)");
            }
            QString texto;
            if (explicadas_.contains(s.digito)) {
                texto = QStringLiteral("O sentido da sequência do %1 está descrito acima, onde "
                                       "ela aparece pela primeira vez.")
                            .arg(s.digito);
            } else {
                explicadas_.insert(s.digito);
                texto = le("CABSEQ", s.digito);
            }
            blocos << titulo + u':' + kCRLF + texto;
        }
        return blocos.join(kParagrafo);
    }

    QString periodoPorExtenso(int i) const {
        const ArcanoPassagem& a = p_.arcanos[i];
        return QStringLiteral("dos %1 aos %2 anos (%3 a %4)")
            .arg(idade(a.de), idade(a.ate))
            .arg(m_.ano + int(std::floor(a.de)))
            .arg(m_.ano + int(std::floor(a.ate)));
    }

    void linhaDoTempo(ItemAnalise& i, int atual) {
        QList<QuadroSecao::Periodo> periodos;
        for (qsizetype n = 0; n < p_.arcanos.size(); ++n) {
            const ArcanoPassagem& a = p_.arcanos[n];
            periodos.append({a.arcano,
                             QStringLiteral("%1 a %2 anos").arg(idade(a.de), idade(a.ate)),
                             QStringLiteral("%1 a %2")
                                 .arg(m_.ano + int(std::floor(a.de)))
                                 .arg(m_.ano + int(std::floor(a.ate))),
                             n == atual});
            i.Quadro.linhasTexto << QStringLiteral("%1º arcano: %2, %3%4")
                                        .arg(n + 1)
                                        .arg(a.arcano)
                                        .arg(periodoPorExtenso(int(n)))
                                        .arg(n == atual ? QStringLiteral(" (atual)") : QString());
        }
        for (qsizetype de = 0; de < periodos.size(); de += ComporPiramide::kPeriodosPorParte) {
            QuadroSecao q;
            q.tipo = QuadroSecao::Tipo::Arcanos;
            q.periodos = periodos.mid(de, ComporPiramide::kPeriodosPorParte);
            if (de == 0) {
                q.linhasTexto = i.Quadro.linhasTexto;
                i.Quadro = std::move(q);
            } else {
                i.QuadrosSeguintes.append(std::move(q));
            }
        }
    }

    QString textoPassagem(int atual, double anos) const {
        const auto n = p_.arcanos.size();
        QStringList blocos;
        blocos << QStringLiteral("O nome tem %1 %2, de %3 anos cada um.")
                      .arg(n)
                      .arg(n == 1 ? QStringLiteral("arcano de passagem")
                                  : QStringLiteral("arcanos de passagem"))
                      .arg(idade(PiramideNome::kAnosArcanos / double(n)));
        const auto bloco = [&](const QString& abertura, int i) {
            const int arcano = p_.arcanos[i].arcano;
            blocos << abertura +
                          QStringLiteral(" %1 — %2, %3:")
                              .arg(arcano)
                              .arg(ComporPiramide::tituloArcano(arcano))
                              .arg(periodoPorExtenso(i)) +
                          kCRLF + ComporPiramide::textoArcano(arcano, arq_);
        };
        if (atual < 0) {
            bloco(QStringLiteral("O primeiro arcano, do nascimento em diante, é o"), 0);
            return blocos.join(kParagrafo);
        }
        bloco(QStringLiteral("Aos %1 anos, o arcano em vigor é o %2º,")
                  .arg(int(std::floor(anos)))
                  .arg(atual + 1),
              atual);
        if (atual + 1 < n) {
            bloco(QStringLiteral("O próximo é o"), atual + 1);
        } else if (anos >= PiramideNome::kAnosArcanos) {
            blocos << QStringLiteral("Depois dos 90 anos, o último arcano do nome continua em "
                                     "vigor pelo resto da vida.");
        } else {
            blocos << QStringLiteral("Este é o último arcano do nome, e ele continua em vigor "
                                     "depois dos 90 anos.");
        }
        return blocos.join(kParagrafo);
    }

    Analise& a_;
    const MapaCabalistico& m_;
    const PiramideNome& p_;
    const ArquivoInterpretacao& arq_;
    QStringList letras_;
    QSet<int> explicadas_; // sequence digits whose text was already given
};

} // namespace

QString ComporPiramide::nomeTriangulo(PiramideNome::Tipo tipo) {
    static const QString nomes[] = {
        QStringLiteral("Triângulo da Vida"), QStringLiteral("Triângulo Pessoal"),
        QStringLiteral("Triângulo Social"), QStringLiteral("Triângulo do Destino")};
    return nomes[tipo];
}

QString ComporPiramide::nomeArcano(int arcano) {
    return TextosAvulsos::nomeArcano(arcano);
}

QString ComporPiramide::tituloArcano(int arcano) {
    const QString nome = nomeArcano(arcano);
    return nome.isEmpty() ? QStringLiteral("Arcano %1").arg(arcano) : nome;
}

QString ComporPiramide::textoArcano(int arcano, const ArquivoInterpretacao& arquivos) {
    const QString proprio = arquivos.LeTextoInterpretacao(arcano, QStringLiteral("ARCANOS.DAT"));
    if (!proprio.isEmpty() || arcano <= 22 || arcano > 99) {
        return proprio;
    }
    const int terreno = arcano / 10, movimento = arcano % 10;
    if (terreno < 1 || movimento < 1) {
        return {};
    }
    return arquivos.LeTextoInterpretacao(terreno, QStringLiteral("ARCDIGIT.DAT")) + kParagrafo +
           arquivos.LeTextoInterpretacao(9 + movimento, QStringLiteral("ARCDIGIT.DAT"));
}

QList<QuadroSecao::Parte> ComporPiramide::partes(int n) {
    if (n <= kLetrasInteiras) {
        return {QuadroSecao::Parte{}};
    }
    const int grupos = (n + kLadoParte - 1) / kLadoParte;
    const int lado = (n + grupos - 1) / grupos;
    QList<QuadroSecao::Parte> lista;
    for (int l0 = 1; l0 <= n; l0 += lado) {
        // Row l0 holds positions 1 to n - l0 + 1: a part starting further right is empty.
        for (int c0 = 1; c0 <= n - l0 + 1; c0 += lado) {
            lista.append({l0, std::min(n, l0 + lado - 1), c0, std::min(n, c0 + lado - 1), {}});
        }
    }
    for (qsizetype i = 0; i < lista.size(); ++i) {
        QuadroSecao::Parte& p = lista[i];
        p.legenda = QStringLiteral("Parte %1 de %2: linhas %3 a %4, posições %5 a %6")
                        .arg(i + 1)
                        .arg(lista.size())
                        .arg(p.primeiraLinha)
                        .arg(std::min(p.ultimaLinha, n - p.primeiraColuna + 1))
                        .arg(p.primeiraColuna)
                        .arg(std::min(p.ultimaColuna, n - p.primeiraLinha + 1));
    }
    return lista;
}

double ComporPiramide::idadeFracionada(QDate nascimento, QDate dia) {
    if (!nascimento.isValid() || !dia.isValid()) {
        return -1;
    }
    if (dia < nascimento) {
        return -1;
    }
    int anos = dia.year() - nascimento.year();
    if (dia < nascimento.addYears(anos)) {
        --anos;
    }
    const QDate ultimo = nascimento.addYears(anos), proximo = nascimento.addYears(anos + 1);
    return anos + double(ultimo.daysTo(dia)) / double(ultimo.daysTo(proximo));
}

void ComporPiramide::compoe(Analise& a, int vida, int regente, int passagem,
                            const MapaCabalistico& m, QDate referencia,
                            const ArquivoInterpretacao& arquivos) {
    Compositor c(a, m, arquivos);
    c.triangulos(vida);
    c.regente(regente);
    c.passagem(passagem, referencia);
}

} // namespace vidalume
