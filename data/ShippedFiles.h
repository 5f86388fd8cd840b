#pragma once

#include <QString>

// The schema, first contents and query texts the program ships, as built into it.
namespace ShippedFiles {
QString schemaSql();
QString seedSql();
QString queryIni();
// Creates a new database at `path` from the shipped schema and seed (EngineError if it exists).
void createDatabase(const QString& path);
} // namespace ShippedFiles
