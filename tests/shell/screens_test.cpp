#include "shelltest.h"

#include "model/settings.h"
#include "platform/registry.h"
#include "shell/addhelp.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmlogin.h"
#include "shell/frmmainhelp.h"
#include "shell/frmsplash.h"
#include "shell/introscreen.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QScreen>
#include <QSet>
#include <QTest>

#include <functional>

using namespace fixtora;

namespace {

// The program on the screen the test process has. ctest runs these tests on
// the default screen of the offscreen platform and again on screens of
// 800x600, 1024x768, 1366x768 and 1920x1080 (FIXTORA_SCREEN names the size
// the process was given, so a screen that was not set up fails the test).
class OnEveryScreen : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        const QString expected = qEnvironmentVariable("FIXTORA_SCREEN");
        const QSize size = QGuiApplication::primaryScreen()->size();
        if (!expected.isEmpty()) {
            ASSERT_EQ(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), expected);
        }
        ShowMainMenu();
    }

    // What the user sees of the workspace, in screen coordinates.
    QRect Seen()
    {
        const QWidget *viewport = LoadForm<Main>()->findChild<QMdiArea *>()->viewport();
        const QRect workspace(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
        return workspace.intersected(QGuiApplication::primaryScreen()->geometry());
    }

    // The visible controls of window a user can type into or press (a combo
    // box's own text box counts as the box).
    static QList<QWidget *> Controls(QWidget *window)
    {
        QList<QWidget *> controls;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const bool isControl = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
                                   || (qobject_cast<QLineEdit *>(control)
                                       && !qobject_cast<QComboBox *>(control->parentWidget()));
            if (isControl && control->isVisible())
                controls.append(control);
        }
        return controls;
    }

    // Every control of window lies in what the user sees.
    void ExpectEveryControlInSight(QWidget *window)
    {
        const QRect seen = Seen();
        const QList<QWidget *> controls = Controls(window);
        for (QWidget *control : controls) {
            const QRect at(control->mapToGlobal(QPoint(0, 0)), control->size());
            EXPECT_TRUE(seen.contains(at)) << control->objectName().toStdString() << " is out of sight";
        }
        EXPECT_FALSE(controls.isEmpty());
    }

    // Tab, pressed again and again from the first control, takes the keyboard
    // to every enabled control of window.
    void ExpectEveryControlOnTheTabRound(QWidget *window)
    {
        QSet<QWidget *> missed;
        for (QWidget *control : Controls(window))
            if (control->isEnabled())
                missed.insert(control);
        LoadForm<Main>()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(LoadForm<Main>()));
        Controls(window).first()->setFocus(Qt::TabFocusReason);
        for (qsizetype presses = 0; presses < 3 * Controls(window).size() && !missed.isEmpty(); ++presses) {
            QWidget *focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            for (QWidget *at = focus; at && at != window; at = at->parentWidget())
                missed.remove(at);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        for (QWidget *control : std::as_const(missed))
            ADD_FAILURE() << control->objectName().toStdString() << " is never reached with Tab";
    }
};

} // namespace

// The first minutes of a new user: the options, every control in sight, Close
// in reach, and the main menu back, maximised.
TEST_F(OnEveryScreen, TheOptionsDialogHasEveryControlInSightAndCloseBringsBackTheMenu)
{
    EXPECT_TRUE(LoadForm<Main>()->isMaximized());
    Find<QAction>(LoadForm<Main>(), "Customize")->trigger();
    customise *options = LoadedForm<customise>();
    ASSERT_NE(options, nullptr);
    ExpectEveryControlInSight(options);
    ExpectEveryControlOnTheTabRound(options);
    QTest::mouseClick(Find<QAbstractButton>(options, "command5"), Qt::LeftButton);
    ProcessUnloads();
    EXPECT_EQ(LoadedForm<customise>(), nullptr);
    ASSERT_TRUE(LoadForm<MainWizard>()->isVisible());
    EXPECT_TRUE(LoadForm<MainWizard>()->parentWidget()->isMaximized());
    ExpectEveryControlInSight(LoadForm<MainWizard>());
    ExpectEveryControlOnTheTabRound(LoadForm<MainWizard>());
}

// The screen as it is, not the one the other tests are given: the program's
// own windows, opened as the user opens them, come up in the middle of it
// (the screen question below 1024x768 is answered Yes).
TEST_F(OnEveryScreen, TheProgramsOwnWindowsOpenInTheMiddleOfTheScreen)
{
    SetScreenForTests(std::nullopt);
    ASSERT_TRUE(StorePreference(kRegPassword, "Abc"));
    const QSize size = QGuiApplication::primaryScreen()->size();
    BoxAnswers boxes(size.width() < 1024 || size.height() < 768 ? QStringList{"Yes", "OK"} : QStringList{});
    const struct {
        const char *window;
        std::function<QWidget *()> open;
    } windows[] = {
        {"IntroScreen", [] { IntroScreen *intro = LoadForm<IntroScreen>(); EXPECT_TRUE(intro->Load()); return intro; }},
        {"frmLogin", [] {
             QTest::mouseClick(Find<QAbstractButton>(LoadForm<IntroScreen>(), "command1"), Qt::LeftButton);
             return LoadedForm<frmLogin>();
         }},
        {"frmSplash", [] { Find<QAction>(LoadForm<Main>(), "About")->trigger(); return LoadedForm<frmSplash>(); }},
        {"frmmainhelp", [] {
             QTest::mouseClick(Find<QAbstractButton>(LoadForm<MainWizard>(), "Wiz2Help"), Qt::LeftButton);
             return LoadedForm<frmmainhelp>();
         }},
        {"Addhelp", [] { LoadForm<Addhelp>()->show(); return LoadedForm<Addhelp>(); }},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window);
        QWidget *window = w.open();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QRect available = window->screen()->availableGeometry();
        EXPECT_TRUE(available.contains(window->frameGeometry()));
        // Within a few pixels: a window manager's frame.
        EXPECT_LE((window->frameGeometry().center() - available.center()).manhattanLength(), 12);
    }
}
