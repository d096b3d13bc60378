#pragma once
// The task windows of the wizards, the fixtures and table screens and the
// tournaments live in libraries built on this one, so the shell reaches them
// through the actions each of those libraries registers here at start-up
// (from the program's main()). Until a window is registered, showing or
// unloading it does nothing.

#include <functional>

namespace fixtora {

enum class TaskWindow {
    Wizard1,      // first page of the new-league wizard (shown maximised)
    Wizard3,      // player names page
    Wizard5,      // later page of the new-league wizard
    changename,   // rename window
    customdates,  // round-date editor
    Tableform,    // fixtures screen
    PrintWeekly,  // league table screen
    tourwiz,      // tournament wizard
    Tournieform,  // tournament chart
    Wizard2,      // team page of the new-league wizard
    import,       // custom fixture import, opened from the summary page
};

// Every task window, with the name of its form.
struct NamedTaskWindow {
    TaskWindow window;
    const char *name;
};
inline constexpr NamedTaskWindow kTaskWindows[] = {
    {TaskWindow::Wizard1, "Wizard1"},         {TaskWindow::Wizard3, "Wizard3"},
    {TaskWindow::Wizard5, "Wizard5"},         {TaskWindow::changename, "changename"},
    {TaskWindow::customdates, "customdates"}, {TaskWindow::Tableform, "Tableform"},
    {TaskWindow::PrintWeekly, "PrintWeekly"}, {TaskWindow::tourwiz, "tourwiz"},
    {TaskWindow::Tournieform, "Tournieform"}, {TaskWindow::Wizard2, "Wizard2"},
    {TaskWindow::import, "import"},
};

struct TaskWindowActions {
    std::function<void()> show;    // load when needed, show inside Main
    std::function<void()> unload;  // discard without a question or a save
};

void RegisterTaskWindow(TaskWindow window, TaskWindowActions actions);
void ShowTaskWindow(TaskWindow window);
void UnloadTaskWindow(TaskWindow window);

// Asked before the open league is replaced or the program ends, so unsaved
// changes are not lost without a question: true to go on. The fixtures
// screen registers its closing question here; with none registered, go on.
void SetUnsavedLeagueCheck(std::function<bool()> check);
bool MayDiscardLeague();

// Asked, as the league's check is, before the program ends: the tournament
// chart registers its closing question here; with none registered, go on.
void SetUnsavedTournamentCheck(std::function<bool()> check);
bool MayDiscardTournament();

// Asked with the league's check: the new-league wizard registers here the
// question its pages ask before the names, teams or players typed on them
// are thrown away; with none registered, go on.
void SetUnsavedNewLeagueCheck(std::function<bool()> check);

// What a way out of the open work throws away. Exit, Create New League and
// Open League end all of it; starting a tournament ends only the tournament
// (the league and the options stay as they are).
struct OpenWork {
    bool options = true;     // the options dialog's changes not yet stored
    bool league = true;      // the open league's unsaved changes, or the new league's entries
    bool tournament = true;  // the tournament chart's unsaved changes
};
inline constexpr OpenWork kTournamentOnly{false, false, true};

// May the open work go? The one check before every way out: each part that
// work names is asked about in that order (MayUnloadOptions,
// MayDiscardLeague and the new league's check, MayDiscardTournament), and the
// first answer that keeps its part stops the way out. True to go on.
[[nodiscard]] bool MayDiscardOpenWork(OpenWork work = {});

// Run once the options dialog has stored new settings, so that a screen on
// view shows at once what they change (the fixtures screen registers its
// redraw here: the round word, the dates, the sides by the home-and-away
// rule). With none registered, nothing runs.
void SetSettingsChangedAction(std::function<void()> action);
void SettingsChanged();

} // namespace fixtora
