#include "shell/mainwizard.h"

#include "model/league.h"
#include "model/filedialogs.h"
#include "model/leaguefile.h"
#include "model/tournamentfile.h"
#include "platform/systembox.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmmainhelp.h"
#include "shell/mainwindow.h"
#include "shell/shellplatform.h"
#include "shell/taskwindows.h"
#include "shell/versiontext.h"
#include "ui/balloon.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTimer>

#include <utility>

namespace fixtora {

namespace {

// The frame and its controls, in twips.
constexpr QRect kFrameMainWizard(0, 0, 6600, 5100);
constexpr QRect kLabel1(600, 240, 4500, 450);
constexpr QRect kCreatetable(600, 930, 4500, 510);
constexpr QRect kOpentable(600, 1620, 4500, 510);
constexpr QRect kPrinttable(600, 2310, 4500, 510);
constexpr QRect kPrintweeklyscores(600, 3000, 4500, 510);
constexpr QRect kTournie(600, 3690, 4500, 510);
constexpr QRect kCommand3(5280, 930, 510, 510);
constexpr QRect kCommand1(5280, 1620, 510, 510);
constexpr QRect kCommand2(5280, 2310, 510, 510);
constexpr QRect kCommand4(5280, 3000, 510, 510);
constexpr QRect kCommand5(5280, 3690, 510, 510);
constexpr QRect kWiz2Help(600, 4440, 1350, 420);
constexpr QRect kLblVersion(4500, 4440, 1800, 420);
constexpr int kTimerMs = 10;

const char *const kNoLeagueTip = "You must open/create a league first";

// The "?" buttons: the button, the task button its balloon opens under, the
// balloon's title and text; and the button's place.
struct MenuHelp {
    HelpButton balloon;
    QRect twips;
};
const MenuHelp kHelpBalloons[] = {
    {{"Command3", "createtable", "Create League",
      "This option is used to create a new league.  You will be guided through simple 'wizards' which ask "
      "you several questions about your league."},
     kCommand3},
    {{"command1", "opentable", "Open League",
      "This option is used to open an existing league.  You can then view the fixtures & make any "
      "modifications you require"},
     kCommand1},
    {{"Command2", "printtable", "League Fixtures/scores",
      "This option is used to View your league.  You can edit/add scores. View the league fixtures, print the "
      "fixtures, reshedule games & export the fixtures to HTML from here."},
     kCommand2},
    {{"command4", "printweeklyscores", "League Table",
      "This option is used to view the League Table.  This gives a list of cumulative scores for matches "
      "played.  You can select between different formats & export to HTML.  You must first create or open a "
      "League Fixtures before you can view the League Table"},
     kCommand4},
    {{"command5", "tournie", "Tournament",
      "This option is used to Print a Tournament.  You simply enter the number of Teams or players then print "
      "the Tournament chart."},
     kCommand5},
};

} // namespace

void ShowMainMenu()
{
    LoadForm<Main>()->ShowMdiChild(LoadForm<MainWizard>(), true);
}

MainWizard::MainWizard()
    : FrameMainWizard(InTwips(new QFrame(this), kFrameMainWizard)),
      Label1(InTwips(MakeLabel(FrameMainWizard, "Label1", QStringLiteral("Menu Options")), kLabel1)),
      createtable(InTwips(MakeButton(FrameMainWizard, "createtable", QStringLiteral("&Create New League")),
                          kCreatetable)),
      opentable(InTwips(MakeButton(FrameMainWizard, "opentable", QStringLiteral("&Open League")), kOpentable)),
      printtable(InTwips(MakeButton(FrameMainWizard, "printtable", QStringLiteral("&League Fixtures/Scores")),
                         kPrinttable)),
      printweeklyscores(InTwips(
          MakeButton(FrameMainWizard, "printweeklyscores", QStringLiteral("League T&able")), kPrintweeklyscores)),
      tournie(InTwips(MakeButton(FrameMainWizard, "tournie", QStringLiteral("&Tournament")), kTournie)),
      Wiz2Help(InTwips(MakeButton(FrameMainWizard, "Wiz2Help", QStringLiteral("&Help")), kWiz2Help)),
      lblVersion(InTwips(MakeLabel(FrameMainWizard, "lblVersion"), kLblVersion)),
      Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("MainWizard"));
    setWindowTitle(QStringLiteral("Main Menu"));
    BuildFrame();
    ConnectHandlers();
    Form_Load();
}

void MainWizard::BuildFrame()
{
    FrameMainWizard->setObjectName(QStringLiteral("FrameMainWizard"));
    FrameMainWizard->setFrameShape(QFrame::StyledPanel);
    InArial(Label1, 14, true);
    AddHelpButtons();
    InArial(Wiz2Help, 9);
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    CentreInPage(this, FrameMainWizard);
}

void MainWizard::ConnectHandlers()
{
    connect(createtable, &QAbstractButton::clicked, this, &MainWizard::createtable_Click);
    connect(opentable, &QAbstractButton::clicked, this, &MainWizard::opentable_Click);
    connect(printtable, &QAbstractButton::clicked, this, &MainWizard::printtable_Click);
    connect(printweeklyscores, &QAbstractButton::clicked, this, &MainWizard::printweeklyscores_Click);
    connect(tournie, &QAbstractButton::clicked, this, &MainWizard::tournie_Click);
    connect(Wiz2Help, &QAbstractButton::clicked, this, &MainWizard::Wiz2Help_Click);
    connect(Timer1, &QTimer::timeout, this, &MainWizard::Timer1_Timer);
    // The standard keys of the two tasks, while the menu has the keyboard.
    PressOnKey(this, QKeySequence::New, createtable);
    PressOnKey(this, QKeySequence::Open, opentable);
}

void MainWizard::AddHelpButtons()
{
    for (const auto &[help, twips] : kHelpBalloons) {
        chameleonButton *button =
            InTwips(MakeHelpButton(FrameMainWizard, help.button, QLatin1String(help.title)), twips);
        ConnectHelpButton(this, help, true);
        // Tab reaches each help button after the task it explains.
        setTabOrder(FrameMainWizard->findChild<QWidget *>(QLatin1String(help.anchor)), button);
    }
}

// The frame stays centred in the menu as it resizes (CentreInPage). The
// league buttons get their state at once, not only at the first tick.
void MainWizard::Form_Load()
{
    lblVersion->setText(QStringLiteral("V ") + VersionNumber());
    ShowMainMenuFrame();
    Timer1->start(kTimerMs);
    LoadForm<Main>()->SetCaption(CurrentLeagueCaption(gTableName));
    ShowLeagueButtons();
}

// The menu is the workspace's background: always maximised, with no frame of
// its own and no close box; the program ends through Exit or Main's close.
void MainWizard::ShowMainMenuFrame()
{
    Main *main = LoadForm<Main>();
    main->AddMdiChild(this)->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    main->ShowMdiChild(this, true);
}

void MainWizard::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void MainWizard::ShowLeagueButtons()
{
    printtable->setEnabled(gLeagueOnDisk);
    printweeklyscores->setEnabled(gLeagueOnDisk);
    if (!gLeagueOnDisk) {
        printtable->setToolTip(QLatin1String(kNoLeagueTip));
        printweeklyscores->setToolTip(QLatin1String(kNoLeagueTip));
    }
}

void MainWizard::Timer1_Timer()
{
    ShowLeagueButtons();
    if (gFixturesClosed) {
        LoadForm<Main>()->SetCaption(CurrentLeagueCaption(gTableName));
        gFixturesClosed = false;
    }
}

// A changed option, the league's unsaved changes, an unsaved tournament:
// their questions (save, don't save or stay) are the only ones. Otherwise
// only a league in a file is worth asking about; true to go on.
bool MainWizard::CloseQuestion()
{
    const bool askedToSave = gLeagueChanged;
    return MayDiscardOpenWork()
           && (askedToSave || !gLeagueOnDisk ||
               SystemQuestion(QStringLiteral("This will close your existing league(Y/N)?")));
}

void MainWizard::CloseTaskWindows()
{
    UnloadTaskWindow(TaskWindow::Wizard1);
    UnloadTaskWindow(TaskWindow::Wizard3);
    UnloadTaskWindow(TaskWindow::Wizard5);
    UnloadTaskWindow(TaskWindow::changename);
    UnloadTaskWindow(TaskWindow::customdates);
    UnloadForm<customise>();
    UnloadTaskWindow(TaskWindow::Tableform);
    UnloadTaskWindow(TaskWindow::Tournieform);
    UnloadTaskWindow(TaskWindow::tourwiz);
}

void MainWizard::HideMenu()
{
    LoadForm<Main>()->HideMdiChild(this);
}

// The reset leaves gLeagueOnDisk alone: cleared here, so the fixtures and table
// buttons stay off until the new league is saved or a league is loaded.
void MainWizard::createtable_Click()
{
    if (!CloseQuestion())
        return;
    InitialiseGlobals();
    gLeagueOnDisk = false;
    CloseTaskWindows();
    gFixturesClosed = true;
    gLeagueType = kTypePlayers;
    gDatesPending = true;
    HideMenu();
    ShowTaskWindow(TaskWindow::Wizard1);
}

void MainWizard::opentable_Click()
{
    OpenLeague(QString());
}

// The dialog lists tournaments beside leagues; a tournament opens in its
// chart. A cancelled dialog leaves no league open, as the loader's would.
void MainWizard::OpenLeague(const QString &chosen)
{
    if (!CloseQuestion())
        return;
    InitialiseGlobals();
    gLeagueOnDisk = false;
    gFixturesClosed = true;
    CloseTaskWindows();
    QString path = chosen;
    if (path.isEmpty()) {
        gDialogFilter = LeagueAndTournamentFilter();
        ShowOpenDialog();
        path = gDialogResult != 0 ? std::exchange(gLeagueFile, QString()) : QString();
    }
    if (path.isEmpty()) {
        LoadForm<Main>()->SetCaption(CurrentLeagueCaption(QString()));
        return;
    }
    if (IsTournamentPath(path)) {
        OpenTournament(path);
        return;
    }
    // A failure was shown by the loader, which then leaves no league open.
    if (LoadLeague(path).ok)
        ShowLeagueButtons();
}

void MainWizard::OpenTournament(const QString &path)
{
    LoadForm<Main>()->SetCaption(CurrentLeagueCaption(QString()));
    if (const FileResult opened = LoadTournament(path); !opened.ok) {
        SystemMessage(opened.message);
        return;
    }
    HideMenu();
    ShowTaskWindow(TaskWindow::Tournieform);
}

void MainWizard::printtable_Click()
{
    gFixturesClosed = true;
    ShowTaskWindow(TaskWindow::Tableform);
}

void MainWizard::printweeklyscores_Click()
{
    gFixturesClosed = true;
    ShowTaskWindow(TaskWindow::PrintWeekly);
    HideMenu();
}

// A new tournament takes the place of the one in the chart, asked about
// first; the league stays open.
void MainWizard::tournie_Click()
{
    if (!MayDiscardOpenWork(kTournamentOnly))
        return;
    UnloadTaskWindow(TaskWindow::Tournieform);
    ShowTaskWindow(TaskWindow::tourwiz);
}

void MainWizard::Wiz2Help_Click()
{
    frmmainhelp *help = LoadForm<frmmainhelp>();
    help->show();
    help->raise();
}

} // namespace fixtora
