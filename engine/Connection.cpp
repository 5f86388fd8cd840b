#include "engine/Connection.h"

#include "engine/EngineError.h"
#include "engine/SqlValues.h"
#include "engine/SqliteHandle.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <csignal>
#include <optional>

namespace {

// Fault injection for the crash tests: with LUNKERLEDGER_KILL_AT_COMMIT=N in the environment
// the process kills itself with SIGKILL inside its Nth commit, once the rows are written but
// before the commit is durable, the worst moment for the logbook.
void armKillAtCommit(sqlite3* db) {
    static const int target = qEnvironmentVariableIntValue("LUNKERLEDGER_KILL_AT_COMMIT");
    if (target <= 0)
        return;
    static std::atomic<int> commits{0};
    sqlite3_commit_hook(
        db,
        [](void*) {
            if (++commits == target)
                ::raise(SIGKILL);
            return 0;
        },
        nullptr);
}

} // namespace

Connection::Connection(DatabaseKind kind) : m_kind(std::move(kind)) {}
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

void Connection::open(const QString& connectionString, const QString& baseDir, bool readOnly) {
    const QString source = dataSourceOf(connectionString);
    if (source.isEmpty())
        throw EngineError(QStringLiteral("La stringa di connessione non indica il file del "
                                         "database (Data Source)."));
    openFile(QFileInfo(source).isAbsolute() ? source : QDir(baseDir).filePath(source), readOnly);
}

void Connection::openFile(const QString& path, bool readOnly) {
    close();
    const QFileInfo info(path);
    if (!info.exists())
        throw EngineError(QStringLiteral("Il file del database '%1' non esiste.").arg(path));
    if (!info.isFile())
        throw EngineError(QStringLiteral("'%1' non è un file di database leggibile.").arg(path));

    sqlite3* raw = nullptr;
    const QByteArray name = QFile::encodeName(path);
    const int rc = sqlite3_open_v2(
        name.constData(), &raw, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    auto handle = std::make_shared<SqliteHandle>(raw);
    if (rc != SQLITE_OK)
        throw sqliteError(raw, rc);
    sqlite3_extended_result_codes(raw, 1);
    armKillAtCommit(raw);
    sqlite3_busy_timeout(raw, 2000);

    // sqlite3_open_v2 reads nothing yet: touch the schema so a foreign or damaged file fails
    // here, where the caller expects it, rather than at the first query.
    {
        Statement probe(handle, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        probe.step();
    }
    // SQLite takes any file it can read, an empty one included, as a database: a file that
    // does not hold the tables of its kind is refused here like a missing one.
    requireTables(handle, path);
    // A file that cannot be written (a copy on a read-only medium) is opened for reading.
    m_readOnly = sqlite3_db_readonly(raw, "main") == 1;
    {
        Statement fk(handle, QStringLiteral("PRAGMA foreign_keys = ON"));
        fk.step();
    }
    m_handle = std::move(handle);
    m_path = path;
}

void Connection::requireTables(const std::shared_ptr<SqliteHandle>& handle,
                               const QString& path) const {
    if (m_kind.requiredTables.isEmpty())
        return;
    const QStringList marks(m_kind.requiredTables.size(), QStringLiteral("?"));
    Statement tables(handle, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = "
                                            "'table' AND name IN (%1)")
                                 .arg(marks.join(QLatin1Char(','))));
    for (int i = 0; i < m_kind.requiredTables.size(); ++i)
        bindValue(tables, i + 1, m_kind.requiredTables[i]);
    tables.step();
    if (sqlite3_column_int(tables.get(), 0) != int(m_kind.requiredTables.size()))
        throw EngineError(m_kind.notThisKind.arg(path));
}

void Connection::backupTo(const QString& path, const std::atomic<bool>* cancel) const {
    if (!m_handle)
        throw EngineError(QStringLiteral("La connessione al database non è aperta."));
    if (QFileInfo::exists(path))
        throw EngineError(
            QStringLiteral("Il file '%1' esiste già: non viene sovrascritto.").arg(path));
    const QString partial = path + QStringLiteral(".parziale");
    // A copy killed half-way leaves its file and perhaps its journal: neither may be played
    // into the new copy.
    for (const char* left : {"", "-journal", "-wal", "-shm"})
        QFile::remove(partial + QLatin1String(left));
    std::optional<EngineError> failure;
    {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(partial).constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        SqliteHandle copy(raw); // closed at the end of this block, whatever happens
        if (rc != SQLITE_OK) {
            // The logbook itself is open and fine: what failed is the place of the copy.
            failure = EngineError(QStringLiteral("Impossibile scrivere la copia dell'archivio "
                                                 "in '%1': la cartella non è scrivibile.")
                                      .arg(QDir::toNativeSeparators(path)),
                                  rc);
        } else if (sqlite3_backup* backup =
                       sqlite3_backup_init(raw, "main", m_handle->db(), "main")) {
            // In slices, so a save through another connection can go in between (the copy
            // then starts over from the changed logbook and stays consistent), and a copy
            // that is no longer wanted stops at the next slice.
            int stepped = SQLITE_OK;
            while (stepped == SQLITE_OK || stepped == SQLITE_BUSY || stepped == SQLITE_LOCKED) {
                if (cancel && cancel->load()) {
                    stepped = SQLITE_INTERRUPT;
                    break;
                }
                if (stepped != SQLITE_OK)
                    sqlite3_sleep(5);
                stepped = sqlite3_backup_step(backup, 1024);
            }
            const int finished = sqlite3_backup_finish(backup);
            if ((stepped & 0xff) == SQLITE_READONLY || (stepped & 0xff) == SQLITE_CANTOPEN)
                failure = EngineError(QStringLiteral("Impossibile scrivere la copia "
                                                     "dell'archivio in '%1'.")
                                          .arg(QDir::toNativeSeparators(path)),
                                      stepped);
            else if (stepped == SQLITE_INTERRUPT)
                failure = EngineError(QStringLiteral("Copia dell'archivio interrotta."), stepped);
            else if (stepped != SQLITE_DONE)
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
        throw EngineError(QStringLiteral("Impossibile scrivere la copia dell'archivio in '%1'.")
                              .arg(QDir::toNativeSeparators(path)));
    }
}

void Connection::setReadOnly() {
    if (!m_handle)
        return;
    Statement only(m_handle, QStringLiteral("PRAGMA query_only = ON"));
    only.step();
    m_readOnly = true;
}

Connection::Soundness Connection::checkSoundness(int budgetMs,
                                                 const std::atomic<bool>* cancel) const {
    if (!m_handle)
        throw EngineError(QStringLiteral("La connessione al database non è aperta."));
    sqlite3* db = m_handle->db();
    QElapsedTimer clock;
    clock.start();
    struct Deadline {
        QElapsedTimer* clock;
        int budget;
        const std::atomic<bool>* cancel;
    } deadline{&clock, budgetMs, cancel};
    sqlite3_progress_handler(
        db, 1000,
        [](void* arg) {
            const auto* d = static_cast<Deadline*>(arg);
            return d->clock->elapsed() > d->budget || (d->cancel && d->cancel->load()) ? 1 : 0;
        },
        &deadline);
    Soundness result = Soundness::Sound;
    try {
        Statement check(m_handle, QStringLiteral("PRAGMA quick_check"));
        while (check.step()) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
            if (!text || qstrcmp(text, "ok") != 0)
                result = Soundness::Damaged;
        }
    } catch (const EngineError& e) {
        const int primary = e.code() & 0xff;
        result = primary == SQLITE_INTERRUPT ? Soundness::NotChecked : Soundness::Damaged;
        if (primary != SQLITE_INTERRUPT && primary != SQLITE_CORRUPT && primary != SQLITE_NOTADB &&
            primary != SQLITE_IOERR) {
            sqlite3_progress_handler(db, 0, nullptr, nullptr);
            throw;
        }
    }
    sqlite3_progress_handler(db, 0, nullptr, nullptr);
    return result;
}

void Connection::close() {
    m_handle.reset();
    m_readOnly = false;
    m_path.clear();
}
