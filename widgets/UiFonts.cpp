#include "widgets/UiFonts.h"

#include <QStringList>

namespace UiFonts {

void installSubstitutions() {
    const QStringList close{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), close);
    QFont::insertSubstitutions(QStringLiteral("Arial"), close);
}

QFont narrowSansPixels(int pixels) {
    // Not every machine has the narrow face: the condensed DejaVu, then any condensed sans.
    static const bool substituted = [] {
        QFont::insertSubstitutions(
            QStringLiteral("Liberation Sans Narrow"),
            {QStringLiteral("Arial Narrow"), QStringLiteral("DejaVu Sans Condensed")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont f(QStringLiteral("Liberation Sans Narrow"));
    f.setPixelSize(pixels);
    f.setBold(false); // never the bold of a group's title
    return f;
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
