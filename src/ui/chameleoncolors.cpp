#include "ui/chameleoncolors.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <ranges>

namespace fixtora {

namespace {

int red(qint32 c) { return c & 255; }
int green(qint32 c) { return (c >> 8) & 255; }
int blue(qint32 c) { return (c >> 16) & 255; }

// The system colour indexes the button can meet, and the palette role that
// holds each of them here.
QPalette::ColorRole SystemRole(int index)
{
    switch (index) {
    case 5: return QPalette::Base;               // window
    case 8: return QPalette::Text;               // window text
    case 7: return QPalette::WindowText;         // menu text
    case 9: return QPalette::HighlightedText;    // caption text
    case 13: return QPalette::Highlight;         // selection
    case 14: return QPalette::HighlightedText;   // selected text
    case 15: return QPalette::Button;            // button face
    case 16: return QPalette::Dark;              // button shadow
    case 18: return QPalette::ButtonText;        // button text
    case 20: return QPalette::Light;             // button highlight
    case 21: return QPalette::Shadow;            // 3-D dark shadow
    case 22: return QPalette::Midlight;          // 3-D light
    case 23: return QPalette::ToolTipText;       // info text
    case 24: return QPalette::ToolTipBase;       // info background
    default: return QPalette::Window;
    }
}

} // namespace

qint32 ShiftColor(qint32 colour, int delta, bool scaleBlue, bool softBevel)
{
    if (softBevel)
        delta /= 2;
    int r = red(colour) + delta;
    int g = green(colour) + delta;
    int b = blue(colour);
    b += scaleBlue ? b * delta / 192 : delta;
    auto clamp = [delta](int c) { return delta > 0 ? std::min(c, 255) : delta < 0 ? std::max(c, 0) : c; };
    return Rgb(clamp(r), clamp(g), clamp(b));
}

qint32 BlendColors(qint32 colour, int amount)
{
    auto mix = [amount](int c) { return std::min((255 - amount) * c / 255 + amount, 255); };
    return Rgb(mix(red(colour)), mix(green(colour)), mix(blue(colour)));
}

qint32 TranslateColor(qint32 value, const QPalette &system)
{
    if (value < 0)
        return FromQColor(system.color(QPalette::Active, SystemRole(value & 255)));
    return value & 0xFFFFFF;
}

int GradientStep(int depth, int row, int height)
{
    if (height <= 0)
        return 0;
    const int numerator = depth * row;
    const int quotient = numerator / height, twiceRemainder = 2 * (numerator % height);
    if (twiceRemainder > height || (twiceRemainder == height && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

int Greyscale(qint32 colour)
{
    const double g = double(RoundHalfEven(red(colour) * 0.3)) + green(colour) * 0.59 + blue(colour) * 0.11;
    return int(std::min<long long>(RoundHalfEven(g), 255));
}

QColor ToQColor(qint32 rgb)
{
    return QColor(red(rgb), green(rgb), blue(rgb));
}

qint32 FromQColor(const QColor &colour)
{
    return Rgb(colour.red(), colour.green(), colour.blue());
}

namespace {

double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

constexpr double kReadable = 4.5;

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

QColor ReadableOn(const QColor &preferred, const QColor &background)
{
    return ReadableOn(preferred, {background}, kReadable);
}

QColor ReadableOn(const QColor &preferred, std::initializer_list<QColor> backgrounds, double minimum)
{
    const auto worst = [&](const QColor &colour) {
        return std::ranges::min(backgrounds | std::views::transform([&](const QColor &back) {
                                    return ContrastRatio(colour, back);
                                }));
    };
    if (worst(preferred) >= minimum)
        return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return worst(black) >= worst(white) ? black : white;
}

QColor DimmedText(const QColor &text, std::initializer_list<QColor> backgrounds, double minimum)
{
    const auto readsOnAll = [&](const QColor &colour) {
        return std::ranges::all_of(backgrounds,
                                   [&](const QColor &back) { return ContrastRatio(colour, back) >= minimum; });
    };
    const QColor back = *backgrounds.begin();
    // Half way toward the background at most, then back toward the text.
    for (int part = 50; part > 0; part -= 5) {
        const QColor mixed = QColor::fromRgbF(text.redF() + (back.redF() - text.redF()) * part / 100,
                                              text.greenF() + (back.greenF() - text.greenF()) * part / 100,
                                              text.blueF() + (back.blueF() - text.blueF()) * part / 100);
        if (readsOnAll(mixed))
            return mixed;
    }
    return text;
}

QColor GreyedCaption(const QColor &wanted, const QColor &text, std::initializer_list<QColor> backgrounds,
                     double minimum)
{
    const bool reads = std::ranges::all_of(
        backgrounds, [&](const QColor &back) { return ContrastRatio(wanted, back) >= minimum; });
    return reads ? wanted : DimmedText(text, backgrounds, minimum);
}

ButtonPalette SetColors(const PaletteSource &s)
{
    ButtonPalette p;
    auto shift = [&s](qint32 c, int delta) { return ShiftColor(c, delta, false, s.SoftBevel); };
    auto system = [&s](int index) { return TranslateColor(SystemColour(index), s.system); };
    auto derive = [&](void) {
        p.ShadowColor = shift(p.FaceColor, -64);
        p.LightColor = shift(p.FaceColor, 31);
        p.HighlightColor = shift(p.FaceColor, 47);
        p.DarkShadowColor = shift(p.FaceColor, -192);
    };
    switch (s.ColorScheme) {
    case 2:
        p.FaceColor = TranslateColor(s.BackColor, s.system);
        p.FaceOverColor = TranslateColor(s.BackOver, s.system);
        p.TextColor = TranslateColor(s.ForeColor, s.system);
        p.TextOverColor = TranslateColor(s.ForeOver, s.system);
        derive();
        p.AccentColor = shift(p.FaceColor, -128);
        p.AccentLightColor = p.FaceColor;
        break;
    case 3:
        p.FaceColor = p.FaceOverColor = 0xC0C0C0;
        p.TextColor = p.TextOverColor = 0;
        p.ShadowColor = 0x808080;
        p.LightColor = 0xDFDFDF;
        p.HighlightColor = 0xFFFFFF;
        p.DarkShadowColor = 0;
        p.AccentColor = 0x800000;
        p.AccentLightColor = 0xD1ADAD;
        break;
    case 4:
        p.FaceColor = p.FaceOverColor = FromQColor(s.container.color(QPalette::Window));
        p.TextColor = p.TextOverColor = FromQColor(s.container.color(QPalette::WindowText));
        derive();
        p.AccentColor = system(13);
        p.AccentLightColor = BlendColors(p.AccentColor, 176);
        break;
    default:
        p.FaceColor = p.FaceOverColor = system(15);
        p.TextColor = p.TextOverColor = system(18);
        p.ShadowColor = system(16);
        p.LightColor = system(22);
        p.HighlightColor = system(20);
        p.DarkShadowColor = system(21);
        p.AccentColor = system(13);
        p.AccentLightColor = BlendColors(p.AccentColor, 176);
        break;
    }
    p.TransparentColor = TranslateColor(s.MaskColor, s.system);
    p.GradientColor = ShiftColor(p.FaceColor, 48, s.ButtonType == 3, s.SoftBevel);
    return p;
}

} // namespace fixtora
