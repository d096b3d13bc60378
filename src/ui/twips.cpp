#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtMath>

namespace fixtora {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

double ScreenDpi(Qt::Orientation orientation)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return kFallbackDpi;
    const double dpi = orientation == Qt::Horizontal ? screen->logicalDotsPerInchX()
                                                     : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : kFallbackDpi;
}

} // namespace

double TwipsPerPixelX() { return kTwipsPerInch / ScreenDpi(Qt::Horizontal); }
double TwipsPerPixelY() { return kTwipsPerInch / ScreenDpi(Qt::Vertical); }

int TwipsToPixelsX(int twips) { return qRound(twips / TwipsPerPixelX()); }
int TwipsToPixelsY(int twips) { return qRound(twips / TwipsPerPixelY()); }
int PixelsToTwipsX(int pixels) { return qRound(pixels * TwipsPerPixelX()); }
int PixelsToTwipsY(int pixels) { return qRound(pixels * TwipsPerPixelY()); }

QRect TwipsToPixels(const QRect &twips)
{
    return QRect(TwipsToPixelsX(twips.x()), TwipsToPixelsY(twips.y()), TwipsToPixelsX(twips.width()),
                 TwipsToPixelsY(twips.height()));
}

void PlaceInTwips(QWidget *widget, const QRect &twips)
{
    widget->setGeometry(TwipsToPixels(twips));
}

void SetFixedSizeInTwips(QWidget *window, const QSize &twips)
{
    window->setFixedSize(TwipsToPixelsX(twips.width()), TwipsToPixelsY(twips.height()));
}

} // namespace fixtora
