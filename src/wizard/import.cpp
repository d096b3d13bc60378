#include "wizard/import.h"

#include "model/league.h"
#include "model/wizardrules.h"
#include "shell/forms.h"
#include "ui/balloon.h"
#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"
#include "ui/controls.h"
#include "wizard/wizard5.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace fixtora {

namespace {

const HelpButton kFormatHelp = {
    "command4", "command4", "Import Fixtures",
    "To create a custom fixtures list you must first create your list & then put it into the correct format.  You "
    "need to paste into the box below the fixtures in the format 0102030401040302 etc. If you created a fixture "
    "where Player A vs Player B, Player C vs Player D is the first 'week' then in week 2 Player A vs Player C, "
    "Player B vs Player D then you would show this as 0102030401030204  where 01=Player A, 02=Player B, 03=Player "
    "C etc Only enter the first full set of matches/weeks.  If they play other 2 or more times this will "
    "automatically be entered."};

// The window closes onto the summary page, maximised again: the workspace
// gave it back its normal size when this window was maximised over it.
void closeOntoSummary()
{
    UnloadForm<import>();
    if (Wizard5 *summary = LoadedForm<Wizard5>())
        ShowWizardPage(summary);
}

} // namespace

void ShowImport()
{
    ShowWizardPage(LoadForm<import>());
}

import::import()
    : WizardPage("import", "importframe", QString()),
      Label1(MakeLabel(frame, "Label1", QStringLiteral("Copy your Text in the box below && click on check"))),
      Text1(MakeTextBox(frame, "Text1")),
      Label2(MakeLabel(frame, "Label2", QStringLiteral("string length should be"))),
      Text2(MakeTextBox(frame, "Text2")),
      command1(PageButton(frame, "command1", QStringLiteral("C&heck"))),
      Command2(PageButton(frame, "Command2", QStringLiteral("&Cancel")))
{
    setWindowTitle(QStringLiteral("Import Fixtures"));
    BuildFrame();
    ConnectHandlers();
    Form_Load();
}

void import::BuildFrame()
{
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Text1->setMinimumWidth(420);
    Text2->setReadOnly(true);
    Text2->setFixedWidth(64);
    UsePlainFont();

    auto *grid = new QGridLayout(frame);
    grid->addWidget(Label1, 0, 0, 1, 3);
    chameleonButton *help = QuestionButton(frame, "command4");
    grid->addWidget(help, 0, 3, Qt::AlignRight);
    grid->addWidget(Text1, 1, 0, 1, 4);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Text2, 2, 1, Qt::AlignLeft);
    grid->addWidget(Command2, 3, 2, Qt::AlignRight);
    grid->addWidget(command1, 3, 3);
    grid->setColumnStretch(1, 1);
    ConnectHelpButton(this, kFormatHelp, true);
    ChainTabOrder({Text1, help, Text2, Command2, command1});  // the help after the box it explains
    setFocusProxy(Text1);
    // The labels name their boxes (so "&&" shows one "&").
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Command2->setCancel(true);
    CentreFrameInPage();
}

void import::ConnectHandlers()
{
    connect(command1, &QAbstractButton::clicked, this, &import::command1_Click);
    connect(Command2, &QAbstractButton::clicked, this, &import::Command2_Click);
}

void import::Form_Load()
{
    Text1->setText(QStringLiteral("paste your custom fixtures in here"));
    Text2->setText(QString::number(CustomFixtureLength(gNumSlots)));
}

// A string the league file would refuse is never accepted. The accepted one
// is marked as the league's custom fixtures, so the first save stores it with
// a custom type code in a team league too.
void import::command1_Click()
{
    const QString fixtures = Text1->text();
    if (const std::optional<PageRefusal> refusal = CustomFixtureRefusal(fixtures, gNumSlots)) {
        ShowRefusal(*refusal, Text1);
        return;
    }
    Refuse(QStringLiteral("Valid Input String"), QStringLiteral("Valid String"),
           QStringLiteral("This appears to be a valid string.  This windows will now close.  Click on View Fixtures "
                          "to see the fixtures list\r\n"),
           nullptr, QStringLiteral("Information!"));
    gImportPending = true;
    gAltFixtureString = fixtures;
    gAltFixtures = true;
    gLeagueType = gTeamLeague ? TeamTypeCode(gTeamScoring, true) : kTypePlayersCustomOld;
    closeOntoSummary();
}

void import::Command2_Click()
{
    closeOntoSummary();
}

} // namespace fixtora
