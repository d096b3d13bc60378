#include "wizard/wizardwindows.h"

#include "shell/forms.h"
#include "shell/taskwindows.h"
#include "wizard/customdates.h"
#include "wizard/import.h"
#include "wizard/wizard1.h"
#include "wizard/wizard2.h"
#include "wizard/wizard3.h"
#include "wizard/wizard5.h"

namespace fixtora {

void RegisterWizardWindows()
{
    RegisterTaskWindow(TaskWindow::Wizard1, {ShowWizard1, UnloadForm<Wizard1>});
    RegisterTaskWindow(TaskWindow::Wizard3, {ShowWizard3, UnloadForm<Wizard3>});
    RegisterTaskWindow(TaskWindow::Wizard2, {ShowWizard2, UnloadForm<Wizard2>});
    RegisterTaskWindow(TaskWindow::Wizard5, {ShowSummaryPage, UnloadSummaryPage});
    RegisterTaskWindow(TaskWindow::import, {ShowImport, UnloadForm<import>});
    RegisterTaskWindow(TaskWindow::customdates, {ShowRoundDateEditor, UnloadForm<customdates>});
    // The page of names or teams stays loaded behind the summary until the
    // fixtures screen takes the new league over.
    SetUnsavedNewLeagueCheck([] {
        if (const Wizard3 *names = LoadedForm<Wizard3>())
            return MayLeavePage(names->Typed());
        const Wizard2 *teams = LoadedForm<Wizard2>();
        return !teams || MayLeavePage(teams->Typed());
    });
}

} // namespace fixtora
