#include "shell/frmlogin.h"

#include "model/settings.h"
#include "platform/appinfo.h"
#include "shell/introscreen.h"
#include "shell/password.h"
#include "shell/savesettings.h"
#include "shell/shellplatform.h"
#include "ui/balloon.h"
#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"

#include <QLabel>
#include <QLineEdit>

namespace fixtora {

namespace {

constexpr int kFailedLoginIcon = 10;

// An "Invalid password" box with text and an OK button.
void ShowInvalidPassword(const QString &text)
{
    MessageArgs message;
    message.Text = text;
    message.Buttons = MessageButtons::OKOnly;
    message.Icon = kFailedLoginIcon;
    message.Title = QStringLiteral("Invalid password");
    message.Subtitle = QStringLiteral("Invalid password");
    ShowMessage(message);
}

constexpr int kAllowedAttempts = 3;

} // namespace

frmLogin::frmLogin()
    : lblLabels(new QLabel(QStringLiteral("&Password:"), this)),
      txtPassword(new QLineEdit(this)),
      cmdok(MakeButton(this, "cmdok", QStringLiteral("&OK"))),
      cmdcancel(MakeButton(this, "cmdcancel", QStringLiteral("&Cancel"))),
      command4(MakeButton(this, "command4", QStringLiteral("?")))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Enter password"));
    setFixedSize(340, 120);
    lblLabels->setObjectName(QStringLiteral("lblLabels"));
    lblLabels->setGeometry(16, 22, 80, 22);
    lblLabels->setBuddy(txtPassword);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setGeometry(100, 20, 180, 26);
    command4->setGeometry(292, 18, 30, 30);
    cmdok->setGeometry(100, 70, 86, 32);
    cmdok->setDefault(true);
    cmdcancel->setGeometry(194, 70, 86, 32);
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
    ShowInvalidPassword(QStringLiteral("Invalid password, please try again"));
    txtPassword->setFocus();
    txtPassword->selectAll();
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
