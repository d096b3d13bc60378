// The program starts with the intro screen. When its load ends the program (the
// user refused to run below 1024x768), the event loop never runs.

#include "fixtures/fixtureswindows.h"
#include "fixtures/resultswindows.h"
#include "shell/artwork.h"
#include "shell/forms.h"
#include "shell/introscreen.h"
#include "table/tablewindows.h"
#include "tournament/tournamentwindows.h"
#include "wizard/wizardwindows.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fixtora"));
    QApplication::setWindowIcon(QIcon(fixtora::LogoPicture(64)));
    fixtora::RegisterFixturesWindows();
    fixtora::RegisterResultsWindows();
    fixtora::RegisterTableWindows();
    fixtora::RegisterTournamentWindows();
    fixtora::RegisterWizardWindows();
    if (!fixtora::LoadForm<fixtora::IntroScreen>()->Load())
        return EXIT_SUCCESS;
    return app.exec();
}
