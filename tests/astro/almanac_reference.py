#!/usr/bin/python3
# The reference times of tst_almanac, from PyEphem (Debian: python3-ephem), an implementation
# independent of libnova: the upper limb of the sun and of the moon (topocentric) at 34' below
# a sea-level horizon, the sun's centre at 6 degrees below it for civil twilight, the moon's lit
# fraction at local noon; every event of the local day (Europe/Rome) from one midnight to the
# next. Run by hand: almanac_reference.py [YYYY-MM-DD ...]
import ephem, datetime
from zoneinfo import ZoneInfo
rome = ZoneInfo("Europe/Rome")
places = {"Roma": ("41.9028", "12.4964"), "Milano": ("45.4642", "9.1900")}
dates = [datetime.date(2025,3,30), datetime.date(2025,10,26), datetime.date(2025,7,15)]
import sys
if len(sys.argv) > 1:
    dates = [datetime.date.fromisoformat(a) for a in sys.argv[1:]]
def events(obs, body, start, end, fn):
    out = []
    obs.date = ephem.Date(start)
    while True:
        try:
            t = getattr(obs, fn)(body)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            break
        dt = ephem.Date(t).datetime().replace(tzinfo=datetime.timezone.utc)
        if dt >= end: break
        out.append(dt.astimezone(rome).strftime("%H:%M:%S"))
        obs.date = ephem.Date(t) + ephem.minute
    return out
for name, (lat, lon) in places.items():
    for d in dates:
        start = datetime.datetime(d.year, d.month, d.day, tzinfo=rome).astimezone(datetime.timezone.utc).replace(tzinfo=None)
        n = d + datetime.timedelta(days=1)
        end = datetime.datetime(n.year, n.month, n.day, tzinfo=rome).astimezone(datetime.timezone.utc)
        o = ephem.Observer(); o.lat, o.lon = lat, lon; o.elevation = 0; o.pressure = 0
        o.horizon = '-0:34'
        sun, moon = ephem.Sun(), ephem.Moon()
        r = {}
        r['sunrise'] = events(o, sun, start, end, 'next_rising')
        r['sunset'] = events(o, sun, start, end, 'next_setting')
        r['moonrise'] = events(o, moon, start, end, 'next_rising')
        r['moonset'] = events(o, moon, start, end, 'next_setting')
        r['upper'] = events(o, moon, start, end, 'next_transit')
        r['lower'] = events(o, moon, start, end, 'next_antitransit')
        o.horizon = '-6'
        def civ(fn):
            out=[]; o.date = ephem.Date(start)
            t = getattr(o, fn)(sun, use_center=True)
            dt = ephem.Date(t).datetime().replace(tzinfo=datetime.timezone.utc)
            return [dt.astimezone(rome).strftime("%H:%M:%S")] if dt < end else []
        r['dawn'] = civ('next_rising'); r['dusk'] = civ('next_setting')
        noon = datetime.datetime(d.year, d.month, d.day, 12, tzinfo=rome).astimezone(datetime.timezone.utc).replace(tzinfo=None)
        o.date = ephem.Date(noon); moon.compute(o)
        r['lit'] = round(moon.moon_phase, 4)
        print(name, d, r)
