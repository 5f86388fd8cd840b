#include "tests/support/Sql.h"

#include "engine/Command.h"
#include "engine/Connection.h"
#include "engine/Query.h"

#include <QFile>

void execSql(Connection& connection, const QString& sql) {
    Command command(QStringLiteral("sql"), nullptr, &connection);
    command.setSql(sql);
    command.execute();
}

QVariant firstValue(Connection& connection, const QString& sql) {
    Query query(QStringLiteral("sql"), nullptr, &connection);
    query.setSql(sql);
    query.open();
    return query.value(0);
}

void damageTable(const QString& path, const QString& table) {
    int root = 0;
    int pageSize = 0;
    {
        Connection c;
        c.openFile(path);
        root =
            firstValue(
                c,
                QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table))
                .toInt();
        pageSize = firstValue(c, QStringLiteral("PRAGMA page_size")).toInt();
    }
    QFile file(path);
    if (root < 2 || !file.open(QIODevice::ReadWrite))
        qFatal("cannot damage %s", qPrintable(path));
    file.seek(qint64(root - 1) * pageSize);
    file.write(QByteArray(16, '\xee'));
}
