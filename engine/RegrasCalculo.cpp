#include "engine/RegrasCalculo.h"

#include "engine/Reducao.h"

namespace vidalume {

namespace {

// Combining marks that change a letter's value in the cabalística school.
constexpr char16_t kAgudo = 0x0301;
constexpr char16_t kGrave = 0x0300;
constexpr char16_t kCircunflexo = 0x0302;
constexpr char16_t kTil = 0x0303;
constexpr char16_t kTrema = 0x0308;
constexpr char16_t kCedilha = 0x0327;

// Cabalística base table: letter index (A = 0) -> value. X is taken from the variants.
constexpr int kTabelaCabalistica[26] = {1, 2, 3, 4, 5, 8, 3, 5, 1, 1, 2, 3, 4,
                                        5, 7, 8, 1, 2, 3, 4, 6, 6, 6, 6, 1, 7};

bool letraBase(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// Latin letters with no canonical decomposition that stand for one or two plain letters.
QString ligadura(QChar c) {
    switch (c.unicode()) {
    case u'Æ':
        return QStringLiteral("AE");
    case u'Œ':
        return QStringLiteral("OE");
    case u'ß':
        return QStringLiteral("SS");
    case u'Þ':
        return QStringLiteral("TH");
    case u'Ø':
        return QStringLiteral("O");
    case u'Ð':
    case u'Đ':
        return QStringLiteral("D");
    case u'Ł':
        return QStringLiteral("L");
    default:
        return {};
    }
}

// Upper case of one character, left as it is when its capital is not a single character
// of the same kind (the micro sign stays a micro sign, not a Greek letter).
QChar maiuscula(QChar c) {
    const QChar m = c.toUpper();
    return (m.script() == c.script()) ? m : c;
}

// The canonical decomposition of one character: its base letter first, then its marks.
QString decompoe(QChar c) {
    return QString(c).normalized(QString::NormalizationForm_D);
}

bool soMarcas(QStringView marcas) {
    for (QChar m : marcas) {
        if (m.category() != QChar::Mark_NonSpacing) {
            return false;
        }
    }
    return true;
}

// The base letter A-Z of a (possibly marked) letter, or a null character.
QChar baseDe(QChar c) {
    if (letraBase(c)) {
        return c;
    }
    const QString d = decompoe(c);
    if (d.size() > 1 && letraBase(d.at(0)) && soMarcas(QStringView(d).mid(1))) {
        return d.at(0);
    }
    return {};
}

int valorCabalistico(QChar c, int valorX) {
    if (c == u'Ç') {
        return 6; // the cedilla is not one of the marks that change a value
    }
    const QString d = decompoe(c);
    const QChar base = d.isEmpty() ? QChar() : d.at(0);
    if (!letraBase(base) || !soMarcas(QStringView(d).mid(1))) {
        return 0;
    }
    int v = base == u'X' ? valorX : kTabelaCabalistica[base.unicode() - u'A'];
    for (QChar m : QStringView(d).mid(1)) {
        switch (m.unicode()) {
        case kAgudo:
            v += 2;
            break;
        case kTil:
            v += 3;
            break;
        case kCircunflexo:
            v += 7;
            break;
        case kGrave:
        case kTrema:
            v *= 2;
            break;
        case kCedilha:
        default:
            break;
        }
    }
    return RegrasCalculo::reduzDigito(v);
}

} // namespace

RegrasCalculo RegrasCalculo::de(EscolaCalculo escola, InicioAnoPessoal inicio, int limiteTendencias,
                                VariantesCabalistica variantes) {
    RegrasCalculo r;
    r.escola_ = escola == EscolaCalculo::Cabalistica ? escola : EscolaCalculo::Pitagorica;
    r.inicio_ = inicio == InicioAnoPessoal::Aniversario ? inicio : InicioAnoPessoal::Janeiro;
    r.limite_ = limiteTendencias == 3 ? 3 : 4;
    const VariantesCabalistica padrao;
    if (variantes.dividas != VariantesCabalistica::Dividas::PelasSomas) {
        variantes.dividas = padrao.dividas;
    }
    if (variantes.fimPrimeiroCiclo != 37) {
        variantes.fimPrimeiroCiclo = padrao.fimPrimeiroCiclo;
    }
    if (variantes.valorX != 4) {
        variantes.valorX = padrao.valorX;
    }
    if (variantes.ultimaLicao != 8) {
        variantes.ultimaLicao = padrao.ultimaLicao;
    }
    r.variantes_ = variantes;
    return r;
}

RegrasCalculo RegrasCalculo::pitagorica(InicioAnoPessoal inicio, int limiteTendencias) {
    return de(EscolaCalculo::Pitagorica, inicio, limiteTendencias);
}

QString RegrasCalculo::normalizaNome(const QString& nome) const {
    QString resultado;
    resultado.reserve(nome.size());
    for (QChar c : nome) {
        const QChar m = maiuscula(c);
        if (const QString l = ligadura(m); !l.isEmpty()) {
            resultado += l;
            continue;
        }
        const QChar base = escola_ == EscolaCalculo::Pitagorica ? baseDe(m) : QChar();
        resultado += base.isNull() ? m : base;
    }
    return escola_ == EscolaCalculo::Pitagorica
               ? resultado
               : resultado.normalized(QString::NormalizationForm_C);
}

QString RegrasCalculo::maiusculas(const QString& nome) {
    QString resultado;
    resultado.reserve(nome.size());
    for (QChar c : nome) {
        resultado += maiuscula(c);
    }
    return resultado;
}

int RegrasCalculo::valorLetra(QChar c) const {
    if (escola_ == EscolaCalculo::Cabalistica) {
        return valorCabalistico(c, variantes_.valorX);
    }
    if (letraBase(c)) {
        return ReduzNumero(c.unicode() - u'A' + 1);
    }
    return (c >= u'0' && c <= u'9') ? int(c.unicode() - u'0') : 0;
}

bool RegrasCalculo::ehLetra(QChar c) const {
    if (escola_ == EscolaCalculo::Pitagorica) {
        return letraBase(c);
    }
    return c == u'Ç' || !baseDe(c).isNull();
}

bool RegrasCalculo::ehVogal(QChar c) const {
    const QChar base = baseDe(c);
    switch (base.unicode()) {
    case u'A':
    case u'E':
    case u'I':
    case u'O':
    case u'U':
    case u'Y':
        return true;
    default:
        return false;
    }
}

int RegrasCalculo::reduz(long long n) const {
    return int(passosReducao(n).last());
}

int RegrasCalculo::reduzDigito(long long n) {
    return ReduzNumero(n);
}

QList<long long> RegrasCalculo::passosReducao(long long n) const {
    if (escola_ == EscolaCalculo::Pitagorica) {
        return PassosReducao(n);
    }
    QList<long long> passos = PassosReducao(n);
    for (int i = 0; i < passos.size(); ++i) {
        if (ehMestre(passos.at(i))) {
            passos.resize(i + 1);
            break;
        }
    }
    return passos;
}

bool RegrasCalculo::ehMestre(long long n) const {
    return escola_ == EscolaCalculo::Cabalistica && (n == 11 || n == 22);
}

long long RegrasCalculo::totalNome(const QString& nome) const {
    long long total = 0;
    for (QChar c : nome) {
        total += valorLetra(c);
    }
    return total;
}

long long RegrasCalculo::totalVogais(const QString& nome) const {
    long long total = 0;
    for (QChar c : nome) {
        total += valorVogal(c);
    }
    return total;
}

long long RegrasCalculo::totalConsoantes(const QString& nome) const {
    long long total = 0;
    for (QChar c : nome) {
        total += valorConsoante(c);
    }
    return total;
}

int RegrasCalculo::somaNome(const QString& nome) const {
    return reduz(totalNome(nome));
}
int RegrasCalculo::somaVogais(const QString& nome) const {
    return reduz(totalVogais(nome));
}
int RegrasCalculo::somaConsoantes(const QString& nome) const {
    return reduz(totalConsoantes(nome));
}

int RegrasCalculo::anoPessoal(int dia, int mes, long long ano) {
    return ReduzNumero(ReduzNumero(dia) + ReduzNumero(mes) + ReduzNumero(ano));
}

QString RegrasCalculo::descreveVogais() {
    return QStringLiteral("A, E, I, O, U ou Y");
}

QString RegrasCalculo::descreveLetras() const {
    if (escola_ == EscolaCalculo::Cabalistica) {
        return QStringLiteral(
                   "Como o mapa foi calculado: cada letra vale um número pela tabela cabalística "
                   "(A, I, J, Q e Y valem 1; B, K e R, 2; C, G, L e S, 3; %1, 4; E, H e N, 5; "
                   "%2, 6; O e Z, 7; F e P, 8; Ç, 6). Os acentos mudam o valor da "
                   "letra: o acento agudo soma 2, o til soma 3, o circunflexo soma 7, e o acento "
                   "grave e o trema dobram o valor; o resultado de cada letra é reduzido a um "
                   "algarismo (Ê vale 5 + 7 = 12, e 1 + 2 = 3). Espaços, hifens, apóstrofos e "
                   "algarismos não têm valor. A, E, I, O, U e Y, com ou sem acento, são vogais. "
                   "Os totais são reduzidos pela soma repetida dos seus algarismos, mas o 11 e o "
                   "22 são mantidos como números mestres.")
            .arg(variantes_.valorX == 4 ? QStringLiteral("D, M, T e X")
                                        : QStringLiteral("D, M e T"),
                 variantes_.valorX == 4 ? QStringLiteral("U, V e W")
                                        : QStringLiteral("U, V, W e X"));
    }
    return QStringLiteral(
        "Como o mapa foi calculado: cada letra vale um número de 1 a 9 pela tabela pitagórica (A, "
        "J "
        "e S valem 1; B, K e T, 2; C, L e U, 3; D, M e V, 4; E, N e W, 5; F, O e X, 6; G, P e Y, "
        "7; "
        "H, Q e Z, 8; I e R, 9). O Y é contado como vogal. Acentos e cedilha são retirados antes "
        "do cálculo: Á vale como A e Ç como C. O valor de cada vogal aparece acima dela e o de "
        "cada "
        "consoante, abaixo. Os totais das vogais, das consoantes e de todas as letras são "
        "reduzidos a um único algarismo pela soma repetida dos seus algarismos, sem números "
        "mestres.");
}

} // namespace vidalume
