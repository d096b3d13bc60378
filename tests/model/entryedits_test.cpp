#include "model/entryedits.h"

#include "model/league.h"
#include "testleague.h"

#include <gtest/gtest.h>

namespace fixtora {
namespace {

TEST(EntryEdits, ANewNameIsOneOfTheLeaguesEntriesStorableAndUnused)
{
    test::BuildTestLeague(test::PlayerLeague(6));
    const struct {
        int entry;
        QString name;
        RenameRefusal refusal;
    } rows[] = {
        {3, "Sixteen chars ok", RenameRefusal::None},
        {3, "Seventeen chars!!", RenameRefusal::BadLength},
        {3, "", RenameRefusal::BadLength},
        {3, "Player 4", RenameRefusal::Duplicate},
        {3, "player 4", RenameRefusal::None},
        {3, "Player 3", RenameRefusal::None},  // its own name again
        {3, QChar(0xFEFF) + QString("Player 4"), RenameRefusal::Duplicate},  // what shows is compared
        {3, "Player 4 ", RenameRefusal::Duplicate},
        {3, QString("Play") + QChar(0x200B) + QString("er 4"), RenameRefusal::Duplicate},  // an invisible mark inside
        {3, QString(QChar(0xFEFF)), RenameRefusal::BadLength},
        {3, " Sixteen chars ok\t", RenameRefusal::None},
        {0, "Anyone", RenameRefusal::NoEntry},
        {7, "Anyone", RenameRefusal::NoEntry},
        {-1, "Anyone", RenameRefusal::NoEntry},
    };
    for (const auto &row : rows)
        EXPECT_EQ(RenameProblem(row.entry, row.name), row.refusal) << row.entry << " " << row.name.toStdString();
}

TEST(EntryEdits, ATeamsSquadCarriesItsNewNameAndARefusedNameChangesNothing)
{
    const struct {
        bool team;
        int entry;
        QString name;
        RenameRefusal refusal;
        QString stored = "Riverside";  // when the name is given
    } rows[] = {
        {false, 2, "Riverside", RenameRefusal::None},
        {true, 2, "Riverside", RenameRefusal::None},
        {true, 2, QChar(0xFEFF) + QString("Riverside\r\n"), RenameRefusal::None},
        {true, 2, "Team 1", RenameRefusal::Duplicate},
        {true, 2, "", RenameRefusal::BadLength},
        {true, 0, "Riverside", RenameRefusal::NoEntry},
    };
    for (const auto &row : rows) {
        test::BuildTestLeague(row.team ? test::TeamLeague(4) : test::PlayerLeague(4));
        const QString before = row.team ? "Team 2" : "Player 2";
        const QString after = row.refusal == RenameRefusal::None ? row.stored : before;
        EXPECT_EQ(RenameEntry(row.entry, row.name), row.refusal) << row.name.toStdString();
        EXPECT_EQ(gPlayerNames[2], after);
        EXPECT_EQ(gTeamSquads[2][0], row.team ? after : "");
        EXPECT_EQ(gPlayerNames[0], "");
        EXPECT_EQ(gPlayerNames[1], row.team ? "Team 1" : "Player 1");
    }
}

TEST(EntryEdits, PenaltiesAreWholeNumbersFrom0To32767)
{
    const struct {
        const char *text;
        std::optional<int> value;
    } rows[] = {
        {"3", 3},      {"0", 0},         {" 12 ", 12},       {"32767", 32767}, {"007", 7},
        {"32768", {}}, {"99999999", {}}, {"-1", {}},         {"", {}},         {"2.5", {}},
        {"3a", {}},    {"three", {}},    {"1e3", {}},        {"+4", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(PenaltyValue(row.text), row.value) << row.text;
}

TEST(EntryEdits, APenaltyIsGivenOnlyToAnEntryOfTheLeagueAndOnlyAsAPenalty)
{
    const struct {
        int entry;
        const char *typed;
        PenaltyRefusal refusal;
        int stored;  // entry 2's points afterwards
    } rows[] = {
        {2, " 12 ", PenaltyRefusal::None, 12},   {2, "0", PenaltyRefusal::None, 0},
        {2, "-3", PenaltyRefusal::BadValue, 5},  {2, "", PenaltyRefusal::BadValue, 5},
        {0, "3", PenaltyRefusal::NoEntry, 5},    {7, "3", PenaltyRefusal::NoEntry, 5},
        {kMaxSlots + 1, "3", PenaltyRefusal::NoEntry, 5},
    };
    for (const auto &row : rows) {
        test::BuildTestLeague(test::PlayerLeague(6));
        gPenalties[2] = 5;
        EXPECT_EQ(SetPenalty(row.entry, row.typed), row.refusal) << row.entry << " " << row.typed;
        EXPECT_EQ(gPenalties[2], row.stored) << row.entry << " " << row.typed;
        EXPECT_EQ(gPenalties[1] + gPenalties[3] + gPenalties[6], 0);
    }
}

} // namespace
} // namespace fixtora
