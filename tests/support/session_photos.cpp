// Writes a folder of photos with EXIF taking times, for trying the photo import in a real
// window: session_photos FOLDER "yyyy:MM:dd HH:mm:ss"... gives foto-1.jpg, foto-2.jpg, ...
#include "tests/support/TestPictures.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "uso: session_photos CARTELLA \"aaaa:mm:gg hh:mm:ss\"...\n");
        return 2;
    }
    QDir().mkpath(args[1]);
    for (int i = 2; i < args.size(); ++i) {
        // A photo of one colour per time, so the previews can be told apart.
        const QColor colour = QColor::fromHsv((i * 67) % 360, 160, 200);
        const QByteArray jpeg = TestPictures::solidJpeg(QSize(640, 480), colour);
        QFile out(QDir(args[1]).filePath(QStringLiteral("foto-%1.jpg").arg(i - 1)));
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(TestPictures::withTakingTime(jpeg, args[i].toLatin1())) < 0) {
            std::fprintf(stderr, "%s: non scritto\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
