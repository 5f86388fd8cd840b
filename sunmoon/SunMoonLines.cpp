#include "sunmoon/SunMoonLines.h"

#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace SunMoonLines {

const QString kNoSession = QStringLiteral(
    "Nessuna sessione salvata: scegliere una sessione, o salvare quella nuova, e riaprire "
    "\"Sole e luna...\".");
const QString kNoStartDate = QStringLiteral(
    "La sessione non ha una data d'inizio: scriverla, salvare la sessione e riaprire "
    "\"Sole e luna...\".");
const QString kNoLake = QStringLiteral(
    "La sessione non ha un lago: sceglierlo nella sessione, dargli una posizione con "
    "Menu > Posizione dei laghi... e riaprire \"Sole e luna...\".");
const QString kNoPosition = QStringLiteral(
    "Il lago \"%1\" non ha una posizione: aggiungerla con Menu > Posizione dei laghi... e "
    "riaprire \"Sole e luna...\".");

std::optional<Band> bandOn(const QDate& date, const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})[:.](\\d{2})\\s*-\\s*(\\d{1,2})[:.](\\d{2})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!date.isValid() || !m.hasMatch())
        return std::nullopt;
    const auto at = [&date](int hours, int minutes) -> std::optional<QDateTime> {
        if (minutes > 59 || hours > 24 || (hours == 24 && minutes > 0))
            return std::nullopt;
        if (hours == 24)
            return Almanac::startOfDay(date.addDays(1));
        return QDateTime(date, QTime(hours, minutes), Almanac::italy());
    };
    const auto start = at(m.captured(1).toInt(), m.captured(2).toInt());
    const auto end = at(m.captured(3).toInt(), m.captured(4).toInt());
    if (!start || !end || *end <= *start)
        return std::nullopt;
    return Band{*start, *end};
}

Touches touches(const std::vector<Almanac::Period>& periods, const QDateTime& start,
                const QDateTime& end) {
    Touches t;
    for (const Almanac::Period& p : periods)
        if (p.start < end && start < p.end)
            (p.kind == Almanac::Period::Major ? t.major : t.minor) = true;
    return t;
}

QString timeText(const QDateTime& t) {
    // Rounded to the nearest minute.
    const QDateTime shown = t.addSecs(30);
    QString text = shown.toString(QStringLiteral("HH:mm"));
    // The same clock time an hour away on the other time: the hour that repeats.
    const QDateTime other = shown.addSecs(shown.isDaylightTime() ? 3600 : -3600);
    if (other.time().hour() == shown.time().hour() && other.date() == shown.date())
        text += shown.isDaylightTime() ? QStringLiteral(" (ora legale)")
                                       : QStringLiteral(" (ora solare)");
    return text;
}

namespace {

QString kindText(const Touches& t) {
    if (t.major && t.minor)
        return QStringLiteral("maggiore e minore");
    return t.major ? QStringLiteral("maggiore") : QStringLiteral("minore");
}

} // namespace

Result build(const Session& session, const QList<Catch>& catches) {
    Result result;
    if (!session.start.isValid()) {
        result.notice = kNoStartDate;
        return result;
    }
    if (!session.hasLake) {
        result.notice = kNoLake;
        return result;
    }
    if (!session.place) {
        result.notice = kNoPosition.arg(session.lake);
        return result;
    }
    const QDate last =
        session.end.isValid() && session.end >= session.start ? session.end : session.start;
    const int days = int(std::min<qint64>(session.start.daysTo(last) + 1, kMaxDays));
    // The day before and after too: a period around a moon event near midnight reaches into
    // the next or the previous day, and a catch there is inside it.
    std::map<QDate, Almanac::Day> computed;
    const auto day = [&](const QDate& d) -> const Almanac::Day& {
        auto it = computed.find(d);
        if (it == computed.end())
            it = computed.emplace(d, Almanac::compute(d, *session.place)).first;
        return it->second;
    };
    int unplaced = 0;
    std::map<QDate, QList<Catch>> byDay;
    for (const Catch& c : catches) {
        if (!c.date.isValid() || !bandOn(c.date, c.band))
            ++unplaced;
        else
            byDay[c.date].push_back(c);
    }
    for (int i = 0; i < days; ++i) {
        const QDate date = session.start.addDays(i);
        Line line{day(date), {}, {}, false};
        const QDateTime from = Almanac::startOfDay(date), to = Almanac::startOfDay(date.addDays(1));
        for (const QDate& d : {date.addDays(-1), date, date.addDays(1)})
            for (const Almanac::Period& p : day(d).periods)
                if (p.start < to && from < p.end)
                    line.periods.push_back(p);
        std::sort(
            line.periods.begin(), line.periods.end(),
            [](const Almanac::Period& a, const Almanac::Period& b) { return a.start < b.start; });
        const auto found = byDay.find(date);
        if (found != byDay.end()) {
            // Bands in their order, each with how many of the day's catches it holds.
            QMap<QDateTime, std::pair<QString, int>> inside;
            int outside = 0;
            for (const Catch& c : found->second) {
                const Band band = *bandOn(date, c.band);
                const Touches t = touches(line.periods, band.start, band.end);
                if (!t.major && !t.minor) {
                    ++outside;
                    continue;
                }
                auto& entry = inside[band.start];
                entry.first = QStringLiteral("%1 (%2)").arg(
                    c.band.simplified().remove(QLatin1Char(' ')), kindText(t));
                ++entry.second;
            }
            QStringList parts;
            for (const auto& [text, count] : inside)
                parts << QStringLiteral("%1 x %2").arg(count).arg(text);
            if (outside > 0)
                parts << QStringLiteral("%1 fuori").arg(outside);
            line.catches = parts;
            line.inPeriod = !inside.isEmpty();
        }
        result.lines.push_back(line);
    }
    result.footnote = QStringLiteral(
        "Periodi maggiori: un'ora prima e dopo la luna in alto e in basso; minori: mezz'ora prima "
        "e dopo il sorgere e il tramonto della luna. Le fasce orarie delle prede durano tre ore: "
        "una preda conta nel periodo quando la sua fascia lo tocca; \"fuori\" conta le altre.");
    if (session.start.daysTo(last) + 1 > kMaxDays)
        result.footnote += QStringLiteral(" La sessione dura più di %1 giorni: sono mostrati i "
                                          "primi %1.")
                               .arg(kMaxDays);
    int beyond = 0;
    for (const auto& [date, list] : byDay)
        if (date < session.start || date > session.start.addDays(days - 1))
            beyond += int(list.size());
    if (unplaced + beyond > 0)
        result.footnote +=
            QStringLiteral(" Prede non segnate perché senza data, senza fascia oraria o fuori dai "
                           "giorni della sessione: %1.")
                .arg(unplaced + beyond);
    return result;
}

} // namespace SunMoonLines
