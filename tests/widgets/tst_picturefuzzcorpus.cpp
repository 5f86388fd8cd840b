// A corpus run of the picture fuzz entry: valid, truncated and mangled bitmaps and JPEGs made
// here, each through every reader. Nothing may crash, trip a sanitizer or throw anything but
// PictureError; valid files must still load.
#include "tests/fuzz/PictureFuzzEntry.h"
#include "tests/support/TestPictures.h"
#include "widgets/PictureLoader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

class TestPictureFuzzCorpus : public QObject {
    Q_OBJECT
private slots:
    void corpus();
};

void TestPictureFuzzCorpus::corpus() {
    QList<QByteArray> seeds{TestPictures::bitmap(QSize(33, 17)), TestPictures::jpeg(QSize(64, 48)),
                            TestPictures::jpeg(QSize(17, 9), 20)};
    QCOMPARE(PictureLoader::decode(seeds[1], QStringLiteral("jpg"), QStringLiteral("x")).size(),
             QSize(64, 48));

    QRandomGenerator random(20261210); // fixed, so a failure repeats
    QList<QByteArray> corpus;
    for (const QByteArray& seed : seeds) {
        corpus << seed;
        for (int cut = 0; cut < seed.size(); cut += qMax(1, int(seed.size() / 40)))
            corpus << seed.left(cut);
        for (int n = 0; n < 150; ++n) {
            QByteArray mangled = seed;
            const int flips = 1 + int(random.bounded(8));
            for (int f = 0; f < flips; ++f)
                mangled[int(random.bounded(mangled.size()))] = char(random.bounded(256));
            corpus << mangled;
        }
    }
    // LL_FUZZ_CORPUS_DIR=dir writes the seeds out, to start `make fuzz` runs from them.
    const QString seedDir = qEnvironmentVariable("LL_FUZZ_CORPUS_DIR");
    if (!seedDir.isEmpty()) {
        QDir().mkpath(seedDir);
        for (int i = 0; i < seeds.size(); ++i)
            for (char selector : {0, 1, 2, 3}) {
                QFile f(QStringLiteral("%1/seed-%2-%3").arg(seedDir).arg(i).arg(int(selector)));
                f.open(QIODevice::WriteOnly);
                f.write(selector + seeds[i]);
            }
    }
    int runs = 0;
    for (const QByteArray& input : corpus) {
        for (char selector : {0, 1, 2, 3}) {
            const QByteArray data = selector + input;
            FuzzPictureInput(reinterpret_cast<const std::uint8_t*>(data.constData()),
                             size_t(data.size()));
            ++runs;
        }
    }
    QVERIFY(runs > 1500);
}

QTEST_GUILESS_MAIN(TestPictureFuzzCorpus)
#include "tst_picturefuzzcorpus.moc"
