#include "model/rounddates.h"

#include "model/league.h"

#include <algorithm>

namespace fixtora {

QDate AddInterval(const QDate &date, const QString &unit, int count)
{
    if (unit == QLatin1String("d"))
        return date.addDays(count);
    if (unit == QLatin1String("ww"))
        return date.addDays(7 * qint64(count));
    if (unit == QLatin1String("m"))
        return date.addMonths(count);
    return date;
}

QDate DateRounds(int lastRound)
{
    QDate d = gStartDate;
    for (int r = 1; r <= std::min(lastRound, kMaxRounds); ++r) {
        gWeekDates[r] = d;
        d = AddInterval(d, gFreqUnit, gFreqCount);
    }
    return AddInterval(d, gFreqUnit, -gFreqCount);
}

} // namespace fixtora
