// The picture loader: the reader chosen by extension, and every kind of bad file a clear
// Italian error naming the file, never a crash or a huge allocation.
#include "tests/support/TestPictures.h"
#include "widgets/PictureError.h"
#include "widgets/PictureLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestPictureLoader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void loads_data();
    void loads();
    void refuses_data();
    void refuses();
    void readIsBounded_data();
    void readIsBounded();
    void exifOrientation_data();
    void exifOrientation();
    void embeddedThumbnailForSmallDestinations_data();
    void embeddedThumbnailForSmallDestinations();
    void reducedScaleForSmallDestinations_data();
    void reducedScaleForSmallDestinations();

private:
    QTemporaryDir m_dir;
    QString write(const QString& name, const QByteArray& bytes);
};

void TestPictureLoader::initTestCase() {
    QVERIFY(m_dir.isValid());
}

QString TestPictureLoader::write(const QString& name, const QByteArray& bytes) {
    const QString path = m_dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return path;
}

void TestPictureLoader::loads_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QSize size(120, 80);
    QTest::newRow("bitmap") << "carpa.bmp" << TestPictures::bitmap(size);
    QTest::newRow("jpg") << "carpa.jpg" << TestPictures::jpeg(size);
    QTest::newRow("jpeg") << "carpa.jpeg" << TestPictures::jpeg(size);
    QTest::newRow("upper-case JPG") << "CARPA.JPG" << TestPictures::jpeg(size);
    QTest::newRow("upper-case BMP") << "CARPA.BMP" << TestPictures::bitmap(size);
    // Untidy but whole: stray bytes before the end marker, as many cameras write.
    const QByteArray jpg = TestPictures::jpeg(size);
    QTest::newRow("extraneous bytes before a marker")
        << "camera.jpg" << (jpg.left(jpg.size() - 2) + QByteArray("\0\0junk", 6) + jpg.right(2));
}

void TestPictureLoader::loads() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QImage image = LoadPicture(write(name, bytes));
    QCOMPARE(image.size(), QSize(120, 80));
    // The colours came through: the pattern's corner is blue-ish, its far corner yellow-ish.
    const QRgb far = image.pixel(119, 79);
    QVERIFY2(qRed(far) > 200 && qGreen(far) > 200, qPrintable(QString::number(far, 16)));
}

void TestPictureLoader::refuses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // null: no file is written
    QTest::addColumn<QString>("message");
    const QByteArray jpg = TestPictures::jpeg(QSize(200, 150));
    const QByteArray bmp = TestPictures::bitmap(QSize(200, 150));
    const auto damagedJpeg = QStringLiteral("è danneggiato o non è un'immagine JPEG valida.");
    QTest::newRow("truncated jpeg") << "a.jpg" << jpg.left(jpg.size() * 2 / 3) << damagedJpeg;
    QTest::newRow("garbage named jpg") << "b.jpg" << QByteArray(5000, 'g') << damagedJpeg;
    QTest::newRow("empty jpg") << "c.jpg" << QByteArray("") << damagedJpeg;
    QTest::newRow("jpeg named bmp")
        << "d.bmp" << jpg << QStringLiteral("è danneggiato o non è un'immagine bitmap valida.");
    QTest::newRow("bitmap renamed png")
        << "e.png" << bmp << QStringLiteral("non è un'immagine che il programma sa leggere");
    QTest::newRow("no extension") << "f" << bmp
                                  << QStringLiteral(
                                         "non è un'immagine che il programma sa leggere");
    QTest::newRow("missing file") << "nowhere.jpg" << QByteArray() << QStringLiteral("non esiste.");
    QTest::newRow("absurd jpeg size") << "g.jpg" << TestPictures::withJpegSize(jpg, 65000, 65000)
                                      << QStringLiteral("è troppo grande (65000 x 65000 pixel)");
    QTest::newRow("bitmap cut off in its rows")
        << "i.bmp" << bmp.left(bmp.size() * 2 / 3)
        << QStringLiteral("è danneggiato o non è un'immagine bitmap valida.");
    QTest::newRow("small bitmap announcing 12000 x 12000")
        << "j.bmp" << TestPictures::withBitmapSize(TestPictures::bitmap(QSize(5, 5)), 12000, 12000)
        << QStringLiteral("è danneggiato o non è un'immagine bitmap valida.");
    QTest::newRow("absurd bitmap size")
        << "h.bmp" << TestPictures::withBitmapSize(bmp, 100000, 100000)
        << QStringLiteral("è troppo grande (100000 x 100000 pixel)");
}

void TestPictureLoader::refuses() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = bytes.isNull() ? m_dir.filePath(name) : write(name, bytes);
    try {
        LoadPicture(path);
        QFAIL("loaded");
    } catch (const PictureError& e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        QVERIFY2(e.message().contains(path), qPrintable(e.message()));
    }
}

// Files whose reported size says nothing about what a read gives: a link to a file that
// streams without end, a huge sparse file of another kind. Both are refused from their first
// bytes, without reading on.
void TestPictureLoader::readIsBounded_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target"); // a link to it, or empty: a sparse file
    QTest::addColumn<QString>("message");
    const auto damagedJpeg = QStringLiteral("è danneggiato o non è un'immagine JPEG valida.");
    if (QFileInfo::exists(QStringLiteral("/proc/self/pagemap")))
        QTest::newRow("link to a streaming file reporting size 0")
            << "x.jpg"
            << "/proc/self/pagemap" << damagedJpeg;
    QTest::newRow("400 MB sparse file named jpg") << "sparse.jpg"
                                                  << "" << damagedJpeg;
    QTest::newRow("400 MB sparse file named bmp")
        << "sparse.bmp"
        << "" << QStringLiteral("è danneggiato o non è un'immagine bitmap valida.");
}

void TestPictureLoader::readIsBounded() {
    QFETCH(QString, name);
    QFETCH(QString, target);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    if (target.isEmpty()) {
        QFile sparse(path);
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(400ll * 1024 * 1024));
    } else {
        QVERIFY(QFile::link(target, path));
    }
    try {
        LoadPicture(path, QSize(163, 108));
        QFAIL("loaded");
    } catch (const PictureError& e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    QFile::remove(path);
}

void TestPictureLoader::exifOrientation_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QPoint>("darkCorner"); // where the stored top-left corner ends up
    // The pattern is darkest at its stored top-left corner (red and green both low).
    QTest::newRow("as stored") << 1 << QSize(120, 80) << QPoint(0, 0);
    QTest::newRow("mirrored") << 2 << QSize(120, 80) << QPoint(119, 0);
    QTest::newRow("upside down") << 3 << QSize(120, 80) << QPoint(119, 79);
    QTest::newRow("flipped") << 4 << QSize(120, 80) << QPoint(0, 79);
    QTest::newRow("transposed") << 5 << QSize(80, 120) << QPoint(0, 0);
    QTest::newRow("quarter turn clockwise") << 6 << QSize(80, 120) << QPoint(79, 0);
    QTest::newRow("transverse") << 7 << QSize(80, 120) << QPoint(79, 119);
    QTest::newRow("quarter turn anticlockwise") << 8 << QSize(80, 120) << QPoint(0, 119);
}

void TestPictureLoader::exifOrientation() {
    QFETCH(int, orientation);
    QFETCH(QSize, shown);
    QFETCH(QPoint, darkCorner);
    const QString path =
        write(QStringLiteral("telefono.jpg"),
              TestPictures::withExif(TestPictures::jpeg(QSize(120, 80), 95), orientation));
    const QImage image = LoadPicture(path);
    QCOMPARE(image.size(), shown);
    const QColor dark = image.pixelColor(darkCorner);
    QVERIFY2(dark.red() < 40 && dark.green() < 40, qPrintable(dark.name()));
}

void TestPictureLoader::embeddedThumbnailForSmallDestinations_data() {
    QTest::addColumn<QSize>("thumbnail");
    QTest::addColumn<QSize>("fitInto");
    QTest::addColumn<bool>("used");
    QTest::newRow("160x120 for the catch preview") << QSize(160, 120) << QSize(163, 108) << true;
    QTest::newRow("too small for the destination") << QSize(80, 60) << QSize(163, 108) << false;
    QTest::newRow("other proportions (black bands)") << QSize(160, 160) << QSize(163, 108) << false;
    QTest::newRow("full size: never the thumbnail") << QSize(160, 120) << QSize() << false;
}

void TestPictureLoader::embeddedThumbnailForSmallDestinations() {
    QFETCH(QSize, thumbnail);
    QFETCH(QSize, fitInto);
    QFETCH(bool, used);
    const QByteArray photo = TestPictures::withExif(TestPictures::jpeg(QSize(800, 600)), 1,
                                                    TestPictures::solidJpeg(thumbnail, Qt::red));
    const QImage image = LoadPicture(write(QStringLiteral("camera.jpg"), photo), fitInto);
    const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
    QCOMPARE(image.size() == thumbnail && centre.red() > 200 && centre.green() < 60, used);
}

void TestPictureLoader::reducedScaleForSmallDestinations_data() {
    QTest::addColumn<QSize>("fitInto");
    QTest::addColumn<QSize>("decoded");
    QTest::newRow("full size") << QSize() << QSize(1600, 1200);
    QTest::newRow("larger than the picture") << QSize(4000, 4000) << QSize(1600, 1200);
    QTest::newRow("half") << QSize(792, 573) << QSize(800, 600);
    QTest::newRow("eighth") << QSize(180, 120) << QSize(200, 150);
    QTest::newRow("a quarter still covers") << QSize(210, 160) << QSize(400, 300);
}

void TestPictureLoader::reducedScaleForSmallDestinations() {
    QFETCH(QSize, fitInto);
    QFETCH(QSize, decoded);
    const QString path = write(QStringLiteral("big.jpg"), TestPictures::jpeg(QSize(1600, 1200)));
    QCOMPARE(LoadPicture(path, fitInto).size(), decoded);
}

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
