// Picture benchmark: decoding a 4000 x 3000 JPEG through the program's loader at full scale
// (the photo viewer) and at preview scale (the catch panel), beside Qt's own JPEG reader as
// the named alternative; then the same photo as a camera writes it, with an embedded EXIF
// thumbnail, for the catch preview against a full decode.
#include "tests/support/TestPictures.h"
#include "tools/BenchSupport.h"
#include "widgets/PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
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
    return 0;
}
