// The splash: fade in by steps of 15, hold, fade out, then the main window; no input
// shortens it. The timers are driven by hand.
#include "app/U_FRM_FrmStart.h"
#include "widgets/PictureBox.h"

#include <QTest>

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void window();
    void tickSequence();
    void inputChangesNothing();
};

void TestSplash::window() {
    QWidget main;
    TFrmStart splash(&main);
    QCOMPARE(splash.size(), QSize(511, 481));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash.opacity(), 0);
    QCOMPARE(splash.Timer1.interval(), 8);
    QCOMPARE(splash.Timer2.interval(), 3000);
    QVERIFY(!splash.Timer1.isActive());
    QVERIFY(!splash.Timer2.isActive());
    QCOMPARE(splash.Image1->picture().size(), QSize(511, 480)); // decoded by the program's loader
}

void TestSplash::tickSequence() {
    QWidget main;
    TFrmStart splash(&main);
    splash.show();
    QList<int> seen;
    auto tick = [&] {
        splash.Timer1Timer();
        seen << splash.opacity();
        QVERIFY(!main.isVisible() || splash.isHidden());
    };
    for (int i = 0; i < 17; ++i)
        tick();
    QCOMPARE(splash.opacity(), 255);
    QVERIFY(!splash.Timer2.isActive());
    tick(); // finds 255: the hold starts
    QVERIFY(splash.Timer2.isActive());
    for (int i = 0; i < 50; ++i)
        tick(); // holding: nothing changes, the hold timer keeps running
    QCOMPARE(splash.opacity(), 255);
    QVERIFY(!main.isVisible());
    splash.Timer2Timer();
    QVERIFY(splash.isDone());
    QVERIFY(!splash.Timer2.isActive()); // fires once
    for (int i = 0; i < 17; ++i)
        tick();
    QCOMPARE(splash.opacity(), 0);
    QVERIFY(!main.isVisible());
    QVERIFY(splash.isVisible());
    tick();
    QVERIFY(main.isVisible());
    QVERIFY(splash.isHidden());
    for (int v : seen)
        QVERIFY2(v % 15 == 0 && v >= 0 && v <= 255, qPrintable(QString::number(v)));
    QCOMPARE(seen.mid(0, 3), QList<int>({15, 30, 45}));
}

void TestSplash::inputChangesNothing() {
    QWidget main;
    TFrmStart splash(&main);
    splash.show();
    for (int i = 0; i < 10; ++i)
        splash.Timer1Timer();
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::mouseDClick(&splash, Qt::LeftButton);
    QTest::keyClick(&splash, Qt::Key_Escape);
    QTest::keyClick(&splash, Qt::Key_Return);
    QTest::keyClick(&splash, Qt::Key_Space);
    QCOMPARE(splash.opacity(), 150);
    QVERIFY(!splash.isDone());
    QVERIFY(splash.isVisible());
    QVERIFY(!main.isVisible());
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
