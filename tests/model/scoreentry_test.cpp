#include "model/scoreentry.h"

#include "model/league.h"
#include "model/settings.h"
#include "testleague.h"

#include <gtest/gtest.h>

namespace fixtora {
namespace {

class ScoreEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        gHomeAwayRule = false;
        test::UseUsualPoints();
    }
    void TearDown() override { gHomeAwayRule = false; }
};

TEST_F(ScoreEntry, ARoundsLinesFollowTheHomeAndAwayRule)
{
    test::BuildTestLeague(test::PlayerLeague(4, 3));
    gScores[13] = "0";
    gScores[14] = "07";
    const struct {
        bool rule;
        int round;
        int firstEntry;
        QString left, right;
    } rows[] = {
        {false, 1, 1, "Player 1", "Player 2"}, {false, 4, 13, "Player 1", "Player 2"},
        {true, 4, 13, "Player 2", "Player 1"}, {true, 7, 25, "Player 1", "Player 2"},
        {true, 3, 9, "Player 4", "Player 1"},  {true, 6, 21, "Player 1", "Player 4"},
    };
    for (const auto &row : rows) {
        gHomeAwayRule = row.rule;
        const QList<RoundLine> lines = RoundLines(row.round);
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(RoundFirstEntry(row.round), row.firstEntry);
        EXPECT_EQ(lines[0].homeEntry, row.firstEntry);
        EXPECT_EQ(lines[1].homeEntry, row.firstEntry + 2);
        EXPECT_EQ(lines[0].leftName, row.left) << "round " << row.round << " rule " << row.rule;
        EXPECT_EQ(lines[0].rightName, row.right) << "round " << row.round << " rule " << row.rule;
    }
    // The stored places never move with the names.
    EXPECT_EQ(RoundLines(4)[0].leftScore, "0");
    EXPECT_EQ(RoundLines(4)[0].rightScore, "07");
    EXPECT_EQ(RoundLines(1)[0].leftScore, "-1");
    for (const int round : {0, 10, -3})
        EXPECT_TRUE(RoundLines(round).isEmpty()) << round;
}

TEST_F(ScoreEntry, AScoreBoxHoldsNothingOrOneToFourDigits)
{
    const struct {
        const char *text;
        bool score;
    } rows[] = {
        {"", true},      {"0", true},       {"07", true},    {"9999", true},
        {"0000", true},  {"10000", false},  {"-1", false},   {"-", false},
        {" ", false},    {"1 2", false},    {"3\r", false},  {"1e3", false},
        {"+5", false},   {"1.5", false},    {"12345678901234567890", false},
        {"\u0663", false},  // a digit, but not one of 0-9
    };
    for (const auto &row : rows)
        EXPECT_EQ(ScoreTextProblem(QString::fromUtf8(row.text)).isEmpty(), row.score) << row.text;
    EXPECT_NE(ScoreTextProblem("12345"), ScoreTextProblem("x")) << "each refusal says what is wrong";
}

TEST_F(ScoreEntry, ARoundsBoxesAreStoredAsTyped)
{
    test::BuildTestLeague(test::PlayerLeague(4, 2));
    ASSERT_TRUE(StoreRoundScores(5, {"3", "", "07", "0"}));
    EXPECT_EQ(QStringList({gScores[17], gScores[18], gScores[19], gScores[20]}),
              QStringList({"3", "-1", "07", "0"}));
    EXPECT_EQ(gScores[16], "-1");
    EXPECT_EQ(gScores[21], "-1");
    EXPECT_TRUE(gLeagueChanged);

    gLeagueChanged = false;  // the same boxes again, and a round left empty: no change
    ASSERT_TRUE(StoreRoundScores(5, {"3", "", "07", "0"}));
    ASSERT_TRUE(StoreRoundScores(1, {"", "", "", ""}));
    EXPECT_FALSE(StoreRoundScores(7, {"1", "1", "1", "1"}));
    EXPECT_FALSE(StoreRoundScores(1, {"1", "1"}));
    EXPECT_FALSE(StoreRoundScores(1, {"1", "12345", "1", "1"}));
    EXPECT_FALSE(StoreRoundScores(1, {"1", "1", " 1", "1"}));
    EXPECT_FALSE(gLeagueChanged);
    EXPECT_EQ(gScores[1], "-1");
    gPlayerNames[4] = kByeName, gScores[3] = "4";  // round 1 is 1 v 2 and 3 v 4: the bye's line keeps what it holds
    ASSERT_TRUE(RoundLines(1)[1].bye && !RoundLines(1)[0].bye && StoreRoundScores(1, {"2", "1", "", "x"}));
    EXPECT_EQ(gScores[1] + gScores[3] + gScores[4], "24-1");
}

TEST_F(ScoreEntry, ATeamMatchIsFoundFromEitherRowOfItsLine)
{
    test::BuildTestLeague(test::TeamLeague(6, 2));
    const struct {
        bool rule;
        int round, row;
        int homeEntry, left, right;
    } rows[] = {
        {false, 1, 1, 1, 2, 1},  {false, 1, 2, 1, 2, 1},  {false, 1, 6, 5, 5, 6},
        {false, 6, 3, 33, 4, 3}, {true, 6, 3, 33, 3, 4},  {true, 6, 4, 33, 3, 4},
    };
    for (const auto &row : rows) {
        gHomeAwayRule = row.rule;
        const auto match = TeamMatchOf(row.round, row.row);
        ASSERT_TRUE(match) << "round " << row.round << " row " << row.row;
        EXPECT_EQ(match->homeEntry, row.homeEntry);
        EXPECT_EQ(match->leftTeam, row.left) << "round " << row.round << " row " << row.row;
        EXPECT_EQ(match->rightTeam, row.right) << "round " << row.round << " row " << row.row;
    }
    EXPECT_FALSE(TeamMatchOf(11, 1));
    EXPECT_FALSE(TeamMatchOf(1, 0));
    EXPECT_FALSE(TeamMatchOf(1, 7));
}

// Scores of games 1.. of the left and the right side; the other games empty.
TeamMatchEntries match(const QStringList &left, const QStringList &right)
{
    TeamMatchEntries entries;
    for (int g = 0; g < kTeamGames; ++g) {
        entries.players[g] = QStringLiteral("L%1").arg(g + 1);
        entries.players[kTeamGames + g] = QStringLiteral("R%1").arg(g + 1);
        entries.scores[g] = left.value(g);
        entries.scores[kTeamGames + g] = right.value(g);
    }
    return entries;
}

TEST_F(ScoreEntry, ATeamMatchStoresItsPositionsAndItsResultByTheScoringSystem)
{
    const struct {
        int scoring;
        QStringList left, right;
        QString home, away, homeSecondary, awaySecondary;
    } rows[] = {
        {1, {"9", "5"}, {"10", "5"}, "1", "4", "0", "0"},
        {1, {"9", "5"}, {"", "5"}, "1", "1", "0", "0"},   // a game with one box is not counted
        {1, {"4"}, {}, "-1", "-1", "-1", "-1"},
        {2, {"9", "5"}, {"10", "5"}, "14", "15", "0", "0"},
        {2, {"4"}, {}, "4", "0", "0", "0"},
        {3, {"2", "1", "0"}, {"1", "1", "3"}, "2", "2", "3", "5"},
        {3, {}, {}, "-1", "-1", "-1", "-1"},
    };
    for (const auto &row : rows) {
        test::BuildTestLeague(test::TeamLeague(4, 1, row.scoring));
        ASSERT_TRUE(StoreTeamMatch(5, match(row.left, row.right)));
        const QString what = QStringLiteral("system %1: %2 v %3")
                                 .arg(row.scoring)
                                 .arg(row.left.join(','), row.right.join(','));
        EXPECT_EQ(QStringList({gScores[5], gScores[6], gPosScoreB[5], gPosScoreB[6]}),
                  QStringList({row.home, row.away, row.homeSecondary, row.awaySecondary}))
            << what.toStdString();
        EXPECT_EQ(gPosPlayer[65], "L1");
        EXPECT_EQ(gPosPlayer[96], "R16");
        EXPECT_EQ(gPosScoreA[65], row.left.isEmpty() ? "-1" : row.left[0]);
        EXPECT_EQ(gPosScoreA[96], "-1");
        EXPECT_EQ(gScores[4], "-1");
        EXPECT_EQ(gScores[7], "-1");
        EXPECT_TRUE(gLeagueChanged);
        EXPECT_EQ(ReadTeamMatch(5).scores[0], gPosScoreA[65]);
    }
    for (const int s : {0, 4, 13, -1})  // no home side, or past the league
        EXPECT_FALSE(StoreTeamMatch(s, match({"1"}, {"2"}))) << s;
    gLeagueChanged = false;  // a match stored as it stands (blank totals, as a new league holds them): no change
    ASSERT_TRUE(StoreTeamMatch(5, ReadTeamMatch(5)));
    gPosScoreB[1] = gPosScoreB[2] = QString();
    ASSERT_TRUE(StoreTeamMatch(1, ReadTeamMatch(1)));
    EXPECT_FALSE(gLeagueChanged);
    // Two 20-digit games would total 2e+20: no game holds more than a score.
    EXPECT_FALSE(StoreTeamMatch(5, match({"12345678901234567890"}, {"1"})));
    EXPECT_FALSE(StoreTeamMatch(5, match({"1"}, {"1e-400"})));
    gPlayerNames[4] = kByeName;  // 3 v 4 is never played
    EXPECT_FALSE(StoreTeamMatch(3, match({"1"}, {"2"})));
    EXPECT_FALSE(gLeagueChanged);
}

} // namespace
} // namespace fixtora
