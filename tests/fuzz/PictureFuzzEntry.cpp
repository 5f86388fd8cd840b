#include "tests/fuzz/PictureFuzzEntry.h"

#include "widgets/PictureError.h"
#include "widgets/PictureLoader.h"

#include <QByteArray>

int FuzzPictureInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t selector = data[0];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString extension = (selector & 1) ? QStringLiteral("jpg") : QStringLiteral("bmp");
    const QSize fitInto = (selector & 2) ? QSize(64, 48) : QSize();
    try {
        const QImage image =
            PictureLoader::decode(bytes, extension, QStringLiteral("fuzz"), fitInto);
        (void)image.pixel(0, 0);
    } catch (const PictureError&) {
    }
    return 0;
}
