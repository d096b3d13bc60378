#include "model/league.h"
#include "model/legs.h"
#include "model/settings.h"
#include "model/swap.h"
#include "testleague.h"

#include <gtest/gtest.h>

using namespace fixtora;

TEST(InitialiseGlobals, ClearsTheLeagueAndKeepsWhatCallersSetThemselves)
{
    gNumSlots = 6;
    gStartDate = QDate(2026, 1, 5);
    gTeamLeague = true;
    gTeamScoring = 2;
    gTeamSquads[3][4] = "Ann";
    gScores = {"", "2", "1"};
    gPosPlayer = {"", "Ann"};
    gImportPending = true;
    gLeagueOnDisk = true;
    gDialogResult = 7;
    gSavePath = "/home/club";
    gPointsForWin = "2";
    gHomeAwayRule = true;
    gWeekName = "Round";
    gTableRefresh = 50;
    gPosScoreA[0] = "kept";
    gPosScoreA[kMaxPositionEntries] = "4";

    gTableName = "Tuesday Pool";
    gGamesToPlay = 2;
    gPlayerNames[1] = "Bob";
    gPenalties[2] = 3;
    gWeekDates[4] = QDate(2026, 2, 1);
    gFixtureSlots[9] = "03";
    gAltFixtureString = "0102";
    gAltFixtures = true;
    gLeagueType = 24;
    gLeagueFile = "/tmp/x.tbl";
    gLeagueChanged = true;
    gRenameIndex = 9;
    gTourNames[100] = "Zed";
    gChartGeometry[63][63][10] = 2.5;
    gAddGamesPerMatch = true;
    gShowSplash = "1";

    InitialiseGlobals();

    EXPECT_EQ(gNumSlots, 6);
    EXPECT_EQ(gStartDate, QDate(2026, 1, 5));
    EXPECT_TRUE(gTeamLeague);
    EXPECT_EQ(gTeamScoring, 2);
    EXPECT_EQ(gTeamSquads[3][4], "Ann");
    EXPECT_EQ(gScores.size(), 3);
    EXPECT_EQ(gPosPlayer.value(1), "Ann");
    EXPECT_TRUE(gImportPending);
    EXPECT_TRUE(gLeagueOnDisk);
    EXPECT_EQ(gDialogResult, 7);
    EXPECT_EQ(gSavePath, "/home/club");
    EXPECT_EQ(gPointsForWin, "2");
    EXPECT_TRUE(gHomeAwayRule);
    EXPECT_EQ(gWeekName, "Round");
    EXPECT_EQ(gTableRefresh, 50);
    EXPECT_EQ(gPosScoreA[0], "kept");
    EXPECT_EQ(gPosScoreA[1], "-1");
    EXPECT_EQ(gPosScoreA[kMaxPositionEntries], "-1");

    EXPECT_TRUE(gTableName.isEmpty());
    EXPECT_EQ(gGamesToPlay, 0);
    EXPECT_TRUE(gPlayerNames[1].isEmpty());
    EXPECT_EQ(gPenalties[2], 0);
    EXPECT_EQ(gWeekDates[4], QDate(1899, 12, 30));
    EXPECT_EQ(gWeekDates[500], QDate(1899, 12, 30));
    EXPECT_TRUE(gFixtureSlots[9].isEmpty());
    EXPECT_TRUE(gAltFixtureString.isEmpty());
    EXPECT_FALSE(gAltFixtures);
    EXPECT_EQ(gLeagueType, 0);
    EXPECT_TRUE(gLeagueFile.isEmpty());
    EXPECT_FALSE(gLeagueChanged);
    EXPECT_EQ(gRenameIndex, 0);
    EXPECT_TRUE(gTourNames[100].isEmpty());
    EXPECT_EQ(gChartGeometry[63][63][10], 0);
    EXPECT_FALSE(gAddGamesPerMatch);
    EXPECT_EQ(gShowSplash, "0");
    EXPECT_FALSE(gWebAddress.isEmpty());
}

TEST(SizeScoreLists, GivesEveryListRoomForTheLeagueWithNoResultEntered)
{
    const struct {
        int sides;
        bool perPosition;
        qsizetype scores;
    } rows[] = {{12, false, 13}, {12, true, 193}, {0, true, 1}, {kMaxFixtureEntries, false, kMaxFixtureEntries + 1}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.sides);
        const int positions = 16 * row.sides;
        const bool roomAfter = positions < kMaxPositionEntries;
        gScores = {"", "7"};
        gPosPlayer = {"", "Ann"};
        gPosScoreA[1] = "3";
        if (roomAfter)
            gPosScoreA[positions + 1] = "kept";
        SizeScoreLists(row.sides, row.perPosition);
        EXPECT_EQ(gScores.size(), row.scores);
        EXPECT_EQ(gScores.mid(1, row.sides), QList<QString>(row.sides, "-1"));
        EXPECT_EQ(gScores.mid(row.sides + 1), QList<QString>(row.scores - row.sides - 1));
        EXPECT_EQ(gPosPlayer, QList<QString>(positions + 1));
        EXPECT_EQ(gPosScoreB, QList<QString>(positions + 1));
        EXPECT_EQ(gPosScoreA.mid(1, positions), QList<QString>(positions, "-1"));
        if (roomAfter) {
            EXPECT_EQ(gPosScoreA[positions + 1], "kept") << "only the league's entries are cleared";
        }
    }
}

TEST(RevertToSavedLeague, DropsEveryChangeSinceTheLeagueWasKept)
{
    test::TestLeague league = test::TeamLeague(4, 2);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    const auto shown = [] {
        return test::StandingsAsText() + test::RankingAsText() << gWeekDates[3].toString() << gFixtureSlots[1];
    };
    KeepSavedLeague();
    const QStringList kept = shown();
    gScores[1] = "9", gPosScoreA[1] = "9", gWeekDates[3] = {2030, 1, 1}, gPlayerNames[2] = "Zed", gPenalties[1] = 4;
    ASSERT_TRUE(SwapFixtureSides(1));
    gHomeAwayRule = true, ConvertResultsToRule(false);  // each result stays with whoever made it
    RevertToSavedLeague();
    EXPECT_EQ(shown(), kept);
    EXPECT_FALSE(gLeagueChanged);
    gHomeAwayRule = false;
}

TEST(CleanString, KeepsPathCharactersAndDropsTheRest)
{
    EXPECT_EQ(CleanString(QString("Week") + QChar(0)), "Week");
    EXPECT_EQ(CleanString("C:\\My Leagues\\pool.tbl"), "C:\\My Leagues\\pool.tbl");
    EXPECT_EQ(CleanString("/home/club/leagues"), "/home/club/leagues");
    EXPECT_EQ(CleanString("my-pass_word!"), "mypassword");
    EXPECT_EQ(CleanString(QString::fromUtf8("Café\t1")), "Caf1");
    EXPECT_EQ(CleanString(""), "");
}

TEST(CleanString, FolderPathsKeepHyphensAndUnderscores)
{
    EXPECT_EQ(CleanFolderPath(QString("/home/jo-ann/pool_2026") + QChar(0)), "/home/jo-ann/pool_2026");
    EXPECT_EQ(CleanFolderPath("/a\r\n/b"), "/a/b");
}

TEST(LeagueTypes, CodesAndTheirKinds)
{
    for (int code : {1, 13, 23, 25})
        EXPECT_TRUE(IsStandardType(code) && !IsCustomType(code)) << code;
    for (int code : {2, 4, 14, 24, 15})
        EXPECT_TRUE(IsCustomType(code) && !IsStandardType(code)) << code;
    for (int code : {0, 3, 5, 12})
        EXPECT_FALSE(IsCustomType(code) || IsStandardType(code)) << code;
    EXPECT_FALSE(IsTeamType(4));
    EXPECT_TRUE(IsTeamType(15));
    EXPECT_EQ(TeamTypeCode(1, false), 13);
    EXPECT_EQ(TeamTypeCode(3, false), 25);
    EXPECT_EQ(TeamTypeCode(2, true), 24);
    EXPECT_EQ(TeamTypeCode(3, true), 15);
    EXPECT_EQ(TeamTypeCode(0, true), 0);
}
