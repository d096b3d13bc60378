#include "ui/chameleoncanvas.h"
#include "ui/chameleoncaption.h"
#include "ui/chameleoncolors.h"
#include "ui/chameleonshape.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace fixtora;

namespace {

// Which of the pixels near each corner of a 20 x 10 region are cut away.
QString CutCorners(const QRegion &region)
{
    const int w = 20, h = 10;
    QString cut;
    for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 2, 0), QPoint(w - 1, 0),
                     QPoint(w - 1, 1), QPoint(0, h - 1), QPoint(1, h - 1), QPoint(0, h - 2),
                     QPoint(w - 2, h - 1), QPoint(w - 1, h - 1), QPoint(w - 1, h - 2)})
        cut += region.contains(p) ? '.' : 'x';
    return cut;
}

QImage Filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(BuildRegion, CutsTheCornersOfEachType)
{
    EXPECT_EQ(CutCorners(BuildRegion(1, 20, 10)), "x...x.x...x.");
    EXPECT_EQ(CutCorners(BuildRegion(14, 20, 10)), "x...x.x...x.");
    EXPECT_EQ(CutCorners(BuildRegion(5, 20, 10)), "....x.x.....");
    EXPECT_EQ(CutCorners(BuildRegion(3, 20, 10)), "xxxxxxxxxxxx");
    EXPECT_EQ(CutCorners(BuildRegion(4, 20, 10)), "xxxxxxxxxxxx");
    for (int type : {0, 2, 6, 7, 8, 9, 10, 11, 12, 15})
        EXPECT_EQ(CutCorners(BuildRegion(type, 20, 10)), "............") << type;
    EXPECT_EQ(BuildRegion(3, 20, 10).boundingRect(), QRect(0, 0, 20, 10));
}

TEST(BuildRegion, TheOvalIsTheInscribedEllipse)
{
    const QRegion oval = BuildRegion(13, 40, 20);
    EXPECT_TRUE(oval.contains(QPoint(20, 10)));
    EXPECT_TRUE(oval.contains(QPoint(1, 10)));
    EXPECT_FALSE(oval.contains(QPoint(0, 0)));
    EXPECT_FALSE(oval.contains(QPoint(39, 19)));
}

TEST(InnerRect, ShrinksByTheBorderOfTheType)
{
    EXPECT_EQ(InnerRect(2, 80, 25), (EdgeRect{4, 4, 76, 21}));
    EXPECT_EQ(InnerRect(6, 80, 25), (EdgeRect{4, 4, 76, 21}));
    EXPECT_EQ(InnerRect(99, 80, 25), (EdgeRect{4, 4, 76, 21}));
    EXPECT_EQ(InnerRect(7, 80, 25), (EdgeRect{3, 3, 77, 22}));
    EXPECT_EQ(InnerRect(13, 80, 25), (EdgeRect{3, 3, 77, 22}));
    EXPECT_EQ(InnerRect(14, 80, 25), (EdgeRect{6, 6, 76, 21}));
}

TEST(AccessKeyOf, FollowsTheFirstAmpersandOrTheOneAfterADoubledPair)
{
    EXPECT_EQ(AccessKeyOf("&Continue"), QChar('c'));
    EXPECT_EQ(AccessKeyOf("C&lear"), QChar('l'));
    EXPECT_EQ(AccessKeyOf("Fish && &Chips"), QChar('c'));
    EXPECT_TRUE(AccessKeyOf("Home && Away rule is:-").isNull());
    EXPECT_TRUE(AccessKeyOf("&&&&x").isNull());
    EXPECT_TRUE(AccessKeyOf("a && b && &c").isNull());
    EXPECT_TRUE(AccessKeyOf("Save&").isNull());
    EXPECT_TRUE(AccessKeyOf("&").isNull());
    EXPECT_TRUE(AccessKeyOf("OK").isNull());
}

TEST(CalcTextRects, PlacesThePictureBesideTheCentredCaption)
{
    const QFont font("Liberation Sans", 9);
    const QFontMetrics metrics(font);
    CaptionLayout layout;
    layout.PicWidth = 16;
    layout.PicHeight = 12;

    CaptionLayout plain = layout;
    CalcTextRects(plain, "Save", font, 120, 30, 0);
    CalcTextRects(layout, "&Save", font, 120, 30, 0);
    EXPECT_EQ(layout.CaptionRect, plain.CaptionRect); // the access key mark takes no room
    EXPECT_NEAR(layout.CaptionWidth, metrics.horizontalAdvance("Save"), 1);
    EXPECT_EQ(layout.CaptionHeight, metrics.height());
    EXPECT_EQ(layout.CaptionRect.left, 17 + (120 - 17 - layout.CaptionWidth) / 2);
    EXPECT_EQ(layout.CaptionDownRect, layout.CaptionRect.moved(1, 1));
    EXPECT_EQ(layout.PicLeft, layout.CaptionRect.left - 16 - 4);
    EXPECT_EQ(layout.PicTop, (30 - 12) / 2);

    CalcTextRects(layout, "Save", font, 120, 30, 1);
    EXPECT_EQ(layout.PicLeft, layout.CaptionRect.right + 4);

    CalcTextRects(layout, "Save", font, 120, 60, 2);
    EXPECT_EQ(layout.PicTop, layout.CaptionRect.top - 12 - 2);
    EXPECT_EQ(layout.PicLeft, (120 - 16) / 2);

    CalcTextRects(layout, "Save", font, 120, 60, 3);
    EXPECT_EQ(layout.PicTop, layout.CaptionRect.bottom + 2);
}

TEST(CalcTextRects, ABlankCaptionOrAPictureBehindCentresThePicture)
{
    const QFont font("Liberation Sans", 9);
    for (int position : {0, 1, 2, 3, 4}) {
        CaptionLayout layout;
        layout.PicWidth = 16;
        layout.PicHeight = 12;
        CalcTextRects(layout, "   ", font, 81, 31, position);
        EXPECT_EQ(layout.PicLeft, 32) << position;
        EXPECT_EQ(layout.PicTop, 9) << position;
    }
    CaptionLayout behind;
    behind.PicWidth = 16;
    behind.PicHeight = 12;
    CalcTextRects(behind, "Save", font, 81, 31, 4);
    EXPECT_EQ(behind.PicLeft, 32);
}

TEST(CalcTextRects, APositionOutsideTheRangeIsLaidOutAsZeroAndDoesNotCreep)
{
    const QFont font("Liberation Sans", 9);
    CaptionLayout asZero, outside;
    asZero.PicWidth = outside.PicWidth = 16;
    asZero.PicHeight = outside.PicHeight = 12;
    CalcTextRects(asZero, "Save", font, 120, 30, 0);
    for (int i = 0; i < 3; ++i)
        CalcTextRects(outside, "Save", font, 120, 30, 7);
    EXPECT_EQ(outside.CaptionRect, asZero.CaptionRect);
    EXPECT_EQ(outside.PicLeft, asZero.PicLeft);
}

TEST(CalcTextRects, ALongCaptionWrapsAtWords)
{
    const QFont font("Liberation Sans", 9);
    CaptionLayout layout;
    CalcTextRects(layout, "View the league fixtures", font, 60, 60, 0);
    EXPECT_LE(layout.CaptionWidth, 57);
    EXPECT_GE(layout.CaptionHeight, 2 * QFontMetrics(font).height());
}

TEST(ButtonCanvas, RectanglesAndLinesLeaveOutTheirFarEdge)
{
    QImage image = Filled(8, 6, qRgb(0, 0, 0));
    ButtonCanvas c(image);
    c.Frame(1, 1, 4, 3, 0xFFFFFF);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(4, 3), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 4), qRgb(0, 0, 0));

    image.fill(qRgb(0, 0, 0));
    c.Line(0, 5, 7, 5, 0x0000FF);
    EXPECT_EQ(image.pixel(6, 5), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(7, 5), qRgb(0, 0, 0));
    c.Line(2, 2, 0, 0, 0x00FF00);
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(ButtonCanvas, TheFocusRectangleInvertsEveryOtherPixelAndTwiceRemovesIt)
{
    QImage image = Filled(10, 8, qRgb(0xC0, 0xC0, 0xC0));
    const QImage before = image;
    ButtonCanvas c(image);
    c.FocusRect({2, 2, 8, 6});
    EXPECT_EQ(image.pixel(2, 2), qRgb(0x3F, 0x3F, 0x3F));
    EXPECT_EQ(image.pixel(3, 2), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixel(4, 4), qRgb(0xC0, 0xC0, 0xC0));
    c.FocusRect({2, 2, 8, 6});
    EXPECT_EQ(image, before);
}

TEST(TransBlt, SkipsTheMaskColourAndPaintsSilhouettes)
{
    QImage picture = Filled(3, 1, qRgb(0xC0, 0xC0, 0xC0));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    picture.setPixel(2, 0, qRgb(128, 128, 128)); // channel sum 384
    const QImage bits = PictureBits(picture, 0xC0C0C0);

    QImage dest = Filled(3, 1, qRgb(0, 0, 255));
    TransBlt(dest, 0, 0, bits, 0xC0C0C0, 0x0000FF, true, false, false);
    EXPECT_EQ(dest.pixel(0, 0), qRgb(0, 0, 255)); // mask colour: background stays
    EXPECT_EQ(dest.pixel(1, 0), qRgb(0, 0, 255)); // too light for dark only
    EXPECT_EQ(dest.pixel(2, 0), qRgb(255, 0, 0)); // painted in the brush

    dest = Filled(3, 1, qRgb(0, 0, 255));
    TransBlt(dest, 0, 0, bits, -1, -1, false, false, false);
    EXPECT_EQ(dest.pixel(0, 0), qRgb(0xC0, 0xC0, 0xC0)); // no mask: every pixel drawn
}

TEST(TransBlt, GreyscaleBlendAndIconTransparency)
{
    QImage picture = Filled(3, 1, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(2, 0, qRgb(0, 0, 255));
    QImage dest = Filled(3, 1, qRgb(0, 0, 0));
    TransBlt(dest, 0, 0, PictureBits(picture, 0xC0C0C0), 0xC0C0C0, -1, false, true, false);
    EXPECT_EQ(dest.pixel(0, 0), qRgb(76, 76, 76));
    EXPECT_EQ(dest.pixel(1, 0), qRgb(150, 150, 150));
    EXPECT_EQ(dest.pixel(2, 0), qRgb(28, 28, 28));

    dest = Filled(3, 1, qRgb(0, 0, 30));
    TransBlt(dest, 0, 0, PictureBits(picture, 0xC0C0C0), 0xC0C0C0, -1, false, false, true);
    EXPECT_EQ(dest.pixel(0, 0), qRgb(170, 0, 10));

    QImage icon(2, 1, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 0, qRgba(0, 0, 0, 255));
    dest = Filled(2, 1, qRgb(9, 9, 9));
    TransBlt(dest, 0, 0, PictureBits(icon, 0xC0C0C0), 0xC0C0C0, -1, false, false, false);
    EXPECT_EQ(dest.pixel(0, 0), qRgb(9, 9, 9));
    EXPECT_EQ(dest.pixel(1, 0), qRgb(0, 0, 0));
}

TEST(TransBlt, APictureIsDrawnAtItsOwnSizeClippedToTheFace)
{
    const QImage big = Filled(7, 5, qRgb(1, 2, 3));
    QImage dest = Filled(6, 4, qRgb(0, 0, 0));
    TransBlt(dest, 3, 2, PictureBits(big, 0xC0C0C0), 0xC0C0C0, -1, false, false, false);
    TransBlt(dest, -5, -3, PictureBits(big, 0xC0C0C0), 0xC0C0C0, -1, false, false, false);
    EXPECT_EQ(dest.pixel(5, 3), qRgb(1, 2, 3));
    EXPECT_EQ(dest.pixel(1, 1), qRgb(1, 2, 3));
    EXPECT_EQ(dest.pixel(2, 2), qRgb(0, 0, 0));
    TransBlt(dest, 0, 0, QImage(), 0xC0C0C0, -1, false, false, false);
}
