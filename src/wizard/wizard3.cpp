#include "wizard/wizard3.h"

#include "model/league.h"
#include "model/leaguerules.h"
#include "model/wizardrules.h"
#include "shell/forms.h"
#include "ui/balloon.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "wizard/wizard1.h"
#include "wizard/wizard5.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <span>

namespace fixtora {

namespace {

const HelpButton kHelpBalloons[] = {
    {"command4", "cmdadd", "Add names", "Enter your name & click Add to add it to the list of names in your league"},
    {"command5", "cmdremove", "Remove name",
     "Select the name in the list & then select Remove to delete it from the list."},
    {"command6", "cmdclear", "Remove names", "Removes all names from the list"},
    {"command7", "txtName", "Name to add",
     "This is the name you want to add to this league. The maximum length is 16."},
    {"command8", "command8", "Number of names in League",
     "This box shows you the names of names in your league.  Depending on that type of league you run this "
     "could be number of players or teams."},
};

} // namespace

void ShowWizard3()
{
    ShowWizardPage(LoadForm<Wizard3>());
}

Wizard3::Wizard3()
    : WizardPage("Wizard3", "wizard3frame", QStringLiteral("Add Names")),
      lblName(MakeLabel(frame, "lblName", QStringLiteral("Na&me to add:"))),
      txtName(MakeTextBox(frame, "txtName")),
      lblClients(MakeLabel(frame, "lblClients", QStringLiteral("Names:"))),
      lstClient(MakeList(frame, "lstClient")),
      lblDisplay(CountLabel(frame, "lblDisplay")),
      cmdadd(PageButton(frame, "cmdadd", QStringLiteral("&Add"))),
      cmdremove(PageButton(frame, "cmdremove", QStringLiteral("&Remove"))),
      cmdclear(PageButton(frame, "cmdclear", QStringLiteral("C&lear"))),
      command1(PageButton(frame, "command1", QStringLiteral("&Cancel"))),
      cmdclose(PageButton(frame, "cmdclose", QStringLiteral("&Next>")))
{
    setWindowTitle(QStringLiteral("Add Names"));
    BuildFrame();
    ConnectHandlers();
    Form_Load();
}

void Wizard3::BuildFrame()
{
    lblName->setBuddy(txtName);
    txtName->setMinimumWidth(200);
    lstClient->setMinimumHeight(220);
    UsePlainFont();

    chameleonButton *help[] = {QuestionButton(frame, "command7"), QuestionButton(frame, "command4"),
                               QuestionButton(frame, "command5"), QuestionButton(frame, "command6"),
                               QuestionButton(frame, "command8")};
    auto *grid = new QGridLayout(frame);
    grid->addWidget(lblName, 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(help[0], 0, 2);
    grid->addWidget(cmdadd, 0, 3);
    grid->addWidget(help[1], 0, 4);
    grid->addWidget(lblClients, 1, 0, 1, 2);
    grid->addWidget(lstClient, 2, 0, 4, 2);
    grid->addWidget(cmdremove, 2, 3);
    grid->addWidget(help[2], 2, 4);
    grid->addWidget(cmdclear, 3, 3);
    grid->addWidget(help[3], 3, 4);
    auto *count = new QHBoxLayout;
    count->addWidget(lblDisplay);
    count->addWidget(help[4]);
    count->addStretch();
    grid->addLayout(count, 6, 0, 1, 2);
    grid->addWidget(command1, 7, 3);
    grid->addWidget(cmdclose, 7, 4);
    grid->setRowStretch(5, 1);
    for (const HelpButton &help : kHelpBalloons)
        ConnectHelpButton(this, help, true);
    lstClient->setAccessibleName(QStringLiteral("Names"));
    cmdclose->setAccessibleName(QStringLiteral("Next"));  // not read with its arrow
    // As they stand, each help button after the control it explains.
    ChainTabOrder({txtName, help[0], cmdadd, help[1], lstClient, cmdremove, help[2], cmdclear, help[3], help[4],
                   command1, cmdclose});
    setFocusProxy(txtName);
    SetCancelButton(command1);
    CentreFrameInPage();
}

void Wizard3::ConnectHandlers()
{
    connect(txtName, &QLineEdit::textChanged, this, &Wizard3::txtName_Change);
    connect(txtName, &QLineEdit::returnPressed, cmdadd, &QAbstractButton::click);
    connect(lstClient, &QListWidget::itemSelectionChanged, this, &Wizard3::lstClient_Click);
    connect(cmdadd, &QAbstractButton::clicked, this, &Wizard3::cmdadd_Click);
    connect(cmdremove, &QAbstractButton::clicked, this, &Wizard3::cmdremove_Click);
    connect(cmdclear, &QAbstractButton::clicked, this, &Wizard3::cmdclear_Click);
    connect(cmdclose, &QAbstractButton::clicked, this, &Wizard3::cmdclose_Click);
    connect(command1, &QAbstractButton::clicked, this, &Wizard3::command1_Click);
}

void Wizard3::Form_Load()
{
    UnloadForm<Wizard1>();
    gNumSlots = 0;
}

void Wizard3::txtName_Change()
{
    cmdadd->setEnabled(!txtName->text().isEmpty());
}

void Wizard3::lstClient_Click()
{
    cmdremove->setEnabled(!lstClient->selectedItems().isEmpty());
}

// The names fill gPlayerNames(1..32) in list order.
void Wizard3::cmdadd_Click()
{
    const QString name = TypedName(txtName->text());
    const auto listed = std::span(gPlayerNames).subspan(1, gNumSlots);
    const NameVerdict verdict = CheckNewName(NameList::Players, QStringList(listed.begin(), listed.end()), name);
    if (verdict != NameVerdict::Accepted) {
        RefuseNewName(NameList::Players, verdict, txtName);
        return;
    }
    ++gNumSlots;
    gPlayerNames[gNumSlots] = name;
    lstClient->addItem(name);
    txtName->clear();
    txtName->setFocus();
    ShowCount();
}

void Wizard3::cmdremove_Click()
{
    const QList<QListWidgetItem *> selected = lstClient->selectedItems();
    if (selected.isEmpty()) {
        QApplication::beep();
    } else {
        const int row = lstClient->row(selected.first());
        TakeListRow(lstClient, row);
        CloseGap(std::span(gPlayerNames).subspan(1, gNumSlots), row);
        --gNumSlots;
        ShowCount();
    }
    cmdremove->setEnabled(gNumSlots > 0);
}

// The old names stay in gPlayerNames; the next Add overwrites entry 1.
void Wizard3::cmdclear_Click()
{
    lstClient->clear();
    cmdremove->setEnabled(false);
    lblDisplay->setText(QStringLiteral("0"));
    gNumSlots = 0;
}

void Wizard3::cmdclose_Click()
{
    gLeagueOnDisk = false;
    gOddCount = gNumSlots % 2 == 1;
    if (gNumSlots < kMinSlots || gNumSlots > kMaxSlots) {
        RefuseEntryCount();
        return;
    }
    CompleteEntries(false);
    ShowSummaryPage();
}

void Wizard3::command1_Click()
{
    if (!MayLeavePage(Typed()))
        return;
    UnloadForm<Wizard3>();
    AbandonNewLeague();
}

TypedEntries Wizard3::Typed() const
{
    return {.names = static_cast<int>(lstClient->count())};
}

void Wizard3::ShowCount()
{
    lblDisplay->setText(QString::number(lstClient->count()));
}

} // namespace fixtora
