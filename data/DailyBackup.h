#pragma once

#include <QDate>
#include <QString>

class Connection;

// Yesterday's logbook can be got back: once a day, a consistent copy of the open database
// goes into "backup" beside it as DATA2-yyyymmdd.MDB; the 14 most recent copies are kept.
namespace DailyBackup {

constexpr int Kept = 14;

// The copy's name for a day.
QString fileName(const QDate& day);
// Makes today's copy unless it exists, then removes the oldest beyond the kept number.
// Throws EngineError naming the reason when the copy cannot be written.
void make(const Connection& connection, const QDate& today);

} // namespace DailyBackup
