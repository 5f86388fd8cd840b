#pragma once

#include "engine/Query.h"

#include <QString>
#include <vector>

class ComponentOwner;

// Where the program's files are, and the SQL text of every query, read from qry.ini
// beside the program at the moment it is needed.
using ParArr = std::vector<QVariant>;

// The directory of the running executable, with its trailing separator.
QString ProgramDir();
// Tests point the program directory at a temporary folder; an empty path restores it.
void SetProgramDirForTests(const QString& dir);

// The value of the key in qry.ini, or "0" after telling the user it could not be found.
// Whether a text ReadQueryText returned stands for a key it did not find.
bool IsMissingQueryText(const QString& text);
QString ReadQueryText(const QString& section, const QString& key);
// The text of a key a window cannot do without: an EngineError naming the key when it is
// missing (after the usual message about qry.ini).
QString RequireQueryText(const QString& section, const QString& key);
// The text of a key that may be absent (an older qry.ini kept by the user): empty, and no
// message, when it is.
QString ReadOptionalQueryText(const QString& section, const QString& key);
// Loads, binds and opens every query of the module, in component order. An error while
// opening leaves that query closed; on an open connection a text that failed is told,
// naming its key of qry.ini. Returns the tables the logbook lacks that some text needed
// (the module tells the user once). A binding error reaches the caller.
extern const QString kQueryTextFailed; // %1: section, %2: key
extern const QString kTableMissing;    // %1: the table
QStringList OpenModuleQueries(const ParArr& params, ComponentOwner& module);
// Closes the query, binds the values and opens it again with the text it holds.
void ReopenQuery(const ParArr& params, Query& query);
