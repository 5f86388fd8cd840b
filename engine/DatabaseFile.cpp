#include "engine/DatabaseFile.h"

#include "engine/EngineError.h"
#include "engine/SqliteHandle.h"

#include <QFile>
#include <QFileInfo>

void createDatabaseFile(const QString& path, const QStringList& scripts) {
    if (QFileInfo::exists(path))
        throw EngineError(
            QStringLiteral("Il file '%1' esiste già: non viene sovrascritto.").arg(path));
    bool ok = false;
    QString failure;
    {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        SqliteHandle handle(raw);
        if (rc != SQLITE_OK)
            throw sqliteError(raw, rc);
        auto exec = [&](const QString& sql) {
            char* error = nullptr;
            const int r = sqlite3_exec(raw, sql.toUtf8().constData(), nullptr, nullptr, &error);
            if (r != SQLITE_OK) {
                const QString text = error ? QString::fromUtf8(error) : QString();
                sqlite3_free(error);
                throw sqliteError(raw, r, text);
            }
        };
        try {
            exec(QStringLiteral("PRAGMA foreign_keys = ON; BEGIN"));
            for (const QString& script : scripts)
                exec(script);
            exec(QStringLiteral("COMMIT"));
            ok = true;
        } catch (const EngineError& e) {
            failure = e.message();
            sqlite3_exec(raw, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    if (!ok) {
        QFile::remove(path);
        throw EngineError(
            QStringLiteral("Impossibile creare il database '%1':\n%2").arg(path, failure));
    }
}
