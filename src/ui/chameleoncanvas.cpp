#include "ui/chameleoncanvas.h"

#include "ui/chameleoncolors.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace fixtora {

namespace {

QRgb ToQRgb(qint32 colour)
{
    return qRgb(colour & 255, (colour >> 8) & 255, (colour >> 16) & 255);
}

qint32 FromQRgb(QRgb pixel)
{
    return Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace

void ButtonCanvas::Fill(int x, int y, int w, int h, qint32 colour)
{
    const QRect area = QRect(x, y, w, h).intersected(m_image.rect());
    const QRgb pixel = ToQRgb(colour);
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::fill(line + area.left(), line + area.right() + 1, pixel);
    }
}

void ButtonCanvas::Frame(int x, int y, int w, int h, qint32 colour)
{
    if (w <= 0 || h <= 0)
        return;
    Fill(x, y, w, 1, colour);
    Fill(x, y + h - 1, w, 1, colour);
    Fill(x, y, 1, h, colour);
    Fill(x + w - 1, y, 1, h, colour);
}

void ButtonCanvas::Pixel(int x, int y, qint32 colour)
{
    if (m_image.rect().contains(x, y))
        m_image.setPixel(x, y, ToQRgb(colour));
}

void ButtonCanvas::Line(int x1, int y1, int x2, int y2, qint32 colour)
{
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1, y = y1;
    while (x != x2 || y != y2) {
        Pixel(x, y, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void ButtonCanvas::LineTo(int x, int y, qint32 colour)
{
    Line(m_pen.x(), m_pen.y(), x, y, colour);
    MoveTo(x, y);
}

void ButtonCanvas::Bevel(qint32 c1, qint32 c2, qint32 c3, qint32 c4, int inset, bool single)
{
    const int a = std::abs(inset), r = width() - 1 + inset, b = height() - 1 + inset;
    MoveTo(a, b);
    LineTo(a, a, c1);
    LineTo(r, a, c1);
    LineTo(r, b, c2);
    LineTo(a - 1, b, c2);
    if (single)
        return;
    MoveTo(a + 1, b - 1);
    LineTo(a + 1, a + 1, c3);
    LineTo(r - 1, a + 1, c3);
    LineTo(r - 1, b - 1, c4);
    LineTo(a, b - 1, c4);
}

void ButtonCanvas::Oval(qint32 pen, qint32 fill)
{
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ToQColor(pen), 2));
    painter.setBrush(ToQColor(fill));
    painter.drawEllipse(QRect(1, 1, width() - 2, height() - 2));
}

void ButtonCanvas::FocusRect(const EdgeRect &rect)
{
    auto invert = [this](int x, int y) {
        if ((x + y) % 2 == 0 && m_image.rect().contains(x, y))
            m_image.setPixel(x, y, m_image.pixel(x, y) ^ 0x00FFFFFF);
    };
    for (int x = rect.left; x < rect.right; ++x) {
        invert(x, rect.top);
        if (rect.bottom - 1 > rect.top)
            invert(x, rect.bottom - 1);
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        invert(rect.left, y);
        if (rect.right - 1 > rect.left)
            invert(rect.right - 1, y);
    }
}

void ButtonCanvas::Text(const EdgeRect &rect, int flags, const QString &text, qint32 colour,
                        const QFont &font)
{
    if (text.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setFont(font);
    painter.setPen(ToQColor(colour));
    painter.drawText(rect.toQRect(), flags, text);
}

void ButtonCanvas::Copy(const QImage &source)
{
    QPainter painter(&m_image);
    painter.drawImage(0, 0, source);
}

QImage PictureBits(const QImage &picture, qint32 transparentColour)
{
    QImage bits(picture.size(), QImage::Format_RGB32);
    bits.fill(ToQColor(transparentColour));
    QPainter painter(&bits);
    painter.drawImage(0, 0, picture);
    return bits;
}

void TransBlt(QImage &dest, int x, int y, const QImage &bits, qint32 transparentColour,
              qint32 brushColour, bool darkOnly, bool greyscale, bool blend)
{
    const QRect area = QRect(x, y, bits.width(), bits.height()).intersected(dest.rect());
    const QRgb brush = ToQRgb(brushColour > 0 ? brushColour : 0);
    for (int row = area.top(); row <= area.bottom(); ++row) {
        const auto *source = reinterpret_cast<const QRgb *>(bits.constScanLine(row - y));
        auto *target = reinterpret_cast<QRgb *>(dest.scanLine(row));
        for (int column = area.left(); column <= area.right(); ++column) {
            const QRgb p = source[column - x];
            QRgb &b = target[column];
            if (FromQRgb(p) == transparentColour)
                continue;
            if (brushColour >= 0) {
                if (!(darkOnly && qRed(p) + qGreen(p) + qBlue(p) > 384))
                    b = brush;
            } else if (greyscale) {
                const int g = Greyscale(FromQRgb(p));
                b = qRgb(g, g, g);
            } else if (blend) {
                b = qRgb((2 * qRed(p) + qRed(b)) / 3, (2 * qGreen(p) + qGreen(b)) / 3,
                         (2 * qBlue(p) + qBlue(b)) / 3);
            } else {
                b = p;
            }
        }
    }
}

} // namespace fixtora
