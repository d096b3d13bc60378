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
    "points (or whatever the global settings is), 1 for a draw etc.  In 'Cumulative' scoring all points are added "
    "up & this make up the 'score' for that team. In 'Cumulative+Games' each game won counts 1 (a drawn game 1 for "
    "both teams): the games won are the team's score and the points added up are kept as a second total."};

// The scoring systems in the order of their numbers (1..3).
const QStringList kScoringSystems{QStringLiteral("WinLoseDraw"), QStringLiteral("Cumulative"),
                                  QStringLiteral("Cumulative+Games")};

const QString kNoTeamChosen = QStringLiteral("Names in Team: none selected");

// The players named in a row of gTeamSquads (its places 1..16).
int squadSize(std::span<const QString> row)
{
    return static_cast<int>(std::count_if(row.begin() + 1, row.end(), [](const QString &p) { return !p.isEmpty(); }));
}

// Buttons side by side, 8 pixels apart.
QHBoxLayout *buttonRow(std::initializer_list<QWidget *> buttons)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    for (QWidget *button : buttons)
        row->addWidget(button);
    return row;
}

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
      Teamtxt(MakeTextBox(frame, "Teamtxt")),
      TeamAdd(PageButton(frame, "TeamAdd", QStringLiteral("Add"))),
      TeamDelete(PageButton(frame, "TeamDelete", QStringLiteral("Delete"))),
      teamEdit(PageButton(frame, "teamEdit", QStringLiteral("Edit"))),
      teamlist(MakeList(frame, "teamlist")),
      Label11(MakeLabel(frame, "Label11", QStringLiteral("Names in Team"))),
      Label12(MakeLabel(frame, "Label12", kNoTeamChosen)),
      Label16(MakeLabel(frame, "Label16", QStringLiteral("Player/Name"))),
      txtName(MakeTextBox(frame, "txtName")),
      cmdadd(PageButton(frame, "cmdadd", QStringLiteral("&Add"))),
      cmdremove(PageButton(frame, "cmdremove", QStringLiteral("&Remove"))),
      cmdclear(PageButton(frame, "cmdclear", QStringLiteral("C&lear"))),
      lstClient(MakeList(frame, "lstClient")),
      Label15(MakeLabel(frame, "Label15", QStringLiteral("Names in this team:"))),
      lblDisplay(CountLabel(frame, "lblDisplay")),
      Label1(MakeLabel(frame, "Label1", QStringLiteral("Set scoring system to"))),
      list1(MakeCombo(frame, "list1", QStringList{QStringLiteral("Select method")} + kScoringSystems)),
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
    UsePlainFont();
    SetArialFont(Label11, 10, true);
    Label12->setMinimumWidth(260);
    teamlist->setMinimumSize(220, 240);
    lstClient->setMinimumSize(220, 240);
    auto *grid = new QGridLayout(frame);
    grid->addLayout(TeamColumn(), 0, 0);
    grid->addLayout(PlayerColumn(), 0, 1);
    grid->addLayout(ScoringRow(), 1, 0, 1, 2);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(14);
    ConnectHelpButton(this, kScoringHelp, true);
    ChainTabOrder({Teamtxt, TeamAdd, TeamDelete, teamEdit, teamlist, txtName, cmdadd, cmdremove, cmdclear, lstClient,
                   list1, command7, command1, Command3});
    setFocusProxy(Teamtxt);
    Label13->setBuddy(Teamtxt);
    Label16->setBuddy(txtName);
    Label1->setBuddy(list1);
    // The two lists and the two Adds are told apart by what they hold and add.
    teamlist->setAccessibleName(QStringLiteral("Teams"));
    TeamAdd->setAccessibleName(QStringLiteral("Add Team"));
    cmdadd->setAccessibleName(QStringLiteral("Add Player"));
    SetCancelButton(command1);
    CentreFrameInPage();
}

QLayout *Wizard2::TeamColumn()
{
    auto *teams = new QGridLayout;
    teams->addWidget(Label10, 0, 0);
    teams->addWidget(lblteam, 0, 1, Qt::AlignLeft);
    teams->addWidget(Label13, 1, 0);
    teams->addWidget(Teamtxt, 1, 1);
    teams->addLayout(buttonRow({TeamAdd, TeamDelete, teamEdit}), 2, 0, 1, 2);
    teams->addWidget(teamlist, 3, 0, 1, 2);
    teams->setSpacing(8);
    return teams;
}

QLayout *Wizard2::PlayerColumn()
{
    auto *players = new QGridLayout;
    players->addWidget(Label11, 0, 0, 1, 2);
    players->addWidget(Label12, 1, 0, 1, 2);
    players->addWidget(Label16, 2, 0);
    players->addWidget(txtName, 2, 1);
    players->addLayout(buttonRow({cmdadd, cmdremove, cmdclear}), 3, 0, 1, 2);
    players->addWidget(lstClient, 4, 0, 1, 2);
    players->addWidget(Label15, 5, 0);
    players->addWidget(lblDisplay, 5, 1, Qt::AlignLeft);
    players->setSpacing(8);
    return players;
}

QLayout *Wizard2::ScoringRow()
{
    auto *scoring = new QHBoxLayout;
    scoring->setSpacing(8);
    scoring->addWidget(Label1);
    scoring->addWidget(list1);
    command7 = QuestionButton(frame, "command7");
    scoring->addWidget(command7);
    scoring->addStretch();
    scoring->addWidget(command1);
    scoring->addWidget(Command3);
    return scoring;
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
    teamlist->clear();
    teamEdit->setEnabled(false);
    TeamDelete->setEnabled(false);
    ChooseNoTeam();
}

void Wizard2::Teamtxt_Change()
{
    TeamAdd->setEnabled(!Teamtxt->text().isEmpty());
}

// gTeamSquads holds 32 teams, each named in its row's place 0.
void Wizard2::TeamAdd_Click()
{
    const QString name = TypedName(Teamtxt->text());
    QStringList listed;
    for (int t = 1; t <= m_teamCount; ++t)
        listed.append(gTeamSquads[t][0]);
    const NameVerdict verdict = CheckNewName(NameList::Teams, listed, name);
    if (verdict != NameVerdict::Accepted) {
        RefuseNewName(NameList::Teams, verdict, Teamtxt);
        return;
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
    ShowChosenTeam(QStringLiteral("Names in Team: ") + gTeamSquads[m_chosenTeam][0]);
    lblDisplay->setText(QString::number(lstClient->count()));
    EnablePlayerEntry(true);
    txtName->setFocus();
}

// A team with players goes only when the user says so: its squad goes with it.
void Wizard2::TeamDelete_Click()
{
    const QList<QListWidgetItem *> selected = teamlist->selectedItems();
    if (selected.isEmpty()) {
        QApplication::beep();
        return;
    }
    const int row = teamlist->row(selected.first());
    const auto &squad = gTeamSquads[row + 1];
    const int players = squadSize(squad);
    if (players > 0 && !AskYesNo(QStringLiteral("Delete Team"),
                                 QStringLiteral("The team %1 has %2 player(s).  Delete the team and its players?")
                                     .arg(squad[0])
                                     .arg(players),
                                 MessageResult::No))
        return;
    TakeListRow(teamlist, row);
    CloseGap(std::span(gTeamSquads).subspan(1, m_teamCount), row);
    --m_teamCount;
    lblteam->setText(QString::number(teamlist->count()));
    TeamDelete->setEnabled(false);
    ChooseNoTeam();
}

void Wizard2::txtName_Change()
{
    cmdadd->setEnabled(m_chosenTeam > 0 && !txtName->text().isEmpty());
}

// The chosen team's players fill its row's places 1..16 in list order.
void Wizard2::cmdadd_Click()
{
    if (m_chosenTeam == 0)
        return;
    const QString name = TypedName(txtName->text());
    auto &squad = gTeamSquads[m_chosenTeam];
    const int n = PlayerCount();
    const QStringList listed(squad.begin() + 1, squad.begin() + 1 + n);
    const NameVerdict verdict = CheckNewName(NameList::Squad, listed, name);
    if (verdict != NameVerdict::Accepted) {
        RefuseNewName(NameList::Squad, verdict, txtName);
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
    const int row = lstClient->row(selected.first());
    auto &squad = gTeamSquads[m_chosenTeam];
    CloseGap(std::span(squad).subspan(1, PlayerCount()), row);
    TakeListRow(lstClient, row);
    lblDisplay->setText(QString::number(lstClient->count()));
    cmdremove->setEnabled(lstClient->count() > 0);
}

void Wizard2::cmdclear_Click()
{
    if (m_chosenTeam == 0)
        return;
    lstClient->clear();
    std::fill(gTeamSquads[m_chosenTeam].begin() + 1, gTeamSquads[m_chosenTeam].end(), QString());
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
        Refuse(QStringLiteral("Invalid entry"), QStringLiteral("Invalid Team scoring system"),
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
    if (!MayLeavePage(Typed()))
        return;
    UnloadForm<Wizard2>();
    AbandonNewLeague();
}

TypedEntries Wizard2::Typed() const
{
    int players = 0;
    for (int t = 1; t <= m_teamCount; ++t)
        players += squadSize(gTeamSquads[t]);
    return {.teams = m_teamCount, .players = players};
}

// After a deletion as when the page opens: no team, no players shown.
void Wizard2::ChooseNoTeam()
{
    m_chosenTeam = 0;
    ShowChosenTeam(kNoTeamChosen);
    lstClient->clear();
    lblDisplay->clear();
    EnablePlayerEntry(false);
}

// The heading of the players' list, which a screen reader reads as its name.
void Wizard2::ShowChosenTeam(const QString &heading)
{
    Label12->setText(heading);
    lstClient->setAccessibleName(heading);
}

void Wizard2::EnablePlayerEntry(bool on)
{
    txtName->setEnabled(on);
    cmdclear->setEnabled(on);
    txtName_Change();
}

int Wizard2::PlayerCount() const
{
    return static_cast<int>(lstClient->count());
}

} // namespace fixtora
