#include "ui/chameleonbutton.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <array>
#include <memory>

using namespace fixtora;

namespace {

QPalette ClassicPalette()
{
    QPalette p;
    p.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0, 0, 0x80));
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    return p;
}

// A button of the given type, 60 x 20, with the classic system colours, shown
// without the keyboard focus.
std::unique_ptr<chameleonButton> ShownButton(int type, const QString &caption = QString())
{
    auto b = std::make_unique<chameleonButton>();
    b->setFocusPolicy(Qt::NoFocus);
    b->setPalette(ClassicPalette());
    b->setButtonType(type);
    b->setCaption(caption);
    b->resize(60, 20);
    b->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(b.get()));
    return b;
}

quint32 At(const chameleonButton &b, int x, int y)
{
    return b.face().pixel(x, y) & 0xFFFFFF;
}

void Send(QWidget *w, QEvent::Type type, Qt::MouseButton button, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Hover(QWidget *w)
{
    Send(w, QEvent::MouseMove, Qt::NoButton, QPoint(10, 10));
}

} // namespace

TEST(chameleonButtonFace, GradientUpHoverAndPressed)
{
    auto b = ShownButton(14);
    // Up: a dark outer frame, a face-9 inner frame, highlight bands, the gradient.
    EXPECT_EQ(At(*b, 5, 0), 0x4E4E4Eu);
    EXPECT_EQ(At(*b, 59, 10), 0x4E4E4Eu);
    EXPECT_EQ(At(*b, 1, 1), 0xB7B7B7u);
    EXPECT_EQ(At(*b, 58, 10), 0xB7B7B7u);
    EXPECT_EQ(At(*b, 2, 2), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 57, 3), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 3, 17), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 10, 4), 0xF3F3F3u);
    EXPECT_EQ(At(*b, 10, 10), 0xE2E2E2u);
    EXPECT_EQ(At(*b, 10, 17), 0xCECECEu);
    EXPECT_FALSE(b->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(b->mask().contains(QPoint(59, 19)));
    EXPECT_TRUE(b->mask().contains(QPoint(1, 0)));

    Hover(b.get());
    EXPECT_EQ(At(*b, 10, 10), 0xDFDFDFu);
    EXPECT_EQ(At(*b, 10, 17), 0xDFDFDFu);
    EXPECT_EQ(At(*b, 5, 0), 0x4E4E4Eu);
    EXPECT_EQ(At(*b, 2, 2), 0xFFFFFFu);

    Send(b.get(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(At(*b, 0, 0), 0x505050u);
    EXPECT_EQ(At(*b, 59, 19), 0x505050u);
    EXPECT_EQ(At(*b, 1, 1), 0xB7B7B7u);
    EXPECT_EQ(At(*b, 10, 10), 0xB7B7B7u);
    EXPECT_EQ(At(*b, 2, 2), 0xB7B7B7u);
    EXPECT_EQ(At(*b, 10, 18), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 58, 18), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 58, 1), 0xB7B7B7u);
    EXPECT_EQ(At(*b, 1, 18), 0xB7B7B7u);
}

TEST(chameleonButtonFace, ClassicRaisedCornersFollowTheLineEndRule)
{
    auto b = ShownButton(2);
    EXPECT_EQ(At(*b, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 59, 0), 0u);
    EXPECT_EQ(At(*b, 0, 19), 0u);
    EXPECT_EQ(At(*b, 59, 19), 0u);
    EXPECT_EQ(At(*b, 1, 1), 0xDFDFDFu);
    EXPECT_EQ(At(*b, 58, 1), 0x808080u);
    EXPECT_EQ(At(*b, 1, 18), 0x808080u);
    EXPECT_EQ(At(*b, 58, 18), 0x808080u);
    EXPECT_EQ(At(*b, 10, 10), 0xC0C0C0u);
    EXPECT_TRUE(b->mask().contains(QPoint(0, 0)));

    Send(b.get(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(At(*b, 0, 0), 0u);
    EXPECT_EQ(At(*b, 59, 0), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 0, 19), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 1, 1), 0x808080u);
    EXPECT_EQ(At(*b, 58, 1), 0xDFDFDFu);
    Send(b.get(), QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(10, 10));

    // The default button: a dark outer frame with the bevel one pixel inside.
    b->setDefault(true);
    EXPECT_EQ(At(*b, 0, 0), 0u);
    EXPECT_EQ(At(*b, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(At(*b, 58, 1), 0u);
    EXPECT_EQ(At(*b, 2, 2), 0xDFDFDFu);
    EXPECT_EQ(At(*b, 57, 2), 0x808080u);
}

TEST(chameleonButtonFace, DisabledAndLatchedLooks)
{
    auto b = ShownButton(14);
    const QImage up = b->face();
    b->setEnabled(false);
    EXPECT_EQ(b->face(), up); // empty caption: the disabled gradient face is the up face
    Send(b.get(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(b->face(), up);
    b->setEnabled(true);

    b->setCheckBoxBehaviour(true);
    b->setValue(true);
    EXPECT_EQ(At(*b, 10, 10), 0xB7B7B7u); // drawn pressed while Value holds
    b->setValue(false);
    EXPECT_EQ(b->face(), up);
}

// A short caption with an access key stays on one line, as wide buttons show it.
TEST(chameleonButtonFace, ACaptionWithAnAccessKeyIsNotWrapped)
{
    auto b = ShownButton(2, "League &Table");
    b->resize(300, 34);
    const QImage face = b->face();
    int firstRow = -1, lastRow = -1;
    for (int y = 2; y < face.height() - 2; ++y)
        for (int x = 2; x < face.width() - 2; ++x)
            if (qGray(face.pixel(x, y)) < 96) {
                firstRow = firstRow < 0 ? y : firstRow;
                lastRow = y;
            }
    ASSERT_GE(firstRow, 0);
    EXPECT_LE(lastRow - firstRow, QFontMetrics(b->font()).height());
}

TEST(chameleonButtonFace, ColourSchemeTwoHoverUsesTheHoverBackColour)
{
    auto b = ShownButton(10);
    b->setColorScheme(2);
    b->setBackColor(0x0000FF);
    b->setBackOver(0x00FF00);
    EXPECT_EQ(At(*b, 10, 10), 0xFF0000u); // red (blue in QRgb order swapped)
    Hover(b.get());
    EXPECT_EQ(At(*b, 10, 10), 0x00FF00u);
    EXPECT_EQ(b->BackColor(), 0x0000FF);
}

TEST(chameleonButtonFace, SeeThroughShowsTheContainerUnderneath)
{
    QWidget container;
    QPalette green;
    green.setColor(QPalette::Window, QColor(0, 200, 0));
    container.setPalette(green);
    container.setAutoFillBackground(true);
    container.resize(100, 50);
    auto *b = new chameleonButton(&container);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(10, 10, 60, 20);
    b->setButtonType(11);
    container.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&container));
    EXPECT_EQ(At(*b, 30, 2), 0x00C800u);
}

TEST(chameleonButtonInput, ClicksComeFromTheLeftButtonReleasedOverTheButton)
{
    auto b = ShownButton(14, "&Continue");
    QSignalSpy clicks(b.get(), &QAbstractButton::clicked);

    QTest::mouseClick(b.get(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(b.get(), Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseClick(b.get(), Qt::MiddleButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);

    Send(b.get(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
    Send(b.get(), QEvent::MouseMove, Qt::LeftButton, QPoint(100, 10));
    Send(b.get(), QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(100, 10));
    EXPECT_EQ(clicks.count(), 1);

    b->setEnabled(false);
    QTest::mouseClick(b.get(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(chameleonButtonInput, ALeftDragShowsUpOffTheButtonAndPressedBackOnIt)
{
    auto b = ShownButton(14);
    const QImage up = b->face();
    Send(b.get(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
    const QImage pressed = b->face();
    EXPECT_NE(pressed, up);
    Send(b.get(), QEvent::MouseMove, Qt::LeftButton, QPoint(-20, 10));
    EXPECT_EQ(b->face(), up);
    Send(b.get(), QEvent::MouseMove, Qt::LeftButton, QPoint(12, 10));
    EXPECT_EQ(b->face(), pressed);
}

TEST(chameleonButtonInput, ADoubleClickGivesOneClick)
{
    auto b = ShownButton(14, "OK");
    QSignalSpy clicks(b.get(), &QAbstractButton::clicked);
    QSignalSpy downs(b.get(), &chameleonButton::MouseDown);
    QTest::mouseDClick(b->windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(downs.count(), 2);
}

TEST(chameleonButtonInput, SpaceClicksOnRelease)
{
    auto b = ShownButton(14, "OK");
    QSignalSpy clicks(b.get(), &QAbstractButton::clicked);
    QTest::keyPress(b.get(), Qt::Key_Space);
    EXPECT_EQ(At(*b, 10, 10), 0xB7B7B7u);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(b.get(), Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);

    QTest::keyPress(b.get(), Qt::Key_Space);
    QTest::keyClick(b.get(), Qt::Key_X);
    QTest::keyRelease(b.get(), Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(chameleonButtonInput, CheckBoxBehaviourTogglesTheValue)
{
    auto b = ShownButton(14, "OK");
    b->setCheckBoxBehaviour(true);
    QTest::mouseClick(b.get(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(b->Value());
    QTest::keyClick(b.get(), Qt::Key_Space);
    EXPECT_FALSE(b->Value());
}

class chameleonButtonWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *grid = new QGridLayout(&window);
        for (const char *caption : {"&Continue", "Home && Away rule is:-", "E&xit"}) {
            auto *b = new chameleonButton(&window);
            b->setCaption(caption);
            grid->addWidget(b);
            buttons.append(b);
        }
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QList<chameleonButton *> buttons;
};

TEST_F(chameleonButtonWindow, AccessKeysEnterAndEscPressTheirButtons)
{
    QSignalSpy proceed(buttons[0], &QAbstractButton::clicked);
    QSignalSpy rule(buttons[1], &QAbstractButton::clicked);
    QSignalSpy cancel(buttons[2], &QAbstractButton::clicked);

    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(proceed.count(), 1);
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(rule.count(), 0);

    // Return and Enter press the focused button, else the default button.
    auto *box = new QLineEdit(&window);
    box->show();
    buttons[0]->setDefault(true);
    buttons[2]->setCancel(true);
    buttons[1]->setFocus();
    QTest::keyClick(buttons[1], Qt::Key_Return);
    QTest::keyClick(buttons[1], Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(rule.count(), 2);
    EXPECT_EQ(proceed.count(), 1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(proceed.count(), 2);
    QTest::keyClick(buttons[1], Qt::Key_Escape);
    EXPECT_EQ(cancel.count(), 1);

    buttons[0]->setEnabled(false);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(proceed.count(), 2);
}

TEST_F(chameleonButtonWindow, ArrowKeysMoveTheFocus)
{
    buttons[1]->setFocus();
    QTest::keyClick(buttons[1], Qt::Key_Right);
    EXPECT_TRUE(buttons[2]->hasFocus());
    QTest::keyClick(buttons[2], Qt::Key_Up);
    EXPECT_TRUE(buttons[1]->hasFocus());
    QTest::keyClick(buttons[1], Qt::Key_Left);
    EXPECT_TRUE(buttons[0]->hasFocus());
    QTest::keyClick(buttons[0], Qt::Key_Down);
    EXPECT_TRUE(buttons[1]->hasFocus());
}

TEST(chameleonButtonProperties, TheBagRoundTripsAndMissingKeysReadTheirDefaults)
{
    chameleonButton source;
    source.setButtonType(3);
    source.setCaption("&Yes");
    source.setColorScheme(2);
    source.setBackColor(0x123456);
    source.setBackOver(0x654321);
    source.setPicturePosition(2);
    source.setSpecialEffect(1);
    source.setHandPointer(true);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    source.setPictureNormal(picture);
    const QVariantMap bag = source.WriteProperties();
    EXPECT_EQ(bag.size(), 23);

    chameleonButton copy;
    copy.ReadProperties(bag);
    const QVariantMap copied = copy.WriteProperties();
    for (auto it = bag.begin(); it != bag.end(); ++it) {
        if (it.key() != "MICON") { // a pixmap has no equality; it is a null icon in both
            EXPECT_EQ(copied[it.key()], it.value()) << it.key().toStdString();
        }
    }
    EXPECT_EQ(copy.Caption(), "&Yes");
    EXPECT_EQ(copy.cursor().shape(), Qt::PointingHandCursor);

    chameleonButton fresh;
    fresh.ReadProperties({{"BCOL", 0x00FF00}, {"FCOL", 0x0000FF}});
    const QVariantMap defaults = fresh.WriteProperties();
    EXPECT_EQ(defaults["BTYPE"].toInt(), 2);
    EXPECT_EQ(defaults["COLTYPE"].toInt(), 1);
    EXPECT_EQ(defaults["BCOLO"].toInt(), 0x00FF00);
    EXPECT_EQ(defaults["FCOLO"].toInt(), 0x0000FF);
    EXPECT_EQ(defaults["MCOL"].toInt(), 0xC0C0C0);
    EXPECT_TRUE(defaults["ENAB"].toBool());
    EXPECT_TRUE(defaults["UMCOL"].toBool());
    EXPECT_EQ(defaults["MPTR"].toInt(), 1); // "HAND" False sets the arrow
}

TEST(chameleonButtonPictures, AHoverPictureOfAnotherSizeIsDrawnAtItsOwnSize)
{
    auto b = ShownButton(14);
    QImage normal(8, 8, QImage::Format_RGB32), over(40, 30, QImage::Format_RGB32);
    normal.fill(Qt::red);
    over.fill(Qt::blue);
    b->setPictureNormal(normal);
    b->setPictureOver(over);
    EXPECT_EQ(At(*b, 30, 10), 0xFF0000u);
    Hover(b.get());
    EXPECT_EQ(At(*b, 30, 10), 0x0000FFu);
    EXPECT_EQ(At(*b, 59, 19), 0x0000FFu);
}

// Every type in every state: each type must look unlike every other in at
// least one state (a type drawn with another's look is a fault), and the
// gradient type's default button has a bold caption.
TEST(chameleonButtonPanel, EveryTypeInEveryState)
{
    const QStringList states = {"up", "hover", "pressed", "disabled", "focus", "default"};
    QImage picture(12, 12, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(2, 2, 8, 8, QColor(0, 128, 0));

    std::array<QList<QImage>, 15> faces;  // by type, one face per state
    for (int type = 1; type <= 14; ++type) {
        for (const QString &state : states) {
            auto b = ShownButton(type, type == 5 ? "&Picture" : "&Continue");
            b->resize(90, 26);
            if (type == 5)
                b->setPictureNormal(picture);
            if (state == "hover")
                Hover(b.get());
            else if (state == "pressed")
                Send(b.get(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
            else if (state == "disabled")
                b->setEnabled(false);
            else if (state == "focus") {
                QFocusEvent in(QEvent::FocusIn);
                QApplication::sendEvent(b.get(), &in);
            } else if (state == "default")
                b->setDefault(true);
            faces[type].append(b->face());
        }
    }
    for (int type = 1; type <= 14; ++type)
        for (int other = type + 1; other <= 14; ++other)
            EXPECT_NE(faces[type], faces[other]) << "types " << type << " and " << other << " look the same";
    EXPECT_NE(faces[14][states.indexOf("default")], faces[14][states.indexOf("up")]);
}
