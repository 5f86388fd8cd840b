// The sun and the moon over a local day of Italy, against reference values for Rome and Milan
// on the two days the clocks change in 2025 (23 and 25 hours) and on ordinary days, one of them
// without a moonrise: every time within a minute (an angler would notice 2 minutes on the sun, 5
// on the moon; positions left at the equinox of J2000 put every time out by a minute and a
// half), the moon's lit fraction within 0.02; the solunar periods an hour and half an hour
// either side of the moon's events.
//
// The reference values are not from a published table (none was at hand offline): they come
// from PyEphem 4.1.4, the astronomy library of XEphem, written independently of libnova, with the
// almanac conventions (upper limb 34' below a sea-level horizon; the sun's centre 6 degrees below
// for civil twilight; the lit fraction at local noon), every event between one local midnight
// and the next. tests/astro/almanac_reference.py prints them.
#include "astro/Almanac.h"
#include "data/ShippedFiles.h"
#include "engine/Connection.h"
#include "tests/support/Sql.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Almanac::Place)

namespace {

const Almanac::Place kRome{41.9028, 12.4964};
const Almanac::Place kMilan{45.4642, 9.1900};

QStringList seconds(const std::vector<QDateTime>& times) {
    QStringList out;
    for (const QDateTime& t : times)
        out << t.toString(QStringLiteral("HH:mm:ss"));
    return out;
}

std::vector<QDateTime> asList(const std::optional<QDateTime>& t) {
    return t ? std::vector<QDateTime>{*t} : std::vector<QDateTime>{};
}

// Every computed time within `minutes` of the reference of the same rank, none missing or extra.
void near(const char* what, const std::vector<QDateTime>& computed, const QString& expected,
          const QDate& date, int minutes) {
    const QStringList reference = expected.split(',', Qt::SkipEmptyParts);
    QVERIFY2(computed.size() == size_t(reference.size()),
             qPrintable(QStringLiteral("%1: %2 instead of %3")
                            .arg(what, seconds(computed).join(','), expected)));
    for (qsizetype i = 0; i < reference.size(); ++i) {
        const QDateTime ref(date, QTime::fromString(reference[i], QStringLiteral("HH:mm:ss")),
                            Almanac::italy());
        QCOMPARE(computed[i].timeZone(), Almanac::italy());
        QVERIFY2(std::abs(computed[i].secsTo(ref)) <= 60 * minutes,
                 qPrintable(QStringLiteral("%1: %2 instead of %3")
                                .arg(what, seconds(computed).join(','), expected)));
    }
}

} // namespace

class TestAlmanac : public QObject {
    Q_OBJECT
private slots:
    void againstReference_data();
    void againstReference();
    void daysTheClocksChange();
    void solunarPeriods();
    void phaseNamesAreTheMoonList();
};

void TestAlmanac::againstReference_data() {
    QTest::addColumn<Almanac::Place>("place");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("sun");  // sunrise, sunset, civil dawn, civil dusk
    QTest::addColumn<QStringList>("moon"); // rises, sets, upper, lower transits
    QTest::addColumn<double>("lit");
    const struct {
        const char* name;
        Almanac::Place place;
        QDate date;
        QStringList sun, moon;
        double lit;
    } cases[] = {
        {"Roma, summer time starts",
         kRome,
         {2025, 3, 30},
         {"06:56:05", "19:33:24", "06:28:03", "20:01:31"},
         {"07:16:03", "21:11:26", "14:05:55", "00:39:27"},
         0.0148},
        {"Roma, summer time ends",
         kRome,
         {2025, 10, 26},
         {"06:35:21", "17:12:01", "06:06:44", "17:40:36"},
         {"11:32:27", "19:56:14", "15:44:14", "03:18:15"},
         0.208},
        {"Roma, ordinary",
         kRome,
         {2025, 7, 15},
         {"05:48:08", "20:43:29", "05:14:53", "21:16:38"},
         {"23:22:57", "10:37:00", "04:43:23", "17:06:26"},
         0.7787},
        {"Roma, no moonrise",
         kRome,
         {2025, 7, 17},
         {"05:49:48", "20:42:09", "05:16:44", "21:15:07"},
         {"", "13:01:56", "06:16:22", "18:40:32"},
         0.5704},
        {"Roma, no upper transit",
         kRome,
         {2025, 7, 9},
         {"05:43:34", "20:46:42", "05:09:49", "21:20:22"},
         {"20:16:20", "03:47:21", "", "12:02:16"},
         0.9771},
        {"Milano, summer time starts",
         kMilan,
         {2025, 3, 30},
         {"07:07:10", "19:48:52", "06:37:22", "20:18:46"},
         {"07:24:37", "21:32:43", "14:19:38", "00:53:09"},
         0.0148},
        {"Milano, summer time ends",
         kMilan,
         {2025, 10, 26},
         {"06:54:29", "17:19:15", "06:24:01", "17:49:41"},
         {"12:04:10", "19:51:59", "15:57:56", "03:31:57"},
         0.208},
        {"Milano, ordinary",
         kMilan,
         {2025, 7, 15},
         {"05:49:20", "21:08:39", "05:12:55", "21:44:57"},
         {"23:36:56", "10:48:33", "04:57:02", "17:20:05"},
         0.7787},
    };
    for (const auto& c : cases)
        QTest::newRow(c.name) << c.place << c.date << c.sun << c.moon << c.lit;
}

void TestAlmanac::againstReference() {
    QFETCH(Almanac::Place, place);
    QFETCH(QDate, date);
    QFETCH(QStringList, sun);
    QFETCH(QStringList, moon);
    QFETCH(double, lit);
    const Almanac::Day day = Almanac::compute(date, place);
    QCOMPARE(day.date, date);
    near("sunrise", asList(day.sunrise), sun[0], date, 1);
    near("sunset", asList(day.sunset), sun[1], date, 1);
    near("civil dawn", asList(day.civilDawn), sun[2], date, 1);
    near("civil dusk", asList(day.civilDusk), sun[3], date, 1);
    near("moonrise", day.moonrises, moon[0], date, 1);
    near("moonset", day.moonsets, moon[1], date, 1);
    near("upper transit", day.upperTransits, moon[2], date, 1);
    near("lower transit", day.lowerTransits, moon[3], date, 1);
    QVERIFY2(std::abs(day.litFraction - lit) <= 0.02, qPrintable(QString::number(day.litFraction)));
}

void TestAlmanac::daysTheClocksChange() {
    QVERIFY(Almanac::italy().isValid());
    const auto hours = [](const QDate& d) {
        return Almanac::startOfDay(d).secsTo(Almanac::startOfDay(d.addDays(1))) / 3600;
    };
    QCOMPARE(hours({2025, 3, 30}), 23);
    QCOMPARE(hours({2025, 10, 26}), 25);
    QCOMPARE(hours({2025, 7, 15}), 24);
    // Before the change the day is on winter time, after it on summer time.
    const Almanac::Day spring = Almanac::compute({2025, 3, 30}, kRome);
    QCOMPARE(spring.lowerTransits.front().offsetFromUtc(), 3600);
    QCOMPARE(spring.sunrise->offsetFromUtc(), 7200);
    const Almanac::Day autumn = Almanac::compute({2025, 10, 26}, kRome);
    QCOMPARE(autumn.sunrise->offsetFromUtc(), 3600);
}

void TestAlmanac::solunarPeriods() {
    const Almanac::Day day = Almanac::compute({2025, 7, 15}, kRome);
    QCOMPARE(day.periods.size(), size_t(4));
    const struct {
        Almanac::Period::Kind kind;
        QDateTime centre;
        int minutes;
    } expected[] = {{Almanac::Period::Major, day.upperTransits.front(), 60},
                    {Almanac::Period::Minor, day.moonsets.front(), 30},
                    {Almanac::Period::Major, day.lowerTransits.front(), 60},
                    {Almanac::Period::Minor, day.moonrises.front(), 30}};
    for (size_t i = 0; i < 4; ++i) {
        const Almanac::Period& p = day.periods[i];
        QCOMPARE(p.kind, expected[i].kind);
        QCOMPARE(p.centre, expected[i].centre);
        QCOMPARE(p.centre.secsTo(p.end), 60 * expected[i].minutes);
        QCOMPARE(p.start.secsTo(p.centre), 60 * expected[i].minutes);
    }
    // A day without a moonrise has no period for it.
    const Almanac::Day none = Almanac::compute({2025, 7, 17}, kRome);
    QCOMPARE(none.periods.size(), size_t(3));
}

void TestAlmanac::phaseNamesAreTheMoonList() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DATA2.MDB"));
    ShippedFiles::createDatabase(path);
    Connection c;
    c.openFile(path);
    for (int key = 1; key <= 8; ++key)
        QCOMPARE(
            Almanac::phaseName(key),
            firstValue(c, QStringLiteral("SELECT Ds_luna FROM TLuna WHERE Id_luna = %1").arg(key))
                .toString());
    QCOMPARE(Almanac::phaseName(0), QString());
    // The phase is the one a session presets from its start date.
    QCOMPARE(Almanac::compute({2025, 7, 10}, kRome).phaseName, QStringLiteral("Luna piena"));
}

QTEST_GUILESS_MAIN(TestAlmanac)
#include "tst_almanac.moc"
