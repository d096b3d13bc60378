#include "wizard/wizard5.h"

#include "model/fixturelist.h"
#include "model/league.h"
#include "model/wizardrules.h"
#include "platform/shortdate.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "shell/taskwindows.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "wizard/customdates.h"
#include "wizard/import.h"
#include "wizard/wizard2.h"
#include "wizard/wizard3.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace fixtora {

namespace {

constexpr int kTimerMs = 30;

// The date of the round the editor last reported, within the model's rounds.
QDate lastEditedRound()
{
    return gWeekDates[std::clamp<int>(gLastWeek, 0, kMaxRounds)];
}

} // namespace

void ShowSummaryPage()
{
    ShowWizardPage(LoadForm<Wizard5>());
}

void UnloadSummaryPage()
{
    UnloadForm<import>();
    UnloadForm<Wizard5>();
    UnloadForm<Wizard3>();
    UnloadForm<Wizard2>();
}

Wizard5::Wizard5()
    : WizardPage("Wizard5", "FrmSummary", QString()),
      Label6(InArial(MakeLabel(frame, "Label6", QStringLiteral("No. of Names:")), 10)),
      lb1(InArial(MakeLabel(frame, "lb1"), 10, true)),
      Label4(InArial(MakeLabel(frame, "Label4", QStringLiteral("Play each other")), 10)),
      lb2(InArial(MakeLabel(frame, "lb2"), 10, true)),
      Label5(InArial(MakeLabel(frame, "Label5", QStringLiteral("time(s)")), 10)),
      Label3(InArial(MakeLabel(frame, "Label3", QStringLiteral("Start Date")), 10)),
      lb3(InArial(MakeLabel(frame, "lb3"), 10, true)),
      Label1(InArial(MakeLabel(frame, "Label1", QStringLiteral("End Date:")), 10)),
      lb4(InArial(MakeLabel(frame, "lb4"), 10, true)),
      Label8(InArial(MakeLabel(frame, "Label8", QStringLiteral("Each week there will be:")), 10)),
      lb6(InArial(MakeLabel(frame, "lb6"), 10, true)),
      Label10(InArial(MakeLabel(frame, "Label10", QStringLiteral("matches")), 10)),
      command1(PageButton(frame, "command1", QStringLiteral("&View Fixtures"))),
      command2(PageButton(frame, "command2", QStringLiteral("&Import Names"))),
      command3(PageButton(frame, "command3", QStringLiteral("&Edit Dates"))),
      command4(PageButton(frame, "command4", QStringLiteral("&Back"))),
      Timer1(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Summary"));
    BuildFrame();
    ConnectHandlers();
    Form_Load();
}

void Wizard5::BuildFrame()
{
    for (chameleonButton *button : {command1, command2, command3, command4})
        button->setFixedWidth(130);
    for (QLabel *value : {lb1, lb2, lb3, lb4, lb6})
        value->setMinimumWidth(110);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    auto *grid = new QGridLayout(frame);
    grid->addWidget(Label6, 0, 0);
    grid->addWidget(lb1, 0, 1);
    grid->addWidget(Label4, 1, 0);
    grid->addWidget(lb2, 1, 1);
    grid->addWidget(Label5, 1, 2);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(lb3, 2, 1);
    grid->addWidget(Label1, 3, 0);
    grid->addWidget(lb4, 3, 1);
    grid->addWidget(Label8, 4, 0);
    grid->addWidget(lb6, 4, 1);
    grid->addWidget(Label10, 4, 2);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(command4);
    buttons->addStretch();
    buttons->addWidget(command3);
    buttons->addWidget(command2);
    buttons->addWidget(command1);
    grid->addLayout(buttons, 5, 0, 1, 3);
    grid->setVerticalSpacing(12);
    grid->setHorizontalSpacing(16);
    // The keyboard starts on the page's task and goes along the buttons as they stand.
    ChainTabOrder({command4, command3, command2, command1});
    setFocusProxy(command1);
    CentreFrameInPage();
}

void Wizard5::ConnectHandlers()
{
    connect(Timer1, &QTimer::timeout, this, &Wizard5::Timer1_Timer);
    connect(command1, &QAbstractButton::clicked, this, &Wizard5::command1_Click);
    connect(command2, &QAbstractButton::clicked, this, &Wizard5::command2_Click);
    connect(command3, &QAbstractButton::clicked, this, &Wizard5::command3_Click);
    connect(command4, &QAbstractButton::clicked, this, &Wizard5::command4_Click);
}

// A pending import is dropped when the entries are handed over (the first
// load), so the reload after the round-date editor keeps it. The page of
// names or teams waits hidden for Back.
void Wizard5::Form_Load()
{
    UnloadForm<MainWizard>();
    if (Wizard3 *names = LoadedForm<Wizard3>())
        LoadForm<Main>()->HideMdiChild(names);
    if (Wizard2 *teams = LoadedForm<Wizard2>())
        LoadForm<Main>()->HideMdiChild(teams);
    frame->setTitle(QStringLiteral("Summary of ") + CaptionText(gTableName));
    Timer1->start(kTimerMs);
    if (gDatesPending)
        DateNewLeague();
    else
        gEndDate = lastEditedRound();
    SizeScoreLists(FixtureEntryCount(gNumSlots, gGamesToPlay), gTeamLeague);
    lb1->setText(QString::number(gNumSlots));
    lb2->setText(QString::number(gGamesToPlay));
    lb3->setText(ShortDate(gStartDate));
    lb4->setText(ShortDate(gEndDate));
    lb6->setText(QString::number(gNumSlots / 2.0));
}

void Wizard5::Timer1_Timer()
{
    if (gDatesEdited != 1)
        return;
    gDatesEdited = 0;
    lb3->setText(ShortDate(gWeekDates[1]));
    lb4->setText(ShortDate(lastEditedRound()));
}

void Wizard5::command1_Click()
{
    BuildFixtureList();
    LoadForm<Main>()->HideMdiChild(this);
    ShowTaskWindow(TaskWindow::Tableform);
}

void Wizard5::command2_Click()
{
    ShowImport();
}

// The round dates before the first save; the editor's OK brings this page
// back with them.
void Wizard5::command3_Click()
{
    ShowRoundDateEditor();
}

// The entries page as it was left; its Next hands them over again.
void Wizard5::command4_Click()
{
    ReopenEntries();
    UnloadForm<import>();
    UnloadForm<Wizard5>();
    if (gTeamLeague)
        ShowWizard2();
    else
        ShowWizard3();
}

} // namespace fixtora
