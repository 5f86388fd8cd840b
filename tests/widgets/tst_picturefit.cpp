// Where a picture is drawn in its area, for the three display modes.
#include "widgets/PictureFit.h"

#include <QTest>

Q_DECLARE_METATYPE(PictureMode)

class TestPictureFit : public QObject {
    Q_OBJECT
private slots:
    void fit_data();
    void fit();
};

void TestPictureFit::fit_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<PictureMode>("mode");
    QTest::addColumn<QRect>("expected");
    const auto P = PictureMode::Proportional, C = PictureMode::Center, S = PictureMode::Stretch,
               F = PictureMode::Fit;
    const QSize viewer(792, 573);
    QTest::newRow("small stays own size")
        << QSize(400, 300) << viewer << P << QRect(196, 136, 400, 300);
    QTest::newRow("landscape scaled down")
        << QSize(1600, 1200) << viewer << P << QRect(14, 0, 764, 573);
    QTest::newRow("portrait scaled down")
        << QSize(1200, 1600) << viewer << P << QRect(181, 0, 429, 573);
    QTest::newRow("panorama, width-limited")
        << QSize(4000, 1000) << viewer << P << QRect(0, 187, 792, 198);
    QTest::newRow("exact fit") << QSize(792, 573) << viewer << P << QRect(0, 0, 792, 573);
    QTest::newRow("maximised: never enlarged")
        << QSize(1600, 1200) << QSize(1920, 1137) << P << QRect(202, 0, 1516, 1137);
    QTest::newRow("centre, own size")
        << QSize(400, 300) << viewer << C << QRect(196, 136, 400, 300);
    QTest::newRow("centre, larger is cut")
        << QSize(1000, 700) << viewer << C << QRect(-104, -63, 1000, 700);
    QTest::newRow("stretch") << QSize(100, 50) << viewer << S << QRect(0, 0, 792, 573);
    // The catch preview, 163 x 108: small pictures are enlarged as well.
    const QSize preview(163, 108);
    QTest::newRow("fit, small enlarged") << QSize(80, 60) << preview << F << QRect(9, 0, 144, 108);
    QTest::newRow("fit, large reduced")
        << QSize(4000, 3000) << preview << F << QRect(9, 0, 144, 108);
    QTest::newRow("fit, portrait") << QSize(300, 400) << preview << F << QRect(41, 0, 81, 108);
    QTest::newRow("no picture") << QSize() << viewer << P << QRect();
    QTest::newRow("no area") << QSize(10, 10) << QSize(0, 0) << P << QRect();
}

void TestPictureFit::fit() {
    QFETCH(QSize, picture);
    QFETCH(QSize, area);
    QFETCH(PictureMode, mode);
    QFETCH(QRect, expected);
    QCOMPARE(FitPicture(picture, area, mode), expected);
}

QTEST_GUILESS_MAIN(TestPictureFit)
#include "tst_picturefit.moc"
