#pragma once

#include "engine/DatabaseKind.h"

#include <QString>
#include <atomic>
#include <memory>

struct sqlite3;
class SqliteHandle;

// The single database connection of the program. It opens an existing database file
// read-write (read-only when the file cannot be written) and never creates one: a missing,
// unreadable or foreign file, or one without the tables its kind requires, is an EngineError
// the caller can catch. Queries and commands share it.
class Connection {
public:
    explicit Connection(DatabaseKind kind = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file named by the connection string's "Data Source", taken relative to
    // baseDir unless it is absolute. Other keys of the string (provider, ...) are ignored.
    // `readOnly` opens for reading even a file that could be written.
    void open(const QString& connectionString, const QString& baseDir, bool readOnly = false);
    void openFile(const QString& path, bool readOnly = false);
    void close();
    bool isOpen() const { return m_handle != nullptr; }
    // Open on a file that cannot be written: every save fails with an Italian message.
    bool isReadOnly() const { return m_readOnly; }
    // From now on nothing is written through this connection, as if the file could not be
    // written (a logbook in a format newer than this program knows).
    void setReadOnly();

    // Writes a consistent copy of the open database into a new file (the engine's online
    // backup), through a temporary file, so a failure leaves no half-written copy. An existing
    // file at `path` is refused. Setting `*cancel` stops the copy (an EngineError) with
    // nothing left behind.
    void backupTo(const QString& path, const std::atomic<bool>* cancel = nullptr) const;

    // What a bounded quick check of the open database found: a copy of a damaged file must
    // never push a sound one out of the kept backups, and a check that ran out of time
    // proves nothing either way.
    enum class Soundness { Sound, Damaged, NotChecked };
    // The engine's quick check of every page, stopped after `budgetMs` milliseconds.
    // Setting `*cancel` stops it like the end of the budget.
    Soundness checkSoundness(int budgetMs, const std::atomic<bool>* cancel = nullptr) const;
    // The database file this connection has open; empty while closed.
    const QString& filePath() const { return m_path; }

    // "Data Source" of a connection string, blanks trimmed; empty when there is none.
    static QString dataSourceOf(const QString& connectionString);

    // What the files opened here must hold, and the words for what they do not.
    const DatabaseKind& kind() const { return m_kind; }

    // For the engine's own statements; null while closed.
    const std::shared_ptr<SqliteHandle>& handle() const { return m_handle; }

private:
    void requireTables(const std::shared_ptr<SqliteHandle>& handle, const QString& path) const;

    DatabaseKind m_kind;
    std::shared_ptr<SqliteHandle> m_handle;
    bool m_readOnly = false;
    QString m_path;
};
