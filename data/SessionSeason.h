#pragma once

#include <QString>

// The season of a session from the start date as typed: 1 spring, 2 summer, 3 autumn,
// 4 winter, the boundary being the 21st of March, June, September and December.
namespace SessionSeason {

// Season of a day and month; 0 when the month is outside 1..12. The day is only compared
// with 21, not with the length of the month.
int forDayMonth(int day, int month);

enum class Reading { Season, Unreadable, MonthOutOfRange };
struct Result {
    Reading reading;
    int season; // 1..4 when reading is Season
};
// Reads the day from characters 1-2 and the month from characters 4-5 of "gg/mm/aaaa".
Result fromStartDateText(const QString& text);

} // namespace SessionSeason
