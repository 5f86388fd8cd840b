#pragma once

#include <QString>
#include <QStringList>

// Creates a new database file and runs the given SQL scripts in it, in one transaction.
// Refuses (EngineError) when the file already exists; leaves no file behind on failure.
void createDatabaseFile(const QString& path, const QStringList& scripts);
