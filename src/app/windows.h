#pragma once
// The program's one list of the libraries that register task windows with the
// shell (shell/taskwindows.h), so the program's main() and the journeys
// through the whole program run with the same windows.

namespace fixtora {

// Registers the windows of the wizards, the fixtures and results screens, the
// table screen and the tournaments.
void RegisterWindows();

} // namespace fixtora
