#pragma once
// The shape of chameleonButton's window and the area left inside its border.

#include <QRect>
#include <QRegion>

namespace fixtora {

// A rectangle by its edges; right and bottom lie just outside it.
struct EdgeRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    EdgeRect moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    QRect toQRect() const { return QRect(left, top, width(), height()); }
    bool operator==(const EdgeRect &) const = default;
};

// The window shape of a button type: corner pixels cut, or the inscribed ellipse.
QRegion BuildRegion(int buttonType, int width, int height);

// The caption and focus area: the client area shrunk by the border of the type.
EdgeRect InnerRect(int buttonType, int width, int height);

} // namespace fixtora
