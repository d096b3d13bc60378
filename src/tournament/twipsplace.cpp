#include "tournament/twipsplace.h"

#include "ui/twips.h"

#include <QWidget>

namespace fixtora {

QRect TwipsToPixels(const QRect &twips)
{
    return QRect(TwipsToPixelsX(twips.x()), TwipsToPixelsY(twips.y()), TwipsToPixelsX(twips.width()),
                 TwipsToPixelsY(twips.height()));
}

void PlaceInTwips(QWidget *widget, const QRect &twips)
{
    widget->setGeometry(TwipsToPixels(twips));
}

} // namespace fixtora
