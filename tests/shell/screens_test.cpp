#include "shelltest.h"

#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QScreen>
#include <QTest>

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

    // Every control of window lies in what the user sees.
    void ExpectEveryControlInSight(QWidget *window)
    {
        const QRect seen = Seen();
        int controls = 0;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const bool isControl = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
                                   || qobject_cast<QLineEdit *>(control);
            if (!isControl || !control->isVisible())
                continue;
            ++controls;
            const QRect at(control->mapToGlobal(QPoint(0, 0)), control->size());
            EXPECT_TRUE(seen.contains(at)) << control->objectName().toStdString() << " is out of sight";
        }
        EXPECT_GT(controls, 0);
    }
};

} // namespace

// The first minutes of a new user: the options, every control in sight, Close
// in reach, and the main menu back, maximised.
TEST_F(OnEveryScreen, TheOptionsDialogHasEveryControlInSightAndCloseBringsBackTheMenu)
{
    EXPECT_TRUE(LoadForm<Main>()->isMaximized());
    LoadForm<Main>()->findChild<QAction *>("Customize")->trigger();
    customise *options = LoadedForm<customise>();
    ASSERT_NE(options, nullptr);
    ExpectEveryControlInSight(options);
    QTest::mouseClick(options->findChild<QAbstractButton *>("command5"), Qt::LeftButton);
    ProcessUnloads();
    EXPECT_EQ(LoadedForm<customise>(), nullptr);
    ASSERT_TRUE(LoadForm<MainWizard>()->isVisible());
    EXPECT_TRUE(LoadForm<MainWizard>()->parentWidget()->isMaximized());
    ExpectEveryControlInSight(LoadForm<MainWizard>());
}
