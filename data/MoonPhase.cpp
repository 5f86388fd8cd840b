#include "data/MoonPhase.h"

#include <cmath>
#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/solar.h>

namespace MoonPhase {

double ageAngle(const QDate& day) {
    ln_date noon{day.year(), day.month(), day.day(), 12, 0, 0.0};
    const double jd = ln_get_julian_day(&noon);
    ln_lnlat_posn moon{};
    ln_lnlat_posn sun{};
    ln_get_lunar_ecl_coords(jd, &moon, 0);
    ln_get_solar_ecl_coords(jd, &sun);
    const double age = std::fmod(moon.lng - sun.lng, 360.0);
    return age < 0 ? age + 360.0 : age;
}

int key(const QDate& day) {
    if (!day.isValid())
        return 0;
    // Eight equal sectors, each centred on its phase: new from 337.5 to 22.5 degrees, and so on.
    const int sector = int(std::floor((ageAngle(day) + 22.5) / 45.0)) % 8;
    return sector + 1;
}

} // namespace MoonPhase
