#include "ui/chameleoncolors.h"

#include <gtest/gtest.h>

using namespace fixtora;

namespace {

PaletteSource SchemeTwo(qint32 back, bool soft = false)
{
    PaletteSource s;
    s.ColorScheme = 2;
    s.BackColor = s.BackOver = back;
    s.ForeColor = s.ForeOver = 0;
    s.MaskColor = 0xC0C0C0;
    s.SoftBevel = soft;
    return s;
}

QPalette ClassicPalette()
{
    QPalette p;
    p.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    p.setColor(QPalette::ButtonText, QColor(0x11, 0x22, 0x33));
    p.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
    p.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    p.setColor(QPalette::Highlight, QColor(0, 0, 0x80));
    return p;
}

} // namespace

TEST(ShiftColor, AddsToEachChannelAndClampsInTheDirectionOfTheShift)
{
    EXPECT_EQ(ShiftColor(0xC0C0C0, -64, false, false), 0x808080);
    EXPECT_EQ(ShiftColor(0xC0C0C0, 47, false, false), 0xEFEFEF);
    EXPECT_EQ(ShiftColor(0xC0C0C0, -192, false, false), 0);
    EXPECT_EQ(ShiftColor(Rgb(250, 10, 128), 10, false, false), Rgb(255, 20, 138));
    EXPECT_EQ(ShiftColor(Rgb(250, 10, 128), -20, false, false), Rgb(230, 0, 108));
    EXPECT_EQ(ShiftColor(Rgb(1, 2, 3), 0, false, false), Rgb(1, 2, 3));
}

TEST(ShiftColor, ScaleBlueScalesTheBlueChangeByTheBlueValue)
{
    EXPECT_EQ(ShiftColor(0xE0D8C0, 48, true, false), 0xFFFFF0);
    // blue 96: 96 * -32 / 192 = -16
    EXPECT_EQ(ShiftColor(Rgb(100, 100, 96), -32, true, false), Rgb(68, 68, 80));
}

TEST(ShiftColor, SoftBevelHalvesTheShiftTruncatingTowardZero)
{
    EXPECT_EQ(ShiftColor(0x808080, 31, false, true), 0x8F8F8F);
    EXPECT_EQ(ShiftColor(0x808080, -5, false, true), 0x7E7E7E);
}

TEST(BlendColors, MixesTowardWhite)
{
    EXPECT_EQ(BlendColors(0x800000, 176), 0xD7B0B0);
    EXPECT_EQ(BlendColors(0x123456, 0), 0x123456);
    EXPECT_EQ(BlendColors(0x123456, 255), 0xFFFFFF);
}

TEST(GradientStep, RoundsHalvesToEven)
{
    EXPECT_EQ(GradientStep(58, 10, 20), 29);
    EXPECT_EQ(GradientStep(58, 19, 20), 55);
    EXPECT_EQ(GradientStep(58, 20, 20), 58);
    EXPECT_EQ(GradientStep(25, 1, 2), 12);
    EXPECT_EQ(GradientStep(25, 3, 2), 38);
    EXPECT_EQ(GradientStep(58, 1, 0), 0);
}

TEST(Greyscale, WeighsTheChannels)
{
    EXPECT_EQ(Greyscale(Rgb(255, 0, 0)), 76);
    EXPECT_EQ(Greyscale(Rgb(0, 255, 0)), 150);
    EXPECT_EQ(Greyscale(Rgb(0, 0, 255)), 28);
    EXPECT_EQ(Greyscale(0xFFFFFF), 254); // 76.5 rounds to 76, then 254.5 to 254
}

TEST(TranslateColor, SystemColoursComeFromThePalette)
{
    const QPalette p = ClassicPalette();
    EXPECT_EQ(TranslateColor(SystemColour(15), p), 0xC0C0C0);
    EXPECT_EQ(TranslateColor(SystemColour(18), p), Rgb(0x11, 0x22, 0x33));
    EXPECT_EQ(TranslateColor(SystemColour(13), p), 0x800000);
    EXPECT_EQ(TranslateColor(0x123456, p), 0x123456);
}

TEST(SetColors, SchemeTwoDerivesThePaletteFromTheBackColour)
{
    ButtonPalette p = SetColors(SchemeTwo(0xC0C0C0));
    EXPECT_EQ(p.FaceColor, 0xC0C0C0);
    EXPECT_EQ(p.ShadowColor, 0x808080);
    EXPECT_EQ(p.LightColor, 0xDFDFDF);
    EXPECT_EQ(p.HighlightColor, 0xEFEFEF);
    EXPECT_EQ(p.DarkShadowColor, 0);
    EXPECT_EQ(p.AccentColor, 0x404040);
    EXPECT_EQ(p.AccentLightColor, 0xC0C0C0);
    EXPECT_EQ(p.GradientColor, 0xF0F0F0);
    EXPECT_EQ(p.TransparentColor, 0xC0C0C0);

    p = SetColors(SchemeTwo(0xC0C0C0, true));
    EXPECT_EQ(p.ShadowColor, 0xA0A0A0);
    EXPECT_EQ(p.LightColor, 0xCFCFCF);
    EXPECT_EQ(p.HighlightColor, 0xD7D7D7);
    EXPECT_EQ(p.DarkShadowColor, 0x606060);
    EXPECT_EQ(p.AccentColor, 0x808080);
    EXPECT_EQ(p.GradientColor, 0xD8D8D8);
}

TEST(SetColors, SchemeTwoHoverAndTextColoursComeFromTheProperties)
{
    PaletteSource s = SchemeTwo(0xC0C0C0);
    s.BackOver = 0x00FFFF;
    s.ForeColor = 0x0000FF;
    s.ForeOver = 0xFF0000;
    const ButtonPalette p = SetColors(s);
    EXPECT_EQ(p.FaceOverColor, 0x00FFFF);
    EXPECT_EQ(p.TextColor, 0x0000FF);
    EXPECT_EQ(p.TextOverColor, 0xFF0000);
}

TEST(SetColors, SchemeOneAndUnknownSchemesUseTheSystemColours)
{
    for (int scheme : {0, 1, 5}) {
        PaletteSource s = SchemeTwo(0x00FF00);
        s.ColorScheme = scheme;
        s.system = ClassicPalette();
        const ButtonPalette p = SetColors(s);
        EXPECT_EQ(p.FaceColor, 0xC0C0C0) << scheme;
        EXPECT_EQ(p.TextColor, Rgb(0x11, 0x22, 0x33)) << scheme;
        EXPECT_EQ(p.ShadowColor, 0x808080) << scheme;
        EXPECT_EQ(p.LightColor, 0xDFDFDF) << scheme;
        EXPECT_EQ(p.HighlightColor, 0xFFFFFF) << scheme;
        EXPECT_EQ(p.DarkShadowColor, 0) << scheme;
        EXPECT_EQ(p.AccentColor, 0x800000) << scheme;
        EXPECT_EQ(p.AccentLightColor, 0xD7B0B0) << scheme;
    }
}

TEST(SetColors, SchemeThreeIsFixedAndSchemeFourFollowsTheContainer)
{
    PaletteSource s = SchemeTwo(0x00FF00);
    s.ColorScheme = 3;
    ButtonPalette p = SetColors(s);
    EXPECT_EQ(p.FaceColor, 0xC0C0C0);
    EXPECT_EQ(p.AccentLightColor, 0xD1ADAD);
    EXPECT_EQ(p.AccentColor, 0x800000);

    s.ColorScheme = 4;
    s.system = ClassicPalette();
    s.container.setColor(QPalette::Window, QColor(0x40, 0x80, 0xC0));
    s.container.setColor(QPalette::WindowText, QColor(1, 2, 3));
    p = SetColors(s);
    EXPECT_EQ(p.FaceColor, Rgb(0x40, 0x80, 0xC0));
    EXPECT_EQ(p.TextColor, Rgb(1, 2, 3));
    EXPECT_EQ(p.ShadowColor, Rgb(0, 0x40, 0x80));
    EXPECT_EQ(p.AccentColor, 0x800000);
}

TEST(SetColors, TheGlossTypeScalesTheBlueOfItsGradientColour)
{
    PaletteSource s = SchemeTwo(Rgb(0, 0, 96));
    s.ButtonType = 3;
    EXPECT_EQ(SetColors(s).GradientColor, Rgb(48, 48, 120));
    s.ButtonType = 14;
    EXPECT_EQ(SetColors(s).GradientColor, Rgb(48, 48, 144));
}

// The program's colours where they read; black or white where a dark theme
// would hide them; a greyed caption that still reads at 3:1.
TEST(Contrast, ColoursAreKeptOnlyWhereTheyRead)
{
    const QColor navy(0, 0, 0x80), grey(0xC0, 0xC0, 0xC0);
    EXPECT_EQ(ReadableOn(navy, Qt::white), navy);
    EXPECT_EQ(ReadableOn(navy, QColor(0x30, 0x30, 0x30)), QColor(Qt::white));
    EXPECT_EQ(ReadableOn(QColor(0xEE, 0xEE, 0xEE), QColor(0xF3, 0xF5, 0x9E)), QColor(Qt::black));
    const QColor greyed = DimmedText(Qt::black, {grey, Qt::white}, 3.0);
    EXPECT_TRUE(greyed != QColor(Qt::black) && ContrastRatio(greyed, grey) >= 3.0);
    const QColor shadow(0x80, 0x80, 0x80);  // a look's grey: 3.9:1 on white, 2.2:1 on the grey face
    EXPECT_EQ(GreyedCaption(shadow, Qt::black, {Qt::white}, 3.0), shadow);
    EXPECT_EQ(GreyedCaption(shadow, Qt::black, {grey, Qt::white}, 3.0), greyed);
}
