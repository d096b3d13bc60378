#include "results/fixturepage.h"
#include "model/league.h"
#include "platform/drawtarget.h"
#include "testleague.h"
#include "ui/twips.h"

#include <benchmark/benchmark.h>

using namespace fixtora;

// One page of the largest league (32 teams, 4 games, every score in) on the
// screen's picture box at the size it has on a 1024-pixel screen: clear, draw,
// and have the image ready to show. The aim is well under one frame (16 ms).
static void BM_FixturePageOnScreen(benchmark::State &state)
{
    test::TestLeague league = test::TeamLeague(32, 4, 3);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    PictureBox piccy;
    piccy.resize(TwipsToPixelsX(8000), TwipsToPixelsY(9390));
    const int page = static_cast<int>(state.range(0));
    for (auto _ : state) {
        piccy.Cls();
        benchmark::DoNotOptimize(DrawFixturePage(piccy, page));
        benchmark::DoNotOptimize(piccy.Image().constBits());
    }
}
BENCHMARK(BM_FixturePageOnScreen)->Arg(1)->Arg(21)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
