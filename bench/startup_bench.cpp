// The program's start to its main menu. Each start runs in a child process of
// its own, so everything a start pays once (loading the libraries, the
// platform, the fonts) is counted: the child does what main() does, on a
// 1024x768 screen (so the resolution question is answered by the screen
// itself), presses Continue as a user without a password would, and says when
// the main menu has been shown and drawn. The time runs from starting the
// child to that word.
#include "startup.h"

#include "results/fixtureswindows.h"
#include "results/resultswindows.h"
#include "platform/appinfo.h"
#include "shell/artwork.h"
#include "shell/forms.h"
#include "shell/introscreen.h"
#include "shell/mainwizard.h"
#include "shell/shellplatform.h"
#include "table/tablewindows.h"
#include "tournament/tournamentwindows.h"
#include "wizard/wizardwindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const char kShown[] = "main menu shown";

void BM_StartToMainMenu(benchmark::State &state)
{
    // The child's settings and "config.ini" stay in folders of the benchmark's own.
    QTemporaryDir configHome, programFolder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.path());
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(fixtora::bench::kStartChildOption), programFolder.path()});
        QByteArray said;
        while (!said.contains(kShown) && child.waitForReadyRead(10000))
            said += child.readAllStandardOutput();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        child.waitForFinished();
        if (!said.contains(kShown)) {
            state.SkipWithError("the child never showed the main menu");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

} // namespace

BENCHMARK(BM_StartToMainMenu)->UseManualTime()->Iterations(1)->Repetitions(7)->ReportAggregatesOnly()->Unit(benchmark::kMillisecond);

namespace fixtora::bench {

int StartToMainMenu(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 2)
        SetProgramFolder(QString::fromLocal8Bit(argv[2]));
    SetScreenForTests(ScreenInfo{1024, 768, 15, 15});
    SetUrlOpenerForTests([](const QUrl &) {});   // no browser for the release notes
    QApplication::setApplicationName(QStringLiteral("Fixtora"));
    QApplication::setWindowIcon(QIcon(LogoPicture(64)));
    RegisterFixturesWindows();
    RegisterResultsWindows();
    RegisterTableWindows();
    RegisterTournamentWindows();
    RegisterWizardWindows();
    if (!LoadForm<IntroScreen>()->Load())
        return 1;
    QCoreApplication::processEvents();
    OpenMainWindow();
    QWidget *menu = LoadedForm<MainWizard>();
    if (!menu || !menu->isVisible())
        return 1;
    QCoreApplication::processEvents();   // the main window and the menu drawn
    std::printf("%s\n", kShown);
    std::fflush(stdout);
    return 0;
}

} // namespace fixtora::bench
