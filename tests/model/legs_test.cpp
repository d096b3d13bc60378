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

// A fixture as the fixtures screen shows it: left name and score, right score
// and name.
QString shown(int home)
{
    const FixtureSides sides = SidesOfFixture(home);
    return QStringLiteral("%1 %2 - %3 %4")
        .arg(EntryName(sides.left), gScores[home], gScores[home + 1], EntryName(sides.right));
}

// Alice and Bob play the first fixture of every leg of a six-player league;
// Alice scored 0 and Bob 2 each time, entered under one setting of the rule. Whatever the setting turns to, the result
// stays theirs: only which of them stands on the left may change.
TEST(Legs, AResultKeepsItsEntriesWhenTheRuleChanges)
{
    const struct {
        bool enteredUnder, rule;
        int games;
        bool entered;
        bool moved;
        const char *evenLeg;  // the fixture in legs 2 and 4
    } rows[] = {
        {false, false, 2, true, false, "Alice 0 - 2 Bob"},
        {false, true, 2, true, true, "Bob 2 - 0 Alice"},
        {true, false, 2, true, true, "Alice 0 - 2 Bob"},
        {true, true, 4, true, false, "Bob 2 - 0 Alice"},
        {false, true, 4, true, true, "Bob 2 - 0 Alice"},
        {true, false, 4, true, true, "Alice 0 - 2 Bob"},
        {false, true, 2, false, false, "Bob -1 - -1 Alice"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(::testing::Message() << "entered under " << row.enteredUnder << ", rule " << row.rule << ", "
                                          << row.games << " games, entered " << row.entered);
        test::BuildTestLeague(test::PlayerLeague(6, row.games));
        const int cycle = 30;
        gPlayerNames[EntryOfCode(gFixtureSlots[1])] = "Alice";
        gPlayerNames[EntryOfCode(gFixtureSlots[2])] = "Bob";
        gHomeAwayRule = row.enteredUnder;
        for (int leg = 1; leg <= row.games && row.entered; ++leg) {
            const int home = (leg - 1) * cycle + 1;
            const bool aliceLeft = EntryName(SidesOfFixture(home).left) == "Alice";
            gScores[home] = aliceLeft ? "0" : "2";
            gScores[home + 1] = aliceLeft ? "2" : "0";
        }
        gHomeAwayRule = row.rule;
        EXPECT_EQ(ConvertResultsToRule(row.enteredUnder), row.moved);
        const QString oddLeg = row.entered ? "Alice 0 - 2 Bob" : "Alice -1 - -1 Bob";
        for (int leg = 1; leg <= row.games; ++leg)
            EXPECT_EQ(shown((leg - 1) * cycle + 1), leg % 2 ? oddLeg : QString(row.evenLeg)) << "leg " << leg;
    }
    gHomeAwayRule = false;
}

} // namespace
} // namespace fixtora
