#pragma once
// Dates as the user's system writes them in short form (the fixtures pages,
// the date pickers, the HTML exports).

#include <QDate>
#include <QString>

namespace fixtora {

// The system's short date format, in QDate's format notation ("dd/MM/yyyy").
QString ShortDateFormat();
// date in that format.
QString ShortDate(const QDate &date);

} // namespace fixtora
