// Every window the program opens gives each access key (Alt + letter) to one
// control only: a key shared by two controls presses neither at once, it
// only moves the keyboard between them.

#include "journey.h"

#include "fixtures/changename.h"
#include "fixtures/enterscores.h"
#include "fixtures/showpenalty.h"
#include "fixtures/teamscoreentry.h"
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

#include <functional>

namespace fixtora {
namespace {

class AccessKeysJourney : public Journey {};

TEST_F(AccessKeysJourney, EveryWindowGivesEachAccessKeyToOneControl)
{
    StartProgram();
    const auto playerLeague = [] { test::BuildTestLeague(test::PlayerLeague(6)); };
    const struct {
        const char *window;
        std::function<void()> open;
    } rows[] = {
        {"IntroScreen", [] { LoadForm<IntroScreen>()->show(); }},
        {"frmLogin", [] { LoadForm<frmLogin>()->show(); }},
        {"MainWizard", [] { ShowMainMenu(); }},
        {"frmSplash", [] { LoadForm<frmSplash>()->show(); }},
        {"frmmainhelp", [] { LoadForm<frmmainhelp>()->show(); }},
        {"Addhelp", [] { LoadForm<Addhelp>()->show(); }},
        {"customise", [] { LoadForm<Main>()->ShowMdiChild(LoadForm<customise>(), true); }},
        {"Wizard1", [] { ShowTaskWindow(TaskWindow::Wizard1); }},
        {"Wizard3", [] { ShowTaskWindow(TaskWindow::Wizard3); }},
        {"Wizard2", [] { ShowTaskWindow(TaskWindow::Wizard2); }},
        {"Wizard5", [&] { playerLeague(); ShowTaskWindow(TaskWindow::Wizard5); }},
        {"import", [] { ShowTaskWindow(TaskWindow::import); }},
        {"customdates", [] { ShowTaskWindow(TaskWindow::customdates); }},
        {"Tableform", [] { ShowTaskWindow(TaskWindow::Tableform); }},
        {"Enter_Scores", [] { gScoreWeek = 1; ShowEnterScores(); }},
        {"changename", [] { ShowChangeName(); }},
        {"ShowPenalty", [] { ShowPenaltyWindow(); }},
        {"TeamScoreentry",
         [] {
             test::BuildTestLeague(test::TeamLeague(4));
             gEntryWeek = 1;
             gTeamFixture = 1;
             ShowTeamScoreentry();
         }},
        {"PrintWeekly", [] { ShowTaskWindow(TaskWindow::PrintWeekly); }},
        {"tourwiz", [] { ShowTaskWindow(TaskWindow::tourwiz); }},
        {"Tournieform", [] { SetUpTournament(16); ShowTaskWindow(TaskWindow::Tournieform); }},
    };
    for (const auto &row : rows) {
        row.open();
        QWidget *window = Form(row.window);
        ASSERT_NE(window, nullptr) << row.window;
        const QMap<QString, QStringList> keys = AccessKeys(window);
        for (auto key = keys.begin(); key != keys.end(); ++key)
            EXPECT_EQ(key.value().size(), 1) << row.window << ": " << key.key().toStdString() << " is "
                                             << key.value().join(QStringLiteral(", ")).toStdString();
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
