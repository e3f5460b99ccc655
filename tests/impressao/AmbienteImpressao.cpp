#include "AmbienteImpressao.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace vidalume::teste {

namespace {

constexpr double kMmPorPonto = 25.4 / 72;

void copiaArquivos(const QString& de, const QString& para, const QStringList& filtros) {
    QDir().mkpath(para);
    for (const QFileInfo& f : QDir(de).entryInfoList(filtros, QDir::Files)) {
        QFile::copy(f.filePath(), QDir(para).filePath(f.fileName()));
    }
}

QByteArray executa(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

} // namespace

PastaTeste::PastaTeste() {
    copiaArquivos(QStringLiteral(VIDALUME_DADOS_TESTE), dir_.path(), {QStringLiteral("*.DAT")});
    copiaArquivos(QStringLiteral(VIDALUME_IMAGENS), dir_.filePath(QStringLiteral("imagens")),
                  {QStringLiteral("*.svg")});
}

QByteArray PastaTeste::conteudo(const QString& nome) const {
    QFile f(arquivo(nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool PaginaPdf::contem(const QString& frase) const {
    const QStringList procuradas = separaPalavras(frase);
    for (qsizetype i = 0; i + procuradas.size() <= palavras.size(); ++i) {
        bool igual = true;
        for (qsizetype j = 0; j < procuradas.size() && igual; ++j) {
            igual = palavras[i + j].texto == procuradas[j];
        }
        if (igual) {
            return true;
        }
    }
    return false;
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
            paginas_.append(PaginaPdf{mm("width"), mm("height"), {}});
        } else if (xml.name() == QLatin1String("word") && !paginas_.isEmpty()) {
            const double x1 = mm("xMin"), y1 = mm("yMin"), x2 = mm("xMax"), y2 = mm("yMax");
            paginas_.last().palavras.append(PalavraPdf{xml.readElementText(), x1, y1, x2, y2});
        }
    }
}

QMap<QString, int> PdfLido::contagem() const {
    QMap<QString, int> c;
    for (const PaginaPdf& p : paginas_) {
        for (const PalavraPdf& w : p.palavras) {
            ++c[w.texto];
        }
    }
    return c;
}

QImage PdfLido::imagem(int n, int dpi) const {
    const QByteArray png = executa(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-png"), QStringLiteral("-r"),
                                    QString::number(dpi), QStringLiteral("-f"), QString::number(n),
                                    QStringLiteral("-l"), QString::number(n), arquivo_});
    return QImage::fromData(png, "PNG");
}

bool PdfLido::a4Retrato() const {
    return !paginas_.isEmpty() &&
           std::all_of(paginas_.cbegin(), paginas_.cend(), [](const auto& p) {
               return std::abs(p.largura - 210) < 0.1 && std::abs(p.altura - 297) < 0.1;
           });
}

QStringList separaPalavras(const QString& texto) {
    static const QRegularExpression kBrancos(QStringLiteral("\\s+"));
    return texto.split(kBrancos, Qt::SkipEmptyParts);
}

int pixelsColoridos(const QImage& imagem) {
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            const int maior = std::max({qRed(c), qGreen(c), qBlue(c)});
            const int menor = std::min({qRed(c), qGreen(c), qBlue(c)});
            n += maior - menor > 24;
        }
    }
    return n;
}

} // namespace vidalume::teste
