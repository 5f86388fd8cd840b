// A lake's latitude and longitude as typed: decimal degrees with a comma or a dot, degrees and
// minutes (and seconds), a sign or a hemisphere letter; what cannot be a position is refused in
// Italian, and what is shown reads back to the same value.
#include "data/CoordinateText.h"

#include <QTest>

using CoordinateText::Axis;

class TestCoordinateText : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void refusals_data();
    void refusals();
    void formatReadsBack();
};

void TestCoordinateText::parse_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("latitude");
    QTest::addColumn<double>("degrees");
    const struct {
        const char* typed;
        bool latitude;
        double degrees;
    } cases[] = {
        {"45,4312", true, 45.4312},
        {"45.4312", true, 45.4312},
        {"  45,4312  ", true, 45.4312},
        {"-33,8688", true, -33.8688},
        {"+45", true, 45},
        {"45°25,87'", true, 45 + 25.87 / 60},
        {"45° 25.87'", true, 45 + 25.87 / 60},
        {"45 25.87", true, 45 + 25.87 / 60},
        {"45º25'", true, 45 + 25 / 60.0},
        {"45°25'52\"", true, 45 + 25 / 60.0 + 52 / 3600.0},
        {"45 25 52,2", true, 45 + 25 / 60.0 + 52.2 / 3600.0},
        {"45°25,87'N", true, 45 + 25.87 / 60},
        {"N 45°25,87'", true, 45 + 25.87 / 60},
        {"33°52,13' S", true, -(33 + 52.13 / 60)},
        {"s 33,8688", true, -33.8688},
        {"90", true, 90},
        {"-90", true, -90},
        {"9,1859", false, 9.1859},
        {"9°11,15' E", false, 9 + 11.15 / 60},
        {"3°42' W", false, -(3 + 42 / 60.0)},
        {"3°42' O", false, -(3 + 42 / 60.0)},
        {"180", false, 180},
        {"-180", false, -180},
        {"0", false, 0},
    };
    for (const auto& c : cases)
        QTest::addRow("%s", c.typed) << QString::fromUtf8(c.typed) << c.latitude << c.degrees;
}

void TestCoordinateText::parse() {
    QFETCH(QString, typed);
    QFETCH(bool, latitude);
    QFETCH(double, degrees);
    const auto r = CoordinateText::parse(typed, latitude ? Axis::Latitude : Axis::Longitude);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QVERIFY(r.degrees.has_value());
    QVERIFY2(std::abs(*r.degrees - degrees) < 1e-9,
             qPrintable(QString::number(*r.degrees, 'f', 9)));
}

void TestCoordinateText::refusals_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("latitude");
    QTest::addColumn<QString>("error");
    const QString unreadableLat = QStringLiteral(
        "\"%1\" non si legge come latitudine: scriverla in gradi decimali (45,4312) o in gradi e "
        "minuti (45°25,87'), con N o S oppure col segno (negativa a sud).");
    const QString unreadableLon = QStringLiteral(
        "\"%1\" non si legge come longitudine: scriverla in gradi decimali (9,1859) o in gradi e "
        "minuti (9°11,15'), con E oppure O o W, o col segno (negativa a ovest).");
    const QString latRange =
        QStringLiteral("La latitudine \"%1\" è fuori dai limiti: va da 90° S a 90° N.");
    const QString lonRange =
        QStringLiteral("La longitudine \"%1\" è fuori dai limiti: va da 180° O a 180° E.");
    const QString sixty =
        QStringLiteral("Nella %1 \"%2\" i minuti e i secondi vanno da 0 a meno di 60.");
    const struct {
        const char* typed;
        bool latitude;
        QString error;
    } cases[] = {
        {"90,0001", true, latRange.arg("90,0001")},
        {"-91", true, latRange.arg("-91")},
        {"90°0,5'N", true, latRange.arg("90°0,5'N")},
        {"180,5", false, lonRange.arg("180,5")},
        {"181° W", false, lonRange.arg("181° W")},
        {"45°60'", true, sixty.arg("latitudine", "45°60'")},
        {"9 11 60", false, sixty.arg("longitudine", "9 11 60")},
        {"abc", true, unreadableLat.arg("abc")},
        {"45,4312 N 9,18", true, unreadableLat.arg("45,4312 N 9,18")},
        {"45, 9", true, unreadableLat.arg("45, 9")},
        {"45,5 30", true, unreadableLat.arg("45,5 30")},
        {"45 30,5 10", true, unreadableLat.arg("45 30,5 10")},
        {"-45 S", true, unreadableLat.arg("-45 S")},
        {"N 45 S", true, unreadableLat.arg("N 45 S")},
        {"45 E", true, unreadableLat.arg("45 E")},
        {"9 N", false, unreadableLon.arg("9 N")},
        {"1e5", false, unreadableLon.arg("1e5")},
    };
    for (const auto& c : cases)
        QTest::addRow("%s", c.typed) << QString::fromUtf8(c.typed) << c.latitude << c.error;
}

void TestCoordinateText::refusals() {
    QFETCH(QString, typed);
    QFETCH(bool, latitude);
    QFETCH(QString, error);
    const auto r = CoordinateText::parse(typed, latitude ? Axis::Latitude : Axis::Longitude);
    QCOMPARE(r.error, error);
    QVERIFY(!r.degrees.has_value());
}

void TestCoordinateText::formatReadsBack() {
    QCOMPARE(CoordinateText::format(45.4312), QStringLiteral("45,4312"));
    QCOMPARE(CoordinateText::format(-3.7), QStringLiteral("-3,7"));
    QCOMPARE(CoordinateText::format(9), QStringLiteral("9"));
    QCOMPARE(CoordinateText::format(-0.0000001), QStringLiteral("0"));
    QCOMPARE(CoordinateText::format(45 + 25.87 / 60), QStringLiteral("45,431167"));
    for (const double v : {45.4312, -33.868812, 179.999999, -0.5}) {
        const auto r =
            CoordinateText::parse(CoordinateText::format(v), CoordinateText::Axis::Longitude);
        QVERIFY(r.ok());
        QVERIFY(std::abs(*r.degrees - v) < 5e-7);
    }
    // Empty text is no position, not an error.
    const auto empty = CoordinateText::parse(QStringLiteral("   "), Axis::Latitude);
    QVERIFY(empty.ok());
    QVERIFY(!empty.degrees.has_value());
}

QTEST_GUILESS_MAIN(TestCoordinateText)
#include "tst_coordinatetext.moc"
