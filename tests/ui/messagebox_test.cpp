#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace fixtora;

namespace {

frmMSGBOX *VisibleBox()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmMSGBOX" && window->isVisible())
            return static_cast<frmMSGBOX *>(window);
    return nullptr;
}

// Runs action on the message box as soon as it is up (and active).
void WhenBoxShows(std::function<void(frmMSGBOX *)> action)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        frmMSGBOX *box = VisibleBox();
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        box->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
        action(box);
    });
    poll->start(5);
}

chameleonButton *Place(frmMSGBOX *box, int place)
{
    return box->findChild<chameleonButton *>(QString("command1_%1").arg(place));
}

// Captions of the shown buttons, left to right.
QStringList ShownCaptions(frmMSGBOX *box)
{
    QList<chameleonButton *> shown;
    for (int place = 0; place < 4; ++place)
        if (Place(box, place)->isVisible())
            shown.append(Place(box, place));
    std::sort(shown.begin(), shown.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    QStringList captions;
    for (const chameleonButton *button : shown)
        captions.append(button->Caption());
    return captions;
}

void Click(chameleonButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

void Press(frmMSGBOX *box, Qt::Key key) { QTest::keyClick(box, key); }

MessageArgs Args(int buttons)
{
    MessageArgs args;
    args.Text = "Message";
    args.Buttons = buttons;
    return args;
}

} // namespace

TEST(MessageBox, EachButtonSetShowsItsButtonsAndAnswersByCaption)
{
    const struct { int code; QStringList captions; int clickPlace; int answer; } sets[] = {
        {1, {"Ignore", "Abort", "Retry"}, 3, MessageResult::Ignore},
        {2, {"Help"}, 2, MessageResult::Help},
        {3, {"OK", "Cancel"}, 0, MessageResult::OK},
        {4, {"OK"}, 0, MessageResult::OK},
        {5, {"Retry", "Cancel"}, 0, MessageResult::Retry},
        {6, {"Yes", "No"}, 1, MessageResult::No},
        {7, {"Yes", "No", "Cancel"}, 0, MessageResult::No},
    };
    for (const auto &set : sets) {
        MessageArgs args = Args(set.code);
        WhenBoxShows([&](frmMSGBOX *box) {
            EXPECT_EQ(ShownCaptions(box), set.captions) << set.code;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->role(),  // an error notice: an alert
                      set.code == 4 ? QAccessible::AlertMessage : QAccessible::Dialog);
            Click(Place(box, set.clickPlace));
        });
        EXPECT_EQ(ShowMessage(args), set.answer) << set.code;
        EXPECT_EQ(gMsgResult, set.answer);
    }
}

TEST(MessageBox, ZeroMeansOneCentredDefaultOK)
{
    for (const int code : {0, 10}) {
        MessageArgs args = Args(code);
        WhenBoxShows([](frmMSGBOX *box) {
            EXPECT_EQ(ShownCaptions(box), QStringList{"OK"});
            const chameleonButton *ok = Place(box, 0);
            EXPECT_EQ(ok->x(), (box->width() - ok->width()) / 2);
            EXPECT_TRUE(ok->isDefault());
            Press(box, Qt::Key_Return);
        });
        EXPECT_EQ(ShowMessage(args), MessageResult::OK) << code;
        EXPECT_EQ(args.Buttons, 4);
    }
}

TEST(MessageBox, TensChooseTheDefaultButtonAndAreRemoved)
{
    const struct { int code; int left; int answer; } cases[] = {
        {16, 6, MessageResult::Yes}, {26, 6, MessageResult::No}, {47, 7, MessageResult::Yes}};
    for (const auto &c : cases) {
        MessageArgs args = Args(c.code);
        WhenBoxShows([](frmMSGBOX *box) { Press(box, Qt::Key_Enter); });
        EXPECT_EQ(ShowMessage(args), c.answer) << c.code;
        EXPECT_EQ(args.Buttons, c.left);
    }
}

TEST(MessageBox, EscAnswersCancelNoOrALoneOKAndNothingElse)
{
    const struct { int code; int answer; } sets[] = {
        {MessageButtons::YesNoCancel, MessageResult::Cancel},
        {MessageButtons::OKCancel, MessageResult::Cancel},
        {MessageButtons::YesNo, MessageResult::No},
        {MessageButtons::OKOnly, MessageResult::OK},
    };
    for (const auto &set : sets) {
        MessageArgs args = Args(set.code);
        WhenBoxShows([](frmMSGBOX *box) { Press(box, Qt::Key_Escape); });
        EXPECT_EQ(ShowMessage(args), set.answer) << set.code;
    }

    MessageArgs abort = Args(MessageButtons::AbortRetryIgnore);
    WhenBoxShows([](frmMSGBOX *box) {
        Press(box, Qt::Key_Escape);
        QCoreApplication::processEvents();  // what the key posted, if anything
        EXPECT_FALSE(box->Finished);
        EXPECT_TRUE(box->isVisible());
        Click(Place(box, 0));
    });
    EXPECT_EQ(ShowMessage(abort), MessageResult::Abort);
}

TEST(MessageBox, TimeOutAnswersMinusOne)
{
    MessageArgs args = Args(MessageButtons::NoButtons);
    args.TimeoutMs = 300;
    WhenBoxShows([](frmMSGBOX *box) { EXPECT_TRUE(ShownCaptions(box).isEmpty()); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(ShowMessage(args), MessageResult::TimedOut);
    EXPECT_GE(clock.elapsed(), 280);
}

TEST(MessageBox, NoTimerForZeroOrNegativeTimeOuts)
{
    for (const int ms : {0, -1, -5}) {
        MessageArgs args = Args(MessageButtons::OKOnly);
        args.TimeoutMs = ms;
        WhenBoxShows([](frmMSGBOX *box) {
            EXPECT_FALSE(box->findChild<QTimer *>("etimer")->isActive());
            Click(Place(box, 0));
        });
        EXPECT_EQ(ShowMessage(args), MessageResult::OK) << ms;
    }
}

TEST(MessageBox, ClosingTheWindowAlwaysEndsTheWait)
{
    const struct { int code; int answer; } cases[] = {
        {MessageButtons::NoButtons, MessageResult::TimedOut},
        {9, MessageResult::TimedOut},
        {MessageButtons::AbortRetryIgnore, MessageResult::TimedOut},
        {MessageButtons::YesNo, MessageResult::No},
        {MessageButtons::OKCancel, MessageResult::Cancel},
    };
    for (const auto &c : cases) {
        MessageArgs args = Args(c.code);
        WhenBoxShows([](frmMSGBOX *box) { box->close(); });
        EXPECT_EQ(ShowMessage(args), c.answer) << c.code;
    }
}

TEST(MessageBox, EmptyCaptionBecomesTheApplicationsName)
{
    MessageArgs args = Args(MessageButtons::OKOnly);
    QString shown;
    WhenBoxShows([&](frmMSGBOX *box) {
        shown = box->windowTitle();
        Click(Place(box, 0));
    });
    ShowMessage(args);
    EXPECT_EQ(args.Caption, QGuiApplication::applicationDisplayName());
    EXPECT_FALSE(args.Caption.isEmpty());
    EXPECT_EQ(shown, args.Caption);
}

TEST(MessageBox, TitleLinesAndTextStartBlankInEveryBox)
{
    MessageArgs first = Args(MessageButtons::OKOnly);
    first.Title = "Invalid Name";
    first.Subtitle = "Name too long";
    first.Text = "Line one\r\nLine two\r\n";
    WhenBoxShows([](frmMSGBOX *box) {
        EXPECT_EQ(box->findChild<QLabel *>("Label1")->text(), "Invalid Name");
        EXPECT_EQ(box->findChild<QLabel *>("Label2")->text(), "Name too long");
        EXPECT_EQ(box->findChild<QPlainTextEdit *>("lblMessage")->toPlainText(), "Line one\nLine two\n");
        EXPECT_FALSE(box->findChild<QPlainTextEdit *>("lblscrollbars")->isVisible());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), "Invalid Name");
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description).endsWith("two\n"));
        Click(Place(box, 0));
    });
    ShowMessage(first);

    MessageArgs second = Args(MessageButtons::OKOnly);
    second.ScrollText = 1;
    WhenBoxShows([](frmMSGBOX *box) {
        EXPECT_EQ(box->findChild<QLabel *>("Label1")->text(), "");
        EXPECT_EQ(box->findChild<QLabel *>("Label2")->text(), "");
        EXPECT_FALSE(box->findChild<QPlainTextEdit *>("lblMessage")->isVisible());
        const auto *scrolling = box->findChild<QPlainTextEdit *>("lblscrollbars");
        EXPECT_TRUE(scrolling->isVisible());
        EXPECT_EQ(scrolling->toPlainText(), "Message");
        Click(Place(box, 0));
    });
    ShowMessage(second);
}

TEST(MessageBox, IconsOutsideTheTableShowNothing)
{
    const struct { int icon; bool shown; } cases[] = {{0, true}, {1, true}, {10, true}, {12, true},
                                                      {13, false}, {-1, false}};
    QImage error;
    for (const auto &c : cases) {
        MessageArgs args = Args(MessageButtons::OKOnly);
        args.Icon = c.icon;
        WhenBoxShows([&](frmMSGBOX *box) {
            const QPixmap icon = box->findChild<QLabel *>("Picture1")->pixmap();
            EXPECT_EQ(!icon.isNull(), c.shown) << c.icon;
            if (c.icon == 1)
                error = icon.toImage();
            else if (c.shown) {
                EXPECT_NE(icon.toImage(), error) << c.icon;
            }
            Click(Place(box, 0));
        });
        ShowMessage(args);
    }
}

TEST(MessageBox, OpensCentredAndMovesOnlyTheGivenCoordinates)
{
    QPoint centred;
    MessageArgs plain = Args(MessageButtons::OKOnly);
    WhenBoxShows([&](frmMSGBOX *box) {
        centred = box->pos();
        const QPoint offCentre = box->frameGeometry().center() - box->screen()->availableGeometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 6);  // the frame's width aside
        Click(Place(box, 0));
    });
    ShowMessage(plain);

    const struct { int top; int left; QPoint expected; } cases[] = {
        {-1, 300, {20, centred.y()}}, {600, -1, {centred.x(), 40}}, {150, 1500, {100, 10}}};
    for (const auto &c : cases) {
        MessageArgs args = Args(MessageButtons::OKOnly);
        args.Top = c.top;
        args.Left = c.left;
        WhenBoxShows([&](frmMSGBOX *box) {
            EXPECT_EQ(box->pos(), c.expected);
            Click(Place(box, 0));
        });
        ShowMessage(args);
    }
}

TEST(MessageBox, ButtonStyleChoosesRoundedOrRaisedButtons)
{
    for (const int style : {1, 0, 2}) {
        MessageArgs args = Args(MessageButtons::OKOnly);
        args.ButtonStyle = style;
        WhenBoxShows([style](frmMSGBOX *box) {
            for (int place = 0; place < 4; ++place)
                EXPECT_EQ(Place(box, place)->ButtonType(), style == 1 ? 3 : 2);
            Click(Place(box, 0));
        });
        ShowMessage(args);
    }
}

TEST(MessageBox, DisableFormsRestoresEachWindowsOwnState)
{
    QWidget enabled;
    QWidget disabled;
    enabled.show();
    disabled.show();
    disabled.setEnabled(false);
    MessageArgs args = Args(MessageButtons::OKOnly);
    args.DisableForms = 1;
    WhenBoxShows([&](frmMSGBOX *box) {
        EXPECT_FALSE(enabled.isEnabled());
        EXPECT_TRUE(box->isEnabled());
        Click(Place(box, 0));
    });
    EXPECT_EQ(ShowMessage(args), MessageResult::OK);
    EXPECT_TRUE(enabled.isEnabled());
    EXPECT_FALSE(disabled.isEnabled());
}

// Timers keep running while the box waits, but no other window takes the
// user's input: nothing can close the window whose handler waits.
TEST(MessageBox, TimersRunDuringTheWaitButOtherWindowsTakeNoInput)
{
    QWidget other;
    auto *button = new chameleonButton(&other);
    button->setGeometry(0, 0, 80, 30);
    int pressed = 0;
    QObject::connect(button, &chameleonButton::clicked, [&] { ++pressed; });
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    MessageArgs args = Args(MessageButtons::OKOnly);
    WhenBoxShows([&](frmMSGBOX *box) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 1000));
        QTest::mouseClick(other.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 15));
        EXPECT_EQ(pressed, 0);
        Click(Place(box, 0));
    });
    ShowMessage(args);
    EXPECT_GE(ticks, 3);
    QTest::mouseClick(other.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 15));
    EXPECT_EQ(pressed, 1);
}

// The window that asked keeps its own default button and a text box with the
// focus; the keys the user presses next must answer the box, not that window.
TEST(MessageBox, TakesTheKeyboardFromTheWindowThatAsked)
{
    QWidget asking;
    auto *typing = new QLineEdit(&asking);
    auto *ok = new chameleonButton(&asking);
    ok->setDefault(true);
    int pressedBehind = 0;
    QObject::connect(ok, &chameleonButton::clicked, [&] { ++pressedBehind; });
    asking.show();
    asking.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&asking));
    typing->setFocus();

    const struct {
        int code;
        const char *focused;  // the button that has the focus
        Qt::Key key;
        int answer;
        int defaultAnswer = -1;
    } cases[] = {
        {MessageButtons::OKOnly, "OK", Qt::Key_Return, MessageResult::OK},
        {16, "Yes", Qt::Key_Enter, MessageResult::Yes},
        {26, "No", Qt::Key_Return, MessageResult::No},
        {MessageButtons::YesNoCancel, "Yes", Qt::Key_Escape, MessageResult::Cancel},
        {MessageButtons::YesNo, "Yes", Qt::Key_Space, MessageResult::Yes},
        {MessageButtons::YesNo, "Yes", Qt::Key_Return, MessageResult::Yes},
        {MessageButtons::OKCancel, "OK", Qt::Key_Escape, MessageResult::Cancel},
        // The answer that keeps the user's work opens with the keyboard.
        {MessageButtons::YesNo, "No", Qt::Key_Return, MessageResult::No, MessageResult::No},
        {MessageButtons::YesNoCancel, "Yes", Qt::Key_Enter, MessageResult::Yes, MessageResult::Yes},
        {MessageButtons::YesNoCancel, "No", Qt::Key_Return, MessageResult::No, MessageResult::No},
        {MessageButtons::YesNo, "No", Qt::Key_Escape, MessageResult::No, MessageResult::No},
    };
    for (const auto &c : cases) {
        MessageArgs args = Args(c.code);
        args.DefaultAnswer = c.defaultAnswer;
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, &c] {
            frmMSGBOX *box = VisibleBox();
            if (!box)
                return;
            poll->stop();
            poll->deleteLater();
            // A key that goes astray must not leave the box waiting for ever.
            QTimer::singleShot(2000, box, [box] {
                ADD_FAILURE() << "the key did not answer the box";
                box->close();
            });
            EXPECT_TRUE(QTest::qWaitForWindowActive(box)) << c.code;
            auto *focused = qobject_cast<chameleonButton *>(QApplication::focusWidget());
            EXPECT_TRUE(focused && focused->window() == box) << c.code;
            EXPECT_EQ(focused ? focused->Caption() : QString(), c.focused) << c.code;
            QTest::keyClick(QApplication::focusWidget(), c.key);
        });
        poll->start(5);
        EXPECT_EQ(ShowMessage(args), c.answer) << c.code;
    }
    EXPECT_EQ(pressedBehind, 0);
}
