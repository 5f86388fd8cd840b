#include "engine/Script.h"

#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "engine/SqlValues.h"
#include "engine/SqliteHandle.h"

namespace {

sqlite3* openDb(const Connection& connection) {
    if (!connection.isOpen())
        throw EngineError(QStringLiteral("La connessione al database non è aperta."));
    return connection.handle()->db();
}

} // namespace

void executeScript(const Connection& connection, const QString& sql) {
    sqlite3* db = openDb(connection);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc == SQLITE_OK)
        return;
    if ((rc & 0xff) == SQLITE_ERROR)
        throw EngineError(QStringLiteral("Un'istruzione dell'aggiornamento non è valida per "
                                         "questo archivio."),
                          rc);
    throw sqliteError(db, rc);
}

std::vector<QVariantList> selectRows(const Connection& connection, const QString& sql) {
    openDb(connection);
    Statement statement(connection.handle(), sql);
    std::vector<QVariantList> rows;
    const int columns = sqlite3_column_count(statement.get());
    while (statement.step()) {
        const std::vector<QVariant> row = readRow(statement.get(), columns);
        rows.emplace_back(row.begin(), row.end());
    }
    return rows;
}

ProgressHook::ProgressHook(const Connection& connection, std::function<void()> tick)
    : m_connection(connection), m_tick(std::move(tick)) {
    // About every few milliseconds of work, whatever the statement.
    sqlite3_progress_handler(openDb(m_connection), 20000, &ProgressHook::call, this);
}

ProgressHook::~ProgressHook() {
    if (m_connection.isOpen())
        sqlite3_progress_handler(m_connection.handle()->db(), 0, nullptr, nullptr);
}

int ProgressHook::call(void* self) {
    auto* hook = static_cast<ProgressHook*>(self);
    if (hook->m_tick)
        hook->m_tick();
    return 0;
}
