#include "tests/app/AmbienteTeste.h"

namespace vidalume::teste {

PastaPrograma::PastaPrograma() {
    // Plain writes: QFile::copy syncs every file to the disk, which makes each folder slow.
    const auto copia = [](const QString& de, const QString& para, const QString& filtro) {
        QDir().mkpath(para);
        for (const QFileInfo& f : QDir(de).entryInfoList({filtro}, QDir::Files)) {
            QFile origem(f.filePath()), copia(QDir(para).filePath(f.fileName()));
            if (origem.open(QIODevice::ReadOnly) && copia.open(QIODevice::WriteOnly)) {
                copia.write(origem.readAll());
            }
        }
    };
    copia(QStringLiteral(VIDALUME_DADOS_TESTE), dir_.path(), QStringLiteral("*.DAT"));
    copia(QStringLiteral(VIDALUME_IMAGENS), arquivo(QStringLiteral("imagens")),
          QStringLiteral("*.svg"));
}

PaginasProntas paginasDeTeste(int total, float larguraMm) {
    PaginasProntas prontas;
    for (int n = 0; n < total; ++n) {
        QPicture folha;
        QPainter pintor(&folha);
        // A frame one device pixel thin, without antialiasing, whatever the scale.
        pintor.setRenderHint(QPainter::Antialiasing, false);
        pintor.setPen(QPen(Qt::black, 0));
        pintor.drawRect(QRectF(5, 5, larguraMm - 10, 287));
        // A line of text and a coloured bar that differs from page to page.
        pintor.setRenderHint(QPainter::Antialiasing, true);
        QFont fonte(QStringLiteral("Liberation Serif"));
        fonte.setPixelSize(8);
        pintor.setFont(fonte);
        pintor.drawText(QPointF(20, 40), u"Página %1 — Análise Numerológica"_s.arg(n + 1));
        pintor.fillRect(QRectF(20, 61 + n, 30, 1), QColor(184, 145, 58));
        pintor.end();
        prontas.paginas << folha;
    }
    return prontas;
}

} // namespace vidalume::teste
