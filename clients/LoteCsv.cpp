#include "clients/LoteCsv.h"

#include "clients/Cliente.h"

#include "clients/ChaveNome.h"
#include "engine/EntradaDados.h"
#include "engine/Windows1252.h"

#include <QIODevice>

#include <algorithm>

namespace vidalume {

namespace {

bool temDigito(const QString& s) {
    for (const QChar c : s) {
        if (c.isDigit()) {
            return true;
        }
    }
    return false;
}

bool temLetra(const QString& s) {
    for (const QChar c : s) {
        if (c.isLetter()) {
            return true;
        }
    }
    return false;
}

void acrescenta(QByteArray& bytes, char16_t unidade, bool dupla) {
    if (dupla) {
        bytes.append(char(unidade & 0xFF)).append(char(unidade >> 8));
    } else {
        bytes.append(char(unidade));
    }
}

} // namespace

LoteCsv::LoteCsv(QIODevice& entrada) : entrada_(entrada) {}

void LoteCsv::aceitaColunas(const QStringList& nomes) {
    aceitas_ = nomes;
}

namespace {

// A header name reduced to lower-case ASCII letters: "Data de Nascimento" is
// "datadenascimento".
QString nomeColuna(const QString& campo) {
    QString r;
    for (const QChar c : ChaveNome::de(campo)) {
        if (c >= u'a' && c <= u'z') {
            r += c;
        }
    }
    return r;
}

} // namespace

void LoteCsv::leCabecalho(const QStringList& campos) {
    QStringList nomes;
    for (const QString& c : campos) {
        nomes << nomeColuna(c);
    }
    QList<int> posicoes(2 + aceitas_.size(), -1);
    bool nomeiaAceita = false;
    for (int i = 0; i < aceitas_.size(); ++i) {
        posicoes[2 + i] = int(nomes.indexOf(aceitas_[i]));
        nomeiaAceita = nomeiaAceita || posicoes[2 + i] >= 0;
    }
    if (!nomeiaAceita) {
        return;
    }
    posicoes[0] = int(nomes.indexOf(QStringLiteral("nome")));
    for (const char* n : {"nascimento", "datadenascimento", "datanascimento", "data"}) {
        if (posicoes[1] < 0) {
            posicoes[1] = int(nomes.indexOf(QLatin1String(n)));
        }
    }
    if (posicoes[0] < 0 || posicoes[1] < 0) {
        // Columns unnamed: the name and the birth date come first.
        posicoes[0] = 0;
        posicoes[1] = 1;
    }
    posicoes_ = posicoes;
}

QString LoteCsv::separaColunas(const QStringList& campos, LinhaLote& linha) const {
    qsizetype usados = campos.size();
    while (usados > 0 && campos[usados - 1].isEmpty()) {
        --usados;
    }
    qsizetype largura = 0;
    for (int p : posicoes_) {
        largura = std::max<qsizetype>(largura, p + 1);
    }
    if (usados > largura) {
        return QStringLiteral("a linha traz mais campos que os nomeados no cabeçalho.");
    }
    QStringList par = {campos.value(posicoes_[0]), campos.value(posicoes_[1])};
    if (QString erro = confere(par); !erro.isEmpty()) {
        return erro;
    }
    linha.nome = par[0];
    linha.nascimento = par[1];
    for (qsizetype i = 2; i < posicoes_.size(); ++i) {
        linha.extras << campos.value(posicoes_[i]);
    }
    return {};
}

// Joins the following lines to `texto` while a quoted field stays open, up to kMaximoLinha
// bytes; false when the field never closes.
bool LoteCsv::juntaLinhas(QString& texto) {
    bool aspasAbertas = true;
    QString resto;
    bool restoLongo = false;
    while (aspasAbertas && texto.size() < kMaximoLinha && linhaFisica(resto, restoLongo)) {
        texto += u'\n' + resto;
        campos(texto, &aspasAbertas);
    }
    return !aspasAbertas && texto.size() <= kMaximoLinha;
}

void LoteCsv::detectaCodificacao() {
    detectada_ = true;
    const QByteArray inicio = entrada_.peek(3);
    if (inicio.startsWith("\xFF\xFE")) {
        codificacao_ = Codificacao::Utf16LE;
        entrada_.skip(2);
    } else if (inicio.startsWith("\xFE\xFF")) {
        codificacao_ = Codificacao::Utf16BE;
        entrada_.skip(2);
    } else if (inicio == "\xEF\xBB\xBF") {
        entrada_.skip(3);
    }
}

bool LoteCsv::leUnidade(char16_t& unidade) {
    if (devolvida_ >= 0) {
        unidade = char16_t(devolvida_);
        devolvida_ = -1;
        return true;
    }
    char a = 0;
    if (!entrada_.getChar(&a)) {
        return false;
    }
    if (codificacao_ == Codificacao::Utf8Ou1252) {
        unidade = char16_t(uchar(a));
        return true;
    }
    char b = 0;
    if (!entrada_.getChar(&b)) {
        return false; // half a unit at the end: nothing to read
    }
    unidade = codificacao_ == Codificacao::Utf16LE ? char16_t(uchar(a) | uchar(b) << 8)
                                                   : char16_t(uchar(b) | uchar(a) << 8);
    return true;
}

QString LoteCsv::decodifica(const QByteArray& bytes) {
    if (codificacao_ != Codificacao::Utf8Ou1252) {
        QStringDecoder utf16(QStringDecoder::Utf16LE);
        return utf16(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(bytes);
    return utf8.hasError() ? Windows1252::decodifica(bytes) : texto;
}

bool LoteCsv::linhaFisica(QString& texto, bool& longa) {
    if (!detectada_) {
        detectaCodificacao();
    }
    const bool dupla = codificacao_ != Codificacao::Utf8Ou1252;
    QByteArray bytes;
    longa = false;
    bool leuAlgo = false;
    char16_t u = 0;
    while (leUnidade(u)) {
        leuAlgo = true;
        if (u == u'\n') {
            break;
        }
        if (u == u'\r') {
            char16_t seguinte = 0;
            if (leUnidade(seguinte) && seguinte != u'\n') {
                devolvida_ = seguinte;
            }
            break;
        }
        if (bytes.size() < kMaximoLinha) {
            acrescenta(bytes, u, dupla); // UTF-16 units are kept little-endian
        } else {
            longa = true;
        }
    }
    if (!leuAlgo) {
        return false;
    }
    ++numero_;
    texto = decodifica(bytes);
    return true;
}

QStringList LoteCsv::campos(const QString& linha, bool* aspasAbertas) {
    QStringList r;
    QString atual;
    bool entreAspas = false;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (entreAspas) {
            if (c != u'"') {
                atual += c;
            } else if (i + 1 < linha.size() && linha[i + 1] == u'"') {
                atual += c;
                ++i;
            } else {
                entreAspas = false;
            }
        } else if (c == u'"' && atual.trimmed().isEmpty()) {
            atual.clear();
            entreAspas = true;
        } else if (c == u';') {
            r << atual.trimmed();
            atual.clear();
        } else {
            atual += c;
        }
    }
    r << atual.trimmed();
    if (aspasAbertas) {
        *aspasAbertas = entreAspas;
    }
    return r;
}

QString LoteCsv::confere(QStringList& c) {
    while (c.size() > 2 && c.constLast().isEmpty()) {
        c.removeLast();
    }
    const bool vazios =
        std::all_of(c.cbegin(), c.cend(), [](const QString& s) { return s.isEmpty(); });
    if (vazios) {
        return QStringLiteral("a linha está vazia.");
    }
    if (c.size() > 2) {
        return QStringLiteral("a linha traz mais campos que o nome e a data de nascimento.");
    }
    if (c.size() < 2) {
        return EntradaDados::leData(c[0])
                   ? QStringLiteral("falta o nome (separe o nome e a data com \";\").")
                   : QStringLiteral("falta a data de nascimento (separe o nome e a data com "
                                    "\";\").");
    }
    if (temDigito(c[0]) && !temLetra(c[0]) && temLetra(c[1]) && !temDigito(c[1])) {
        return QStringLiteral("as colunas estão trocadas: a data de nascimento vem antes do "
                              "nome.");
    }
    if (c[0].isEmpty()) {
        return QStringLiteral("falta o nome.");
    }
    if (c[1].isEmpty()) {
        return QStringLiteral("falta a data de nascimento.");
    }
    if (c[0].size() > kMaximoNome) {
        return QStringLiteral("o nome tem mais de %1 caracteres.").arg(kMaximoNome);
    }
    return {};
}

// A quoted field running over the line end: the following lines up to the closing quote
// belong to the row in `texto`, which is refused as a whole.
void LoteCsv::pulaCampoAberto(QString& texto) {
    bool aspasAbertas = true;
    QString resto;
    bool restoLongo = false;
    qsizetype lidos = texto.size();
    while (aspasAbertas && lidos < kMaximoLinha && linhaFisica(resto, restoLongo)) {
        texto += u'\n' + resto;
        lidos += resto.size();
        campos(texto, &aspasAbertas);
    }
}

QString LoteCsv::motivoLonga() const {
    return posicoes_.isEmpty()
               ? QStringLiteral("a linha é longa demais; o nome pode ter no máximo %1 "
                                "caracteres.")
                     .arg(kMaximoNome)
               : QStringLiteral("a linha é longa demais; um campo passa do seu limite (nome e "
                                "e-mail %1, telefone %2, observações %3 caracteres).")
                     .arg(Cliente::kMaximoNome)
                     .arg(Cliente::kMaximoTelefone)
                     .arg(Cliente::kMaximoObservacoes);
}

bool LoteCsv::proxima(LinhaLote& linha) {
    QString texto;
    bool longa = false;
    while (linhaFisica(texto, longa)) {
        if (texto.trimmed().isEmpty() && !longa) {
            continue;
        }
        linha = LinhaLote{};
        linha.numero = numero_;
        const bool cabecalho = primeira_ && !longa && !temDigito(texto);
        primeira_ = false;
        bool aspasAbertas = false;
        QStringList c = campos(texto, &aspasAbertas);
        if (aspasAbertas && !posicoes_.isEmpty()) {
            if (juntaLinhas(texto)) {
                c = campos(texto);
                aspasAbertas = false;
            } else {
                linha.erro = QStringLiteral("um campo entre aspas não termina.");
                return true;
            }
        } else if (aspasAbertas) {
            pulaCampoAberto(texto);
            linha.erro = QStringLiteral("um campo entre aspas atravessa o fim da linha; cada "
                                        "pessoa deve ocupar uma só linha.");
            return true;
        }
        if (cabecalho) {
            if (!aceitas_.isEmpty()) {
                leCabecalho(c);
            }
            continue;
        }
        if (longa) {
            // A list of clients has more fields than the name: its limits are named instead.
            linha.erro = motivoLonga();
            return true;
        }
        if (!posicoes_.isEmpty()) {
            linha.erro = separaColunas(c, linha);
            return true;
        }
        linha.erro = confere(c);
        if (linha.erro.isEmpty()) {
            linha.nome = c[0];
            linha.nascimento = c[1];
        }
        return true;
    }
    return false;
}

static_assert(LoteCsv::kMaximoLinha > 3 * 2 *
                                              (Cliente::kMaximoNome + Cliente::kMaximoTelefone +
                                               Cliente::kMaximoEmail) +
                                          3 * Cliente::kMaximoObservacoes + 64,
              "a client row at its field limits must fit in a row");

} // namespace vidalume
