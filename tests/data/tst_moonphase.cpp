// The Moon's phase of a day against published times of new moons, quarters and full moons of
// 2024-2026 (UTC), and days between two phases.
#include "data/MoonPhase.h"

#include <QTest>

class TestMoonPhase : public QObject {
    Q_OBJECT
private slots:
    void phase_data();
    void phase();
};

void TestMoonPhase::phase_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("key");
    enum {
        New = 1,
        Crescent,
        FirstQuarter,
        WaxingGibbous,
        Full,
        WaningGibbous,
        LastQuarter,
        WaningCrescent
    };
    const struct {
        int y, m, d, key;
        const char* what;
    } table[] = {
        {2024, 1, 11, New, "new moon 11 Jan 2024"},
        {2024, 4, 8, New, "new moon 8 Apr 2024 (eclipse)"},
        {2025, 1, 29, New, "new moon 29 Jan 2025"},
        {2026, 2, 17, New, "new moon 17 Feb 2026"},
        {2024, 1, 25, Full, "full moon 25 Jan 2024"},
        {2024, 9, 18, Full, "full moon 18 Sep 2024"},
        {2025, 3, 14, Full, "full moon 14 Mar 2025"},
        {2026, 1, 3, Full, "full moon 3 Jan 2026"},
        {2024, 1, 18, FirstQuarter, "first quarter 18 Jan 2024"},
        {2025, 2, 5, FirstQuarter, "first quarter 5 Feb 2025"},
        {2024, 2, 2, LastQuarter, "last quarter 2 Feb 2024"},
        {2025, 2, 20, LastQuarter, "last quarter 20 Feb 2025"},
        {2024, 1, 14, Crescent, "between new moon and first quarter"},
        {2024, 1, 21, WaxingGibbous, "between first quarter and full moon"},
        {2024, 1, 29, WaningGibbous, "between full moon and last quarter"},
        {2024, 2, 6, WaningCrescent, "between last quarter and new moon"},
    };
    for (const auto& row : table)
        QTest::newRow(row.what) << QDate(row.y, row.m, row.d) << row.key;
    QTest::newRow("no date") << QDate() << 0;
}

void TestMoonPhase::phase() {
    QFETCH(QDate, day);
    QFETCH(int, key);
    QCOMPARE(MoonPhase::key(day), key);
}

QTEST_GUILESS_MAIN(TestMoonPhase)
#include "tst_moonphase.moc"
