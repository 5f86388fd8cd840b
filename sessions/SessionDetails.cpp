#include "sessions/SessionDetails.h"

#include <QStringList>

namespace {

QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

} // namespace

QString SessionDetails::deletionQuestion() const {
    QStringList parts;
    if (catches > 0)
        parts << counted(catches, "preda", "prede");
    if (groundbaitDays > 0)
        parts << counted(groundbaitDays, "giorno di pasturazione", "giorni di pasturazione");
    if (reportageEntries > 0)
        parts << counted(reportageEntries, "elemento di reportage", "elementi di reportage");
    if (parts.isEmpty())
        return {};
    const QString last = parts.takeLast();
    const QString list = parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + " e " + last;
    return QStringLiteral("La sessione ha %1: eliminandola si eliminano anche questi dati.\r\n"
                          "Continuare?")
        .arg(list);
}
