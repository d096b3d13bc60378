#pragma once
// Twips (1440 per inch) and screen pixels, converted with the logical DPI of
// the primary screen: 15 twips per pixel at 96 DPI.

#include <QRect>

class QWidget;

namespace fixtora {

double TwipsPerPixelX();
double TwipsPerPixelY();

// Conversions round to the nearest whole unit.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

// A place in twips (left, top, width, height, each converted on its own) as
// pixels.
QRect TwipsToPixels(const QRect &twips);

// Puts widget at its place (twips) inside its parent.
void PlaceInTwips(QWidget *widget, const QRect &twips);

// Gives window the fixed size of twips (width, height).
void SetFixedSizeInTwips(QWidget *window, const QSize &twips);

} // namespace fixtora
