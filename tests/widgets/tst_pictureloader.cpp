// The picture loader: the reader chosen by extension, and every kind of bad file a clear
// Italian error naming the file, never a crash or a huge allocation.
#include "tests/support/TestPictures.h"
#include "widgets/PictureError.h"
#include "widgets/PictureLoader.h"

#include <QDir>
#include <QFile>
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
