// Leaving the program with changes not saved: it asks first. A new league
// kept by "No" stays open with the program; scores typed into a round and
// stored by "Yes" when another round is opened, then saved by "Yes" at Exit,
// are in the file at the next start.

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

    // Saved, then the result of the last round entered on the last page:
    // Exit offers to save it, "Yes" does.
    const QString league = File(QStringLiteral("quiz.tbl"));
    {
        FileAnswers files({league});
        Click("Tableform", "save");
    }
    Click("Tableform", "Picture3");  // ">": rounds 22 to 28
    EXPECT_EQ(Text("Tableform", "Label6"), "page 2/2");
    Click("Tableform", "Cmdscore_7");
    ASSERT_TRUE(Shows("Enter_Scores"));
    EXPECT_EQ(Text("Enter_Scores", "Label1"), "Week 28");
    EXPECT_EQ(Text("Enter_Scores", "disname_1"), "Flo");
    EXPECT_EQ(Text("Enter_Scores", "disname_2"), "Ann");
    Fill("Enter_Scores", "Text1_1", QStringLiteral("5"));
    Fill("Enter_Scores", "Text1_2", QStringLiteral("2"));
    // Another round's button beside the window: the typed scores are asked
    // about first, "Yes" stores them, and the page shows them.
    QWidget *page = Control<QWidget>("Tableform", "piccy");
    const int unscored = Ink(page);
    {
        BoxAnswers boxes({"Yes"});
        Click("Tableform", "Cmdscore_1");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "Scores not stored");
        EXPECT_TRUE(boxes.seen()[0].text.startsWith("The scores typed into Week 28"));
    }
    ASSERT_TRUE(WaitFor([this] { return Text("Enter_Scores", "Label1") == "Week 22"; }, "round 22's window"));
    Snapshot("another-round");
    EXPECT_GT(Ink(page), unscored) << "the page shows round 28's scores";
    EXPECT_EQ(Text("Tableform", "Label6"), "page 2/2");
    Click("Enter_Scores", "update");
    ASSERT_TRUE(WaitFor([] { return Gone("Enter_Scores"); }, "the round window to close"));
    EXPECT_EQ(Text("Tableform", "Label6"), "page 2/2") << "the screen stays on the page it was on";
    {
        BoxAnswers boxes({"Yes"});
        ChooseMenu("File", "Exit");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].text.trimmed(), ChangedLeagueQuestion());
    }
    EXPECT_EQ(programEnds, 1);

    RestartProgram();
    EXPECT_EQ(opened.size(), 1) << "the release notes open on the first start only";
    {
        FileAnswers files({league});
        Click("MainWizard", "opentable");
    }
    ASSERT_TRUE(WaitFor([this] { return Control<QWidget>("MainWizard", "printweeklyscores")->isEnabled(); },
                        "the table button"));
    OpenTable();
    // Flo beat Ann; the rest have no points and no wins and stand by name.
    Rows table{{"1", "Flo", "1", "0", "3"}, {"2", "Ann", "0", "1", "0"}};
    for (const char *name : {"Ben", "Cy", "Di", "Ed", "Gus", "Hal"})
        table.append({QString::number(table.size() + 1), name, "0", "0", "0"});
    EXPECT_EQ(TableOnScreen(8), table);
    CloseTable();
    ChooseMenu("File", "Exit");
    EXPECT_EQ(programEnds, 2);
}

} // namespace
} // namespace fixtora
