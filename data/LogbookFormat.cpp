#include "data/LogbookFormat.h"

#include "engine/Connection.h"
#include "engine/Script.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace LogbookFormat {

const std::vector<Migration>& shipped() {
    static const std::vector<Migration> scripts = [] {
        std::vector<Migration> found;
        const QDir dir(QStringLiteral(":/data/migrations"));
        static const QRegularExpression name(QStringLiteral("^(\\d{4})-[^/]+\\.sql$"));
        // Four-digit numbers sort by name in version order.
        for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
            const auto match = name.match(file);
            if (!match.hasMatch())
                continue;
            QFile f(dir.filePath(file));
            f.open(QIODevice::ReadOnly);
            found.push_back({match.captured(1).toInt(), file, QString::fromUtf8(f.readAll())});
        }
        return found;
    }();
    return scripts;
}

int newest() {
    return shipped().empty() ? First : shipped().back().version;
}

int versionOf(const Connection& connection) {
    const auto rows = selectRows(connection, QStringLiteral("PRAGMA user_version"));
    const int version = rows.empty() ? 0 : rows.front().value(0).toInt();
    return version < First ? First : version;
}

bool has(const Connection& connection, int version) {
    return connection.isOpen() && !connection.isReadOnly() && versionOf(connection) >= version;
}

} // namespace LogbookFormat
