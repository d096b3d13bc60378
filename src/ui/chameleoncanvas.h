#pragma once
// The drawing surface of chameleonButton's faces: an image drawn pixel by
// pixel the way the button's looks are defined. Rectangles exclude their right
// and bottom edge, lines their end point; nothing is antialiased.

#include "ui/chameleonshape.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

namespace fixtora {

class ButtonCanvas
{
public:
    explicit ButtonCanvas(QImage &image) : m_image(image) {}

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    void Fill(int x, int y, int w, int h, qint32 colour);
    void Frame(int x, int y, int w, int h, qint32 colour);
    void Line(int x1, int y1, int x2, int y2, qint32 colour);
    void Pixel(int x, int y, qint32 colour);
    // Outer ring: left and top in c1, right and bottom in c2; one pixel
    // inside it, unless single, the inner ring in c3 and c4. Inset 0 puts the
    // outer ring on the edge, -1 one pixel inside.
    void Bevel(qint32 c1, qint32 c2, qint32 c3, qint32 c4, int inset, bool single = false);
    // The ellipse of the whole area with a 2-pixel outline.
    void Oval(qint32 pen, qint32 fill);
    // The dotted focus rectangle, drawn by inverting every other pixel.
    void FocusRect(const EdgeRect &rect);
    void Text(const EdgeRect &rect, int flags, const QString &text, qint32 colour, const QFont &font);
    void Copy(const QImage &source);

    QImage &image() { return m_image; }

private:
    void MoveTo(int x, int y) { m_pen = {x, y}; }
    void LineTo(int x, int y, qint32 colour);

    QImage &m_image;
    QPoint m_pen;
};

// A picture as pixels on the transparent colour: pixels the picture leaves
// see-through (an icon's) take the transparent colour.
QImage PictureBits(const QImage &picture, qint32 transparentColour);

// Draws a picture (as PictureBits gives it) at its own size at x, y, clipped
// to the image. Pixels of the transparent colour (-1: none) are skipped. A
// brush colour of 0 or more paints a silhouette in it (with darkOnly, only
// pixels whose channel sum is at most 384); otherwise the pixel is drawn in
// grey, blended two to one with the background, or as it is.
void TransBlt(QImage &dest, int x, int y, const QImage &bits, qint32 transparentColour,
              qint32 brushColour, bool darkOnly, bool greyscale, bool blend);

} // namespace fixtora
