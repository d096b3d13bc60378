#include "platform/typeddate.h"

#include "platform/shortdate.h"

#include <algorithm>
#include <array>

namespace fixtora {

namespace {

constexpr int kFirstWindowYear = 1930;

std::optional<QDate> readInFormat(const QString &typed, const QString &format)
{
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

// Day, month and year of format as numbers between "/", in format's order.
QString numericFormat(const QString &format)
{
    std::array<std::pair<qsizetype, QString>, 3> fields{{{format.indexOf(QLatin1Char('d')), QStringLiteral("d")},
                                                         {format.indexOf(QLatin1Char('M')), QStringLiteral("M")},
                                                         {format.indexOf(QLatin1Char('y')), QStringLiteral("yyyy")}}};
    if (std::ranges::any_of(fields, [](const auto &field) { return field.first < 0; }))
        return {};
    std::ranges::sort(fields);
    return fields[0].second + QLatin1Char('/') + fields[1].second + QLatin1Char('/') + fields[2].second;
}

} // namespace

std::optional<QDate> ReadDate(const QString &text, const QString &format)
{
    const QString typed = text.trimmed();
    if (const std::optional<QDate> date = readInFormat(typed, format))
        return date;
    const QString numeric = numericFormat(format);
    return numeric.isEmpty() ? std::nullopt : readInFormat(typed, numeric);
}

std::optional<QDate> ReadShortDate(const QString &text)
{
    return ReadDate(text, ShortDateFormat());
}

} // namespace fixtora
