#include "table/tablewindows.h"

#include "shell/forms.h"
#include "shell/taskwindows.h"
#include "table/printweekly.h"

namespace fixtora {

void RegisterTableWindows()
{
    RegisterTaskWindow(TaskWindow::PrintWeekly, {ShowPrintWeekly, UnloadForm<PrintWeekly>});
}

} // namespace fixtora
