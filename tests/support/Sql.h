#pragma once

#include <QString>
#include <QVariant>

class Connection;

// Direct SQL for test fixtures and checks, through the engine.
void execSql(Connection& connection, const QString& sql);
// The first column of the first row; null when there is no row.
QVariant firstValue(Connection& connection, const QString& sql);
