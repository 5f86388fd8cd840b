#include "astro/SkyEvents.h"

#include <QTimeZone>
#include <cmath>

namespace SkyEvents {

namespace {

constexpr double kUnixEpoch = 2440587.5; // 1970-01-01 00:00 UTC
constexpr qint64 kStep = 600;            // seconds between samples

} // namespace

double julianDay(const QDateTime& t) {
    return kUnixEpoch + double(t.toMSecsSinceEpoch()) / 86400000.0;
}

QDateTime fromJulianDay(double jd) {
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround((jd - kUnixEpoch) * 86400000.0)),
                                          QTimeZone::utc());
}

std::vector<QDateTime> crossings(const std::function<double(double)>& value, const QDateTime& from,
                                 const QDateTime& to, Direction direction) {
    std::vector<QDateTime> found;
    const double sign = direction == Direction::Upwards ? 1.0 : -1.0;
    // Counted where the quantity is below zero at one sample and at or above it at the next.
    auto f = [&](double jd) { return sign * value(jd); };
    const qint64 span = from.secsTo(to);
    double a = julianDay(from);
    double fa = f(a);
    for (qint64 done = 0; done < span;) {
        const qint64 step = std::min(kStep, span - done);
        double b = a + double(step) / 86400.0;
        const double fb = f(b);
        // A quantity that wraps round (an hour angle from +180 to -180) jumps from above to
        // below zero: that is never taken for a crossing, which goes from below to above.
        if (fa < 0 && fb >= 0) {
            double lo = a, hi = b;
            while ((hi - lo) * 86400.0 > 0.5) {
                const double mid = (lo + hi) / 2;
                (f(mid) < 0 ? lo : hi) = mid;
            }
            found.push_back(fromJulianDay(hi));
        }
        a = b;
        fa = fb;
        done += step;
    }
    return found;
}

} // namespace SkyEvents
