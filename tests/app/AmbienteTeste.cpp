#include "AmbienteTeste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace vidalume::teste {

void SomTeste::toca(const QString& arquivo, bool repete) {
    tocados << SomTocado{QFileInfo(arquivo).fileName(), repete};
}

namespace {

void copiaArquivos(const QString& de, const QString& para, const QStringList& filtros) {
    QDir().mkpath(para);
    for (const QFileInfo& f : QDir(de).entryInfoList(filtros, QDir::Files)) {
        QFile::copy(f.filePath(), QDir(para).filePath(f.fileName()));
    }
}

} // namespace

PastaPrograma::PastaPrograma() {
    copiaArquivos(QStringLiteral(VIDALUME_DADOS_TESTE), dir_.path(), {QStringLiteral("*.DAT")});
    copiaArquivos(QStringLiteral(VIDALUME_IMAGENS), dir_.filePath(QStringLiteral("imagens")),
                  {QStringLiteral("*.svg")});
}

QByteArray PastaPrograma::conteudo(const QString& nome) const {
    QFile f(arquivo(nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void PastaPrograma::escreve(const QString& nome, const QByteArray& bytes) const {
    QFile f(arquivo(nome));
    if (f.open(QIODevice::WriteOnly)) {
        f.write(bytes);
    }
}

PaginasProntas paginasDeTeste(int total, float larguraMm) {
    PaginasProntas prontas;
    for (int n = 1; n <= total; ++n) {
        QPicture folha;
        QPainter pintor(&folha);
        // A frame one device pixel thin, without antialiasing, whatever the scale.
        pintor.setRenderHint(QPainter::Antialiasing, false);
        pintor.setPen(QPen(Qt::black, 0));
        pintor.drawRect(QRectF(5, 5, larguraMm - 10, 287));
        QFont fonte(QStringLiteral("Liberation Sans"));
        fonte.setPixelSize(12);
        pintor.setFont(fonte);
        pintor.drawText(QPointF(20, 40), QStringLiteral("Página %1").arg(n));
        pintor.end();
        prontas.paginas << folha;
    }
    return prontas;
}

FonteDePaginas fonteDeTeste(int total, QList<QString>* nomesPedidos) {
    return [total, nomesPedidos](const PedidoPaginas& pedido) {
        if (nomesPedidos != nullptr) {
            *nomesPedidos << pedido.nomeAnalise + QLatin1Char('|') + pedido.dataNascimento;
        }
        return paginasDeTeste(total, pedido.larguraMm);
    };
}

} // namespace vidalume::teste
