#include "shell/introscreen.h"

#include "model/league.h"
#include "model/settings.h"
#include "platform/systembox.h"
#include "shell/artwork.h"
#include "shell/forms.h"
#include "shell/frmlogin.h"
#include "shell/linklabel.h"
#include "shell/mainwizard.h"
#include "shell/password.h"
#include "shell/savesettings.h"
#include "shell/shellplatform.h"
#include "shell/versiontext.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"

#include <QCheckBox>
#include <QLabel>

#include <utility>

namespace fixtora {

namespace {

constexpr int kErrorIcon = 1;

// The question for a screen below 1024x768; true when the answer is Yes.
bool AskToRunAtLowResolution()
{
    MessageArgs question;
    question.Text = QStringLiteral("This programs requires you to run at a resolution of 1024x768 or higher.  "
                                   "Though the program will run it is not recommended.  Do you wish to continue?\r\n");
    question.Buttons = MessageButtons::YesNo;
    question.Icon = kErrorIcon;
    question.Title = QStringLiteral("Screen Resolution");
    question.Subtitle = QStringLiteral("Screen Resolution");
    return ShowMessage(question) == MessageResult::Yes;
}

constexpr int kNormalTwipsPerPixel = 15;
constexpr int kMinWidth = 1024;
constexpr int kMinHeight = 768;

QString &leagueToOpen()
{
    static QString path;
    return path;
}

} // namespace

void OpenMainWindow()
{
    if (IntroScreen *intro = LoadedForm<IntroScreen>())
        intro->hide();
    ShowMainMenu();
    const QString league = std::exchange(leagueToOpen(), QString());
    if (!league.isEmpty())
        LoadForm<MainWizard>()->OpenLeague(league);
}

void SetLeagueToOpen(const QString &path)
{
    leagueToOpen() = path;
}

IntroScreen::IntroScreen()
    : Label1(new QLabel(QStringLiteral("Fixtora"), this)),
      Label3(new QLabel(QStringLiteral("League & Tournament management software"), this)),
      lblVersion(new QLabel(this)),
      Label2(new QLabel(QStringLiteral("display:"), this)),
      Label6(new QLabel(this)),
      Label5(new LinkLabel(this)),
      Check1(new QCheckBox(this)),
      Label4(new QLabel(QStringLiteral("don't show next time"), this)),
      command1(MakeButton(this, "command1", QStringLiteral("&Continue"))),
      Picture5(new QLabel(this)),
      Picture3(new QLabel(this))
{
    setObjectName(QStringLiteral("IntroScreen"));
    setWindowTitle(QStringLiteral("Fixtora"));
    setFixedSize(560, 330);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setGeometry(0, 0, 140, 330);
    Picture5->setPixmap(BannerPicture(140, 330));
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setGeometry(470, 20, 72, 72);
    Picture3->setPixmap(LogoPicture(72));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(QStringLiteral("Garamond"), 36, QFont::Bold));
    Label1->setGeometry(165, 20, 290, 64);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setFont(QFont(QStringLiteral("Arial"), 11));
    Label3->setGeometry(165, 90, 380, 24);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(165, 124, 200, 20);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(165, 150, 60, 20);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(230, 150, 150, 20);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(165, 176, 300, 20);
    Label5->setCursor(Qt::WhatsThisCursor);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(165, 276, 20, 20);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(188, 276, 180, 20);
    command1->setGeometry(420, 268, 120, 36);
    connect(command1, &QAbstractButton::clicked, this, &IntroScreen::command1_Click);
    connect(Label5, &LinkLabel::clicked, this, &IntroScreen::Label5_Click);
}

bool IntroScreen::Load()
{
    lblVersion->setText(QStringLiteral("V ") + VersionNumber());
    const ScreenInfo screen = CurrentScreen();
    const QSize size(screen.width, screen.height);
    gWebAddress = QLatin1String(kWebAddress);
    Label5->setText(gWebAddress);
    ShowDisplay(size);
    if (screen.twipsPerPixelX != kNormalTwipsPerPixel)
        SystemMessage(QStringLiteral(
            "This software requires your Fonts size to be set to 'normal' or 'small'. Though the software will "
            "work it may distort some text & graphics.  Consult your Windows manual on how to set it to normal."));
    if (!CheckResolution(size))
        return false;
    ReadIniSettings();
    CentreOnScreen(this);
    show();
    return true;
}

void IntroScreen::ShowDisplay(const QSize &size)
{
    Label6->setText(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
    gScreenWidth = static_cast<std::int16_t>(size.width());
}

// Below 1024x768 the user decides whether to go on; false ends the program.
bool IntroScreen::CheckResolution(const QSize &size)
{
    if (size.width() >= kMinWidth && size.height() >= kMinHeight)
        return true;
    if (!AskToRunAtLowResolution()) {
        SystemMessage(QStringLiteral(
            "Click on START, SETTINGS, CONTROL PANEL, DISPLAY & change the resolution.  Program will now exit."));
        return false;
    }
    SystemMessage(QStringLiteral("This software may not work at less than 1024x768. If you can, please change to "
                                 "1024x768 display.  You can continue but some graphics may be distorted."));
    return true;
}

void IntroScreen::command1_Click()
{
    if (PasswordIsSet()) {
        frmLogin *login = LoadForm<frmLogin>();
        login->show();
        login->raise();
        return;
    }
    // The tick is the user's own choice: when it cannot be stored the user is
    // told and the intro screen stays, so the box can be unticked.
    if (Check1->isChecked()) {
        const QString shown = std::exchange(gShowSplash, QStringLiteral("0"));
        if (!SaveIniSettings()) {
            gShowSplash = shown;
            return;
        }
    }
    OpenMainWindow();
}

void IntroScreen::Label5_Click()
{
    StartExplorer(gWebAddress);
}

} // namespace fixtora
