#include "data/PrivateProfile.h"

#include <QFile>
#include <QStringDecoder>

namespace PrivateProfile {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView trimBlanks(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString readString(const QString& fileName, const QString& section, const QString& key,
                   const QString& defaultValue) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    return readString(file.readAll(), section, key, defaultValue);
}

QString readString(const QByteArray& content, const QString& section, const QString& key,
                   const QString& defaultValue) {
    const QString text = decode(content);
    const QStringView wantedSection = trimBlanks(section);
    const QStringView wantedKey = trimBlanks(key);

    enum { Before, Inside, After } where = Before;
    qsizetype pos = 0;
    while (pos <= text.size() && where != After) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\r') &&
               text[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = trimBlanks(QStringView(text).mid(pos, end - pos));
        pos = end + 1;

        if (line.startsWith(QLatin1Char('['))) {
            qsizetype close = line.indexOf(QLatin1Char(']'));
            const QStringView name = trimBlanks(line.mid(1, close < 0 ? -1 : close - 1));
            if (where == Inside)
                where = After; // only the first section of that name is searched
            else if (sameName(name, wantedSection))
                where = Inside;
            continue;
        }
        if (where != Inside)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (!sameName(trimBlanks(line.left(eq)), wantedKey))
            continue;
        QStringView value = trimBlanks(line.mid(eq + 1));
        if (value.size() >= 2 &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return value.left(MaxValueLength).toString();
    }
    return defaultValue;
}

} // namespace PrivateProfile
