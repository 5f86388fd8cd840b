// The season of a session from its start date as typed.
#include "data/SessionSeason.h"

#include <QTest>

class TestSessionSeason : public QObject {
    Q_OBJECT
private slots:
    void season_data();
    void season();
};

void TestSessionSeason::season_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("reading"); // SessionSeason::Reading
    QTest::addColumn<int>("season");
    const int S = int(SessionSeason::Reading::Season), U = int(SessionSeason::Reading::Unreadable),
              M = int(SessionSeason::Reading::MonthOutOfRange);
    const struct {
        const char* typed;
        int reading, season;
    } cases[] = {
        {"20/03/2005", S, 4},
        {"21/03/2005", S, 1},
        {"20/06/2005", S, 1},
        {"21/06/2005", S, 2},
        {"20/09/2005", S, 2},
        {"21/09/2005", S, 3},
        {"20/12/2005", S, 3},
        {"21/12/2005", S, 4},
        {"15/01/2005", S, 4},
        {"31/02/2004", S, 4},
        {"45/04/2005", S, 1},
        {"05/13/2005", M, 0},
        {"05/00/2005", M, 0},
        {"5/03/2005", U, 0},
        {"05/3/2005", U, 0},
        {"", U, 0},
        {"ab/cd/efgh", U, 0},
        // Whole months on either side of a boundary.
        {"01/05/2005", S, 1},
        {"30/05/2005", S, 1},
        {"01/07/2005", S, 2},
        {"31/07/2005", S, 2},
        {"01/08/2005", S, 2},
        {"31/08/2005", S, 2},
        {"01/10/2005", S, 3},
        {"31/10/2005", S, 3},
        {"01/11/2005", S, 3},
        {"30/11/2005", S, 3},
    };
    for (const auto& c : cases)
        QTest::addRow("%s", c.typed) << QString::fromLatin1(c.typed) << c.reading << c.season;
}

void TestSessionSeason::season() {
    QFETCH(QString, typed);
    QFETCH(int, reading);
    QFETCH(int, season);
    const SessionSeason::Result r = SessionSeason::fromStartDateText(typed);
    QCOMPARE(int(r.reading), reading);
    QCOMPARE(r.season, season);
}

QTEST_GUILESS_MAIN(TestSessionSeason)
#include "tst_sessionseason.moc"
