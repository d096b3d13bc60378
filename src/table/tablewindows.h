#pragma once
// Makes the league table screen reachable from the shell (ShowTaskWindow /
// UnloadTaskWindow). Called once from main().

namespace fixtora {

void RegisterTableWindows();

} // namespace fixtora
