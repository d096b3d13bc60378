// The benchmarks run with a QApplication (unless a platform is chosen, on an
// offscreen screen of 1024x768 at 96 DPI), so drawing on the screen's picture
// box and the windows can be measured too. After
// the runs, every figure that has a target is printed again on a line of its
// own: the median of the benchmark's repetitions, the target, and whether it
// is met.
#include "startup.h"

#include <QApplication>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

// Keeps the median of every benchmark (or its one run) in milliseconds while
// the console shows the runs as usual.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool only = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if ((median || only) && !run.error_occurred)
                m_milliseconds[plainName(run.run_name)] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
        }
    }
    bool Empty() const { return m_milliseconds.empty(); }
    // By the benchmark's name and arguments, as "BM_SaveLeague/entries:32/games:4/team:1".
    std::optional<double> Milliseconds(const std::string &name) const
    {
        const auto found = m_milliseconds.find(name);
        return found == m_milliseconds.end() ? std::nullopt : std::optional<double>(found->second);
    }

private:
    static std::string plainName(const benchmark::BenchmarkName &name)
    {
        return name.args.empty() ? name.function_name : name.function_name + '/' + name.args;
    }

    std::map<std::string, double> m_milliseconds;
};

const std::string kLargest = "/entries:32/games:4/team:1";

struct Figure {
    const char *what;
    std::string benchmark;
    double targetMs;       // 0: no target of its own
    bool below = false;    // the target is "under", not "at most"
};

const Figure kFigures[] = {
    {"create, over a pair opened before", "BM_CreateLeagueFile" + kLargest, 100},
    {"create, over a pair never opened (both keys derived)", "BM_CreateOverUnopenedPair" + kLargest, 100},
    {"save in place, the league saved again", "BM_SaveLeague" + kLargest, 50},
    {"save in place, every record changed", "BM_SaveEveryRecordChanged" + kLargest, 50},
    {"naive save, every record changed, one commit each", "BM_SaveNaive" + kLargest, 0},
    {"load, first open (key derived)", "BM_LoadLeague" + kLargest, 100},
    {"load, opened before", "BM_LoadLeagueAgain" + kLargest, 100},
    {"league table, count and sort", "BM_LeagueTable", 1, true},
    {"fixtures page 1 drawn", "BM_FixturePageOnScreen/1", 16, true},
    {"fixtures page 21 drawn", "BM_FixturePageOnScreen/21", 16, true},
    {"start to the main menu", "BM_StartToMainMenu", 500, true},
    {"fixtures screen opened and drawn", "BM_FixturesScreenOpened", 16, true},
    {"fixtures screen, a page turned", "BM_FixturesPageTurned", 16, true},
    {"league table screen opened and drawn", "BM_TableScreenOpened", 16, true},
    {"round window opened", "BM_RoundWindowOpened", 16, true},
    {"round window closed, fixtures screen drawn again", "BM_RoundWindowClosed", 16, true},
    {"64-entrant chart opened and drawn", "BM_ChartOpened", 16, true},
    {"21 fixture pages printed to PDF", "BM_FixturesPrintedToPdf", 1000, true},
};

// How many times slower the naive save must be than the save in place.
constexpr double kNaiveRatio = 50;

void printLine(const char *what, const std::optional<double> &value, const char *unit, const std::string &target,
               const char *verdict)
{
    if (!value) {
        std::printf("  %-54s %12s   %-16s not run\n", what, "-", target.c_str());
        return;
    }
    std::printf("  %-54s %9.2f %-2s   %-16s %s\n", what, *value, unit, target.c_str(), verdict);
}

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

void printFigures(const MedianReporter &reporter)
{
    std::printf("\nFigures (medians; the largest league: 32 teams, 4 cycles, every score and position "
                "entered, on disk)\n");
    for (const Figure &figure : kFigures) {
        const std::optional<double> ms = reporter.Milliseconds(figure.benchmark);
        if (figure.targetMs <= 0) {
            printLine(figure.what, ms, "ms", "(for the ratio)", "");
            continue;
        }
        const std::string target = (figure.below ? "target < " : "target <= ")
            + std::to_string(static_cast<int>(figure.targetMs)) + " ms";
        const bool met = ms && (figure.below ? *ms < figure.targetMs : *ms <= figure.targetMs);
        printLine(figure.what, ms, "ms", target, verdict(met));
    }
    const std::optional<double> naive = reporter.Milliseconds("BM_SaveNaive" + kLargest);
    const std::optional<double> whole = reporter.Milliseconds("BM_SaveEveryRecordChanged" + kLargest);
    std::optional<double> ratio;
    if (naive && whole && *whole > 0)
        ratio = *naive / *whole;
    printLine("naive save / save in place, every record changed", ratio, "x",
              "target >= " + std::to_string(static_cast<int>(kNaiveRatio)) + " x", verdict(ratio && *ratio >= kNaiveRatio));
}

// The offscreen platform says at every window raised that it cannot raise
// windows; the console keeps the figures.
QtMessageHandler usualMessages = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        usualMessages(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryFile screen;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && screen.open()) {
        screen.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1024, "height": 768,)"
                     R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screen.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
    if (argc > 1 && std::strcmp(argv[1], fixtora::bench::kStartChildOption) == 0)
        return fixtora::bench::StartToMainMenu(argc, argv);
    QApplication app(argc, argv);
    usualMessages = qInstallMessageHandler(quietPlatform);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (!reporter.Empty())
        printFigures(reporter);
    benchmark::Shutdown();
    return 0;
}
