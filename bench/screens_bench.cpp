// What the user waits for on the largest league (32 teams, 4 cycles, every
// score in), on a 1024x768 screen: the fixtures screen opened and drawn, a
// page turned, the league table screen opened and drawn, a round's window
// opened, and closed with the fixtures screen drawn again, the 64-entrant
// chart opened and drawn, and all 21 fixture pages printed to a PDF file.
// "Drawn" means painted: every measurement ends after the events that paint
// the window have run. A screen action should take less than a frame (16 ms).
//
// The table screen computes its first table on its 10 ms poll; the benchmark
// ticks that timer at once, so the figure is the work, not the poll's wait.
#include "results/fixtureswindows.h"
#include "results/resultswindows.h"
#include "model/league.h"
#include "model/settings.h"
#include "platform/appinfo.h"
#include "platform/printing.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "shell/shellplatform.h"
#include "shell/taskwindows.h"
#include "table/tablewindows.h"
#include "testleague.h"
#include "tournament/tournamentwindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QTimerEvent>
#include <benchmark/benchmark.h>

using namespace fixtora;

namespace {

// The events that lay out and paint what was shown or changed.
void paintNow()
{
    QCoreApplication::processEvents();
}

// Everything shown, and everything unloaded deleted.
void settle()
{
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The program's settings and windows, once for every benchmark here: its
// files in folders of the benchmark's own, the task windows registered as
// main() registers them, the main menu on the screen.
void startProgramOnce()
{
    static QTemporaryDir folder;
    static bool started = false;
    if (started)
        return;
    started = true;
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    SetProgramFolder(folder.path());
    SetUrlOpenerForTests([](const QUrl &) {});
    gScreenWidth = 1024;
    RegisterFixturesWindows();
    RegisterResultsWindows();
    RegisterTableWindows();
    RegisterTournamentWindows();
    ShowMainMenu();
    settle();
}

// The largest league, stored (so its rounds take scores), sorted as the
// table screen sorts by default.
void openLargestLeague()
{
    startProgramOnce();
    test::TestLeague league = test::TeamLeague(32, 4, 3);
    league.scoresEntered = true;
    test::BuildTestLeague(league);
    gLeagueOnDisk = true;
    gPointsForWin = QStringLiteral("3");
    gPointsForDraw = QStringLiteral("1");
    gPointsForLose = QStringLiteral("0");
    gSortOrder = {QString(), QStringLiteral("Points"), QStringLiteral("Wins"), QStringLiteral("Name")};
}

// The window unloaded and the main menu on view, as its Close leaves them:
// where the user opens the next window from.
void backToMainMenu(TaskWindow window)
{
    UnloadTaskWindow(window);
    ShowMainMenu();
    settle();
}

QWidget *visibleNamed(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        for (QWidget *found : window->findChildren<QWidget *>(QLatin1String(name)))
            if (found->isVisible())
                return found;
    return nullptr;
}

// A button of a window that shows; found before the clock runs, since the
// search through every window is the benchmark's, not the program's.
QAbstractButton *button(const char *form, const char *name)
{
    QWidget *window = visibleNamed(form);
    return window ? window->findChild<QAbstractButton *>(QLatin1String(name)) : nullptr;
}

// The table screen's poll, which computes its first table.
QTimer *tableScreenPoll()
{
    QWidget *table = visibleNamed("PrintWeekly");
    return table ? table->findChild<QTimer *>() : nullptr;
}

// A tick of the timer now rather than after its interval.
void tick(QTimer *timer)
{
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

void showNow(TaskWindow window)
{
    ShowTaskWindow(window);
    paintNow();
}

// A window opened from the main menu and drawn, then closed off the clock.
void timeOpening(benchmark::State &state, TaskWindow window)
{
    for (auto _ : state) {
        showNow(window);
        state.PauseTiming();
        backToMainMenu(window);
        state.ResumeTiming();
    }
}

enum class RoundWindowStep { Opening, Closing };

// The first round's window, opened by its score button on the fixtures
// screen and closed with its Close, which stores the round and draws the
// fixtures screen again; the clock runs over one of the two.
void timeRoundWindow(benchmark::State &state, RoundWindowStep timed)
{
    const bool opening = timed == RoundWindowStep::Opening;
    openLargestLeague();
    showNow(TaskWindow::Tableform);
    for (auto _ : state) {
        state.PauseTiming();
        QAbstractButton *score = button("Tableform", "Cmdscore_1");
        if (!score) {
            state.SkipWithError("no score button");
            break;
        }
        if (opening)
            state.ResumeTiming();
        score->click();
        paintNow();
        if (opening)
            state.PauseTiming();
        QAbstractButton *close = button("Enter_Scores", "update");
        if (!close) {
            state.SkipWithError("no round window");
            break;
        }
        if (!opening)
            state.ResumeTiming();
        close->click();
        paintNow();
        if (opening)
            state.ResumeTiming();
    }
    backToMainMenu(TaskWindow::Tableform);
}

} // namespace

static void BM_FixturesScreenOpened(benchmark::State &state)
{
    openLargestLeague();
    timeOpening(state, TaskWindow::Tableform);
}
BENCHMARK(BM_FixturesScreenOpened)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

// Forward from page 1 to 2 and back, one turn at a time.
static void BM_FixturesPageTurned(benchmark::State &state)
{
    openLargestLeague();
    showNow(TaskWindow::Tableform);
    QAbstractButton *next = button("Tableform", "Picture3");
    QAbstractButton *back = button("Tableform", "Picture1");
    if (!next || !back)
        state.SkipWithError("no page arrows");
    bool forward = true;
    for (auto _ : state) {
        (forward ? next : back)->click();
        paintNow();
        forward = !forward;
    }
    backToMainMenu(TaskWindow::Tableform);
}
BENCHMARK(BM_FixturesPageTurned)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

static void BM_TableScreenOpened(benchmark::State &state)
{
    openLargestLeague();
    for (auto _ : state) {
        showNow(TaskWindow::PrintWeekly);
        state.PauseTiming();
        QTimer *poll = tableScreenPoll();
        if (!poll) {
            state.SkipWithError("no poll on the table screen");
            break;
        }
        state.ResumeTiming();
        tick(poll);
        paintNow();
        state.PauseTiming();
        if (!gTableShown)
            state.SkipWithError("the table was not drawn");
        backToMainMenu(TaskWindow::PrintWeekly);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TableScreenOpened)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

static void BM_RoundWindowOpened(benchmark::State &state)
{
    timeRoundWindow(state, RoundWindowStep::Opening);
}
BENCHMARK(BM_RoundWindowOpened)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

static void BM_RoundWindowClosed(benchmark::State &state)
{
    timeRoundWindow(state, RoundWindowStep::Closing);
}
BENCHMARK(BM_RoundWindowClosed)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

static void BM_ChartOpened(benchmark::State &state)
{
    startProgramOnce();
    InitialiseGlobals();
    gTourEntrants = 64;
    timeOpening(state, TaskWindow::Tournieform);
}
BENCHMARK(BM_ChartOpened)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

// "&Print" on the fixtures screen, printing to a file: every page of the
// league, one copy.
static void BM_FixturesPrintedToPdf(benchmark::State &state)
{
    openLargestLeague();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("fixtures.pdf"));
    SetPrintDialogForTests(PrintToPdfFile(pdf, 1));
    showNow(TaskWindow::Tableform);
    QAbstractButton *print = button("Tableform", "command2");
    if (!print)
        state.SkipWithError("no Print");
    for (auto _ : state) {
        print->click();
        paintNow();
    }
    if (QFileInfo(pdf).size() == 0)
        state.SkipWithError("nothing was printed");
    SetPrintDialogForTests({});
    backToMainMenu(TaskWindow::Tableform);
}
BENCHMARK(BM_FixturesPrintedToPdf)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();
