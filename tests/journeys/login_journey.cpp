// A program kept behind a password, started on a display without a window
// manager: the login window takes the keyboard by itself, so the password is
// typed at once; a wrong one is refused and selected for typing over.

#include "journey.h"

#include "model/settings.h"
#include "platform/registry.h"
#include "shell/forms.h"
#include "shell/introscreen.h"

#include <QApplication>

namespace fixtora {
namespace {

class LoginJourney : public Journey {};

TEST_F(LoginJourney, TheLoginTakesTheKeyboardWithoutAWindowManager)
{
    ASSERT_TRUE(SaveRegString(kHKeyLocalMachine, kSoftwareKey, kRegPassword, QStringLiteral("Abc")));
    ASSERT_TRUE(LoadForm<IntroScreen>()->Load());
    ASSERT_TRUE(Shows("IntroScreen"));
    WithoutWindowManager();
    Press(Qt::Key_C, Qt::AltModifier);  // "&Continue"
    QWidget *login = Form("frmLogin");
    ASSERT_NE(login, nullptr);
    ASSERT_TRUE(WaitFor([login] { return QApplication::activeWindow() == login; }, "the login to take the keyboard"));
    {
        BoxAnswers boxes({"<Return>"});
        Type(QStringLiteral("abc"));
        Press(Qt::Key_Return);
        EXPECT_EQ(boxes.texts(), QStringList{"Invalid password, please try again"});
    }
    ASSERT_TRUE(WaitFor([login] { return QApplication::activeWindow() == login; }, "the keyboard back in the login"));
    Type(QStringLiteral("Abc"));
    Press(Qt::Key_Return);
    ASSERT_TRUE(Shows("MainWizard"));
    ChooseMenu("File", "Exit");
    EXPECT_EQ(programEnds, 1);
}

} // namespace
} // namespace fixtora
