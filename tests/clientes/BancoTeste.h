// SQLite files read and made by a connection of the tests' own, as another program would.
#pragma once

#include "tests/ArquivosTeste.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

namespace vidalume::teste {

// Runs `comandos` on the database file `arquivo`; returns the first column of the last
// statement's first row.
inline QVariant sql(const QString& arquivo, const QStringList& comandos) {
    QVariant r;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "externa");
        db.setDatabaseName(arquivo);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& c : comandos) {
            EXPECT_TRUE(q.exec(c)) << c.toStdString();
        }
        if (q.next()) {
            r = q.value(0);
        }
    }
    QSqlDatabase::removeDatabase("externa");
    return r;
}

// The bytes of a database made by `comandos`.
inline QByteArray banco(const QStringList& comandos) {
    QTemporaryDir dir;
    sql(dir.filePath("b.sqlite"), comandos);
    return conteudo(dir.filePath("b.sqlite"));
}

} // namespace vidalume::teste
