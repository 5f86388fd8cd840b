// Picture benchmark: decoding a 4000 x 3000 JPEG through the program's loader at full scale
// (the photo viewer) and at preview scale (the catch panel), beside Qt's own JPEG reader as
// the named alternative; then the same photo as a camera writes it, with an embedded EXIF
// thumbnail, for the catch preview against a full decode. Last, the kept previews of photos
// without a thumbnail: stepping a catch preview through 50 of them and showing the reportage
// picture of 60, each with its repaint, after the first pass, beside decoding them.
#include "data/U_QFile.h"
#include "tests/support/TestPictures.h"
#include "tools/BenchSupport.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureLoader.h"
#include "widgets/PreviewCache.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SetProgramDirForTests(dir.path() + QLatin1Char('/')); // the previews go beside
    const QString path = dir.filePath(QStringLiteral("carpa.jpg"));
    {
        // Something photo-like: gradients with noise, so the file is the size a phone makes.
        QImage image(4000, 3000, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int n = int(random.bounded(24));
                line[x] = qRgb((x / 16 + n) & 255, (y / 12 + n) & 255, ((x + y) / 28 + n) & 255);
            }
        }
        image.save(path, "JPG", 90);
    }
    std::printf("4000 x 3000 JPEG, %lld bytes\n\n", QFileInfo(path).size());
    std::printf("%-44s %10s %12s\n", "decode (median of 7)", "ms", "result");
    QImage out;
    const double full = MedianMs(7, [&] { out = LoadPicture(path); });
    std::printf("%-44s %10.1f %5dx%-6d\n", "loader, full scale (viewer)", full, out.width(),
                out.height());
    const double preview = MedianMs(7, [&] { out = LoadPicture(path, QSize(240, 180)); });
    std::printf("%-44s %10.1f %5dx%-6d\n", "loader, preview scale into 240x180", preview,
                out.width(), out.height());
    const double qt = MedianMs(7, [&] {
        QImageReader reader(path);
        reader.setAllocationLimit(0);
        out = reader.read();
    });
    std::printf("%-44s %10.1f %5dx%-6d\n", "Qt's JPEG reader, full scale (alternative)", qt,
                out.width(), out.height());
    std::printf("\npreview is %.1fx faster than full scale\n", full / preview);

    // The camera's photo: the same picture with a 160 x 120 thumbnail in its EXIF block.
    const QString camera = dir.filePath(QStringLiteral("IMG_0001.JPG"));
    {
        QFile original(path);
        original.open(QIODevice::ReadOnly);
        const QByteArray bytes = original.readAll();
        QByteArray thumb;
        QBuffer buffer(&thumb);
        buffer.open(QIODevice::WriteOnly);
        QImage(path).scaled(160, 120).save(&buffer, "JPG", 80);
        QFile file(camera);
        file.open(QIODevice::WriteOnly);
        file.write(TestPictures::withExif(bytes, 1, thumb));
    }
    std::printf("\ncamera JPEG with a 160 x 120 EXIF thumbnail, %lld bytes\n",
                QFileInfo(camera).size());
    const double cameraFull = MedianMs(7, [&] { out = LoadPicture(camera); });
    std::printf("%-44s %10.1f %5dx%-6d\n", "loader, full scale (viewer)", cameraFull, out.width(),
                out.height());
    const double thumbPreview = MedianMs(21, [&] { out = LoadPicture(camera, QSize(163, 108)); });
    std::printf("%-44s %10.2f %5dx%-6d\n", "loader, catch preview 163x108 (thumbnail)",
                thumbPreview, out.width(), out.height());
    std::printf("\ncatch preview is %.0fx faster than full scale (goal: at least 10x)\n",
                cameraFull / thumbPreview);

    // Photos as a program exports them: no camera thumbnail. Each a file of its own.
    QDir().mkpath(dir.filePath(QStringLiteral("foto")));
    QStringList photos;
    for (int i = 0; i < 60; ++i) {
        photos << dir.filePath(QStringLiteral("foto/DSC_%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
        QFile::copy(path, photos.back());
    }
    const auto stepping = [&](PictureBox& box, int count, PictureLoader::Coverage coverage,
                              bool cached) {
        box.show();
        int i = 0;
        return MedianMs(count, [&] {
            const QString& photo = photos[i++ % count];
            box.setPicture(cached ? PreviewCache::load(photo, box.size(), coverage)
                                  : LoadPicture(photo, box.size(), coverage));
            box.repaint();
        });
    };
    PictureBox catchPreview(nullptr, PictureMode::Fit);
    catchPreview.resize(163, 108);
    PictureBox reportage(nullptr, PictureMode::Proportional);
    reportage.resize(711, 471);
    using C = PictureLoader::Coverage;
    std::printf("\n%-58s %10s\n", "photos without a thumbnail, with repaint (median)", "ms");
    const double catchDecode = stepping(catchPreview, 50, C::Fit, false);
    QElapsedTimer first;
    first.start();
    for (int i = 0; i < 50; ++i)
        PreviewCache::load(photos[i], catchPreview.size(), C::Fit);
    const double firstPass = double(first.elapsed()) / 50;
    const double catchCached = stepping(catchPreview, 50, C::Fit, true);
    std::printf("%-58s %10.1f\n", "catch preview, decoded at every step (before)", catchDecode);
    std::printf("%-58s %10.1f\n", "catch preview, first pass (decode and keep)", firstPass);
    std::printf("%-58s %10.2f\n", "catch preview, kept preview (goal: at most 16)", catchCached);
    const double reportDecode = stepping(reportage, 60, C::Fill, false);
    for (int i = 0; i < 60; ++i)
        PreviewCache::load(photos[i], reportage.size(), C::Fill);
    const double reportCached = stepping(reportage, 60, C::Fill, true);
    std::printf("%-58s %10.1f\n", "reportage picture, decoded (before)", reportDecode);
    std::printf("%-58s %10.2f\n", "reportage picture, kept preview (goal: opening <= 300)",
                reportCached);
    std::printf("\nkept previews: %d files in %s\n",
                int(QDir(PreviewCache::folder()).entryList(QDir::Files).size()),
                qPrintable(QStringLiteral("miniature/")));
    return 0;
}
