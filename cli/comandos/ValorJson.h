// One JSON value as text, for the commands that write their objects by hand to keep their
// keys in a fixed, readable order (QJsonObject sorts them): the value goes through
// QJsonDocument for correct escaping.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QString>

namespace vidalume {

inline QString ValorJson(const QJsonValue& v) {
    const QByteArray doc = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(doc.mid(1, doc.size() - 2));
}

} // namespace vidalume
