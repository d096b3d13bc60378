#include "model/fixturelist.h"
#include "model/league.h"
#include "testleague.h"

#include <benchmark/benchmark.h>

using namespace fixtora;

// The fixture slot list is rebuilt at every table computation and score entry.
static void BM_BuildFixtureList(benchmark::State &state)
{
    test::BuildTestLeague(test::PlayerLeague(static_cast<int>(state.range(0)), 4));
    for (auto _ : state) {
        BuildFixtureList();
        benchmark::DoNotOptimize(gFixtureSlots[1]);
    }
}
BENCHMARK(BM_BuildFixtureList)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
