#include "tournament/tourwiz.h"

#include "model/league.h"
#include "model/tournament.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "tournament/tournieform.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace fixtora {

namespace {

// Places inside the frame, in twips.
constexpr QRect kFrame(0, 0, 5655, 3435);
constexpr QRect kLabel1(1080, 720, 3735, 495);
constexpr QRect kLblName(600, 1680, 2415, 255);
constexpr QRect kTxtName(3000, 1680, 735, 408);
constexpr QRect kCommand1(3240, 2880, 1095, 495);
constexpr QRect kCmdclose(4440, 2880, 1095, 495);

constexpr int kFramePoints = 9;
constexpr int kNumberPoints = 12;

} // namespace

void ShowTourWizard()
{
    LoadForm<Main>()->ShowMdiChild(LoadForm<tourwiz>(), true);
}

tourwiz::tourwiz()
    : frame(InArial(MakeFrame(this, "tourwiz", QStringLiteral("Number of Players")), kFramePoints, true)),
      Label1(InTwips(MakeWhiteLabel(frame, "Label1", QStringLiteral("Enter a value from 4 to 64")), kLabel1)),
      lblName(InTwips(MakeWhiteLabel(frame, "lblName", QStringLiteral("Number of &players:")), kLblName)),
      txtName(InArial(InTwips(MakeTextBox(frame, "txtName"), kTxtName), kNumberPoints, true)),
      command1(InTwips(MakeButton(frame, "command1", QStringLiteral("&Cancel")), kCommand1)),
      cmdclose(InTwips(MakeButton(frame, "cmdclose", QStringLiteral("&Next")), kCmdclose))
{
    setObjectName(QStringLiteral("tourwiz"));
    setWindowTitle(QStringLiteral("Tournament"));
    BuildFrame();
    ConnectHandlers();
    Form_Load();
}

void tourwiz::BuildFrame()
{
    PlaceInTwips(frame, kFrame);
    CentreInPage(this, frame);
    lblName->setBuddy(txtName);
    command1->setCancel(true);
    setTabOrder(txtName, command1);
    setTabOrder(command1, cmdclose);
    setFocusProxy(txtName);
}

void tourwiz::ConnectHandlers()
{
    connect(cmdclose, &QAbstractButton::clicked, this, &tourwiz::cmdclose_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &tourwiz::cmdclose_Click);
    connect(command1, &QAbstractButton::clicked, this, &tourwiz::command1_Click);
}

// The main menu gives way to the wizard.
void tourwiz::Form_Load()
{
    gTourEntrants = 0;
    UnloadForm<MainWizard>();
}

void tourwiz::cmdclose_Click()
{
    const std::optional<int> players = TypedPlayers(txtName->text());
    if (!players) {
        Refuse(QStringLiteral("Invalid number entered"), QStringLiteral("Invalid number entered"),
               QStringLiteral("\r\nPlease enter a value from 4 to 64"), nullptr, QStringLiteral("Error!"));
        txtName->clear();
        txtName->setFocus();
        return;
    }
    SetUpTournament(*players);
    UnloadForm<Tournieform>();
    ShowTournamentChart();
}

// Only the tournament is abandoned; the open league stays as it was.
void tourwiz::command1_Click()
{
    ResetTournament();
    UnloadForm<tourwiz>();
    UnloadForm<MainWizard>();
    ShowMainMenu();
}

} // namespace fixtora
