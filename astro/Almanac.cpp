#include "astro/Almanac.h"

#include "astro/SkyEvents.h"
#include "data/MoonPhase.h"

#include <algorithm>
#include <cmath>
#include <libnova/lunar.h>
#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

namespace Almanac {

namespace {

constexpr double kDegree = M_PI / 180.0;
constexpr double kRefraction = 34.0 / 60.0;
constexpr double kSunHorizon = -50.0 / 60.0; // the centre, for the upper limb at 34' below
constexpr double kCivilHorizon = -6.0;

using Position = void (*)(double, ln_equ_posn*);

double wrap180(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d > 180)
        d -= 360;
    else if (d <= -180)
        d += 360;
    return d;
}

// The hour angle of a body, in degrees from -180 to 180, west of the meridian positive.
double hourAngle(double jd, const ln_equ_posn& body, const Place& place) {
    const double sidereal = ln_get_apparent_sidereal_time(jd) * 15.0 + place.longitude;
    return wrap180(sidereal - body.ra);
}

double altitude(double jd, const ln_equ_posn& body, const Place& place) {
    const double h = hourAngle(jd, body, place) * kDegree;
    const double phi = place.latitude * kDegree, delta = body.dec * kDegree;
    return std::asin(std::sin(phi) * std::sin(delta) +
                     std::cos(phi) * std::cos(delta) * std::cos(h)) /
           kDegree;
}

// A body's place from the full theory once an hour over the day (for the moon each costs a few
// milliseconds, for the sun a fraction of one, and a day's search asks hundreds of places) and
// straight between: within an hour the moon's path bends by about an arc second, a second of
// time at rising, the sun's by far less. The moon's distance, which only sets its parallax, is
// taken at the two ends.
class Track {
public:
    struct Place {
        ln_equ_posn equ{};
        double distance = 0; // km, the moon's only
    };
    enum Body { Sun, Moon };

    Track(Body body, double from, double to) : m_from(from), m_to(to) {
        for (double jd = from; jd < to + kStep; jd += kStep) {
            ln_equ_posn p{};
            if (body == Sun)
                ln_get_solar_equ_coords(jd, &p);
            else
                ln_get_lunar_equ_coords_prec(jd, &p, kLunarPrecision);
            // libnova gives both referred to the equinox of J2000; the hour angle needs the
            // equinox of the day (a quarter of a century of precession is 0.35 degrees, a
            // minute and a half on every time).
            ln_equ_posn ofDate{};
            ln_get_equ_prec(&p, jd, &ofDate);
            m_samples.push_back(ofDate);
        }
        if (body == Moon) {
            m_distanceFrom = moonDistance(from);
            m_distanceTo = moonDistance(to);
        }
    }

    Place at(double jd) const {
        const int last = int(m_samples.size()) - 2;
        const int i = std::clamp(int(std::floor((jd - m_from) / kStep)), 0, last);
        const double f = (jd - (m_from + i * kStep)) / kStep;
        const ln_equ_posn &a = m_samples[i], &b = m_samples[i + 1];
        Place p;
        p.equ.ra = a.ra + f * wrap180(b.ra - a.ra);
        p.equ.dec = a.dec + f * (b.dec - a.dec);
        const double g = (jd - m_from) / (m_to - m_from);
        p.distance = m_distanceFrom + g * (m_distanceTo - m_distanceFrom);
        return p;
    }

private:
    static constexpr double kStep = 1.0 / 24.0;
    // About five arc seconds, a few seconds of time; the full series (precision 0) is some
    // thirty times slower.
    static constexpr double kLunarPrecision = 1e-5;

    static double moonDistance(double jd) {
        ln_rect_posn r{};
        ln_get_lunar_geo_posn(jd, &r, kLunarPrecision);
        return std::sqrt(r.X * r.X + r.Y * r.Y + r.Z * r.Z);
    }

    double m_from, m_to;
    std::vector<ln_equ_posn> m_samples;
    double m_distanceFrom = 0, m_distanceTo = 0;
};

// The moon's centre at rising: its parallax (about a degree) lifts it, its radius and
// refraction lower it.
double moonHorizon(const Track::Place& moon) {
    const double parallax = std::asin(6378.14 / moon.distance) / kDegree;
    return 0.7275 * parallax - kRefraction;
}

std::optional<QDateTime> first(const std::vector<QDateTime>& times) {
    if (times.empty())
        return std::nullopt;
    return times.front();
}

std::vector<QDateTime> local(std::vector<QDateTime> times) {
    for (QDateTime& t : times)
        t = t.toTimeZone(italy());
    return times;
}

} // namespace

QTimeZone italy() {
    static const QTimeZone zone("Europe/Rome");
    return zone;
}

QDateTime startOfDay(const QDate& date) {
    return date.startOfDay(italy());
}

QString phaseName(int key) {
    static const char* const names[] = {"Luna nuova",        "Luna crescente", "Primo quarto",
                                        "Gibbosa crescente", "Luna piena",     "Gibbosa calante",
                                        "Ultimo quarto",     "Luna calante"};
    return key >= 1 && key <= 8 ? QString::fromLatin1(names[key - 1]) : QString();
}

Day compute(const QDate& date, const Place& place) {
    using SkyEvents::crossings;
    using SkyEvents::Direction;
    Day day;
    day.date = date;
    const QDateTime from = startOfDay(date), to = startOfDay(date.addDays(1));
    const double jdFrom = SkyEvents::julianDay(from), jdTo = SkyEvents::julianDay(to);
    const Track sun(Track::Sun, jdFrom, jdTo);
    const auto sunAbove = [&](double horizon) {
        return [&sun, &place, horizon](double jd) {
            return altitude(jd, sun.at(jd).equ, place) - horizon;
        };
    };
    const auto sunEvents = [&](double horizon, Direction d) {
        return first(local(crossings(sunAbove(horizon), from, to, d)));
    };
    day.sunrise = sunEvents(kSunHorizon, Direction::Upwards);
    day.sunset = sunEvents(kSunHorizon, Direction::Downwards);
    day.civilDawn = sunEvents(kCivilHorizon, Direction::Upwards);
    day.civilDusk = sunEvents(kCivilHorizon, Direction::Downwards);

    const Track moon(Track::Moon, jdFrom, jdTo);
    const auto moonAbove = [&](double jd) {
        const Track::Place m = moon.at(jd);
        return altitude(jd, m.equ, place) - moonHorizon(m);
    };
    day.moonrises = local(crossings(moonAbove, from, to, Direction::Upwards));
    day.moonsets = local(crossings(moonAbove, from, to, Direction::Downwards));
    day.upperTransits =
        local(crossings([&](double jd) { return hourAngle(jd, moon.at(jd).equ, place); }, from, to,
                        Direction::Upwards));
    day.lowerTransits = local(
        crossings([&](double jd) { return wrap180(hourAngle(jd, moon.at(jd).equ, place) - 180.0); },
                  from, to, Direction::Upwards));

    const QDateTime noon(date, QTime(12, 0), italy());
    day.litFraction = ln_get_lunar_disk(SkyEvents::julianDay(noon));
    // The same phase the session presets from its start date.
    day.phaseKey = MoonPhase::key(date);
    day.phaseName = phaseName(day.phaseKey);

    const auto around = [&day](const std::vector<QDateTime>& events, Period::Kind kind,
                               int minutes) {
        for (const QDateTime& t : events)
            day.periods.push_back({kind, t, t.addSecs(-60 * minutes), t.addSecs(60 * minutes)});
    };
    around(day.upperTransits, Period::Major, 60);
    around(day.lowerTransits, Period::Major, 60);
    around(day.moonrises, Period::Minor, 30);
    around(day.moonsets, Period::Minor, 30);
    std::sort(day.periods.begin(), day.periods.end(),
              [](const Period& a, const Period& b) { return a.start < b.start; });
    return day;
}

} // namespace Almanac
