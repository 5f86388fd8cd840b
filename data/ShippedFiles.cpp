#include "data/ShippedFiles.h"

#include "data/LogbookFormat.h"
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

void createDatabase(const QString& path, int version) {
    // The newest format is the first one plus every migration, so a new file is made by the
    // very scripts that upgrade an old one.
    QStringList scripts{schemaSql(), seedSql()};
    for (const LogbookFormat::Migration& migration : LogbookFormat::shipped())
        if (migration.version <= version)
            scripts << migration.sql;
    if (version > LogbookFormat::First)
        scripts << QStringLiteral("PRAGMA user_version = %1").arg(version);
    createDatabaseFile(path, scripts);
}

} // namespace ShippedFiles
