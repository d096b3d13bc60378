#include "model/swap.h"

#include "model/fixturelist.h"
#include "model/league.h"
#include "testleague.h"

#include <gtest/gtest.h>

namespace fixtora {
namespace {

// Distinct texts on every stored place of the league, so a test sees where
// each one went.
void markEveryPlace()
{
    for (qsizetype e = 1; e < gScores.size(); ++e) {
        gScores[e] = QStringLiteral("s%1").arg(e);
        gPosScoreB[e] = QStringLiteral("b%1").arg(e);
    }
    for (qsizetype p = 1; p < gPosPlayer.size(); ++p) {
        gPosPlayer[p] = QStringLiteral("p%1").arg(p);
        gPosScoreA[p] = QStringLiteral("a%1").arg(p);
    }
}

TEST(Swap, TheFixtureOfTheButtonChangesSidesAndTheLeagueTurnsCustom)
{
    const struct {
        test::TestLeague league;
        int homeEntry;
        int codeAt;          // 1-based character of the home code in the string
        std::int16_t type;
    } rows[] = {
        {test::PlayerLeague(4), 3, 5, 4},            // button 2 of page 1
        {test::PlayerLeague(4), 1, 1, 4},
        {test::PlayerLeague(4), 11, 21, 4},          // the last fixture of the cycle
        {test::TeamLeague(4, 1, 1), 3, 5, 14},
        {test::TeamLeague(4, 1, 2), 3, 5, 24},
        {test::TeamLeague(6, 2, 3), 29, 57, 15},
        {test::PlayerLeague(8, 4), 169, 1, 4},       // first line of page 2 (round 22, leg 4)
        {test::PlayerLeague(8, 4), 171, 5, 4},
    };
    for (const auto &row : rows) {
        test::BuildTestLeague(row.league);
        const QString before = gFixtureString;
        const QString home = before.mid(row.codeAt - 1, 2);
        const QString away = before.mid(row.codeAt + 1, 2);
        ASSERT_TRUE(SwapFixtureSides(row.homeEntry)) << row.homeEntry;
        QString expected = before;
        expected.replace(row.codeAt - 1, 4, away + home);
        EXPECT_EQ(gAltFixtureString, expected) << row.homeEntry;
        EXPECT_EQ(gFixtureString, expected) << row.homeEntry;
        EXPECT_EQ(gFixtureSlots[row.homeEntry], away) << row.homeEntry;
        EXPECT_EQ(gFixtureSlots[row.homeEntry + 1], home) << row.homeEntry;
        EXPECT_EQ(gLeagueType, row.type) << row.homeEntry;
        EXPECT_TRUE(gAltFixtures);
        EXPECT_TRUE(gLeagueChanged);
    }
}

TEST(Swap, EveryLegsResultsStayWithTheirTeams)
{
    const struct {
        test::TestLeague league;
        int homeEntry;
        QList<int> moved;  // home entries whose results change places
    } rows[] = {
        {test::PlayerLeague(4), 3, {3}},
        {test::PlayerLeague(4, 2), 3, {3, 15}},
        {test::PlayerLeague(4, 2), 15, {3, 15}},     // a line of the second leg: the same pairing
        {test::TeamLeague(4, 3, 2), 13, {1, 13, 25}},
    };
    for (const auto &row : rows) {
        test::BuildTestLeague(row.league);
        markEveryPlace();
        ASSERT_TRUE(SwapFixtureSides(row.homeEntry));
        const int entries = FixtureEntryCount(gNumSlots, gGamesToPlay);
        for (int e = 1; e <= entries; ++e) {
            const bool moved = row.moved.contains(e) || row.moved.contains(e - 1);
            const int from = !moved ? e : row.moved.contains(e) ? e + 1 : e - 1;
            EXPECT_EQ(gScores[e], QStringLiteral("s%1").arg(from)) << "entry " << e;
            EXPECT_EQ(gPosScoreB[e], QStringLiteral("b%1").arg(from)) << "entry " << e;
            for (int j = 1; j <= 16; ++j) {
                const int p = 16 * (e - 1) + j;
                const int q = 16 * (from - 1) + j;
                ASSERT_EQ(gPosPlayer[p], QStringLiteral("p%1").arg(q)) << "entry " << e << " game " << j;
                ASSERT_EQ(gPosScoreA[p], QStringLiteral("a%1").arg(q)) << "entry " << e << " game " << j;
            }
        }
    }
}

TEST(Swap, ASecondSwapRestoresTheOrderAndTheLeagueStaysCustom)
{
    test::BuildTestLeague(test::PlayerLeague(4));
    const QString pairing = gFixtureString;
    gScores[3] = "7";
    gScores[4] = "2";
    ASSERT_TRUE(SwapFixtureSides(3));
    EXPECT_EQ(gScores[3], "2");
    EXPECT_EQ(gScores[4], "7");
    ASSERT_TRUE(SwapFixtureSides(3));
    EXPECT_EQ(gFixtureString, pairing);
    EXPECT_EQ(gAltFixtureString, pairing);
    EXPECT_EQ(gLeagueType, 4);
    EXPECT_TRUE(gAltFixtures);
    EXPECT_EQ(gScores[3], "7");
    EXPECT_EQ(gScores[4], "2");
}

TEST(Swap, AnEntryThatIsNoFixtureChangesNothing)
{
    const struct {
        test::TestLeague league;
        int homeEntry;
    } rows[] = {
        {test::PlayerLeague(4), 0},   {test::PlayerLeague(4), -1}, {test::PlayerLeague(4), 2},
        {test::PlayerLeague(4), 13},  {test::PlayerLeague(4, 2), 25}, {test::TeamLeague(6, 1, 2), 31},
    };
    for (const auto &row : rows) {
        test::TestLeague custom = row.league;
        test::BuildTestLeague(custom);
        custom.custom = gFixtureString;  // a custom league keeps its fixtures
        test::BuildTestLeague(custom);
        markEveryPlace();
        const std::int16_t type = gLeagueType;
        const QString fixtures = gFixtureString;
        const QList<QString> scores = gScores;
        EXPECT_FALSE(SwapFixtureSides(row.homeEntry)) << row.homeEntry;
        EXPECT_EQ(gLeagueType, type);
        EXPECT_TRUE(gAltFixtures);
        EXPECT_EQ(gAltFixtureString, fixtures);
        EXPECT_EQ(gScores, scores);
        EXPECT_FALSE(gLeagueChanged);
    }
}

} // namespace
} // namespace fixtora
