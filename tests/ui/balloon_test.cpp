#include "ui/balloon.h"
#include "ui/chameleoncolors.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace fixtora;

namespace {

// A balloon at the top-left of the screen with the "?" defaults, shown.
QPointer<frmTip> OpenBalloon(BalloonArgs &args)
{
    auto *tip = new frmTip;
    tip->SetBalloon(args, nullptr);
    tip->show();
    return tip;
}

QPointer<frmTip> OpenBalloon(bool showClose, int autoCloseMs = 0)
{
    BalloonArgs args;
    args.Title = "Help";
    args.Text = "Some help text.";
    args.ShowClose = showClose;
    args.AutoCloseMs = autoCloseMs;
    return OpenBalloon(args);
}

bool IsGoneWithin(const QPointer<frmTip> &tip, int ms)
{
    return QTest::qWaitFor([&] { return tip.isNull(); }, ms);
}

QWidget *Body(frmTip *tip) { return tip->findChild<QTextEdit *>("txtTip")->viewport(); }

} // namespace

TEST(Balloon, TheQuestionMarkSizeIs312By108PixelsWithARoundedOutline)
{
    ASSERT_DOUBLE_EQ(TwipsPerPixelX(), 15.0);
    ASSERT_DOUBLE_EQ(TwipsPerPixelY(), 15.0);
    QPointer<frmTip> tip = OpenBalloon(true);
    EXPECT_EQ(tip->size(), QSize(312, 108));
    const QRegion mask = tip->mask();
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 312, 108));
    for (const QPoint corner : {QPoint(0, 0), QPoint(311, 0), QPoint(0, 107), QPoint(311, 107),
                                QPoint(2, 2), QPoint(309, 105)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    for (const QPoint inside : {QPoint(156, 0), QPoint(0, 54), QPoint(311, 54), QPoint(156, 107),
                                QPoint(10, 10)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    tip->HideBalloon();
}

TEST(Balloon, IconCodeIsLowerCasedAndWrittenBack)
{
    const struct { QString code; QString written; bool shown; } cases[] = {
        {"I", "i", true}, {"X9", "x9", true}, {"!", "!", true}, {"", "", false}, {"?", "?", false}};
    for (const auto &c : cases) {
        BalloonArgs args;
        args.Icon = c.code;
        QPointer<frmTip> tip = OpenBalloon(args);
        EXPECT_EQ(args.Icon, c.written);
        EXPECT_EQ(tip->findChild<QLabel *>("imgDisplayIcon")->isVisible(), c.shown) << c.code.toStdString();
        EXPECT_EQ(tip->findChild<QLabel *>("lblTitle")->width(), tip->width());
        tip->HideBalloon();
    }
}

TEST(Balloon, WithoutCloseButtonAClickInTheTextCloses)
{
    QPointer<frmTip> tip = OpenBalloon(false);
    EXPECT_TRUE(tip->findChild<QLabel *>("imgX")->isHidden());
    QTest::mouseClick(Body(tip), Qt::LeftButton);
    EXPECT_TRUE(IsGoneWithin(tip, 1000));
}

TEST(Balloon, WithCloseButtonAClickInTheTextStaysADoubleClickCloses)
{
    QPointer<frmTip> tip = OpenBalloon(true);
    QTest::mouseClick(Body(tip), Qt::LeftButton);
    QTest::mouseClick(tip->findChild<QLabel *>("lblTitle"), Qt::LeftButton);
    EXPECT_FALSE(IsGoneWithin(tip, 100));
    QTest::mouseDClick(Body(tip), Qt::LeftButton);
    EXPECT_TRUE(IsGoneWithin(tip, 1000));
}

TEST(Balloon, CloseButtonIconAndWindowClose)
{
    for (const char *target : {"imgX", "lblX", "imgDisplayIcon"}) {
        QPointer<frmTip> tip = OpenBalloon(true);
        QTest::mouseClick(tip->findChild<QLabel *>(target), Qt::LeftButton);
        EXPECT_TRUE(IsGoneWithin(tip, 1000)) << target;
    }
    QPointer<frmTip> tip = OpenBalloon(true);
    QTest::mouseClick(tip, Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_TRUE(IsGoneWithin(tip, 1000));
}

TEST(Balloon, IsReadAsANotificationAndItsCloseMarkReadsOnItsButtonInLightAndDarkThemes)
{
    const QPalette before = QApplication::palette();
    for (const QColor text : {QColor(Qt::black), QColor(Qt::white), QColor(0xE0, 0xE0, 0xE0)}) {
        QPalette colours = before;
        colours.setColor(QPalette::ToolTipText, text);
        QApplication::setPalette(colours);
        QPointer<frmTip> tip = OpenBalloon(true);
        const QAccessibleInterface *read = QAccessible::queryAccessibleInterface(tip);
        EXPECT_EQ(read->role(), QAccessible::Notification);
        EXPECT_EQ(read->text(QAccessible::Name) + read->text(QAccessible::Description), "HelpSome help text.");
        auto *mark = tip->findChild<QLabel *>("lblX");
        for (const QTest::MouseAction action : {QTest::MouseMove, QTest::MousePress}) {
            QTest::mouseEvent(action, mark, Qt::LeftButton, {}, {});
            const QColor face = tip->findChild<QLabel *>("imgX")->pixmap().toImage().pixelColor(9, 9);
            EXPECT_GE(ContrastRatio(mark->palette().color(QPalette::WindowText), face), 3) << text.name().toStdString();
        }
        tip->HideBalloon();
    }
    QApplication::setPalette(before);
}

TEST(Balloon, AutoCloseRunsOutAndNonPositiveTimesMeanNoTimer)
{
    QPointer<frmTip> timed = OpenBalloon(true, 200);
    EXPECT_TRUE(IsGoneWithin(timed, 2000));
    for (int ms : {0, -5}) {
        QPointer<frmTip> tip = OpenBalloon(true, ms);
        EXPECT_FALSE(tip->findChild<QTimer *>("timAutoClose")->isActive());
        tip->HideBalloon();
    }
}

TEST(Balloon, QuestionMarkOpensAtTheControlsLowerLeftCornerAndBalloonsCloseIndependently)
{
    QWidget window;
    window.setGeometry(100, 80, 400, 300);
    auto *anchor = new QPushButton("Task", &window);
    anchor->setGeometry(40, 50, 120, 30);
    window.show();
    QPointer<frmTip> first = ShowHelpBalloon(anchor, "First", "One");
    QPointer<frmTip> second = ShowHelpBalloon(anchor, "Second", "Two");

    EXPECT_EQ(first->pos(), anchor->mapToGlobal(QPoint(0, anchor->height())));
    EXPECT_EQ(first->size(), QSize(312, 108));
    EXPECT_EQ(first->parentWidget(), &window);
    EXPECT_EQ(first->findChild<QLabel *>("lblTitle")->text(), "First");
    EXPECT_EQ(first->findChild<QLabel *>("lblTitle")->font().family(), "Tahoma");
    EXPECT_EQ(first->findChild<QTextEdit *>("txtTip")->toPlainText(), "One");
    EXPECT_TRUE(first->findChild<QLabel *>("imgX")->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(second->findChild<QLabel *>("imgX"), Qt::LeftButton);
    EXPECT_TRUE(IsGoneWithin(second, 1000));
    EXPECT_FALSE(first.isNull());
    EXPECT_TRUE(first->isVisible());
    // Escape closes the newest balloon only; a later window takes the rest.
    QPointer<frmTip> third = ShowHelpBalloon(anchor, "Third", "Three");
    QTest::keyClick(anchor, Qt::Key_Escape);
    EXPECT_TRUE(IsGoneWithin(third, 1000));
    EXPECT_FALSE(first.isNull());
    QLineEdit later;
    later.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&later));
    EXPECT_TRUE(IsGoneWithin(first, 1000));
}

TEST(Balloon, ABalloonOfAFormClosesWhenTheFormIsHiddenOrGoes)
{
    QWidget window;
    window.show();
    for (const bool unloaded : {false, true}) {
        auto *form = new QWidget(&window);
        form->show();
        QPointer<frmTip> tip = OpenBalloon(true);
        tip->CloseWith(form);
        QPointer<frmTip> free = OpenBalloon(true);
        if (unloaded)
            delete form;
        else
            form->parentWidget()->hide();  // the page's frame in the workspace
        EXPECT_TRUE(IsGoneWithin(tip, 1000)) << unloaded;
        EXPECT_FALSE(free.isNull()) << "other balloons stay";
        free->HideBalloon();
        window.show();
    }
}

TEST(Balloon, StaysWhollyInsideTheScreensAvailableArea)
{
    const QSize balloon(312, 108);
    const QRect screen(0, 0, 800, 600);
    const struct {
        const char *where;
        QRect anchor;
        QRect area;
        QPoint place;
    } rows[] = {
        {"room below and to the right", {200, 200, 100, 24}, screen, {200, 224}},
        {"ends exactly at the right edge", {488, 100, 100, 24}, screen, {488, 124}},
        {"past the right edge: moved left", {600, 100, 100, 24}, screen, {488, 124}},
        {"a control partly off the left edge", {-20, 100, 100, 24}, screen, {0, 124}},
        {"ends exactly at the bottom", {100, 468, 100, 24}, screen, {100, 492}},
        {"past the bottom: above the control", {100, 500, 100, 24}, screen, {100, 392}},
        {"the bottom right corner", {700, 560, 80, 24}, screen, {488, 452}},
        {"a panel along the bottom", {100, 460, 100, 24}, {0, 0, 800, 560}, {100, 352}},
        {"a panel along the top", {100, 30, 100, 24}, {0, 28, 800, 572}, {100, 54}},
        {"a second screen on the right", {1700, 100, 100, 24}, {1024, 0, 800, 600}, {1512, 124}},
        {"an area smaller than the balloon", {0, 50, 50, 20}, {0, 0, 300, 100}, {0, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.where);
        const QPoint place = BalloonPlace(row.anchor, balloon, row.area);
        EXPECT_EQ(place, row.place);
        if (row.area.width() >= balloon.width() && row.area.height() >= balloon.height()) {
            EXPECT_TRUE(row.area.contains(QRect(place, balloon)));
            // Under or over the control, never across it.
            EXPECT_FALSE(QRect(place, balloon).intersects(row.anchor));
        }
    }
}

TEST(Balloon, BodyKeepsItsTextWhenEmptyAndNeverGetsANegativeSize)
{
    BalloonArgs args;
    args.Text = "First text";
    QPointer<frmTip> tip = OpenBalloon(args);
    args.Text.clear();
    args.Height = 600;
    args.Width = 1500;
    tip->SetBalloon(args, nullptr);
    const auto *body = tip->findChild<QTextEdit *>("txtTip");
    EXPECT_EQ(body->toPlainText(), "First text");
    EXPECT_EQ(tip->size(), QSize(100, 40));
    EXPECT_EQ(body->size(), QSize(80, 0));
    tip->HideBalloon();
}

TEST(Balloon, RichTextFileReplacesTheBodyAndKeepsItsOwnFont)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write("<p style=\"font-family:Courier\">From <b>file</b></p>");
    file.close();
    BalloonArgs args;
    args.Text = "Ignored";
    args.RtfFile = file.fileName();
    args.FontName = "Arial";
    QPointer<frmTip> tip = OpenBalloon(args);
    const auto *body = tip->findChild<QTextEdit *>("txtTip");
    EXPECT_EQ(body->toPlainText(), "From file");
    EXPECT_NE(body->font().family(), "Arial");
    EXPECT_EQ(tip->findChild<QLabel *>("lblTitle")->font().family(), "Arial");
    tip->HideBalloon();
}
