#pragma once
// Colour arithmetic and the palette of chameleonButton. A colour value is
// red + green * 256 + blue * 65536; a value with the high bit set is a system
// colour whose low byte is the index of a system colour.

#include <QPalette>

#include <initializer_list>
#include <QtGlobal>

namespace fixtora {

constexpr qint32 SystemColour(int index)
{
    return qint32(0x80000000u | quint32(index));
}

constexpr qint32 Rgb(int red, int green, int blue)
{
    return red + green * 256 + blue * 65536;
}

// n added to each channel, clamped in the direction of the shift; with a soft
// bevel the shift is halved first. With scaleBlue the blue change is scaled by
// the blue value (blue + blue * n / 192).
qint32 ShiftColor(qint32 colour, int delta, bool scaleBlue, bool softBevel);

// Mixes a colour toward white: each channel c becomes (255 - amount) * c / 255 + amount.
qint32 BlendColors(qint32 colour, int amount);

// The RGB value of a colour value: system colours come from the palette.
qint32 TranslateColor(qint32 value, const QPalette &system);

// depth * row / height to the nearest whole number, halves to even: how far
// row of a gradient is darkened.
int GradientStep(int depth, int row, int height);

// The grey of a pixel as the greyscale pictures draw it.
int Greyscale(qint32 colour);

QColor ToQColor(qint32 rgb);
qint32 FromQColor(const QColor &colour);

// How far apart two colours read, from 1 (the same) to 21 (black and
// white), by their relative luminance as the web's accessibility
// guidelines measure it: body text wants 4.5, large or disabled text 3.
double ContrastRatio(const QColor &a, const QColor &b);

// preferred where it reads on background (4.5:1): the program's own colours
// on the default palette; else black or white, whichever reads better, so
// that a dark desktop theme keeps the text readable.
QColor ReadableOn(const QColor &preferred, const QColor &background);

// The same for a mark drawn on several faces (a button up and pressed):
// preferred where it reads at minimum on every colour of backgrounds; else
// black or white, whichever reads better on the face it reads worst on.
QColor ReadableOn(const QColor &preferred, std::initializer_list<QColor> backgrounds, double minimum);

// text mixed toward background as far as it still reads at minimum against
// every colour of backgrounds: the greyed caption of a disabled button.
QColor DimmedText(const QColor &text, std::initializer_list<QColor> backgrounds, double minimum);

// The greyed caption a disabled look asks for (wanted) where it reads at
// minimum on every colour of backgrounds; else text dimmed as DimmedText does.
QColor GreyedCaption(const QColor &wanted, const QColor &text, std::initializer_list<QColor> backgrounds,
                     double minimum);

struct ButtonPalette
{
    qint32 FaceColor = 0;
    qint32 FaceOverColor = 0;
    qint32 LightColor = 0;
    qint32 HighlightColor = 0;
    qint32 ShadowColor = 0;
    qint32 DarkShadowColor = 0;
    qint32 TextColor = 0;
    qint32 TextOverColor = 0;
    qint32 AccentColor = 0;
    qint32 AccentLightColor = 0;
    qint32 TransparentColor = 0;
    qint32 GradientColor = 0;
};

struct PaletteSource
{
    qint32 ColorScheme = 1;
    qint32 ButtonType = 2;
    bool SoftBevel = false;
    qint32 BackColor = 0;
    qint32 BackOver = 0;
    qint32 ForeColor = 0;
    qint32 ForeOver = 0;
    qint32 MaskColor = 0;
    QPalette system;    // the button's own palette: the system colours
    QPalette container; // the container's palette: face and text of scheme 4
};

ButtonPalette SetColors(const PaletteSource &source);

} // namespace fixtora
