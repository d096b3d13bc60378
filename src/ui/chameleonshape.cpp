#include "ui/chameleonshape.h"

#include <initializer_list>
#include <utility>

namespace fixtora {

QRegion BuildRegion(int buttonType, int width, int height)
{
    if (buttonType == 13)
        return QRegion(0, 0, width, height, QRegion::Ellipse);
    QRegion region(0, 0, width, height);
    const int w = width, h = height;
    auto cut = [&region](std::initializer_list<std::pair<int, int>> pixels) {
        for (const auto &[x, y] : pixels)
            region -= QRegion(x, y, 1, 1);
    };
    switch (buttonType) {
    case 1:
    case 14:
        cut({{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}});
        break;
    case 5:
        cut({{0, h - 1}, {w - 1, 0}});
        break;
    case 3:
    case 4:
        cut({{0, 0}, {1, 0}, {0, 1}, {w - 2, 0}, {w - 1, 0}, {w - 1, 1},
             {0, h - 1}, {1, h - 1}, {0, h - 2}, {w - 2, h - 1}, {w - 1, h - 1}, {w - 1, h - 2}});
        break;
    default:
        break;
    }
    return region;
}

EdgeRect InnerRect(int buttonType, int width, int height)
{
    const EdgeRect client{0, 0, width, height};
    auto shrink = [&client](int by) {
        return EdgeRect{client.left + by, client.top + by, client.right - by, client.bottom - by};
    };
    if (buttonType == 14)
        return shrink(5).moved(1, 1);
    if (buttonType >= 7 && buttonType <= 13)
        return shrink(3);
    return shrink(4);
}

} // namespace fixtora
