// A league of four teams with squads, scored "Cumulative+Games": one match
// entered game by game, saved, reopened, the table with its secondary totals
// and the ranking of the players.

#include "journey.h"

#include "shell/forms.h"
#include "shell/mainwindow.h"

namespace fixtora {
namespace {

using Rows = QList<QStringList>;

const QString kLeague = QStringLiteral("Thursday Darts");
struct Team {
    QString name;
    QStringList squad;
};
const QList<Team> kTeams{{"Aces", {"Ann", "Abe", "Amy"}},
                         {"Bulls", {"Ben", "Bea", "Bob"}},
                         {"Comets", {"Cat", "Cy", "Col"}},
                         {"Eagles", {"Eve", "Ed", "Eli"}}};

// The match of round 1, Aces at home to Bulls: home player, home score,
// away score, away player, game by game.
const Rows kGames{{"Ann", "3", "1", "Ben"}, {"Abe", "2", "2", "Bea"}, {"Amy", "1", "0", "Bob"}};

class TeamLeagueJourney : public Journey {
protected:
    void createTeams()
    {
        DefineLeague(kLeague, QStringLiteral("1"), QDate(2026, 1, 8), true);
        // Return in a name box adds the name and leaves the keyboard there.
        Fill("Wizard2", "Teamtxt", kTeams.first().name);
        for (const Team &team : kTeams.mid(1)) {
            Press(Qt::Key_Return);
            Type(team.name);
        }
        Click("Wizard2", "TeamAdd");
        EXPECT_EQ(Text("Wizard2", "lblteam"), "4");
        for (const Team &team : kTeams) {
            PickListItem("Wizard2", "teamlist", team.name);
            EXPECT_EQ(Text("Wizard2", "Label12"), "Names in Team: " + team.name);
            // Choosing a team gives the keyboard to the player's name box,
            // and Add ("&Add", or Return there) gives it back there.
            for (const QString &player : team.squad) {
                Type(player);
                if (player == team.squad.first())
                    Press(Qt::Key_A, Qt::AltModifier);
                else
                    Press(Qt::Key_Return);
            }
            EXPECT_EQ(Text("Wizard2", "lblDisplay"), QString::number(team.squad.size()));
        }
        Pick("Wizard2", "list1", QStringLiteral("Cumulative+Games"));
        Snapshot("teams");
        Press(Qt::Key_N, Qt::AltModifier);  // "&Next"
        ASSERT_TRUE(Shows("Wizard5"));
        EXPECT_EQ(Text("Wizard5", "lb1"), "4");
        Press(Qt::Key_V, Qt::AltModifier);  // "&View Fixtures"
        ASSERT_TRUE(Shows("Tableform"));
        EXPECT_EQ(Text("Tableform", "Label2"), "Number of Teams:");
    }

    // The match window of round 1's first line, from the round window.
    void openFirstMatch()
    {
        Click("Tableform", "Cmdscore_1");
        ASSERT_TRUE(Shows("Enter_Scores"));
        EXPECT_EQ(Text("Enter_Scores", "disname_1"), "Aces");
        EXPECT_EQ(Text("Enter_Scores", "disname_2"), "Bulls");
        Click("Enter_Scores", "disname_1");
        ASSERT_TRUE(Shows("TeamScoreentry"));
        EXPECT_TRUE(WaitFor([] { return Gone("Enter_Scores"); }, "the round window to give way"));
        EXPECT_EQ(Text("TeamScoreentry", "Team1name"), "Aces");
        EXPECT_EQ(Text("TeamScoreentry", "Team2name"), "Bulls");
        EXPECT_EQ(Text("TeamScoreentry", "lblscoringtype"), "Scoring type is Cumulative+Games.");
    }

    static QByteArray element(const char *name, int index)
    {
        return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index).toLatin1();
    }

    void enterGames()
    {
        for (qsizetype game = 1; game <= kGames.size(); ++game) {
            const QStringList &row = kGames[game - 1];
            Pick("TeamScoreentry", element("playername", game), row[0]);
            Fill("TeamScoreentry", element("Playerscore", game), row[1]);
            Fill("TeamScoreentry", element("Playerscore", game + 16), row[2]);
            Pick("TeamScoreentry", element("playername", game + 16), row[3]);
        }
        // The running totals of the games' scores: 3 + 2 + 1 and 1 + 2 + 0.
        EXPECT_EQ(Text("TeamScoreentry", "lblgames"), "Games");
        EXPECT_EQ(Text("TeamScoreentry", "totalscore_1"), "6");
        EXPECT_EQ(Text("TeamScoreentry", "totalscore_2"), "3");
        Snapshot("match");
    }

    void expectGamesShown()
    {
        for (qsizetype game = 1; game <= kGames.size(); ++game)
            EXPECT_EQ((QStringList{Text("TeamScoreentry", element("playername", game)),
                                   Text("TeamScoreentry", element("Playerscore", game)),
                                   Text("TeamScoreentry", element("Playerscore", game + 16)),
                                   Text("TeamScoreentry", element("playername", game + 16))}),
                      kGames[game - 1])
                << "game " << game;
    }

    // Saves the match; the round window shows the games won: Aces won two
    // games and drew one (3), Bulls drew one (1).
    void saveMatch()
    {
        Click("TeamScoreentry", "saveit");
        ASSERT_TRUE(Shows("Enter_Scores"));
        EXPECT_TRUE(Gone("TeamScoreentry"));
        EXPECT_EQ(Text("Enter_Scores", "Text1_1"), "3");
        EXPECT_EQ(Text("Enter_Scores", "Text1_2"), "1");
        Click("Enter_Scores", "update");
        ASSERT_TRUE(WaitFor([] { return Gone("Enter_Scores"); }, "the round window to close"));
        ASSERT_TRUE(Shows("Tableform"));
    }

    // Columns 6 and 7 of the table become the secondary totals.
    void showSecondaryTotals()
    {
        ChooseMenu("Edit", "Customize");
        ASSERT_TRUE(Shows("customise"));
        Pick("customise", "Combo1_6", QStringLiteral("Points +"));
        Pick("customise", "Combo1_7", QStringLiteral("Points -"));
        EXPECT_EQ(Text("customise", "Text3_6"), "Points +");
        Snapshot("options");
        Click("customise", "command5");
        ASSERT_TRUE(WaitFor([] { return Gone("customise"); }, "the options to close"));
        ASSERT_TRUE(Shows("MainWizard"));
    }
};

TEST_F(TeamLeagueJourney, OneMatchGameByGameThenTheTableAndThePlayers)
{
    StartProgram();
    createTeams();
    const QString league = File(QStringLiteral("darts.tbl"));
    {
        FileAnswers files({league});
        Click("Tableform", "save");
    }
    EXPECT_EQ(Text("Tableform", "showsave"), "League Saved");
    openFirstMatch();
    enterGames();
    saveMatch();
    Click("Tableform", "save");
    Click("Tableform", "command3");
    ASSERT_TRUE(Shows("MainWizard"));

    {
        BoxAnswers boxes({"Yes"});
        FileAnswers files({league});
        Click("MainWizard", "opentable");
        ASSERT_EQ(boxes.texts(), QStringList{"This will close your existing league(Y/N)?"});
        EXPECT_EQ(files.titles(), QStringList{"Open file"});
    }
    WaitFor([] { return LoadedForm<Main>()->Caption() == "Fixtora         Current League :" + kLeague; },
            "the league's name in the caption");
    Click("MainWizard", "printtable");
    ASSERT_TRUE(Shows("Tableform"));
    openFirstMatch();
    expectGamesShown();
    saveMatch();
    {
        BoxAnswers boxes;  // the match saved as it was: nothing new to keep, nothing asked
        Click("Tableform", "command3");
        EXPECT_TRUE(boxes.seen().isEmpty());
    }
    ASSERT_TRUE(Shows("MainWizard"));

    showSecondaryTotals();
    OpenTable();
    // Aces won 3 games to 1 (3 points); the scores of the games, 6 to 3,
    // are the secondary totals. The rest by points, wins and name.
    EXPECT_EQ(TableOnScreen(4),
              (Rows{{"1", "Aces", "1", "0", "3", "6", "3"},
                    {"2", "Bulls", "0", "1", "0", "3", "6"},
                    {"3", "Comets", "0", "0", "0", "0", "0"},
                    {"4", "Eagles", "0", "0", "0", "0", "0"}}));

    // The players best first (points, then their scores less their
    // opponents'): position, name, wins, draws, lost, their scores, points.
    Click("PrintWeekly", "Command5");
    Snapshot("players");
    EXPECT_EQ(RankingOnScreen(6),
              (Rows{{"1", "Ann", "1", "0", "0", "3", "3"},
                    {"2", "Amy", "1", "0", "0", "1", "3"},
                    {"3", "Abe", "0", "1", "0", "2", "1"},
                    {"4", "Bea", "0", "1", "0", "2", "1"},
                    {"5", "Bob", "0", "0", "1", "0", "0"},
                    {"6", "Ben", "0", "0", "1", "1", "0"}}));
    CloseTable();
    ChooseMenu("File", "Exit");
    EXPECT_EQ(programEnds, 1);
}

} // namespace
} // namespace fixtora
