#include "app/windows.h"

#include "results/fixtureswindows.h"
#include "results/resultswindows.h"
#include "table/tablewindows.h"
#include "tournament/tournamentwindows.h"
#include "wizard/wizardwindows.h"

namespace fixtora {

void RegisterWindows()
{
    RegisterFixturesWindows();
    RegisterResultsWindows();
    RegisterTableWindows();
    RegisterTournamentWindows();
    RegisterWizardWindows();
}

} // namespace fixtora
