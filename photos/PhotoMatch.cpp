#include "photos/PhotoMatch.h"

#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace PhotoMatch {

std::optional<Minutes> bandMinutes(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})[:.](\\d{2})\\s*-\\s*(\\d{1,2})[:.](\\d{2})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const auto minutes = [&m](int at) -> std::optional<int> {
        const int hours = m.captured(at).toInt(), mins = m.captured(at + 1).toInt();
        if (mins > 59 || hours > 24 || (hours == 24 && mins > 0))
            return std::nullopt;
        return hours * 60 + mins;
    };
    const auto start = minutes(1), end = minutes(3);
    if (!start || !end || *start == *end || *start == 24 * 60)
        return std::nullopt;
    return Minutes{*start, *end < *start ? *end + 24 * 60 : *end};
}

qint64 bandHolding(const QList<std::pair<qint64, QString>>& bands, const QTime& time) {
    if (!time.isValid())
        return 0;
    const int minute = time.hour() * 60 + time.minute();
    for (const auto& [id, text] : bands)
        if (const auto band = bandMinutes(text))
            for (const int m : {minute, minute + 24 * 60})
                if (band->start <= m && m < band->end)
                    return id;
    return 0;
}

QList<Proposal> propose(const Session& session, const QList<Catch>& catches,
                        const QList<Photo>& photos, int correctionMinutes,
                        const QSet<QString>& storedPaths) {
    const QDate first = session.first;
    const QDate last = session.last.isValid() && session.last >= first ? session.last : first;
    QList<Proposal> proposals(photos.size());
    for (qsizetype i = 0; i < photos.size(); ++i) {
        Proposal& p = proposals[i];
        p.shifted = photos[i].taken.isValid()
                        ? photos[i].taken.addSecs(qint64(correctionMinutes) * 60)
                        : QDateTime();
        const QDate day = p.shifted.date();
        p.outside = !first.isValid() || !day.isValid() || day < first || day > last;
        p.alreadyStored = storedPaths.contains(photos[i].path);
    }
    // Each catch's band as an interval of wall-clock time; a catch without one is never
    // proposed by time.
    struct Slot {
        qint64 id;
        QDateTime start, end;
        bool taken;
    };
    QList<Slot> bandSlots;
    for (const Catch& c : catches) {
        const auto band = bandMinutes(c.band);
        if (!c.date.isValid() || !band)
            continue;
        const QDateTime midnight(c.date, QTime(0, 0), Qt::UTC);
        bandSlots.push_back({c.id, midnight.addSecs(band->start * 60LL),
                             midnight.addSecs(band->end * 60LL), c.hasPhoto});
    }
    // First come, first served: in the order the photos were taken.
    QList<qsizetype> order(photos.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&proposals](qsizetype a, qsizetype b) {
        return proposals[a].shifted < proposals[b].shifted;
    });
    for (const qsizetype i : order) {
        Proposal& p = proposals[i];
        if (p.outside || p.alreadyStored)
            continue;
        const auto slot = std::find_if(bandSlots.begin(), bandSlots.end(), [&p](const Slot& s) {
            return !s.taken && s.start <= p.shifted && p.shifted < s.end;
        });
        if (slot == bandSlots.end()) {
            p.use = {Use::Reportage, 0};
            continue;
        }
        slot->taken = true;
        p.use = {Use::Catch, slot->id};
    }
    return proposals;
}

} // namespace PhotoMatch
