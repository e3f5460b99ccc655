#include "tests/impressao/AmbienteImpressao.h"

namespace vidalume::teste {

namespace {

constexpr double kMmPorPonto = 25.4 / 72;

QByteArray executa(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

} // namespace

bool PaginaPdf::contem(const QString& frase) const {
    QStringList textos;
    for (const PalavraPdf& w : palavras) {
        textos << w.texto;
    }
    const QString procurada = separaPalavras(frase).join(u' ');
    return (u' ' + textos.join(u' ') + u' ').contains(u' ' + procurada + u' ');
}

PdfLido::PdfLido(const QString& arquivo) : arquivo_(arquivo) {
    QXmlStreamReader xml(executa(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), arquivo, QStringLiteral("-")}));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto a = xml.attributes();
        const auto mm = [&](const char* nome) {
            return a.value(QLatin1String(nome)).toDouble() * kMmPorPonto;
        };
        if (xml.name() == QLatin1String("page")) {
            paginas_.append(PaginaPdf{});
        } else if (xml.name() == QLatin1String("word") && !paginas_.isEmpty()) {
            const double x1 = mm("xMin"), y1 = mm("yMin"), x2 = mm("xMax"), y2 = mm("yMax");
            paginas_.last().palavras.append(PalavraPdf{xml.readElementText(), x1, y1, x2, y2});
        }
    }
}

QImage PdfLido::imagem(int n) const {
    const QString pagina = QString::number(n);
    return QImage::fromData(
        executa(QStringLiteral("pdftoppm"),
                {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("40"),
                 QStringLiteral("-f"), pagina, QStringLiteral("-l"), pagina, arquivo_}),
        "PNG");
}

int pixelsColoridos(const QImage& imagem) {
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            const int maior = std::max({qRed(c), qGreen(c), qBlue(c)});
            n += maior - std::min({qRed(c), qGreen(c), qBlue(c)}) > 24;
        }
    }
    return n;
}

} // namespace vidalume::teste
