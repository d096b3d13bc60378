// Leaving the program with changes not saved: it asks first. A new league
// kept by "No" stays open with the program; a changed league saved by "Yes"
// is in its file at the next start.

#include "journey.h"

#include "fixtures/tableform.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"

namespace fixtora {
namespace {

using Rows = QList<QStringList>;

const QString kLeague = QStringLiteral("Quiz Night");
const QStringList kPlayers{"Ann", "Ben", "Cy", "Di", "Ed", "Flo", "Gus", "Hal"};

class ExitJourney : public Journey {};

TEST_F(ExitJourney, UnsavedChangesAreAskedAboutBeforeTheProgramEnds)
{
    StartProgram();
    // Eight players meeting four times: 28 rounds, more than a page.
    DefineLeague(kLeague, QStringLiteral("4"), QDate(2026, 2, 3));
    AddNames(kPlayers);
    Press(Qt::Key_V, Qt::AltModifier);
    ASSERT_TRUE(Shows("Tableform"));
    EXPECT_EQ(PageThrough(), 2);

    // A new league only in memory: "No" keeps it, and the program.
    {
        BoxAnswers boxes({"No"});
        ChooseMenu("File", "Exit");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "League not saved");
        EXPECT_EQ(boxes.seen()[0].text.trimmed(), NewLeagueQuestion());
    }
    EXPECT_EQ(programEnds, 0);
    ASSERT_TRUE(Shows("Tableform"));
    EXPECT_TRUE(LoadedForm<Main>()->isVisible());
    EXPECT_EQ(Text("Tableform", "Label12"), "8");
    EXPECT_EQ(LoadedForm<Main>()->Caption(), "League Wizard          Current League :" + kLeague);

    // Saved, then a result entered: Exit offers to save it, "Yes" does.
    const QString league = File(QStringLiteral("quiz.tbl"));
    {
        FileAnswers files({league});
        Click("Tableform", "save");
    }
    Click("Tableform", "Cmdscore_1");
    ASSERT_TRUE(Shows("Enter_Scores"));
    EXPECT_EQ(Text("Enter_Scores", "disname_1"), "Ann");
    EXPECT_EQ(Text("Enter_Scores", "disname_2"), "Ben");
    Fill("Enter_Scores", "Text1_1", QStringLiteral("5"));
    Fill("Enter_Scores", "Text1_2", QStringLiteral("2"));
    Click("Enter_Scores", "update");
    ASSERT_TRUE(WaitFor([] { return Gone("Enter_Scores"); }, "the round window to close"));
    {
        BoxAnswers boxes({"Yes"});
        ChooseMenu("File", "Exit");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].text.trimmed(), ChangedLeagueQuestion());
    }
    EXPECT_EQ(programEnds, 1);

    RestartProgram();
    {
        FileAnswers files({league});
        Click("MainWizard", "opentable");
    }
    ASSERT_TRUE(WaitFor([this] { return Control<QWidget>("MainWizard", "printweeklyscores")->isEnabled(); },
                        "the table button"));
    OpenTable();
    // Ann beat Ben; the rest have no points and no wins and stand by name.
    Rows table{{"1", "Ann", "1", "0", "3"}, {"2", "Ben", "0", "1", "0"}};
    for (int place = 3; place <= 8; ++place)
        table.append({QString::number(place), kPlayers[place - 1], "0", "0", "0"});
    EXPECT_EQ(TableOnScreen(8), table);
    Click("PrintWeekly", "command3");
    ASSERT_TRUE(Shows("MainWizard"));
    ChooseMenu("File", "Exit");
    EXPECT_EQ(programEnds, 2);
}

} // namespace
} // namespace fixtora
