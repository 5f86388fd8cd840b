#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QVariant>

// How stored values become text on screen and typed text becomes stored values.
// Every conversion between the two goes through here, so the rules live in one place:
// dates are stored as ISO "yyyy-mm-dd" and shown as "dd/mm/yyyy"; decimal numbers are
// shown with a comma and typed with a comma or a dot.
enum class FieldType { Integer, Real, Text, Date, Unknown };

namespace TextConversion {

// The type a declared column type names ("INTEGER", "REAL", "DATE", "TEXT", ...).
FieldType typeFromDeclaration(const QString& declaredType);

// "dd/mm/yyyy"; an invalid date gives an empty text.
QString dateToText(const QDate& date);
// Day and month of one or two digits, a four-digit year or a two-digit one (placed within
// fifty years of the current year), slashes between, blanks around ignored. Throws
// ConversionError for anything else. Empty text is not accepted here: see valueFromText.
QDate parseDate(const QString& text);
QDate parseDate(const QString& text, int currentYear);

// Comma as decimal separator, no needless zeros: 12,5 and 8.
QString numberToText(double value);
double parseNumber(const QString& text);
qlonglong parseInteger(const QString& text);

// The stored form of a date (ISO text) and back; a text that is not ISO gives an invalid date.
QString dateToIso(const QDate& date);
QDate dateFromIso(const QString& iso);

// Display text of a stored value of a field of the given type; null shows as empty.
QString displayText(const QVariant& stored, FieldType type);
// Stored value of a typed text; empty (or blank) text gives null. Throws ConversionError.
QVariant valueFromText(const QString& text, FieldType type);
// Whether a key press of this character can belong to a value of the type.
bool acceptsChar(FieldType type, QChar c);

} // namespace TextConversion
