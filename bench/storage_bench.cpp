// Creating, saving in place and loading league files: the largest league (32
// teams, 4 games to play) and a 16-player league, and the same save with every
// record committed on its own.
#include "model/filedialogs.h"
#include "model/leaguefile.h"
#include "model/league.h"
#include "model/settings.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace fixtora;

namespace {

struct LeagueShape {
    int n, games;
    bool team;
};

LeagueShape shapeOf(const benchmark::State &state)
{
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), state.range(2) != 0};
}

// A league in memory with every score and position entered.
void defineLeague(const LeagueShape &shape)
{
    InitialiseGlobals();
    gTableName = "Bench League";
    gNumSlots = shape.n;
    gGamesToPlay = static_cast<std::int16_t>(shape.games);
    gStartDate = QDate(2026, 1, 6);
    gTeamLeague = shape.team;
    gTeamScoring = 1;
    gLeagueType = shape.team ? TeamTypeCode(1, false) : kTypePlayers;
    const int e = FixtureEntryCount(shape.n, shape.games);
    gScores = QList<QString>(16 * e + 1, "2");
    gPosPlayer = QList<QString>(16 * e + 1, "Player Name");
    gPosScoreB = QList<QString>(16 * e + 1, "0");
    for (int k = 1; k <= 16 * e; ++k)
        gPosScoreA[k] = QString::number(k % 7);
    for (int i = 1; i <= shape.n; ++i) {
        gPlayerNames[i] = QString("Entry %1").arg(i);
        for (int j = 1; j <= 16; ++j)
            gTeamSquads[i][j] = QString("T%1 P%2").arg(i).arg(j);
    }
    for (int r = 1; r <= shape.games * (shape.n - 1); ++r)
        gWeekDates[r] = gStartDate.addDays(7 * (r - 1));
}

// A league file of the shape, created in a temporary folder.
class BenchLeague {
public:
    BenchLeague(benchmark::State &state) : m_state(state)
    {
        defineLeague(shapeOf(state));
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
