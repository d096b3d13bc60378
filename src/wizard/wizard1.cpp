#include "wizard/wizard1.h"

#include "model/league.h"
#include "model/leaguerules.h"
#include "model/wizardrules.h"
#include "platform/shortdate.h"
#include "platform/typeddate.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/balloon.h"
#include "ui/chameleonbutton.h"
#include "ui/messagebox.h"
#include "ui/controls.h"
#include "wizard/wizard2.h"
#include "wizard/wizard3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace fixtora {

namespace {

const HelpButton kHelpBalloons[] = {
    {"command3", "Check1", "Team Leagues",
     "By ticking the 'this is a team league' option, you make this league capable of using Teams.  It functions "
     "like a normal League but each 'slot' which is normally a player/Team is listed with the Team Name, within "
     "each team you can have up to 16 players in it."},
    {"command4", "Text1", "Name of League",
     "This is the name displayed at the top of the League.  The filename you save the league to can be "
     "different."},
    {"command5", "text2", "Games to Play",
     "The number of times a player/team plays another player or team.   This is normally 1 or 2 but can be "
     "more."},
    {"command6", "text3", "Start date",
     "The date of the first match.  If this is left blank then todays date is used."},
    {"command7", "Combo1", "Frequency",
     "This is the frequency between Matches (or weeks as the default is).  Select the number & then "
     "day/week/month"},
};

const QString kError = QStringLiteral("Error!");
const QString kIntervalTitle = QStringLiteral("Invalid days/weeks/months");
constexpr bool kEditable = true;

} // namespace

void ShowWizard1()
{
    ShowWizardPage(LoadForm<Wizard1>());
}

Wizard1::Wizard1()
    : WizardPage("Wizard1", "Wizard1frame", QStringLiteral("Create New League")),
      Label1(MakeLabel(frame, "Label1", QStringLiteral("Name of League:"))),
      Text1(MakeTextBox(frame, "Text1")),
      Label5(MakeLabel(frame, "Label5", QStringLiteral("Games to Play:"))),
      text2(MakeCombo(frame, "text2", {QStringLiteral("1"), QStringLiteral("2")}, kEditable)),
      Label3(MakeLabel(frame, "Label3", QStringLiteral("Start Date:"))),
      text3(MakeTextBox(frame, "text3")),
      Label4(MakeLabel(frame, "Label4", QStringLiteral("Frequency:"))),
      Label2(MakeLabel(frame, "Label2", QStringLiteral("every"))),
      Combo1(MakeCombo(frame, "Combo1",
                       {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                        QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
                        QStringLiteral("9")},
                       kEditable)),
      Combo2(MakeCombo(frame, "Combo2",
                       {QStringLiteral("day(s)"), QStringLiteral("week(s)"), QStringLiteral("month(s)")}, kEditable)),
      Check1(MakeCheckBox(frame, "Check1", QStringLiteral("This is a Team League"))),
      command1(PageButton(frame, "command1", QStringLiteral("&Cancel"))),
      command2(PageButton(frame, "command2", QStringLiteral("&Next")))
{
    setWindowTitle(QStringLiteral("Create New League"));
    BuildFrame();
    ConnectHandlers();
    Form_Load();
}

void Wizard1::BuildFrame()
{
    Text1->setMinimumWidth(220);
    UsePlainFont();

    chameleonButton *help[] = {QuestionButton(frame, "command4"), QuestionButton(frame, "command5"),
                               QuestionButton(frame, "command6"), QuestionButton(frame, "command7"),
                               QuestionButton(frame, "command3")};
    auto *grid = new QGridLayout(frame);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1, 1, 3);
    grid->addWidget(help[0], 0, 4);
    grid->addWidget(Label5, 1, 0);
    grid->addWidget(text2, 1, 1);
    grid->addWidget(help[1], 1, 4);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(text3, 2, 1, 1, 2);
    grid->addWidget(help[2], 2, 4);
    auto *frequency = new QHBoxLayout;
    frequency->addWidget(Label4);
    frequency->addSpacing(8);
    frequency->addStretch();
    frequency->addWidget(Label2);
    grid->addLayout(frequency, 3, 0);
    grid->addWidget(Combo1, 3, 1);
    grid->addWidget(Combo2, 3, 2, 1, 2);
    grid->addWidget(help[3], 3, 4);
    grid->addWidget(Check1, 4, 1, 1, 3);
    grid->addWidget(help[4], 4, 4);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    grid->addLayout(buttons, 5, 0, 1, 5);
    grid->setVerticalSpacing(10);
    for (const HelpButton &help : kHelpBalloons)
        ConnectHelpButton(this, help, true);
    // Row by row, each help button after the boxes of its row.
    ChainTabOrder({Text1, help[0], text2, help[1], text3, help[2], Combo1, Combo2, help[3], Check1, help[4], command1,
                   command2});
    setFocusProxy(Text1);
    // Return anywhere on the page is Next (unless a button has the keyboard),
    // Esc is Cancel; a screen reader names each box by its label.
    command2->setDefault(true);
    SetCancelButton(command1);
    Label1->setBuddy(Text1);
    Label5->setBuddy(text2);
    Label3->setBuddy(text3);
    Label4->setBuddy(Combo1);
    Label2->setBuddy(Combo2);
    CentreFrameInPage();
}

void Wizard1::ConnectHandlers()
{
    connect(command2, &QAbstractButton::clicked, this, &Wizard1::command2_Click);
    connect(command1, &QAbstractButton::clicked, this, &Wizard1::command1_Click);
}

void Wizard1::Form_Load()
{
    UnloadForm<MainWizard>();
    Combo1->setCurrentText(QStringLiteral("1"));
    Combo2->setCurrentText(QStringLiteral("week(s)"));
}

// Each check stores its value and the first refusal ends the click. A blank
// start date becomes today's, shown in the box, and the page goes on.
void Wizard1::command2_Click()
{
    gTableName = TypedName(Text1->text());
    const std::optional<std::int16_t> games = ReadGamesToPlay(text2->currentText());
    if (!games) {
        Refuse(QStringLiteral("Invalid Games to Play entered"), QStringLiteral("Game to Play"),
               QStringLiteral("The games to play value must be between 1 & 4.  This is the number of times each "
                              "player plays any other player.\r\n"),
               text2, kError);
        return;
    }
    gGamesToPlay = *games;
    if (text3->text().isEmpty()) {
        gStartDate = QDate::currentDate();
        text3->setText(ShortDate(gStartDate));
    } else if (const std::optional<QDate> start = ReadShortDate(text3->text())) {
        gStartDate = *start;
    } else {
        Refuse(QStringLiteral("Invalid value entered"), QStringLiteral("Start date"),
               QStringLiteral("The format that you entered for the date is invalid.  Please enter the format in "
                              "dd/mm/yyyy or mm/dd/yyyy depending on your machine set up.\r\n"),
               text3, kError);
        return;
    }
    if (!IsLeagueNameLength(gTableName)) {
        Refuse(QStringLiteral("Invalid League Name entered"), QStringLiteral("League Name"),
               QStringLiteral("You must enter a League Name with a minimum of 4 characters & a maximum of 16 "
                              "characters.  This is the name that will be displayed at the top of your League "
                              "Fixtures.  Examples are:  Division 1, Junior League or Soccer League 1\r\n"),
               Text1, kError);
        return;
    }
    if (!StoreInterval())
        return;
    gTeamLeague = Check1->isChecked();
    LoadForm<Main>()->HideMdiChild(this);
    if (gTeamLeague)
        ShowWizard2();
    else
        ShowWizard3();
    LoadForm<Main>()->SetCaption(QStringLiteral("League Wizard          Current League :") + gTableName);
}

// The interval between rounds from its two boxes; false after a refusal.
bool Wizard1::StoreInterval()
{
    const std::optional<std::int16_t> count = ReadIntervalCount(Combo1->currentText());
    if (!count) {
        Refuse(kIntervalTitle, QStringLiteral("days/weeks/months"),
               QStringLiteral("Invalid days/weeks/months entered.  This value must be between 1 and 31."), Combo1,
               kError);
        return false;
    }
    gFreqCount = *count;
    const QString unit = IntervalUnitCode(Combo2->currentText());
    if (unit.isEmpty()) {
        Refuse(kIntervalTitle, QStringLiteral("days/weeks/months"),
               QStringLiteral("Invalid days/weeks/months entered.  This value must be day(s), week(s) or month(s)."),
               Combo2, kError);
        return false;
    }
    gFreqUnit = unit;
    return true;
}

void Wizard1::command1_Click()
{
    UnloadForm<Wizard1>();
    AbandonNewLeague();
}

} // namespace fixtora
