#pragma once
// Reading a date the user typed in the system's short date format. A format
// with a two-digit year also takes the year typed in full; a two-digit year
// reads as 1930 to 2029, so a date the program wrote in that format reads back
// as the same date.

#include <QDate>
#include <QString>

#include <optional>

namespace fixtora {

// text (blanks around it ignored) as a date in format (QDate's notation);
// nothing when it is not a date in that format.
std::optional<QDate> ReadDate(const QString &text, const QString &format);

// ReadDate in the system's short date format.
std::optional<QDate> ReadShortDate(const QString &text);

} // namespace fixtora
