#pragma once
// The program's fixed pictures: the logo of the about box and the intro screen,
// and the intro screen's banner.

#include <QPixmap>

class QPainter;

namespace fixtora {

// A square logo: a trophy cup on a green disc.
QPixmap LogoPicture(int size);
// Draws the logo into the square of that size at the painter's origin (the
// program's icon is drawn from it too).
void PaintLogo(QPainter &painter, double size);

// A strip of pitch-green with white field lines, for the intro screen's side.
QPixmap BannerPicture(int width, int height);

} // namespace fixtora
