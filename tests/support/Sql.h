#pragma once

#include <QString>
#include <QVariant>

class Connection;

// Direct SQL for test fixtures and checks, through the engine.
void execSql(Connection& connection, const QString& sql);
// The first column of the first row; null when there is no row.
QVariant firstValue(Connection& connection, const QString& sql);
// Overwrites the first bytes of the root page of `table` in the closed database file at
// `path`, as a failing disk would: the file still opens, a check of its pages fails.
void damageTable(const QString& path, const QString& table);
