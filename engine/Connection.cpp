#include "engine/Connection.h"

#include "engine/EngineError.h"
#include "engine/SqliteHandle.h"

#include <QDir>
#include <QFileInfo>

Connection::Connection() = default;
Connection::~Connection() = default;

QString Connection::dataSourceOf(const QString& connectionString) {
    const auto parts = connectionString.split(QLatin1Char(';'));
    for (const QString& part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (part.left(eq).trimmed().compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1).trimmed();
    }
    return QString();
}

void Connection::open(const QString& connectionString, const QString& baseDir) {
    const QString source = dataSourceOf(connectionString);
    if (source.isEmpty())
        throw EngineError(QStringLiteral("La stringa di connessione non indica il file del "
                                         "database (Data Source)."));
    openFile(QFileInfo(source).isAbsolute() ? source : QDir(baseDir).filePath(source));
}

void Connection::openFile(const QString& path) {
    close();
    const QFileInfo info(path);
    if (!info.exists())
        throw EngineError(QStringLiteral("Il file del database '%1' non esiste.").arg(path));
    if (!info.isFile())
        throw EngineError(QStringLiteral("'%1' non è un file di database leggibile.").arg(path));

    sqlite3* raw = nullptr;
    const QByteArray name = QFile::encodeName(path);
    const int rc = sqlite3_open_v2(name.constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    auto handle = std::make_shared<SqliteHandle>(raw);
    if (rc != SQLITE_OK)
        throw sqliteError(raw, rc);
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, 2000);

    // sqlite3_open_v2 reads nothing yet: touch the schema so a foreign or damaged file fails
    // here, where the caller expects it, rather than at the first query.
    {
        Statement probe(handle, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        probe.step();
    }
    // SQLite takes any file it can read, an empty one included, as a database: a file that
    // does not hold the logbook's tables is refused here like a missing one.
    {
        Statement tables(handle, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = "
                                                "'table' AND name IN ('TUscita', 'TPreda', "
                                                "'TPastura', 'TLago')"));
        tables.step();
        if (sqlite3_column_int(tables.get(), 0) != 4)
            throw EngineError(
                QStringLiteral("Il file '%1' non contiene l'archivio delle uscite.").arg(path));
    }
    // A file that cannot be written (a copy on a read-only medium) is opened for reading.
    m_readOnly = sqlite3_db_readonly(raw, "main") == 1;
    {
        Statement fk(handle, QStringLiteral("PRAGMA foreign_keys = ON"));
        fk.step();
    }
    m_handle = std::move(handle);
}

void Connection::close() {
    m_handle.reset();
    m_readOnly = false;
}
