#include "widgets/UiFonts.h"

#include <QStringList>

namespace UiFonts {

void installSubstitutions() {
    const QStringList close{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), close);
    QFont::insertSubstitutions(QStringLiteral("Arial"), close);
}

QFont sansSerifPixels(int pixels, bool bold) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont sansSerifPoints(int points) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(points);
    return f;
}

QFont arialPixels(int pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace UiFonts
