#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>
#include <utility>

// Which use each photo of a folder is proposed for in a session, from its taking time alone:
// the catch of that day whose hour band holds the time and that has no photo yet, else the
// reportage; a photo taken outside the session's days is proposed for nothing. Times are
// wall-clock times carried in UTC (as the camera's clock shows them), shifted first by the
// camera-clock correction. Photos are served in the order they were taken, so of two photos
// for one catch the first gets it and the second goes to the reportage.
namespace PhotoMatch {

struct Session {
    QDate first, last; // last invalid or before first: one day
};

struct Catch {
    qint64 id = 0;
    QDate date;   // invalid: the catch cannot be found by time
    QString band; // the hour band's text, "06:00 - 09:00"; a band reaching past midnight
                  // ("21:00 - 03:00") ends on the next day
    bool hasPhoto = false;
};

struct Photo {
    QString path;
    QDateTime taken; // invalid: no time at all
};

struct Use {
    enum Kind { Nothing, Catch, Reportage } kind = Nothing;
    qint64 catchId = 0; // with Catch
    friend bool operator==(const Use&, const Use&) = default;
};

struct Proposal {
    Use use;
    QDateTime shifted;          // the taking time after the correction
    bool outside = false;       // taken on no day of the session (or with no time)
    bool alreadyStored = false; // the session holds this path already: proposed for nothing
};

// A band's start and end in minutes of its day ("24:00" is 1440); the end is past 1440 when
// the band reaches into the next day. Nothing for a text that is not a band.
struct Minutes {
    int start = 0, end = 0;
};
std::optional<Minutes> bandMinutes(const QString& text);

// The first of the hour bands (id and text) that holds a time of day, a band past midnight
// holding the small hours; 0 when none does.
qint64 bandHolding(const QList<std::pair<qint64, QString>>& bands, const QTime& time);

// One proposal per photo, in the photos' order. `storedPaths`: the paths the session's
// catches and reportage already hold.
QList<Proposal> propose(const Session& session, const QList<Catch>& catches,
                        const QList<Photo>& photos, int correctionMinutes,
                        const QSet<QString>& storedPaths = {});

} // namespace PhotoMatch
