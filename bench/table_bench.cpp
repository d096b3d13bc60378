#include "model/league.h"
#include "model/leaguetable.h"
#include "model/playerranking.h"
#include "model/settings.h"
#include "testleague.h"

#include <benchmark/benchmark.h>

using namespace fixtora;

namespace {

// The largest league: 32 teams, every pairing played 4 times, every score in.
void buildLargestLeague()
{
    test::TestLeague league = test::TeamLeague(32, 4, 3);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    gPointsForWin = QStringLiteral("3");
    gPointsForDraw = QStringLiteral("1");
    gPointsForLose = QStringLiteral("0");
    gSortOrder = {QString(), QStringLiteral("Points"), QStringLiteral("Wins"), QStringLiteral("Name")};
}

} // namespace

// What the table screen does for every refresh: count and sort.
static void BM_LeagueTable(benchmark::State &state)
{
    buildLargestLeague();
    for (auto _ : state) {
        LeagueTable table = ComputeLeagueTable();
        sort_table(table, gSortOrder);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_LeagueTable)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

static void BM_LeagueTableSortOnly(benchmark::State &state)
{
    buildLargestLeague();
    const LeagueTable counted = ComputeLeagueTable();
    for (auto _ : state) {
        LeagueTable table = counted;
        sort_table(table, gSortOrder);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_LeagueTableSortOnly)->Unit(benchmark::kMicrosecond);

static void BM_PlayerRanking(benchmark::State &state)
{
    buildLargestLeague();
    for (int k = 1; k < gPosPlayer.size(); ++k)  // every squad player by name
        gPosPlayer[k] = QStringLiteral("T%1 P%2").arg((k - 1) / 16 % 32 + 1).arg((k - 1) % 16 + 1);
    for (auto _ : state) {
        const PlayerRanking ranking = ComputePlayerRanking();
        benchmark::DoNotOptimize(ranking.data());
    }
}
BENCHMARK(BM_PlayerRanking)->Unit(benchmark::kMicrosecond);
