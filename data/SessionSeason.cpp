#include "data/SessionSeason.h"

namespace SessionSeason {

int forDayMonth(int day, int month) {
    //                          month: 1  2  3  4  5  6  7  8  9  10 11 12
    static const int early[12] = {4, 4, 4, 1, 1, 1, 2, 2, 2, 3, 3, 3};
    static const int late[12] = {4, 4, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4};
    if (month < 1 || month > 12)
        return 0;
    return day >= 21 ? late[month - 1] : early[month - 1];
}

Result fromStartDateText(const QString& text) {
    bool dayOk = false, monthOk = false;
    const int day = text.mid(0, 2).toInt(&dayOk);
    const int month = text.mid(3, 2).toInt(&monthOk);
    if (!dayOk || !monthOk)
        return {Reading::Unreadable, 0};
    const int season = forDayMonth(day, month);
    return season == 0 ? Result{Reading::MonthOutOfRange, 0} : Result{Reading::Season, season};
}

} // namespace SessionSeason
