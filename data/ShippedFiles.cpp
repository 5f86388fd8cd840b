#include "data/ShippedFiles.h"

#include "engine/DatabaseFile.h"

#include <QFile>

namespace {
QString readResource(const QString& name) {
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}
} // namespace

namespace ShippedFiles {

QString schemaSql() {
    return readResource(QStringLiteral(":/data/schema.sql"));
}

QString seedSql() {
    return readResource(QStringLiteral(":/data/seed.sql"));
}

QString queryIni() {
    return readResource(QStringLiteral(":/data/qry.ini"));
}

void createDatabase(const QString& path) {
    createDatabaseFile(path, {schemaSql(), seedSql()});
}

} // namespace ShippedFiles
