#include "report/painter/SuperficiePintor.h"

#include <QHash>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <tuple>

namespace vidalume {

namespace {

constexpr double kMmPorPonto = 25.4 / 72;
constexpr double kU = SuperficiePintor::kUnidadesPorMm;

QRectF emUnidades(double x, double y, double largura, double altura) {
    return {x * kU, y * kU, largura * kU, altura * kU};
}

} // namespace

// The line height, ascent and character advances of one face and style at kPixelsFonte
// pixels. Advances are measured when first asked for.
struct SuperficiePintor::Metricas {
    double altura = 0;
    double subida = 0;
    std::array<double, 256> latin1; // negative until measured
    // The same advances in 64ths of a pixel, the unit Qt measures in; negative until measured,
    // should an advance not be a whole number of them, and for blanks other than the space.
    std::array<qint32, 256> latin1Em64;
    QHash<char16_t, double> outros;

    Metricas() {
        latin1.fill(-1);
        latin1Em64.fill(-1);
    }
};

// Kept for the whole run; plain numbers only, so they may outlive the application object.
SuperficiePintor::Metricas& SuperficiePintor::metricasDe(const FonteSuperficie& f) {
    using Chave = std::tuple<QString, bool, bool>; // face, bold, italic
    thread_local std::map<Chave, std::unique_ptr<Metricas>> conhecidas;
    auto& m = conhecidas[{f.nome, f.negrito, f.italico}];
    if (!m) {
        m = std::make_unique<Metricas>();
    }
    return *m;
}

SuperficiePintor::SuperficiePintor(QPainter& pintor, double larguraMm, double alturaMm,
                                   double dispositivoPorMm, FigurasSvg* figuras,
                                   const QColor& papel)
    : propria_(std::make_unique<SaidaPintor>(
          pintor,
          QTransform::fromScale(dispositivoPorMm / kU, dispositivoPorMm / kU) * pintor.transform(),
          figuras)),
      saida_(*propria_), largura_(larguraMm), altura_(alturaMm), papel_(papel) {}

SuperficiePintor::SuperficiePintor(SaidaPintura& saida, double larguraMm, double alturaMm,
                                   const QColor& papel)
    : saida_(saida), largura_(larguraMm), altura_(alturaMm), papel_(papel) {}

SuperficiePintor::~SuperficiePintor() = default;

// Every drawing step is made in millimetres from the surface's corner already.
void SuperficiePintor::EscalaMilimetros() {}

void SuperficiePintor::resolveFonte() const {
    if (fonteValida_) {
        return;
    }
    const FonteSuperficie& f = fonte();
    if (metricas_ == nullptr || f.nome != resolvida_.nome || f.negrito != resolvida_.negrito ||
        f.italico != resolvida_.italico) {
        fonteQt_ = QFont(f.nome);
        fonteQt_.setPixelSize(kPixelsFonte);
        fonteQt_.setBold(f.negrito);
        fonteQt_.setItalic(f.italico);
        fonteQt_.setKerning(false);
        fonteQt_.setHintingPreference(QFont::PreferNoHinting);
        fonteQt_.setStyleStrategy(QFont::PreferNoShaping);
        medidor_.reset();
        metricas_ = &metricasDe(f);
        if (metricas_->altura == 0) {
            const QFontMetricsF medidas(fonteQt_);
            metricas_->altura = medidas.height();
            metricas_->subida = medidas.ascent();
        }
    }
    // Sizes below a hundredth of a millimetre (or not numbers at all) draw at that size.
    double unidades = f.tamanho * kMmPorPonto * kU;
    if (!(unidades >= 1)) {
        unidades = 1;
    }
    escala_ = unidades / kPixelsFonte;
    resolvida_ = f;
    fonteValida_ = true;
}

inline double SuperficiePintor::avanco(QStringView texto, qsizetype& i) const {
    const char16_t c = texto[i].unicode();
    ++i;
    if (c < metricas_->latin1.size()) {
        const double a = metricas_->latin1[c];
        if (a >= 0) {
            return a;
        }
    }
    return mede(c);
}

double SuperficiePintor::mede(char16_t c) const {
    double* a = nullptr;
    if (c < metricas_->latin1.size()) {
        a = &metricas_->latin1[c];
    } else {
        auto it = metricas_->outros.find(c);
        if (it == metricas_->outros.end()) {
            it = metricas_->outros.insert(c, -1);
        }
        a = &*it;
    }
    if (*a < 0) {
        if (!medidor_) {
            medidor_.emplace(fonteQt_);
        }
        *a = std::max(0.0, medidor_->horizontalAdvance(QString(QChar(c))));
        const bool branco = c != u' ' && QChar(c).isSpace();
        if (c < metricas_->latin1Em64.size() && !branco && *a * 64 < 1e9 &&
            *a * 64 == std::round(*a * 64)) {
            metricas_->latin1Em64[c] = static_cast<qint32>(*a * 64);
        }
    }
    return *a;
}

double SuperficiePintor::LarguraTexto(const QString& texto) const {
    if (texto.isEmpty()) {
        return 0;
    }
    resolveFonte();
    double soma = 0;
    for (qsizetype i = 0; i < texto.size();) {
        soma += avanco(texto, i);
    }
    return emMm(soma);
}

// The widths of the beginnings are the very sums LarguraTexto makes, so the answer is that
// of measuring every beginning in turn.
qsizetype SuperficiePintor::PrimeiroExcesso(QStringView texto, double largura, qsizetype) const {
    if (texto.isEmpty()) {
        return 0;
    }
    resolveFonte();
    // Below this many pixels a beginning surely fits; only from there on is it converted.
    const double certamenteCabe = largura * kU / escala_ * (1 - 1e-9);
    // As long as the characters have advances of whole 64ths of a pixel, the sums are added up
    // as whole numbers: every partial sum is then exactly the one LarguraTexto makes.
    const double limite64 = certamenteCabe * 64;
    const qint64 cabe64 = !(limite64 < 4e18) ? std::numeric_limits<qint64>::max()
                          : limite64 < 0     ? -1
                                             : static_cast<qint64>(limite64);
    const qint32* em64 = metricas_->latin1Em64.data();
    const qsizetype medidos = qsizetype(metricas_->latin1Em64.size());
    qint64 soma64 = 0;
    qsizetype i = 0;
    for (; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        const qint32 a = c < medidos ? em64[c] : -1;
        if (a < 0) {
            break;
        }
        soma64 += a;
        if (soma64 > cabe64 && emMm(static_cast<double>(soma64) / 64) > largura) {
            return i + 1;
        }
    }
    double soma = static_cast<double>(soma64) / 64;
    while (i < texto.size()) {
        soma += avanco(texto, i);
        if (soma > certamenteCabe && emMm(soma) > largura) {
            return i;
        }
    }
    return 0;
}

double SuperficiePintor::AlturaTexto(const QString&) const {
    resolveFonte();
    return emMm(metricas_->altura);
}

void SuperficiePintor::DesenhaTexto(double x, double y, const QString& texto, double) {
    if (texto.isEmpty()) {
        return;
    }
    resolveFonte();
    desenhaComoMedido(x, y, texto);
}

// In the current font. Inside a string Qt would move a tab on to its next tab stop; here a
// tab is as wide as measured, and the pieces between tabs are drawn one by one where they
// were measured.
void SuperficiePintor::desenhaComoMedido(double x, double y, const QString& texto) {
    if (!texto.contains(u'\t')) {
        desenhaAgora(x, y, texto, fonteQt_, escala_, metricas_->subida);
        return;
    }
    double soma = 0;         // pixels up to the character being looked at
    double inicioPedaco = 0; // pixels up to the first character of the piece
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < texto.size();) {
        const qsizetype c = i;
        const double a = avanco(texto, i);
        if (texto[c] == u'\t') {
            if (c > inicio) {
                desenhaAgora(x + emMm(inicioPedaco), y, texto.mid(inicio, c - inicio), fonteQt_,
                             escala_, metricas_->subida);
            }
            inicio = c + 1;
            inicioPedaco = soma + a;
        }
        soma += a;
    }
    if (inicio < texto.size()) {
        desenhaAgora(x + emMm(inicioPedaco), y, texto.mid(inicio), fonteQt_, escala_,
                     metricas_->subida);
    }
}

// Qt widens every space by the font's word spacing and nothing else, and draws the rest as
// measured; other blanks (a tab moves on to a tab stop) are left to the word-by-word writer.
// The line is measured while it is looked through, in whole 64ths of a pixel where the
// advances allow, which gives exactly what LarguraTexto gives.
bool SuperficiePintor::EscreveJustificada(const QString& linha, double largura, int lacunas) {
    if (lacunas <= 0) {
        return false;
    }
    resolveFonte();
    const qint32* em64 = metricas_->latin1Em64.data();
    const qsizetype medidos = qsizetype(metricas_->latin1Em64.size());
    qint64 soma64 = 0;
    bool inteira = true;
    for (const QChar c : linha) {
        const char16_t u = c.unicode();
        const qint32 a = u < medidos ? em64[u] : -1;
        if (a >= 0) { // never a blank other than the space
            soma64 += a;
            continue;
        }
        if (u != u' ' && c.isSpace()) {
            return false;
        }
        inteira = false;
    }
    const double medida = inteira ? emMm(static_cast<double>(soma64) / 64) : LarguraTexto(linha);
    const double acrescimo = (largura - medida) / lacunas;
    if (!std::isfinite(acrescimo)) {
        return false;
    }
    desenhaAgora(X(), Y(), linha, fonteQt_, escala_, metricas_->subida, acrescimo * kU / escala_);
    return true;
}

// The text's top-left corner at (x, y) millimetres, in the painter's current transform.
// The text's top-left corner at (x, y) millimetres, in the fore colour.
void SuperficiePintor::desenhaAgora(double x, double y, const QString& texto, const QFont& fonte,
                                    double escala, double subida, double espacamento) {
    saida_.texto(QPointF(x * kU, y * kU + subida * escala), texto, fonte, espacamento, escala,
                 CorFrente());
}

void SuperficiePintor::Retangulo(double x1, double y1, double x2, double y2) {
    const QRectF r = QRectF(QPointF(x1 * kU, y1 * kU), QPointF(x2 * kU, y2 * kU)).normalized();
    saida_.retangulo(r, CorFrente());
}

void SuperficiePintor::Elipse(double x1, double y1, double x2, double y2, double espessura) {
    const QRectF r = QRectF(QPointF(x1 * kU, y1 * kU), QPointF(x2 * kU, y2 * kU)).normalized();
    saida_.elipse(r, CorFrente(), espessura * kU);
}

void SuperficiePintor::PintaFigura(const Figura& figura, double x, double y, double largura,
                                   double altura) {
    saida_.figura(figura, emUnidades(x, y, largura, altura));
}

void SuperficiePintor::ApagaTudo() {
    saida_.retangulo(emUnidades(0, 0, largura_, altura_), papel_.rgba());
}

void SuperficiePintor::FonteMudou() {
    fonteValida_ = false;
}

} // namespace vidalume
