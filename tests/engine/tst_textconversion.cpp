// Typed text to stored values and back: the one place dates and numbers are converted.
#include "engine/EngineError.h"
#include "engine/TextConversion.h"

#include <QTest>

class TestTextConversion : public QObject {
    Q_OBJECT
private slots:
    void parseDate_data();
    void parseDate();
    void badDate_data();
    void badDate();
    void numbers_data();
    void numbers();
    void badNumber_data();
    void badNumber();
    void displayText_data();
    void displayText();
    void emptyTextClears();
    void conversionErrorIsItsOwnType();
    void acceptedKeys();
};

void TestTextConversion::parseDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("full") << "05/03/2005" << QDate(2005, 3, 5);
    QTest::newRow("one digit day and month") << "5/3/2005" << QDate(2005, 3, 5);
    QTest::newRow("blanks around") << "  31/12/1999 " << QDate(1999, 12, 31);
    QTest::newRow("leap day") << "29/02/2004" << QDate(2004, 2, 29);
    QTest::newRow("two-digit year, recent") << "01/06/05" << QDate(2005, 6, 1);
    QTest::newRow("two-digit year, 49 ahead") << "01/06/75" << QDate(2075, 6, 1);
    QTest::newRow("two-digit year, 50 back") << "01/06/76" << QDate(1976, 6, 1);
}

void TestTextConversion::parseDate() {
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(TextConversion::parseDate(text, 2026), expected);
}

void TestTextConversion::badDate_data() {
    QTest::addColumn<QString>("text");
    for (const char* t : {"31/02/2004", "29/02/2005", "05/13/2005", "00/01/2005", "05-03-2005",
                          "05/03/2005x", "abc", "5/3/205", "05/03", "1/1/20055", "//"})
        QTest::newRow(t) << QString::fromLatin1(t);
}

void TestTextConversion::badDate() {
    QFETCH(QString, text);
    try {
        TextConversion::parseDate(text, 2026);
        QFAIL("accepted");
    } catch (const ConversionError& e) {
        QVERIFY2(e.message().contains(QLatin1Char('\'') + text + QLatin1Char('\'')),
                 qPrintable(e.message()));
        QVERIFY(e.message().contains(QStringLiteral("non è una data valida")));
    }
}

void TestTextConversion::numbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("comma") << "12,5" << 12.5 << "12,5";
    QTest::newRow("dot") << "12.5" << 12.5 << "12,5";
    QTest::newRow("whole") << "8" << 8.0 << "8";
    QTest::newRow("trailing zeros") << "8,50" << 8.5 << "8,5";
    QTest::newRow("negative") << "-3,25" << -3.25 << "-3,25";
    QTest::newRow("plus sign, blanks") << " +4 " << 4.0 << "4";
    QTest::newRow("leading separator") << ",5" << 0.5 << "0,5";
    QTest::newRow("tenth") << "0.1" << 0.1 << "0,1";
}

void TestTextConversion::numbers() {
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    const QVariant stored = TextConversion::valueFromText(typed, FieldType::Real);
    QCOMPARE(stored.toDouble(), value);
    QCOMPARE(TextConversion::displayText(stored, FieldType::Real), shown);
}

void TestTextConversion::badNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("type");
    for (const char* t : {"-", "+", "abc", "12a", "1,2,3", "1.2.3", ",", "1 2"})
        QTest::newRow(t) << QString::fromLatin1(t) << int(FieldType::Real);
    QTest::newRow("decimal into integer") << "12,5" << int(FieldType::Integer);
    QTest::newRow("lone sign into integer") << "-" << int(FieldType::Integer);
}

void TestTextConversion::badNumber() {
    QFETCH(QString, typed);
    QFETCH(int, type);
    try {
        TextConversion::valueFromText(typed, FieldType(type));
        QFAIL("accepted");
    } catch (const ConversionError& e) {
        QVERIFY2(e.message().contains(QLatin1Char('\'') + typed + QLatin1Char('\'')),
                 qPrintable(e.message()));
    }
}

void TestTextConversion::displayText_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("shown");
    QTest::newRow("iso date") << QVariant("2005-03-05") << int(FieldType::Date) << "05/03/2005";
    QTest::newRow("null date") << QVariant() << int(FieldType::Date) << "";
    QTest::newRow("integer") << QVariant(qlonglong(42)) << int(FieldType::Integer) << "42";
    QTest::newRow("real") << QVariant(12.5) << int(FieldType::Real) << "12,5";
    QTest::newRow("expression real") << QVariant(3.0) << int(FieldType::Unknown) << "3";
    QTest::newRow("text") << QVariant("Boilies") << int(FieldType::Text) << "Boilies";
}

void TestTextConversion::displayText() {
    QFETCH(QVariant, stored);
    QFETCH(int, type);
    QFETCH(QString, shown);
    QCOMPARE(TextConversion::displayText(stored, FieldType(type)), shown);
}

void TestTextConversion::emptyTextClears() {
    for (FieldType t : {FieldType::Date, FieldType::Real, FieldType::Integer, FieldType::Text}) {
        QVERIFY(TextConversion::valueFromText(QString(), t).isNull());
        QVERIFY(TextConversion::valueFromText(QStringLiteral("  "), t).isNull() ||
                t == FieldType::Text);
    }
    QCOMPARE(TextConversion::valueFromText(QStringLiteral("05/03/2005"), FieldType::Date),
             QVariant(QStringLiteral("2005-03-05")));
}

void TestTextConversion::conversionErrorIsItsOwnType() {
    bool caughtAsConversion = false;
    try {
        throw EngineError(QStringLiteral("altro"));
    } catch (const ConversionError&) {
        caughtAsConversion = true;
    } catch (const EngineError&) {
    }
    QVERIFY(!caughtAsConversion);
}

void TestTextConversion::acceptedKeys() {
    QVERIFY(TextConversion::acceptsChar(FieldType::Real, QLatin1Char(',')));
    QVERIFY(TextConversion::acceptsChar(FieldType::Real, QLatin1Char('.')));
    QVERIFY(TextConversion::acceptsChar(FieldType::Real, QLatin1Char('-')));
    QVERIFY(!TextConversion::acceptsChar(FieldType::Real, QLatin1Char('a')));
    QVERIFY(!TextConversion::acceptsChar(FieldType::Integer, QLatin1Char(',')));
    QVERIFY(TextConversion::acceptsChar(FieldType::Integer, QLatin1Char('7')));
    QVERIFY(TextConversion::acceptsChar(FieldType::Date, QLatin1Char('x')));
    QVERIFY(TextConversion::acceptsChar(FieldType::Text, QChar(0x00E8)));
}

QTEST_GUILESS_MAIN(TestTextConversion)
#include "tst_textconversion.moc"
