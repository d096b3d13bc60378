// A league of five players (a "bye" makes six), playing each other twice, a
// round a week: created, scored, saved, reopened, renamed, penalised and
// published as HTML, all through the program's windows.

#include "journey.h"

#include "model/league.h"
#include "model/settings.h"
#include "platform/registry.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "testfiles.h"

#include <QApplication>

namespace fixtora {
namespace {

using Rows = QList<QStringList>;

const QString kLeague = QStringLiteral("Tuesday Pool");
const QStringList kPlayers{"Alice", "Bob", "Cara", "Dan", "Eve"};
const QDate kStart(2026, 1, 6);
constexpr int kRounds = 10;  // 6 entries, 5 rounds a cycle, played twice
const QString kColumns = QStringLiteral("Index,Name,Wins,Draw,Lost,+,-,Points");

QDate roundDate(int round)
{
    return kStart.addDays(7 * (round - 1));
}

class PlayerLeagueJourney : public Journey {
protected:
    // Types the scores of a round into its window, one box after the other;
    // lines are what the window shows afterwards: left name, left score,
    // right score, right name.
    void enterRound(int round, const Rows &lines)
    {
        Click("Tableform", QStringLiteral("Cmdscore_%1").arg(round).toLatin1().constData());
        ASSERT_TRUE(Shows("Enter_Scores"));
        EXPECT_EQ(Text("Enter_Scores", "Label1"), QStringLiteral("Week %1").arg(round));
        Rows unscored = lines;
        for (QStringList &line : unscored)
            line[1] = line[2] = QString();
        expectRoundShown(unscored);
        Click("Enter_Scores", "Text1_1");
        for (const QStringList &line : lines) {
            Type(line[1]);
            Press(Qt::Key_Tab);
            Type(line[2]);
            Press(Qt::Key_Tab);
        }
        expectRoundShown(lines);
        Snapshot("round-scores");
        Click("Enter_Scores", "update");  // "&Close"
        EXPECT_TRUE(WaitFor([] { return Gone("Enter_Scores"); }, "the round window to close"));
        ASSERT_TRUE(Shows("Tableform"));
    }

    // The round window shows these lines: left name, left score, right
    // score, right name.
    void expectRoundShown(const Rows &lines)
    {
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const auto element = [k](const char *name, int side) {
                return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(2 * k + side).toLatin1();
            };
            EXPECT_EQ((QStringList{Text("Enter_Scores", element("disname", 1)), Text("Enter_Scores", element("Text1", 1)),
                                   Text("Enter_Scores", element("Text1", 2)), Text("Enter_Scores", element("disname", 2))}),
                      lines[k])
                << "line " << k + 1;
        }
    }
};

TEST_F(PlayerLeagueJourney, CreateScoreSaveReopenRenamePenaliseAndPublish)
{
    test::writeAll(IniFilePath(), "[Fixtora INI file]\nhomeaway=False\n");  // kept from a run with the rule off
    // A user who chose these table columns on an earlier run.
    ASSERT_TRUE(SaveRegString(kHKeyLocalMachine, kSoftwareKey, kRegTableOrder, kColumns));
    ASSERT_TRUE(SaveRegString(kHKeyLocalMachine, kSoftwareKey, kRegTableShow, kColumns));
    StartProgram();
    EXPECT_EQ(LoadedForm<Main>()->Caption(), "Fixtora         Current League :none");
    EXPECT_FALSE(Control<QWidget>("MainWizard", "printtable")->isEnabled());

    // From the keyboard: Return on the focused "&Create New League" opens
    // the wizard, Escape there gives the new league up.
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("MainWizard", "createtable"));
    Press(Qt::Key_Return);
    ASSERT_TRUE(Shows("Wizard1"));
    Type(kLeague);
    Press(Qt::Key_Escape);
    ASSERT_TRUE(Shows("MainWizard"));
    EXPECT_TRUE(Gone("Wizard1"));
    EXPECT_TRUE(gTableName.isEmpty());

    DefineLeague(kLeague, QStringLiteral("2"), kStart);
    AddNames(kPlayers);
    EXPECT_EQ(Text("Wizard5", "lb1"), "6") << "a bye makes the count even";
    EXPECT_EQ(Text("Wizard5", "lb2"), "2");
    EXPECT_EQ(Text("Wizard5", "lb3"), ShortForm(kStart));
    EXPECT_EQ(Text("Wizard5", "lb4"), ShortForm(roundDate(kRounds)));
    EXPECT_EQ(Text("Wizard5", "lb6"), "3");
    Press(Qt::Key_V, Qt::AltModifier);  // "&View Fixtures"
    ASSERT_TRUE(Shows("Tableform"));
    EXPECT_TRUE(Gone("Wizard5"));
    EXPECT_EQ(Text("Tableform", "Label12"), "6");
    EXPECT_EQ(Text("Tableform", "Label13"), ShortForm(kStart));
    EXPECT_EQ(Text("Tableform", "Label14"), ShortForm(roundDate(kRounds)));
    EXPECT_EQ(Text("Tableform", "Label10"), "disabled");
    EXPECT_FALSE(Control<QWidget>("Tableform", "Cmdscore_1")->isEnabled()) << "no scores before the first save";
    Snapshot("fixtures");
    EXPECT_EQ(PageThrough(), 1) << "ten rounds of three fixtures fill one page";
    for (int round = 1; round <= 3; ++round)
        EXPECT_EQ(Text("Tableform", QStringLiteral("dateshow_%1").arg(round - 1).toLatin1()), ShortForm(roundDate(round)));

    // The first save asks for the file.
    const QString league = File(QStringLiteral("pool.tbl"));
    {
        FileAnswers files({league});
        BoxAnswers boxes;
        Click("Tableform", "save");
        EXPECT_EQ(files.titles(), QStringList{"save file"});
        EXPECT_TRUE(boxes.seen().isEmpty());
    }
    EXPECT_EQ(Text("Tableform", "showsave"), "League Saved");
    EXPECT_TRUE(Control<QWidget>("Tableform", "Cmdscore_1")->isEnabled());

    // Round 3 a day later (its picker opens a calendar: the next day,
    // Return), then the scores of rounds 1 and 2.
    Click("Tableform", "dateshow_2");
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }, "the calendar"));
    Snapshot("calendar");
    Press(Qt::Key_Right);
    Press(Qt::Key_Return);
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() == nullptr; }, "the calendar to close"));
    const QDate moved = roundDate(3).addDays(1);
    EXPECT_EQ(Text("Tableform", "dateshow_2"), ShortForm(moved));
    const Rows round1{{"Bob", "3", "1", "Alice"}, {"Dan", "2", "2", "Cara"}, {"Eve", "", "", "bye"}};
    const Rows round2{{"Cara", "0", "4", "Alice"}, {"Bob", "1", "0", "Eve"}, {"Dan", "", "", "bye"}};
    enterRound(1, round1);
    enterRound(2, round2);
    {
        FileAnswers noDialog({});
        Click("Tableform", "save");  // in place now
    }
    EXPECT_EQ(Text("Tableform", "showsave"), "League Saved");
    Click("Tableform", "command3");  // "&Close": saved, so nothing is asked
    ASSERT_TRUE(Shows("MainWizard"));
    EXPECT_TRUE(Gone("Tableform"));
    WaitFor([] { return LoadedForm<Main>()->Caption() == "Fixtora         Current League :" + kLeague; },
            "the league's name in the caption");

    // Reopened through Open League: the dates and the scores are back.
    {
        BoxAnswers boxes({"Yes"});
        FileAnswers files({league});
        Click("MainWizard", "opentable");
        EXPECT_EQ(boxes.texts(), QStringList{"This will close your existing league(Y/N)?"});
        EXPECT_EQ(files.titles(), QStringList{"Open file"});
    }
    Click("MainWizard", "printtable");
    ASSERT_TRUE(Shows("Tableform"));
    EXPECT_EQ(Text("Tableform", "dateshow_0"), ShortForm(roundDate(1)));
    EXPECT_EQ(Text("Tableform", "dateshow_2"), ShortForm(moved));
    EXPECT_EQ(Text("Tableform", "Label14"), ShortForm(roundDate(kRounds)));
    for (const auto &[round, lines] : {std::pair{1, round1}, std::pair{2, round2}}) {
        Click("Tableform", QStringLiteral("Cmdscore_%1").arg(round).toLatin1().constData());
        ASSERT_TRUE(Shows("Enter_Scores"));
        expectRoundShown(lines);
        Click("Enter_Scores", "update");
        ASSERT_TRUE(WaitFor([] { return Gone("Enter_Scores"); }, "the round window to close"));
    }
    {
        BoxAnswers boxes;  // only looked at: nothing to save, nothing asked
        Click("Tableform", "command3");
        EXPECT_TRUE(boxes.seen().isEmpty());
    }
    ASSERT_TRUE(Shows("MainWizard"));

    // Points 3 for a win, 1 for a draw; by points, wins, then name. The bye
    // has no row.
    OpenTable();
    EXPECT_EQ(TableOnScreen(5), (Rows{{"1", "Bob", "2", "0", "0", "4", "1", "6"},
                                      {"2", "Alice", "1", "0", "1", "5", "3", "3"},
                                      {"3", "Cara", "0", "1", "1", "2", "6", "1"},
                                      {"4", "Dan", "0", "1", "0", "2", "2", "1"},
                                      {"5", "Eve", "0", "0", "1", "0", "1", "0"}}));
    CloseTable();

    // Cara becomes Zoe; Bob loses 2 of his "+".
    Click("MainWizard", "printtable");
    ASSERT_TRUE(Shows("Tableform"));
    Click("Tableform", "chgname");
    ASSERT_TRUE(Shows("changename"));
    Pick("changename", "Combo1", QStringLiteral("Cara"));
    Fill("changename", "Text1", QStringLiteral("Zoe"));
    Snapshot("rename");
    Click("changename", "command1");
    ASSERT_TRUE(WaitFor([] { return Gone("changename"); }, "the rename window to close"));
    ASSERT_TRUE(Shows("Tableform"));
    Click("Tableform", "Cmdscore_1");
    ASSERT_TRUE(Shows("Enter_Scores"));
    EXPECT_EQ(Text("Enter_Scores", "disname_4"), "Zoe");
    Click("Enter_Scores", "Command2");  // "Penalties"
    ASSERT_TRUE(Shows("ShowPenalty"));
    Pick("ShowPenalty", "Combo1", QStringLiteral("Bob"));
    Fill("ShowPenalty", "Text1", QStringLiteral("2"));
    Snapshot("penalty");
    {
        BoxAnswers boxes({"<Return>"});  // the notice has the keyboard
        Click("ShowPenalty", "Command1");
        EXPECT_EQ(boxes.texts(), QStringList{"player 2 penalties = 2"});
    }
    ASSERT_TRUE(WaitFor([] { return Gone("ShowPenalty"); }, "the penalties window to close"));
    Click("Enter_Scores", "update");
    ASSERT_TRUE(WaitFor([] { return Gone("Enter_Scores"); }, "the round window to close"));

    // The fixtures as HTML: each round's word, number and date, then its
    // lines with the new name.
    const QString fixtures = File(QStringLiteral("fixtures.html"));
    Fill("Tableform", "htmlout", fixtures);
    {
        BoxAnswers boxes({"<Return>"});
        Click("Tableform", "htmlfix");
        EXPECT_EQ(boxes.texts(), QStringList{"HTML file created"});
    }
    const Rows published = HtmlRows(fixtures);
    ASSERT_EQ(published.size(), kRounds * 4);
    for (int round = 1; round <= kRounds; ++round)
        EXPECT_EQ(published[(round - 1) * 4],
                  (QStringList{QStringLiteral("Week %1").arg(round), ShortForm(round == 3 ? moved : roundDate(round))}));
    EXPECT_EQ(published.mid(1, 3), (Rows{{"Bob", "3", "1", "Alice"}, {"Dan", "2", "2", "Zoe"}, {"Eve", "", "", "bye"}}));
    EXPECT_EQ(published.mid(5, 3), (Rows{{"Zoe", "0", "4", "Alice"}, {"Bob", "1", "0", "Eve"}, {"Dan", "", "", "bye"}}));
    {
        BoxAnswers boxes;  // the rename and the penalty were written at once: nothing asked
        Click("Tableform", "command3");
        EXPECT_TRUE(boxes.seen().isEmpty());
    }
    ASSERT_TRUE(Shows("MainWizard"));

    // The table follows: Dan now comes before Zoe by name, Bob's "+" is 4 - 2.
    const Rows renamed{{"1", "Bob", "2", "0", "0", "2", "1", "6"},   {"2", "Alice", "1", "0", "1", "5", "3", "3"},
                       {"3", "Dan", "0", "1", "0", "2", "2", "1"},   {"4", "Zoe", "0", "1", "1", "2", "6", "1"},
                       {"5", "Eve", "0", "0", "1", "0", "1", "0"}};
    OpenTable();
    EXPECT_EQ(TableOnScreen(5), renamed);
    const QString table = File(QStringLiteral("table.html"));
    Fill("PrintWeekly", "htmlout", table);
    {
        BoxAnswers boxes;
        Click("PrintWeekly", "htmlfix");  // "Go!"
        EXPECT_TRUE(boxes.texts().value(0).contains(table));
    }
    EXPECT_EQ(HtmlRows(table), Rows{kColumns.split(QLatin1Char(','))} + renamed);
    CloseTable();
    {
        BoxAnswers boxes;
        ChooseMenu("File", "Exit");  // everything is saved: nothing to ask
        EXPECT_TRUE(boxes.seen().isEmpty());
    }
    EXPECT_EQ(programEnds, 1);
}

} // namespace
} // namespace fixtora
