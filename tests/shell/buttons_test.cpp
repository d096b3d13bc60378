#include "shelltest.h"

#include "shell/addhelp.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmlogin.h"
#include "shell/frmmainhelp.h"
#include "shell/frmsplash.h"
#include "shell/introscreen.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/chameleonbutton.h"
#include "ui/programbutton.h"

#include <QAction>
#include <QCheckBox>
#include <QTabBar>

#include <functional>

using namespace fixtora;

namespace {

class ShellButtons : public ShellTest {};

// The buttons a user presses: every button but the check boxes and the
// scroll arrows Qt puts into a tab bar.
QList<QAbstractButton *> ButtonsOf(QWidget *window)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (!qobject_cast<QCheckBox *>(button) && !qobject_cast<QTabBar *>(button->parentWidget()))
            buttons.append(button);
    return buttons;
}

} // namespace

// Every window of the shell, opened as the user opens it: each of its
// buttons is the program's button, the gradient look in grey and black.
TEST_F(ShellButtons, EveryButtonOfEveryWindowIsTheProgramsButton)
{
    const struct {
        const char *window;
        std::function<QWidget *()> open;
        int buttons;
    } windows[] = {
        {"IntroScreen", [] { IntroScreen *intro = LoadForm<IntroScreen>(); EXPECT_TRUE(intro->Load()); return intro; }, 1},
        {"frmLogin", [] { return LoadForm<frmLogin>(); }, 3},
        {"MainWizard", [] { ShowMainMenu(); return LoadForm<MainWizard>(); }, 11},
        {"customise", [] {
             Find<QAction>(LoadForm<Main>(), "Customize")->trigger();
             return LoadedForm<customise>();
         }, 15},
        {"frmSplash", [] { Find<QAction>(LoadForm<Main>(), "About")->trigger(); return LoadedForm<frmSplash>(); }, 1},
        {"frmmainhelp", [] { return LoadForm<frmmainhelp>(); }, 1},
        {"Addhelp", [] { return LoadForm<Addhelp>(); }, 1},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window);
        QWidget *window = w.open();
        ASSERT_NE(window, nullptr);
        const QList<QAbstractButton *> buttons = ButtonsOf(window);
        EXPECT_EQ(buttons.size(), w.buttons);
        for (QAbstractButton *button : buttons) {
            SCOPED_TRACE(button->objectName().toStdString());
            auto *programs = qobject_cast<chameleonButton *>(button);
            ASSERT_NE(programs, nullptr);
            EXPECT_EQ(programs->ButtonType(), kProgramButtonType);
            EXPECT_EQ(programs->ColorScheme(), 1);
            EXPECT_EQ(programs->BackColor(), 0xC0C0C0);
            EXPECT_EQ(programs->BackOver(), 0xC0C0C0);
            EXPECT_EQ(programs->MaskColor(), 0xC0C0C0);
            EXPECT_EQ(programs->ForeColor(), 0);
            EXPECT_EQ(programs->ForeOver(), 0);
        }
    }
}
