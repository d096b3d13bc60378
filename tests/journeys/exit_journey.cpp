// A new league whose first round is moved in the round-date editor before it
// is saved. Leaving the program with changes not saved: it asks one question
// first, Save, Don't Save or Cancel. A new league kept by Escape (Cancel)
// stays open with the program; scores typed into a round and stored by "Yes"
// when another round is opened, then saved by Return (Save) at Exit, are in
// the file at the next start.

#include "journey.h"

#include "model/settings.h"
#include "results/tableform.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "testfiles.h"

#include <QApplication>

namespace fixtora {
namespace {

using Rows = QList<QStringList>;

const QString kLeague = QStringLiteral("Quiz Night");
const QStringList kPlayers{"Ann", "Ben", "Cy", "Di", "Ed", "Flo", "Gus", "Hal"};

class ExitJourney : public Journey {};

TEST_F(ExitJourney, UnsavedChangesAreAskedAboutBeforeTheProgramEnds)
{
    test::writeAll(IniFilePath(), "[Fixtora INI file]\nhomeaway=False\n");  // kept from a run with the rule off
    StartProgram();
    // Eight players meeting four times: 28 rounds, more than a page.
    const QDate start(2026, 2, 3);
    DefineLeague(kLeague, QStringLiteral("4"), start);
    AddNames(kPlayers);

    // The first round a day later, in the round-date editor the summary page
    // opens: the summary and then the fixtures start on it.
    Press(Qt::Key_E, Qt::AltModifier);  // "&Edit Dates"
    ASSERT_TRUE(Shows("customdates"));
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("customdates", "DTPicker1_0"));
    const QDate moved = start.addDays(1);
    {
        BoxAnswers boxes;
        QWidget *picker = Control<QWidget>("customdates", "DTPicker1_0");
        ASSERT_NE(picker, nullptr);
        ClickAt(picker, QPoint(picker->width() - 8, picker->height() / 2));  // its calendar's arrow
        ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }, "the calendar"));
        Press(Qt::Key_Right);
        Press(Qt::Key_Return);
        ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() == nullptr; }, "the calendar to close"));
        EXPECT_EQ(boxes.texts(), QStringList{"week 1 set to " + ShortForm(moved)});
    }
    Snapshot("round-dates");
    Press(Qt::Key_O, Qt::AltModifier);  // "&OK"
    ASSERT_TRUE(Shows("Wizard5"));
    EXPECT_TRUE(Gone("customdates"));
    EXPECT_TRUE(WaitFor([this, moved] { return Text("Wizard5", "lb3") == ShortForm(moved); }, "the new start"));
    EXPECT_EQ(Text("Wizard5", "lb4"), ShortForm(start.addDays(7 * 27)));
    Press(Qt::Key_V, Qt::AltModifier);
    ASSERT_TRUE(Shows("Tableform"));
    EXPECT_EQ(Text("Tableform", "dateshow_0"), ShortForm(moved));
    EXPECT_EQ(Text("Tableform", "dateshow_1"), ShortForm(start.addDays(7)));
    EXPECT_EQ(Text("Tableform", "Label13"), ShortForm(moved));
    EXPECT_EQ(PageThrough(), 2);

    // A new league only in memory: Escape keeps it and the program.
    {
        BoxAnswers boxes({"<Escape>"});
        ChooseMenu("File", "Exit");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "League not saved");
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
        BoxAnswers boxes({"<Return>"});  // the question opens on Save
        ChooseMenu("File", "Exit");
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "League not saved");
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
