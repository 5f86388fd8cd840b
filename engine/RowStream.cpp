#include "engine/RowStream.h"

#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "engine/SqliteHandle.h"

#include <QDate>
#include <QVariant>

namespace {

const std::shared_ptr<SqliteHandle>& openHandle(const Connection& connection) {
    if (!connection.isOpen())
        throw EngineError(QStringLiteral("La connessione al database non è aperta."));
    return connection.handle();
}

// "yyyy-MM-dd..." as "dd/MM/yyyy" without the date parser and formatter, which cost more
// than the rest of a row on a long export; a null text for anything else (an invalid day
// included), which then takes the general conversion and gets the same answer.
QString isoDayAsText(const QString& stored) {
    if (stored.size() < 10 || stored[4] != QLatin1Char('-') || stored[7] != QLatin1Char('-'))
        return QString();
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!stored[i].isDigit() || stored[i].unicode() > '9')
            return QString();
    auto number = [&](int from, int digits) {
        int n = 0;
        for (int i = from; i < from + digits; ++i)
            n = n * 10 + (stored[i].unicode() - '0');
        return n;
    };
    if (!QDate(number(0, 4), number(5, 2), number(8, 2)).isValid())
        return QString();
    const QChar text[] = {stored[8],        stored[9], QLatin1Char('/'), stored[5], stored[6],
                          QLatin1Char('/'), stored[0], stored[1],        stored[2], stored[3]};
    return QString(text, 10);
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
        if (type != FieldType::Date)
            return stored;
        const QString quick = isoDayAsText(stored);
        return quick.isNull() ? TextConversion::displayText(stored, type) : quick;
    }
    }
}

qint64 RowStream::countRows(const Connection& connection, const QString& sql) {
    Statement count(openHandle(connection), QStringLiteral("SELECT count(*) FROM (%1)").arg(sql));
    return count.step() ? sqlite3_column_int64(count.get(), 0) : 0;
}

qint64 RowStream::countOf(const Connection& connection, const QString& countSql) {
    Statement count(openHandle(connection), countSql);
    return count.step() ? sqlite3_column_int64(count.get(), 0) : 0;
}
