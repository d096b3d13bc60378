#include "shell/frmlogin.h"

#include "model/settings.h"
#include "platform/appinfo.h"
#include "shell/introscreen.h"
#include "shell/password.h"
#include "shell/savesettings.h"
#include "shell/shellplatform.h"
#include "ui/balloon.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>

namespace fixtora {

namespace {

constexpr int kFailedLoginIcon = 10;
constexpr int kAllowedAttempts = 3;

// The window and its controls, in twips.
constexpr QSize kWindowSize(5100, 1800);
constexpr QRect kLblLabels(240, 330, 1200, 330);
constexpr QRect kTxtPassword(1500, 300, 2700, 390);
constexpr QRect kCommand4(4380, 270, 450, 450);
constexpr QRect kCmdok(1500, 1050, 1290, 480);
constexpr QRect kCmdcancel(2910, 1050, 1290, 480);

// An "Invalid password" box with text; the keyboard goes back to box when given.
void ShowInvalidPassword(const QString &text, QWidget *box = nullptr)
{
    const QString title = QStringLiteral("Invalid password");
    Refuse(title, title, text, box, QString(), kFailedLoginIcon);
}

} // namespace

frmLogin::frmLogin()
    : lblLabels(InTwips(MakeLabel(this, "lblLabels", QStringLiteral("&Password:")), kLblLabels)),
      txtPassword(InTwips(MakeTextBox(this, "txtPassword"), kTxtPassword)),
      cmdok(InTwips(MakeButton(this, "cmdok", QStringLiteral("&OK")), kCmdok)),
      cmdcancel(InTwips(MakeButton(this, "cmdcancel", QStringLiteral("&Cancel")), kCmdcancel)),
      command4(InTwips(MakeHelpButton(this, "command4", QStringLiteral("Enter Password")), kCommand4))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Enter password"));
    SetFixedSizeInTwips(this, kWindowSize);
    setTabOrder(txtPassword, command4);  // the help beside the box, before OK
    lblLabels->setBuddy(txtPassword);
    txtPassword->setEchoMode(QLineEdit::Password);
    cmdok->setDefault(true);
    cmdcancel->setCancel(true);
    connect(cmdok, &QAbstractButton::clicked, this, &frmLogin::cmdok_Click);
    connect(cmdcancel, &QAbstractButton::clicked, this, &frmLogin::cmdcancel_Click);
    connect(command4, &QAbstractButton::clicked, this, &frmLogin::command4_Click);
    Form_Load();
}

void frmLogin::Form_Load()
{
    const ScreenInfo screen = CurrentScreen();
    move(screen.width / 2 - width() / 2, screen.height / 2 - height() / 2);
    m_wrongEntries = 0;
}

// The window takes the keyboard as it shows, in the password box: without a
// window manager nothing else would give it, and the user would have to click
// into the window before typing.
void frmLogin::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    activateWindow();
    txtPassword->setFocus();
}

void frmLogin::cmdok_Click()
{
    if (!PasswordIsSet())
        return;
    if (!PasswordMatches(txtPassword->text())) {
        WrongPassword();
        return;
    }
    hide();
    // The settings go back as they were read: a failure to write them is
    // reported (by SaveIniSettings) but keeps no one out of the program.
    static_cast<void>(SaveIniSettings());
    OpenMainWindow();
}

void frmLogin::WrongPassword()
{
    ++m_wrongEntries;
    if (m_wrongEntries >= kAllowedAttempts) {
        ShowInvalidPassword(QStringLiteral("3 Invalid password attempts.  If you have forgotten your password or "
                                              "are unable to log on, please e-mail %1.  The program will now exit")
                                   .arg(QLatin1String(kSupportEmail)));
        EndProgram();
        return;
    }
    ShowInvalidPassword(QStringLiteral("Invalid password, please try again"), txtPassword);
}

void frmLogin::cmdcancel_Click()
{
    hide();
}

// The balloon belongs to this window: Main must not load before the password
// is accepted.
void frmLogin::command4_Click()
{
    ShowHelpBalloon(txtPassword, QStringLiteral("Enter Password"),
                    QStringLiteral("Your software seems to have a password on it to protect your League "
                                   "Information.  Enter the password in the box provided & click OK.  If you have "
                                   "forgotten your password or are unable to log in, please e-mail %1")
                        .arg(QLatin1String(kSupportEmail)),
                    this);
}

} // namespace fixtora
