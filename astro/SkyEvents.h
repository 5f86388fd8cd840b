#pragma once

#include <QDateTime>
#include <functional>
#include <vector>

// The instants within a span of time where a quantity that changes smoothly crosses zero
// upwards (or downwards): a rising is the altitude above the horizon crossing zero upwards, a
// transit the hour angle. Found by sampling every ten minutes, then halving the interval that
// holds the crossing down to a second; no rising, setting or transit is shorter than that.
namespace SkyEvents {

enum class Direction { Upwards, Downwards };

// `value` takes a Julian day (UTC) and returns the quantity; crossings in [from, to).
std::vector<QDateTime> crossings(const std::function<double(double)>& value, const QDateTime& from,
                                 const QDateTime& to, Direction direction);

double julianDay(const QDateTime& t);
QDateTime fromJulianDay(double jd); // in UTC

} // namespace SkyEvents
