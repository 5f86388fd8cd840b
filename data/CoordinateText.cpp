#include "data/CoordinateText.h"

#include <QRegularExpression>
#include <cmath>

namespace CoordinateText {

namespace {

QString noun(Axis axis) {
    return axis == Axis::Latitude ? QStringLiteral("latitudine") : QStringLiteral("longitudine");
}

QString unreadable(const QString& text, Axis axis) {
    return axis == Axis::Latitude
               ? QStringLiteral("\"%1\" non si legge come latitudine: scriverla in gradi decimali "
                                "(45,4312) o in gradi e minuti (45°25,87'), con N o S oppure col "
                                "segno (negativa a sud).")
                     .arg(text)
               : QStringLiteral("\"%1\" non si legge come longitudine: scriverla in gradi decimali "
                                "(9,1859) o in gradi e minuti (9°11,15'), con E oppure O o W, o "
                                "col segno (negativa a ovest).")
                     .arg(text);
}

double number(const QString& digits) {
    QString t = digits;
    return t.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

} // namespace

Reading parse(const QString& typed, Axis axis) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    // sign, letter, degrees, minutes, seconds, letter; the mark after each number optional, so
    // blanks alone separate them too.
    static const QRegularExpression form(
        QStringLiteral("^([+-])?\\s*([NSEWO])?\\s*"
                       "(\\d+(?:[.,]\\d+)?)\\s*[°º]?\\s*"
                       "(?:(\\d+(?:[.,]\\d+)?)\\s*['′’]?\\s*"
                       "(?:(\\d+(?:[.,]\\d+)?)\\s*(?:[\"″”]|''|′′)?\\s*)?)?"
                       "([NSEWO])?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return {std::nullopt, unreadable(text, axis)};
    const QString sign = m.captured(1);
    const QString before = m.captured(2).toUpper(), after = m.captured(6).toUpper();
    const QString degreesText = m.captured(3), minutesText = m.captured(4),
                  secondsText = m.captured(5);
    // One way to say the hemisphere, and a letter of this axis.
    if ((!before.isEmpty() && !after.isEmpty()) || (!sign.isEmpty() && !(before + after).isEmpty()))
        return {std::nullopt, unreadable(text, axis)};
    const QString letter = before + after;
    const QString letters = axis == Axis::Latitude ? QStringLiteral("NS") : QStringLiteral("EWO");
    if (!letter.isEmpty() && !letters.contains(letter))
        return {std::nullopt, unreadable(text, axis)};
    // Only the last number given may have decimals: "45,5 30" says two things at once.
    const bool decimalDegrees = degreesText.contains(QRegularExpression(QStringLiteral("[.,]")));
    const bool decimalMinutes = minutesText.contains(QRegularExpression(QStringLiteral("[.,]")));
    if ((decimalDegrees && !minutesText.isEmpty()) || (decimalMinutes && !secondsText.isEmpty()))
        return {std::nullopt, unreadable(text, axis)};
    const double minutes = minutesText.isEmpty() ? 0 : number(minutesText);
    const double seconds = secondsText.isEmpty() ? 0 : number(secondsText);
    if (minutes >= 60 || seconds >= 60)
        return {std::nullopt,
                QStringLiteral("Nella %1 \"%2\" i minuti e i secondi vanno da 0 a meno di 60.")
                    .arg(noun(axis), text)};
    double value = number(degreesText) + minutes / 60.0 + seconds / 3600.0;
    if (sign == QLatin1String("-") || letter == QLatin1String("S") ||
        letter == QLatin1String("W") || letter == QLatin1String("O"))
        value = -value;
    const double limit = axis == Axis::Latitude ? 90 : 180;
    if (std::fabs(value) > limit)
        return {
            std::nullopt,
            axis == Axis::Latitude
                ? QStringLiteral("La latitudine \"%1\" è fuori dai limiti: va da 90° S a 90° N.")
                      .arg(text)
                : QStringLiteral("La longitudine \"%1\" è fuori dai limiti: va da 180° O a 180° E.")
                      .arg(text)};
    return {value, QString()};
}

QString format(double degrees) {
    QString t = QString::number(degrees, 'f', 6);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    if (t == QLatin1String("-0"))
        t = QStringLiteral("0");
    return t.replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace CoordinateText
