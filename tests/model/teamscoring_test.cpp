#include "model/teamscoring.h"

#include <gtest/gtest.h>

using namespace fixtora;

namespace {

// A side with the given first scores in games 1.. and "-1" in the rest.
TeamSide Side(std::initializer_list<const char *> scores)
{
    TeamSide side;
    side.fill("-1");
    int g = 0;
    for (const char *score : scores)
        side[g++] = score;
    return side;
}

const TeamPoints kDefaults{3, 1, 0};

} // namespace

TEST(ScoreTeamMatch, WinLoseDrawGivesMatchPointsForCountedGamesOnly)
{
    // 9:10 and 5:5 give 0 + 1 and 3 + 1; a game with one box filled is not counted.
    const auto totals = ScoreTeamMatch(Side({"9", "5", "4"}), Side({"10", "5", "-1"}), 1, kDefaults);
    EXPECT_TRUE(totals.played);
    EXPECT_EQ(totals.homeTotal, 1);
    EXPECT_EQ(totals.awayTotal, 4);
    const auto stored = StoredTeamResult(totals, 1);
    EXPECT_EQ(stored.homeScore, "1");
    EXPECT_EQ(stored.awayScore, "4");
    EXPECT_EQ(stored.homeSecondary, "0");

    // Position 16 plays position 16.
    TeamSide home = Side({}), away = Side({});
    home[15] = "2";
    away[15] = "1";
    EXPECT_EQ(ScoreTeamMatch(home, away, 1, kDefaults).homeTotal, 3);
}

TEST(ScoreTeamMatch, FractionalPointsAreKept)
{
    const auto totals = ScoreTeamMatch(Side({"1", "1"}), Side({"1", "1"}), 1, {2, 0.5, 0});
    EXPECT_EQ(StoredTeamResult(totals, 1).homeScore, "1");
    EXPECT_EQ(StoredTeamResult(ScoreTeamMatch(Side({"1"}), Side({"1"}), 1, {2, 0.5, 0}), 1).awayScore, "0.5");
}

TEST(ScoreTeamMatch, NothingCountedMeansNoResult)
{
    for (int scoring : {1, 2, 3}) {
        const auto totals = ScoreTeamMatch(Side({}), Side({"", "x"}), scoring, kDefaults);
        if (scoring == 1) {
            EXPECT_FALSE(totals.played);
            const auto stored = StoredTeamResult(totals, scoring);
            EXPECT_EQ(stored.homeScore, "-1");
            EXPECT_EQ(stored.awayScore, "-1");
            EXPECT_EQ(stored.homeSecondary, "-1");
            EXPECT_EQ(stored.awaySecondary, "-1");
        } else {
            // A filled box that is no number still makes the match played.
            EXPECT_TRUE(totals.played) << scoring;
            EXPECT_EQ(totals.awayTotal, 0) << scoring;
        }
    }
    EXPECT_FALSE(ScoreTeamMatch(Side({}), Side({}), 2, kDefaults).played);
}

TEST(ScoreTeamMatch, CumulativeSumsEachSideAndAnEmptySideGetsZero)
{
    const auto totals = ScoreTeamMatch(Side({"3", "0", "2"}), Side({}), 2, kDefaults);
    const auto stored = StoredTeamResult(totals, 2);
    EXPECT_EQ(stored.homeScore, "5");
    EXPECT_EQ(stored.awayScore, "0");
    EXPECT_EQ(StoredTeamResult(ScoreTeamMatch(Side({"0", "0"}), Side({}), 2, kDefaults), 2).homeScore, "0");
}

TEST(ScoreTeamMatch, CumulativePlusGamesCountsGamesWonAndDrawnAndKeepsTheSums)
{
    // 2:1, 1:1 and 0:3: games 2 and 2, sums 3 and 5.
    const auto stored = StoredTeamResult(ScoreTeamMatch(Side({"2", "1", "0"}), Side({"1", "1", "3"}), 3, kDefaults), 3);
    EXPECT_EQ(stored.homeScore, "2");
    EXPECT_EQ(stored.awayScore, "2");
    EXPECT_EQ(stored.homeSecondary, "3");
    EXPECT_EQ(stored.awaySecondary, "5");
}

TEST(ScoreTeamMatch, TextThatIsNoNumberLeavesTheGameUncounted)
{
    const auto totals = ScoreTeamMatch(Side({"abc", " 2 ", "1x"}), Side({"1", "1", "0"}), 3, kDefaults);
    EXPECT_EQ(totals.homeGames, 1);
    EXPECT_EQ(totals.awayGames, 0);
    EXPECT_EQ(totals.homeTotal, 2);
}
