#include "ui/chameleoncaption.h"

#include <QFontMetrics>

namespace fixtora {

namespace {

int LaidOutPosition(int picturePosition)
{
    return picturePosition >= 0 && picturePosition <= 4 ? picturePosition : 0;
}

} // namespace

QChar AccessKeyOf(const QString &caption)
{
    if (caption.size() < 2)
        return {};
    qsizetype p = caption.indexOf(u'&');
    if (p < 0 || p + 1 >= caption.size())
        return {};
    if (caption.at(p + 1) != u'&')
        return caption.at(p + 1).toLower();
    p = caption.indexOf(u'&', p + 2);
    if (p < 0 || p + 1 >= caption.size() || caption.at(p + 1) == u'&')
        return {};
    return caption.at(p + 1).toLower();
}

void CalcTextRects(CaptionLayout &layout, const QString &caption, const QFont &font,
                   int width, int height, int picturePosition)
{
    const int w = width, h = height, pw = layout.PicWidth, ph = layout.PicHeight;
    const int position = LaidOutPosition(picturePosition);
    EdgeRect available;
    switch (position) {
    case 0: available = {pw + 1, 1, w - 2, h - 2}; break;
    case 1: available = {1, 1, w - 2 - pw, h - 2}; break;
    case 2: available = {1, ph + 1, w - 2, h - 2}; break;
    case 3: available = {1, 1, w - 2, h - 2 - ph}; break;
    default: available = {1, 1, w - 2, h - 2}; break;
    }

    const QRect measured = QFontMetrics(font).boundingRect(
        QRect(available.left, available.top, qMax(available.width(), 0), qMax(available.height(), 0)),
        CaptionTextFlags | Qt::AlignLeft | Qt::AlignTop, caption);
    EdgeRect rect{available.left, available.top, available.left + measured.width(),
                  available.top + measured.height()};
    layout.CaptionWidth = rect.width();
    layout.CaptionHeight = rect.height();

    int dx = (w - rect.right) / 2, dy = (h - rect.bottom) / 2;
    if (position == 1)
        dx = (w - rect.right - pw - 4) / 2;
    else if (position == 3)
        dy = (h - rect.bottom - ph - 4) / 2;
    layout.CaptionRect = rect.moved(dx, dy);
    layout.CaptionDownRect = layout.CaptionRect.moved(1, 1);
    CalcPicPosition(layout, caption, width, height, picturePosition);
}

void CalcPicPosition(CaptionLayout &layout, const QString &caption, int width, int height,
                     int picturePosition)
{
    const int w = width, h = height, pw = layout.PicWidth, ph = layout.PicHeight;
    const int position = LaidOutPosition(picturePosition);
    const EdgeRect &text = layout.CaptionRect;
    if (caption.trimmed().isEmpty() || position == 4) {
        layout.PicLeft = (w - pw) / 2;
        layout.PicTop = (h - ph) / 2;
        return;
    }
    switch (position) {
    case 0: layout.PicLeft = text.left - pw - 4; layout.PicTop = (h - ph) / 2; break;
    case 1: layout.PicLeft = text.right + 4; layout.PicTop = (h - ph) / 2; break;
    case 2: layout.PicLeft = (w - pw) / 2; layout.PicTop = text.top - ph - 2; break;
    default: layout.PicLeft = (w - pw) / 2; layout.PicTop = text.bottom + 2; break;
    }
}

} // namespace fixtora
