#include "platform/shortdate.h"

#include <QLocale>

namespace fixtora {

QString ShortDateFormat()
{
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

QString ShortDate(const QDate &date)
{
    return date.toString(ShortDateFormat());
}

} // namespace fixtora
