#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>
#include <vector>

// The sun and the moon over one day at one place, in the local time of Italy: sunrise,
// sunset, civil twilight, moonrise, moonset, the moon's upper and lower transits, its lit
// fraction and phase, and the solunar periods around the moon's events.
//
// The day is the local calendar day, from one local midnight to the next, so the days the
// clocks change have 23 and 25 hours. Risings and settings are those of the upper limb on a
// level horizon with the usual 34' of refraction (the centre of the sun 50' below the
// horizon, of the moon 0.7275 of its parallax less 34' above it, from the geocentric
// position); civil twilight is the centre of the sun 6 degrees below the horizon. The moon
// rises about 50 minutes later each day, so some days have no moonrise or no moonset (or no
// transit), and a 25-hour day may have two.
namespace Almanac {

struct Place {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
};

struct Period {
    enum Kind { Major, Minor };
    Kind kind = Major;
    QDateTime centre; // the moon's event
    QDateTime start;
    QDateTime end;
};

struct Day {
    QDate date;
    std::optional<QDateTime> sunrise, sunset;
    std::optional<QDateTime> civilDawn, civilDusk; // civil twilight starts and ends
    std::vector<QDateTime> moonrises, moonsets;
    std::vector<QDateTime> upperTransits, lowerTransits; // the moon overhead and underfoot
    double litFraction = 0;                              // of the moon's disc, at local noon
    int phaseKey = 0; // the moon list's key (1 new ... 8 waning crescent)
    QString phaseName;
    // Major: an hour either side of each transit; minor: half an hour either side of each
    // moonrise and moonset. In order of start.
    std::vector<Period> periods;
};

// Europe/Rome, with its summer time.
QTimeZone italy();
// The local midnight that starts the day.
QDateTime startOfDay(const QDate& date);

Day compute(const QDate& date, const Place& place);

// The phase names of the moon list, by key 1 to 8; empty for any other key.
QString phaseName(int key);

} // namespace Almanac
