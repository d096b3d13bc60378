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
constexpr TwipsPlace kPlaces[] = {
    {"Picture5", {0, 0, 2100, 4950}},       {"Picture3", {7050, 300, 1080, 1080}},
    {"Label1", {2475, 300, 4350, 960}},     {"Label3", {2475, 1350, 5700, 360}},
    {"lblVersion", {2475, 1860, 3000, 300}}, {"Label2", {2475, 2250, 900, 300}},
    {"Label6", {3450, 2250, 2250, 300}},    {"Label5", {2475, 2640, 4500, 300}},
    {"Check1", {2475, 4140, 300, 300}},     {"Label4", {2820, 4140, 2700, 300}},
    {"command1", {6300, 4020, 1800, 540}},
};

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
    : Label1(MakeLabel(this, "Label1", QStringLiteral("Fixtora"))),
      Label3(MakeLabel(this, "Label3", QStringLiteral("League & Tournament management software"))),
      lblVersion(MakeLabel(this, "lblVersion")),
      Label2(MakeLabel(this, "Label2", QStringLiteral("display:"))),
      Label6(MakeLabel(this, "Label6")),
      Label5(new LinkLabel(this)),
      Check1(MakeCheckBox(this, "Check1")),
      Label4(MakeLabel(this, "Label4", QStringLiteral("don't show next time"))),
      command1(MakeButton(this, "command1", QStringLiteral("&Continue"))),
      Picture5(MakeLabel(this, "Picture5")),
      Picture3(MakeLabel(this, "Picture3"))
{
    setObjectName(QStringLiteral("IntroScreen"));
    setWindowTitle(QStringLiteral("Fixtora"));
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setCursor(Qt::WhatsThisCursor);
    Label1->setFont(QFont(QStringLiteral("Garamond"), 36, QFont::Bold));
    InArial(Label3, 11);
    SetFixedSizeInTwips(this, kWindowSize);
    PlaceInTwips(this, kPlaces);
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
