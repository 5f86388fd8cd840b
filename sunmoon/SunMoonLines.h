#pragma once

#include "astro/Almanac.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What "Sole e luna" shows for a session, without any window: one line per day from the start
// date to the end date with the sun's and the moon's times and the solunar periods, and the
// session's catches marked on their day where their hour band overlaps a period. A band gives
// only a range of three hours, so a catch counts as inside a period when its band touches it.
namespace SunMoonLines {

struct Session {
    QDate start, end; // end invalid: one day
    QString lake;     // empty: no lake
    bool hasLake = false;
    std::optional<Almanac::Place> place;
};

struct Catch {
    QDate date;
    QString band; // the hour band's text, "06:00 - 09:00"
};

// A catch's hour band on its day, from the band's text "HH:MM - HH:MM" (24:00 is the next
// midnight); nothing for a text that is not a band.
struct Band {
    QDateTime start, end;
};
std::optional<Band> bandOn(const QDate& date, const QString& text);

// Which kinds of period the interval [start, end) touches.
struct Touches {
    bool major = false;
    bool minor = false;
};
Touches touches(const std::vector<Almanac::Period>& periods, const QDateTime& start,
                const QDateTime& end);

struct Line {
    Almanac::Day day;
    // The periods that reach into the day, in order of start: the day's own and those of a
    // moon event near midnight of the day before or after.
    std::vector<Almanac::Period> periods;
    QStringList catches;   // the marks of the day's catches, one per band; empty with none
    bool inPeriod = false; // some catch of the day touches a period
};

struct Result {
    QString notice; // set instead of lines when the session cannot be shown
    std::vector<Line> lines;
    QString footnote; // how catches count, and the ones that could not be placed
};

// Sessions longer than this show their first days only.
constexpr int kMaxDays = 31;

Result build(const Session& session, const QList<Catch>& catches);

// A time of the day as shown, to the minute; in the hour that repeats when summer time ends,
// which of the two it is.
QString timeText(const QDateTime& t);

extern const QString kNoSession;
extern const QString kNoStartDate;
extern const QString kNoLake;
extern const QString kNoPosition; // %1: the lake

} // namespace SunMoonLines
