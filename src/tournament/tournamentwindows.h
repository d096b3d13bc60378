#pragma once
// Makes the tournament wizard and the chart window reachable from the shell
// (ShowTaskWindow / UnloadTaskWindow). Called once from main().

namespace fixtora {

void RegisterTournamentWindows();

} // namespace fixtora
