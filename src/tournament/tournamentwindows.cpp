#include "tournament/tournamentwindows.h"

#include "shell/forms.h"
#include "shell/taskwindows.h"
#include "tournament/tournieform.h"
#include "tournament/tourwiz.h"

namespace fixtora {

void RegisterTournamentWindows()
{
    RegisterTaskWindow(TaskWindow::tourwiz, {ShowTourWizard, UnloadForm<tourwiz>});
    RegisterTaskWindow(TaskWindow::Tournieform, {ShowTournamentChart, UnloadForm<Tournieform>});
    SetUnsavedTournamentCheck([] {
        Tournieform *chart = LoadedForm<Tournieform>();
        return !chart || chart->MayClose();
    });
}

} // namespace fixtora
