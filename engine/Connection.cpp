#include "engine/Connection.h"

#include "engine/EngineError.h"
#include "engine/SqliteHandle.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

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
    m_path = path;
}

void Connection::backupTo(const QString& path) const {
    if (!m_handle)
        throw EngineError(QStringLiteral("La connessione al database non è aperta."));
    if (QFileInfo::exists(path))
        throw EngineError(
            QStringLiteral("Il file '%1' esiste già: non viene sovrascritto.").arg(path));
    const QString partial = path + QStringLiteral(".parziale");
    QFile::remove(partial);
    std::optional<EngineError> failure;
    {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(partial).constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        SqliteHandle copy(raw); // closed at the end of this block, whatever happens
        if (rc != SQLITE_OK) {
            failure = sqliteError(raw, rc);
        } else if (sqlite3_backup* backup =
                       sqlite3_backup_init(raw, "main", m_handle->db(), "main")) {
            const int stepped = sqlite3_backup_step(backup, -1);
            const int finished = sqlite3_backup_finish(backup);
            if (stepped != SQLITE_DONE)
                failure = sqliteError(raw, stepped);
            else if (finished != SQLITE_OK)
                failure = sqliteError(raw, finished);
        } else {
            failure = sqliteError(raw, sqlite3_errcode(raw));
        }
    }
    if (failure) {
        QFile::remove(partial);
        throw *failure;
    }
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw EngineError(
            QStringLiteral("Impossibile scrivere la copia dell'archivio in '%1'.").arg(path));
    }
}

void Connection::setReadOnly() {
    if (!m_handle)
        return;
    Statement only(m_handle, QStringLiteral("PRAGMA query_only = ON"));
    only.step();
    m_readOnly = true;
}

void Connection::close() {
    m_handle.reset();
    m_readOnly = false;
    m_path.clear();
}
