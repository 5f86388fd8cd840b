#pragma once

#include <QString>

// The maintenance tool's work on whole logbook files: copies that are checked before they are
// written, restores that never leave the logbook missing, half-written or paired with a
// journal of another file, and a report of which kept copies are sound. Failures are thrown
// as EngineError with the Italian text the tool prints.
namespace LogbookCopies {

// Writes a consistent copy of the logbook at `path` into the new file `dest`; a damaged
// logbook is refused, so no damaged copy is ever made.
void backup(const QString& path, const QString& dest);
// Puts the sound copy `copy` in place of the logbook at `path`. The replaced file is kept
// beside it under a dated name that is never reused; returns that name (empty when there was
// no logbook). Refused while the program has `path` open.
QString restore(const QString& copy, const QString& path);
// One line per logbook copy at `fileOrFolder` (a file, or every .MDB of a folder, newest
// name first) saying whether it is sound; true when every one is.
bool verify(const QString& fileOrFolder, QStringList* lines);

} // namespace LogbookCopies
