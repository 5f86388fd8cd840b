#pragma once

// Engine-internal helpers moving values between QVariant and SQLite statements.
#include "engine/SqliteHandle.h"

#include <QVariant>
#include <vector>

// The value of every column of the statement's current row.
std::vector<QVariant> readRow(sqlite3_stmt* stmt, int columns);
// Binds one value to the 1-based parameter; dates become ISO text.
void bindValue(Statement& statement, int index, const QVariant& value);
// Element i of the list to parameter i+1.
void bindParams(Statement& statement, const std::vector<QVariant>& params);
// More values than parameters is an error; with requireAll, so is fewer.
void checkParamCount(const Statement& statement, const std::vector<QVariant>& params,
                     bool requireAll);
// The form a value is kept in a row: integers as qlonglong, dates as ISO text.
QVariant storedForm(const QVariant& value);
bool sameValue(const QVariant& a, const QVariant& b);
QString quoteIdentifier(const QString& name);
