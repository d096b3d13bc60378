#include "model/fixturelist.h"
#include "model/league.h"

#include <QCryptographicHash>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

using namespace fixtora;

namespace {

void defineLeague(int n, int g, int type, const QString &custom = {})
{
    InitialiseGlobals();
    gNumSlots = n;
    gGamesToPlay = static_cast<std::int16_t>(g);
    gLeagueType = static_cast<std::int16_t>(type);
    gAltFixtureString = custom;
}

QStringList entries(int first, int last)
{
    QStringList list;
    for (int k = first; k <= last; ++k)
        list << gFixtureSlots[k];
    return list;
}

} // namespace

TEST(FixtureList, FourEntriesOneGame)
{
    defineLeague(4, 1, 1);
    BuildFixtureList();
    EXPECT_EQ(gFixtureString, "010203040301020404010203");
    EXPECT_EQ(entries(1, 12).join(' '), "01 02 03 04 03 01 02 04 04 01 02 03");
    EXPECT_TRUE(gFixtureSlots[13].isEmpty());
}

TEST(FixtureList, FurtherCyclesRepeatTheFirst)
{
    defineLeague(4, 2, 1);
    BuildFixtureList();
    EXPECT_EQ(entries(13, 24), entries(1, 12));
    EXPECT_EQ(entries(13, 16).join(' '), "01 02 03 04");

    for (int g : {0, 1}) {
        defineLeague(4, g, 1);
        BuildFixtureList();
        EXPECT_FALSE(gFixtureSlots[12].isEmpty());
        EXPECT_TRUE(gFixtureSlots[13].isEmpty()) << "games " << g;
    }
}

TEST(FixtureList, TeamLeaguesUseThePlayerTables)
{
    defineLeague(6, 1, 23);
    BuildFixtureList();
    EXPECT_EQ(gFixtureString, PairingTable(6));
    EXPECT_EQ(gFixtureString, "020104030506030102050406010402060305010502040306010602030405");
}

TEST(FixtureList, ShortCustomStringLeavesEmptyEntries)
{
    const QString custom = PairingTable(6).left(58);
    defineLeague(6, 1, 4, custom);
    BuildFixtureList();
    EXPECT_EQ(gFixtureString, custom);
    EXPECT_EQ(gFixtureSlots[29], "04");
    EXPECT_TRUE(gFixtureSlots[30].isEmpty());

    defineLeague(6, 1, 4, custom + "0");
    BuildFixtureList();
    EXPECT_EQ(gFixtureSlots[30], "0");
}

TEST(FixtureList, UnknownTypeOrOddCountGivesEmptyEntries)
{
    for (auto [n, type] : {std::pair{4, 0}, {4, 3}, {4, 5}, {5, 1}}) {
        defineLeague(n, 2, type);
        gFixtureSlots[1] = "xx";
        BuildFixtureList();
        EXPECT_TRUE(gFixtureString.isEmpty());
        for (int k = 1; k <= 2 * n * (n - 1); ++k)
            ASSERT_TRUE(gFixtureSlots[k].isEmpty()) << "n " << n << " type " << type << " entry " << k;
    }
}

TEST(FixtureList, LargestLeaguesFit)
{
    defineLeague(32, 4, 13);
    BuildFixtureList();
    EXPECT_EQ(gFixtureSlots[3968], gFixtureSlots[3968 - 992]);
    EXPECT_FALSE(gFixtureSlots[3968].isEmpty());

    // A custom code with a number of entries no league can have stays in bounds.
    defineLeague(200, 4, 2, "0102");
    BuildFixtureList();
    EXPECT_EQ(gFixtureSlots[1], "01");
}

TEST(FixtureList, RebuildingLeavesTheRenameChoiceAlone)
{
    defineLeague(8, 1, 1);
    gRenameIndex = 5;
    BuildFixtureList();
    const QStringList first = entries(1, 56);
    BuildFixtureList();
    EXPECT_EQ(entries(1, 56), first);
    EXPECT_EQ(gRenameIndex, 5);
}

TEST(PairingTables, EveryTableIsARoundRobin)
{
    for (int n = 4; n <= 32; n += 2) {
        const QString table = PairingTable(n);
        ASSERT_EQ(table.size(), 2 * n * (n - 1)) << n;
        QSet<QPair<int, int>> pairs;
        for (int round = 0; round < n - 1; ++round) {
            QSet<int> seen;
            for (int f = 0; f < n / 2; ++f) {
                const int at = round * 2 * n + f * 4;
                const int home = table.mid(at, 2).toInt();
                const int away = table.mid(at + 2, 2).toInt();
                ASSERT_NE(home, away) << n;
                ASSERT_TRUE(home >= 1 && home <= n && away >= 1 && away <= n) << n;
                ASSERT_FALSE(seen.contains(home) || seen.contains(away)) << n << " round " << round;
                seen << home << away;
                pairs << qMakePair(std::min(home, away), std::max(home, away));
            }
        }
        EXPECT_EQ(pairs.size(), n * (n - 1) / 2) << n;
    }
    EXPECT_TRUE(PairingTable(2).isEmpty());
    EXPECT_TRUE(PairingTable(7).isEmpty());
    EXPECT_TRUE(PairingTable(34).isEmpty());
}

TEST(PairingTables, LargerTablesBalanceHomeAndAway)
{
    for (int n = 10; n <= 32; n += 2) {
        const QString table = PairingTable(n);
        QList<int> home(n + 1, 0);
        for (int at = 0; at < table.size(); at += 4)
            ++home[table.mid(at, 2).toInt()];
        const auto [low, high] = std::minmax_element(home.begin() + 1, home.end());
        EXPECT_LE(*high - *low, 1) << n;
    }
}

// Saved leagues depend on these tables: they must never change.
TEST(PairingTables, TablesArePinned)
{
    QStringList all;
    for (int n = 4; n <= 32; n += 2)
        all << PairingTable(n);
    EXPECT_EQ(QCryptographicHash::hash(all.join('\n').toLatin1(), QCryptographicHash::Sha1).toHex(),
              "be08316a88aaff2aa9f82bf4115b79c51d1bb3b2");
}
