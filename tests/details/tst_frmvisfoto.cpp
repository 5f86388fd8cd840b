// The photo viewer: its window, the picture fitted to the client area and refitted on every
// resize, and the last picture kept on an empty path or a failed load.
#include "details/U_FRM_FrmVisFoto.h"
#include "tests/support/ScriptedModal.h"
#include "tests/support/TestPictures.h"
#include "widgets/ModalSeam.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureError.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFrmVisFoto : public QObject {
    Q_OBJECT
private slots:
    void window();
    void fitsAndRefits();
    void keepsTheLastPicture();
    void shownThroughTheModalSeam();

private:
    QTemporaryDir m_dir;
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
};

void TestFrmVisFoto::window() {
    TFrmVisFoto viewer;
    QCOMPARE(viewer.windowTitle(), QStringLiteral("VISUALIZZAZIONE FOTOGRAFIA"));
    QCOMPARE(viewer.size(), QSize(792, 573));
    QVERIFY(viewer.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(viewer.windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(viewer.minimumSize(), QSize(0, 0));
    QCOMPARE(viewer.Image1->mode(), PictureMode::Proportional);
}

void TestFrmVisFoto::fitsAndRefits() {
    TFrmVisFoto viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.LoadPhoto(write(QStringLiteral("landscape.jpg"), TestPictures::jpeg(QSize(1600, 1200))));
    QCOMPARE(viewer.Image1->size(), QSize(792, 573));
    QCOMPARE(viewer.Image1->pictureRect(), QRect(14, 0, 764, 573));
    viewer.resize(1920, 1137);
    QTRY_COMPARE(viewer.Image1->size(), QSize(1920, 1137));
    QCOMPARE(viewer.Image1->pictureRect(), QRect(202, 0, 1516, 1137));
    viewer.resize(792, 573);
    QTRY_COMPARE(viewer.Image1->pictureRect(), QRect(14, 0, 764, 573));
    // What is drawn is where the rectangle says: background at the left edge, picture inside.
    const QImage shot = viewer.Image1->grab().toImage();
    QCOMPARE(shot.pixelColor(5, 300), viewer.palette().color(QPalette::Window));
    QVERIFY(shot.pixelColor(400, 300) != viewer.palette().color(QPalette::Window));
}

void TestFrmVisFoto::keepsTheLastPicture() {
    TFrmVisFoto viewer;
    viewer.LoadPhoto(write(QStringLiteral("first.bmp"), TestPictures::bitmap(QSize(400, 300))));
    const QImage first = viewer.Image1->picture();
    QCOMPARE(first.size(), QSize(400, 300));
    viewer.LoadPhoto(QString());
    QCOMPARE(viewer.Image1->picture(), first);
    QVERIFY_THROWS_EXCEPTION(PictureError,
                             viewer.LoadPhoto(m_dir.filePath(QStringLiteral("gone.jpg"))));
    QCOMPARE(viewer.Image1->picture(), first);
    QVERIFY_THROWS_EXCEPTION(
        PictureError, viewer.LoadPhoto(write(QStringLiteral("bad.jpg"), QByteArray(100, 'x'))));
    QCOMPARE(viewer.Image1->picture(), first);
}

void TestFrmVisFoto::shownThroughTheModalSeam() {
    TFrmVisFoto viewer;
    viewer.LoadPhoto(write(QStringLiteral("carpa.bmp"), TestPictures::bitmap(QSize(400, 300))));
    ScriptedModal modal;
    // While it is open, the window is visible with its picture drawn where it belongs.
    QImage seen;
    modal.whileOpen = [&](QDialog& d) {
        d.show();
        seen = d.grab().toImage();
        d.hide();
        return int(QDialog::Rejected);
    };
    QCOMPARE(ShowModal(viewer), int(QDialog::Rejected));
    QCOMPARE(modal.shown, QList<QDialog*>{&viewer});
    QCOMPARE(seen.size(), QSize(792, 573));
    // The 400 x 300 picture stands at its own size 196 px from the left, 136 from the top.
    const QColor background = seen.pixelColor(5, 5);
    QCOMPARE(seen.pixelColor(195, 300), background);
    QVERIFY(seen.pixelColor(197, 137) != background);
    QVERIFY(seen.pixelColor(594, 434) != background);
    QCOMPARE(seen.pixelColor(597, 300), background);
}

QTEST_MAIN(TestFrmVisFoto)
#include "tst_frmvisfoto.moc"
