// Creating, saving in place and loading league files: the largest league (32
// teams, 4 games to play) and a 16-player league, and the same save with every
// record committed on its own.
#include "model/filedialogs.h"
#include "model/leaguefile.h"
#include "model/league.h"
#include "model/settings.h"
#include "testleague.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace fixtora;

namespace {

// The league of the benchmark's arguments, with every score and position entered.
test::TestLeague leagueOf(const benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0)), games = static_cast<int>(state.range(1));
    test::TestLeague league = state.range(2) != 0 ? test::TeamLeague(n, games) : test::PlayerLeague(n, games);
    league.scoresEntered = true;
    return league;
}

// A league file of the shape, created in a temporary folder.
class BenchLeague {
public:
    BenchLeague(benchmark::State &state) : m_state(state)
    {
        test::BuildTestLeague(leagueOf(state));
        gLeagueFile = m_dir.filePath("bench.tbl");
        SetFileChooser([this](const FileDialogRequest &) { return m_dir.filePath("bench.tbl"); });
        SetLeagueFileHooks({[this](const QString &m) { m_state.SkipWithError(m.toStdString().c_str()); }, {}});
    }
    ~BenchLeague()
    {
        SetFileChooser({});
        SetLeagueFileHooks({});
    }
    void Check(const FileResult &result)
    {
        if (!result.ok)
            m_state.SkipWithError(result.message.toStdString().c_str());
    }

private:
    benchmark::State &m_state;
    QTemporaryDir m_dir;
};

void BM_CreateLeagueFile(benchmark::State &state)
{
    BenchLeague league(state);
    for (auto _ : state)
        league.Check(CreateLeagueFile());
}

void BM_SaveLeague(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state)
        league.Check(SaveLeague());
}

void BM_SaveLeagueNaive(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state)
        league.Check(SaveLeague(SaveCommit::PerRecord));
}

void BM_LoadLeague(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    league.Check(SaveLeague());
    for (auto _ : state) {
        InitialiseGlobals();
        league.Check(LoadLeague());
    }
}

// Arguments: entries, games to play, team league.
void Leagues(benchmark::internal::Benchmark *b)
{
    b->Args({32, 4, 1})->Args({16, 2, 0})->Unit(benchmark::kMillisecond)->ArgNames({"entries", "games", "team"});
}

} // namespace

BENCHMARK(BM_CreateLeagueFile)->Apply(Leagues);
BENCHMARK(BM_SaveLeague)->Apply(Leagues);
BENCHMARK(BM_SaveLeagueNaive)->Apply(Leagues)->Iterations(1);
BENCHMARK(BM_LoadLeague)->Apply(Leagues);
