#include "engine/TextConversion.h"

#include "engine/EngineError.h"

#include <QRegularExpression>
#include <cmath>

namespace TextConversion {

namespace {

ConversionError notADate(const QString& text) {
    return ConversionError(QStringLiteral("'%1' non è una data valida: il formato corretto è "
                                          "gg/mm/aaaa")
                               .arg(text));
}

ConversionError notANumber(const QString& text) {
    return ConversionError(QStringLiteral("'%1' non è un numero valido").arg(text));
}

} // namespace

FieldType typeFromDeclaration(const QString& declaredType) {
    const QString t = declaredType.trimmed().toUpper();
    if (t.isEmpty())
        return FieldType::Unknown;
    if (t.startsWith(QLatin1String("DATE")))
        return FieldType::Date;
    if (t.contains(QLatin1String("INT")))
        return FieldType::Integer;
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("TEXT")) ||
        t.contains(QLatin1String("CLOB")))
        return FieldType::Text;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) ||
        t.contains(QLatin1String("DOUB")) || t.contains(QLatin1String("NUM")) ||
        t.contains(QLatin1String("DEC")))
        return FieldType::Real;
    return FieldType::Unknown;
}

QString dateToText(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QDate parseDate(const QString& text) {
    return parseDate(text, QDate::currentDate().year());
}

QDate parseDate(const QString& text, int currentYear) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([0-9]{1,2})/([0-9]{1,2})/([0-9]{4}|[0-9]{2})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        throw notADate(text);
    const int day = m.captured(1).toInt();
    const int month = m.captured(2).toInt();
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2) {
        // Two digits name the year within fifty years of this one: [current-50, current+49].
        const int base = currentYear - 50;
        year += (base / 100) * 100;
        if (year < base)
            year += 100;
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1)
        throw notADate(text);
    return date;
}

QString numberToText(double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    QString s = QString::number(value, 'f', 10);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

double parseNumber(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)\\s*$"));
    if (!pattern.match(text).hasMatch())
        throw notANumber(text);
    QString s = text.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw notANumber(text);
    return v;
}

qlonglong parseInteger(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    if (!pattern.match(text).hasMatch())
        throw ConversionError(QStringLiteral("'%1' non è un numero intero valido").arg(text));
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' non è un numero intero valido").arg(text));
    return v;
}

QString dateToIso(const QDate& date) {
    return date.toString(Qt::ISODate);
}

QDate dateFromIso(const QString& iso) {
    // Stored dates may carry a time part; the day is what matters.
    return QDate::fromString(iso.left(10), Qt::ISODate);
}

QString displayText(const QVariant& stored, FieldType type) {
    if (stored.isNull() || !stored.isValid())
        return QString();
    const int id = stored.typeId();
    const bool isDouble = id == QMetaType::Double;
    const bool isInteger = id == QMetaType::LongLong || id == QMetaType::Int;
    switch (type) {
    case FieldType::Date: {
        const QDate d = dateFromIso(stored.toString());
        return d.isValid() ? dateToText(d) : stored.toString();
    }
    case FieldType::Integer:
    case FieldType::Real:
    case FieldType::Unknown:
        if (isDouble)
            return numberToText(stored.toDouble());
        if (isInteger)
            return QString::number(stored.toLongLong());
        return stored.toString();
    case FieldType::Text:
        return stored.toString();
    }
    return stored.toString();
}

QVariant valueFromText(const QString& text, FieldType type) {
    if (type == FieldType::Text || type == FieldType::Unknown)
        return text.isEmpty() ? QVariant() : QVariant(text);
    if (text.trimmed().isEmpty())
        return QVariant();
    switch (type) {
    case FieldType::Date:
        return dateToIso(parseDate(text));
    case FieldType::Integer:
        return parseInteger(text);
    case FieldType::Real:
        return parseNumber(text);
    default:
        return text;
    }
}

bool acceptsChar(FieldType type, QChar c) {
    switch (type) {
    case FieldType::Integer:
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
               c == QLatin1Char('-');
    case FieldType::Real:
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
               c == QLatin1Char('-') || c == QLatin1Char(',') || c == QLatin1Char('.');
    default:
        return true;
    }
}

} // namespace TextConversion
