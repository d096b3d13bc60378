#pragma once
// The program's fixed pictures: the logo of the about box and the intro screen,
// and the intro screen's banner.

#include <QPixmap>

namespace fixtora {

// A square logo: a trophy cup on a green disc.
QPixmap LogoPicture(int size);

// A strip of pitch-green with white field lines, for the intro screen's side.
QPixmap BannerPicture(int width, int height);

} // namespace fixtora
