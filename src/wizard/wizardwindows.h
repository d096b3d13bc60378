#pragma once
// Makes the new-league wizard's windows reachable from the shell
// (ShowTaskWindow / UnloadTaskWindow). Called once from main().

namespace fixtora {

void RegisterWizardWindows();

} // namespace fixtora
