#include "model/legs.h"

#include "model/league.h"
#include "model/settings.h"
#include "testleague.h"

#include <gtest/gtest.h>

namespace fixtora {
namespace {

TEST(Legs, AnEntryBelongsToTheCycleItLiesInAndOutsideTheListToOneMore)
{
    test::BuildTestLeague(test::PlayerLeague(4, 3));
    const struct {
        int entry, leg;
    } rows[] = {{1, 1}, {12, 1}, {13, 2}, {24, 2}, {25, 3}, {36, 3}, {37, 4}, {0, 4}, {-5, 4}};
    for (const auto &row : rows)
        EXPECT_EQ(LegOf(row.entry), row.leg) << "entry " << row.entry;
}

TEST(Legs, SlotCodesNameEntriesOfTheLeagueOnly)
{
    test::BuildTestLeague(test::PlayerLeague(6));
    const struct {
        const char *code;
        int entry;
    } rows[] = {{"01", 1}, {"06", 6}, {"07", 0}, {"00", 0}, {"ab", 0}, {"", 0}, {" 3", 3}};
    for (const auto &row : rows)
        EXPECT_EQ(EntryOfCode(row.code), row.entry) << row.code;
}

TEST(Legs, TheRuleExchangesTheNamesOfEvenLegsOnly)
{
    test::BuildTestLeague(test::PlayerLeague(4, 3));
    gFixtureSlots[1] = "03";
    gFixtureSlots[2] = "01";
    gFixtureSlots[13] = "03";
    gFixtureSlots[14] = "01";
    gFixtureSlots[25] = "03";
    gFixtureSlots[26] = "01";
    const struct {
        bool rule;
        int home, left, right;
    } rows[] = {{false, 1, 3, 1}, {false, 13, 3, 1}, {true, 1, 3, 1}, {true, 13, 1, 3}, {true, 25, 3, 1}};
    for (const auto &row : rows) {
        gHomeAwayRule = row.rule;
        const FixtureSides sides = SidesOfFixture(row.home);
        EXPECT_EQ(sides.left, row.left) << "rule " << row.rule << " entry " << row.home;
        EXPECT_EQ(sides.right, row.right) << "rule " << row.rule << " entry " << row.home;
    }
    gHomeAwayRule = false;
    EXPECT_EQ(EntryName(3), "Player 3");
    EXPECT_EQ(EntryName(0), "");
}

} // namespace
} // namespace fixtora
