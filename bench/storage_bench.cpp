// Creating, saving in place and loading league files: the largest league (32
// teams, 4 games to play) and a 16-player league, every score and position
// entered. A save is measured twice: the same league saved again, and a
// league whose every record differs from what the files hold; a naive save
// of the results (every record committed on its own) is measured on the
// second, for what the one transaction saves. A load and a
// create are measured with the keys of the files known and not yet known.
#include "model/filedialogs.h"
#include "model/fixturelist.h"
#include "model/leaguefile.h"
#include "model/leaguefileformat.h"
#include "model/leaguepair.h"
#include "model/league.h"
#include "model/settings.h"
#include "model/teamscoring.h"
#include "platform/database.h"
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

    // Changes every record a save writes: each score, position entry, round
    // date and penalty, each name and squad player; a second call changes
    // them back.
    void ChangeEveryRecord()
    {
        m_changed = !m_changed;
        const int shift = m_changed ? 1 : 0;
        const int e = FixtureEntryCount(gNumSlots, gGamesToPlay);
        for (int k = 1; k <= e; ++k)
            gScores[k] = QString::number((k + shift) % 5);
        for (int k = 1; gTeamLeague && k <= kSquadSize * e; ++k)
            gPosScoreA[k] = QString::number((k + shift) % 7);
        for (int r = 1; r <= gGamesToPlay * (gNumSlots - 1); ++r)
            gWeekDates[r] = gWeekDates[r].addDays(m_changed ? 1 : -1);
        for (int s = 1; s <= gNumSlots; ++s) {
            gPenalties[s] = shift;
            gPlayerNames[s] = mark(gPlayerNames[s]);
        }
        for (int t = 1; gTeamLeague && t <= gNumSlots; ++t)
            for (int j = 1; j <= kSquadSize; ++j)
                gTeamSquads[t][j] = mark(gTeamSquads[t][j]);
    }

private:
    QString mark(const QString &name) const { return m_changed ? name + u'*' : name.chopped(1); }

    benchmark::State &m_state;
    QTemporaryDir m_dir;
    bool m_changed = false;
};

void BM_CreateLeagueFile(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state)
        league.Check(CreateLeagueFile());
}

// The pair a create replaces was never opened here: its key is derived too.
void BM_CreateOverUnopenedPair(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state) {
        state.PauseTiming();
        ForgetDerivedKeys();
        state.ResumeTiming();
        league.Check(CreateLeagueFile());
    }
}

void BM_SaveLeague(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state)
        league.Check(SaveLeague());
}

void BM_SaveEveryRecordChanged(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state) {
        state.PauseTiming();
        league.ChangeEveryRecord();
        state.ResumeTiming();
        league.Check(SaveLeague());
    }
}

// The save as it would be without one transaction: the results, the records
// a season changes most, each written and committed on its own.
void saveEveryRecordOnItsOwn()
{
    Database db;
    OpenPair(db, gLeagueFile, CompanionPath(gLeagueFile));
    const int e = FixtureEntryCount(gNumSlots, gGamesToPlay);
    RecordWriter scores(db, leaguefile::kScoresTable.name, leaguefile::kScoresTable.fields, RecordWriter::Mode::Rewrite);
    for (int i = 1; i <= e; ++i) {
        scores.SetText(0, gScores[i]);
        scores.Write();
    }
    if (!gTeamLeague)
        return;
    RecordWriter positions(db, leaguefile::kPositionsTable.name, leaguefile::kPositionsTable.fields, RecordWriter::Mode::Rewrite);
    for (int i = 1; i <= e; ++i) {
        for (int j = 1; j <= kTeamGames; ++j) {
            const int p = (i - 1) * kTeamGames + j;
            positions.SetJoined(j - 1, {gPosPlayer[p], u"//", gPosScoreA[p], u"\\\\", gPosScoreB[p]});
        }
        positions.Write();
    }
}

void BM_SaveNaive(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state) {
        state.PauseTiming();
        league.ChangeEveryRecord();
        state.ResumeTiming();
        saveEveryRecordOnItsOwn();
    }
}

// The first open of a league file: its key is derived.
void BM_LoadLeague(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state) {
        state.PauseTiming();
        InitialiseGlobals();
        ForgetDerivedKeys();
        state.ResumeTiming();
        league.Check(LoadLeague());
    }
}

void BM_LoadLeagueAgain(benchmark::State &state)
{
    BenchLeague league(state);
    league.Check(CreateLeagueFile());
    for (auto _ : state) {
        state.PauseTiming();
        InitialiseGlobals();
        state.ResumeTiming();
        league.Check(LoadLeague());
    }
}

// Arguments: entries, games to play, team league.
void Leagues(benchmark::internal::Benchmark *b)
{
    b->Args({32, 4, 1})->Args({16, 2, 0})->ArgNames({"entries", "games", "team"});
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
}

} // namespace

BENCHMARK(BM_CreateLeagueFile)->Apply(Leagues);
BENCHMARK(BM_CreateOverUnopenedPair)->Apply(Leagues);
BENCHMARK(BM_SaveLeague)->Apply(Leagues);
BENCHMARK(BM_SaveEveryRecordChanged)->Apply(Leagues);
BENCHMARK(BM_SaveNaive)->Apply(Leagues)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_LoadLeague)->Apply(Leagues);
BENCHMARK(BM_LoadLeagueAgain)->Apply(Leagues);
