#include "platform/typeddate.h"

#include "platform/shortdate.h"

namespace fixtora {

namespace {

constexpr int kFirstWindowYear = 1930;

} // namespace

std::optional<QDate> ReadDate(const QString &text, const QString &format)
{
    const QString typed = text.trimmed();
    const bool shortYear = format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
    if (shortYear) {
        QString longYear = format;
        longYear.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        const QDate full = QDate::fromString(typed, longYear);
        if (full.isValid())
            return full;
    }
    QDate date = QDate::fromString(typed, format);
    if (!date.isValid())
        return std::nullopt;
    if (shortYear && date.year() < kFirstWindowYear)
        date = date.addYears(100);
    return date;
}

std::optional<QDate> ReadShortDate(const QString &text)
{
    return ReadDate(text, ShortDateFormat());
}

} // namespace fixtora
