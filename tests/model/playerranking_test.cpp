#include "model/playerranking.h"

#include "model/league.h"
#include "model/settings.h"
#include "testleague.h"

#include <gtest/gtest.h>

#include <functional>

namespace fixtora {
namespace {

// A team league of four teams with no game entered; game(m, i) sets position
// i (1..16) of fixture m: the home player and score, the away player and score.
void buildTeams()
{
    test::BuildTestLeague(test::TeamLeague(4));
}

void game(int m, int i, const QString &home, const QString &homeScore, const QString &away,
          const QString &awayScore)
{
    const int a = 32 * (m - 1) + i;
    gPosPlayer[a] = home;
    gPosScoreA[a] = homeScore;
    gPosPlayer[a + 16] = away;
    gPosScoreA[a + 16] = awayScore;
}

struct Expected {
    const char *name;
    int wins, draws, lost;
    double scoreFor, against, points;
};

void expectRanking(const PlayerRanking &ranking, const QList<Expected> &rows, const char *label)
{
    ASSERT_EQ(ranking.size(), rows.size()) << label;
    for (int r = 0; r < rows.size(); ++r) {
        const PlayerStanding &got = ranking[r];
        EXPECT_EQ(got.name, rows[r].name) << label << " row " << r + 1;
        EXPECT_EQ(got.wins, rows[r].wins) << label << " " << rows[r].name;
        EXPECT_EQ(got.draws, rows[r].draws) << label << " " << rows[r].name;
        EXPECT_EQ(got.lost, rows[r].lost) << label << " " << rows[r].name;
        EXPECT_EQ(got.scoreFor, rows[r].scoreFor) << label << " " << rows[r].name;
        EXPECT_EQ(got.scoreAgainst, rows[r].against) << label << " " << rows[r].name;
        EXPECT_EQ(got.points, rows[r].points) << label << " " << rows[r].name;
    }
}

TEST(PlayerRanking, GamesCountForBothPlayersBestFirst)
{
    const struct {
        const char *label;
        std::function<void()> games;
        QList<Expected> rows;
    } cases[] = {
        {"nothing entered", [] {}, {}},
        {"a nil draw: equal players by name", [] { game(1, 1, "Bob", "0", "Ann", "0"); },
         {{"Ann", 0, 1, 0, 0, 0, 1}, {"Bob", 0, 1, 0, 0, 0, 1}}},
        {"one side not entered", [] { game(1, 1, "Ann", "3", "Bob", "-1"); }, {}},
        {"an empty score counts 0", [] { game(1, 1, "Ann", "", "Bob", "2"); },
         {{"Bob", 1, 0, 0, 2, 0, 3}, {"Ann", 0, 0, 1, 0, 2, 0}}},
        {"letters after the number", [] { game(1, 1, "Ann", "3 frames", "Bob", "x"); },
         {{"Ann", 1, 0, 0, 3, 0, 3}, {"Bob", 0, 0, 1, 0, 3, 0}}},
        {"home and away accumulate in one row; the league's points, then the difference",
         [] {
             gPointsForDraw = "3", gPointsForLose = "0.5";
             game(1, 2, "Ann", "2", "Bob", "1");
             game(3, 5, "Cy", "4", "Ann", "1");
             game(2, 1, "Bob", "1", "Cy", "1");
         },
         {{"Cy", 1, 1, 0, 5, 2, 6}, {"Bob", 0, 1, 1, 2, 3, 3.5}, {"Ann", 1, 0, 1, 3, 5, 3.5}}},
        {"letter case makes another player", [] { game(1, 1, "ann", "1", "Ann", "2"); },
         {{"Ann", 1, 0, 0, 2, 1, 3}, {"ann", 0, 0, 1, 1, 2, 0}}},
        {"a blank name gets no row",
         [] {
             game(1, 1, "", "5", "Bob", "1");
             game(1, 2, "Cy", "2", "  ", "1");
         },
         {{"Cy", 1, 0, 0, 2, 1, 3}, {"Bob", 0, 0, 1, 1, 5, 0}}},
        {"the bye's matches count for no one", [] { gPlayerNames[4] = kByeName, game(2, 1, "Ann", "3", "", "0"); }, {}},
    };
    for (const auto &c : cases) {
        buildTeams();
        c.games();
        expectRanking(ComputePlayerRanking(), c.rows, c.label);
    }
}

TEST(PlayerRanking, AShortPositionStoreIsWalkedAsFarAsItGoes)
{
    test::TestLeague league = test::TeamLeague(32, 4);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    const PlayerRanking full = ComputePlayerRanking();
    ASSERT_EQ(full.size(), 1);
    const int games = full[0].wins + full[0].lost + full[0].draws;
    EXPECT_EQ(games, 2 * 16 * FixtureEntryCount(32, 4) / 2);

    gPosPlayer.resize(32 * 10 + 20);  // ten whole fixtures and part of one
    const PlayerRanking part = ComputePlayerRanking();
    ASSERT_EQ(part.size(), 1);
    EXPECT_EQ(part[0].wins + part[0].lost + part[0].draws, 2 * 16 * 10);
    gPosPlayer.clear();
    EXPECT_TRUE(ComputePlayerRanking().isEmpty());
}

TEST(PlayerRanking, NamesBeyondTheLastRowAreNotListed)
{
    test::BuildTestLeague(test::TeamLeague(32, 1));
    for (int m = 1; m <= 40; ++m)
        for (int i = 1; i <= 16; ++i)
            game(m, i, QStringLiteral("H%1-%2").arg(m).arg(i), "1", QStringLiteral("A%1-%2").arg(m).arg(i), "0");
    const PlayerRanking ranking = ComputePlayerRanking();
    ASSERT_EQ(ranking.size(), kMaxRankedPlayers);
    EXPECT_EQ(std::count_if(ranking.cbegin(), ranking.cend(), [](const PlayerStanding &p) { return p.wins; }), 500)
        << "the 999th name met won; its opponent is left out";
}

} // namespace
} // namespace fixtora
