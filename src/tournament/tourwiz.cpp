#include "tournament/tourwiz.h"

#include "model/league.h"
#include "model/leaguerules.h"
#include "model/tournament.h"
#include "shell/addhelp.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "shell/taskwindows.h"
#include "tournament/tournieform.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/messagebox.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

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
constexpr QSize kNamesFrame(5655, 6600);  // twips
constexpr QRect kNamesButton(0, 0, 1095, 495);

void refuseName(const QString &why, QLineEdit *box)
{
    Refuse(QStringLiteral("Name not added"), QStringLiteral("Name not added"), QStringLiteral("\r\n") + why, box);
}

} // namespace

void ShowTourWizard()
{
    LoadForm<Main>()->ShowMdiChild(LoadForm<tourwiz>(), true);
}

tourwiz::tourwiz()
    : pages(new QWidget),
      frame(InArial(MakeFrame(pages, "tourwiz", QStringLiteral("Number of Players")), kFramePoints, true)),
      Label1(InTwips(MakeWhiteLabel(frame, "Label1", QStringLiteral("Enter a value from 4 to 64")), kLabel1)),
      lblName(InTwips(MakeWhiteLabel(frame, "lblName", QStringLiteral("Number of &players:")), kLblName)),
      txtName(InArial(InTwips(MakeTextBox(frame, "txtName"), kTxtName), kNumberPoints, true)),
      command1(InTwips(MakeButton(frame, "command1", QStringLiteral("&Cancel")), kCommand1)),
      cmdclose(InTwips(MakeButton(frame, "cmdclose", QStringLiteral("&Next")), kCmdclose)),
      namesFrame(InArial(MakeFrame(pages, "namesFrame", QStringLiteral("Names of Players")), kFramePoints, true)),
      lblTitle(MakeWhiteLabel(namesFrame, "lblTitle", QStringLiteral("&Title:"))),
      txtTitle(MakeTextBox(namesFrame, "txtTitle", QStringLiteral("Tournament"))),
      lblEntrant(MakeWhiteLabel(namesFrame, "lblEntrant", QStringLiteral("Na&me:"))),
      txtEntrant(MakeTextBox(namesFrame, "txtEntrant")),
      cmdAdd(MakeButton(namesFrame, "cmdAdd", QStringLiteral("&Add"))),
      lstNames(MakeList(namesFrame, "lstNames")),
      cmdRemove(MakeButton(namesFrame, "cmdRemove", QStringLiteral("&Remove"))),
      cmdHelp(MakeButton(namesFrame, "cmdHelp", QStringLiteral("&Help"))),
      lblCount(MakeLabel(namesFrame, "lblCount")),
      cmdNamesCancel(MakeButton(namesFrame, "cmdNamesCancel", QStringLiteral("&Cancel"))),
      cmdStart(MakeButton(namesFrame, "cmdStart", QStringLiteral("&Next")))
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
    BuildNamesFrame();
    pages->setFixedSize(frame->size());
    CentreInPage(this, pages);
    lblName->setBuddy(txtName);
    command1->setCancel(true);
    setTabOrder(txtName, command1);
    setTabOrder(command1, cmdclose);
    setFocusProxy(txtName);
}

// The second page: the title, then the names, added one at a time.
void tourwiz::BuildNamesFrame()
{
    namesFrame->setGeometry(QRect(QPoint(), TwipsToPixels(QRect(QPoint(), kNamesFrame)).size()));
    namesFrame->hide();
    txtTitle->setMaxLength(kMaxTourTitle);
    lblTitle->setBuddy(txtTitle);
    lblEntrant->setBuddy(txtEntrant);
    lstNames->setAccessibleName(QStringLiteral("Names"));
    cmdNamesCancel->setCancel(true);
    for (QWidget *button : {cmdAdd, cmdRemove, cmdHelp, cmdNamesCancel, cmdStart})
        button->setFixedSize(TwipsToPixels(kNamesButton).size());
    auto *grid = new QGridLayout(namesFrame);
    grid->addWidget(lblTitle, 0, 0);
    grid->addWidget(txtTitle, 0, 1);
    grid->addWidget(lblEntrant, 1, 0);
    grid->addWidget(txtEntrant, 1, 1);
    grid->addWidget(cmdAdd, 1, 2);
    grid->addWidget(lstNames, 2, 0, 3, 2);
    grid->addWidget(cmdRemove, 2, 2);
    grid->addWidget(cmdHelp, 3, 2);
    grid->addWidget(lblCount, 5, 0, 1, 3);
    auto *commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdNamesCancel);
    commands->addWidget(cmdStart);
    grid->addLayout(commands, 6, 0, 1, 3);
    setTabOrder(txtTitle, txtEntrant);
    setTabOrder(txtEntrant, cmdAdd);
    setTabOrder(cmdAdd, lstNames);
    setTabOrder(lstNames, cmdRemove);
    setTabOrder(cmdRemove, cmdHelp);
    setTabOrder(cmdHelp, cmdNamesCancel);
    setTabOrder(cmdNamesCancel, cmdStart);
}

void tourwiz::ConnectHandlers()
{
    connect(cmdclose, &QAbstractButton::clicked, this, &tourwiz::cmdclose_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &tourwiz::cmdclose_Click);
    connect(command1, &QAbstractButton::clicked, this, &tourwiz::command1_Click);
    connect(cmdAdd, &QAbstractButton::clicked, this, &tourwiz::cmdAdd_Click);
    connect(txtEntrant, &QLineEdit::returnPressed, this, &tourwiz::cmdAdd_Click);
    connect(cmdRemove, &QAbstractButton::clicked, this, &tourwiz::cmdRemove_Click);
    connect(cmdHelp, &QAbstractButton::clicked, this, &tourwiz::cmdHelp_Click);
    connect(cmdNamesCancel, &QAbstractButton::clicked, this, &tourwiz::command1_Click);
    connect(cmdStart, &QAbstractButton::clicked, this, &tourwiz::cmdStart_Click);
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
    m_players = *players;
    frame->hide();
    pages->setFixedSize(namesFrame->size());
    namesFrame->show();
    setFocusProxy(txtEntrant);
    txtEntrant->setFocus();
    ShowCount();
}

QStringList tourwiz::Names() const
{
    QStringList names;
    for (int i = 0; i < lstNames->count(); ++i)
        names.append(lstNames->item(i)->text());
    return names;
}

void tourwiz::ShowCount()
{
    const int players = std::max(m_players, static_cast<int>(lstNames->count()));
    lblCount->setText(QStringLiteral("%1 of %2 players named; the rest keep their numbers")
                          .arg(lstNames->count())
                          .arg(players));
}

// A name is taken as a league entry's is: what shows nothing is dropped.
void tourwiz::cmdAdd_Click()
{
    const QString name = TypedName(txtEntrant->text());
    const QString problem = EntrantNameProblem(name, Names());
    if (!problem.isEmpty()) {
        refuseName(problem, txtEntrant);
        return;
    }
    lstNames->addItem(name);
    txtEntrant->clear();
    txtEntrant->setFocus();
    ShowCount();
}

void tourwiz::cmdRemove_Click()
{
    delete lstNames->currentItem();
    ShowCount();
}

void tourwiz::cmdHelp_Click()
{
    Addhelp *help = LoadForm<Addhelp>();
    help->show();
    help->raise();
}

// The named entrants first, then as many numbered ones as the count typed
// on the first page asks for. A tournament still in the chart is asked about
// before this one takes its place.
void tourwiz::cmdStart_Click()
{
    if (!MayDiscardOpenWork(kTournamentOnly))
        return;
    const QStringList names = Names();
    SetUpTournament(std::max(m_players, static_cast<int>(names.size())), names);
    gTourTitle = txtTitle->text().trimmed();
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
