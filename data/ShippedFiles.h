#pragma once

#include "data/LogbookFormat.h"

#include <QString>

// The schema, first contents and query texts the program ships, as built into it.
namespace ShippedFiles {
QString schemaSql();
QString seedSql();
QString queryIni();
// Creates a new database at `path` in the given format: the shipped schema and seed, then
// every migration up to that version (EngineError if it exists). A version-1 file records
// no version, as the first program's files.
void createDatabase(const QString& path, int version = LogbookFormat::newest());
} // namespace ShippedFiles
