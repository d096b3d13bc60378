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
#include "ui/controls.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>

#include <utility>

namespace fixtora {

namespace {

// The window and its controls, in twips.
constexpr QSize kWindowSize(8400, 4950);
constexpr QRect kPicture5(0, 0, 2100, 4950);
constexpr QRect kPicture3(7050, 300, 1080, 1080);
constexpr QRect kLabel1(2475, 300, 4350, 960);
constexpr QRect kLabel3(2475, 1350, 5700, 360);
constexpr QRect kLblVersion(2475, 1860, 3000, 300);
constexpr QRect kLabel2(2475, 2250, 900, 300);
constexpr QRect kLabel6(3450, 2250, 2250, 300);
constexpr QRect kLabel5(2475, 2640, 4500, 300);
constexpr QRect kCheck1(2475, 4140, 300, 300);
constexpr QRect kLabel4(2820, 4140, 2700, 300);
constexpr QRect kCommand1(6300, 4020, 1800, 540);

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
    : Label1(InTwips(MakeLabel(this, "Label1", QStringLiteral("Fixtora")), kLabel1)),
      Label3(InTwips(MakeLabel(this, "Label3", QStringLiteral("League & Tournament management software")), kLabel3)),
      lblVersion(InTwips(MakeLabel(this, "lblVersion"), kLblVersion)),
      Label2(InTwips(MakeLabel(this, "Label2", QStringLiteral("display:")), kLabel2)),
      Label6(InTwips(MakeLabel(this, "Label6"), kLabel6)),
      Label5(InTwips(new LinkLabel(this), kLabel5)),
      Check1(InTwips(MakeCheckBox(this, "Check1"), kCheck1)),
      Label4(InTwips(MakeLabel(this, "Label4", QStringLiteral("don't show next time")), kLabel4)),
      command1(InTwips(MakeButton(this, "command1", QStringLiteral("&Continue")), kCommand1)),
      Picture5(InTwips(MakeLabel(this, "Picture5"), kPicture5)),
      Picture3(InTwips(MakeLabel(this, "Picture3"), kPicture3))
{
    setObjectName(QStringLiteral("IntroScreen"));
    setWindowTitle(QStringLiteral("Fixtora"));
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setCursor(Qt::WhatsThisCursor);
    Label1->setFont(QFont(QStringLiteral("Garamond"), 36, QFont::Bold));
    InArial(Label3, 11);
    SetFixedSizeInTwips(this, kWindowSize);
    Picture5->setPixmap(BannerPicture(Picture5->width(), Picture5->height()));
    Picture3->setPixmap(LogoPicture(Picture3->width()));
    connect(command1, &QAbstractButton::clicked, this, &IntroScreen::command1_Click);
    connect(Label5, &LinkLabel::clicked, this, &IntroScreen::Label5_Click);
    NameAfter(Check1, Label4);
    command1->setFocus();
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
    for (const QString &notice : ReadIniSettings())
        SystemMessage(notice);
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
    if (!AskYesNo(QStringLiteral("Screen Resolution"),
                  QStringLiteral("This program requires you to run at a resolution of 1024x768 or higher.  Though "
                                 "the program will run it is not recommended.  Do you wish to continue?\r\n"),
                  MessageResult::Yes)) {
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
