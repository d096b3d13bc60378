// Every window the program opens gives each access key (Alt + letter) to one
// control only: a key shared by two controls presses neither at once, it
// only moves the keyboard between them. And a screen reader names each box
// by the label beside it.

#include "journey.h"

#include "results/changename.h"
#include "results/enterscores.h"
#include "results/showpenalty.h"
#include "results/teamscoreentry.h"
#include "model/league.h"
#include "model/tournament.h"
#include "shell/addhelp.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/frmlogin.h"
#include "shell/frmmainhelp.h"
#include "shell/frmsplash.h"
#include "shell/introscreen.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "table/printweekly.h"
#include "testleague.h"
#include "tournament/tournieform.h"
#include "tournament/tourwiz.h"

#include <QAccessible>
#include <QMenuBar>

#include <functional>

namespace fixtora {
namespace {

// The label a screen reader reads for a control.
QString accessibleLabel(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return {};
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

struct NamedBox {
    const char *box;
    const char *name;
};

class AccessKeysJourney : public Journey {};

TEST_F(AccessKeysJourney, EveryWindowGivesEachAccessKeyToOneControlAndNamesItsBoxes)
{
    StartProgram();
    const struct {
        const char *window;
        std::function<void()> open;
        QList<NamedBox> boxes = {};
    } rows[] = {
        {"IntroScreen", [] { LoadForm<IntroScreen>()->show(); }},
        {"frmLogin", [] { LoadForm<frmLogin>()->show(); }, {{"txtPassword", "Password:"}}},
        {"MainWizard", [] { ShowMainMenu(); }},
        {"frmSplash", [] { LoadForm<frmSplash>()->show(); }},
        {"frmmainhelp", [] { LoadForm<frmmainhelp>()->show(); }},
        {"Addhelp", [] { LoadForm<Addhelp>()->show(); }},
        {"customise",
         [] { LoadForm<Main>()->ShowMdiChild(LoadForm<customise>(), true); },
         {{"Text1", "Scores are known as:-"}, {"txtpath", "Default Path:-"}, {"Text8", "Points for Win"},
          {"Text6", "Points for lose"}, {"Text4", "Password:"}, {"Combo1_3", "Column 3"},
          {"Text3_2", "Column 2 shown as"}, {"Combo2_1", "Sort 1"}, {"Combo2_5", "Sort 5"}}},
        {"Wizard1",
         [] { ShowTaskWindow(TaskWindow::Wizard1); },
         {{"Text1", "Name of League:"}, {"text2", "Games to Play:"}, {"text3", "Start Date:"},
          {"Combo1", "Frequency:"}}},
        {"Wizard3", [] { ShowTaskWindow(TaskWindow::Wizard3); }, {{"txtName", "Name to add:"}}},
        {"Wizard2",
         [] { ShowTaskWindow(TaskWindow::Wizard2); },
         {{"Teamtxt", "Team Name:"}, {"txtName", "Player/Name"}, {"list1", "Set scoring system to"}}},
        {"Wizard5", [] { test::BuildTestLeague(test::PlayerLeague(6)); ShowTaskWindow(TaskWindow::Wizard5); }},
        {"import", [] { ShowTaskWindow(TaskWindow::import); }, {{"Text2", "string length should be"}}},
        {"customdates", [] { ShowTaskWindow(TaskWindow::customdates); }},
        {"Tableform", [] { ShowTaskWindow(TaskWindow::Tableform); }},
        {"Enter_Scores", [] { gScoreWeek = 1; ShowEnterScores(); }},
        {"changename", [] { ShowChangeName(); }, {{"Combo1", "Change:-"}, {"Text1", "To:-"}}},
        {"ShowPenalty", [] { ShowPenaltyWindow(); }, {{"Combo1", "Player:-"}, {"Text1", "Penalty"}}},
        {"TeamScoreentry",
         [] {
             test::BuildTestLeague(test::TeamLeague(4));
             gEntryWeek = 1;
             gTeamFixture = 1;
             ShowTeamScoreentry();
         },
         {{"playername_17", "Game 1, Team 2: player"}}},
        {"PrintWeekly",
         [] { ShowTaskWindow(TaskWindow::PrintWeekly); },
         {{"htmlout", "Html file name:"}, {"Text1", "Filename:"}, {"Text2", "FTP Site:"}, {"Text3", "Username:"},
          {"Text4", "Password:"}}},
        {"tourwiz", [] { ShowTaskWindow(TaskWindow::tourwiz); }},
        {"Tournieform", [] { SetUpTournament(16); ShowTaskWindow(TaskWindow::Tournieform); }},
    };
    for (const auto &row : rows) {
        row.open();
        QWidget *window = Form(row.window);
        ASSERT_NE(window, nullptr) << row.window;
        QMap<QString, QStringList> keys = AccessKeys(window);
        if (window->window() == LoadedForm<Main>())  // the menu bar stands over it
            for (const QAction *menu : LoadedForm<Main>()->menuBar()->actions())
                keys[QKeySequence::mnemonic(menu->text()).toString(QKeySequence::PortableText).toUpper()] << menu->text();
        for (auto key = keys.begin(); key != keys.end(); ++key)
            EXPECT_EQ(key.value().size(), 1) << row.window << ": " << key.key().toStdString() << " is "
                                             << key.value().join(QStringLiteral(", ")).toStdString();
        for (const NamedBox &named : row.boxes)
            EXPECT_EQ(accessibleLabel(window->findChild<QWidget *>(QLatin1String(named.box))), named.name)
                << row.window << "." << named.box;
        const AccessibilityProblems found = FindAccessibilityProblems(window);
        const QStringList all = found.unnamed + found.unlabelled + found.repeated;
        EXPECT_TRUE(all.isEmpty()) << row.window << ": " << all.join("; ").toStdString();
    }
    UnloadForm<TeamScoreentry>();
    UnloadForm<ShowPenalty>();
    UnloadForm<changename>();
    UnloadForm<Enter_Scores>();
    UnloadTaskWindow(TaskWindow::Tableform);
    UnloadForm<frmLogin>();
    UnloadForm<frmSplash>();
    UnloadForm<frmmainhelp>();
    UnloadForm<Addhelp>();
    ProcessUnloads();
}

} // namespace
} // namespace fixtora
