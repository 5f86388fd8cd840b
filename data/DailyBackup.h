#pragma once

#include <QDate>
#include <QString>
#include <atomic>

class Connection;

// Yesterday's logbook can be got back: once a day, a consistent copy of the open database
// goes into "backup" beside it as DATA2-yyyymmdd.MDB; the 14 most recent copies are kept.
// A logbook found damaged is not copied and no kept copy is removed, so a damaged file can
// never rotate the sound copies out.
namespace DailyBackup {

constexpr int Kept = 14;
// How long the check of the logbook before its copy may take; a check cut short still
// copies, but removes no older copy.
constexpr int CheckBudgetMs = 20000;

enum class Outcome { Written, AlreadyMade, Damaged };

// The copy's name for a day.
QString fileName(const QDate& day);
// Makes today's copy unless it exists, then removes the oldest beyond the kept number.
// Throws EngineError naming the reason when the copy cannot be written, or once `*cancel`
// is set (nothing is left behind then).
Outcome make(const Connection& connection, const QDate& today,
             const std::atomic<bool>* cancel = nullptr);

} // namespace DailyBackup
