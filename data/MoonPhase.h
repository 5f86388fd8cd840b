#pragma once

#include <QDate>

// The Moon's phase on a day, computed offline (libnova), as the key of one of the eight
// phases of the moon list, in its order: 1 new, 2 waxing crescent, 3 first quarter,
// 4 waxing gibbous, 5 full, 6 waning gibbous, 7 last quarter, 8 waning crescent.
namespace MoonPhase {

// The Moon's age as an angle: its ecliptic longitude less the Sun's, 0 to 360 degrees
// (0 new, 90 first quarter, 180 full, 270 last quarter), at noon UTC of the day.
double ageAngle(const QDate& day);
// The phase key of the day; 0 for an invalid date.
int key(const QDate& day);

} // namespace MoonPhase
