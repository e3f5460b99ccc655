// The painter surface's text drawn exactly where it was measured, and the fast text writer against
// the character-by-character reference with real fonts.
#include "report/painter/SuperficiePintor.h"
#include "report/EscreveTexto.h"
#include "report/painter/GravadorPagina.h"
#include "report/painter/LayoutTela.h"
#include "tests/report/EscreveTextoReferencia.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRandomGenerator>

#include <functional>

namespace vidalume {
namespace {

// Records what it draws, besides drawing it; a justified line drawn whole is recorded as the
// pieces it stands for, each where writing it alone would put it.
class PintorGravador : public SuperficiePintor {
public:
    using SuperficiePintor::SuperficiePintor;
    QStringList desenho;

    bool EscreveJustificada(const QString& linha, double largura, int lacunas) override {
        if (!SuperficiePintor::EscreveJustificada(linha, largura, lacunas)) {
            return false;
        }
        const double acrescimo = (largura - LarguraTexto(linha)) / lacunas;
        double x = X();
        qsizetype inicio = 0;
        for (qsizetype i = 0; i <= linha.size(); ++i) {
            if (i == linha.size() || linha[i] == u' ') {
                const QString peca = linha.mid(inicio, i + 1 - inicio);
                anota(x, Y(), peca);
                x = x + LarguraTexto(peca) + acrescimo;
                inicio = i + 1;
            }
        }
        return true;
    }

protected:
    void DesenhaTexto(double x, double y, const QString& texto, double largura) override {
        anota(x, y, texto);
        SuperficiePintor::DesenhaTexto(x, y, texto, largura);
    }

private:
    void anota(double x, double y, const QString& texto) {
        desenho << QStringLiteral("%1@%2,%3").arg(texto).arg(x, 0, 'g', 17).arg(y, 0, 'g', 17);
    }
};

TEST(EscreveTextoFontesReaisTest, SameLinesAsTheReference) {
    const QStringList familias = {"Times New Roman", "Arial", "Courier New"};
    const QStringList palavras = {"a",  "é",    "numerologia", "Vida", "WWW",  "il",
                                  "fi", "ção,", "AV",          "—",    "\r\n", "  "};
    QRandomGenerator r(42);
    for (int caso = 0; caso < 300; ++caso) {
        QString texto;
        for (int i = r.bounded(60); i > 0; --i) {
            texto += palavras[r.bounded(palavras.size())] + u' ';
        }
        const int tamanho = 6 + 2 * r.bounded(9);
        const double direita = 15 + r.bounded(180.0);
        QPicture pa, pb;
        QPainter qa(&pa), qb(&pb);
        PintorGravador a(qa, 210, 297, 1.0, nullptr), b(qb, 210, 297, 1.0, nullptr);
        for (PintorGravador* s : {&a, &b}) {
            s->DefineNomeFonte(familias[caso % 3]);
            s->DefineTamanhoFonte(tamanho);
            s->DefineNegrito(caso % 2);
        }
        QString ta = texto, tb = texto;
        SCOPED_TRACE(caso);
        ASSERT_EQ(EscreveTexto::escreve(a, 20, 12, direita, 200, ta),
                  EscreveTextoReferencia::escreve(b, 20, 12, direita, 200, tb));
        ASSERT_EQ(ta, tb);
        ASSERT_EQ(a.desenho, b.desenho);
    }
}

// Records a page as the screen layout does, replays it at 20 pixels per millimetre
// and gives the rightmost inked millimetre between the tops y1 and y2.
constexpr double kPixelsPorMm = 20;

double bordaDireita(const std::function<void(SuperficiePintor&)>& desenha, double y1, double y2) {
    GravadorPagina gravador(nullptr);
    {
        SuperficiePintor s(gravador, 150, 60);
        desenha(s);
    }
    const PaginaGravada pagina = gravador.conclui();
    QImage imagem(int(150 * kPixelsPorMm), int(60 * kPixelsPorMm), QImage::Format_RGB32);
    imagem.fill(Qt::white);
    {
        QPainter pintor(&imagem);
        LayoutTela::pinta(pintor, pagina, kPixelsPorMm);
    }
    int direita = -1;
    for (int y = int(y1 * kPixelsPorMm); y < int(y2 * kPixelsPorMm); ++y) {
        for (int x = imagem.width() - 1; x > direita; --x) {
            if (qGray(imagem.pixel(x, y)) < 160) {
                direita = x;
                break;
            }
        }
    }
    return (direita + 1) / kPixelsPorMm;
}

// Widths add up character by character, and a string is drawn exactly as wide as that: a
// justified line (drawn as one text item with its gaps) ends where its last word, drawn alone
// at its measured place, ends; so does a word full of pairs a font would kern, and a word
// with a tab inside.
TEST(SuperficiePintorTest, TextEndsOnScreenWhereItWasMeasured) {
    const QString linha = QStringLiteral("AVATAR Wave Tomo Yacht LTA office affluent AWAY "
                                         "Vovó, você já leu \"Ávila\"? Tê-lo-ia lido");
    const QString texto = linha + u' ' + linha;
    const QString pares = QStringLiteral("AVAVAWAYATAVTeToYoLTAV\tAVAV");
    for (const char* familia : {"Times New Roman", "Arial", "Courier New"}) {
        for (int estilo = 0; estilo < 4; ++estilo) {
            SCOPED_TRACE(testing::Message() << familia << " " << estilo);
            const auto fonte = [&](SuperficiePintor& s) {
                s.DefineNomeFonte(QString::fromLatin1(familia));
                s.DefineTamanhoFonte(12);
                s.DefineNegrito(estilo & 1);
                s.DefineItalico(estilo & 2);
            };
            // The first line's last word, found with the same measures as the writer's.
            QPicture rascunho;
            QPainter pintor(&rascunho);
            SuperficiePintor medidas(pintor, 150, 60, 1.0, nullptr);
            fonte(medidas);
            QString primeira = texto.left(medidas.PrimeiroExcesso(texto, 100, 1));
            primeira.truncate(primeira.lastIndexOf(u' '));
            const QString ultima = primeira.mid(primeira.lastIndexOf(u' ') + 1);

            // `t` written alone from (x, y), or as a block of the column x to 110.
            const auto escrita = [&](double x, double y, QString t, bool bloco) {
                const auto desenha = [&](SuperficiePintor& s) {
                    fonte(s);
                    s.DefineX(x);
                    s.DefineY(y);
                    bloco ? void(EscreveTexto::escreve(s, y, x, 110, 1e9, t)) : s.Escreve(t);
                };
                return bordaDireita(desenha, y, y + 4);
            };
            const double justificada = escrita(10, 10, texto, true);
            EXPECT_NEAR(justificada, escrita(110 - medidas.LarguraTexto(ultima), 10, ultima, false),
                        1.01 / kPixelsPorMm);
            // Italics reach a little past their advance.
            EXPECT_TRUE(justificada > 109 && justificada < 110.5) << justificada;
            EXPECT_NEAR(
                escrita(10, 30, pares, false),
                escrita(10 + medidas.LarguraTexto(pares.chopped(1)), 30, pares.right(1), false),
                1.01 / kPixelsPorMm);
        }
    }
}

} // namespace
} // namespace vidalume
