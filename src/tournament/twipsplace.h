#pragma once
// The tournament windows place their controls where the program always had
// them, in twips; each window keeps its table of places and converts it here.

#include <QRect>

class QWidget;

namespace fixtora {

// A place in twips, as device-independent pixels of the screen.
QRect TwipsToPixels(const QRect &twips);

// Puts widget at its place (twips) inside its parent.
void PlaceInTwips(QWidget *widget, const QRect &twips);

} // namespace fixtora
