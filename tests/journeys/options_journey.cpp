// The options dialog opened over the open league table: new points for a
// win and new sort keys, and the table on the screen follows; the
// home-and-away rule switched on, and the table stays as it was.

#include "journey.h"

#include "model/league.h"
#include "model/leaguefile.h"
#include "model/settings.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "testleague.h"
#include "testfiles.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionComplex>

#include <functional>

namespace fixtora {
namespace {

using Rows = QList<QStringList>;

class OptionsJourney : public Journey {
protected:
    // A button beside the menus of a maximised window of the workspace
    // (minimise, restore, close), clicked where the style draws it.
    void ClickWindowButton(QStyle::SubControl button)
    {
        QWidget *buttons = LoadedForm<Main>()->menuBar()->cornerWidget(Qt::TopRightCorner);
        QStyleOptionComplex drawn;
        drawn.initFrom(buttons);
        drawn.subControls = QStyle::SC_MdiMinButton | QStyle::SC_MdiNormalButton | QStyle::SC_MdiCloseButton;
        ClickAt(buttons, buttons->style()->subControlRect(QStyle::CC_MdiControls, &drawn, button, buttons).center());
    }

    // A league (of four players unless told) in a file, every score
    // entered, opened from the main menu.
    void OpenStoredLeague(test::TestLeague stored = test::PlayerLeague(4))
    {
        stored.scoresEntered = true;
        test::BuildTestLeague(stored);
        const QString league = File(QStringLiteral("league.tbl"));
        gLeagueFile = league;
        ASSERT_TRUE(CreateLeagueFile().ok);  // a new file holds no scores yet
        ASSERT_TRUE(SaveLeague().ok);

        StartProgram();
        {
            BoxAnswers boxes;  // no league is open: nothing to ask
            FileAnswers files({league});
            Press(Qt::Key_O, Qt::ControlModifier);  // "Open League"
            EXPECT_TRUE(boxes.seen().isEmpty());
        }
        ASSERT_TRUE(WaitFor([this] { return Control<QWidget>("MainWizard", "printweeklyscores")->isEnabled(); },
                            "the table button"));
    }
};

TEST_F(OptionsJourney, PointsAndSortKeysChangedWhileTheTableIsOpen)
{
    // Side k of the fixture list scored k % 5. By the pairing table of four,
    // the fixtures are 1-2 (1:2), 3-4 (3:4), 3-1 (0:1), 2-4 (2:3), 4-1 (4:0)
    // and 2-3 (1:2): Player 4 won three, each of the others won one and lost
    // two. Their own scores ("+"): 2, 5, 5 and 11.
    OpenStoredLeague();
    OpenTable();
    // Index, name, wins, lost, points at 3 a win; by points, wins and name.
    EXPECT_EQ(TableOnScreen(4), (Rows{{"1", "Player 4", "3", "0", "9"},
                                      {"2", "Player 1", "1", "2", "3"},
                                      {"3", "Player 2", "1", "2", "3"},
                                      {"4", "Player 3", "1", "2", "3"}}));

    QWidget *picture = Control<QWidget>("PrintWeekly", "Picture1");
    const int before = Ink(picture);
    Press(Qt::Key_D, Qt::AltModifier);  // the Edit menu
    Press(Qt::Key_C);                    // "Customise"
    ASSERT_TRUE(Shows("customise"));
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("customise", "Check1"));
    Fill("customise", "Text8", QStringLiteral("5"));
    {
        BoxAnswers boxes({"Cancel", "Cancel", "Don't Save"});  // a changed setting is asked about
        Press(Qt::Key_Escape);
        Press(Qt::Key_Q, Qt::ControlModifier);  // "Exit": the same question, and Cancel stays
        Press(Qt::Key_W, Qt::ControlModifier);
        ASSERT_EQ(boxes.seen().size(), 3);
        EXPECT_EQ(boxes.seen()[1].text, boxes.seen()[0].text);
        EXPECT_EQ(programEnds, 0);
    }
    ASSERT_TRUE(WaitFor([] { return Gone("customise") && gPointsForWin == "3"; }, "the options to close"));
    ChooseMenu("Edit", "Customize");
    Fill("customise", "Text8", QStringLiteral("2"));  // points for a win
    Pick("customise", "Combo2_1", QStringLiteral("+"));
    Pick("customise", "Combo2_2", QStringLiteral("Points"));
    Snapshot("options");
    {
        BoxAnswers boxes;
        Press(Qt::Key_Return);  // "Close"
        EXPECT_TRUE(boxes.seen().isEmpty()) << boxes.texts().join(" / ").toStdString();
    }
    ASSERT_TRUE(WaitFor([] { return Gone("customise"); }, "the options to close"));
    ASSERT_TRUE(Shows("PrintWeekly"));
    EXPECT_TRUE(Gone("MainWizard")) << "the table stays in front";

    // By "+" now (Player 2 and Player 3 tie on it and on points, and keep
    // their order by name), 2 points a win.
    const Rows followed{{"1", "Player 4", "3", "0", "6"},
                        {"2", "Player 2", "1", "2", "2"},
                        {"3", "Player 3", "1", "2", "2"},
                        {"4", "Player 1", "1", "2", "2"}};
    EXPECT_TRUE(WaitFor([&] { return TableOnScreen(4) == followed; }, "the open table to follow the options"));
    EXPECT_EQ(TableOnScreen(4), followed);
    Snapshot("table-followed");
    EXPECT_NE(Ink(picture), before) << "and it is drawn again";

    CloseTable();
    opened.clear();
    Press(Qt::Key_F1);  // the help's contents
    Press(Qt::Key_F10);
    EXPECT_TRUE(WaitFor([this] { return opened.size() == 1 && QApplication::activePopupWidget(); }, "help, menu"));
    Press(Qt::Key_Escape);
    Press(Qt::Key_Escape);
    Press(Qt::Key_Q, Qt::ControlModifier);  // "Exit"
    EXPECT_EQ(programEnds, 1);
}

// A season of twenty players who met twice, entered with the home-and-away
// rule off: the rule switched on over the open table changes no row of it;
// saved on the way out, the league opens under either setting alike.
TEST_F(OptionsJourney, TheHomeAwayRuleSwitchedOnLeavesTheTableAsItWas)
{
    test::writeAll(IniFilePath(), "[Fixtora INI file]\nhomeaway=False\n");  // kept from a run with the rule off
    gHomeAwayRule = false;
    OpenStoredLeague(test::PlayerLeague(20, 2));
    const QStringList standings = test::StandingsAsText();
    OpenTable();
    const Rows table = TableOnScreen(20);
    ASSERT_EQ(table.size(), 20);
    EXPECT_EQ(table[0].value(1), "Player 10");

    ChooseMenu("Edit", "Customize");
    ASSERT_TRUE(Shows("customise"));
    Click("customise", "Check6");  // "Enable Home/Away Rule"
    Snapshot("rule-on");
    {
        BoxAnswers boxes;
        Click("customise", "command5");  // "Close"
        EXPECT_TRUE(boxes.seen().isEmpty()) << boxes.texts().join(" / ").toStdString();
    }
    ASSERT_TRUE(WaitFor([] { return Gone("customise"); }, "the options to close"));
    ASSERT_TRUE(WaitFor([] { return gTableRefresh == 0; }, "the open table to be counted again"));
    EXPECT_TRUE(gHomeAwayRule);
    EXPECT_EQ(TableOnScreen(20), table);
    Snapshot("table-under-the-rule");
    CloseTable();

    {
        BoxAnswers boxes({"Save"});  // the league changed: saved on the way out
        ChooseMenu("File", "Exit");
        EXPECT_EQ(boxes.seen().size(), 1);
    }
    EXPECT_EQ(programEnds, 1);
    gHomeAwayRule = false;
    ASSERT_TRUE(LoadLeague(File(QStringLiteral("league.tbl"))).ok);
    EXPECT_EQ(test::StandingsAsText(), standings) << "saved under the rule, opened without it";
}

// The options opened over each screen of the program and closed again: the
// screen is found as it was, filling the workspace, in front.
TEST_F(OptionsJourney, EveryScreenFillsTheWorkspaceAgainWhenTheOptionsClose)
{
    OpenStoredLeague();
    const struct {
        const char *screen;
        std::function<void()> open;
        std::function<void()> close;
    } screens[] = {
        {"Tableform", [this] { Click("MainWizard", "printtable"); }, [this] { Click("Tableform", "command3"); }},
        {"PrintWeekly", [this] { OpenTable(); }, [this] { CloseTable(); }},
        {"tourwiz", [this] { Click("MainWizard", "tournie"); }, [this] { Click("tourwiz", "command1"); }},
        {"Tournieform",
         [this] {
             Click("MainWizard", "tournie");
             ASSERT_TRUE(Shows("tourwiz"));
             Fill("tourwiz", "txtName", QStringLiteral("8"));
             Click("tourwiz", "cmdclose");  // "&Next"
             Click("tourwiz", "cmdStart");  // "&Next" past the names
         },
         [this] {
             BoxAnswers boxes({"Don't Save"});
             Click("Tournieform", "command5");
         }},
    };
    const QMdiArea *workspace = LoadedForm<Main>()->findChild<QMdiArea *>();
    for (const auto &screen : screens) {
        SCOPED_TRACE(screen.screen);
        screen.open();
        ASSERT_TRUE(Shows(screen.screen));
        ChooseMenu("Edit", "Customize");
        ASSERT_TRUE(Shows("customise"));
        {
            BoxAnswers boxes;
            Click("customise", "command5");  // "Close"
            EXPECT_TRUE(boxes.seen().isEmpty()) << boxes.texts().join(" / ").toStdString();
        }
        ASSERT_TRUE(WaitFor([] { return Gone("customise"); }, "the options to close"));
        auto *frame = qobject_cast<QMdiSubWindow *>(Form(screen.screen)->parentWidget());
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isMaximized());
        EXPECT_EQ(frame->geometry(), workspace->viewport()->rect());
        EXPECT_EQ(workspace->activeSubWindow(), frame);
        EXPECT_EQ(workspace->subWindowList(QMdiArea::StackingOrder).last(), frame);
        Snapshot(screen.screen);
        screen.close();
        ASSERT_TRUE(Shows("MainWizard"));
        EXPECT_TRUE(Gone(screen.screen));
    }
    ChooseMenu("File", "Exit");
    EXPECT_EQ(programEnds, 1);
}

// The options restored to a smaller size, then the tournament wizard opened
// from the menu behind them and closed by its close box: the menu comes back
// behind the options, which stay in view with the keyboard.
TEST_F(OptionsJourney, OptionsRestoredSmallerStayInViewWhenATaskGoesByItsCloseBox)
{
    StartProgram();
    ChooseMenu("Edit", "Customize");
    ASSERT_TRUE(Shows("customise"));
    auto *options = qobject_cast<QMdiSubWindow *>(Form("customise")->parentWidget());
    ClickWindowButton(QStyle::SC_MdiNormalButton);
    ASSERT_TRUE(WaitFor([options] { return !options->isMaximized(); }, "the options to be restored"));
    options->move(0, 0);  // dragged aside, off the menu's buttons
    Click("MainWizard", "tournie");
    ASSERT_TRUE(Shows("tourwiz"));
    ClickWindowButton(QStyle::SC_MdiCloseButton);  // the wizard's close box
    ASSERT_TRUE(WaitFor([] { return Gone("tourwiz"); }, "the wizard to close"));
    ASSERT_TRUE(Shows("MainWizard"));
    const QMdiArea *workspace = LoadedForm<Main>()->findChild<QMdiArea *>();
    EXPECT_EQ(workspace->subWindowList(QMdiArea::StackingOrder).last(), options) << "the options in front";
    EXPECT_EQ(workspace->activeSubWindow(), options);
    Snapshot("menu-behind-the-options");
    Click("customise", "command5");  // "Close"
    ASSERT_TRUE(WaitFor([] { return Gone("customise"); }, "the options to close"));
    ChooseMenu("File", "Exit");
    EXPECT_EQ(programEnds, 1);
}

} // namespace
} // namespace fixtora
