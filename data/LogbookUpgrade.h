#pragma once

#include "data/LogbookFormat.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Connection;

// Brings an older logbook up to the newest format without ever putting it at risk: a kept
// copy first, then every pending script, the new version and the checks in one transaction,
// so the file ends either wholly upgraded or exactly as it was.
namespace LogbookUpgrade {

enum class Outcome {
    Current,  // already the newest version: nothing done
    Upgraded, // brought to the newest version
    ReadOnly, // older, but the file cannot be written: left as it is
    Newer,    // written by a newer program: must not be changed
    Failed,   // nothing changed; `message` says why and where the copy is
};

struct Result {
    Outcome outcome = Outcome::Current;
    int version = LogbookFormat::First; // the file's version afterwards
    QString message;                    // what to tell the user; empty when nothing
};

// Called now and then while an upgrade runs, so a long one can show it is working.
using Progress = std::function<void()>;

extern const QString kNewerVersion;
extern const QString kFailed;     // %1 version, %2 reason, %3 the copy
extern const QString kCopyFailed; // %1 version, %2 reason

// Where the copy of the logbook taken before it becomes `version` is kept: the "backup"
// folder beside it. It is not one of the day's rotated copies.
QString keptCopyPath(const QString& logbookPath, int version);

// Upgrades the open logbook with the scripts of `migrations` it has not had yet. Only
// references the scripts themselves would break are refused; the ones the file already
// held are kept as they are.
Result run(const Connection& connection,
           const std::vector<LogbookFormat::Migration>& migrations = LogbookFormat::shipped(),
           const Progress& progress = {});

// The references of the open logbook that name a row that no longer exists, one line each
// ("TPreda riga 17: TEsca").
QStringList danglingReferences(const Connection& connection);
// "ok", or the problems the engine's integrity check found.
QStringList integrityProblems(const Connection& connection);

} // namespace LogbookUpgrade
