#include "platform/drawtarget.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace fixtora;

namespace {

// The bounding box of the pixels darker than mid-grey.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST(DrawTarget, UserScaleMapsCornersToTheSurface)
{
    struct Row {
        double left, top, right, bottom;  // the scale
        double x, y;                      // a user point
        double deviceX, deviceY;          // where it lands on 800 x 1000 pixels
    };
    const Row rows[] = {
        {0, 0, 8, 10, 0, 0, 0, 0},
        {0, 0, 8, 10, 8, 10, 800, 1000},
        {0, 0, 8, 10, 0.4, 1.6, 40, 160},
        {0, 0, 8, 11.69, 4, 11.69, 400, 1000},
        {-1, -2, 1, 2, 0, 0, 400, 500},
        {0, 10, 8, 0, 2, 10, 200, 0},  // y growing upwards
    };
    for (const Row &row : rows) {
        RecordingTarget target({800, 1000});
        target.Scale(row.left, row.top, row.right, row.bottom);
        const QPointF device = target.ToDevice(row.x, row.y);
        EXPECT_NEAR(device.x(), row.deviceX, 1e-9) << row.x << "," << row.y;
        EXPECT_NEAR(device.y(), row.deviceY, 1e-9) << row.x << "," << row.y;
        const QPointF back = target.FromDevice(device);
        EXPECT_NEAR(back.x(), row.x, 1e-9);
        EXPECT_NEAR(back.y(), row.y, 1e-9);
    }
}

TEST(DrawTarget, WithoutAScaleTheUnitsAreTwips)
{
    RecordingTarget target({800, 1000});
    EXPECT_DOUBLE_EQ(target.WidthTwips(), 12000);
    EXPECT_DOUBLE_EQ(target.HeightTwips(), 15000);
    EXPECT_DOUBLE_EQ(target.ScaleWidth(), 12000);
    EXPECT_NEAR(target.ToDevice(1440, 1440).x(), 96, 1e-9);
    target.Scale(0, 0, 8, 10);
    EXPECT_DOUBLE_EQ(target.WidthTwips(), 12000);  // the surface, not the scale
}

TEST(DrawTarget, FontsKeepTheirPointSizeUnderAnyScale)
{
    RecordingTarget target({800, 1000});
    target.SetFont(QStringLiteral("Arial"), false, 8);
    target.Scale(0, 0, 8, 10);
    const double narrow = target.TextWidth(QStringLiteral("Player 12"));
    const double tall = target.TextHeight();
    target.Scale(0, 0, 16, 20);
    EXPECT_NEAR(target.TextWidth(QStringLiteral("Player 12")), 2 * narrow, 1e-9);
    EXPECT_NEAR(target.TextHeight(), 2 * tall, 1e-9);
    EXPECT_DOUBLE_EQ(target.CurrentFont().pointSizeF(), 8);
    target.FontSize = 0;
    EXPECT_DOUBLE_EQ(target.CurrentFont().pointSizeF(), kDefaultFontSize);
}

TEST(DrawTarget, PrintGoesToTheNextLineAndLinesEndAtTheirEnd)
{
    RecordingTarget target;
    target.Scale(1, 0, 9, 10);
    target.SetFont(QStringLiteral("Arial"), true, 14);
    target.PrintAt(3, 2, QStringLiteral("Title"));
    EXPECT_DOUBLE_EQ(target.CurrentX, 1);
    EXPECT_NEAR(target.CurrentY, 2 + target.TextHeight(), 1e-9);
    target.Line(1, 2, 3, 4, Qt::red);
    EXPECT_DOUBLE_EQ(target.CurrentX, 3);
    EXPECT_DOUBLE_EQ(target.CurrentY, 4);
    target.Rectangle(5, 6, 7, 8);
    EXPECT_DOUBLE_EQ(target.CurrentX, 7);
    EXPECT_DOUBLE_EQ(target.CurrentY, 8);

    ASSERT_EQ(target.items.size(), 3);
    const auto &text = target.items[0];
    EXPECT_EQ(text.kind, RecordingTarget::Kind::Text);
    EXPECT_EQ(text.text, "Title");
    EXPECT_EQ(text.fontName, "Arial");
    EXPECT_TRUE(text.bold);
    EXPECT_DOUBLE_EQ(text.size, 14);
    EXPECT_DOUBLE_EQ(text.x1, 3);
    EXPECT_DOUBLE_EQ(text.y1, 2);
    EXPECT_EQ(target.items[1].colour, QColor(Qt::red));
    EXPECT_EQ(target.items[2].kind, RecordingTarget::Kind::Rectangle);
    EXPECT_EQ(target.items[2].colour, QColor(Qt::black));
}

// A measure of plain numbers: every character (the ellipsis too) is as wide
// as the size, a line one and a half times as tall.
QSizeF blockMeasure(const QString &text, double size)
{
    return {double(text.size()) * size, 1.5 * size};
}

TEST(FitText, ATextTooLargeForItsRoomIsDrawnSmallerOrCutShort)
{
    const QString sixteen = QStringLiteral("ABCDEFGHIJKLMNOP"), cut(QChar(0x2026));
    const struct {
        QString text;
        QSizeF room;
        TextFit fit;
        QString shown;
        double size;
    } rows[] = {
        {"ABCD", {40, kAnyHeight}, {8, 4.5, true}, "ABCD", 8},               // fits
        {"ABCDEFGHIJ", {60, kAnyHeight}, {8, 4.5, true}, "ABCDEFGHIJ", 6},   // smaller in proportion
        {sixteen, {54, kAnyHeight}, {6, 4.5, true}, "ABCDEFGHIJK" + cut, 4.5},
        {sixteen, {54, kAnyHeight}, {8, 0, false}, sixteen, 3.375},          // whole at any size
        {sixteen, {54, kAnyHeight}, {6, 4.5, false}, sixteen, 4.5},          // whole, too wide
        {"AB CDEFGH", {18, kAnyHeight}, {6, 4.5, true}, "AB" + cut, 4.5},    // no blank before the cut
        {"ABC", {0, kAnyHeight}, {6, 4.5, true}, cut, 4.5},
        {"score", {40, 7.5}, {6, 4.5, false}, "score", 5},                   // too tall
        {"score", {40, 6}, {6, 4.5, true}, "score", 4.5},                    // a height is never cut
    };
    for (const auto &row : rows) {
        const FittedText fitted = FitText(row.text, row.room, row.fit, blockMeasure);
        EXPECT_EQ(fitted.text, row.shown) << row.text.toStdString();
        EXPECT_NEAR(fitted.size, row.size, 1e-9) << row.text.toStdString();
    }
}

TEST(PictureBox, KeepsWhatIsDrawnUntilCleared)
{
    PictureBox box;
    box.resize(200, 100);
    box.Scale(0, 0, 2, 1);
    box.Line(0.5, 0.5, 1.5, 0.5);
    EXPECT_EQ(qGray(box.Image().pixel(100, 50)), 0);
    EXPECT_EQ(box.Image().size(), QSize(200, 100));
    box.Cls();
    EXPECT_TRUE(inkBounds(box.Image()).isNull());
}

TEST(PictureBox, TextHangsBelowTheCurrentPosition)
{
    PictureBox box;
    box.resize(400, 200);
    box.Scale(0, 0, 4, 2);
    box.SetFont(QStringLiteral("Arial"), false, 14);
    box.PrintAt(1, 1, QStringLiteral("MMM"));
    const QRect ink = inkBounds(box.Image());
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.top(), 100);
    EXPECT_LE(ink.bottom(), 100 + box.ToDevice(0, box.TextHeight()).y());
    EXPECT_GE(ink.left(), 99);
    EXPECT_NEAR(ink.width(), box.ToDevice(box.TextWidth(QStringLiteral("MMM")), 0).x(), 4);
}

TEST(PictureBox, EscapementTurnsTextCounterClockwise)
{
    PictureBox box;
    box.resize(300, 300);
    box.Scale(0, 0, 3, 3);
    box.SetFont(QStringLiteral("Arial"), false, 14);
    box.FontEscapement = 900;
    box.PrintAt(1, 2, QStringLiteral("MMMMMM"));
    const QRect ink = inkBounds(box.Image());
    ASSERT_FALSE(ink.isNull());
    EXPECT_LE(ink.bottom(), 201);  // runs upwards from the corner
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_GE(ink.left(), 99);     // the top of the letters faces left
}

TEST(PictureBox, ReportsMouseDownInUserUnits)
{
    PictureBox box;
    box.resize(800, 400);
    box.Scale(0, 0, 8, 4);
    box.show();
    QSignalSpy down(&box, &PictureBox::MouseDown);
    QSignalSpy clicked(&box, &PictureBox::Clicked);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(200, 100));
    ASSERT_EQ(down.size(), 1);
    EXPECT_NEAR(down[0][1].toDouble(), 2, 1e-9);
    EXPECT_NEAR(down[0][2].toDouble(), 1, 1e-9);
    EXPECT_EQ(clicked.size(), 1);
}
