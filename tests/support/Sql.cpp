#include "tests/support/Sql.h"

#include "engine/Command.h"
#include "engine/Query.h"

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
