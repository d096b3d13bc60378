#pragma once
// Where chameleonButton puts its caption and its picture, and which key is
// the caption's access key.

#include "ui/chameleonshape.h"

#include <QChar>
#include <QFont>
#include <QString>

namespace fixtora {

struct CaptionLayout
{
    EdgeRect CaptionRect;     // the caption up or hovered
    EdgeRect CaptionDownRect; // the caption pressed: one pixel right and down
    int CaptionWidth = 0;
    int CaptionHeight = 0;
    int PicLeft = 0;
    int PicTop = 0;
    int PicWidth = 0;  // size of the normal picture; 0 without one
    int PicHeight = 0;
};

// The access key of a caption in lower case, or a null character. Only the
// first "&" and, when that one is doubled ("&&" is a literal ampersand), the
// next one after the pair are looked at.
QChar AccessKeyOf(const QString &caption);

// The text flags every caption is measured and drawn with: wrapped at word
// boundaries, "&" marking the underlined access key, never clipped to its
// rectangle (the bold caption of the default button is wider than measured).
constexpr int CaptionTextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::TextDontClip;

// Lays the caption out beside the picture (PicWidth and PicHeight of layout
// are its input) for a client area of width x height. Positions 0 to 4 put
// the picture left, right, above, below or behind the caption; any other
// position is laid out as 0.
void CalcTextRects(CaptionLayout &layout, const QString &caption, const QFont &font,
                   int width, int height, int picturePosition);

// Places the picture beside the laid-out caption, or centres it when the
// caption is blank or the picture is behind it.
void CalcPicPosition(CaptionLayout &layout, const QString &caption, int width, int height,
                     int picturePosition);

} // namespace fixtora
