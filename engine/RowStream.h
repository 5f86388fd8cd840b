#pragma once

#include "engine/TextConversion.h"

#include <QString>
#include <memory>
#include <vector>

class Connection;
class Statement;

// A forward-only read of one SELECT, a row at a time, for work that passes over every row
// once (the spreadsheet export): only the current row is in memory, however large the
// logbook. Values read as the datasets show them (dates gg/mm/aaaa, decimal comma).
class RowStream {
public:
    RowStream(const Connection& connection, const QString& sql);
    ~RowStream();
    RowStream(const RowStream&) = delete;
    RowStream& operator=(const RowStream&) = delete;

    int columnCount() const { return int(m_types.size()); }
    QString columnName(int column) const;
    // Moves to the next row; false after the last. Throws EngineError.
    bool next();
    // Of the current row: whether the value is stored as text, and its text.
    bool isText(int column) const;
    QString text(int column) const;

    // How many rows the SELECT returns, counted by the engine without reading them.
    static qint64 countRows(const Connection& connection, const QString& sql);
    // The single number a counting query such as "SELECT count(*) FROM ..." answers.
    static qint64 countOf(const Connection& connection, const QString& countSql);

private:
    std::unique_ptr<Statement> m_statement;
    std::vector<FieldType> m_types;
};
