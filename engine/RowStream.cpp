#include "engine/RowStream.h"

#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "engine/SqliteHandle.h"

#include <QVariant>

namespace {

const std::shared_ptr<SqliteHandle>& openHandle(const Connection& connection) {
    if (!connection.isOpen())
        throw EngineError(QStringLiteral("La connessione al database non è aperta."));
    return connection.handle();
}

} // namespace

RowStream::RowStream(const Connection& connection, const QString& sql)
    : m_statement(std::make_unique<Statement>(openHandle(connection), sql)) {
    sqlite3_stmt* stmt = m_statement->get();
    const int columns = sqlite3_column_count(stmt);
    m_types.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c) {
        const char* declared = sqlite3_column_decltype(stmt, c);
        m_types.push_back(declared
                              ? TextConversion::typeFromDeclaration(QString::fromUtf8(declared))
                              : FieldType::Unknown);
    }
}

RowStream::~RowStream() = default;

QString RowStream::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement->get(), column));
}

bool RowStream::next() {
    return m_statement->step();
}

bool RowStream::isText(int column) const {
    return sqlite3_column_type(m_statement->get(), column) == SQLITE_TEXT;
}

QString RowStream::text(int column) const {
    sqlite3_stmt* stmt = m_statement->get();
    const FieldType type = m_types[size_t(column)];
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return QString();
    case SQLITE_INTEGER:
        return TextConversion::displayText(qlonglong(sqlite3_column_int64(stmt, column)), type);
    case SQLITE_FLOAT:
        return TextConversion::displayText(sqlite3_column_double(stmt, column), type);
    default: {
        const QString stored =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                              sqlite3_column_bytes(stmt, column));
        return type == FieldType::Date ? TextConversion::displayText(stored, type) : stored;
    }
    }
}

qint64 RowStream::countRows(const Connection& connection, const QString& sql) {
    Statement count(openHandle(connection), QStringLiteral("SELECT count(*) FROM (%1)").arg(sql));
    return count.step() ? sqlite3_column_int64(count.get(), 0) : 0;
}
