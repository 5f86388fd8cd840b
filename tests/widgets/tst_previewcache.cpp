// The kept previews: made once for a photo without a camera thumbnail and read back after,
// a changed photo getting a new one, never one for a camera photo, and a damaged, deleted or
// unwritable cache costing only a decode.
#include "data/U_QFile.h"
#include "tests/support/TestPictures.h"
#include "widgets/PictureError.h"
#include "widgets/PreviewCache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPreviewCache : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanupTestCase() { SetProgramDirForTests(QString()); }
    void keptOnceAndReadBack();
    void aChangedPhotoGetsANewPreview_data();
    void aChangedPhotoGetsANewPreview();
    void noPreviewForACameraPhoto();
    void aBrokenCacheCostsOnlyADecode_data();
    void aBrokenCacheCostsOnlyADecode();
    void aMissingPhotoIsReportedEvenWithItsPreview();

private:
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<QTemporaryDir> m_photos;
    const QSize m_preview{163, 108};
    QString photo(const QString& name, const QByteArray& bytes) {
        QFile f(m_photos->filePath(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        return f.fileName();
    }
    QString entryOf(const QString& path) {
        return PreviewCache::folder() +
               PreviewCache::entryName(QFileInfo(path), m_preview, PictureLoader::Coverage::Fit);
    }
    QStringList entries() { return QDir(PreviewCache::folder()).entryList(QDir::Files); }
    static bool isRed(const QImage& image) {
        const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
        return c.red() > 200 && c.green() < 60 && c.blue() < 60;
    }
    // Replaces the kept preview with a red picture, so a load that shows red read the cache.
    void markEntry(const QString& path) {
        QFile f(entryOf(path));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(TestPictures::solidJpeg(QSize(200, 150), Qt::red));
    }
};

void TestPreviewCache::init() {
    m_program = std::make_unique<QTemporaryDir>();
    m_photos = std::make_unique<QTemporaryDir>();
    SetProgramDirForTests(m_program->path() + QLatin1Char('/'));
}

void TestPreviewCache::keptOnceAndReadBack() {
    const QString path =
        photo(QStringLiteral("modificata.jpg"), TestPictures::jpeg(QSize(1600, 1200)));
    const QImage first = PreviewCache::load(path, m_preview);
    QCOMPARE(first.size(), QSize(200, 150)); // an eighth: still covers the preview
    QCOMPARE(entries().size(), 1);
    QVERIFY(QFileInfo::exists(entryOf(path)));
    QVERIFY(PreviewCache::folder().startsWith(m_program->path()));
    markEntry(path);
    QVERIFY(isRed(PreviewCache::load(path, m_preview)));
    // Another destination size is another preview.
    QVERIFY(!isRed(PreviewCache::load(path, QSize(711, 471), PictureLoader::Coverage::Fill)));
    QCOMPARE(entries().size(), 2);
}

void TestPreviewCache::aChangedPhotoGetsANewPreview_data() {
    QTest::addColumn<bool>("sameSize");
    QTest::newRow("new content, other size") << false;
    QTest::newRow("same size, new time") << true;
}

void TestPreviewCache::aChangedPhotoGetsANewPreview() {
    QFETCH(bool, sameSize);
    const QString path = photo(QStringLiteral("carpa.jpg"), TestPictures::jpeg(QSize(800, 600)));
    PreviewCache::load(path, m_preview);
    const QString before = entryOf(path);
    markEntry(path);
    if (sameSize) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                              QFileDevice::FileModificationTime));
    } else {
        photo(QStringLiteral("carpa.jpg"), TestPictures::jpeg(QSize(640, 480)));
    }
    QVERIFY(entryOf(path) != before);
    QVERIFY(!isRed(PreviewCache::load(path, m_preview)));
    QVERIFY(QFileInfo::exists(entryOf(path)));
}

void TestPreviewCache::noPreviewForACameraPhoto() {
    const QString path = photo(QStringLiteral("IMG_0001.JPG"),
                               TestPictures::withExif(TestPictures::jpeg(QSize(800, 600)), 1,
                                                      TestPictures::jpeg(QSize(160, 120))));
    QCOMPARE(PreviewCache::load(path, m_preview).size(), QSize(160, 120));
    QVERIFY(entries().isEmpty());
}

void TestPreviewCache::aBrokenCacheCostsOnlyADecode_data() {
    QTest::addColumn<QString>("broken");
    QTest::newRow("damaged entry") << "damaged";
    QTest::newRow("folder deleted") << "deleted";
    QTest::newRow("a file where the folder goes") << "blocked";
}

void TestPreviewCache::aBrokenCacheCostsOnlyADecode() {
    QFETCH(QString, broken);
    const QString path = photo(QStringLiteral("carpa.jpg"), TestPictures::jpeg(QSize(800, 600)));
    const QImage good = PreviewCache::load(path, m_preview);
    if (broken == QLatin1String("damaged")) {
        QFile f(entryOf(path));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("\xFF\xD8\xFF rotto");
    } else {
        QVERIFY(QDir(PreviewCache::folder()).removeRecursively());
        if (broken == QLatin1String("blocked")) {
            QFile f(m_program->filePath(QStringLiteral("miniature")));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
    QCOMPARE(PreviewCache::load(path, m_preview).size(), good.size());
    QCOMPARE(QFileInfo::exists(entryOf(path)), broken != QLatin1String("blocked"));
}

void TestPreviewCache::aMissingPhotoIsReportedEvenWithItsPreview() {
    const QString path = photo(QStringLiteral("sparita.jpg"), TestPictures::jpeg(QSize(800, 600)));
    PreviewCache::load(path, m_preview);
    QFile::remove(path);
    try {
        PreviewCache::load(path, m_preview);
        QFAIL("loaded");
    } catch (const PictureError& e) {
        QVERIFY2(e.message().contains(QStringLiteral("non esiste")), qPrintable(e.message()));
    }
}

QTEST_GUILESS_MAIN(TestPreviewCache)
#include "tst_previewcache.moc"
