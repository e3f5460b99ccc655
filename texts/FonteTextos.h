// Reader of the reviewable UTF-8 sources of the interpretation texts kept in the
// repository. A line "@@ N" starts record N; paragraphs are separated by blank lines and
// the lines of one paragraph are joined with a space. The paragraphs of a record are
// joined with CR LF, as the editor's text box would store them.
#pragma once

#include <QMap>
#include <QString>

namespace vidalume {

class FonteTextos {
public:
    // Record number -> text. `erro` receives a message when the source is malformed
    // (text before the first record, a repeated or invalid record number).
    static QMap<int, QString> analisa(const QString& fonte, QString* erro = nullptr);
    static QMap<int, QString> carrega(const QString& caminho, QString* erro = nullptr);
};

} // namespace vidalume
