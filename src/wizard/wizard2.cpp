#include "wizard/wizard2.h"

#include "model/league.h"
#include "model/leaguerules.h"
#include "model/wizardrules.h"
#include "shell/forms.h"
#include "ui/balloon.h"
#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"
#include "ui/controls.h"
#include "wizard/wizard1.h"
#include "wizard/wizard5.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <span>

namespace fixtora {

namespace {

const HelpButton kScoringHelp = {
    "command7", "command7", "Scoring System",
    "There are 3 scoring systems for Team Leagues:  'WinLoseDraw' gives the Team with the highest total score 3 "
    "points (or whatever the global settings is), 1 for a draw etc.  In 'Cumulitive' scoring all points are added "
    "up & this make up the 'score' for that team. 'Cumulative+Games' is ......................"};

// The scoring systems in the order of their numbers (1..3).
const QStringList kScoringSystems{QStringLiteral("WinLoseDraw"), QStringLiteral("Cumulative"),
                                  QStringLiteral("Cumulative+Games")};

const QString kNoTeamChosen = QStringLiteral("Names in Team: non selected");
const QString kError = QStringLiteral("Error!");

} // namespace

void ShowWizard2()
{
    ShowWizardPage(LoadForm<Wizard2>());
}

Wizard2::Wizard2()
    : WizardPage("Wizard2", "Wizard2frame", QStringLiteral("Create Teams")),
      Label10(MakeLabel(frame, "Label10", QStringLiteral("Number of Teams:"))),
      lblteam(CountLabel(frame, "lblteam")),
      Label13(MakeLabel(frame, "Label13", QStringLiteral("Team Name:"))),
      Teamtxt(new QLineEdit(frame)),
      TeamAdd(PageButton(frame, "TeamAdd", QStringLiteral("Add"))),
      TeamDelete(PageButton(frame, "TeamDelete", QStringLiteral("Delete"))),
      teamEdit(PageButton(frame, "teamEdit", QStringLiteral("Edit"))),
      teamlist(new QListWidget(frame)),
      Label11(MakeLabel(frame, "Label11", QStringLiteral("Names in Team"))),
      Label12(MakeLabel(frame, "Label12", kNoTeamChosen)),
      Label16(MakeLabel(frame, "Label16", QStringLiteral("Player/Name"))),
      txtName(new QLineEdit(frame)),
      cmdadd(PageButton(frame, "cmdadd", QStringLiteral("&Add"))),
      cmdremove(PageButton(frame, "cmdremove", QStringLiteral("&Remove"))),
      cmdclear(PageButton(frame, "cmdclear", QStringLiteral("C&lear"))),
      lstClient(new QListWidget(frame)),
      Label15(MakeLabel(frame, "Label15", QStringLiteral("Names in this team:"))),
      lblDisplay(CountLabel(frame, "lblDisplay")),
      Label1(MakeLabel(frame, "Label1", QStringLiteral("Set scoring system to"))),
      list1(new QComboBox(frame)),
      Command3(PageButton(frame, "Command3", QStringLiteral("&Next"))),
      command1(PageButton(frame, "command1", QStringLiteral("&Cancel")))
{
    setWindowTitle(QStringLiteral("Create Teams"));
    BuildFrame();
    ConnectHandlers();
    Form_Load();
}

void Wizard2::BuildFrame()
{
    Teamtxt->setObjectName(QStringLiteral("Teamtxt"));
    teamlist->setObjectName(QStringLiteral("teamlist"));
    txtName->setObjectName(QStringLiteral("txtName"));
    lstClient->setObjectName(QStringLiteral("lstClient"));
    list1->setObjectName(QStringLiteral("list1"));
    list1->addItem(QStringLiteral("Select method"));
    list1->addItems(kScoringSystems);
    UsePlainFont();
    Label11->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    Label12->setMinimumWidth(260);
    teamlist->setMinimumSize(220, 240);
    lstClient->setMinimumSize(220, 240);

    auto *teams = new QGridLayout;
    teams->addWidget(Label10, 0, 0);
    teams->addWidget(lblteam, 0, 1, Qt::AlignLeft);
    teams->addWidget(Label13, 1, 0);
    teams->addWidget(Teamtxt, 1, 1);
    auto *teamButtons = new QHBoxLayout;
    teamButtons->setSpacing(8);
    teamButtons->addWidget(TeamAdd);
    teamButtons->addWidget(TeamDelete);
    teamButtons->addWidget(teamEdit);
    teams->addLayout(teamButtons, 2, 0, 1, 2);
    teams->addWidget(teamlist, 3, 0, 1, 2);
    teams->setSpacing(8);

    auto *players = new QGridLayout;
    players->addWidget(Label11, 0, 0, 1, 2);
    players->addWidget(Label12, 1, 0, 1, 2);
    players->addWidget(Label16, 2, 0);
    players->addWidget(txtName, 2, 1);
    auto *playerButtons = new QHBoxLayout;
    playerButtons->setSpacing(8);
    playerButtons->addWidget(cmdadd);
    playerButtons->addWidget(cmdremove);
    playerButtons->addWidget(cmdclear);
    players->addLayout(playerButtons, 3, 0, 1, 2);
    players->addWidget(lstClient, 4, 0, 1, 2);
    players->addWidget(Label15, 5, 0);
    players->addWidget(lblDisplay, 5, 1, Qt::AlignLeft);
    players->setSpacing(8);

    auto *scoring = new QHBoxLayout;
    scoring->setSpacing(8);
    scoring->addWidget(Label1);
    scoring->addWidget(list1);
    scoring->addWidget(QuestionButton(frame, "command7"));
    scoring->addStretch();
    scoring->addWidget(command1);
    scoring->addWidget(Command3);

    auto *grid = new QGridLayout(frame);
    grid->addLayout(teams, 0, 0);
    grid->addLayout(players, 0, 1);
    grid->addLayout(scoring, 1, 0, 1, 2);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(14);
    ConnectHelpButton(this, kScoringHelp, true);
    ChainTabOrder({Teamtxt, TeamAdd, TeamDelete, teamEdit, teamlist, txtName, cmdadd, cmdremove, cmdclear, lstClient,
                   list1, command1, Command3});
    setFocusProxy(Teamtxt);
    Label13->setBuddy(Teamtxt);
    Label16->setBuddy(txtName);
    Label1->setBuddy(list1);
    command1->setCancel(true);
}

void Wizard2::ConnectHandlers()
{
    connect(Teamtxt, &QLineEdit::textChanged, this, &Wizard2::Teamtxt_Change);
    connect(Teamtxt, &QLineEdit::returnPressed, TeamAdd, &QAbstractButton::click);
    connect(TeamAdd, &QAbstractButton::clicked, this, &Wizard2::TeamAdd_Click);
    connect(teamlist, &QListWidget::itemSelectionChanged, this, &Wizard2::teamlist_Click);
    connect(TeamDelete, &QAbstractButton::clicked, this, &Wizard2::TeamDelete_Click);
    connect(txtName, &QLineEdit::textChanged, this, &Wizard2::txtName_Change);
    connect(txtName, &QLineEdit::returnPressed, cmdadd, &QAbstractButton::click);
    connect(cmdadd, &QAbstractButton::clicked, this, &Wizard2::cmdadd_Click);
    connect(lstClient, &QListWidget::itemSelectionChanged, this, &Wizard2::lstClient_Click);
    connect(cmdremove, &QAbstractButton::clicked, this, &Wizard2::cmdremove_Click);
    connect(cmdclear, &QAbstractButton::clicked, this, &Wizard2::cmdclear_Click);
    connect(Command3, &QAbstractButton::clicked, this, &Wizard2::Command3_Click);
    connect(command1, &QAbstractButton::clicked, this, &Wizard2::command1_Click);
}

void Wizard2::Form_Load()
{
    UnloadForm<Wizard1>();
    for (auto &row : std::span(gTeamSquads).subspan(1))
        std::fill(row.begin() + 1, row.end(), QString());
    m_teamCount = 0;
    gNumSlots = 0;
    CentreFrame();
    teamlist->clear();
    teamEdit->setEnabled(false);
    TeamDelete->setEnabled(false);
    ChooseNoTeam();
}

void Wizard2::Teamtxt_Change()
{
    TeamAdd->setEnabled(!Teamtxt->text().isEmpty());
}

void Wizard2::TeamAdd_Click()
{
    const QString name = TypedName(Teamtxt->text());
    if (!IsStorableName(name)) {
        PageMessage(QStringLiteral("Invalid Team Name"), QStringLiteral("Invalid Team Name"),
                    QStringLiteral("The Team Name you entered is invalid.  It must be between 1 & 16 characters in "
                                   "length."));
        ReturnToRefusedBox(Teamtxt);
        return;
    }
    // gTeamSquads holds 32 teams: a 33rd has no row.
    if (m_teamCount >= kMaxSlots) {
        RefuseEntryCount();
        ReturnToRefusedBox(Teamtxt);
        return;
    }
    for (int t = 1; t <= m_teamCount; ++t) {
        if (gTeamSquads[t][0] == name) {
            PageMessage(QStringLiteral("Invalid Team Name"), QStringLiteral("Invalid Team Name"),
                        QStringLiteral("The Team Name you entered alreadt exists, please try another."));
            Teamtxt->clear();
            Teamtxt->setFocus();
            return;
        }
    }
    ++m_teamCount;
    gTeamSquads[m_teamCount][0] = name;
    teamlist->addItem(name);
    Teamtxt->clear();
    Teamtxt->setFocus();
    lblteam->setText(QString::number(teamlist->count()));
}

void Wizard2::teamlist_Click()
{
    const QList<QListWidgetItem *> selected = teamlist->selectedItems();
    TeamDelete->setEnabled(!selected.isEmpty());
    if (selected.isEmpty())
        return;
    m_chosenTeam = teamlist->row(selected.first()) + 1;
    lstClient->clear();
    for (int j = 1; j <= kSquadSize; ++j)
        if (!gTeamSquads[m_chosenTeam][j].isEmpty())
            lstClient->addItem(gTeamSquads[m_chosenTeam][j]);
    Label12->setText(QStringLiteral("Names in Team: ") + gTeamSquads[m_chosenTeam][0]);
    lblDisplay->setText(QString::number(lstClient->count()));
    EnablePlayerEntry(true);
    txtName->setFocus();
}

void Wizard2::TeamDelete_Click()
{
    const QList<QListWidgetItem *> selected = teamlist->selectedItems();
    if (selected.isEmpty()) {
        QApplication::beep();
        return;
    }
    const int row = teamlist->row(selected.first()) + 1;
    TakeListRow(teamlist, row - 1);
    for (int t = row; t < m_teamCount; ++t)
        gTeamSquads[t] = gTeamSquads[t + 1];
    gTeamSquads[m_teamCount].fill(QString());
    --m_teamCount;
    lblteam->setText(QString::number(teamlist->count()));
    TeamDelete->setEnabled(false);
    ChooseNoTeam();
}

void Wizard2::txtName_Change()
{
    cmdadd->setEnabled(m_chosenTeam > 0 && !txtName->text().isEmpty());
}

void Wizard2::cmdadd_Click()
{
    const QString name = TypedName(txtName->text());
    if (m_chosenTeam == 0 || name.isEmpty())
        return;
    if (name.size() > kMaxNameLength) {
        PageMessage(QStringLiteral("Invalid Length"), QStringLiteral("Player/Team length"),
                    QStringLiteral("Maximum length of name is 16 characters\r\n"), kError);
        ReturnToRefusedBox(txtName);
        return;
    }
    // A position entry is stored as "name//score\\total": a name holding a
    // separator could not be read back.
    if (!IsStorableSquadName(name)) {
        PageMessage(QStringLiteral("Invalid Name"), QStringLiteral("Player/Team name"),
                    QStringLiteral("The Name you entered is invalid.  It cannot contain // or \\\\ or end with /.\r\n"),
                    kError);
        ReturnToRefusedBox(txtName);
        return;
    }
    const int n = PlayerCount();
    if (n >= kSquadSize) {
        PageMessage(QStringLiteral("Team full"), QStringLiteral("Names in Team"),
                    QStringLiteral("A team can have at most 16 players\r\n"), kError);
        ReturnToRefusedBox(txtName);
        return;
    }
    auto &squad = gTeamSquads[m_chosenTeam];
    if (std::find(squad.begin() + 1, squad.begin() + 1 + n, name) != squad.begin() + 1 + n) {
        PageMessage(QStringLiteral("Duplicate name"), QStringLiteral("Name"),
                    QStringLiteral("Player already exists! Please select another name\r\n"), kError);
        txtName->clear();
        txtName->setFocus();
        return;
    }
    squad[n + 1] = name;
    lstClient->addItem(name);
    txtName->clear();
    txtName->setFocus();
    lblDisplay->setText(QString::number(lstClient->count()));
}

void Wizard2::lstClient_Click()
{
    cmdremove->setEnabled(!lstClient->selectedItems().isEmpty());
}

void Wizard2::cmdremove_Click()
{
    const QList<QListWidgetItem *> selected = lstClient->selectedItems();
    if (selected.isEmpty() || m_chosenTeam == 0) {
        QApplication::beep();
        return;
    }
    TakeListRow(lstClient, lstClient->row(selected.first()));
    RemoveTeamPlayer();
    lblDisplay->setText(QString::number(lstClient->count()));
    cmdremove->setEnabled(lstClient->count() > 0);
}

void Wizard2::cmdclear_Click()
{
    if (m_chosenTeam == 0)
        return;
    lstClient->clear();
    RemoveTeamPlayer();
    lblDisplay->setText(QStringLiteral("0"));
}

void Wizard2::Command3_Click()
{
    gLeagueOnDisk = false;
    gNumSlots = m_teamCount;
    for (int i = 1; i <= gNumSlots; ++i)
        gPlayerNames[i] = gTeamSquads[i][0];
    const qsizetype scoring = kScoringSystems.indexOf(list1->currentText());
    if (scoring < 0) {
        PageMessage(
            QStringLiteral("Invalid entry"), QStringLiteral("Invalid Team scoring system"),
            QStringLiteral("You must select a valid scoring type from the pull down menu.  Please see the online "
                           "help (Help, Contents from the top of the screen) for a description of each Team "
                           "scoring system"));
        list1->setFocus();
        return;
    }
    gTeamScoring = static_cast<std::int16_t>(scoring + 1);
    if (gNumSlots < kMinSlots || gNumSlots > kMaxSlots) {
        RefuseEntryCount();
        return;
    }
    CompleteEntries(true);
    ShowSummaryPage();
}

void Wizard2::command1_Click()
{
    UnloadForm<Wizard2>();
    AbandonNewLeague();
}

// After a deletion as when the page opens: no team, no players shown.
void Wizard2::ChooseNoTeam()
{
    m_chosenTeam = 0;
    Label12->setText(kNoTeamChosen);
    lstClient->clear();
    lblDisplay->clear();
    EnablePlayerEntry(false);
}

void Wizard2::EnablePlayerEntry(bool on)
{
    txtName->setEnabled(on);
    cmdclear->setEnabled(on);
    txtName_Change();
}

// The chosen team's squad rewritten from the player list, the rest emptied.
void Wizard2::RemoveTeamPlayer()
{
    auto &squad = gTeamSquads[m_chosenTeam];
    for (int j = 1; j <= kSquadSize; ++j)
        squad[j] = j <= lstClient->count() ? lstClient->item(j - 1)->text() : QString();
}

int Wizard2::PlayerCount() const
{
    return static_cast<int>(lstClient->count());
}

} // namespace fixtora
