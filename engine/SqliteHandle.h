#pragma once

// Engine-internal: the only header besides the engine's own sources that sees sqlite3.h.
#include <sqlite3.h>

#include <QString>
#include <memory>

class EngineError;
class QueryShapeCache;

// Owns an open sqlite3 database; statements keep it alive through shared ownership, so
// closing the connection while a query still holds a statement is safe. It also keeps what
// is known of the queries run on it.
class SqliteHandle {
public:
    explicit SqliteHandle(sqlite3* db);
    ~SqliteHandle();
    SqliteHandle(const SqliteHandle&) = delete;
    SqliteHandle& operator=(const SqliteHandle&) = delete;
    sqlite3* db() const { return m_db; }
    QueryShapeCache& shapes();

private:
    sqlite3* m_db;
    std::unique_ptr<QueryShapeCache> m_shapes; // made at the first query
};

// A prepared statement bound to the handle it was prepared on.
class Statement {
public:
    Statement(std::shared_ptr<SqliteHandle> handle, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }
    const std::shared_ptr<SqliteHandle>& handle() const { return m_handle; }
    int parameterCount() const { return sqlite3_bind_parameter_count(m_stmt); }
    // Steps once; true while a row is available. Throws EngineError on failure.
    bool step();
    void reset();

private:
    std::shared_ptr<SqliteHandle> m_handle;
    sqlite3_stmt* m_stmt = nullptr;
};

// The engine's message with a short Italian sentence in front for the common failures.
EngineError sqliteError(sqlite3* db, int rc);
EngineError sqliteError(sqlite3* db, int rc, const QString& fallback);
