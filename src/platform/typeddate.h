#pragma once
// Reading a date the user typed in the system's short date format. A format
// with a two-digit year also takes the year typed in full; a two-digit year
// reads as 1930 to 2029, so a date the program wrote in that format reads back
// as the same date. Day, month and year typed as numbers between "/" in the
// format's own order are taken too, as the start date's message asks for them
// (dd/mm/yyyy or mm/dd/yyyy): also where the format writes the month's name
// ("d MMM yyyy" in the C locale) or another separator ("dd.MM.yy").

#include <QDate>
#include <QString>

#include <optional>

namespace fixtora {

// text (blanks around it ignored) as a date in format (QDate's notation) or
// as numbers in format's order ("d/M/yyyy" for "d MMM yyyy" or "dd.MM.yy",
// "M/d/yyyy" for "M/d/yy"); nothing when it is neither.
std::optional<QDate> ReadDate(const QString &text, const QString &format);

// ReadDate in the system's short date format.
std::optional<QDate> ReadShortDate(const QString &text);

} // namespace fixtora
